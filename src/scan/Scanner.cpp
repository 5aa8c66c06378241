#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/FileAttributes.h"
#include "platform/Order.h"
#include "platform/SystemView.h"
#include "platform/Text.h"

#include <algorithm>

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

// What one folder holds, as it was read: the entries that are listed, with
// their names and order keys back to back in one buffer. One per walking
// thread, used again for every folder it reads.
struct FolderContents {
    struct Entry {
        uint32_t name, nameLength, key, keyLength; // in `text`
        bool folder;
        uint64_t size;
        int64_t modified; // seconds since the epoch
    };
    std::string text;
    std::vector<Entry> entries;
    dev_t device = 0;
    platform::DosAttributes attributes = platform::DosAttributes::None;
    int folders = 0;

    void clear()
    {
        text.clear();
        entries.clear();
        folders = 0;
    }
    void add(std::string_view name, bool folder, uint64_t size, int64_t modified)
    {
        Entry e {};
        e.name = static_cast<uint32_t>(text.size());
        e.nameLength = static_cast<uint32_t>(name.size());
        text.append(name);
        e.key = static_cast<uint32_t>(text.size());
        platform::AppendVolumeOrderKey(text, name);
        e.keyLength = static_cast<uint32_t>(text.size() - e.key);
        e.folder = folder;
        e.size = size;
        e.modified = modified;
        entries.push_back(e);
        folders += folder ? 1 : 0;
    }
    std::string_view name(const Entry &e) const { return std::string_view(text).substr(e.name, e.nameLength); }
    std::string_view key(const Entry &e) const { return std::string_view(text).substr(e.key, e.keyLength); }

    // The order of an NTFS volume: by key, names of equal keys by their bytes.
    void sortByVolumeOrder()
    {
        std::sort(entries.begin(), entries.end(), [this](const Entry &a, const Entry &b) {
            const int byKey = key(a).compare(key(b));
            return byKey != 0 ? byKey < 0 : name(a) < name(b);
        });
    }
};

// Walks a folder tree with a few threads. Each folder is one task: the
// thread that takes it reads the folder (readFolder), puts its entries in
// order and builds them (buildFolder): its file entries and its sub-folder
// nodes, which it hands on as new tasks. No two threads ever touch the same
// node, and every folder is built in the order of its names, so the tree
// comes out the same whatever the threads' timing.
class Walker {
public:
    Walker(int rootFd, ScanControl *control, const ScanOptions &options)
        : m_rootFd(rootFd), m_control(control), m_options(options)
    {
    }

    void run(TreeNode &disk, dev_t rootDev, int threads)
    {
        m_tasks.push_back(Task{&disk, std::string(), rootDev, 0, std::nullopt});
        const int n = ScanThreadCount(threads);
        std::vector<std::thread> helpers;
        for (int i = 1; i < n; ++i)
            helpers.emplace_back([this] { work(); });
        work();
        for (std::thread &t : helpers)
            t.join();
        if (stopping())
            throw ScanCancelled();
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

    bool stopping() const { return m_control && m_control->cancelled(); }

    void work()
    {
        std::vector<Task> found;
        FolderContents contents;
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
                if (!m_error && !stopping())
                    folder(task, contents, found);
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

    void folder(const Task &task, FolderContents &contents, std::vector<Task> &found)
    {
        if (m_control) {
            if (m_control->beforeFolder)
                m_control->beforeFolder();
            m_control->readingFolder(task.path);
        }
        // A folder that cannot be entered is listed empty.
        if (!readFolder(task, contents) || stopping())
            return;
        contents.sortByVolumeOrder();
        buildFolder(task, contents, found);
    }

    // Reads the entries of a folder that are listed. False when the folder
    // cannot be read (or is not walked: a pseudo file system mounted there).
    bool readFolder(const Task &task, FolderContents &contents)
    {
        contents.clear();
        const int fd = task.path.empty() ? ::dup(m_rootFd) : OpenFolderBeneath(m_rootFd, task.path);
        if (fd < 0)
            return false;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || (st.st_dev != task.parentDev && isPseudoMount(fd))) {
            ::close(fd);
            return false;
        }
        contents.device = st.st_dev;
        const platform::AttributeReader &reader = platform::Attributes();
        contents.attributes = st.st_dev == task.parentDev && task.parentAttributes ? *task.parentAttributes
                                                                                  : reader.kindOf(fd);
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            return false;
        }
        // The counts go to the control in batches, so that a big folder shows
        // its progress while it is read.
        constexpr uint64_t kBatch = 1024;
        uint64_t files = 0, bytes = 0;
        int folders = 0;
        std::size_t lastFile = 0; // the entry of the file found last, when `files` is not 0
        auto report = [&] {
            const std::string_view last = files ? contents.name(contents.entries[lastFile]) : std::string_view();
            m_control->found(static_cast<uint64_t>(folders), files, bytes, last);
            files = bytes = 0;
            folders = 0;
        };
        while (const dirent *e = ::readdir(dir)) {
            if (stopping())
                break;
            const char *name = e->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            unsigned char type = e->d_type;
            if (type == DT_UNKNOWN || type == DT_REG || type == DT_LNK) {
                // Hidden files (a leading dot) are not listed; folders are.
                if (type != DT_UNKNOWN && name[0] == '.')
                    continue;
                if (::fstatat(::dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_FIFO;
            }
            if (type == DT_DIR) {
                contents.add(name, true, 0, 0);
                ++folders;
                continue;
            }
            // Hidden files and system files (sockets, FIFOs, device nodes)
            // are not listed.
            if (name[0] == '.' || (type != DT_REG && type != DT_LNK))
                continue;
            // On FAT and NTFS, what Windows hides is not listed either.
            if (contents.attributes != platform::DosAttributes::None &&
                reader.hiddenOrSystem(contents.attributes, ::dirfd(dir), name))
                continue;
            if (type == DT_LNK) {
                // A link is listed as a file; it shows the file it points to
                // when that is a file, else itself.
                struct stat target {};
                if (::fstatat(::dirfd(dir), name, &target, 0) == 0 && S_ISREG(target.st_mode))
                    st = target;
            }
            contents.add(name, false, static_cast<uint64_t>(st.st_size), static_cast<int64_t>(st.st_mtim.tv_sec));
            bytes += static_cast<uint64_t>(st.st_size);
            lastFile = contents.entries.size() - 1;
            if (++files == kBatch && m_control)
                report();
        }
        if (m_control)
            report();
        ::closedir(dir);
        return true;
    }

    // The file entries and sub-folder nodes of a folder read, in order; the
    // sub-folders become tasks of their own.
    void buildFolder(const Task &task, const FolderContents &contents, std::vector<Task> &found)
    {
        TreeNode &node = *task.node;
        FileList &files = node.disk().Files;
        node.reserveChildren(static_cast<std::size_t>(contents.folders));
        for (const FolderContents::Entry &e : contents.entries) {
            const std::string_view name = contents.name(e);
            if (e.folder) {
                TreeNode *child = node.appendChild(StoredName(name));
                if (task.depth + 1 < MAX_FOLDER_DEPTH)
                    found.push_back(Task{child,
                                         task.path.empty() ? std::string(name) : task.path + '/' + std::string(name),
                                         contents.device, task.depth + 1, contents.attributes});
                continue;
            }
            addFile(files, name, e.size, e.modified);
        }
        files.shrinkToFit();
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

    static void addFile(FileList &files, std::string_view name, uint64_t size, int64_t modified)
    {
        // FileList stores a line feed as '?'; a carriage return is mended here.
        std::string mended;
        std::string_view stored(name);
        if (name.find('\r') != std::string_view::npos) {
            mended = StoredName(name);
            stored = mended;
        }
        const std::string date = platform::DateText(modified);
        const std::string sizeText = platform::SizeText(size);
        files.append(FileEntryView{stored, std::string_view(), date, sizeText, std::string_view()});
    }

    const int m_rootFd;
    ScanControl *const m_control;
    const ScanOptions m_options;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Task> m_tasks;
    int m_busy = 0;
    std::exception_ptr m_error;
};

} // namespace

ScanControl::Progress ScanControl::progress() const
{
    Progress p;
    p.folders = m_folders.load(std::memory_order_relaxed);
    p.files = m_files.load(std::memory_order_relaxed);
    p.bytes = m_bytes.load(std::memory_order_relaxed);
    std::lock_guard lock(m_mutex);
    p.folder = m_folder;
    p.file = m_file;
    return p;
}

void ScanControl::readingFolder(std::string_view path)
{
    std::lock_guard lock(m_mutex);
    m_folder.assign(path);
}

void ScanControl::found(uint64_t folders, uint64_t files, uint64_t bytes, std::string_view lastFile)
{
    m_folders.fetch_add(folders, std::memory_order_relaxed);
    m_files.fetch_add(files, std::memory_order_relaxed);
    m_bytes.fetch_add(bytes, std::memory_order_relaxed);
    if (!lastFile.empty()) {
        std::lock_guard lock(m_mutex);
        m_file.assign(lastFile);
    }
}

int ScanThreadCount(int requested)
{
    if (requested > 0)
        return requested;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores < 2 ? 2 : cores > 8 ? 8 : static_cast<int>(cores);
}

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

std::string ResolveScanRoot(const std::string &path, int *error)
{
    const auto fail = [error](int e) {
        if (error)
            *error = e;
        return std::string();
    };
    if (path.empty())
        return fail(ENOENT);
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return fail(errno);
    std::string root(resolved);
    std::free(resolved);
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    ::close(fd);
    return root;
}

std::unique_ptr<TreeNode> ScanDisk(const std::string &path, const std::string &name, const std::string &comment,
                                   ScanControl *control, int threads, const ScanOptions &options)
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

    try {
        Walker(fd, control, options).run(*disk, st.st_dev, threads);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return disk;
}

} // namespace rkm
