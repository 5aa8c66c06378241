#pragma once

// The index file of one listing, shared by its writer (IndexWriter.cpp) and
// its reader (SearchIndex.cpp). Numbers are little-endian. In file order:
//
//   header      HEADER_BYTES: magic, version, the listing file's identity
//               when it was read, its date order, counts, section places,
//               and a check sum of the header itself
//   fence       the first key of every FENCE_STEP entries of the trigram
//               table, so that a search reads one bucket of it a trigram
//   disk name   the listing's disk name, stored bytes
//   trigrams    trigramCount entries of 12 bytes, in increasing key order:
//               key (three bytes of a folded name, 0x00AABBCC), where its
//               posting list starts in the postings, how many bytes it takes
//   blocks      blockCount entries of 16 bytes: where the block's zstd frame
//               starts in the file, its size, the size of what it holds
//   postings    per trigram, the numbers of the blocks holding a name with
//               it: a tag byte, then either (POSTING_GAPS) the first and
//               the gaps, each a varint, or (POSTING_BITMAP) a bit a block
//   folders     one zstd frame: per folder in walk order (the disk is 0) its
//               parent + 1 (0 for the disk) and its name (varint length)
//   dictionary  samples of the records, the raw-content dictionary every
//               block is compressed with (none for a small listing)
//   records     zstd frames of up to BLOCK_RECORDS records each, in the
//               order of a search over the loaded listing (a node, its
//               files, its sub-folders): kind, folder and entry (a file
//               whose kind has RK_NEXT_FILE has neither: it follows the
//               block's previous record, a file, in its folder), then the
//               stored texts, each a varint length and its bytes: name and
//               comment of a disk or folder; name, description, category,
//               size and date of a file
//
// A reader trusts nothing of it: every place, size, count and varint is
// checked against the bytes there are before it is used.

#include "catalog/ProgramDir.h"
#include "platform/TextValues.h"
#include "search/SearchIndex.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

namespace rkm {
class TreeNode;
}

namespace rkm::index {

inline constexpr char INDEX_MAGIC[8] = {'R', 'K', 'M', 'I', 'N', 'D', 'X', '1'};
inline constexpr uint32_t INDEX_VERSION = 1;
inline constexpr char INDEX_SUFFIX[] = ".idx";
// Beside the index files: the Updates cut short between writing their new
// listing and deleting the old one, as pairs of names each ended by a NUL
// byte (old, new). A search leaves the old listing out while the new one is
// there, as the load does.
inline constexpr char REPLACED_FILE[] = "replaced";
inline constexpr std::size_t MAX_REPLACED_BYTES = 1 << 20;
inline constexpr std::size_t HEADER_BYTES = 192;
inline constexpr uint32_t FENCE_STEP = 64;
inline constexpr uint32_t FenceCount(uint32_t trigrams) { return trigrams / FENCE_STEP + (trigrams % FENCE_STEP != 0); }
inline constexpr uint32_t BLOCK_RECORDS = 32;
// The most a block dictionary holds.
inline constexpr std::size_t MAX_DICTIONARY = 16 * 1024;
// A block is closed early once its records take this much.
inline constexpr std::size_t BLOCK_SOFT_BYTES = 64 * 1024;
// What a reader accepts: a block holds its records and one more record of at
// most five texts of at most a MiB (what a listing reader takes).
inline constexpr uint32_t MAX_BLOCK_RAW = 8u << 20;
inline constexpr uint64_t MAX_FOLDER_RAW = uint64_t(1) << 31;
// No honest folder table shrinks more than this (hostile frames that would
// unpack to gigabytes from a few bytes are refused).
inline constexpr uint64_t MAX_FOLDER_RATIO = 255;

enum RecordKind : uint8_t { RK_DISK = 0, RK_FOLDER = 1, RK_FILE = 2, RK_NEXT_FILE = 0x80 };
enum PostingTag : uint8_t { POSTING_GAPS = 0, POSTING_BITMAP = 1 };
enum HeaderFlags : uint32_t { HF_DATE_ORDER_CERTAIN = 1, HF_YEAR_LAST = 2 };

// What a listing file was when it was read: a file with the same identity
// is the same file, unchanged (a copy, an edit, a restore from a backup
// changes the inode, the ctime or both).
struct ListingIdentity {
    uint64_t device = 0, inode = 0, size = 0;
    int64_t mtimeNs = 0, ctimeNs = 0;
    bool operator==(const ListingIdentity &) const = default;
};

inline ListingIdentity IdentityOf(const struct stat &st)
{
    ListingIdentity id;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<uint64_t>(st.st_size);
    id.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.ctimeNs = static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return id;
}

struct IndexHeader {
    uint32_t flags = 0;
    uint32_t dateOrder = 0;
    ListingIdentity identity;
    uint64_t fileSize = 0;
    uint64_t recordCount = 0;
    uint32_t blockCount = 0, folderCount = 0, trigramCount = 0, diskNameLen = 0;
    uint64_t diskNameOff = 0;
    uint64_t folderOff = 0;
    uint32_t folderCSize = 0;
    uint64_t folderRawSize = 0;
    uint64_t blockTableOff = 0;
    uint64_t trigramOff = 0;
    uint64_t postingOff = 0, postingSize = 0;
    uint64_t dictionaryOff = 0;
    uint32_t dictionarySize = 0;
    uint64_t fenceOff = 0;
};

// The check sum that ends the header: of its HEADER_BYTES - 4 first bytes.
uint32_t HeaderSum(std::string_view bytes);
// The header as bytes (HEADER_BYTES), its check sum last.
std::string EncodeHeader(const IndexHeader &h);
// The header of `bytes`, checked: magic, version, check sum, and every
// section inside the file (whose size is `bytes`'s, or `fileSize` when only
// the header is held). False for anything else.
bool DecodeHeader(std::string_view bytes, uint64_t fileSize, IndexHeader &h);

// The date order a query reads the listing's dates in, from what the header
// keeps: the order its texts showed, else this machine's short format's.
platform::DateOrder DateOrderOf(const IndexHeader &h);

// The trigram keys of a folded text: every three bytes in a row.
inline uint32_t TrigramKey(const char *p)
{
    return uint32_t(uint8_t(p[0])) << 16 | uint32_t(uint8_t(p[1])) << 8 | uint32_t(uint8_t(p[2]));
}

inline void PutU32(std::string &out, uint32_t v)
{
    char b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>(v >> (8 * i));
    out.append(b, 4);
}
inline void PutU64(std::string &out, uint64_t v)
{
    PutU32(out, static_cast<uint32_t>(v));
    PutU32(out, static_cast<uint32_t>(v >> 32));
}
inline void PutVarint(std::string &out, uint64_t v)
{
    while (v >= 0x80) {
        out.push_back(static_cast<char>((v & 0x7F) | 0x80));
        v >>= 7;
    }
    out.push_back(static_cast<char>(v));
}
inline void PutText(std::string &out, std::string_view text)
{
    PutVarint(out, text.size());
    out.append(text);
}
inline uint32_t GetU32(const char *p)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(uint8_t(p[i])) << (8 * i);
    return v;
}
inline uint64_t GetU64(const char *p) { return GetU32(p) | uint64_t(GetU32(p + 4)) << 32; }

// Reads through bytes it holds, never past them: a read past the end, an
// overlong varint or a text longer than what is left sets `bad` and gives
// zeros and empty texts from then on.
class ByteCursor final {
public:
    explicit ByteCursor(std::string_view bytes) : m_bytes(bytes) {}
    bool bad() const { return m_bad; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    std::size_t left() const { return m_bad ? 0 : m_bytes.size() - m_pos; }
    uint8_t byte()
    {
        if (m_bad || m_pos >= m_bytes.size())
            return fail(), 0;
        return static_cast<uint8_t>(m_bytes[m_pos++]);
    }
    uint64_t varint()
    {
        uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const uint8_t b = byte();
            if (m_bad)
                return 0;
            v |= uint64_t(b & 0x7F) << shift;
            if (!(b & 0x80)) {
                if (shift == 63 && b > 1)
                    break; // more than 64 bits
                return v;
            }
        }
        fail();
        return 0;
    }
    std::string_view text()
    {
        const uint64_t n = varint();
        if (m_bad || n > m_bytes.size() - m_pos)
            return fail(), std::string_view();
        const std::string_view t = m_bytes.substr(m_pos, static_cast<std::size_t>(n));
        m_pos += static_cast<std::size_t>(n);
        return t;
    }

private:
    void fail() { m_bad = true; }
    std::string_view m_bytes;
    std::size_t m_pos = 0;
    bool m_bad = false;
};

// The whole index file of a listing read as `identity` (fuzzing and tests
// build one in memory; the writer writes it).
std::string BuildIndexBytes(const TreeNode &disk, const ListingIdentity &identity);

// Answers `query` over the index image `bytes` of one listing (whatever its
// identity) as AnswerFromIndex does over a catalogue of that one listing:
// the fuzzer gives it any bytes.
IndexAnswer AnswerFromIndexBytes(std::string_view bytes, const Query &query,
                                 const std::function<bool(const IndexHit &)> &found,
                                 std::string_view listingFile = "0.rkm");

} // namespace rkm::index
