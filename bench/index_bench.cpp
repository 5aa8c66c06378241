// The search index from a fresh process, for bench/index_vs_plocate.sh:
//
//   index_bench --refresh DIR         builds or refreshes DIR's index; prints the seconds
//   index_bench --find DIR QUERY      answers QUERY from the index as `rackmere-cli find`
//                                     prints it (paths, one a line); exit 0 matched,
//                                     1 nothing, 2 bad query, 3 index unusable
//   index_bench --paths DIR           every disk, folder and file path (for plocate-build)
//   index_bench --seed-index FILE     the index file of a tiny catalogue (the fuzzer's seed)
#include "search/IndexFormat.h"
#include "search/IndexWriter.h"
#include "search/Query.h"
#include "search/SearchIndex.h"

#include "catalog/AtomicFile.h"
#include "catalog/Disks.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

using namespace rkm;

namespace {

void PrintHit(const index::IndexHit &hit, std::string &line)
{
    line.assign(hit.shownDisk);
    for (std::string_view f : hit.folders) {
        line += '/';
        line += f;
    }
    if (!hit.fileName.empty()) {
        line += '/';
        line += hit.fileName;
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

int Find(const std::string &dir, const char *text)
{
    QueryError error;
    std::optional<Query> q = Query::Parse(text, error);
    if (!q) {
        std::fprintf(stderr, "index_bench: at %zu: %s\n", error.position, error.reason.c_str());
        return 2;
    }
    std::string line;
    bool any = false;
    const auto answer = index::AnswerFromIndex(dir, *q, [&](const index::IndexHit &hit) {
        PrintHit(hit, line);
        any = true;
        return true;
    });
    if (answer == index::IndexAnswer::Unusable) {
        std::fprintf(stderr, "index_bench: the index cannot answer\n");
        return 3;
    }
    return any ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc >= 3 ? argv[1] : "";
    if (mode == "--refresh" && argc == 3) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = index::RefreshIndex(argv[2]);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("%.3f\n", took.count());
        return ok ? 0 : 1;
    }
    if (mode == "--find" && argc == 4)
        return Find(argv[2], argv[3]);
    if (mode == "--paths" && argc == 3)
        return Find(argv[2], "-zzzzzzzzzzzzzzzzzzzzzzzzzz") == 3 ? 3 : 0;
    if (mode == "--seed-index" && argc == 3) {
        auto disk = MakeDiskNode("Tiny");
        disk->disk().Comment = "caf\xC3\xA9 disk";
        disk->disk().Files.append(FileEntryView{"readme.txt", "the first", "01.02.2020", "12 Kb", "Docs"});
        TreeNode *folder = disk->appendChild("Photos");
        folder->disk().Comment = "abc";
        for (int i = 0; i < 260; ++i) // enough blocks for a dictionary
            folder->disk().Files.append(
                FileEntryView{"name" + std::to_string(i) + ".jpg", i % 3 ? "" : "desc b", "3/4/2019", "1 MB", ""});
        folder->appendChild("Sub")->disk().Files.append(FileEntryView{"CAF\xC9.txt", "", "", "", ""});
        WriteFileAtomically(argv[2], index::BuildIndexBytes(*disk, {1, 2, 3, 4, 5}));
        return 0;
    }
    std::fprintf(stderr, "usage: index_bench --refresh DIR | --find DIR QUERY | --paths DIR | --seed-index FILE\n");
    return 2;
}
