#include "catalog/ListingStore.h"

#include "catalog/Errors.h"
#include "platform/Translated.h"
#include "platform/UniqueFd.h"

#include <sqlite3.h>
#include <xxhash.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <set>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace rkm {

namespace {

constexpr std::size_t kStampPart = 4096;

// One prepared statement, finalised when it goes.
class Statement final {
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            throw RackmereError(sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bind(int i, int64_t v)
    {
        sqlite3_bind_int64(m_stmt, i, v);
        return *this;
    }
    Statement &bind(int i, std::string_view v)
    {
        sqlite3_bind_text(m_stmt, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement &bindBlob(int i, std::string_view v)
    {
        sqlite3_bind_blob64(m_stmt, i, v.data(), v.size(), SQLITE_TRANSIENT);
        return *this;
    }
    Statement &bindNull(int i)
    {
        sqlite3_bind_null(m_stmt, i);
        return *this;
    }
    void reset()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    std::string blob(int col) const
    {
        const auto *p = static_cast<const char *>(sqlite3_column_blob(m_stmt, col));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, col))) : std::string();
    }
    // True while there is a row.
    bool step()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw RackmereError(sqlite3_errmsg(sqlite3_db_handle(m_stmt)));
        return false;
    }
    int64_t integer(int col) const { return sqlite3_column_int64(m_stmt, col); }
    bool isNull(int col) const { return sqlite3_column_type(m_stmt, col) == SQLITE_NULL; }
    std::string text(int col) const
    {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, col));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, col))) : std::string();
    }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

// A write transaction: committed by commit(), else rolled back.
class Transaction final {
public:
    explicit Transaction(sqlite3 *db) : m_db(db) { run("BEGIN IMMEDIATE"); }
    ~Transaction()
    {
        if (!m_done)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void commit()
    {
        run("COMMIT");
        m_done = true;
    }

private:
    void run(const char *sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw RackmereError(sqlite3_errmsg(m_db));
    }
    sqlite3 *m_db;
    bool m_done = false;
};

// A listing row as the store holds it.
struct Row {
    int64_t id = 0;
    ListingStamp stamp;
    std::optional<ListingStamp> next;
    bool holds(const ListingStamp &s) const { return stamp == s || next == s; }
};

std::optional<Row> rowOf(sqlite3 *db, const std::string &file)
{
    Statement q(db, "SELECT id, size, stamp, next_size, next_stamp FROM listing WHERE file = ?");
    q.bind(1, file);
    if (!q.step())
        return std::nullopt;
    Row r;
    r.id = q.integer(0);
    r.stamp = {static_cast<uint64_t>(q.integer(1)), static_cast<uint64_t>(q.integer(2))};
    if (!q.isNull(3))
        r.next = ListingStamp{static_cast<uint64_t>(q.integer(3)), static_cast<uint64_t>(q.integer(4))};
    return r;
}

// Whether the store has the table `name` (one made by an earlier version
// may lack those added since).
bool hasTable(sqlite3 *db, const char *name)
{
    Statement q(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    q.bind(1, std::string_view(name));
    return q.step();
}

void deleteRow(sqlite3 *db, int64_t id)
{
    Statement(db, "DELETE FROM extra WHERE listing = ?").bind(1, id).step();
    if (hasTable(db, "content"))
        Statement(db, "DELETE FROM content WHERE listing = ?").bind(1, id).step();
    Statement(db, "DELETE FROM listing WHERE id = ?").bind(1, id).step();
}

int64_t asColumn(uint64_t v)
{
    return static_cast<int64_t>(v);
}

} // namespace

ListingStamp StampOf(std::string_view bytes)
{
    StampBuilder b;
    b.add(bytes);
    return b.stamp();
}

void StampBuilder::add(std::string_view piece)
{
    m_size += piece.size();
    if (m_head.size() < kStampPart)
        m_head.append(piece.substr(0, kStampPart - m_head.size()));
    if (piece.size() >= kStampPart) {
        m_tail.assign(piece.substr(piece.size() - kStampPart));
    } else {
        m_tail.append(piece);
        if (m_tail.size() > kStampPart)
            m_tail.erase(0, m_tail.size() - kStampPart);
    }
}

ListingStamp StampBuilder::stamp() const
{
    XXH3_state_t *state = XXH3_createState();
    XXH3_64bits_reset(state);
    XXH3_64bits_update(state, m_head.data(), m_head.size());
    XXH3_64bits_update(state, m_tail.data(), m_tail.size());
    const uint64_t hash = XXH3_64bits_digest(state);
    XXH3_freeState(state);
    return {m_size, hash};
}

ListingStore::ListingStore(std::string programDir) : m_dir(std::move(programDir))
{
    if (!m_dir.empty() && m_dir.back() != '/')
        m_dir.push_back('/');
}

ListingStore::~ListingStore()
{
    if (m_db)
        sqlite3_close(m_db);
}

std::string ListingStore::Path() const
{
    return m_dir + FILE_NAME;
}

bool ListingStore::Exists() const
{
    struct stat st {};
    return ::lstat(Path().c_str(), &st) == 0;
}

bool ListingStore::hasContentTable()
{
    if (!m_hasContent)
        m_hasContent = hasTable(m_db, "content");
    return m_hasContent;
}

bool ListingStore::open(bool write)
{
    if (m_db && (m_writable || !(write || m_writer)))
        return true;
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
        m_hasContent = false;
    }
    const std::string path = Path();
    struct stat st {};
    const bool there = ::lstat(path.c_str(), &st) == 0;
    if (!write && !there)
        return false;
    // The writer reads through a connection that may write: a writer killed
    // in a transaction leaves a journal that only such a one rolls back.
    write = write || m_writer;
    // Only a regular file is opened: a FIFO or a device under the name would
    // block or never end.
    bool putAside = there && !S_ISREG(st.st_mode);
    if (putAside && !write) {
        m_readProblem = Utf8(rkm::Core::tr("%1 is not a regular file"), {path});
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (putAside) {
            // Not a store: kept under another name for whoever wants to look
            // at it, and a new one is made, so the listings can be saved.
            const std::string aside = path + ".damaged-" + std::to_string(std::time(nullptr));
            if (::rename(path.c_str(), aside.c_str()) != 0)
                throw RackmereError(Utf8(rkm::Core::tr("Cannot put aside the damaged store %1: %2"),
                                         {path, std::strerror(errno)}));
            putAside = false;
        }
        const int flags = write ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
        int rc = sqlite3_open_v2(path.c_str(), &m_db, flags | SQLITE_OPEN_NOFOLLOW, nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_busy_timeout(m_db, 10000);
            rc = sqlite3_exec(m_db,
                              write ? "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;"
                                      "CREATE TABLE IF NOT EXISTS listing(id INTEGER PRIMARY KEY, "
                                      "file TEXT NOT NULL UNIQUE, size INTEGER NOT NULL, stamp INTEGER NOT NULL, "
                                      "next_size INTEGER, next_stamp INTEGER);"
                                      "CREATE TABLE IF NOT EXISTS extra(listing INTEGER NOT NULL, key TEXT NOT NULL, "
                                      "value TEXT NOT NULL, PRIMARY KEY(listing, key)) WITHOUT ROWID;"
                                      "CREATE TABLE IF NOT EXISTS pending(kind TEXT NOT NULL, "
                                      "old_file TEXT NOT NULL PRIMARY KEY, new_file TEXT NOT NULL, new_size INTEGER, "
                                      "new_stamp INTEGER);"
                                      "CREATE TABLE IF NOT EXISTS content(listing INTEGER NOT NULL, "
                                      "path BLOB NOT NULL, size INTEGER NOT NULL, modified INTEGER NOT NULL, "
                                      "hash_low INTEGER, hash_high INTEGER, picture BLOB, PRIMARY KEY(listing, path));"
                                      "CREATE INDEX IF NOT EXISTS content_hash ON content(hash_high, hash_low);"
                                      "PRAGMA user_version=1;"
                                    : "SELECT count(*) FROM listing",
                              nullptr, nullptr, nullptr);
        }
        if (rc == SQLITE_OK) {
            m_writable = write;
            return true;
        }
        const std::string why = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        const int code = m_db ? sqlite3_extended_errcode(m_db) & 0xff : rc;
        sqlite3_close(m_db);
        m_db = nullptr;
        if (!write) {
            m_readProblem = path + ": " + why;
            return false;
        }
        if (code != SQLITE_NOTADB && code != SQLITE_CORRUPT)
            throw RackmereError(Utf8(rkm::Core::tr("Cannot write the store %1: %2"), {path, why}));
        putAside = true;
    }
    throw RackmereError(Utf8(rkm::Core::tr("Cannot write the store %1"), {path}));
}

ListingExtras ListingStore::Extras(const std::string &file, const ListingStamp &stamp)
{
    ListingExtras extras;
    m_readProblem.clear();
    try {
        if (!open(false))
            return extras;
        const std::optional<Row> row = rowOf(m_db, file);
        if (!row || !row->holds(stamp))
            return extras;
        Statement q(m_db, "SELECT key, value FROM extra WHERE listing = ?");
        q.bind(1, row->id);
        while (q.step())
            extras[q.text(0)] = q.text(1);
    } catch (const RackmereError &e) {
        m_readProblem = Path() + ": " + e.what();
        extras.clear();
    }
    return extras;
}

std::vector<std::string> ListingStore::Files()
{
    std::vector<std::string> files;
    if (!open(false))
        return files;
    Statement q(m_db, "SELECT file FROM listing ORDER BY file");
    while (q.step())
        files.push_back(q.text(0));
    return files;
}

void ListingStore::writeExtras(int64_t id, const ListingExtras &extras)
{
    Statement(m_db, "DELETE FROM extra WHERE listing = ?").bind(1, id).step();
    for (const auto &[key, value] : extras) {
        Statement ins(m_db, "INSERT INTO extra(listing, key, value) VALUES (?, ?, ?)");
        ins.bind(1, id).bind(2, key).bind(3, value).step();
    }
}

void ListingStore::Put(const std::string &file, const ListingStamp &stamp, const ListingExtras &extras,
                       const std::string &replaces, const ContentSet *contents)
{
    open(true);
    Transaction t(m_db);
    if (!replaces.empty()) {
        Statement ins(m_db, "INSERT OR REPLACE INTO pending(kind, old_file, new_file) VALUES ('replace', ?, ?)");
        ins.bind(1, replaces).bind(2, file).step();
    }
    if (const std::optional<Row> old = rowOf(m_db, file))
        deleteRow(m_db, old->id);
    // Where the pictures kept across an Update are copied from.
    const std::optional<Row> replaced = replaces.empty() ? std::nullopt : rowOf(m_db, replaces);
    Statement ins(m_db, "INSERT INTO listing(file, size, stamp) VALUES (?, ?, ?)");
    ins.bind(1, file).bind(2, asColumn(stamp.size)).bind(3, asColumn(stamp.hash)).step();
    const int64_t id = sqlite3_last_insert_rowid(m_db);
    writeExtras(id, extras);
    if (contents && contents->size() > 0) {
        Statement put(m_db, "INSERT OR REPLACE INTO content(listing, path, size, modified, hash_low, hash_high, "
                            "picture) VALUES (?, ?, ?, ?, ?, ?, ?)");
        Statement copy(m_db, "UPDATE content SET picture = (SELECT picture FROM content WHERE listing = ? AND "
                             "path = ?) WHERE listing = ? AND path = ?");
        contents->forEach([&](const ContentRecord &r) {
            put.reset();
            put.bind(1, id).bindBlob(2, r.path).bind(3, asColumn(r.size)).bind(4, r.modifiedNs);
            if (r.fingerprint)
                put.bind(5, asColumn(r.fingerprint->low)).bind(6, asColumn(r.fingerprint->high));
            if (!r.picture.empty())
                put.bindBlob(7, r.picture);
            put.step();
            if (r.pictureKept && r.picture.empty() && replaced) {
                copy.reset();
                copy.bind(1, replaced->id).bindBlob(2, r.path).bind(3, id).bindBlob(4, r.path).step();
            }
        });
    }
    t.commit();
}

ContentRecords ListingStore::Contents(const std::string &file, const ListingStamp &stamp, bool withPictures,
                                     std::optional<std::string_view> path)
{
    ContentRecords out;
    m_readProblem.clear();
    try {
        if (!open(false) || !hasContentTable())
            return out;
        const std::optional<Row> row = rowOf(m_db, file);
        if (!row || !row->holds(stamp))
            return out;
        std::string sql = withPictures ? "SELECT path, size, modified, hash_low, hash_high, picture FROM content "
                                       : "SELECT path, size, modified, hash_low, hash_high, picture IS NOT NULL "
                                         "FROM content ";
        sql += path ? "WHERE listing = ? AND path = ?" : "WHERE listing = ?";
        Statement q(m_db, sql.c_str());
        if (path)
            q.bindBlob(2, *path);
        q.bind(1, row->id);
        while (q.step()) {
            ContentRecord r;
            r.path = q.blob(0);
            r.size = static_cast<uint64_t>(q.integer(1));
            r.modifiedNs = q.integer(2);
            if (!q.isNull(3))
                r.fingerprint = Fingerprint{static_cast<uint64_t>(q.integer(3)), static_cast<uint64_t>(q.integer(4))};
            if (withPictures)
                r.picture = q.blob(5);
            else
                r.pictureKept = q.integer(5) != 0;
            out.push_back(std::move(r));
        }
    } catch (const RackmereError &e) {
        m_readProblem = Path() + ": " + e.what();
        out.clear();
    }
    return out;
}

bool ListingStore::HasFingerprints(const std::string &file, const ListingStamp &stamp)
{
    try {
        if (!open(false) || !hasContentTable())
            return false;
        const std::optional<Row> row = rowOf(m_db, file);
        if (!row || !row->holds(stamp))
            return false;
        Statement q(m_db, "SELECT 1 FROM content WHERE listing = ? AND hash_low IS NOT NULL LIMIT 1");
        q.bind(1, row->id);
        return q.step();
    } catch (const RackmereError &e) {
        m_readProblem = Path() + ": " + e.what();
    }
    return false;
}

std::optional<std::string> ListingStore::Picture(const std::string &file, const ListingStamp &stamp,
                                                 std::string_view path)
{
    try {
        if (!open(false) || !hasContentTable())
            return std::nullopt;
        const std::optional<Row> row = rowOf(m_db, file);
        if (!row || !row->holds(stamp))
            return std::nullopt;
        Statement q(m_db, "SELECT picture FROM content WHERE listing = ? AND path = ? AND picture IS NOT NULL");
        q.bind(1, row->id).bindBlob(2, path);
        if (q.step())
            return q.blob(0);
    } catch (const RackmereError &e) {
        m_readProblem = Path() + ": " + e.what();
    }
    return std::nullopt;
}

std::vector<ListingStore::Held> ListingStore::Holding(const Fingerprint &fingerprint,
                                                      const std::map<std::string, ListingStamp> &valid)
{
    std::vector<Held> out;
    try {
        if (!open(false) || !hasContentTable())
            return out;
        Statement q(m_db, "SELECT l.file, l.size, l.stamp, l.next_size, l.next_stamp, c.path, c.size "
                          "FROM content c JOIN listing l ON l.id = c.listing "
                          "WHERE c.hash_high = ? AND c.hash_low = ? ORDER BY l.file, c.path");
        q.bind(1, asColumn(fingerprint.high)).bind(2, asColumn(fingerprint.low));
        while (q.step()) {
            Row r;
            r.stamp = {static_cast<uint64_t>(q.integer(1)), static_cast<uint64_t>(q.integer(2))};
            if (!q.isNull(3))
                r.next = ListingStamp{static_cast<uint64_t>(q.integer(3)), static_cast<uint64_t>(q.integer(4))};
            const std::string file = q.text(0);
            const auto v = valid.find(file);
            if (v == valid.end() || !r.holds(v->second))
                continue;
            out.push_back({file, q.blob(5), static_cast<uint64_t>(q.integer(6))});
        }
    } catch (const RackmereError &e) {
        m_readProblem = Path() + ": " + e.what();
        out.clear();
    }
    return out;
}

uint64_t ListingStore::ContentRoom(const std::string &file, const ListingStamp &stamp)
{
    try {
        if (!open(false))
            return 0;
        const std::optional<Row> row = rowOf(m_db, file);
        if (!row || !row->holds(stamp))
            return 0;
        // The bytes of the values, and about 40 a row for its numbers and
        // the table's own keeping.
        uint64_t room = 0;
        {
            Statement q(m_db, "SELECT count(*), total(length(key) + length(value)) FROM extra WHERE listing = ?");
            q.bind(1, row->id);
            if (q.step())
                room += static_cast<uint64_t>(q.integer(0)) * 40 + static_cast<uint64_t>(q.integer(1));
        }
        if (hasContentTable()) {
            Statement q(m_db, "SELECT count(*), total(length(path) + ifnull(length(picture), 0)) FROM content "
                              "WHERE listing = ?");
            q.bind(1, row->id);
            if (q.step())
                room += static_cast<uint64_t>(q.integer(0)) * 40 + static_cast<uint64_t>(q.integer(1));
        }
        return room;
    } catch (const RackmereError &e) {
        m_readProblem = Path() + ": " + e.what();
        return 0;
    }
}

void ListingStore::Prepare(const std::string &file, const std::optional<ListingStamp> &now, const ListingStamp &next,
                           const std::optional<ListingExtras> &extras)
{
    if (!extras && !Exists())
        return; // nothing kept, nothing to keep
    open(true);
    Transaction t(m_db);
    std::optional<Row> row = rowOf(m_db, file);
    // A row left by another listing of that name holds nothing of this one.
    if (row && !(now && row->holds(*now))) {
        deleteRow(m_db, row->id);
        row.reset();
    }
    if (!row && !extras) {
        t.commit();
        return;
    }
    const ListingStamp current = now.value_or(next);
    int64_t id = 0;
    if (row) {
        id = row->id;
        Statement up(m_db, "UPDATE listing SET size = ?, stamp = ?, next_size = ?, next_stamp = ? WHERE id = ?");
        up.bind(1, asColumn(current.size)).bind(2, asColumn(current.hash));
        up.bind(3, asColumn(next.size)).bind(4, asColumn(next.hash)).bind(5, id).step();
    } else {
        Statement ins(m_db, "INSERT INTO listing(file, size, stamp, next_size, next_stamp) VALUES (?, ?, ?, ?, ?)");
        ins.bind(1, file).bind(2, asColumn(current.size)).bind(3, asColumn(current.hash));
        ins.bind(4, asColumn(next.size)).bind(5, asColumn(next.hash)).step();
        id = sqlite3_last_insert_rowid(m_db);
    }
    if (extras)
        writeExtras(id, *extras);
    t.commit();
}

void ListingStore::Intend(const std::string &replaces, const ListingStamp &stamp)
{
    open(true);
    Transaction t(m_db);
    Statement ins(m_db, "INSERT OR REPLACE INTO pending(kind, old_file, new_file, new_size, new_stamp) "
                        "VALUES ('writing', ?, '', ?, ?)");
    ins.bind(1, replaces).bind(2, asColumn(stamp.size)).bind(3, asColumn(stamp.hash)).step();
    t.commit();
}

std::vector<IntendedReplace> ListingStore::Intended()
{
    std::vector<IntendedReplace> out;
    try {
        if (!open(false))
            return out;
        Statement q(m_db, "SELECT old_file, new_size, new_stamp FROM pending WHERE kind = 'writing'");
        while (q.step())
            out.push_back({q.text(0), {static_cast<uint64_t>(q.integer(1)), static_cast<uint64_t>(q.integer(2))}});
    } catch (const std::exception &) {
        // Read as nothing intended.
    }
    return out;
}

void ListingStore::ForgetIntent(const std::string &replaces) noexcept
{
    try {
        if (!Exists())
            return;
        open(true);
        Transaction t(m_db);
        Statement(m_db, "DELETE FROM pending WHERE old_file = ? AND kind = 'writing'").bind(1, replaces).step();
        t.commit();
    } catch (const std::exception &) {
        // The next writer finds no file of its stamp and drops it.
    }
}

std::optional<ListingStamp> StampOfFile(const std::string &path)
{
    const platform::UniqueFd file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid())
        return std::nullopt;
    const int fd = file.get();
    struct stat st {};
    std::optional<ListingStamp> out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const auto size = static_cast<uint64_t>(st.st_size);
        const auto readAt = [fd](uint64_t at, std::size_t count, std::string &to) {
            to.resize(count);
            std::size_t got = 0;
            while (got < count) {
                const ssize_t n = ::pread(fd, to.data() + got, count - got, static_cast<off_t>(at + got));
                if (n <= 0)
                    return false;
                got += static_cast<std::size_t>(n);
            }
            return true;
        };
        std::string head, tail;
        if (size <= 2 * kStampPart) {
            if (readAt(0, static_cast<std::size_t>(size), head))
                out = StampOf(head);
        } else if (readAt(0, kStampPart, head) && readAt(size - kStampPart, kStampPart, tail)) {
            // The builder sees the middle as passing through: only the size counts.
            StampBuilder b;
            b.add(head);
            b.add(std::string_view(tail));
            ListingStamp s = b.stamp();
            s.size = size;
            out = s;
        }
    }
    return out;
}

void ListingStore::Remove(const std::string &file) noexcept
{
    try {
        if (!Exists())
            return;
        open(true);
        Transaction t(m_db);
        if (const std::optional<Row> row = rowOf(m_db, file))
            deleteRow(m_db, row->id);
        Statement(m_db, "DELETE FROM pending WHERE old_file = ? OR new_file = ?").bind(1, file).bind(2, file).step();
        t.commit();
    } catch (const std::exception &) {
        // Never read again: the stamp of a later file of that name differs.
    }
}

std::vector<PendingReplace> ListingStore::Pending()
{
    std::vector<PendingReplace> out;
    try {
        if (!open(false))
            return out;
        // A store of an earlier version has no such table: nothing pending.
        sqlite3_stmt *probe = nullptr;
        if (sqlite3_prepare_v2(m_db, "SELECT old_file, new_file FROM pending WHERE kind = 'replace'", -1, &probe,
                               nullptr) != SQLITE_OK) {
            sqlite3_finalize(probe);
            return out;
        }
        sqlite3_finalize(probe);
        Statement q(m_db, "SELECT old_file, new_file FROM pending WHERE kind = 'replace' ORDER BY old_file");
        while (q.step())
            out.push_back({q.text(0), q.text(1)});
    } catch (const std::exception &) {
        // Read as nothing pending; the writer tries again at its next start.
    }
    return out;
}

void ListingStore::Tidy(const std::vector<std::string> &present) noexcept
{
    try {
        if (!Exists())
            return;
        open(true);
        const std::set<std::string> keep(present.begin(), present.end());
        Transaction t(m_db);
        std::vector<int64_t> gone;
        {
            Statement q(m_db, "SELECT id, file FROM listing");
            while (q.step())
                if (!keep.count(q.text(1)))
                    gone.push_back(q.integer(0));
        }
        for (int64_t id : gone)
            deleteRow(m_db, id);
        t.commit();
    } catch (const std::exception &) {
        // Tried again at the next start.
    }
}

} // namespace rkm
