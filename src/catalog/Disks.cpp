#include "catalog/Disks.h"

#include "platform/Text.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace rkm {

// ---- FileList ---------------------------------------------------------------

FileEntryView FileList::entry(int index) const
{
    FileEntryView out;
    const char *p = m_data.data() + m_offsets[static_cast<std::size_t>(index)];
    for (int i = 0; i < I_STRINGS_IN_LIST; ++i) {
        const char *end = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(m_data.data() + m_data.size() - p)));
        out[static_cast<std::size_t>(i)] = std::string_view(p, static_cast<std::size_t>(end - p));
        p = end + 1;
    }
    return out;
}

FileEntry FileList::entryCopy(int index) const
{
    FileEntryView v = entry(index);
    FileEntry e;
    for (std::size_t i = 0; i < e.size(); ++i)
        e[i] = std::string(v[i]);
    return e;
}

void FileList::append(const FileEntryView &texts)
{
    m_offsets.push_back(static_cast<uint32_t>(m_data.size()));
    for (std::string_view t : texts) {
        std::size_t start = m_data.size();
        m_data.append(t);
        std::replace(m_data.begin() + static_cast<std::ptrdiff_t>(start), m_data.end(), '\n', '?');
        m_data.push_back('\n');
    }
}

void FileList::append(const FileEntry &texts)
{
    FileEntryView v;
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = texts[i];
    append(v);
}

void FileList::setText(int index, int position, std::string_view value)
{
    // The entry is written anew at the end; the old bytes are garbage until
    // there is enough of it to be worth a compaction.
    FileEntry e = entryCopy(index);
    e[static_cast<std::size_t>(position)] = std::string(value);
    m_garbage += entryLength(m_offsets[static_cast<std::size_t>(index)]);
    const uint32_t newStart = static_cast<uint32_t>(m_data.size());
    append(e);
    m_offsets.pop_back();
    m_offsets[static_cast<std::size_t>(index)] = newStart;
    compactIfWasteful();
}

std::size_t FileList::entryLength(std::size_t offset) const
{
    const char *p = m_data.data() + offset;
    const char *q = p;
    for (int i = 0; i < I_STRINGS_IN_LIST; ++i)
        q = static_cast<const char *>(std::memchr(q, '\n', static_cast<std::size_t>(m_data.data() + m_data.size() - q))) + 1;
    return static_cast<std::size_t>(q - p);
}

int FileList::entryAtOffset(std::size_t offset, int from) const
{
    const auto start = m_offsets.begin() + from;
    const auto after = std::upper_bound(start, m_offsets.end(), offset);
    return after == start ? from : static_cast<int>(after - m_offsets.begin()) - 1;
}

void FileList::compactIfWasteful()
{
    if (m_garbage < 4096 || m_garbage * 2 < m_data.size())
        return;
    std::string fresh;
    fresh.reserve(m_data.size() - m_garbage);
    for (uint32_t &off : m_offsets) {
        const std::size_t len = entryLength(off);
        fresh.append(m_data, off, len);
        off = static_cast<uint32_t>(fresh.size() - len);
    }
    m_data.swap(fresh);
    m_garbage = 0;
}

void FileList::clear()
{
    m_data.clear();
    m_offsets.clear();
    m_garbage = 0;
}

void FileList::reserve(std::size_t entries, std::size_t bytes)
{
    m_offsets.reserve(entries);
    m_data.reserve(bytes);
}

void FileList::appendRaw(std::string_view raw)
{
    m_offsets.push_back(static_cast<uint32_t>(m_data.size()));
    m_data.append(raw);
}

FileList::Filler::Filler(FileList &list, std::size_t entries, std::size_t bytes) : m_list(list)
{
    const std::size_t used = list.m_data.size();
    list.m_offsets.reserve(list.m_offsets.size() + entries);
    list.m_data.reserve(used + bytes);
    list.m_data.resize(used + bytes);
    m_at = list.m_data.data() + used;
    m_end = m_at + bytes;
}

FileList::Filler::~Filler()
{
    m_list.m_data.resize(static_cast<std::size_t>(m_at - m_list.m_data.data()));
}

void FileList::shrinkToFit()
{
    m_data.shrink_to_fit();
    m_offsets.shrink_to_fit();
}

// ---- TDisk ------------------------------------------------------------------

TDisk *TDisk::GetRootDisk()
{
    if (IsRoot)
        return this;
    TreeNode *n = Node;
    while (n->parent())
        n = n->parent();
    return &n->disk();
}

const TDisk *TDisk::GetRootDisk() const
{
    return const_cast<TDisk *>(this)->GetRootDisk();
}

char TDisk::GetDriveLetter() const
{
    const std::string &root = GetRootDisk()->RootPath;
    return root.empty() ? '\0' : root[0];
}

void TDisk::SetDriveLetter(char letter)
{
    if (letter == GetDriveLetter())
        return;
    TDisk *root = GetRootDisk();
    if (root->RootPath.empty())
        root->RootPath.assign(1, letter);
    else
        root->RootPath[0] = letter;
    SetModified(true);
}

void TDisk::SetName(std::string_view text)
{
    Node->setText(std::string(text));
    SetModified(true);
}

std::string TDisk::GetFullPath() const
{
    if (IsRoot)
        return RootPath;
    // Folder names from this node up to (not including) the disk node, each
    // followed by the separator, so a folder's path always ends with one.
    std::vector<const TreeNode *> chain;
    for (const TreeNode *n = Node; n->parent(); n = n->parent())
        chain.push_back(n);
    const std::string &root = GetRootDisk()->RootPath;
    // A listing made on Windows has a root such as C:\Data; keep its separator.
    // A root of this system (it starts with '/') always takes '/', whatever
    // its folder names hold.
    const bool windows =
        !root.empty() && root[0] != '/' && ((root.size() >= 2 && root[1] == ':') || root.find('\\') != std::string::npos);
    const char sep = windows ? '\\' : '/';
    std::string path = root;
    if (path.empty() || path.back() != sep)
        path.push_back(sep);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        path += (*it)->text();
        path.push_back(sep);
    }
    return path;
}

// ---- TreeNode ---------------------------------------------------------------

TreeNode::TreeNode(std::string text, TreeNode *parent, bool isRoot)
    : m_text(std::move(text)), m_parent(parent), m_disk(this, isRoot)
{
}

int TreeNode::level() const
{
    int l = 0;
    for (const TreeNode *n = m_parent; n; n = n->m_parent)
        ++l;
    return l;
}

TreeNode *TreeNode::appendChild(std::string text)
{
    auto child = std::make_unique<TreeNode>(std::move(text), this, false);
    child->m_row = static_cast<int>(m_children.size());
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

std::unique_ptr<TreeNode> MakeDiskNode(std::string name)
{
    return std::make_unique<TreeNode>(std::move(name), nullptr, true);
}

// ---- Catalog ----------------------------------------------------------------

namespace {
std::atomic<bool> g_processEnding{false};

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kCheckedForLeaks = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kCheckedForLeaks = true;
#else
constexpr bool kCheckedForLeaks = false;
#endif
#else
constexpr bool kCheckedForLeaks = false;
#endif
} // namespace

void SetProcessEnding(bool ending)
{
    g_processEnding = ending;
}

bool ProcessEnding()
{
    return g_processEnding;
}

Catalog::~Catalog()
{
    if (!g_processEnding || kCheckedForLeaks)
        return;
    for (auto &d : m_disks)
        static_cast<void>(d.release()); // the system frees it with the process
}

TreeNode *Catalog::appendDisk(std::string name)
{
    return appendDisk(MakeDiskNode(std::move(name)));
}

TreeNode *Catalog::appendDisk(std::unique_ptr<TreeNode> disk)
{
    return insertDisk(diskCount(), std::move(disk));
}

TreeNode *Catalog::insertDisk(int row, std::unique_ptr<TreeNode> disk)
{
    if (m_observer)
        m_observer->disksAboutToBeInserted(row, row);
    TreeNode *node = disk.get();
    m_disks.insert(m_disks.begin() + row, std::move(disk));
    renumber(static_cast<std::size_t>(row));
    if (m_observer)
        m_observer->disksInserted();
    return node;
}

void Catalog::removeDisk(int row)
{
    takeDisk(row);
}

std::unique_ptr<TreeNode> Catalog::takeDisk(int row)
{
    if (m_observer)
        m_observer->disksAboutToBeRemoved(row, row);
    std::unique_ptr<TreeNode> d = std::move(m_disks[static_cast<std::size_t>(row)]);
    m_disks.erase(m_disks.begin() + row);
    renumber(static_cast<std::size_t>(row));
    if (m_observer)
        m_observer->disksRemoved();
    return d;
}

void Catalog::moveDisk(int from, int to)
{
    if (from == to)
        return;
    if (m_observer)
        m_observer->diskAboutToBeMoved(from, to);
    std::unique_ptr<TreeNode> d = std::move(m_disks[static_cast<std::size_t>(from)]);
    m_disks.erase(m_disks.begin() + from);
    m_disks.insert(m_disks.begin() + to, std::move(d));
    renumber(static_cast<std::size_t>(std::min(from, to)));
    if (m_observer)
        m_observer->diskMoved();
}

void Catalog::clear()
{
    if (m_disks.empty())
        return;
    if (m_observer)
        m_observer->disksAboutToBeRemoved(0, diskCount() - 1);
    m_disks.clear();
    if (m_observer)
        m_observer->disksRemoved();
}

void Catalog::renumber(std::size_t from)
{
    for (std::size_t i = from; i < m_disks.size(); ++i)
        m_disks[i]->m_row = static_cast<int>(i);
}

TreeNode *Catalog::findByFileName(std::string_view fileName) const
{
    for (const auto &d : m_disks)
        if (d->disk().FileName == fileName)
            return d.get();
    return nullptr;
}

TreeNode *Catalog::findByName(std::string_view name) const
{
    for (const auto &d : m_disks)
        if (d->text() == name)
            return d.get();
    return nullptr;
}

std::string DisplayName(const Catalog *catalog, const TreeNode &disk)
{
    return catalog ? catalog->displayName(disk) : disk.text();
}

namespace {

// Whether two stored texts cannot be the same text, told from their ends
// alone: an ASCII character is the same byte in UTF-8 and in Windows-1252,
// so where both texts start or end with ASCII, those bytes must be equal.
// The tree asks this of every other disk for every row it shows.
bool SurelyDifferent(std::string_view a, std::string_view b)
{
    if (a.empty() || b.empty())
        return a.size() != b.size();
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    for (std::size_t i = 0; i < a.size() && i < b.size() && ascii(a[i]) && ascii(b[i]); ++i)
        if (a[i] != b[i])
            return true;
    for (std::size_t i = 1; i <= a.size() && i <= b.size(); ++i) {
        const char x = a[a.size() - i], y = b[b.size() - i];
        if (!ascii(x) || !ascii(y))
            break;
        if (x != y)
            return true;
    }
    return false;
}

} // namespace

bool Catalog::nameTaken(std::string_view name, const TreeNode *except) const
{
    for (const auto &d : m_disks)
        if (d.get() != except && !SurelyDifferent(d->text(), name) && platform::SameText(d->text(), name))
            return true;
    return false;
}

std::string Catalog::displayName(const TreeNode &disk) const
{
    const std::string &name = disk.text();
    const std::string &fileName = disk.disk().FileName;
    const int row = disk.row();
    const bool inCatalog = !disk.parent() && row >= 0 && row < diskCount() && this->disk(row) == &disk;
    if (!inCatalog || fileName.empty() || !nameTaken(name, &disk))
        return name;
    // Both parts as UTF-8: a Windows-1252 name beside a UTF-8 file name
    // would not decode as one text.
    return platform::Utf8Text(name) + " (" + platform::Utf8Text(fileName) + ")";
}

} // namespace rkm
