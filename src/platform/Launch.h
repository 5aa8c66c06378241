#pragma once

#include <string>

namespace rkm::platform {

// What Launch may do with the file a listing names.
enum class LaunchVerdict {
    Open,     // a file below the listing's root: open it
    AskFirst, // such a file, but a program or a .desktop launcher: opening runs it
    Missing,  // no such file (or the root is not there)
    Outside,  // the path leads out of the listing's root (../, or a link out)
    NotAFile, // a folder, FIFO, socket or device
};

struct LaunchCheck {
    LaunchVerdict verdict = LaunchVerdict::Missing;
    std::string resolved; // the file's real path (links and ../ followed), to be opened
};

// Checks the file `path` against the listing's root path as it stands now:
// both are resolved, and only a file below the resolved root is opened. A
// crafted listing can name any path; this keeps Launch to the catalogued disk.
LaunchCheck CheckLaunch(const std::string &rootPath, const std::string &path);

} // namespace rkm::platform
