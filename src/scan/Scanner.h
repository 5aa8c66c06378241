#pragma once

#include "catalog/Disks.h"

#include <memory>
#include <string>
#include <string_view>

namespace rkm {

// Told of the folders entered and the files added while a scan runs; the
// desktop program's progress window hangs on it. The walk runs on several
// threads, and only what the calling thread walks is told, always on the
// calling thread; with one thread that is every folder and file.
class ScanObserver {
public:
    virtual ~ScanObserver() = default;
    virtual void enteringFolder(std::string_view name) = 0;
    virtual void addingFile(std::string_view name) = 0;
};

// Whether a stored root path is an absolute path of this system. A root of a
// listing made on Windows (E:\, C:\Data, \\server\share) is not, and is never
// taken as a folder below the current one.
bool IsPathOfThisSystem(std::string_view rootPath);

// The absolute, symlink-resolved form of a folder path without a trailing
// slash (except "/" itself), or empty when it is not a folder that can be
// entered.
std::string ResolveScanRoot(const std::string &path);

// Walks the folder `path` into a new disk subtree named `name` with the
// comment `comment`: one folder node per folder, one file entry per file, in
// the order the file system lists them. The node is not in any catalogue yet:
// the caller appends it. The process's current directory is never changed.
// Throws RackmereError when `path` cannot be entered. `threads` 0 lets the
// scanner choose (one per processor core, at least two).
std::unique_ptr<TreeNode> ScanDisk(const std::string &path, const std::string &name, const std::string &comment,
                                   ScanObserver *observer = nullptr, int threads = 0);

// Opens the folder `relative` below the folder handle `rootFd` without going
// through any symbolic link or out of the root, even if the tree changes
// while it is walked. Returns the handle, or -1.
int OpenFolderBeneath(int rootFd, const std::string &relative);

// A name as stored: a carriage return or line feed in it becomes '?'.
std::string StoredName(std::string_view name);

} // namespace rkm
