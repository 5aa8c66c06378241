#pragma once

// What a walk reads of its files' contents (ScanOptions::fingerprints and
// ::pictures), collected from all its threads and handed to the store with
// the listing (CatalogStore::AddListing, ReplaceListing).

#include "catalog/Contents.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rkm {

// A file whose contents could not be read, and the system's reason.
struct UnreadableFile {
    std::string path; // as ContentRecord::path
    int error = 0;    // errno
};

// Collects the records of one walk. Every method may be called from any
// thread of the walk. Pictures are kept in an unnamed temporary file, not in
// memory, so a walk of a hundred thousand photos holds only their places.
class ContentSink final : public ContentSet {
public:
    // `previous`: what the store holds of the listing an Update replaces. A
    // file whose size and modification time are those of its record keeps
    // the record's fingerprint and picture without being read again, unless
    // `reread` (Update --reread, Verify).
    explicit ContentSink(ContentRecords previous = {}, bool reread = false);
    ~ContentSink() override;
    ContentSink(const ContentSink &) = delete;
    ContentSink &operator=(const ContentSink &) = delete;

    // The previous record of a file with this path, size and time, or null
    // (always null when re-reading).
    const ContentRecord *unchanged(std::string_view path, uint64_t size, int64_t modifiedNs) const;

    // A record read (or kept) for a file. Its picture is moved to the
    // temporary file. Throws RackmereError when that cannot be written.
    // `kept`: it holds a previous fingerprint or picture that was not read
    // again (counted by keptUnread).
    void add(ContentRecord record, bool kept = false);
    void unreadable(std::string path, int error);

    std::size_t size() const override;
    void forEach(const std::function<void(const ContentRecord &)> &fn) const override;
    // The files that could not be read, by path.
    std::vector<UnreadableFile> unreadableFiles() const;
    // How many records kept a previous fingerprint or picture unread.
    uint64_t keptUnread() const;

private:
    struct Stored {
        ContentRecord record; // picture empty
        uint64_t pictureAt = 0;
        uint32_t pictureBytes = 0;
    };
    std::unordered_map<std::string_view, const ContentRecord *> m_previousByPath;
    ContentRecords m_previous;
    bool m_reread;
    mutable std::mutex m_mutex;
    std::vector<Stored> m_records;
    std::vector<UnreadableFile> m_unreadable;
    uint64_t m_keptUnread = 0;
    int m_pictureFd = -1;
    uint64_t m_pictureEnd = 0;
};

} // namespace rkm
