#pragma once

// What a walk may learn of a file's contents beyond its name, size and date:
// a fingerprint of its bytes (XXH3-128) and a small picture (JPEG). Kept in
// the store beside the listing (ListingStore), keyed by the entry's path
// below the listing's root, never in the listing file.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

class TreeNode;

// XXH3-128 of a file's bytes.
struct Fingerprint {
    uint64_t low = 0, high = 0;
    bool operator==(const Fingerprint &) const = default;
    auto operator<=>(const Fingerprint &) const = default;
};
// As 32 hexadecimal digits, high half first (what `xxhsum -H2` prints).
std::string FingerprintText(const Fingerprint &f);
std::optional<Fingerprint> ParseFingerprintText(std::string_view text);

// What is known of one file entry's contents.
struct ContentRecord {
    // Below the listing's root: the stored names of the folders and the
    // file joined by '/', bytes as the listing holds them ("Photos/a.jpg").
    std::string path;
    uint64_t size = 0;          // of the file when it was read
    int64_t modifiedNs = 0;     // its modification time, nanoseconds since 1970
    std::optional<Fingerprint> fingerprint;
    std::string picture;        // a JPEG of at most 256 pixels on the long side, or empty
    // A picture the store keeps and was not read into memory: read without
    // pictures, the record says that there is one; an Update's record of an
    // unchanged file keeps it, and the store copies it from the listing the
    // Update replaces when the new one is written, so an Update of a hundred
    // thousand photos never holds their pictures.
    bool pictureKept = false;
};

// The records of one listing, in no particular order.
using ContentRecords = std::vector<ContentRecord>;

// Records handed to the store one after another, so that pictures need not
// all be held in memory at once (a walk keeps them in a temporary file).
class ContentSet {
public:
    virtual ~ContentSet() = default;
    virtual std::size_t size() const = 0;
    // Calls `fn` with each record, its picture read back as needed.
    virtual void forEach(const std::function<void(const ContentRecord &)> &fn) const = 0;
};
// Records held in memory.
class MemoryContents final : public ContentSet {
public:
    explicit MemoryContents(ContentRecords given = {}) : records(std::move(given)) {}
    std::size_t size() const override { return records.size(); }
    void forEach(const std::function<void(const ContentRecord &)> &fn) const override
    {
        for (const ContentRecord &r : records)
            fn(r);
    }
    ContentRecords records;
};

// The key of the file entry `entry` of the folder node `folder`: its path
// below the disk node (ContentRecord::path).
std::string ContentPath(const TreeNode &folder, int entry);
// The folder node and entry a path names below `disk`, or {nullptr, -1}.
struct EntryAt {
    TreeNode *folder = nullptr;
    int entry = -1;
};
EntryAt EntryOfPath(TreeNode &disk, std::string_view path);

// The fingerprint of the file open at `fd` from its current offset to its
// end, read in pieces of 64 KiB (bounded memory whatever its size). On a read
// error returns nullopt with `error` set to the system's error number.
// `bytesRead`, when given, is added to as it goes (several threads may share
// it); `stop`, when given and set, ends the read with error ECANCELED.
std::optional<Fingerprint> FingerprintOfFile(int fd, int &error, std::atomic<uint64_t> *bytesRead = nullptr,
                                             const std::atomic<bool> *stop = nullptr);

} // namespace rkm
