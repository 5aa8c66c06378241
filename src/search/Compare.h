#pragma once

#include "catalog/Disks.h"

#include <atomic>
#include <string>
#include <vector>

namespace rkm {

// What differs between two listings, A and B, by path from the root.
enum class DiffKind {
    OnlyInA, // a file or folder of A that B does not hold
    OnlyInB, // a file or folder of B that A does not hold
    Changed, // a file in both, with another size or date
};

struct DiffItem {
    DiffKind kind = DiffKind::Changed;
    // Folder names and the file name from below the disk, joined by '/'; a
    // folder ends with '/'. As UTF-8, each name decoded (a folder of A names
    // the folders both hold).
    std::string path;
    bool folder = false;
    // Where the item is on each side that holds it: the node and the file
    // entry (-1 for a folder). Null on a side without it.
    const TreeNode *nodeA = nullptr, *nodeB = nullptr;
    int entryA = -1, entryB = -1;
    // A folder on one side only is one item; what it holds, folders and files
    // at any depth, is counted here.
    long filesBelow = 0, foldersBelow = 0;
    // The size and date texts of a file on each side that holds it; for a
    // changed file, which of them differ.
    bool sizeChanged = false, dateChanged = false;
    std::string sizeA, sizeB, dateA, dateB;
};

struct ListingDiff {
    // Folder by folder: first the files (A's order, then those only in B),
    // then the folders (A's order, then those only in B).
    std::vector<DiffItem> items;
    long onlyInA = 0, onlyInB = 0, changed = 0;
    bool equal() const { return items.empty(); }
};

// Compares two disks' subtrees. Names are the same when their bytes are, or
// else when they are the same text in another encoding (as Update carries
// annotations over: a listing made on Windows against its disk read here);
// letter case counts. Sizes compare by what the size texts stand for, dates
// by the day the date texts stand for, each read in its listing's own order,
// so listings made under different date formats compare fairly.
// Descriptions, categories and comments do not count. `stop` is looked at in
// every folder; once it is set (from any thread) the comparison ends early
// and says nothing differs: the caller knows it stopped it.
ListingDiff CompareListings(const TreeNode &a, const TreeNode &b, const std::atomic<bool> *stop = nullptr);

} // namespace rkm
