// The writing side of the search index: each listing's records and name
// trigrams into an index file (IndexFormat.h), refreshed from the listing
// files or from a loaded catalogue, and kept up to date on a thread of its
// own for the desktop program.
#include "search/IndexWriter.h"

#include "catalog/Disks.h"
#include "catalog/ListingFile.h"
#include "catalog/ListingStore.h"
#include "platform/Text.h"
#include "platform/TextValues.h"
#include "search/IndexFormat.h"
#include "search/SearchIndex.h"

#include <zstd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <cstring>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>
#include <thread>
#include <unordered_map>
#include <system_error>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace rkm::index {

namespace {

constexpr char INDEX_TEMPORARY_PREFIX[] = ".rackmere-idx-";
// Longer than a tick of the clock that file times are taken from.
constexpr int64_t RECENT_NS = 25000000;

struct CctxFree {
    void operator()(ZSTD_CCtx *c) const { ZSTD_freeCCtx(c); }
};
struct CdictFree {
    void operator()(ZSTD_CDict *c) const { ZSTD_freeCDict(c); }
};
constexpr int LEVEL = 3;

// Builds the index of one listing walked in search order.
class IndexBuilder final {
public:
    IndexBuilder() : m_cctx(ZSTD_createCCtx())
    {
        if (!m_cctx)
            throw std::bad_alloc();
        ZSTD_CCtx_setParameter(m_cctx.get(), ZSTD_c_compressionLevel, LEVEL);
        ZSTD_CCtx_setParameter(m_cctx.get(), ZSTD_c_checksumFlag, 1);
    }

    std::string build(const TreeNode &disk, const ListingIdentity &identity)
    {
        platform::DateOrderGuess guess(platform::DateOrder::YearMonthDay);
        m_guess = &guess;
        m_diskName = disk.text();
        walk(disk, 0);
        closeBlock();
        const std::string dictionary = sampleDictionary();
        std::unique_ptr<ZSTD_CDict, CdictFree> cdict;
        if (!dictionary.empty()) {
            cdict.reset(ZSTD_createCDict(dictionary.data(), dictionary.size(), LEVEL));
            if (!cdict)
                throw std::bad_alloc();
            ZSTD_CCtx_refCDict(m_cctx.get(), cdict.get());
        }
        std::string blockTable, blockData;
        for (const std::string &raw : m_rawBlocks) {
            const std::string frame = compress(raw);
            PutU64(blockTable, blockData.size());
            PutU32(blockTable, static_cast<uint32_t>(frame.size()));
            PutU32(blockTable, static_cast<uint32_t>(raw.size()));
            blockData += frame;
        }
        ZSTD_CCtx_refCDict(m_cctx.get(), nullptr);

        // Postings: per trigram in key order, its blocks in order.
        std::vector<std::pair<uint32_t, uint32_t>> keys(m_slots.begin(), m_slots.end());
        std::sort(keys.begin(), keys.end());
        std::string trigrams, postings;
        const std::size_t bitmapBytes = (m_rawBlocks.size() + 7) / 8;
        for (const auto &[key, slot] : keys) {
            const std::vector<uint32_t> &blocks = m_postings[slot].blocks;
            const std::size_t start = postings.size();
            // Whichever takes fewer bytes: the first and the gaps, or a bit a block.
            if (blocks.size() >= bitmapBytes) {
                postings.push_back(static_cast<char>(POSTING_BITMAP));
                postings.append(bitmapBytes, '\0');
                for (const uint32_t b : blocks)
                    postings[start + 1 + b / 8] = static_cast<char>(postings[start + 1 + b / 8] | (1 << (b % 8)));
            } else {
                postings.push_back(static_cast<char>(POSTING_GAPS));
                uint32_t last = 0;
                for (const uint32_t b : blocks) {
                    PutVarint(postings, b - last);
                    last = b;
                }
            }
            PutU32(trigrams, key);
            PutU32(trigrams, static_cast<uint32_t>(start));
            PutU32(trigrams, static_cast<uint32_t>(postings.size() - start));
        }
        if (postings.size() > UINT32_MAX)
            throw std::length_error("index postings too large");

        IndexHeader h;
        h.identity = identity;
        if (guess.certain()) {
            h.flags |= HF_DATE_ORDER_CERTAIN;
            h.dateOrder = static_cast<uint32_t>(guess.order());
        } else if (guess.order() == platform::DateOrder::DayMonthYear) {
            h.flags |= HF_YEAR_LAST; // told apart by the fallback it was given
        }
        h.recordCount = m_records;
        h.blockCount = static_cast<uint32_t>(m_rawBlocks.size());
        h.folderCount = m_folderCount;
        h.trigramCount = static_cast<uint32_t>(trigrams.size() / 12);
        h.diskNameLen = static_cast<uint32_t>(m_diskName.size());
        const std::string folders = compress(m_folders);
        h.folderCSize = static_cast<uint32_t>(folders.size());
        h.folderRawSize = m_folders.size();

        std::string fence;
        for (std::size_t e = 0; e < trigrams.size(); e += std::size_t(12) * FENCE_STEP)
            fence.append(trigrams, e, 4);
        uint64_t at = HEADER_BYTES;
        h.fenceOff = at;
        at += fence.size();
        h.diskNameOff = at;
        at += m_diskName.size();
        h.trigramOff = at;
        at += trigrams.size();
        h.blockTableOff = at;
        at += blockTable.size();
        h.postingOff = at;
        h.postingSize = postings.size();
        at += postings.size();
        h.folderOff = at;
        at += folders.size();
        h.dictionaryOff = at;
        h.dictionarySize = static_cast<uint32_t>(dictionary.size());
        at += dictionary.size();
        const uint64_t recordsAt = at;
        h.fileSize = at + blockData.size();
        // The block table holds places within the records: make them places
        // in the file.
        for (std::size_t e = 0; e < blockTable.size(); e += 16) {
            const uint64_t offset = GetU64(blockTable.data() + e) + recordsAt;
            std::string fixed;
            PutU64(fixed, offset);
            blockTable.replace(e, 8, fixed);
        }

        std::string out = EncodeHeader(h);
        out.reserve(static_cast<std::size_t>(h.fileSize));
        out += fence;
        out += m_diskName;
        out += trigrams;
        out += blockTable;
        out += postings;
        out += folders;
        out += dictionary;
        out += blockData;
        return out;
    }

private:
    void walk(const TreeNode &node, uint32_t parent)
    {
        const uint32_t id = m_folderCount++;
        PutVarint(m_folders, id == 0 ? 0 : parent + 1);
        PutText(m_folders, node.text());
        // The node, its files, its sub-folders: the order of a search.
        m_record.clear();
        m_fileFolder = -1;
        m_record.push_back(static_cast<char>(id == 0 ? RK_DISK : RK_FOLDER));
        PutVarint(m_record, id);
        PutText(m_record, node.text());
        PutText(m_record, node.disk().Comment);
        addRecord(node.text());
        const FileList &files = node.disk().Files;
        for (int i = 0; i < files.count(); ++i) {
            const FileEntryView e = files.entry(i);
            if (!m_guess->certain())
                m_guess->add(e[FT_DATE]);
            m_record.clear();
            if (m_fileFolder == id) {
                m_record.push_back(static_cast<char>(RK_FILE | RK_NEXT_FILE));
            } else {
                m_record.push_back(static_cast<char>(RK_FILE));
                PutVarint(m_record, id);
                PutVarint(m_record, static_cast<uint64_t>(i));
            }
            m_fileFolder = id;
            PutText(m_record, e[FT_NAME]);
            PutText(m_record, e[FT_DESCRIPTION]);
            PutText(m_record, e[FT_CATEGORY]);
            PutText(m_record, e[FT_SIZE]);
            PutText(m_record, e[FT_DATE]);
            addRecord(e[FT_NAME]);
        }
        for (int c = 0; c < node.childCount(); ++c)
            walk(*node.child(c), id);
    }

    void addRecord(std::string_view name)
    {
        m_block += m_record;
        ++m_records;
        ++m_inBlock;
        const uint64_t block = m_rawBlocks.size();
        const std::string folded = platform::IsAscii(name) ? asciiLower(name) : platform::LowerText(name);
        for (std::size_t i = 0; i + 3 <= folded.size(); ++i) {
            const auto [at, added] =
                m_slots.try_emplace(TrigramKey(folded.data() + i), static_cast<uint32_t>(m_postings.size()));
            if (added)
                m_postings.emplace_back();
            Posting &p = m_postings[at->second];
            if (p.blocks.empty() || p.blocks.back() != block)
                p.blocks.push_back(static_cast<uint32_t>(block));
        }
        if (m_inBlock >= BLOCK_RECORDS || m_block.size() >= BLOCK_SOFT_BYTES)
            closeBlock();
    }

    static std::string asciiLower(std::string_view s)
    {
        std::string out(s);
        for (char &c : out)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return out;
    }

    void closeBlock()
    {
        if (m_inBlock == 0)
            return;
        m_rawBlocks.push_back(std::move(m_block));
        m_block.clear();
        m_inBlock = 0;
        m_fileFolder = -1;
    }

    // The start of blocks spread over the listing: the names, dates and
    // sizes it holds, which the small blocks alone compress poorly.
    std::string sampleDictionary() const
    {
        std::string dictionary;
        const std::size_t n = m_rawBlocks.size();
        if (n < 8)
            return dictionary;
        const std::size_t take = 256, step = std::max<std::size_t>(1, n / (MAX_DICTIONARY / take));
        for (std::size_t b = 0; b < n && dictionary.size() + take <= MAX_DICTIONARY; b += step)
            dictionary.append(m_rawBlocks[b], 0, take);
        return dictionary;
    }

    std::string compress(std::string_view raw)
    {
        std::string out(ZSTD_compressBound(raw.size()), '\0');
        const std::size_t n = ZSTD_compress2(m_cctx.get(), out.data(), out.size(), raw.data(), raw.size());
        if (ZSTD_isError(n))
            throw std::runtime_error(ZSTD_getErrorName(n));
        out.resize(n);
        return out;
    }

    std::unique_ptr<ZSTD_CCtx, CctxFree> m_cctx;
    platform::DateOrderGuess *m_guess = nullptr;
    std::string m_diskName;
    uint32_t m_folderCount = 0;
    uint64_t m_records = 0;
    uint32_t m_inBlock = 0;
    int64_t m_fileFolder = -1; // the folder of the block's last record, a file
    std::string m_folders, m_record, m_block;
    std::vector<std::string> m_rawBlocks;
    // Per trigram, the blocks holding a name with it.
    struct Posting {
        std::vector<uint32_t> blocks;
    };
    std::unordered_map<uint32_t, uint32_t> m_slots; // trigram key: its posting
    std::vector<Posting> m_postings;
};

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// A listing file opened for reading, never blocking, regular files only,
// with its identity taken before anything is read.
struct OpenListing {
    int fd = -1;
    ListingIdentity identity;
    ~OpenListing()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool open(const std::string &path)
    {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            return false;
        // File times move in ticks of the system clock (a few ms): a file
        // changed again within the tick of its last change would keep its
        // times. Taken once that tick is surely over, the identity changes
        // with any later change.
        for (int wait = 0; wait < 4; ++wait) {
            timespec now {};
            ::clock_gettime(CLOCK_REALTIME, &now);
            const int64_t nowNs = static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
            const int64_t changed = static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
            if (nowNs - changed > RECENT_NS || changed - nowNs > 1000000000)
                break; // long enough ago, or a time in the future no wait helps
            std::this_thread::sleep_for(std::chrono::nanoseconds(RECENT_NS + changed - nowNs + 1000000));
            if (::fstat(fd, &st) != 0)
                return false;
        }
        identity = IdentityOf(st);
        return true;
    }
    // Appends up to `count` bytes; false on a read error.
    bool read(std::size_t count, std::string &out) const
    {
        const std::size_t before = out.size();
        out.resize(before + count);
        std::size_t got = 0;
        while (got < count) {
            const ssize_t n = ::read(fd, out.data() + before + got, count - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                out.resize(before + got);
                return false;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        out.resize(before + got);
        return true;
    }
};

// Reads a listing file into a disk of its own, as the load does; null when
// it cannot be read (the load leaves it out and says why; so does the index).
std::unique_ptr<TreeNode> ReadListingFrom(const OpenListing &file)
{
    std::string buffer;
    if (!file.read(12, buffer) || buffer.size() < 12)
        return nullptr;
    const int32_t first = static_cast<int32_t>(GetU32(buffer.data()));
    if (first != LISTING_VERSION && first != I_STRINGS_IN_LIST)
        return nullptr;
    const uint64_t unread = file.identity.size > buffer.size() ? file.identity.size - buffer.size() : 0;
    try {
        ListingReader reader(buffer, unread, [&](std::size_t count, std::string &buf, std::string &why) {
            if (!file.read(count, buf)) {
                why = std::strerror(errno);
                return false;
            }
            return true;
        });
        return ReadListing(reader).disk;
    } catch (const std::exception &) {
        return nullptr;
    }
}

// Whether the file holds exactly the listing `disk` writes as: then the
// loaded disk is what the file holds, and its index is the file's.
bool FileHoldsListing(const OpenListing &file, const TreeNode &disk)
{
    uint64_t compared = 0;
    bool same = true;
    std::string piece;
    try {
        WriteListing(disk, disk.disk().SerialNumber, [&](std::string_view bytes) {
            if (!same)
                return;
            piece.clear();
            if (!file.read(bytes.size(), piece) || piece != bytes)
                same = false;
            compared += bytes.size();
        });
    } catch (const std::exception &) {
        return false;
    }
    return same && compared == file.identity.size;
}

std::string withSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir.push_back('/');
    return dir;
}

bool makeDirs(const std::string &path)
{
    for (std::size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/')
            continue;
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Writes through a temporary file and a rename: a reader sees the old index
// file or the new one. A cache needs no flush to the disk: a file a crash
// leaves damaged is found damaged, and rebuilt.
bool writeFile(const std::string &indexDir, const std::string &name, std::string_view bytes)
{
    static std::atomic<unsigned> counter{0};
    char tmpName[96];
    std::snprintf(tmpName, sizeof tmpName, "%s%d-%u", INDEX_TEMPORARY_PREFIX, static_cast<int>(::getpid()),
                  counter++);
    const std::string tmp = indexDir + tmpName;
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(tmp.c_str(), (indexDir + name).c_str()) == 0;
    if (!ok)
        ::unlink(tmp.c_str());
    return ok;
}

// Whether the index file of `name` is there and holds the listing as it is now.
bool indexIsCurrent(const std::string &indexDir, const std::string &name, const struct stat &listing)
{
    const int fd = ::open((indexDir + name + INDEX_SUFFIX).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    std::string head(HEADER_BYTES, '\0');
    IndexHeader h;
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                    ::pread(fd, head.data(), head.size(), 0) == static_cast<ssize_t>(head.size()) &&
                    DecodeHeader(head, static_cast<uint64_t>(st.st_size), h) && h.identity == IdentityOf(listing);
    ::close(fd);
    return ok;
}

bool refresh(const std::string &programDir, const Catalog *loaded, const std::atomic<bool> *stop)
{
    const std::string dir = withSlash(programDir);
    const std::string indexDir = IndexFolderOf(dir);
    if (!makeDirs(indexDir.substr(0, indexDir.size() - 1)))
        return false;

    std::vector<std::string> names, stale;
    if (DIR *d = ::opendir(dir.c_str())) {
        while (const dirent *e = ::readdir(d)) {
            const std::string_view name(e->d_name);
            if (!name.empty() && name[0] != '.' && EndsWithListingSuffix(name) && e->d_type != DT_DIR)
                names.emplace_back(name);
        }
        ::closedir(d);
    } else {
        return false;
    }
    // The Updates cut short, which the load leaves the old listing of out.
    std::string replaced;
    try {
        ListingStore store(dir);
        for (const PendingReplace &p : store.Pending()) {
            replaced.append(p.oldFile).push_back('\0');
            replaced.append(p.newFile).push_back('\0');
        }
    } catch (const std::exception &) {
        // No store to read: no Update under way that it knows of.
    }
    if (replaced.empty()) {
        if (::unlink((indexDir + REPLACED_FILE).c_str()) != 0 && errno != ENOENT)
            return false;
    } else if (!writeFile(indexDir, REPLACED_FILE, replaced)) {
        return false;
    }
    std::set<std::string> kept;
    for (const std::string &name : names) {
        struct stat st {};
        if (::stat((dir + name).c_str(), &st) != 0 || S_ISDIR(st.st_mode))
            continue;
        kept.insert(name);
        if (!indexIsCurrent(indexDir, name, st))
            stale.push_back(name);
    }

    std::atomic<bool> ok{true};
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < stale.size(); i = next++) {
            if (stop && stop->load())
                return;
            const std::string &name = stale[i];
            try {
                OpenListing file;
                if (!file.open(dir + name)) {
                    ::unlink((indexDir + name + INDEX_SUFFIX).c_str());
                    continue;
                }
                const TreeNode *disk = nullptr;
                std::unique_ptr<TreeNode> read;
                if (loaded) {
                    const TreeNode *held = loaded->findByFileName(name);
                    if (held && !held->disk().IsModified() && FileHoldsListing(file, *held))
                        disk = held;
                    else if (::lseek(file.fd, 0, SEEK_SET) != 0)
                        continue;
                }
                if (!disk) {
                    read = ReadListingFrom(file);
                    disk = read.get();
                }
                if (!disk) {
                    // Not a listing the load takes: no index, so a search loads
                    // and tells why.
                    ::unlink((indexDir + name + INDEX_SUFFIX).c_str());
                    continue;
                }
                if (!writeFile(indexDir, name + INDEX_SUFFIX, IndexBuilder().build(*disk, file.identity)))
                    ok = false;
            } catch (const std::exception &) {
                ok = false;
            }
        }
    };
    const std::size_t threads =
        std::min<std::size_t>(stale.size(), std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    std::vector<std::thread> pool;
    try {
        for (std::size_t t = 1; t < threads; ++t)
            pool.emplace_back(work);
    } catch (const std::system_error &) {
        // No more threads: this one does the rest.
    }
    work();
    for (std::thread &t : pool)
        t.join();

    // Index files of listings that are gone, and temporary files a killed
    // writer left (an hour old: another writer's may be under way).
    if (DIR *d = ::opendir(indexDir.c_str())) {
        const auto now = std::chrono::system_clock::now();
        while (const dirent *e = ::readdir(d)) {
            const std::string name(e->d_name);
            if (endsWith(name, INDEX_SUFFIX) && name[0] != '.') {
                if (!kept.count(name.substr(0, name.size() - (sizeof INDEX_SUFFIX - 1))))
                    ::unlink((indexDir + name).c_str());
            } else if (name.rfind(INDEX_TEMPORARY_PREFIX, 0) == 0) {
                struct stat st {};
                if (::stat((indexDir + name).c_str(), &st) == 0 &&
                    now - std::chrono::system_clock::from_time_t(st.st_mtime) > std::chrono::hours(1))
                    ::unlink((indexDir + name).c_str());
            }
        }
        ::closedir(d);
    }
    return ok;
}

} // namespace

std::string BuildIndexBytes(const TreeNode &disk, const ListingIdentity &identity)
{
    return IndexBuilder().build(disk, identity);
}

bool RefreshIndex(const std::string &programDir, const std::atomic<bool> *stop)
{
    return refresh(programDir, nullptr, stop);
}

bool RefreshIndex(const std::string &programDir, const Catalog &loaded, const std::atomic<bool> *stop)
{
    return refresh(programDir, &loaded, stop);
}

struct IndexKeeper::State {
    std::string programDir;
    std::mutex mutex;
    std::condition_variable wake, idle;
    bool asked = false, running = false, quit = false;
    std::atomic<bool> stop{false};
    std::thread thread;

    void run()
    {
        // The index is a cache: keeping it must not slow the window a user
        // works in, so this thread (and the readers it starts, which inherit
        // it) runs at the lowest priority.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return asked || quit; });
            if (quit)
                break;
            asked = false;
            running = true;
            lock.unlock();
            RefreshIndex(programDir, &stop);
            lock.lock();
            running = false;
            idle.notify_all();
        }
        running = false;
        idle.notify_all();
    }
};

IndexKeeper::IndexKeeper(std::string programDir) : m_state(std::make_unique<State>())
{
    m_state->programDir = std::move(programDir);
    m_state->thread = std::thread([s = m_state.get()] { s->run(); });
}

IndexKeeper::~IndexKeeper()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->quit = true;
        m_state->stop = true;
    }
    m_state->wake.notify_all();
    m_state->thread.join();
}

void IndexKeeper::listingsChanged()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->asked = true;
    }
    m_state->wake.notify_all();
}

void IndexKeeper::waitIdle()
{
    std::unique_lock lock(m_state->mutex);
    m_state->idle.wait(lock, [this] { return (!m_state->asked && !m_state->running) || m_state->quit; });
}

} // namespace rkm::index
