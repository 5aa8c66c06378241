#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/FileAttributes.h"
#include "platform/SystemView.h"
#include "platform/Text.h"

#include <cerrno>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
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

// Walks a folder tree with a few threads. Each folder is one task: the
// thread that takes it reads the folder, appends its file entries and creates
// its sub-folder nodes in the order the file system lists them, then hands the
// sub-folders on as new tasks. No two threads ever touch the same node, so the
// tree comes out the same whatever the threads' timing.
class Walker {
public:
    Walker(int rootFd, ScanObserver *observer) : m_rootFd(rootFd), m_observer(observer) {}

    void run(TreeNode &disk, dev_t rootDev, int threads)
    {
        m_caller = std::this_thread::get_id();
        m_tasks.push_back(Task{&disk, std::string(), rootDev, 0, std::nullopt});
        unsigned n = threads > 0 ? static_cast<unsigned>(threads) : std::thread::hardware_concurrency();
        if (threads <= 0)
            n = n < 2 ? 2 : n > 8 ? 8 : n;
        std::vector<std::thread> helpers;
        for (unsigned i = 1; i < n; ++i)
            helpers.emplace_back([this] { work(); });
        work();
        for (std::thread &t : helpers)
            t.join();
        if (m_error)
            std::rethrow_exception(m_error);
    }

private:
    struct Task {
        TreeNode *node;
        std::string path; // relative to the root folder; empty for the root
        dev_t parentDev;
        int depth;
        // Where the parent's volume keeps the hidden and system attributes;
        // asked afresh when the folder is on another volume (or is the root).
        std::optional<platform::DosAttributes> parentAttributes;
    };

    void work()
    {
        std::vector<Task> found;
        for (;;) {
            Task task;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return !m_tasks.empty() || m_busy == 0; });
                if (m_tasks.empty())
                    return; // nothing queued and nobody who could queue more
                task = std::move(m_tasks.back());
                m_tasks.pop_back();
                ++m_busy;
            }
            found.clear();
            try {
                if (!m_error)
                    folder(task, found);
            } catch (...) {
                std::lock_guard lock(m_mutex);
                if (!m_error)
                    m_error = std::current_exception();
            }
            {
                std::lock_guard lock(m_mutex);
                --m_busy;
                // Last found first, so the first sub-folder is taken next.
                for (auto it = found.rbegin(); it != found.rend(); ++it)
                    m_tasks.push_back(std::move(*it));
            }
            m_wake.notify_all();
        }
    }

    bool reporting() const { return m_observer && std::this_thread::get_id() == m_caller; }

    void folder(const Task &task, std::vector<Task> &found)
    {
        const int fd = task.path.empty() ? ::dup(m_rootFd) : OpenFolderBeneath(m_rootFd, task.path);
        if (fd < 0)
            return; // a folder that cannot be entered is listed empty
        struct stat st {};
        if (::fstat(fd, &st) != 0 || (st.st_dev != task.parentDev && isPseudoMount(fd))) {
            ::close(fd);
            return;
        }
        const dev_t dev = st.st_dev;
        const platform::AttributeReader &reader = platform::Attributes();
        const platform::DosAttributes attributes = dev == task.parentDev && task.parentAttributes
                                                       ? *task.parentAttributes
                                                       : reader.kindOf(fd);
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            return;
        }
        TreeNode &node = *task.node;
        FileList &files = node.disk().Files;
        const bool report = reporting();
        while (const dirent *e = ::readdir(dir)) {
            const char *name = e->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            unsigned char type = e->d_type;
            if (type == DT_UNKNOWN || type == DT_REG || type == DT_LNK) {
                // Hidden files (a leading dot) are not listed; folders are.
                if (type != DT_UNKNOWN && name[0] == '.')
                    continue;
                if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_FIFO;
            }
            if (type == DT_DIR) {
                if (report)
                    m_observer->enteringFolder(name);
                TreeNode *child = node.appendChild(StoredName(name));
                if (task.depth + 1 < MAX_FOLDER_DEPTH)
                    found.push_back(Task{child, task.path.empty() ? std::string(name) : task.path + '/' + name,
                                         dev, task.depth + 1, attributes});
                continue;
            }
            // Hidden files and system files (sockets, FIFOs, device nodes)
            // are not listed.
            if (name[0] == '.' || (type != DT_REG && type != DT_LNK))
                continue;
            // On FAT and NTFS, what Windows hides is not listed either.
            if (attributes != platform::DosAttributes::None &&
                reader.hiddenOrSystem(attributes, ::dirfd(dir), name))
                continue;
            if (type == DT_LNK) {
                // A link is listed as a file; it shows the file it points to
                // when that is a file, else itself.
                struct stat target {};
                if (::fstatat(fd, name, &target, 0) == 0 && S_ISREG(target.st_mode))
                    st = target;
            }
            if (report)
                m_observer->addingFile(name);
            addFile(files, name, st);
        }
        files.shrinkToFit();
        ::closedir(dir);
    }

    // At a mount point: the file system's type number, and for devtmpfs
    // (which shares tmpfs's number) the mount table.
    static bool isPseudoMount(int fd)
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
        const auto mount = platform::System().mountHolding(target);
        return mount && mount->mountPoint == target && platform::SystemView::isPseudoFs(mount->fsType);
    }

    static void addFile(FileList &files, const char *name, const struct stat &st)
    {
        // FileList stores a line feed as '?'; a carriage return is mended here.
        std::string mended;
        std::string_view stored(name);
        if (std::strchr(name, '\r')) {
            mended = StoredName(name);
            stored = mended;
        }
        const std::string date = platform::DateText(static_cast<int64_t>(st.st_mtim.tv_sec));
        const std::string size = platform::SizeText(static_cast<uint64_t>(st.st_size));
        files.append(FileEntryView{stored, std::string_view(), date, size, std::string_view()});
    }

    const int m_rootFd;
    ScanObserver *const m_observer;
    std::thread::id m_caller;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Task> m_tasks;
    int m_busy = 0;
    std::exception_ptr m_error;
};

} // namespace

int OpenFolderBeneath(int rootFd, const std::string &relative)
{
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    open_how how {};
    how.flags = flags;
    how.resolve = RESOLVE_NO_SYMLINKS | RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, rootFd, relative.c_str(), &how, sizeof how);
    if (fd >= 0)
        return static_cast<int>(fd);
    // A kernel or sandbox without openat2: every folder of the path was a
    // folder when it was listed, so only a change during the walk could lead
    // through a link.
    if (errno == ENOSYS || errno == EPERM || errno == EINVAL)
        return ::openat(rootFd, relative.c_str(), flags);
    return -1;
}

std::string StoredName(std::string_view name)
{
    std::string s(name);
    for (char &c : s)
        if (c == '\r' || c == '\n')
            c = '?';
    return s;
}

bool IsPathOfThisSystem(std::string_view rootPath)
{
    return !rootPath.empty() && rootPath[0] == '/';
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
                                   ScanObserver *observer, int threads)
{
    const std::string root = ResolveScanRoot(path);
    const int fd = root.empty() ? -1 : ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw RackmereError("The folder " + path + " cannot be opened.");
    struct stat st {};
    ::fstat(fd, &st);

    auto disk = MakeDiskNode(name);
    TDisk &d = disk->disk();
    d.RootPath = root;
    d.DriveType = platform::System().driveType(root);
    d.Comment = comment;

    Walker(fd, observer).run(*disk, st.st_dev, threads);
    ::close(fd);
    return disk;
}

} // namespace rkm
