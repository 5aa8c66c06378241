#pragma once

#include "platform/DeviceKind.h"
#include "platform/DriveType.h"
#include "platform/MountTable.h"
#include "platform/VolumeIdentity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::platform {

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
    // What kind of volume holds `path`: from the mount table's file system
    // type, else from the block device below it (a partition's disk, the
    // disks below device-mapper and md devices, a loop device's backing file).
    VolumeKind volumeKind(const std::string &path) const;
    // The volume serial number, only for the root folder of a mounted volume
    // (a sub-folder gives 0): for a data CD (iso9660, udf) the number Windows
    // derives from its volume descriptor, read from the device the mount
    // table names; else from the file system UUID, else the statfs id.
    uint32_t volumeSerial(const std::string &path) const;
    // The volume label of the volume that holds `path`, or empty.
    std::string volumeLabel(const std::string &path) const;
    // The file system UUID of the volume that holds `path` (as udev names
    // it in /dev/disk/by-uuid: "1A2B-3C4D", "0f1e2d3c-..."), or empty.
    std::string volumeUuid(const std::string &path) const;
    // The volume that holds `path`: its mount point, label, file system,
    // size and UUID; nothing when no mount holds it.
    std::optional<Volume> volumeOf(const std::string &path) const;
    // The mounted volumes a user would choose from, in mount order: their
    // mount points. Left out are the kernel's own file systems (proc, sysfs,
    // cgroup, devpts, ...), memory file systems other than /tmp, overlays
    // (except the root), the squashfs images of snaps, whatever is mounted
    // below /proc, /sys, /dev, /run (but /run/media) or by snap, flatpak and
    // container sandboxes, and mounts of single files. Of two mounts on one
    // folder the later one counts.
    std::vector<std::string> drives() const;
    // The same volumes with their labels, file systems and sizes.
    std::vector<Volume> volumes() const;

    static bool isPseudoFs(std::string_view fsType);
    static bool isNetworkFs(std::string_view fsType);

private:
    std::string m_root;
};

// The system the program sees: the real one, unless SetSystemRoot put a
// fixture tree in its place.
const SystemView &System();
// Reads /proc, /sys and /dev below `root` from now on ("" or "/": the real
// system). Called once at start, before any thread runs (rackmere-cli
// honours RACKMERE_SYSROOT).
void SetSystemRoot(const std::string &root);

} // namespace rkm::platform
