// The reading side of the search index: the listing files checked against
// their index files, the candidate blocks from the name trigrams, the
// records of those blocks tested against the query. It needs Qt Core, libzstd
// and the query only, so a command-line search starts without the rest of
// the program.
#include "search/SearchIndex.h"

#include "platform/Order.h"
#include "platform/Text.h"
#include "search/IndexFormat.h"

#include <zstd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm::index {

namespace {

bool within(uint64_t offset, uint64_t length, uint64_t size)
{
    return offset <= size && length <= size - offset;
}

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// A sorted list of block numbers, or every block.
struct BlockSet {
    bool all = false;
    std::vector<uint32_t> blocks;
};

// One listing's index, read in pieces as answering needs them (a search
// that matches nothing reads the header, the fence and a bucket of the
// trigram table per trigram, a few KiB a listing). The header is checked
// before the first hit; the rest (postings, blocks, folders) when it is
// used, and any fault found makes the answer Unusable.
class ListingIndex final {
public:
    ListingIndex() = default;
    ListingIndex(const ListingIndex &) = delete;
    ListingIndex &operator=(const ListingIndex &) = delete;
    ~ListingIndex()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    std::string file;      // "1234.rkm"
    std::string shownDisk; // as Catalog::displayName shows it
    IndexHeader h;
    std::string_view diskName;

    // Over a file: opened, its header read and checked.
    bool open(int dirFd, const std::string &name)
    {
        m_fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        struct stat st {};
        if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))
            return false;
        m_size = static_cast<uint64_t>(st.st_size);
        return start();
    }
    // Over bytes in memory.
    bool open(std::string_view bytes)
    {
        m_bytes = bytes;
        m_size = bytes.size();
        return start();
    }

    // The blocks that may hold a match; false on a fault of the file.
    bool candidates(const std::optional<std::vector<std::vector<std::string>>> &alternatives, BlockSet &out)
    {
        out = {};
        if (!alternatives) {
            out.all = true;
            return true;
        }
        for (const std::vector<std::string> &alt : *alternatives) {
            BlockSet one;
            if (!alternative(alt, one))
                return false;
            if (one.all) {
                out.all = true;
                out.blocks.clear();
                return true;
            }
            std::vector<uint32_t> merged;
            std::set_union(out.blocks.begin(), out.blocks.end(), one.blocks.begin(), one.blocks.end(),
                           std::back_inserter(merged));
            out.blocks.swap(merged);
        }
        return true;
    }

    // Before unpacking `count` blocks: the block table whole when that is
    // fewer reads, and the blocks' dictionary.
    bool prepareBlocks(std::size_t count)
    {
        if (count > h.blockCount / 64 && !fetch(h.blockTableOff, uint64_t(16) * h.blockCount, m_blockTable))
            return false;
        return fetch(h.dictionaryOff, h.dictionarySize, m_dictionary);
    }

    // Unpacks block `b` into `raw`; false on a fault.
    bool block(uint32_t b, ZSTD_DCtx *dctx, std::string &raw)
    {
        if (b >= h.blockCount)
            return false;
        const char *e;
        if (!m_blockTable.empty()) {
            e = m_blockTable.data() + std::size_t(16) * b;
        } else {
            if (!fetch(h.blockTableOff + uint64_t(16) * b, 16, m_entry))
                return false;
            e = m_entry.data();
        }
        const uint64_t offset = GetU64(e);
        const uint32_t csize = GetU32(e + 8), rawSize = GetU32(e + 12);
        if (rawSize > MAX_BLOCK_RAW || !fetch(offset, csize, m_frame))
            return false;
        return unpack(m_frame, rawSize, dctx, raw, m_dictionary);
    }

    static bool unpack(std::string_view frame, uint64_t rawSize, ZSTD_DCtx *dctx, std::string &raw,
                       std::string_view dictionary = {})
    {
        if (ZSTD_getFrameContentSize(frame.data(), frame.size()) != rawSize)
            return false;
        if (!dictionary.empty() && ZSTD_isError(ZSTD_DCtx_refPrefix(dctx, dictionary.data(), dictionary.size())))
            return false;
        raw.resize(static_cast<std::size_t>(rawSize));
        const std::size_t n = ZSTD_decompressDCtx(dctx, raw.data(), raw.size(), frame.data(), frame.size());
        return !ZSTD_isError(n) && n == rawSize;
    }

    // The folder table, unpacked and checked once.
    bool loadFolders(ZSTD_DCtx *dctx)
    {
        if (m_foldersLoaded)
            return m_foldersGood;
        m_foldersLoaded = true;
        // Each folder takes two bytes at least (its parent and its name's length).
        if (h.folderCount > h.folderRawSize / 2 + 1 || h.folderRawSize > MAX_FOLDER_RAW ||
            h.folderRawSize > uint64_t(h.folderCSize) * MAX_FOLDER_RATIO + 4096 ||
            !fetch(h.folderOff, h.folderCSize, m_frame) || !unpack(m_frame, h.folderRawSize, dctx, m_folderRaw))
            return false;
        ByteCursor c(m_folderRaw);
        m_parent.resize(h.folderCount);
        m_folderName.resize(h.folderCount);
        std::vector<uint16_t> depth(h.folderCount, 0);
        for (uint32_t i = 0; i < h.folderCount; ++i) {
            const uint64_t p = c.varint();
            m_folderName[i] = c.text();
            if (c.bad() || (i == 0) != (p == 0) || p > i)
                return false;
            m_parent[i] = i == 0 ? 0 : static_cast<uint32_t>(p - 1);
            if (i > 0) {
                depth[i] = static_cast<uint16_t>(depth[m_parent[i]] + 1);
                if (depth[i] > 4096)
                    return false;
            }
        }
        m_foldersGood = c.atEnd();
        return m_foldersGood;
    }

    // The folder names below the disk down to `folder` (itself included).
    void folderChain(uint32_t folder, std::vector<std::string_view> &out) const
    {
        out.clear();
        for (uint32_t f = folder; f != 0; f = m_parent[f])
            out.push_back(m_folderName[f]);
        std::reverse(out.begin(), out.end());
    }

    // "Disk/Folder/Sub/" for `folder` (the last one asked is kept).
    std::string_view pathOf(uint32_t folder)
    {
        if (folder != m_pathFolder) {
            std::vector<std::string_view> chain;
            folderChain(folder, chain);
            // As UTF-8, as the walk over a loaded catalogue makes it.
            m_path = platform::Utf8Text(diskName);
            m_path.push_back('/');
            for (std::string_view n : chain) {
                m_path += platform::Utf8Text(n);
                m_path.push_back('/');
            }
            m_pathFolder = folder;
        }
        return m_path;
    }

private:
    // `length` bytes at `offset` into `out`; false when they are not all in
    // the file or cannot be read.
    bool fetch(uint64_t offset, uint64_t length, std::string &out) const
    {
        if (!within(offset, length, m_size) || length > (uint64_t(1) << 31))
            return false;
        if (m_fd < 0) {
            out.assign(m_bytes.substr(offset, length));
            return true;
        }
        out.resize(length);
        std::size_t done = 0;
        while (done < length) {
            const ssize_t n = ::pread(m_fd, out.data() + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

    // The header, the fence and the disk name: one read when they are in
    // the first 4 KiB, as they are but for a listing of very many trigrams.
    bool start()
    {
        std::string head;
        if (!fetch(0, std::min<uint64_t>(m_size, 4096), head) || !DecodeHeader(head, m_size, h))
            return false;
        const auto take = [&](uint64_t offset, uint64_t length, std::string &out) {
            if (within(offset, length, head.size())) {
                out.assign(head, offset, length);
                return true;
            }
            return fetch(offset, length, out);
        };
        if (!take(h.fenceOff, uint64_t(4) * FenceCount(h.trigramCount), m_fence) ||
            !take(h.diskNameOff, h.diskNameLen, m_diskName))
            return false;
        diskName = m_diskName;
        return true;
    }

    bool posting(uint32_t key, std::vector<uint32_t> &out)
    {
        out.clear();
        // The bucket of the fence whose first key is the last at or below it.
        const uint32_t buckets = FenceCount(h.trigramCount);
        uint32_t lo = 0, hi = buckets;
        while (lo < hi) {
            const uint32_t mid = lo + (hi - lo) / 2;
            if (GetU32(m_fence.data() + std::size_t(4) * mid) <= key)
                lo = mid + 1;
            else
                hi = mid;
        }
        if (lo == 0)
            return true; // below every key: no name has it
        const uint32_t first = (lo - 1) * FENCE_STEP, count = std::min(FENCE_STEP, h.trigramCount - first);
        if (!fetch(h.trigramOff + uint64_t(12) * first, uint64_t(12) * count, m_bucket))
            return false;
        const char *table = m_bucket.data();
        lo = 0;
        hi = count;
        while (lo < hi) {
            const uint32_t mid = lo + (hi - lo) / 2;
            if (GetU32(table + std::size_t(12) * mid) < key)
                lo = mid + 1;
            else
                hi = mid;
        }
        if (lo == count || GetU32(table + std::size_t(12) * lo) != key)
            return true; // no name has it
        const uint32_t offset = GetU32(table + std::size_t(12) * lo + 4), length = GetU32(table + std::size_t(12) * lo + 8);
        std::string list;
        if (!within(offset, length, h.postingSize) || length == 0 || !fetch(h.postingOff + offset, length, list))
            return false;
        if (list[0] == static_cast<char>(POSTING_BITMAP)) {
            if (list.size() - 1 != (uint64_t(h.blockCount) + 7) / 8)
                return false;
            for (uint32_t b = 0; b < h.blockCount; ++b)
                if (static_cast<uint8_t>(list[1 + b / 8]) & (1u << (b % 8)))
                    out.push_back(b);
            return true;
        }
        if (list[0] != static_cast<char>(POSTING_GAPS))
            return false;
        ByteCursor c(std::string_view(list).substr(1));
        uint64_t block = 0;
        while (!c.atEnd()) {
            const uint64_t v = c.varint();
            if (c.bad() || (!out.empty() && v == 0))
                return false;
            block += v;
            if (block >= h.blockCount)
                return false;
            out.push_back(static_cast<uint32_t>(block));
        }
        return true;
    }

    bool alternative(const std::vector<std::string> &literals, BlockSet &out)
    {
        std::vector<uint32_t> keys;
        for (const std::string &l : literals)
            for (std::size_t i = 0; i + 3 <= l.size(); ++i)
                keys.push_back(TrigramKey(l.data() + i));
        if (keys.empty()) {
            out.all = true;
            return true;
        }
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        std::vector<std::vector<uint32_t>> lists(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!posting(keys[i], lists[i]))
                return false;
            if (lists[i].empty())
                return true; // a trigram no name has: no block
        }
        std::sort(lists.begin(), lists.end(), [](const auto &a, const auto &b) { return a.size() < b.size(); });
        out.blocks = std::move(lists[0]);
        for (std::size_t i = 1; i < lists.size() && !out.blocks.empty(); ++i) {
            std::vector<uint32_t> both;
            std::set_intersection(out.blocks.begin(), out.blocks.end(), lists[i].begin(), lists[i].end(),
                                  std::back_inserter(both));
            out.blocks.swap(both);
        }
        return true;
    }

    int m_fd = -1;
    std::string_view m_bytes;
    uint64_t m_size = 0;
    std::string m_fence, m_diskName, m_bucket, m_blockTable, m_entry, m_frame, m_dictionary;
    bool m_foldersLoaded = false, m_foldersGood = false;
    std::string m_folderRaw;
    std::vector<uint32_t> m_parent;
    std::vector<std::string_view> m_folderName;
    uint32_t m_pathFolder = UINT32_MAX;
    std::string m_path;
};

struct DctxFree {
    void operator()(ZSTD_DCtx *c) const { ZSTD_freeDCtx(c); }
};

enum class Outcome { Done, Stopped, Damaged };

// Every match of one listing, in walk order, handed to `found`.
Outcome AnswerListing(ListingIndex &li, const Query &query, const std::function<bool(const IndexHit &)> &found,
                      ZSTD_DCtx *dctx)
{
    BlockSet set;
    if (!li.candidates(query.nameLiterals(), set))
        return Outcome::Damaged;
    if (!set.all && set.blocks.empty())
        return Outcome::Done;
    const bool usesPath = query.usesPath();
    if (usesPath && !li.loadFolders(dctx))
        return Outcome::Damaged;
    const platform::DateOrder order = DateOrderOf(li.h);
    std::string raw;
    std::vector<std::string_view> chain;
    const std::size_t count = set.all ? li.h.blockCount : set.blocks.size();
    if (!li.prepareBlocks(count))
        return Outcome::Damaged;
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t b = set.all ? static_cast<uint32_t>(i) : set.blocks[i];
        if (!li.block(b, dctx, raw))
            return Outcome::Damaged;
        ByteCursor c(raw);
        bool afterFile = false;
        uint64_t folder = 0, entry = 0;
        while (!c.atEnd()) {
            QueryItem item;
            uint8_t kind = c.byte();
            if (kind == (RK_FILE | RK_NEXT_FILE)) {
                if (!afterFile)
                    return Outcome::Damaged;
                kind = RK_FILE;
                ++entry;
            } else {
                folder = c.varint();
                entry = kind == RK_FILE ? c.varint() : 0;
            }
            afterFile = kind == RK_FILE;
            item.name = c.text();
            if (kind == RK_FILE) {
                item.kind = ItemKind::File;
                item.description = c.text();
                item.category = c.text();
                item.size = c.text();
                item.date = c.text();
            } else {
                item.kind = kind == RK_DISK ? ItemKind::Disk : ItemKind::Folder;
                item.comment = c.text();
            }
            if (c.bad() || kind > RK_FILE || folder >= li.h.folderCount || entry > INT_MAX ||
                (kind != RK_FILE && (kind == RK_DISK) != (folder == 0)))
                return Outcome::Damaged;
            item.diskName = li.diskName;
            item.dateOrder = order;
            if (usesPath)
                item.path = li.pathOf(static_cast<uint32_t>(folder));
            if (!query.matches(item))
                continue;
            if (!li.loadFolders(dctx))
                return Outcome::Damaged;
            li.folderChain(static_cast<uint32_t>(folder), chain);
            IndexHit hit;
            hit.listingFile = li.file;
            hit.diskName = li.diskName;
            hit.shownDisk = li.shownDisk;
            hit.folders = chain;
            if (kind == RK_FILE) {
                hit.fileName = item.name;
                hit.entry = static_cast<int>(entry);
            }
            if (!found(hit))
                return Outcome::Stopped;
        }
    }
    return Outcome::Done;
}

} // namespace

uint32_t HeaderSum(std::string_view bytes)
{
    uint32_t h = 2166136261u;
    for (const char c : bytes) {
        h ^= static_cast<uint8_t>(c);
        h *= 16777619u;
    }
    return h;
}

std::string EncodeHeader(const IndexHeader &h)
{
    std::string out(INDEX_MAGIC, sizeof INDEX_MAGIC);
    PutU32(out, INDEX_VERSION);
    PutU32(out, h.flags);
    PutU32(out, h.dateOrder);
    PutU32(out, 0);
    PutU64(out, h.identity.device);
    PutU64(out, h.identity.inode);
    PutU64(out, h.identity.size);
    PutU64(out, static_cast<uint64_t>(h.identity.mtimeNs));
    PutU64(out, static_cast<uint64_t>(h.identity.ctimeNs));
    PutU64(out, h.fileSize);
    PutU64(out, h.recordCount);
    PutU32(out, h.blockCount);
    PutU32(out, h.folderCount);
    PutU32(out, h.trigramCount);
    PutU32(out, h.diskNameLen);
    PutU64(out, h.diskNameOff);
    PutU64(out, h.folderOff);
    PutU64(out, h.folderCSize);
    PutU64(out, h.folderRawSize);
    PutU64(out, h.blockTableOff);
    PutU64(out, h.trigramOff);
    PutU64(out, h.postingOff);
    PutU64(out, h.postingSize);
    PutU64(out, h.dictionaryOff);
    PutU32(out, h.dictionarySize);
    PutU64(out, h.fenceOff);
    if (out.size() > HEADER_BYTES - 4)
        throw std::logic_error("index header too long");
    out.resize(HEADER_BYTES - 4, '\0');
    PutU32(out, HeaderSum(out));
    return out;
}

bool DecodeHeader(std::string_view bytes, uint64_t fileSize, IndexHeader &h)
{
    if (bytes.size() < HEADER_BYTES || std::memcmp(bytes.data(), INDEX_MAGIC, sizeof INDEX_MAGIC) != 0 ||
        GetU32(bytes.data() + HEADER_BYTES - 4) != HeaderSum(bytes.substr(0, HEADER_BYTES - 4)))
        return false;
    const char *p = bytes.data() + 8;
    const auto u32 = [&p] {
        const uint32_t v = GetU32(p);
        p += 4;
        return v;
    };
    const auto u64 = [&p] {
        const uint64_t v = GetU64(p);
        p += 8;
        return v;
    };
    if (u32() != INDEX_VERSION)
        return false;
    h.flags = u32();
    h.dateOrder = u32();
    u32();
    h.identity.device = u64();
    h.identity.inode = u64();
    h.identity.size = u64();
    h.identity.mtimeNs = static_cast<int64_t>(u64());
    h.identity.ctimeNs = static_cast<int64_t>(u64());
    h.fileSize = u64();
    h.recordCount = u64();
    h.blockCount = u32();
    h.folderCount = u32();
    h.trigramCount = u32();
    h.diskNameLen = u32();
    h.diskNameOff = u64();
    h.folderOff = u64();
    const uint64_t folderCSize = u64();
    h.folderRawSize = u64();
    h.blockTableOff = u64();
    h.trigramOff = u64();
    h.postingOff = u64();
    h.postingSize = u64();
    h.dictionaryOff = u64();
    h.dictionarySize = u32();
    h.fenceOff = u64();
    if (folderCSize > UINT32_MAX)
        return false;
    h.folderCSize = static_cast<uint32_t>(folderCSize);
    return h.fileSize == fileSize && h.dateOrder <= 2 && h.folderCount >= 1 &&
           within(h.diskNameOff, h.diskNameLen, fileSize) &&
           within(h.trigramOff, uint64_t(12) * h.trigramCount, fileSize) &&
           within(h.blockTableOff, uint64_t(16) * h.blockCount, fileSize) &&
           within(h.postingOff, h.postingSize, fileSize) && within(h.folderOff, h.folderCSize, fileSize) &&
           within(h.dictionaryOff, h.dictionarySize, fileSize) &&
           within(h.fenceOff, uint64_t(4) * FenceCount(h.trigramCount), fileSize);
}

platform::DateOrder DateOrderOf(const IndexHeader &h)
{
    if (h.flags & HF_DATE_ORDER_CERTAIN)
        return static_cast<platform::DateOrder>(h.dateOrder);
    // As DateOrderGuess::order() tells it when no text was certain.
    const platform::DateOrder system = platform::SystemDateOrder();
    if ((h.flags & HF_YEAR_LAST) && system == platform::DateOrder::YearMonthDay)
        return platform::DateOrder::DayMonthYear;
    return system;
}

std::string IndexFolderOf(const std::string &programDir)
{
    std::string canonical;
    if (char *real = ::realpath(programDir.c_str(), nullptr)) {
        canonical = real;
        std::free(real);
    } else {
        canonical = withoutTrailingSlash(programDir);
    }
    uint64_t hash = 14695981039346656037ull;
    for (const char c : canonical) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 1099511628211ull;
    }
    std::string base;
    const char *cache = std::getenv("XDG_CACHE_HOME");
    if (cache && cache[0] == '/') {
        base = cache;
    } else {
        const char *home = std::getenv("HOME");
        base = std::string(home && home[0] ? home : "/tmp") + "/.cache";
    }
    char name[32];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    return withoutTrailingSlash(base) + "/rackmere/" + name + "/";
}

IndexAnswer AnswerFromIndexBytes(std::string_view bytes, const Query &query,
                                 const std::function<bool(const IndexHit &)> &found, std::string_view listingFile)
{
    ListingIndex li;
    li.file = listingFile;
    if (!li.open(bytes))
        return IndexAnswer::Unusable;
    li.shownDisk = li.diskName;
    std::unique_ptr<ZSTD_DCtx, DctxFree> dctx(ZSTD_createDCtx());
    if (!dctx)
        return IndexAnswer::Unusable;
    return AnswerListing(li, query, found, dctx.get()) == Outcome::Damaged ? IndexAnswer::Unusable
                                                                          : IndexAnswer::Answered;
}

IndexAnswer AnswerFromIndex(const std::string &programDir, const Query &query,
                            const std::function<bool(const IndexHit &)> &found, std::string_view onlyListing)
{
    const std::string dir = programDir.empty() || programDir.back() == '/' ? programDir : programDir + '/';
    // The listing files as the load takes them.
    std::vector<std::string> names;
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return IndexAnswer::Unusable;
    if (DIR *d = ::fdopendir(::dup(dirFd))) {
        while (const dirent *e = ::readdir(d)) {
            const std::string_view name(e->d_name);
            if (name.empty() || name[0] == '.' || !EndsWithListingSuffix(name) || e->d_type == DT_DIR)
                continue;
            names.emplace_back(name);
        }
        ::closedir(d);
    } else {
        ::close(dirFd);
        return IndexAnswer::Unusable;
    }
    const std::string indexDir = IndexFolderOf(dir);
    const int indexFd = ::open(indexDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (indexFd < 0) {
        ::close(dirFd);
        return IndexAnswer::Unusable;
    }
    // An Update cut short whose new listing is there: its old one is as good
    // as deleted (the load leaves it out too).
    if (const int fd = ::openat(indexFd, REPLACED_FILE, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK); fd >= 0) {
        std::string pairs(MAX_REPLACED_BYTES, '\0');
        const ssize_t n = ::read(fd, pairs.data(), pairs.size());
        ::close(fd);
        pairs.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        std::vector<std::string_view> parts;
        for (std::size_t at = 0, end; (end = pairs.find('\0', at)) != std::string::npos; at = end + 1)
            parts.emplace_back(pairs.data() + at, end - at);
        for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
            if (std::find(names.begin(), names.end(), parts[i + 1]) != names.end())
                names.erase(std::remove(names.begin(), names.end(), parts[i]), names.end());
    }
    if (!onlyListing.empty()) {
        const bool there = std::find(names.begin(), names.end(), onlyListing) != names.end();
        names.clear();
        if (there)
            names.emplace_back(onlyListing);
        else {
            ::close(indexFd);
            ::close(dirFd);
            return IndexAnswer::Unusable; // the load tells what is wrong
        }
    }
    std::vector<std::unique_ptr<ListingIndex>> listings;
    listings.reserve(names.size());
    bool usable = true;
    for (const std::string &name : names) {
        struct stat st {};
        if (::fstatat(dirFd, name.c_str(), &st, 0) != 0) {
            if (errno == ENOENT)
                continue; // gone meanwhile: the load would not see it either
            usable = false;
            break;
        }
        if (S_ISDIR(st.st_mode))
            continue; // a folder is no listing, whatever its name
        auto li = std::make_unique<ListingIndex>();
        li->file = name;
        if (!li->open(indexFd, name + INDEX_SUFFIX) ||
            !(li->h.identity == IdentityOf(st))) {
            usable = false;
            break;
        }
        listings.push_back(std::move(li));
    }
    ::close(indexFd);
    ::close(dirFd);
    if (!usable)
        return IndexAnswer::Unusable;

    // The order of the load: by name, disks of one name by file name.
    struct Keyed {
        std::string name, file;
        ListingIndex *li;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(listings.size());
    std::vector<std::string> decoded;
    decoded.reserve(listings.size());
    for (const auto &li : listings) {
        keyed.push_back({platform::NaturalOrderKey(li->diskName), platform::NaturalOrderKey(li->file), li.get()});
        decoded.push_back(platform::Utf8Text(li->diskName));
    }
    // A name another listing has too (the same decoded text) is shown with
    // its file, as Catalog::displayName does.
    std::vector<std::string> sortedNames = decoded;
    std::sort(sortedNames.begin(), sortedNames.end());
    for (std::size_t i = 0; i < listings.size(); ++i) {
        const auto range = std::equal_range(sortedNames.begin(), sortedNames.end(), decoded[i]);
        listings[i]->shownDisk = range.second - range.first > 1
                                     ? decoded[i] + " (" + platform::Utf8Text(listings[i]->file) + ")"
                                     : std::string(listings[i]->diskName);
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (const int c = a.name.compare(b.name))
            return c < 0;
        if (const int c = a.li->diskName.compare(b.li->diskName))
            return c < 0;
        return a.file < b.file || (a.file == b.file && a.li->file < b.li->file);
    });

    std::unique_ptr<ZSTD_DCtx, DctxFree> dctx(ZSTD_createDCtx());
    if (!dctx)
        return IndexAnswer::Unusable;
    for (const Keyed &k : keyed) {
        switch (AnswerListing(*k.li, query, found, dctx.get())) {
        case Outcome::Done:
            break;
        case Outcome::Stopped:
            return IndexAnswer::Answered;
        case Outcome::Damaged:
            // Its header still says it is current: gone, it is written
            // again by the next refresh.
            ::unlink((indexDir + k.li->file + INDEX_SUFFIX).c_str());
            return IndexAnswer::Unusable;
        }
    }
    return IndexAnswer::Answered;
}

} // namespace rkm::index
