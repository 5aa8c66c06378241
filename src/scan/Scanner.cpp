#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/FileAttributes.h"
#include "platform/Order.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "scan/Describe.h"
#include "scan/Archive.h"

#include <algorithm>

#include <cerrno>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>
#include <thread>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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

constexpr int kFolderOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Opens a folder below `rootFd` with openat2, never through a link and never
// above the root; `resolve` adds what else the path may not do. -1 with errno
// when it cannot, ENOSYS (or EPERM, EINVAL) where openat2 is missing.
int openBeneath(int rootFd, const std::string &relative, uint64_t resolve = 0)
{
    open_how how {};
    how.flags = kFolderOpenFlags;
    how.resolve = RESOLVE_NO_SYMLINKS | RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS | resolve;
    return static_cast<int>(::syscall(SYS_openat2, rootFd, relative.c_str(), &how, sizeof how));
}

bool openat2Missing(int error)
{
    return error == ENOSYS || error == EPERM || error == EINVAL;
}

// Reads a folder's entries straight from the kernel into a buffer that a
// thread keeps for every folder it reads: opendir would look at each folder
// again (a stat and two fcntl calls) and allocate a buffer for each.
class EntryReader {
public:
    explicit EntryReader(int fd) : m_fd(fd) {}
    // The next entry; null at the end, or when the folder cannot be read on.
    const struct dirent64 *next(std::vector<uint64_t> &buffer)
    {
        if (m_pos == m_end) {
            if (buffer.empty())
                buffer.resize(kBufferBytes / sizeof(uint64_t));
            const ssize_t n = ::getdents64(m_fd, buffer.data(), buffer.size() * sizeof(uint64_t));
            if (n <= 0)
                return nullptr;
            m_pos = 0;
            m_end = static_cast<std::size_t>(n);
        }
        const auto *e = reinterpret_cast<const struct dirent64 *>(reinterpret_cast<const char *>(buffer.data()) + m_pos);
        m_pos += e->d_reclen;
        return e;
    }

private:
    static constexpr std::size_t kBufferBytes = 32768;
    const int m_fd;
    std::size_t m_pos = 0, m_end = 0;
};

// What one folder holds, as it was read: the entries that are listed, with
// their names and order keys back to back in one buffer. One per walking
// thread, used again for every folder it reads.
struct FolderContents {
    struct Entry {
        uint32_t name, nameLength, key, keyLength; // in `text`
        bool folder;
        bool regular; // a regular file, not a link to one
        uint64_t size;
        int64_t modified; // seconds since the epoch
    };
    std::string text;
    std::vector<Entry> entries;
    std::vector<uint64_t> readBuffer; // for EntryReader
    dev_t device = 0;
    bool pastMount = false; // reached across a mount point (see Walker::Task)
    platform::DosAttributes attributes = platform::DosAttributes::None;
    int folders = 0;
    // The folder itself, kept open while it is built when archives are
    // listed; else -1.
    int dirFd = -1;

    ~FolderContents() { clear(); }
    void clear()
    {
        text.clear();
        entries.clear();
        folders = 0;
        if (dirFd >= 0)
            ::close(dirFd);
        dirFd = -1;
    }
    void add(std::string_view name, bool folder, uint64_t size, int64_t modified, bool regular = false)
    {
        Entry e {};
        e.name = static_cast<uint32_t>(text.size());
        e.nameLength = static_cast<uint32_t>(name.size());
        text.append(name);
        e.key = static_cast<uint32_t>(text.size());
        platform::AppendVolumeOrderKey(text, name);
        e.keyLength = static_cast<uint32_t>(text.size() - e.key);
        e.folder = folder;
        e.regular = regular;
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

// What an entry of a folder turned out to be once it was looked at.
struct Examined {
    enum Kind : uint8_t { Skip, Folder, File } kind = Skip;
    uint64_t size = 0;
    int64_t modified = 0; // seconds since the epoch
    bool regular = false; // a regular file itself, not a link to one
};

// The entries of one folder that still need a look (a stat) before they can
// be listed, as readdir gave them, and what each turned out to be.
struct PendingEntries {
    std::string names; // each name followed by a NUL
    std::vector<uint32_t> offsets; // of each name in `names`
    std::vector<unsigned char> types; // d_type of each
    std::vector<Examined> results;

    void clear()
    {
        names.clear();
        offsets.clear();
        types.clear();
        results.clear();
    }
    void add(const char *name, unsigned char type)
    {
        offsets.push_back(static_cast<uint32_t>(names.size()));
        names.append(name);
        names.push_back('\0');
        types.push_back(type);
    }
    std::size_t size() const { return offsets.size(); }
    const char *name(std::size_t i) const { return names.c_str() + offsets[i]; }
};

// Walks a folder tree with several threads. Each folder is one task: the
// thread that takes it reads the folder (readFolder), puts its entries in
// order and builds them (buildFolder): its file entries and its sub-folder
// nodes, which it hands on as new tasks. No two threads ever touch the same
// node, and every folder is built in the order of its names, so the tree
// comes out the same whatever the threads' timing.
//
// On a volume where every call waits (a network share), a big folder's stats
// would keep one thread busy for a long time while the others have nothing
// to do: the thread reading it shares the stats out (StatShare) to threads
// that are free, and builds the folder once all have been answered.
class Walker {
public:
    Walker(int rootFd, ScanControl *control, const ScanOptions &options)
        : m_rootFd(rootFd), m_control(control), m_options(options)
    {
    }

    // Walks with `threads` threads, or, when `most` is more, starts with
    // `threads` and doubles them up to `most` once folders keep the threads
    // waiting on the disk (a cold cache): a warm walk stays on the cores.
    void run(TreeNode &disk, dev_t rootDev, int threads, int most)
    {
        Task first;
        first.node = &disk;
        first.parentDev = rootDev;
        m_tasks.push_back(std::move(first));
        m_most.store(std::max({threads, most, 1}));
        {
            std::lock_guard lock(m_mutex);
            startThreads(std::max(threads, 1) - 1);
        }
        work();
        // Threads may start threads while they work; all have started once
        // those that could have are joined.
        for (;;) {
            std::vector<std::thread> helpers;
            {
                std::lock_guard lock(m_mutex);
                helpers.swap(m_helpers);
            }
            if (helpers.empty())
                break;
            for (std::thread &t : helpers)
                t.join();
        }
        if (stopping())
            throw ScanCancelled();
        if (m_error)
            std::rethrow_exception(m_error);
    }

private:
    // The stats of a big folder, shared out in slices to whichever threads
    // are free. Lives on the stack of the thread that reads the folder, which
    // takes its untaken helper tasks back before it leaves.
    struct StatShare {
        int folderFd = -1;
        platform::DosAttributes attributes = platform::DosAttributes::None;
        PendingEntries *entries = nullptr;
        std::atomic<std::size_t> next {0}; // the first entry of the next slice
        int helping = 0; // threads at work on it (under m_mutex)
    };

    struct Task {
        TreeNode *node = nullptr;
        std::string path; // relative to the root folder; empty for the root
        dev_t parentDev = 0;
        int depth = 0;
        // Where the parent's volume keeps the hidden and system attributes;
        // asked afresh when the folder is on another volume (or is the root).
        std::optional<platform::DosAttributes> parentAttributes;
        // Whether the path crosses a mount point; then the folder cannot be
        // opened on the root's mount.
        bool pastMount = false;
        // Set for a task that only helps with the stats of a big folder.
        StatShare *share = nullptr;
    };

    // Entries looked at in one go by a thread that helps; small, because each
    // look may wait on the network.
    static constexpr std::size_t kSlice = 16;
    // The slices a folder needs before they are shared out.
    static constexpr std::size_t kShareFrom = 4;

    bool stopping() const { return m_control && m_control->cancelled(); }

    // Starts `count` more walking threads (under m_mutex). With more threads
    // than cores the walk waits more than it works, and the stats of big
    // folders are shared out too.
    void startThreads(int count)
    {
        try {
            for (int i = 0; i < count; ++i) {
                m_helpers.emplace_back([this] { work(); });
                m_threads.fetch_add(1, std::memory_order_relaxed);
            }
        } catch (const std::system_error &) {
            m_most.store(m_threads.load()); // no more threads to be had: walk with those
        }
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        m_spreadStats.store(static_cast<unsigned>(m_threads.load()) > cores, std::memory_order_relaxed);
    }

    // What a thread's folders cost it lately: the time they took and the
    // processor time it spent on them; the rest it waited (for the disk).
    struct Spent {
        int64_t wall = 0;
        int64_t cpu = 0;
        int waitedInARow = 0; // spans of 4 ms in a row in which it waited
    };
    static int64_t nanoseconds(clockid_t clock)
    {
        timespec t {};
        ::clock_gettime(clock, &t);
        return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
    }

    // Told what a folder cost. The thread looks at every 4 ms of (timed) walking:
    // when it waited for more than a fifth of two such spans in a row (a warm
    // cache keeps it waiting for 3 % of the time, a cold one for 30 %), the
    // threads double, up to the most.
    void folderTook(Spent &spent, int64_t wall, int64_t cpu)
    {
        spent.wall += wall;
        spent.cpu += cpu;
        if (spent.wall < 4000000)
            return;
        const bool waitedNow = (spent.wall - spent.cpu) * 5 > spent.wall;
        spent = Spent {0, 0, waitedNow ? spent.waitedInARow + 1 : 0};
        if (spent.waitedInARow < 2)
            return;
        spent.waitedInARow = 0;
        std::lock_guard lock(m_mutex);
        const int now = m_threads.load(std::memory_order_relaxed);
        const int most = m_most.load(std::memory_order_relaxed);
        if (now < most && !m_over)
            startThreads(std::min(now, most - now));
    }

    // Wakes as many idle threads as there are new tasks, at most all others.
    void wakeFor(std::size_t tasks)
    {
        const auto others = static_cast<std::size_t>(m_threads.load(std::memory_order_relaxed) - 1);
        for (std::size_t i = 0; i < std::min(tasks, others); ++i)
            m_wake.notify_one();
    }


    void work()
    {
        std::vector<Task> found;
        FolderContents contents;
        PendingEntries pending;
        Spent spent; // by the folders read since the threads were last looked at
        unsigned folders = 0;
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
                if (task.share)
                    ++task.share->helping;
            }
            if (task.share) {
                examineSlices(*task.share); // never throws: a failed stat leaves the entry out
                {
                    std::lock_guard lock(m_mutex);
                    --task.share->helping;
                    --m_busy;
                }
                m_shareDone.notify_all();
                continue;
            }
            found.clear();
            try {
                if (!m_error && !stopping()) {
                    // Every fourth folder is timed: the clocks cost a call each.
                    const bool growing =
                        (++folders & 3) == 0 &&
                        m_threads.load(std::memory_order_relaxed) < m_most.load(std::memory_order_relaxed);
                    const int64_t wall = growing ? nanoseconds(CLOCK_MONOTONIC) : 0;
                    const int64_t cpu = growing ? nanoseconds(CLOCK_THREAD_CPUTIME_ID) : 0;
                    folder(task, contents, pending, found);
                    if (growing)
                        folderTook(spent, nanoseconds(CLOCK_MONOTONIC) - wall,
                                   nanoseconds(CLOCK_THREAD_CPUTIME_ID) - cpu);
                }
            } catch (...) {
                std::lock_guard lock(m_mutex);
                if (!m_error)
                    m_error = std::current_exception();
            }
            bool finished;
            {
                std::lock_guard lock(m_mutex);
                --m_busy;
                // Last found first, so the first sub-folder is taken next.
                for (auto it = found.rbegin(); it != found.rend(); ++it)
                    m_tasks.push_back(std::move(*it));
                finished = m_tasks.empty() && m_busy == 0;
                if (finished)
                    m_over = true;
            }
            // One thread woken per new task (this one takes the next itself):
            // waking every idle thread for each folder costs more than the
            // reading on a warm cache. When nothing is left, all may end.
            if (finished)
                m_wake.notify_all();
            else
                wakeFor(found.size());
        }
    }

    void folder(const Task &task, FolderContents &contents, PendingEntries &pending, std::vector<Task> &found)
    {
        if (m_control) {
            if (m_control->beforeFolder)
                m_control->beforeFolder();
            m_control->readingFolder(task.path);
        }
        // A folder that cannot be entered is listed empty.
        if (!readFolder(task, contents, pending) || stopping())
            return;
        contents.sortByVolumeOrder();
        buildFolder(task, contents, found);
        // Description files and tags fill the empty texts; the sub-folders
        // found are not walked yet, so their comments may be filled too.
        if (m_options.descriptions || m_options.tags)
            DescribeFolder(m_rootFd, task.path, contents.attributes != platform::DosAttributes::None, *task.node,
                           m_options, m_control);
    }

    // Whether an entry of a known type is listed, as a folder or as a file.
    static Examined::Kind kindOf(const char *name, unsigned char type)
    {
        if (type == DT_DIR)
            return Examined::Folder;
        // Hidden files (a leading dot) and system files (sockets, FIFOs,
        // device nodes) are not listed; folders are.
        if (name[0] == '.' || (type != DT_REG && type != DT_LNK))
            return Examined::Skip;
        return Examined::File;
    }

    // Whether an entry of the type readdir gave needs a stat: every file does
    // (for its size and date), and an entry without a type (FUSE, some XFS
    // volumes) to learn what it is. What is certainly left out needs none.
    static bool needsStat(const char *name, unsigned char type)
    {
        return type == DT_UNKNOWN || ((type == DT_REG || type == DT_LNK) && name[0] != '.');
    }

    // Looks at one entry: whether it is listed, as a folder or as a file, and
    // the file's size and date.
    static Examined examine(int folderFd, platform::DosAttributes attributes, const char *name, unsigned char type)
    {
        Examined out;
        struct stat st {};
        if (::fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return out; // gone since it was listed
        type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_FIFO;
        out.kind = kindOf(name, type);
        if (out.kind != Examined::File)
            return out;
        out.regular = type == DT_REG;
        // On FAT and NTFS, what Windows hides is not listed either.
        if (attributes != platform::DosAttributes::None &&
            platform::Attributes().hiddenOrSystem(attributes, folderFd, name)) {
            out.kind = Examined::Skip;
            return out;
        }
        if (type == DT_LNK) {
            // A link is listed as a file; it shows the file it points to
            // when that is a file, else itself.
            struct stat target {};
            if (::fstatat(folderFd, name, &target, 0) == 0 && S_ISREG(target.st_mode))
                st = target;
        }
        out.size = static_cast<uint64_t>(st.st_size);
        out.modified = static_cast<int64_t>(st.st_mtim.tv_sec);
        return out;
    }

    // Takes slices of the share's entries until none is left.
    void examineSlices(StatShare &share)
    {
        PendingEntries &p = *share.entries;
        const std::size_t n = p.size();
        for (;;) {
            const std::size_t first = share.next.fetch_add(kSlice, std::memory_order_relaxed);
            if (first >= n)
                return;
            const std::size_t last = std::min(n, first + kSlice);
            for (std::size_t i = first; i < last && !stopping(); ++i)
                p.results[i] = examine(share.folderFd, share.attributes, p.name(i), p.types[i]);
        }
    }

    // Looks at the pending entries of a folder: alone when they are few,
    // else with the help of the threads that are free.
    void examinePending(int folderFd, platform::DosAttributes attributes, PendingEntries &pending)
    {
        pending.results.assign(pending.size(), Examined {});
        // A small folder is not worth sharing: the other threads have
        // folders of their own to read.
        const std::size_t slices = (pending.size() + kSlice - 1) / kSlice;
        if (!m_spreadStats.load(std::memory_order_relaxed) || slices < kShareFrom) {
            for (std::size_t i = 0; i < pending.size() && !stopping(); ++i)
                pending.results[i] = examine(folderFd, attributes, pending.name(i), pending.types[i]);
            return;
        }
        StatShare share;
        share.folderFd = folderFd;
        share.attributes = attributes;
        share.entries = &pending;
        const std::size_t helpers =
            std::min(slices - 1, static_cast<std::size_t>(m_threads.load(std::memory_order_relaxed) - 1));
        {
            std::lock_guard lock(m_mutex);
            for (std::size_t i = 0; i < helpers; ++i) {
                Task help;
                help.share = &share;
                m_tasks.push_back(std::move(help));
            }
        }
        wakeFor(helpers);
        examineSlices(share);
        // Help that was not taken up is withdrawn; help under way is waited
        // for (it never waits on anything itself).
        std::unique_lock lock(m_mutex);
        m_tasks.erase(std::remove_if(m_tasks.begin(), m_tasks.end(), [&](const Task &t) { return t.share == &share; }),
                      m_tasks.end());
        m_shareDone.wait(lock, [&] { return share.helping == 0; });
    }

    // Reads the entries of a folder that are listed. False when the folder
    // cannot be read (or is not walked: a pseudo file system mounted there).
    bool readFolder(const Task &task, FolderContents &contents, PendingEntries &pending)
    {
        contents.clear();
        pending.clear();
        // A folder reached without crossing a mount point is on the root's
        // volume, whatever its device number says (a btrfs subvolume); only
        // one past a mount point is looked at for what it is.
        int fd = -1;
        bool lookedAt = true;
        if (task.path.empty()) {
            fd = ::dup(m_rootFd);
        } else {
            if (!task.pastMount && m_sameMountOpens.load(std::memory_order_relaxed)) {
                fd = openOnRootMount(task.path);
                lookedAt = fd < 0;
            }
            if (fd < 0)
                fd = OpenFolderBeneath(m_rootFd, task.path);
        }
        if (fd < 0)
            return false;
        contents.pastMount = task.pastMount || (lookedAt && !task.path.empty());
        contents.device = task.parentDev;
        if (lookedAt) {
            struct stat st {};
            if (::fstat(fd, &st) != 0 || (st.st_dev != task.parentDev && isPseudoMount(fd))) {
                ::close(fd);
                return false;
            }
            contents.device = st.st_dev;
        }
        contents.attributes = contents.device == task.parentDev && task.parentAttributes
                                  ? *task.parentAttributes
                                  : platform::Attributes().kindOf(fd);
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
        auto add = [&](const char *name, const Examined &e) {
            if (e.kind == Examined::Folder) {
                contents.add(name, true, 0, 0);
                ++folders;
            } else if (e.kind == Examined::File) {
                contents.add(name, false, e.size, e.modified, e.regular);
                bytes += e.size;
                lastFile = contents.entries.size() - 1;
                if (++files == kBatch && m_control)
                    report();
            }
        };
        // A wide walk first lists the folder whole, then looks at what needs
        // a look, shared out; a narrow one looks at each entry as it comes.
        EntryReader reader(fd);
        while (const struct dirent64 *e = reader.next(contents.readBuffer)) {
            if (stopping())
                break;
            const char *name = e->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            if (!needsStat(name, e->d_type))
                add(name, Examined {kindOf(name, e->d_type), 0, 0});
            else if (m_spreadStats.load(std::memory_order_relaxed))
                pending.add(name, e->d_type);
            else
                add(name, examine(fd, contents.attributes, name, e->d_type));
        }
        if (pending.size() != 0 && !stopping()) {
            examinePending(fd, contents.attributes, pending);
            for (std::size_t i = 0; i < pending.size(); ++i)
                add(pending.name(i), pending.results[i]);
        }
        if (m_control)
            report();
        if (m_options.archives)
            contents.dirFd = fd; // closed once the folder is built
        else
            ::close(fd);
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
                                         contents.device, task.depth + 1, contents.attributes,
                                         contents.pastMount});
                continue;
            }
            addFile(files, name, e.size, e.modified);
            // An archive is a folder too, among the others in their order.
            if (e.regular && contents.dirFd >= 0 && task.depth + 1 < MAX_FOLDER_DEPTH)
                listArchive(task, contents.dirFd, name, node);
        }
        files.shrinkToFit();
    }

    // Lists an archive of the folder as a folder node named like it, when it
    // is one that can be read; nothing is unpacked. An archive that cannot
    // be read stays a file only.
    void listArchive(const Task &task, int dirFd, std::string_view name, TreeNode &node)
    {
        const std::string file(name);
        const int fd = OpenIfArchive(dirFd, file.c_str());
        if (fd < 0)
            return;
        if (m_control)
            m_control->readingFolder(task.path.empty() ? file : task.path + '/' + file);
        const std::optional<ArchiveContents> contents = ReadArchive(fd, ArchiveLimits {}, [this] { return stopping(); });
        ::close(fd);
        if (!contents)
            return;
        TreeNode *folder = node.appendChild(StoredName(name));
        const int depth = task.depth + 1;
        const ArchiveCounts counts = BuildArchiveFolder(*folder, *contents, MAX_FOLDER_DEPTH - 1 - depth);
        folder->disk().Comment = contents->incomplete;
        // A file_id.diz at the archive's root describes the archive, unless
        // the list is incomplete: that note comes first.
        if (m_options.descriptions && contents->fileIdDiz && folder->disk().Comment.empty())
            folder->disk().Comment = FileIdDizComment(*contents->fileIdDiz);
        if (m_control)
            m_control->found(counts.folders + 1, counts.files, 0, std::string_view());
    }

    // Opens a folder below the root without crossing a mount point: -1 when
    // the path crosses one (or the folder is gone).
    int openOnRootMount(const std::string &relative)
    {
        const int fd = openBeneath(m_rootFd, relative, RESOLVE_NO_XDEV);
        if (fd < 0 && openat2Missing(errno))
            m_sameMountOpens.store(false, std::memory_order_relaxed);
        return fd;
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
    std::atomic<bool> m_spreadStats {false};
    std::atomic<bool> m_sameMountOpens {true}; // openat2 takes RESOLVE_NO_XDEV
    std::atomic<int> m_threads {1}; // walking now
    std::atomic<int> m_most {1};    // the most there may be
    bool m_over = false;            // nothing left to walk: no more threads (under m_mutex)
    std::vector<std::thread> m_helpers; // started and not joined yet (under m_mutex)
    std::mutex m_mutex;
    std::condition_variable m_wake;      // a task was queued, or the walk is over
    std::condition_variable m_shareDone; // a thread finished helping with a share
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

int ScanThreadCount(int requested, platform::VolumeKind kind)
{
    if (requested > 0)
        return requested;
    switch (kind) {
    case platform::VolumeKind::Network:
        return kNetworkScanThreads;
    case platform::VolumeKind::Rotating:
        return 2;
    case platform::VolumeKind::Optical:
        return 1;
    case platform::VolumeKind::Memory:
        break;
    case platform::VolumeKind::SolidState:
    case platform::VolumeKind::Unknown:
        return kSolidStateScanThreads;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores < 2 ? 2 : cores > 8 ? 8 : static_cast<int>(cores);
}

int ScanStartThreadCount(int requested, platform::VolumeKind kind)
{
    if (requested > 0)
        return requested;
    if (kind == platform::VolumeKind::SolidState || kind == platform::VolumeKind::Unknown)
        return ScanThreadCount(0, platform::VolumeKind::Memory);
    return ScanThreadCount(0, kind);
}

int OpenFolderBeneath(int rootFd, const std::string &relative)
{
    const int fd = openBeneath(rootFd, relative);
    if (fd >= 0)
        return fd;
    // A kernel or sandbox without openat2: every folder of the path was a
    // folder when it was listed, so only a change during the walk could lead
    // through a link.
    if (openat2Missing(errno))
        return ::openat(rootFd, relative.c_str(), kFolderOpenFlags);
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

    const platform::VolumeKind kind = platform::System().volumeKind(root);
    try {
        Walker(fd, control, options)
            .run(*disk, st.st_dev, ScanStartThreadCount(threads, kind), ScanThreadCount(threads, kind));
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return disk;
}

} // namespace rkm
