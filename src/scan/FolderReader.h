#pragma once

// The reading of one folder of a walk (the walk itself: scan/WalkPool.h).

#include "platform/FileAttributes.h"
#include "platform/Order.h"
#include "platform/UniqueFd.h"
#include "scan/Scanner.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <sys/types.h>

namespace rkm {

class TreeNode;

namespace walk {

// A folder to walk: its node, where it is, and what its parent was.
struct FolderTask {
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
    std::vector<uint64_t> readBuffer; // for the reading of the folder's entries
    dev_t device = 0;
    bool pastMount = false; // reached across a mount point (see FolderTask)
    platform::DosAttributes attributes = platform::DosAttributes::None;
    int folders = 0;
    // The folder itself, kept open while it is built when archives are
    // listed or files' contents read; else nothing.
    platform::UniqueFd dirFd;

    void clear()
    {
        text.clear();
        entries.clear();
        folders = 0;
        dirFd.reset();
    }
    void add(std::string_view name, bool folder, uint64_t size, int64_t modified, bool regular = false)
    {
        Entry e{};
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
    std::string names;                // each name followed by a NUL
    std::vector<uint32_t> offsets;    // of each name in `names`
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

// What one walking thread has counted and not yet handed to the control.
// It hands it in at the end of each folder and, while it reads one, at the
// first entry after someone looked at the progress: the counts of a slow
// folder move as often as they are looked at, and the folder is named.
class Tally final {
public:
    explicit Tally(ScanControl *control) : m_control(control) {}

    void count(const Examined &e)
    {
        if (e.kind == Examined::Folder) {
            ++m_folders;
        } else if (e.kind == Examined::File) {
            ++m_files;
            m_bytes += e.size;
        }
    }
    // Whether the progress was looked at since the last hand-in.
    bool asked() { return m_control && m_control->askedSince(m_seen); }
    // Hands in during the folder `folder`, which is then shown as read.
    void handIn(std::string_view folder, std::string_view lastFile)
    {
        if (m_control)
            m_control->handIn(m_folders, m_files, m_bytes, folder, lastFile);
        m_folders = m_files = m_bytes = 0;
    }
    // Hands in once a folder or a part of one is done.
    void handIn(std::string_view lastFile)
    {
        if (m_control && (m_folders || m_files || !lastFile.empty()))
            m_control->found(m_folders, m_files, m_bytes, lastFile);
        m_folders = m_files = m_bytes = 0;
    }

private:
    ScanControl *const m_control;
    uint64_t m_folders = 0, m_files = 0, m_bytes = 0;
    unsigned m_seen = 0;
};

// Entries looked at in one go by a thread that helps with a big folder;
// small, because each look may wait on the network.
inline constexpr std::size_t kStatSlice = 16;
// The slices a folder needs before they are shared out.
inline constexpr std::size_t kShareStatsFrom = 4;
// The entries a wide walk lists before it looks at them: a folder of many
// thousand entries is listed and looked at in parts, so that its counts
// move while it is listed.
inline constexpr std::size_t kListedAtOnce = 4096;

// Who looks at the pending entries of a big folder with the help of the
// threads that are free: the walk pool.
class StatSharer {
public:
    // Fills `pending.results` (sized already) for every entry of the folder
    // `folder`; each thread counts what it looked at into its own tally
    // (`tally`: the calling thread's).
    virtual void shareStats(int folderFd, platform::DosAttributes attributes, PendingEntries &pending,
                            std::string_view folder, Tally &tally) = 0;

protected:
    ~StatSharer() = default;
};

// Reads folders of one walk, on any of its threads: opens each below the
// root without going through a link or out of the root, lists its entries
// and looks at those that need it. A folder reached without crossing a mount
// point is opened with RESOLVE_NO_XDEV and needs no stat of its own; one past
// a mount point is checked for a pseudo file system.
class FolderReader final {
public:
    // `keepOpen`: each folder read stays open in its contents (dirFd) until
    // they are cleared, for the archives among its files and their contents.
    FolderReader(int rootFd, ScanControl *control, bool keepOpen, StatSharer &sharer)
        : m_rootFd(rootFd), m_control(control), m_keepOpen(keepOpen), m_sharer(sharer)
    {
    }

    // Reads the entries of a folder that are listed, and counts them into
    // `tally`, which hands them in to the control. False when the folder
    // cannot be read (or is not walked: a pseudo file system mounted there).
    bool read(const FolderTask &task, FolderContents &contents, PendingEntries &pending, Tally &tally);

    // Whether a folder's entries are first listed whole and then looked at,
    // shared out among the threads (a wide walk: more threads than cores),
    // rather than each looked at as it comes.
    void setSpreadStats(bool spread) { m_spreadStats.store(spread, std::memory_order_relaxed); }

    // Looks at one entry: whether it is listed, as a folder or as a file, and
    // the file's size and date.
    static Examined examine(int folderFd, platform::DosAttributes attributes, const char *name, unsigned char type);

private:
    bool stopping() const;
    void examinePending(int folderFd, platform::DosAttributes attributes, PendingEntries &pending,
                        std::string_view folder, Tally &tally);
    int openOnRootMount(const std::string &relative);

    const int m_rootFd;
    ScanControl *const m_control;
    const bool m_keepOpen;
    StatSharer &m_sharer;
    std::atomic<bool> m_spreadStats{false};
    std::atomic<bool> m_sameMountOpens{true}; // openat2 takes RESOLVE_NO_XDEV
};

} // namespace walk
} // namespace rkm
