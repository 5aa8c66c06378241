#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/Platform.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace rkm {

namespace {

// Kernel and virtual file systems whose contents are not files of a disk.
bool isPseudoFsMagic(long type)
{
    switch (static_cast<unsigned long>(type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case SECURITYFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case PSTOREFS_MAGIC:
    case BPF_FS_MAGIC:
    case BINFMTFS_MAGIC:
    case EFIVARFS_MAGIC:
    case NSFS_MAGIC:
    case 0x19800202: // mqueue
    case 0x62656570: // configfs
    case 0x65735543: // fusectl
    case 0x0187:     // autofs
        return true;
    default:
        return false;
    }
}

class Walker {
public:
    explicit Walker(ScanObserver *observer) : m_observer(observer) {}

    void walk(int dirFd, TreeNode &node, dev_t dev, int depth)
    {
        DIR *dir = ::fdopendir(dirFd);
        if (!dir) {
            ::close(dirFd);
            return;
        }
        FileList &files = node.disk().Files;
        struct stat st {};
        while (const dirent *e = ::readdir(dir)) {
            const char *name = e->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            unsigned char type = e->d_type;
            if (type == DT_UNKNOWN) {
                if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_FIFO;
            }
            if (type == DT_DIR) {
                folder(dirFd, name, node, dev, depth);
                continue;
            }
            // Hidden files (a leading dot) and system files (sockets, FIFOs,
            // device nodes) are not listed.
            if (name[0] == '.' || (type != DT_REG && type != DT_LNK))
                continue;
            if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISLNK(st.st_mode)) {
                // A link is listed as a file; it shows the file it points to
                // when that is a file, else itself.
                struct stat target {};
                if (::fstatat(dirFd, name, &target, 0) == 0 && S_ISREG(target.st_mode))
                    st = target;
            } else if (!S_ISREG(st.st_mode)) {
                if (S_ISDIR(st.st_mode))
                    folder(dirFd, name, node, dev, depth);
                continue;
            }
            if (m_observer)
                m_observer->addingFile(name);
            addFile(files, name, st);
        }
        files.shrinkToFit();
        ::closedir(dir);
    }

private:
    void folder(int dirFd, const char *name, TreeNode &parent, dev_t parentDev, int depth)
    {
        if (m_observer)
            m_observer->enteringFolder(name);
        TreeNode *child = parent.appendChild(StoredName(name));
        if (depth + 1 >= MAX_FOLDER_DEPTH)
            return;
        const int fd = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return; // a folder that cannot be entered is listed empty
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            ::close(fd);
            return;
        }
        if (st.st_dev != parentDev && isPseudoMount(fd, name)) {
            ::close(fd);
            return;
        }
        walk(fd, *child, st.st_dev, depth + 1);
    }

    // At a mount point: the file system's type number, and for devtmpfs
    // (which shares tmpfs's number) the mount table.
    bool isPseudoMount(int fd, const char *name)
    {
        struct statfs sf {};
        if (::fstatfs(fd, &sf) == 0 && isPseudoFsMagic(static_cast<long>(sf.f_type)))
            return true;
        char link[64];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        char target[PATH_MAX];
        const ssize_t n = ::readlink(link, target, sizeof target - 1);
        if (n <= 0)
            return false;
        target[n] = '\0';
        (void)name;
        const auto mount = platform::System().mountHolding(target);
        return mount && mount->mountPoint == target && platform::SystemView::isPseudoFs(mount->fsType);
    }

    void addFile(FileList &files, const char *name, const struct stat &st)
    {
        const std::string stored = StoredName(name);
        const std::string date = platform::DateText(static_cast<int64_t>(st.st_mtim.tv_sec));
        const std::string size = platform::SizeText(static_cast<uint64_t>(st.st_size));
        files.append(FileEntryView{stored, std::string_view(), date, size, std::string_view()});
    }

    ScanObserver *m_observer;
};

void raiseOpenFileLimit()
{
    // Every folder level being walked holds one open folder.
    struct rlimit rl {};
    if (::getrlimit(RLIMIT_NOFILE, &rl) == 0 && rl.rlim_cur < rl.rlim_max) {
        rl.rlim_cur = rl.rlim_max < 65536 ? rl.rlim_max : 65536;
        ::setrlimit(RLIMIT_NOFILE, &rl);
    }
}

} // namespace

std::string StoredName(std::string_view name)
{
    std::string s(name);
    for (char &c : s)
        if (c == '\r' || c == '\n')
            c = '?';
    return s;
}

std::string ResolveScanRoot(const std::string &path)
{
    if (path.empty())
        return {};
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string root(resolved);
    std::free(resolved);
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {};
    ::close(fd);
    return root;
}

std::unique_ptr<TreeNode> ScanDisk(const std::string &path, const std::string &name, const std::string &comment,
                                   ScanObserver *observer)
{
    const std::string root = ResolveScanRoot(path);
    const int fd = root.empty() ? -1 : ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw RackmereError("The folder " + path + " cannot be opened.");
    struct stat st {};
    ::fstat(fd, &st);
    raiseOpenFileLimit();

    auto disk = MakeDiskNode(name);
    TDisk &d = disk->disk();
    d.RootPath = root;
    d.DriveType = platform::System().driveType(root);
    d.Comment = comment;

    Walker(observer).walk(fd, *disk, st.st_dev, 0);
    return disk;
}

} // namespace rkm
