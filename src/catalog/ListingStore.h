#pragma once

#include "catalog/Contents.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace rkm {

// What tells one state of a listing file from another without reading it
// whole: its size and a 64-bit hash of its first and last 4 KiB. It travels
// with the file when the file is copied, which an inode or a date does not.
struct ListingStamp {
    uint64_t size = 0;
    uint64_t hash = 0;
    bool operator==(const ListingStamp &) const = default;
};
// The stamp of a listing held whole.
ListingStamp StampOf(std::string_view bytes);
// The stamp of a listing written piece by piece.
class StampBuilder final {
public:
    void add(std::string_view piece);
    ListingStamp stamp() const;

private:
    uint64_t m_size = 0;
    std::string m_head, m_tail;
};

// What Rackmere keeps about a listing that the listing file cannot hold, by
// key: the reading choices now ("reading"). An absent key is a value never
// given.
using ListingExtras = std::map<std::string, std::string>;

// An Update under way: its new listing file is written and recorded, its old
// one not yet deleted. A writer killed between the two leaves this behind;
// the next writer deletes the old file.
struct PendingReplace {
    std::string oldFile, newFile;
};
// An Update about to claim its new listing's name: the listing it replaces
// and the stamp of the new file. A writer killed before the new file was
// recorded leaves this behind; the next writer deletes a file of that stamp
// the store knows nothing of, and the old listing stays.
struct IntendedReplace {
    std::string oldFile;
    ListingStamp stamp;
};
// The stamp of a listing file on the disk (nullopt when it cannot be read).
std::optional<ListingStamp> StampOfFile(const std::string &path);
inline constexpr char EXTRA_READING[] = "reading";
// When the listing's disk was last read (Add new, Update): UTC, ISO 8601.
inline constexpr char EXTRA_READ_AT[] = "read";
// The volume the listing's disk was read from, when Add new or Update last
// read it: its file system UUID, label, file system type and size in bytes
// (each absent when not known). The UUID, not the label, tells a disk again.
inline constexpr char EXTRA_VOLUME_UUID[] = "volume-uuid";
inline constexpr char EXTRA_VOLUME_LABEL[] = "volume-label";
inline constexpr char EXTRA_VOLUME_FS[] = "volume-fs";
inline constexpr char EXTRA_VOLUME_SIZE[] = "volume-size";

// The store beside the listings of a catalogue folder: one SQLite file,
// "Rackmere.db", with a row per listing file and what is kept about it (the
// tables are in docs/STORE.md). A row holds the stamp of its listing file
// (and, while a save is under way, the stamp of the file about to take its
// place); its extras count only for a file that has one of them, so a
// listing file copied or written in behind the store's back never takes
// another listing's extras. Only the holder of the writer lock writes; a
// program that reads opens it read-only, and a folder without the file has
// no extras. The rollback journal, not a write-ahead log, so that the folder
// may sit on a network share.
class ListingStore final {
public:
    static constexpr char FILE_NAME[] = "Rackmere.db";

    explicit ListingStore(std::string programDir);
    ~ListingStore();
    ListingStore(const ListingStore &) = delete;
    ListingStore &operator=(const ListingStore &) = delete;

    // The extras of listing file `file` in the state `stamp`; empty when the
    // store has none for it (or cannot be read: the listing still loads).
    ListingExtras Extras(const std::string &file, const ListingStamp &stamp);

    // A new listing file `file` (whose name was just claimed) with `extras`:
    // any row left under that name goes. When it `replaces` another listing
    // file, that is recorded in the same step as pending until Remove of
    // either file. Throws RackmereError.
    // `contents`, when given, are the listing's fingerprints and pictures,
    // written in the same transaction.
    void Put(const std::string &file, const ListingStamp &stamp, const ListingExtras &extras,
             const std::string &replaces = {}, const ContentSet *contents = nullptr);

    // What is kept of the contents of the files of listing file `file` in
    // the state `stamp` (none when the store has nothing for it); pictures
    // only when `withPictures`; only the record of the entry at `path` when
    // one is given.
    ContentRecords Contents(const std::string &file, const ListingStamp &stamp, bool withPictures = false,
                            std::optional<std::string_view> path = std::nullopt);
    // Whether any file of the listing has a fingerprint kept.
    bool HasFingerprints(const std::string &file, const ListingStamp &stamp);
    // The picture kept for the entry at `path` (ContentRecord::path), or
    // nullopt.
    std::optional<std::string> Picture(const std::string &file, const ListingStamp &stamp, std::string_view path);
    // The listing files and paths whose fingerprint is `fingerprint`, among
    // the files of `valid` in the state it gives (the listings loaded).
    struct Held {
        std::string file, path;
        uint64_t size = 0;
    };
    std::vector<Held> Holding(const Fingerprint &fingerprint, const std::map<std::string, ListingStamp> &valid);
    // The bytes the store takes for the contents of a listing file, about.
    uint64_t ContentRoom(const std::string &file, const ListingStamp &stamp);
    // A listing file about to be written again under its name: the file in
    // the state `now` keeps its extras (replaced by `extras` when given), and
    // so does the file in the state `next` that is about to take its place,
    // so a save cut short at any moment leaves the listing its extras. When
    // the store holds nothing for the file and no extras are given, nothing
    // is written. Throws RackmereError.
    void Prepare(const std::string &file, const std::optional<ListingStamp> &now, const ListingStamp &next,
                 const std::optional<ListingExtras> &extras);
    // The listing file `file` is gone; its extras go too, and any replace
    // pending with it. A failure is let pass: a row whose file is gone is
    // never read, and the next Tidy drops it.
    void Remove(const std::string &file) noexcept;
    // Records, before its name is claimed, the new listing of an Update that
    // replaces `replaces`; Put of the new file (with `replaces`) or
    // ForgetIntent ends it. Throws RackmereError.
    void Intend(const std::string &replaces, const ListingStamp &stamp);
    std::vector<IntendedReplace> Intended();
    void ForgetIntent(const std::string &replaces) noexcept;
    // The replaces recorded by Put and not yet finished (none when the store
    // cannot be read).
    std::vector<PendingReplace> Pending();
    // Drops the rows of listing files not among `present`. Best effort.
    void Tidy(const std::vector<std::string> &present) noexcept;

    // The listing files the store keeps rows for, in name order.
    std::vector<std::string> Files();

    // Whether the store file is there at all (a catalogue never written by
    // this program, or copied without it, has none).
    bool Exists() const;
    // Why the last read could not be made (empty when it could).
    const std::string &readProblem() const { return m_readProblem; }

    std::string Path() const;
    // Set for the holder of the writer lock: reads, too, roll back what a
    // writer killed in a transaction left.
    void setWriter(bool writer) { m_writer = writer; }

private:
    // Opens the store for reading (false when there is none) or for writing
    // (made when missing). A file that is not a store is put aside under
    // another name when written, so that the listings can still be saved.
    bool open(bool write);
    void writeExtras(int64_t id, const ListingExtras &extras);
    // Whether the open store has the table of contents (a store made by an
    // earlier version has none until a writer adds it). Once seen, it is
    // not looked for again on this connection: tables are never dropped.
    bool hasContentTable();

    std::string m_dir;
    sqlite3 *m_db = nullptr;
    bool m_writable = false;
    bool m_writer = false;
    bool m_hasContent = false;
    std::string m_readProblem;
};

} // namespace rkm
