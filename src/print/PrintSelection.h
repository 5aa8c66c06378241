#pragma once

#include "catalog/Disks.h"
#include "print/PrintSettings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// What one printout takes from the current disk, read from the options
// dialog each time it closes for printing or previewing.
struct TPrintSelection {
    bool AllFolders = false;
    bool FilterFolders = false;
    bool FolderLevelOn = false;
    int32_t FolderLevel = 0;
    bool FolderComment = false;
    std::vector<std::string> FolderFilter;
    bool AllFiles = false;
    bool FilterFiles = false;
    bool FileLevelOn = false;
    int32_t FileLevel = 0;
    bool FileDescriptions = false;
    std::vector<std::string> FileFilter;
};

// A level box's text as a whole number: optional blanks in front, a sign,
// decimal digits, within 32 bits. Anything else throws RackmereError
// "'TEXT' is not a valid integer value".
int32_t LevelFromText(const std::string &text);

// Reads the selection: the folder page first, then the file page, each
// level text converted right after its page's flags, whatever the flags say.
TPrintSelection ReadPrintSelection(const PrintOptions &options);

// Whether `fileName` contains at least one entry of `filters`, in any letter
// case. An empty list matches nothing; an empty entry matches every name.
bool MatchesAnyFilter(const std::vector<std::string> &filters, std::string_view fileName);

// Appends the lines of `node` and its whole subtree. A disk node (the top
// call passes the current disk's node) gives no folder line: its name is the
// printout's title.
void CollectPrintLines(const TreeNode &node, std::vector<std::string> &FileLines,
                       std::vector<std::string> &FolderLines, const TPrintSelection &selection);

} // namespace rkm
