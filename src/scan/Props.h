#pragma once

#include "catalog/Disks.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rkm {

namespace platform {
class SystemView;
struct Volume;
} // namespace platform

// The number of folders below a node, at every depth, and the number of file
// entries of the node and of every node below it.
void CountSubtree(const TreeNode &node, long &folders, long &files);
// The bytes of the file entries of a node and of every node below it. A size
// text that only bounds a size ("3 Kb": 3072 to 4095 bytes) counts as the
// middle of its span, and the total is then not exact; a text that is no
// size counts nothing and leaves the total exact.
struct SubtreeSize {
    uint64_t bytes = 0;
    bool exact = true;
};
SubtreeSize SizeOfSubtree(const TreeNode &node);

// The "drive" of a listing's root path, as the properties dialog offers it.
struct RootDrive {
    // The leading part of the root path that names its drive: "E:" of a
    // listing made on Windows (E:\Data), else the mount point that holds the
    // path ("/media/user/CD" of /media/user/CD/Data). When the path is not
    // there any more (its volume is not mounted), the path up to its first
    // missing folder, which is where the volume was mounted.
    std::string prefix;
    // The drive offered for it in the list of drives present, or empty when
    // the drive is not present (the dialog then warns).
    std::string present;
};
RootDrive DriveOfRoot(const std::string &rootPath, const platform::SystemView &system);

// A path (the root path, or the full path of a folder below it) with its
// drive prefix replaced by the mount point `drive`. A path from Windows
// (E:\Data\Sub) put onto a mount point takes the system's separators
// (/media/cd/Data/Sub).
std::string RerootPath(const std::string &path, const std::string &prefix, const std::string &drive);

// How the drive list shows a volume: its mount point, then its label, file
// system and size, as far as they are known ("/media/usb (BACKUP, vfat,
// 16.0 GB)"). The list stores the mount point alone.
std::string DriveText(const platform::Volume &volume);

} // namespace rkm
