#pragma once

#include "catalog/Contents.h"
#include "catalog/Disks.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace rkm {

class CatalogStore;

// A file entry of a listing.
struct EntryRef {
    TreeNode *node = nullptr;
    int entry = -1;
};

// File entries with the same name (letter case ignored, the decoded text)
// and the same size text: likely copies of one file.
struct DuplicateGroup {
    std::vector<EntryRef> entries; // in catalogue order
    uint64_t size = 0;             // bytes, the least the size text stands for
    uint64_t wasted = 0;           // size times (copies - 1)
};

struct DuplicateOptions {
    uint64_t minSize = uint64_t(1) << 20; // smaller files are left out
    const TreeNode *listing = nullptr;    // only within this listing (null: across all)
    bool byContents = false;              // by fingerprint instead (FindDuplicatesByContents)
};

// The groups of copies among the disks `disks`, the most wasted space first
// (then by name, then in catalogue order). Entries whose size text cannot be
// read are left out. The work takes 16 bytes per file entry it looks at.
// It looks at `stop` at every folder and every few thousand entries and,
// once it is set, ends early with no group (another thread may set it).
std::vector<DuplicateGroup> FindDuplicates(const std::vector<const TreeNode *> &disks, const DuplicateOptions &options,
                                           const std::atomic<bool> *stop = nullptr);

// What the store keeps of the contents of a disk's files.
struct DiskContents {
    const TreeNode *disk = nullptr;
    ContentRecords records;
};
// The records of `disks` the options let in (CatalogStore::ContentsOf, no
// pictures): read on the store's thread, then handed to the search.
std::vector<DiskContents> ContentsForDuplicates(CatalogStore &store, const std::vector<const TreeNode *> &disks,
                                                const DuplicateOptions &options);

// Copies by contents: the file entries whose fingerprints are the same,
// whatever their names or dates. A listing read without fingerprints takes
// no part. The size of a group is the one its records give; the groups are
// sorted as FindDuplicates sorts them, the entries of each in catalogue
// order. Each listing is walked once, spelling each entry's path once.
// `stop` as above.
std::vector<DuplicateGroup> FindDuplicatesByContents(const std::vector<DiskContents> &contents,
                                                     const DuplicateOptions &options,
                                                     const std::atomic<bool> *stop = nullptr);

// The name two copies share: lower-cased decoded text in Unicode's composed
// form, as UTF-8.
std::string DuplicateNameKey(std::string_view name);

} // namespace rkm
