#pragma once

// The mount table as SystemView reads it (SystemView::mounts, drives, volumes).

#include <cstdint>
#include <string>

namespace rkm::platform {

// One line of the mount table.
struct Mount {
    std::string mountPoint; // absolute, with escapes such as \040 decoded
    std::string fsType;     // "ext4", "vfat", "iso9660", "nfs4", "tmpfs", ...
    std::string source;     // "/dev/sdb1", "server:/export", "tmpfs", ...
    unsigned major = 0;     // device numbers of the mounted file system
    unsigned minor = 0;
};

// A mounted volume as the drive list offers it.
struct Volume {
    std::string mountPoint;
    std::string label; // empty when it has none
    std::string fsType;
    uint64_t bytes = 0; // the volume's size, 0 when unknown
    std::string uuid;   // the file system's UUID, empty when it has none
};

} // namespace rkm::platform
