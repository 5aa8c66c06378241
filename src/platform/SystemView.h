#pragma once

#include "platform/DriveType.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::platform {

// One line of the mount table.
struct Mount {
    std::string mountPoint; // absolute, with escapes such as \040 decoded
    std::string fsType;     // "ext4", "vfat", "iso9660", "nfs4", "tmpfs", ...
    std::string source;     // "/dev/sdb1", "server:/export", "tmpfs", ...
    unsigned major = 0;     // device numbers of the mounted file system
    unsigned minor = 0;
};

// The system as the program sees it: the mount table, /sys and /dev/disk.
// Everything is read below `root` ("" for the real system), so tests can point
// it at a fixture tree holding proc/self/mountinfo, sys/... and dev/disk/...
class SystemView final {
public:
    explicit SystemView(std::string root = {});

    const std::string &root() const { return m_root; }
    // The mount table in mount order (read afresh on every call).
    std::vector<Mount> mounts() const;
    // The mount that holds an absolute path: the longest mount point that is a
    // prefix of it; of two mounts on the same point the later one.
    std::optional<Mount> mountHolding(const std::string &path) const;
    // The drive type code of the volume that holds `path`.
    DriveTypeCode driveType(const std::string &path) const;
    // The volume serial number, only for the root folder of a mounted volume
    // (a sub-folder gives 0): from the file system UUID, else the statfs id.
    uint32_t volumeSerial(const std::string &path) const;
    // The volume label of the volume that holds `path`, or empty.
    std::string volumeLabel(const std::string &path) const;
    // The mounted volumes a user would choose from, in mount order, pseudo
    // file systems left out: their mount points.
    std::vector<std::string> drives() const;

    static bool isPseudoFs(std::string_view fsType);
    static bool isNetworkFs(std::string_view fsType);

private:
    std::string m_root;
};

// The real system.
const SystemView &System();

// A file system UUID as a 32-bit volume serial number: FAT "XXXX-XXXX" is that
// number, NTFS "0123456789ABCDEF" its low 32 bits, any other UUID a stable fold.
uint32_t SerialFromUuid(std::string_view uuid);

} // namespace rkm::platform
