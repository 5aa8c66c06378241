#pragma once

// The building of one folder of a walk from what was read of it.

#include "scan/FolderReader.h"
#include "scan/ScanOptions.h"

#include <string_view>
#include <vector>

namespace rkm {

class ScanControl;
class TreeNode;

namespace walk {

// Builds folders of one walk, on any of its threads: each folder's file
// entries and sub-folder nodes in the order they were put in, and, when
// archives are listed, a folder node for each archive among the files.
class FolderBuilder final {
public:
    FolderBuilder(ScanControl *control, const ScanOptions &options) : m_control(control), m_options(options) {}

    // The file entries and sub-folder nodes of the folder `task` read into
    // `contents`, in their order; each sub-folder below the deepest a listing
    // holds is added to `found`, to be walked in turn.
    void build(const FolderTask &task, const FolderContents &contents, std::vector<FolderTask> &found) const;

private:
    void listArchive(const FolderTask &task, int dirFd, std::string_view name, TreeNode &node) const;
    bool stopping() const;

    ScanControl *const m_control;
    const ScanOptions m_options;
};

} // namespace walk
} // namespace rkm
