#pragma once

#include "catalog/Disks.h"
#include "catalog/Errors.h"

#include <cstdint>
#include <memory>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

inline constexpr int32_t LISTING_VERSION = 1001;
// The longest text a listing holds, in bytes: a reader of the format keeps
// 512 bytes of a line, its line end included.
inline constexpr std::size_t MAX_TEXT_BYTES = 510;
// Deeper folder nesting than this is refused by the reader and not walked by
// the scanner: no real file system nests so deep, and every walk of the tree
// recurses.
inline constexpr int MAX_FOLDER_DEPTH = 4096;

// A text the writer cut because it was longer than MAX_TEXT_BYTES: the node
// it belongs to, and the file entry (-1 for the node's own texts) and which
// of its texts.
struct LongText {
    enum Field { Name, RootPath, Comment, FileName, Description, Date, Size, Category };
    const TreeNode *node = nullptr;
    int entry = -1;
    Field field = Name;
};
// Where a long text is, as the user reads it (UTF-8): the folder path below
// the disk and the file name, joined by '/', then what it is, such as
// "Docs/readme.txt (description)" or "the disk's comment".
std::string DescribeLongText(const LongText &text);

// Writer: appends to a byte buffer. Numbers are 32-bit little-endian. No text
// is written longer than MAX_TEXT_BYTES: a longer one is cut at the last
// whole character that fits, and noted in `cut` when given.
void WriteInt(std::string &out, int32_t value);
void WriteText(std::string &out, std::string_view text);
void WriteNode(std::string &out, const TreeNode &node, std::vector<LongText> *cut = nullptr);
// The whole listing file of a disk node: header (version, serial, 5) and subtree.
std::string WriteListing(const TreeNode &disk, uint32_t serialNumber, std::vector<LongText> *cut = nullptr);
// The same, handed to `sink` in pieces as it is written.
void WriteListing(const TreeNode &disk, uint32_t serialNumber, const std::function<void(std::string_view)> &sink,
                  std::vector<LongText> *cut = nullptr);
// Cuts, in memory, every text of the subtree that the writer would cut, as it
// cuts it. Returns whether any was.
bool CutLongTexts(TreeNode &disk);

// The longest text the reader takes: a listing written by any program holds
// texts of a few hundred bytes; a longer "text" is a broken or hostile file,
// refused before it is read further.
inline constexpr std::size_t MAX_READ_TEXT_BYTES = std::size_t(1) << 20;

// Why a listing could not be read, as the user reads it ("at byte 12: a disk
// without a name"); what() is "Invalid disk listing file (" + reason + ")".
class ListingError final : public RackmereError {
public:
    explicit ListingError(std::string reason);
    const std::string &reason() const { return m_reason; }

private:
    std::string m_reason;
};

// Where a reader gets more of a listing file: appends up to `count` further
// bytes to `buffer` (fewer only at the end of the file); false on a read
// error, with the reason in `error`.
using ListingFeed = std::function<bool(std::size_t count, std::string &buffer, std::string &error)>;

// Reader over a listing, held in memory or read piece by piece from a file.
// Every read checks the bytes left, and nothing is allocated beyond what the
// bytes left can hold; read from a file, it holds the file's bytes no longer
// than the folder they belong to, and reads no further than the listing goes.
class ListingReader final {
public:
    explicit ListingReader(std::string_view data) : m_data(data) {}
    // Over `buffer`, which holds the first bytes of a file whose `unread`
    // further bytes `feed` gives, asked for `piece` bytes at a time at least.
    ListingReader(std::string &buffer, uint64_t unread, ListingFeed feed, std::size_t piece = std::size_t(4) << 20);
    std::size_t position() const { return m_pos; }
    std::size_t left() const { return m_data.size() - m_pos; }
    void seek(std::size_t pos) { m_pos = pos; }

    int32_t ReadInt();
    std::string_view ReadText();
    // Reads `count` file entries of five lines each into `files`.
    void ReadEntries(FileList &files, int32_t count);
    // Reads the disk's node record and every record below it into a new
    // disk node of its own.
    std::unique_ptr<TreeNode> ReadDiskNode();
    // Throws ListingError: "at byte N: " + why.
    [[noreturn]] void fail(const std::string &why) const;

private:
    void ReadNodeBody(TreeNode &node, int depth);
    // The bytes left in the file, read or not.
    uint64_t remaining() const { return left() + m_unread; }
    // Makes sure `count` bytes are held from the reading position on; fails
    // with `why` (translated when shown) when the file ends before.
    void need(std::size_t count, const char *why);
    // Reads the next piece of the file; false at its end.
    bool more(std::size_t atLeast);
    std::string_view m_data;
    std::size_t m_pos = 0;
    std::string *m_buffer = nullptr;
    uint64_t m_unread = 0;  // bytes of the file not read yet
    uint64_t m_dropped = 0; // bytes of the file read and let go
    ListingFeed m_feed;
    std::size_t m_piece = 0;
    std::vector<uint32_t> m_lineEnds; // scratch room of ReadEntries
};

// The positions of the first `lines` line feeds of `data` (of its first 4 GiB),
// in order, in `ends`; false when it holds fewer.
bool FindLineEnds(std::string_view data, std::size_t lines, std::vector<uint32_t> &ends);
// The same, going on from `from` (the line feeds before it are in `ends`).
bool FindMoreLineEnds(std::string_view data, std::size_t from, std::size_t lines, std::vector<uint32_t> &ends);

struct ListingContents {
    std::unique_ptr<TreeNode> disk;
    uint32_t serialNumber = 0;
};

// Reads a whole listing file (either header form). Throws ListingError on any
// fault, a texts-per-entry word other than 5 among them; nothing of the file
// is kept then.
ListingContents ReadListing(std::string_view data);
// The same, over a reader (of a file read piece by piece).
ListingContents ReadListing(ListingReader &reader);

} // namespace rkm
