#pragma once

// The synthetic catalogue of the benchmarks: listings of 50,000 file entries
// in 2,500 folders each (20 listings: a million entries; 200: ten million),
// written as listing files into a folder.
#include "catalog/AtomicFile.h"
#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"

#include <QDir>

#include <cstdio>
#include <random>
#include <string>

namespace rkm::bench {

inline std::unique_ptr<TreeNode> SyntheticDisk(int index, int folders, int filesPerFolder, std::mt19937 &rng)
{
    static const char *const exts[] = {".txt", ".jpg", ".mp3", ".pdf", ".doc", ".zip", ".c", ".h", ".png", ".avi"};
    auto disk = MakeDiskNode("Disk " + std::to_string(index));
    disk->disk().RootPath = "/media/disk" + std::to_string(index);
    disk->disk().DriveType = 3;
    const int tops = 10;
    for (int t = 0; t < tops; ++t) {
        TreeNode *top = disk->appendChild("volume" + std::to_string(t));
        for (int f = 0; f < folders / tops; ++f) {
            TreeNode *folder = top->appendChild("folder" + std::to_string(f));
            for (int k = 0; k < filesPerFolder; ++k) {
                char name[40], date[16], size[24];
                std::snprintf(name, sizeof name, "file%03d_%05u%s", k, static_cast<unsigned>(rng() % 100000),
                              exts[rng() % 10]);
                std::snprintf(date, sizeof date, "%02u/%02u/20%02u", 1 + static_cast<unsigned>(rng() % 28),
                              1 + static_cast<unsigned>(rng() % 12), 10 + static_cast<unsigned>(rng() % 15));
                std::snprintf(size, sizeof size, "%u Kb", static_cast<unsigned>(rng() % 4000));
                folder->disk().Files.append(FileEntryView{name, "", date, size, ""});
            }
        }
    }
    return disk;
}

// Writes `listings` listings of `folders` folders with `filesPerFolder` files
// each into `dir` (made if missing), unless they are there already.
inline void WriteSyntheticCatalog(const std::string &dir, int listings = 20, int folders = 2500,
                                  int filesPerFolder = 20)
{
    QDir().mkpath(QString::fromStdString(dir));
    std::mt19937 rng(7);
    for (int i = 0; i < listings; ++i) {
        const std::string path = dir + "/" + std::to_string(1000 + i) + ".rkm";
        if (QFile::exists(QString::fromStdString(path)))
            continue;
        WriteFileAtomically(path, WriteListing(*SyntheticDisk(i, folders, filesPerFolder, rng), 0));
    }
}

} // namespace rkm::bench
