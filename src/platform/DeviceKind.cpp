// The kind of device a volume is on: the drive type code, and how the
// volume answers requests (VolumeKind), from the mount table's file system
// type and the block device's folder in /sys.

#include "platform/SystemView.h"
#include "platform/SystemFiles.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace rkm::platform {

using namespace detail;

DriveTypeCode SystemView::driveType(const std::string &path) const
{
    const std::string p = ResolvePath(m_root, path);
    if (p.empty() || !Exists(m_root + p))
        return DRIVE_NO_ROOT_DIR;
    const auto m = HoldingMount(mounts(), p);
    if (!m)
        return DRIVE_UNKNOWN;
    const std::string &type = m->fsType;
    if (type == "iso9660" || type == "udf")
        return DRIVE_CDROM;
    if (isNetworkFs(type))
        return DRIVE_REMOTE;
    if (type == "tmpfs" || type == "ramfs")
        return DRIVE_RAMDISK;

    const std::string dev = BlockDeviceDir(m_root, *m);
    if (!dev.empty()) {
        // A partition's disk is the folder above it.
        std::string disk = dev;
        const std::string name = BaseName(dev);
        const std::string parent = ParentOf(dev);
        if (Exists(dev + "/partition") ||
            (!Exists(m_root + "/sys/block/" + name) && !parent.empty() &&
             Exists(m_root + "/sys/block/" + BaseName(parent))))
            disk = parent;
        if (ReadFirstLine(disk + "/removable") == "1")
            return DRIVE_REMOVABLE;
        // Look for the USB bus below the root only (the root's own path may
        // hold anything).
        std::string rel = disk;
        const std::string realRoot = m_root.empty() ? std::string() : Canonical(m_root);
        if (!realRoot.empty() && StartsWith(rel, realRoot))
            rel = rel.substr(realRoot.size());
        if (rel.find("/usb") != std::string::npos)
            return DRIVE_REMOVABLE;
        return DRIVE_FIXED;
    }
    if (m->major != 0 || StartsWith(m->source, "/dev/"))
        return DRIVE_FIXED;
    return DRIVE_UNKNOWN;
}

namespace {

// Network file systems, and the user-space ones (FUSE: sshfs, rclone, s3fs,
// ...) whose every call goes through a server process, most often across a
// network. fuseblk is a user-space driver of a local block device (ntfs-3g,
// exfat-fuse): its device decides.
bool IsNetworkOrUserSpaceFs(std::string_view type)
{
    return SystemView::isNetworkFs(type) || type == "fuse" || StartsWith(type, "fuse.");
}

VolumeKind KindOfPath(const std::string &root, const std::vector<Mount> &mounts, const std::string &path, int depth);

// The kind of the block device whose sysfs folder is `dev`: a partition is its
// disk; a device-mapper or md device is the disks below it (a hard disk among
// them makes it one); a loop device is the volume of its backing file.
VolumeKind KindOfBlockDevice(const std::string &root, const std::vector<Mount> &mounts, std::string dev, int depth)
{
    if (depth > 8) // a loop in a broken sysfs tree
        return VolumeKind::Unknown;
    const std::string name = BaseName(dev);
    const std::string parent = ParentOf(dev);
    if (Exists(dev + "/partition") ||
        (!Exists(root + "/sys/block/" + name) && !parent.empty() && Exists(root + "/sys/block/" + BaseName(parent))))
        dev = parent;
    if (StartsWith(BaseName(dev), "sr"))
        return VolumeKind::Optical;

    std::vector<std::string> below;
    std::error_code ec;
    fs::directory_iterator it(dev + "/slaves", ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string real = Canonical(it->path().string());
        if (!real.empty())
            below.push_back(real);
    }
    if (!below.empty()) {
        bool allSolid = true;
        for (const std::string &slave : below) {
            const VolumeKind k = KindOfBlockDevice(root, mounts, slave, depth + 1);
            if (k == VolumeKind::Rotating || k == VolumeKind::Optical)
                return k;
            allSolid = allSolid && k == VolumeKind::SolidState;
        }
        return allSolid ? VolumeKind::SolidState : VolumeKind::Unknown;
    }

    const std::string backing = ReadFirstLine(dev + "/loop/backing_file");
    if (!backing.empty())
        return KindOfPath(root, mounts, Normalize(backing, false), depth + 1);

    // A virtual machine's disk (virtio "vd*", Xen "xvd*") says it rotates
    // whatever the host keeps it on, most often solid-state or networked
    // storage that serves many requests at once.
    const std::string disk = BaseName(dev);
    if (StartsWith(disk, "vd") || StartsWith(disk, "xvd"))
        return VolumeKind::SolidState;
    const std::string rotational = ReadFirstLine(dev + "/queue/rotational");
    if (rotational == "1")
        return VolumeKind::Rotating;
    if (rotational == "0")
        return VolumeKind::SolidState;
    return VolumeKind::Unknown;
}

VolumeKind KindOfPath(const std::string &root, const std::vector<Mount> &mounts, const std::string &path, int depth)
{
    const auto m = HoldingMount(mounts, path);
    if (!m)
        return VolumeKind::Unknown;
    const std::string &type = m->fsType;
    if (type == "iso9660" || type == "udf")
        return VolumeKind::Optical;
    if (IsNetworkOrUserSpaceFs(type))
        return VolumeKind::Network;
    if (type == "tmpfs" || type == "ramfs")
        return VolumeKind::Memory;
    const std::string dev = BlockDeviceDir(root, *m);
    return dev.empty() ? VolumeKind::Unknown : KindOfBlockDevice(root, mounts, dev, depth);
}

} // namespace

VolumeKind SystemView::volumeKind(const std::string &path) const
{
    return KindOfPath(m_root, mounts(), ResolvePath(m_root, path), 0);
}

} // namespace rkm::platform
