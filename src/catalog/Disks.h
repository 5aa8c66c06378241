#pragma once

#include "platform/DriveType.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// Number of texts in one file entry: name, description, date, size, category.
inline constexpr int I_STRINGS_IN_LIST = 5;

enum FileText : int { FT_NAME = 0, FT_DESCRIPTION = 1, FT_DATE = 2, FT_SIZE = 3, FT_CATEGORY = 4 };

// The pictures of the tree, by index.
enum NodePicture : int {
    IMAGE_CLOSED_FOLDER = 0,
    IMAGE_PLAIN_DRIVE = 1,
    IMAGE_FLOPPY_DRIVE = 2,
    IMAGE_HARD_DISK = 3,
    IMAGE_NETWORK_DRIVE = 4,
    IMAGE_CD_ROM = 5,
    IMAGE_OPEN_FOLDER = 6,
};
// The picture a disk node shows for its drive type code: each code has the
// picture of the same number; a code of no known kind shows a closed folder.
constexpr int DrivePicture(int driveTypeCode)
{
    return driveTypeCode >= DRIVE_UNKNOWN && driveTypeCode <= DRIVE_RAMDISK ? driveTypeCode : IMAGE_CLOSED_FOLDER;
}

using FileEntry = std::array<std::string, I_STRINGS_IN_LIST>;
using FileEntryView = std::array<std::string_view, I_STRINGS_IN_LIST>;

// The file entries of one folder. A million entries must fit in little memory,
// so all texts of all entries share one buffer: each text is followed by a line
// feed, which no stored text can contain (the listing file ends a text at a line
// feed). An entry costs its texts, five separators and one offset.
class FileList final {
public:
    int count() const { return static_cast<int>(m_offsets.size()); }
    bool empty() const { return m_offsets.empty(); }

    FileEntryView entry(int index) const;
    std::string_view text(int index, int position) const { return entry(index)[static_cast<std::size_t>(position)]; }
    FileEntry entryCopy(int index) const;

    // Appends an entry. A line feed inside a text would split it in two, so it
    // is stored as '?'.
    void append(const FileEntryView &texts);
    void append(const FileEntry &texts);
    void setText(int index, int position, std::string_view value);
    void clear();

    // For the listing reader: reserves room, then appends an entry whose five
    // texts, each ended by '\n', are already in `raw`.
    void reserve(std::size_t entries, std::size_t bytes);
    void appendRaw(std::string_view raw);
    void shrinkToFit();

    // For the listing reader: appends `entries` entries whose texts take
    // `bytes` bytes in all, separators included, with one allocation for the
    // texts and one for the offsets. Mark each entry's start, then give its
    // five texts (without line feeds). What was not filled is dropped when
    // the filler goes.
    class Filler final {
    public:
        Filler(FileList &list, std::size_t entries, std::size_t bytes);
        ~Filler();
        Filler(const Filler &) = delete;
        Filler &operator=(const Filler &) = delete;
        void startEntry() { m_list.m_offsets.push_back(static_cast<uint32_t>(m_at - m_list.m_data.data())); }
        // False, and nothing written, when the text does not fit the room.
        bool text(const char *bytes, std::size_t n)
        {
            if (n >= static_cast<std::size_t>(m_end - m_at))
                return false;
            std::memcpy(m_at, bytes, n);
            m_at += n;
            *m_at++ = '\n';
            return true;
        }

    private:
        FileList &m_list;
        char *m_at;
        char *m_end;
    };
    std::size_t memoryBytes() const { return m_data.capacity() + m_offsets.capacity() * sizeof(uint32_t); }

    // For scans over all texts at once (search): the buffer and where each
    // entry starts in it. While inListOrder() holds, the entries lie in the
    // buffer back to back in list order with nothing between them; a replaced
    // text leaves its old bytes behind until the next compaction.
    std::string_view rawData() const { return m_data; }
    std::size_t rawOffset(int index) const { return m_offsets[static_cast<std::size_t>(index)]; }
    bool inListOrder() const { return m_garbage == 0; }
    // In a list in list order, the last entry from `from` on that starts at
    // or before `offset` of rawData(): the entry a place in the buffer falls
    // into (`from` when none does).
    int entryAtOffset(std::size_t offset, int from) const;

private:
    void compactIfWasteful();
    std::size_t entryLength(std::size_t offset) const;
    std::string m_data;
    std::vector<uint32_t> m_offsets;
    std::size_t m_garbage = 0; // bytes of replaced entries still in m_data
};

class TreeNode;

// What a node of the catalogue tree carries beyond its text: for a disk node
// (the root record) the listing's file, serial number, root path and drive
// type; for every node its comment and its folder's files.
class TDisk final {
public:
    TDisk(TreeNode *node, bool isRoot) : Node(node), IsRoot(isRoot) {}
    TDisk(const TDisk &) = delete;
    TDisk &operator=(const TDisk &) = delete;

    TreeNode *const Node;
    const bool IsRoot;
    bool Modified = false;
    std::string FileName;
    uint32_t SerialNumber = 0;
    std::string RootPath;
    std::string Comment;
    int32_t DriveType = 0;
    FileList Files;

    TDisk *GetRootDisk();
    const TDisk *GetRootDisk() const;
    bool IsModified() const { return GetRootDisk()->Modified; }
    void SetModified(bool flag) { GetRootDisk()->Modified = flag; }
    // The first character of the root path, or 0 when it is empty.
    char GetDriveLetter() const;
    void SetDriveLetter(char letter);
    void SetName(std::string_view text);
    std::string GetFullPath() const;
};

// A disk (top level) or folder node. The node owns its record and children.
class TreeNode final {
public:
    TreeNode(std::string text, TreeNode *parent, bool isRoot);
    TreeNode(const TreeNode &) = delete;
    TreeNode &operator=(const TreeNode &) = delete;

    const std::string &text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    TreeNode *parent() const { return m_parent; }
    int level() const;
    // Position among the parent's children (or among the disks for a disk node).
    int row() const { return m_row; }

    int childCount() const { return static_cast<int>(m_children.size()); }
    TreeNode *child(int i) const { return m_children[static_cast<std::size_t>(i)].get(); }
    TreeNode *appendChild(std::string text);
    void reserveChildren(std::size_t n) { m_children.reserve(n); }

    TDisk &disk() { return m_disk; }
    const TDisk &disk() const { return m_disk; }

    // Pictures of the tree: a disk shows its drive type, a folder a closed
    // folder, or an open one while selected.
    int imageIndex() const { return m_parent ? IMAGE_CLOSED_FOLDER : DrivePicture(m_disk.DriveType); }
    int selectedIndex() const { return m_parent ? IMAGE_OPEN_FOLDER : DrivePicture(m_disk.DriveType); }

    // Pre-order walk of this node and every node below it.
    template <class F> void forEach(F &&f) const;

private:
    friend class Catalog;
    std::string m_text;
    TreeNode *m_parent;
    int m_row = 0;
    std::vector<std::unique_ptr<TreeNode>> m_children;
    TDisk m_disk;
};

template <class F> void TreeNode::forEach(F &&f) const
{
    f(*this);
    for (const auto &c : m_children)
        c->forEach(f);
}

// Told of every change to the list of disks, before and after it, so that a
// view of the catalogue (the desktop program's tree model) follows it.
class CatalogObserver {
public:
    virtual ~CatalogObserver() = default;
    virtual void disksAboutToBeInserted(int first, int last) = 0;
    virtual void disksInserted() = 0;
    virtual void disksAboutToBeRemoved(int first, int last) = 0;
    virtual void disksRemoved() = 0;
    // The disk at row `from` is about to be at row `to` (the rows between
    // move up or down by one).
    virtual void diskAboutToBeMoved(int from, int to) = 0;
    virtual void diskMoved() = 0;
};

// The catalogue tree: the disk nodes, in the order the catalogue store keeps
// them (the natural order of their names).
class Catalog final {
public:
    Catalog() = default;
    // Frees every node, unless the process is ending (see SetProcessEnding).
    ~Catalog();
    Catalog(const Catalog &) = delete;
    Catalog &operator=(const Catalog &) = delete;

    int diskCount() const { return static_cast<int>(m_disks.size()); }
    TreeNode *disk(int i) const { return m_disks[static_cast<std::size_t>(i)].get(); }
    bool empty() const { return m_disks.empty(); }

    // One observer at a time (null: none); not owned.
    void setObserver(CatalogObserver *observer) { m_observer = observer; }

    // A new disk node with a root record, after the last one.
    TreeNode *appendDisk(std::string name);
    // Takes over a disk subtree read or scanned elsewhere; returns it.
    TreeNode *appendDisk(std::unique_ptr<TreeNode> disk);
    TreeNode *insertDisk(int row, std::unique_ptr<TreeNode> disk);
    // Removes the disk node and everything below it.
    void removeDisk(int row);
    std::unique_ptr<TreeNode> takeDisk(int row);
    // Moves the disk at row `from` to row `to`.
    void moveDisk(int from, int to);
    void clear();

    // Disk node whose listing file is `fileName`, or null.
    TreeNode *findByFileName(std::string_view fileName) const;
    // The first disk node of that name in order, or null.
    TreeNode *findByName(std::string_view name) const;

    // Whether a disk other than `except` has this name: the same text in
    // either encoding (platform::SameText), letter case counting, as a name
    // typed for a listing is matched everywhere.
    bool nameTaken(std::string_view name, const TreeNode *except = nullptr) const;
    // The name a listing is shown by wherever it stands for the listing (the
    // tree, the result panels, exports, messages): its disk name, or, when
    // another disk has the same name, the name followed by its listing file
    // ("Archives (2631.rkm)"), so that two scans of one folder can be told
    // apart. Stored bytes, shown as any stored text (platform::DecodeText); a
    // repeated name comes back as UTF-8. A disk that is not in this catalogue
    // or has no listing file yet is shown by its name.
    std::string displayName(const TreeNode &disk) const;

private:
    void renumber(std::size_t from);
    std::vector<std::unique_ptr<TreeNode>> m_disks;
    CatalogObserver *m_observer = nullptr;
};

// The name a disk is shown by in `catalog` (Catalog::displayName), or its
// name when there is no catalogue to ask (a view shown on its own).
std::string DisplayName(const Catalog *catalog, const TreeNode &disk);

// Freeing ten million entries node by node takes longer than the user should
// wait for a program to end, and the system takes a process's memory back at
// once. Once a program has done its exit work (settings written, modified
// listings saved, files closed) it may say so: from then on a Catalog that
// goes leaves its nodes to the system. Builds with AddressSanitizer still free
// them, so its leak check stays meaningful.
void SetProcessEnding(bool ending);
bool ProcessEnding();

// A disk node of its own, not yet in a catalogue (the reader and the scanner
// build one, and the catalogue takes it when it is complete).
std::unique_ptr<TreeNode> MakeDiskNode(std::string name);

} // namespace rkm
