// The mount table (/proc/self/mountinfo below SystemView's root), the mount
// that holds a path, and the drive list.

#include "platform/SystemView.h"
#include "platform/SystemFiles.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace rkm::platform {

using namespace detail;

namespace {

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

SystemView &SystemInstance()
{
    static SystemView system{std::string()};
    return system;
}

} // namespace

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

std::optional<Mount> SystemView::mountHolding(const std::string &path) const
{
    return HoldingMount(mounts(), ResolvePath(m_root, path));
}

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
        v.uuid = volumeUuid(mp);
        if (m_root.empty()) {
            struct statvfs st {};
            if (::statvfs(mp.c_str(), &st) == 0)
                v.bytes = static_cast<uint64_t>(st.f_blocks) * st.f_frsize;
        }
        result.push_back(std::move(v));
    }
    return result;
}

std::optional<Volume> SystemView::volumeOf(const std::string &path) const
{
    const std::optional<Mount> m = mountHolding(path);
    if (!m)
        return std::nullopt;
    Volume v;
    v.mountPoint = m->mountPoint;
    v.fsType = m->fsType;
    v.label = volumeLabel(path);
    v.uuid = volumeUuid(path);
    if (m_root.empty()) {
        struct statvfs st {};
        if (::statvfs(m->mountPoint.c_str(), &st) == 0)
            v.bytes = static_cast<uint64_t>(st.f_blocks) * st.f_frsize;
    }
    return v;
}

const SystemView &System()
{
    return SystemInstance();
}

void SetSystemRoot(const std::string &root)
{
    SystemInstance() = SystemView(root);
}

} // namespace rkm::platform
