// The Linux platform layer: the mount table, drive types, volume serial
// numbers and labels, read from /proc/self/mountinfo, /sys and /dev/disk
// below a configurable root (so tests can use fixture trees).
//
// The text helpers live in Text.cpp.

#include "platform/SystemView.h"

#include <QStorageInfo>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace rkm::platform {

namespace {

// ---------------------------------------------------------------------------
// Small helpers that never throw.

bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

std::string Trim(std::string s)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!s.empty() && isSpace(s.back()))
        s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return s.substr(i);
}

// The first line of a small file, trimmed; empty when it cannot be read.
std::string ReadFirstLine(const std::string &path)
{
    std::ifstream f(path);
    if (!f)
        return {};
    std::string line;
    std::getline(f, line);
    return Trim(line);
}

bool Exists(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The real path of an existing file, or empty.
std::string Canonical(const std::string &path)
{
    std::error_code ec;
    fs::path p = fs::canonical(path, ec);
    if (ec)
        return {};
    return p.string();
}

std::string BaseName(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ParentOf(std::string_view path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

// Decodes the octal escapes of the mount table (\040 space, \011 tab,
// \012 line feed, \134 backslash).
std::string DecodeOctal(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            const char a = s[i + 1], b = s[i + 2], c = s[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out.push_back(static_cast<char>(((a - '0') << 6) | ((b - '0') << 3) | (c - '0')));
                i += 3;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes the \xHH escapes udev uses in /dev/disk/by-label names.
std::string DecodeHexEscapes(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x') {
            const int hi = HexValue(s[i + 2]), lo = HexValue(s[i + 3]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<char>((hi << 4) | lo));
                i += 3;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

bool ParseUnsigned(std::string_view s, unsigned &value)
{
    if (s.empty() || s.size() > 9)
        return false;
    unsigned v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<unsigned>(c - '0');
    }
    value = v;
    return true;
}

// Splits at single spaces (the mount table never has empty fields).
std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t')
            ++j;
        fields.push_back(line.substr(i, j - i));
        i = j;
    }
    return fields;
}

// One line of mountinfo:
//   36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue
//   (1)(2) (3)   (4)   (5)     (6)      (7...) (-) (8)   (9)       (10)
std::optional<Mount> ParseMountLine(std::string_view line)
{
    const auto f = SplitFields(line);
    if (f.size() < 7)
        return std::nullopt;
    std::size_t dash = 6;
    while (dash < f.size() && f[dash] != "-")
        ++dash;
    if (dash + 1 >= f.size()) // no "-" separator, or no file system type
        return std::nullopt;

    Mount m;
    const std::string_view dev = f[2];
    const auto colon = dev.find(':');
    if (colon == std::string_view::npos || !ParseUnsigned(dev.substr(0, colon), m.major) ||
        !ParseUnsigned(dev.substr(colon + 1), m.minor))
        return std::nullopt;
    m.mountPoint = DecodeOctal(f[4]);
    if (m.mountPoint.empty() || m.mountPoint[0] != '/')
        return std::nullopt;
    m.fsType = DecodeOctal(f[dash + 1]);
    if (dash + 2 < f.size())
        m.source = DecodeOctal(f[dash + 2]);
    return m;
}

// Lexically normalised absolute path: no ".", "..", doubled or trailing
// slashes ("/" stays "/"). A relative path is taken from the current folder
// when `realSystem`, else from "/". Empty stays empty.
std::string Normalize(const std::string &path, bool realSystem)
{
    if (path.empty())
        return {};
    std::string full = path;
    if (full[0] != '/') {
        std::string cwd = "/";
        if (realSystem) {
            std::error_code ec;
            const fs::path p = fs::current_path(ec);
            if (!ec)
                cwd = p.string();
        }
        full = cwd + "/" + full;
    }
    std::vector<std::string_view> parts;
    std::string_view rest(full);
    std::size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && rest[i] == '/')
            ++i;
        std::size_t j = i;
        while (j < rest.size() && rest[j] != '/')
            ++j;
        const std::string_view part = rest.substr(i, j - i);
        if (part.empty() || part == ".") {
            // skip
        } else if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else {
            parts.push_back(part);
        }
        i = j;
    }
    if (parts.empty())
        return "/";
    std::string out;
    for (const auto part : parts) {
        out += '/';
        out += part;
    }
    return out;
}

// Does mount point `mp` hold `path` (both normalised)? On component
// boundaries only: "/media/usb" holds "/media/usb/x" but not "/media/usb2".
bool Holds(const std::string &mp, const std::string &path)
{
    if (mp == "/")
        return !path.empty() && path[0] == '/';
    if (!StartsWith(path, mp))
        return false;
    return path.size() == mp.size() || path[mp.size()] == '/';
}

constexpr std::string_view kPseudoFs[] = {
    "proc",       "sysfs",       "devtmpfs",    "devpts",      "cgroup",     "cgroup2",
    "securityfs", "debugfs",     "tracefs",     "pstore",      "bpf",        "mqueue",
    "hugetlbfs",  "configfs",    "fusectl",     "autofs",      "binfmt_misc", "efivarfs",
    "rpc_pipefs", "nsfs",        "selinuxfs",   "nfsd",        "sockfs",     "pipefs",
    "anon_inodefs", "cpuset",    "devfs",       "usbfs",       "xenfs",      "fuse.portal",
    "fuse.lxcfs", "smackfs",
};

// Network (remote) file systems. 9p, virtiofs and vboxsf (shares of a host
// machine) count as remote, as Windows shows such shares as network drives.
constexpr std::string_view kNetworkFs[] = {
    "nfs",          "nfs4",          "cifs",           "smb3",          "smbfs",
    "smb",          "ncpfs",         "ncp",            "sshfs",         "fuse.sshfs",
    "9p",           "afs",           "openafs",        "ceph",          "fuse.ceph",
    "fuse.ceph-fuse", "glusterfs",   "fuse.glusterfs", "lustre",        "coda",
    "davfs",        "fuse.davfs2",   "fuse.rclone",    "fuse.s3fs",     "fuse.curlftpfs",
    "ftpfs",        "fuse.afpfs",    "afpfs",          "beegfs",        "gpfs",
    "orangefs",     "pvfs2",         "fuse.gcsfuse",   "fuse.goofys",   "virtiofs",
    "vboxsf",       "fuse.smbnetfs",
};

} // namespace

// ---------------------------------------------------------------------------

SystemView::SystemView(std::string root)
    : m_root(std::move(root))
{
    while (!m_root.empty() && m_root.back() == '/')
        m_root.pop_back();
}

bool SystemView::isPseudoFs(std::string_view fsType)
{
    return std::find(std::begin(kPseudoFs), std::end(kPseudoFs), fsType) != std::end(kPseudoFs);
}

bool SystemView::isNetworkFs(std::string_view fsType)
{
    return std::find(std::begin(kNetworkFs), std::end(kNetworkFs), fsType) != std::end(kNetworkFs);
}

std::vector<Mount> SystemView::mounts() const
{
    std::vector<Mount> result;
    std::ifstream f(m_root + "/proc/self/mountinfo");
    if (!f)
        return result;
    std::string line;
    while (std::getline(f, line)) {
        if (auto m = ParseMountLine(line))
            result.push_back(std::move(*m));
    }
    return result;
}

namespace {

// The path as the lookups use it: normalised, and on the real system with
// symbolic links resolved when it exists (so a link to a mount point counts
// as that mount point).
std::string ResolvePath(const std::string &root, const std::string &path)
{
    std::string p = Normalize(path, root.empty());
    if (root.empty() && !p.empty()) {
        const std::string real = Canonical(p);
        if (!real.empty())
            return real;
    }
    return p;
}

std::optional<Mount> HoldingMount(const std::vector<Mount> &mounts, const std::string &path)
{
    if (path.empty())
        return std::nullopt;
    const Mount *best = nullptr;
    for (const Mount &m : mounts) {
        const std::string mp = Normalize(m.mountPoint, false);
        if (!Holds(mp, path))
            continue;
        if (!best || mp.size() >= Normalize(best->mountPoint, false).size())
            best = &m;
    }
    if (!best)
        return std::nullopt;
    return *best;
}

// The sysfs folder (real path, root prefix included) of the block device of a
// mount, or empty: by major:minor through sys/dev/block, else by the source
// device's name through sys/class/block.
std::string BlockDeviceDir(const std::string &root, const Mount &m)
{
    if (m.major != 0) {
        const std::string dir = Canonical(root + "/sys/dev/block/" + std::to_string(m.major) + ":" +
                                          std::to_string(m.minor));
        if (!dir.empty())
            return dir;
    }
    if (StartsWith(m.source, "/dev/")) {
        std::string real = Canonical(root + m.source);
        const std::string name = BaseName(real.empty() ? m.source : real);
        if (!name.empty()) {
            const std::string dir = Canonical(root + "/sys/class/block/" + name);
            if (!dir.empty())
                return dir;
        }
    }
    return {};
}

// The kernel name of the mount's source device ("sdb1"), or empty.
std::string SourceDeviceName(const std::string &root, const Mount &m)
{
    if (!StartsWith(m.source, "/dev/"))
        return {};
    const std::string real = Canonical(root + m.source);
    return BaseName(real.empty() ? m.source : real);
}

// Does the /dev/disk/by-* link `link` point at the mount's device?
bool LinkMatches(const std::string &root, const fs::path &link, const Mount &m, const std::string &sourceName)
{
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    if (ec)
        return false;
    const std::string name = BaseName(target.string());
    if (name.empty())
        return false;
    if (!sourceName.empty() && name == sourceName)
        return true;
    if (m.major != 0) {
        const std::string dev = ReadFirstLine(root + "/sys/class/block/" + name + "/dev");
        if (!dev.empty() && dev == std::to_string(m.major) + ":" + std::to_string(m.minor))
            return true;
    }
    return false;
}

// The name (as udev wrote it) of the first link in `dir` that points at the
// mount's device, in name order; empty when there is none.
std::string FindLinkFor(const std::string &root, const std::string &dir, const Mount &m)
{
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec)
        return {};
    std::vector<fs::path> links;
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec))
        links.push_back(it->path());
    std::sort(links.begin(), links.end());
    const std::string sourceName = SourceDeviceName(root, m);
    for (const fs::path &link : links) {
        if (LinkMatches(root, link, m, sourceName))
            return link.filename().string();
    }
    return {};
}

} // namespace

std::optional<Mount> SystemView::mountHolding(const std::string &path) const
{
    return HoldingMount(mounts(), ResolvePath(m_root, path));
}

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

uint32_t SystemView::volumeSerial(const std::string &path) const
{
    try {
        const std::string p = ResolvePath(m_root, path);
        if (p.empty())
            return 0;
        const auto all = mounts();
        const Mount *mount = nullptr;
        for (const Mount &m : all) {
            if (Normalize(m.mountPoint, false) == p)
                mount = &m; // the later one wins
        }
        if (!mount)
            return 0;
        if ((mount->fsType == "iso9660" || mount->fsType == "udf") && StartsWith(mount->source, "/")) {
            if (const auto serial = DiscSerial(m_root + mount->source))
                return *serial;
            // A loop device that cannot be read (it needs more rights than
            // its image): the image it shows.
            if (StartsWith(mount->source, "/dev/loop")) {
                const std::string backing =
                    ReadFirstLine(m_root + "/sys/block/" + BaseName(mount->source) + "/loop/backing_file");
                if (StartsWith(backing, "/")) {
                    if (const auto serial = DiscSerial(m_root + backing))
                        return *serial;
                }
            }
        }
        const std::string uuid = FindLinkFor(m_root, m_root + "/dev/disk/by-uuid", *mount);
        if (!uuid.empty())
            return SerialFromUuid(DecodeHexEscapes(uuid));
        if (m_root.empty()) {
            struct statfs st {};
            if (::statfs(p.c_str(), &st) != 0)
                return 0;
            int val[2];
            static_assert(sizeof(val) == sizeof(st.f_fsid));
            std::memcpy(val, &st.f_fsid, sizeof(val));
            return static_cast<uint32_t>(val[0]) ^ static_cast<uint32_t>(val[1]);
        }
        return 0;
    } catch (...) {
        return 0;
    }
}

std::string SystemView::volumeLabel(const std::string &path) const
{
    try {
        const std::string p = ResolvePath(m_root, path);
        if (p.empty())
            return {};
        if (m_root.empty()) {
            const QStorageInfo info(QString::fromStdString(p));
            if (info.isValid()) {
                const QString name = info.name();
                if (!name.isEmpty())
                    return name.toStdString();
            }
        }
        const auto m = HoldingMount(mounts(), p);
        if (!m)
            return {};
        return DecodeHexEscapes(FindLinkFor(m_root, m_root + "/dev/disk/by-label", *m));
    } catch (...) {
        return {};
    }
}

namespace {

// Folders whose mounts belong to the system or to a sandbox, not to the user.
constexpr std::string_view kSystemFolders[] = {
    "/proc", "/sys", "/dev", "/run", "/snap", "/var/lib/snapd", "/var/lib/docker", "/var/lib/containers",
    "/var/lib/flatpak", "/var/lib/lxc", "/var/lib/lxd", "/app", "/newroot",
};

bool IsRealVolume(const Mount &m)
{
    const std::string &mp = m.mountPoint;
    if (mp == "/")
        return true; // whatever it is, the root is where everything lies
    if (SystemView::isPseudoFs(m.fsType))
        return false;
    if (m.fsType == "tmpfs" || m.fsType == "ramfs")
        return mp == "/tmp";
    if (m.fsType == "overlay" || m.fsType == "aufs")
        return false;
    if (m.fsType == "squashfs" &&
        (StartsWith(m.source, "/var/lib/snapd/") || (m.source.size() > 5 && m.source.ends_with(".snap"))))
        return false;
    if (mp == "/run/media" || StartsWith(mp, "/run/media/"))
        return true;
    for (std::string_view folder : kSystemFolders)
        if (Holds(std::string(folder), mp))
            return false;
    return true;
}

bool IsFolderBelow(const std::string &root, const std::string &path)
{
    struct stat st {};
    return ::stat((root + path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::vector<std::string> SystemView::drives() const
{
    // The last mount on each folder, in the order the folders were first mounted.
    std::vector<Mount> last;
    for (const Mount &m : mounts()) {
        const auto same = std::find_if(last.begin(), last.end(),
                                       [&](const Mount &seen) { return seen.mountPoint == m.mountPoint; });
        if (same == last.end())
            last.push_back(m);
        else
            *same = m;
    }
    std::vector<std::string> result;
    for (const Mount &m : last)
        if (IsRealVolume(m) && IsFolderBelow(m_root, m.mountPoint))
            result.push_back(m.mountPoint);
    return result;
}

std::vector<Volume> SystemView::volumes() const
{
    std::vector<Volume> result;
    const std::vector<Mount> all = mounts();
    for (const std::string &mp : drives()) {
        Volume v;
        v.mountPoint = mp;
        for (const Mount &m : all)
            if (m.mountPoint == mp)
                v.fsType = m.fsType; // the later one
        v.label = volumeLabel(mp);
        if (m_root.empty()) {
            struct statvfs st {};
            if (::statvfs(mp.c_str(), &st) == 0)
                v.bytes = static_cast<uint64_t>(st.f_blocks) * st.f_frsize;
        }
        result.push_back(std::move(v));
    }
    return result;
}

namespace {
SystemView &SystemInstance()
{
    static SystemView system{std::string()};
    return system;
}
} // namespace

const SystemView &System()
{
    return SystemInstance();
}

void SetSystemRoot(const std::string &root)
{
    SystemInstance() = SystemView(root);
}

std::optional<uint32_t> DiscSerial(const std::string &deviceOrImage)
{
    constexpr std::size_t kSector = 2048;
    constexpr int kFirst = 16;    // the volume descriptors start here
    constexpr int kMostSets = 64; // a disc has a handful; a runaway set ends here
    // Without blocking: a drive without a disc, or a FIFO, answers at once.
    const int fd = ::open(deviceOrImage.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISBLK(st.st_mode))) {
        ::close(fd);
        return std::nullopt;
    }
    std::array<unsigned char, kSector> sector {}, primary {}, joliet {};
    bool havePrimary = false, haveJoliet = false;
    for (int i = 0; i < kMostSets; ++i) {
        const auto offset = static_cast<off_t>(kFirst + i) * static_cast<off_t>(kSector);
        if (::pread(fd, sector.data(), kSector, offset) != static_cast<ssize_t>(kSector))
            break;
        if (std::memcmp(sector.data() + 1, "CD001", 5) != 0 || sector[0] == 255)
            break; // not a volume descriptor, or the set's terminator
        if (sector[0] == 1 && !havePrimary) {
            primary = sector;
            havePrimary = true;
        }
        // A supplementary descriptor is Joliet when its escape sequence names
        // UCS-2 level 1, 2 or 3.
        if (sector[0] == 2 && !haveJoliet && sector[88] == '%' && sector[89] == '/' &&
            (sector[90] == '@' || sector[90] == 'C' || sector[90] == 'E')) {
            joliet = sector;
            haveJoliet = true;
        }
    }
    ::close(fd);
    if (!havePrimary && !haveJoliet)
        return std::nullopt;
    const auto &used = haveJoliet ? joliet : primary;
    std::array<unsigned char, 4> sums {};
    for (std::size_t i = 0; i < kSector; ++i)
        sums[i % 4] = static_cast<unsigned char>(sums[i % 4] + used[i]);
    return uint32_t(sums[0]) | uint32_t(sums[1]) << 8 | uint32_t(sums[2]) << 16 | uint32_t(sums[3]) << 24;
}

// ---------------------------------------------------------------------------

namespace {

bool AllHex(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return HexValue(c) >= 0; });
}

uint32_t Hex32(std::string_view s)
{
    uint32_t v = 0;
    for (char c : s)
        v = (v << 4) | static_cast<uint32_t>(HexValue(c));
    return v;
}

} // namespace

// FAT/exFAT "XXXX-XXXX": that number. NTFS (16 hex digits): the low 32 bits.
// A 128-bit UUID (32 hex digits, dashes anywhere): the XOR of its four
// 32-bit words, read big-endian as written. Anything else (ISO 9660 dates
// such as "2023-01-15-10-20-30-00", odd lengths): the 32-bit FNV-1a hash of
// the lower-cased text. Empty gives 0.
uint32_t SerialFromUuid(std::string_view uuid)
{
    while (!uuid.empty() && (uuid.back() == ' ' || uuid.back() == '\n' || uuid.back() == '\t'))
        uuid.remove_suffix(1);
    while (!uuid.empty() && (uuid.front() == ' ' || uuid.front() == '\t'))
        uuid.remove_prefix(1);
    if (uuid.empty())
        return 0;
    if (uuid.size() == 9 && uuid[4] == '-' && AllHex(uuid.substr(0, 4)) && AllHex(uuid.substr(5)))
        return (Hex32(uuid.substr(0, 4)) << 16) | Hex32(uuid.substr(5));
    if (uuid.size() == 16 && AllHex(uuid))
        return Hex32(uuid.substr(8));
    std::string digits;
    digits.reserve(uuid.size());
    for (char c : uuid) {
        if (c != '-')
            digits.push_back(c);
    }
    if (digits.size() == 32 && AllHex(digits)) {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v ^= Hex32(std::string_view(digits).substr(static_cast<std::size_t>(i) * 8, 8));
        return v;
    }
    uint32_t h = 2166136261u;
    for (char c : uuid) {
        const unsigned char b = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        h = (h ^ b) * 16777619u;
    }
    return h;
}

} // namespace rkm::platform
