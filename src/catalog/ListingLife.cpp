// The life of a listing with what the store beside it keeps: add, update,
// extras asked and changed, and the store tidied by the writer.
#include "catalog/CatalogStore.h"

#include "catalog/WriterLock.h"
#include "service/Settings.h"

#include <sys/stat.h>

#include <cerrno>
#include <set>
#include <dirent.h>
#include <algorithm>

namespace rkm {

namespace {

const TreeNode *rootOf(const TreeNode *node)
{
    return node ? node->disk().GetRootDisk()->Node : nullptr;
}

// Where earlier versions kept a listing's reading choices: the user's
// settings, by file name only.
std::string oldReadingKey(const std::string &file)
{
    return "Reading-" + file;
}

} // namespace

namespace {

// A listing added or replaced was read from its disk just now.
ListingExtras ReadNow(ListingExtras extras)
{
    extras[EXTRA_READ_AT] = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    return extras;
}

} // namespace

QDateTime CatalogStore::LastRead(const TreeNode *disk)
{
    const ListingExtras extras = ExtrasOf(disk);
    const auto read = extras.find(EXTRA_READ_AT);
    return read == extras.end() ? QDateTime()
                                : QDateTime::fromString(QString::fromStdString(read->second), Qt::ISODate);
}

TreeNode *CatalogStore::AddListing(std::unique_ptr<TreeNode> disk, ListingExtras extras,
                                   const std::function<void(TreeNode *)> &added,
                                   std::shared_ptr<const ContentSet> contents)
{
    TreeNode *node = AddDisk(std::move(disk));
    if (added)
        added(node);
    // Kept until written: a listing that cannot be written now keeps its
    // extras for the save that writes it.
    m_pending[node] = withVolume(ReadNow(std::move(extras)), node);
    if (contents)
        m_pendingContents[node] = std::move(contents);
    SaveListing(node);
    return node;
}

TreeNode *CatalogStore::ReplaceListing(TreeNode *old, std::unique_ptr<TreeNode> fresh,
                                       const std::optional<ListingExtras> &extras,
                                       std::shared_ptr<const ContentSet> contents)
{
    const std::string oldFile = old->disk().FileName;
    TreeNode *node = fresh.get();
    m_pending[node] = withVolume(ReadNow(extras ? *extras : ExtrasOf(old)), node);
    if (contents)
        m_pendingContents[node] = std::move(contents);
    // Readers wait for the two steps to end: they see the old file or the
    // new one, never both and never neither.
    const ReadersLock readers(m_programDir, true);
    m_replacing = oldFile;
    try {
        // The new file first: should it fail, the old one is still there.
        // The store records the replace with it, so that a kill before the
        // old file goes is finished by the next writer.
        SaveListing(node);
    } catch (...) {
        m_replacing.clear();
        m_pending.erase(node);
        m_pendingContents.erase(node);
        throw;
    }
    m_replacing.clear();
    if (betweenReplaceSteps)
        betweenReplaceSteps();
    if (!oldFile.empty() && oldFile != node->disk().FileName) {
        // A failure to delete leaves the replace pending: readers skip the
        // old file and the next writer deletes it.
        if (DeleteListingFile(oldFile) || errno == ENOENT)
            m_extras.Remove(oldFile);
        m_stamps.erase(oldFile);
    }
    return ReplaceDisk(old, std::move(fresh));
}

ListingExtras CatalogStore::ExtrasOf(const TreeNode *disk)
{
    const TreeNode *root = rootOf(disk);
    if (!root)
        return {};
    if (const auto pending = m_pending.find(root); pending != m_pending.end())
        return pending->second;
    const std::string &file = root->disk().FileName;
    const auto stamp = m_stamps.find(file);
    if (file.empty() || stamp == m_stamps.end())
        return {};
    return m_extras.Extras(file, stamp->second);
}

ListingExtras CatalogStore::withVolume(ListingExtras extras, const TreeNode *disk) const
{
    for (const char *key : {EXTRA_VOLUME_UUID, EXTRA_VOLUME_LABEL, EXTRA_VOLUME_FS, EXTRA_VOLUME_SIZE})
        extras.erase(key);
    const std::optional<platform::Volume> volume =
        volumeSource ? volumeSource(disk->disk().RootPath) : std::optional<platform::Volume>();
    if (!volume)
        return extras;
    if (!volume->uuid.empty())
        extras[EXTRA_VOLUME_UUID] = volume->uuid;
    if (!volume->label.empty())
        extras[EXTRA_VOLUME_LABEL] = volume->label;
    if (!volume->fsType.empty())
        extras[EXTRA_VOLUME_FS] = volume->fsType;
    if (volume->bytes > 0)
        extras[EXTRA_VOLUME_SIZE] = std::to_string(volume->bytes);
    return extras;
}

ContentRecords CatalogStore::ContentsOf(const TreeNode *disk, bool withPictures)
{
    const TreeNode *root = rootOf(disk);
    if (!root)
        return {};
    if (const auto pending = m_pendingContents.find(root); pending != m_pendingContents.end()) {
        ContentRecords out;
        out.reserve(pending->second->size());
        pending->second->forEach([&](const ContentRecord &r) {
            out.push_back(r);
            if (!withPictures && !r.picture.empty()) {
                out.back().picture.clear();
                out.back().pictureKept = true;
            }
        });
        return out;
    }
    const std::string &file = root->disk().FileName;
    const auto stamp = m_stamps.find(file);
    if (file.empty() || stamp == m_stamps.end())
        return {};
    return m_extras.Contents(file, stamp->second, withPictures);
}

std::optional<ContentRecord> CatalogStore::ContentOf(const TreeNode *disk, std::string_view path)
{
    const TreeNode *root = rootOf(disk);
    if (!root)
        return std::nullopt;
    if (const auto pending = m_pendingContents.find(root); pending != m_pendingContents.end()) {
        std::optional<ContentRecord> found;
        pending->second->forEach([&](const ContentRecord &r) {
            if (!found && r.path == path)
                found = r;
        });
        return found;
    }
    const std::string &file = root->disk().FileName;
    const auto stamp = m_stamps.find(file);
    if (file.empty() || stamp == m_stamps.end())
        return std::nullopt;
    ContentRecords records = m_extras.Contents(file, stamp->second, true, path);
    if (records.empty())
        return std::nullopt;
    return std::move(records.front());
}

bool CatalogStore::HasFingerprints(const TreeNode *disk)
{
    const TreeNode *root = rootOf(disk);
    if (!root)
        return false;
    if (const auto pending = m_pendingContents.find(root); pending != m_pendingContents.end()) {
        bool any = false;
        pending->second->forEach([&](const ContentRecord &r) { any = any || r.fingerprint.has_value(); });
        return any;
    }
    const std::string &file = root->disk().FileName;
    const auto stamp = m_stamps.find(file);
    return !file.empty() && stamp != m_stamps.end() && m_extras.HasFingerprints(file, stamp->second);
}

std::optional<std::string> CatalogStore::PictureOf(const TreeNode *disk, std::string_view path)
{
    const TreeNode *root = rootOf(disk);
    if (!root)
        return std::nullopt;
    if (const auto pending = m_pendingContents.find(root); pending != m_pendingContents.end()) {
        std::optional<std::string> found;
        pending->second->forEach([&](const ContentRecord &r) {
            if (!found && r.path == path && !r.picture.empty())
                found = r.picture;
        });
        return found;
    }
    const std::string &file = root->disk().FileName;
    const auto stamp = m_stamps.find(file);
    if (file.empty() || stamp == m_stamps.end())
        return std::nullopt;
    return m_extras.Picture(file, stamp->second, path);
}

std::vector<CatalogStore::HeldCopy> CatalogStore::Holding(const Fingerprint &fingerprint)
{
    std::vector<HeldCopy> out;
    for (const ListingStore::Held &h : m_extras.Holding(fingerprint, m_stamps))
        if (TreeNode *disk = m_tree.findByFileName(h.file))
            out.push_back({disk, h.path, h.size});
    return out;
}

uint64_t CatalogStore::StoreRoomOf(const TreeNode *disk)
{
    const TreeNode *root = rootOf(disk);
    if (!root)
        return 0;
    const std::string &file = root->disk().FileName;
    const auto stamp = m_stamps.find(file);
    if (file.empty() || stamp == m_stamps.end())
        return 0;
    return m_extras.ContentRoom(file, stamp->second);
}

void CatalogStore::SetExtras(TreeNode *disk, ListingExtras extras)
{
    const TreeNode *root = rootOf(disk);
    if (!root)
        return;
    m_pending[root] = std::move(extras);
    disk->disk().SetModified(true);
}

void CatalogStore::finishPendingReplaces()
{
    // An Update killed after it claimed its new listing's name but before
    // the store knew the file: the new file goes, the old listing stays.
    const std::vector<IntendedReplace> intended = m_extras.Intended();
    if (!intended.empty()) {
        const std::vector<std::string> known = m_extras.Files();
        if (DIR *dir = ::opendir(m_programDir.c_str())) {
            while (const dirent *e = ::readdir(dir)) {
                const std::string name = e->d_name;
                if (name.size() <= 4 || name.compare(name.size() - 4, 4, LISTING_SUFFIX) != 0 ||
                    std::find(known.begin(), known.end(), name) != known.end())
                    continue;
                const std::optional<ListingStamp> stamp = StampOfFile(PathOf(name));
                for (const IntendedReplace &i : intended)
                    if (stamp && *stamp == i.stamp && name != i.oldFile)
                        ::unlink(PathOf(name).c_str());
            }
            ::closedir(dir);
        }
        for (const IntendedReplace &i : intended)
            m_extras.ForgetIntent(i.oldFile);
    }
    for (const PendingReplace &p : m_extras.Pending()) {
        struct stat st {};
        if (::stat(PathOf(p.newFile).c_str(), &st) != 0) {
            // The new listing is gone (deleted since): the old one stays.
            m_extras.Remove(p.newFile);
        } else if (::unlink(PathOf(p.oldFile).c_str()) == 0 || errno == ENOENT) {
            m_extras.Remove(p.oldFile);
        }
    }
}

void CatalogStore::tidyStore(const std::vector<std::string> &files)
{
    m_extras.Tidy(files);
    // Choices remembered the old way go into the store of the first
    // catalogue opened for writing that holds a listing of that file name,
    // once; the key goes then.
    // The settings are read once, not once a listing.
    const std::vector<std::string> oldKeys = SettingKeysStartingWith(oldReadingKey({}));
    const std::set<std::string> keyed(oldKeys.begin(), oldKeys.end());
    for (int i = 0; keyed.size() && i < m_tree.diskCount(); ++i) {
        TreeNode *disk = m_tree.disk(i);
        const std::string &file = disk->disk().FileName;
        const std::string key = oldReadingKey(file);
        const auto stamp = m_stamps.find(file);
        if (file.empty() || stamp == m_stamps.end() || !keyed.count(key))
            continue;
        ListingExtras extras = m_extras.Extras(file, stamp->second);
        if (!extras.count(EXTRA_READING))
            extras[EXTRA_READING] = GetSettingString(key);
        try {
            m_extras.Prepare(file, stamp->second, stamp->second, extras);
            RemoveSetting(key);
        } catch (const std::exception &) {
            // Kept where it is, and tried again at the next start.
        }
    }
}

} // namespace rkm
