#include "scan/FolderReader.h"

#include "platform/SystemView.h"
#include "scan/Scanner.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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
    open_how how{};
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
        const auto *e = reinterpret_cast<const struct dirent64 *>(reinterpret_cast<const char *>(buffer.data()) +
                                                                  m_pos);
        m_pos += e->d_reclen;
        return e;
    }

private:
    static constexpr std::size_t kBufferBytes = 32768;
    const int m_fd;
    std::size_t m_pos = 0, m_end = 0;
};

// Whether an entry of a known type is listed, as a folder or as a file.
walk::Examined::Kind kindOf(const char *name, unsigned char type)
{
    if (type == DT_DIR)
        return walk::Examined::Folder;
    // Hidden files (a leading dot) and system files (sockets, FIFOs,
    // device nodes) are not listed; folders are.
    if (name[0] == '.' || (type != DT_REG && type != DT_LNK))
        return walk::Examined::Skip;
    return walk::Examined::File;
}

// Whether an entry of the type readdir gave needs a stat: every file does
// (for its size and date), and an entry without a type (FUSE, some XFS
// volumes) to learn what it is. What is certainly left out needs none.
bool needsStat(const char *name, unsigned char type)
{
    return type == DT_UNKNOWN || ((type == DT_REG || type == DT_LNK) && name[0] != '.');
}

// At a mount point: the file system's type number, and for devtmpfs
// (which shares tmpfs's number) the mount table.
bool isPseudoMount(int fd)
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

} // namespace

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

namespace walk {

bool FolderReader::stopping() const
{
    return m_control && m_control->cancelled();
}

Examined FolderReader::examine(int folderFd, platform::DosAttributes attributes, const char *name, unsigned char type)
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

// Looks at the pending entries of a folder: alone when they are few, else
// with the help of the threads that are free.
void FolderReader::examinePending(int folderFd, platform::DosAttributes attributes, PendingEntries &pending,
                                  std::string_view folder, Tally &tally)
{
    pending.results.assign(pending.size(), Examined{});
    // A small folder is not worth sharing: the other threads have
    // folders of their own to read.
    const std::size_t slices = (pending.size() + kStatSlice - 1) / kStatSlice;
    if (!m_spreadStats.load(std::memory_order_relaxed) || slices < kShareStatsFrom) {
        const char *lastFile = "";
        for (std::size_t i = 0; i < pending.size() && !stopping(); ++i) {
            const Examined &e = pending.results[i] = examine(folderFd, attributes, pending.name(i), pending.types[i]);
            tally.count(e);
            if (e.kind == Examined::File)
                lastFile = pending.name(i);
            if (tally.asked())
                tally.handIn(folder, lastFile);
        }
        return;
    }
    m_sharer.shareStats(folderFd, attributes, pending, folder, tally);
}

bool FolderReader::read(const FolderTask &task, FolderContents &contents, PendingEntries &pending, Tally &tally)
{
    contents.clear();
    pending.clear();
    // A folder reached without crossing a mount point is on the root's
    // volume, whatever its device number says (a btrfs subvolume); only
    // one past a mount point is looked at for what it is.
    platform::UniqueFd fd;
    bool lookedAt = true;
    if (task.path.empty()) {
        fd.reset(::dup(m_rootFd));
    } else {
        if (!task.pastMount && m_sameMountOpens.load(std::memory_order_relaxed)) {
            fd.reset(openOnRootMount(task.path));
            lookedAt = !fd;
        }
        if (!fd)
            fd.reset(OpenFolderBeneath(m_rootFd, task.path));
    }
    if (!fd)
        return false;
    contents.pastMount = task.pastMount || (lookedAt && !task.path.empty());
    contents.device = task.parentDev;
    if (lookedAt) {
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || (st.st_dev != task.parentDev && isPseudoMount(fd.get())))
            return false;
        contents.device = st.st_dev;
    }
    contents.attributes = contents.device == task.parentDev && task.parentAttributes
                              ? *task.parentAttributes
                              : platform::Attributes().kindOf(fd.get());
    constexpr std::size_t kNone = SIZE_MAX;
    std::size_t lastFile = kNone; // the entry of the file found last
    const auto lastFileName = [&] {
        return lastFile == kNone ? std::string_view() : contents.name(contents.entries[lastFile]);
    };
    // What was looked at is counted already, by whoever looked at it.
    const auto add = [&](const char *name, const Examined &e) {
        if (e.kind == Examined::Folder) {
            contents.add(name, true, 0, 0);
        } else if (e.kind == Examined::File) {
            lastFile = contents.entries.size();
            contents.add(name, false, e.size, e.modified, e.regular);
        }
    };
    const auto examinePendingEntries = [&] {
        examinePending(fd.get(), contents.attributes, pending, task.path, tally);
        for (std::size_t i = 0; i < pending.size(); ++i)
            add(pending.name(i), pending.results[i]);
        pending.clear();
    };
    // A wide walk first lists the folder (a part of a big one), then looks
    // at what needs a look, shared out; a narrow one looks at each entry as
    // it comes.
    EntryReader reader(fd.get());
    while (const struct dirent64 *e = reader.next(contents.readBuffer)) {
        if (stopping())
            break;
        const char *name = e->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        if (!needsStat(name, e->d_type)) {
            const Examined known{kindOf(name, e->d_type), 0, 0};
            tally.count(known);
            add(name, known);
        } else if (m_spreadStats.load(std::memory_order_relaxed)) {
            pending.add(name, e->d_type);
            if (pending.size() == kListedAtOnce)
                examinePendingEntries();
        } else {
            const Examined examined = examine(fd.get(), contents.attributes, name, e->d_type);
            tally.count(examined);
            add(name, examined);
        }
        if (tally.asked())
            tally.handIn(task.path, lastFileName());
    }
    if (pending.size() != 0 && !stopping())
        examinePendingEntries();
    tally.handIn(lastFileName());
    if (m_keepOpen)
        contents.dirFd = std::move(fd); // closed once the folder is built
    return true;
}

// Opens a folder below the root without crossing a mount point: -1 when
// the path crosses one (or the folder is gone).
int FolderReader::openOnRootMount(const std::string &relative)
{
    const int fd = openBeneath(m_rootFd, relative, RESOLVE_NO_XDEV);
    if (fd < 0 && openat2Missing(errno))
        m_sameMountOpens.store(false, std::memory_order_relaxed);
    return fd;
}

} // namespace walk
} // namespace rkm
