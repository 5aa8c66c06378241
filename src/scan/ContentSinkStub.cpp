// A stand-in ContentSink that holds every record, pictures too, in memory,
// and a plain CompareContents, so the desktop program links before the real
// ones (pictures in a temporary file) arrive. It keeps the declared
// behaviour of ContentReading.h and Verify.h.
#include "scan/ContentReading.h"
#include "scan/Verify.h"

#include <algorithm>
#include <cstring>

namespace rkm {

namespace {
std::mutex g_heldMutex;
std::map<const void *, std::vector<std::string>> g_held;

std::vector<std::string> &HeldPictures(const void *sink)
{
    const std::lock_guard lock(g_heldMutex);
    return g_held[sink];
}
} // namespace

ContentSink::ContentSink(ContentRecords previous, bool reread) : m_previous(std::move(previous)), m_reread(reread)
{
    for (const ContentRecord &r : m_previous)
        m_previousByPath.emplace(r.path, &r);
}

ContentSink::~ContentSink()
{
    const std::lock_guard lock(g_heldMutex);
    g_held.erase(this);
}

const ContentRecord *ContentSink::unchanged(std::string_view path, uint64_t size, int64_t modifiedNs) const
{
    if (m_reread)
        return nullptr;
    const auto it = m_previousByPath.find(path);
    if (it == m_previousByPath.end() || it->second->size != size || it->second->modifiedNs != modifiedNs)
        return nullptr;
    return it->second;
}

void ContentSink::add(ContentRecord record)
{
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> &pictures = HeldPictures(this);
    Stored stored;
    stored.pictureAt = pictures.size();
    stored.pictureBytes = static_cast<uint32_t>(record.picture.size());
    pictures.push_back(std::move(record.picture));
    record.picture.clear();
    stored.record = std::move(record);
    m_records.push_back(std::move(stored));
}

void ContentSink::unreadable(std::string path, int error)
{
    const std::lock_guard lock(m_mutex);
    m_unreadable.push_back({std::move(path), error});
}

std::size_t ContentSink::size() const
{
    const std::lock_guard lock(m_mutex);
    return m_records.size();
}

void ContentSink::forEach(const std::function<void(const ContentRecord &)> &fn) const
{
    const std::lock_guard lock(m_mutex);
    const std::vector<std::string> &pictures = HeldPictures(this);
    for (const Stored &s : m_records) {
        ContentRecord r = s.record;
        r.picture = pictures[s.pictureAt];
        fn(r);
    }
}

std::vector<UnreadableFile> ContentSink::unreadableFiles() const
{
    const std::lock_guard lock(m_mutex);
    std::vector<UnreadableFile> files = m_unreadable;
    std::sort(files.begin(), files.end(), [](const auto &a, const auto &b) { return a.path < b.path; });
    return files;
}

uint64_t ContentSink::keptUnread() const
{
    const std::lock_guard lock(m_mutex);
    return m_keptUnread;
}

std::vector<ContentChange> CompareContents(const ContentRecords &kept, const ContentSink &read)
{
    std::unordered_map<std::string_view, const ContentRecord *> byPath;
    for (const ContentRecord &r : kept)
        if (r.fingerprint)
            byPath.emplace(r.path, &r);
    std::vector<ContentChange> changes;
    read.forEach([&](const ContentRecord &r) {
        const auto it = byPath.find(r.path);
        if (it == byPath.end() || !r.fingerprint)
            return;
        const ContentRecord &k = *it->second;
        if (k.size == r.size && k.modifiedNs == r.modifiedNs && *k.fingerprint != *r.fingerprint)
            changes.push_back({r.path, 0});
    });
    for (const UnreadableFile &f : read.unreadableFiles())
        changes.push_back({f.path, f.error});
    std::sort(changes.begin(), changes.end(), [](const auto &a, const auto &b) { return a.path < b.path; });
    return changes;
}

std::string ContentChangeText(const ContentChange &change)
{
    if (change.error == 0)
        return "changed contents: a bit error or a silent overwrite";
    return std::string("could not be read: ") + std::strerror(change.error);
}

} // namespace rkm
