#include "catalog/ListingFile.h"

#include "catalog/Errors.h"
#include "platform/Text.h"
#include "platform/Translated.h"

#include <algorithm>
#include <functional>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rkm {

namespace {

// A text as the writer writes it: cut to MAX_TEXT_BYTES, and noted when cut.
std::string_view bounded(std::string_view text, std::vector<LongText> *cut, const TreeNode &node, int entry,
                         LongText::Field field)
{
    if (text.size() <= MAX_TEXT_BYTES)
        return text;
    if (cut)
        cut->push_back(LongText{&node, entry, field});
    return platform::CutText(text, MAX_TEXT_BYTES);
}

void appendLines(std::string &out, const TreeNode &node, std::vector<LongText> *cut)
{
    // Stored texts end with '\n'; the file ends each with "\r\n".
    const FileList &files = node.disk().Files;
    for (int i = 0; i < files.count(); ++i) {
        const FileEntryView e = files.entry(i);
        for (std::size_t k = 0; k < e.size(); ++k) {
            out.append(bounded(e[k], cut, node, i, static_cast<LongText::Field>(LongText::FileName + static_cast<int>(k))));
            out.append("\r\n", 2);
        }
    }
}

// The folder names below the disk down to `node`, joined by '/', as UTF-8.
std::string FolderPath(const TreeNode &node)
{
    std::string path;
    for (const TreeNode *n = &node; n->parent(); n = n->parent())
        path = platform::Utf8Text(n->text()) + (path.empty() ? "" : "/") + path;
    return path;
}
} // namespace

std::string DescribeLongText(const LongText &text)
{
    static const char *const kOfDisk[] = {QT_TRANSLATE_NOOP("rkm::Core", "the disk's name"),
                                          QT_TRANSLATE_NOOP("rkm::Core", "the disk's root path"),
                                          QT_TRANSLATE_NOOP("rkm::Core", "the disk's comment"),
                                          QT_TRANSLATE_NOOP("rkm::Core", "the disk's file name"),
                                          QT_TRANSLATE_NOOP("rkm::Core", "the disk's description"),
                                          QT_TRANSLATE_NOOP("rkm::Core", "the disk's date"),
                                          QT_TRANSLATE_NOOP("rkm::Core", "the disk's size"),
                                          QT_TRANSLATE_NOOP("rkm::Core", "the disk's category")};
    static const char *const kOfPath[] = {
        QT_TRANSLATE_NOOP("rkm::Core", "%1 (name)"),        QT_TRANSLATE_NOOP("rkm::Core", "%1 (root path)"),
        QT_TRANSLATE_NOOP("rkm::Core", "%1 (comment)"),     QT_TRANSLATE_NOOP("rkm::Core", "%1 (file name)"),
        QT_TRANSLATE_NOOP("rkm::Core", "%1 (description)"), QT_TRANSLATE_NOOP("rkm::Core", "%1 (date)"),
        QT_TRANSLATE_NOOP("rkm::Core", "%1 (size)"),        QT_TRANSLATE_NOOP("rkm::Core", "%1 (category)")};
    const TreeNode &node = *text.node;
    std::string where = FolderPath(node);
    if (text.entry >= 0) {
        const std::string name = platform::Utf8Text(node.disk().Files.text(text.entry, FT_NAME));
        where += (where.empty() ? "" : "/") + name;
    }
    if (where.empty())
        return Utf8(rkm::Core::tr(kOfDisk[text.field]));
    return Utf8(rkm::Core::tr(kOfPath[text.field]), {where});
}

void WriteInt(std::string &out, int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    const char b[4] = {static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
                       static_cast<char>((v >> 16) & 0xff), static_cast<char>((v >> 24) & 0xff)};
    out.append(b, 4);
}

void WriteText(std::string &out, std::string_view text)
{
    WriteInt(out, static_cast<int32_t>(text.size()));
    out.append(text);
}

namespace {
// Writes a subtree into `out`, handing `out` on to `sink` whenever it has
// grown past `chunk` bytes.
void writeNodeInChunks(std::string &out, const TreeNode &node, std::vector<LongText> *cut, std::size_t chunk,
                       const std::function<void(std::string_view)> *sink)
{
    const TDisk &d = node.disk();
    WriteText(out, bounded(node.text(), cut, node, -1, LongText::Name));
    if (!node.parent()) {
        WriteText(out, bounded(d.GetFullPath(), cut, node, -1, LongText::RootPath));
        WriteInt(out, d.DriveType);
    }
    WriteText(out, bounded(d.Comment, cut, node, -1, LongText::Comment));
    WriteInt(out, d.Files.count());
    appendLines(out, node, cut);
    WriteInt(out, node.childCount());
    if (sink && out.size() >= chunk) {
        (*sink)(out);
        out.clear();
    }
    for (int i = 0; i < node.childCount(); ++i)
        writeNodeInChunks(out, *node.child(i), cut, chunk, sink);
}
} // namespace

void WriteNode(std::string &out, const TreeNode &node, std::vector<LongText> *cut)
{
    writeNodeInChunks(out, node, cut, 0, nullptr);
}

bool CutLongTexts(TreeNode &disk)
{
    bool any = false;
    const auto cutString = [&](std::string &text) {
        if (text.size() > MAX_TEXT_BYTES) {
            text = std::string(platform::CutText(text, MAX_TEXT_BYTES));
            any = true;
        }
    };
    std::vector<TreeNode *> todo{&disk};
    while (!todo.empty()) {
        TreeNode &node = *todo.back();
        todo.pop_back();
        TDisk &d = node.disk();
        if (node.text().size() > MAX_TEXT_BYTES) {
            node.setText(std::string(platform::CutText(node.text(), MAX_TEXT_BYTES)));
            any = true;
        }
        if (!node.parent())
            cutString(d.RootPath);
        cutString(d.Comment);
        for (int i = 0; i < d.Files.count(); ++i) {
            for (int k = 0; k < I_STRINGS_IN_LIST; ++k) {
                const std::string_view t = d.Files.text(i, k);
                if (t.size() > MAX_TEXT_BYTES) {
                    d.Files.setText(i, k, std::string(platform::CutText(t, MAX_TEXT_BYTES)));
                    any = true;
                }
            }
        }
        for (int i = 0; i < node.childCount(); ++i)
            todo.push_back(node.child(i));
    }
    return any;
}

std::string WriteListing(const TreeNode &disk, uint32_t serialNumber, std::vector<LongText> *cut)
{
    std::string out;
    WriteListing(disk, serialNumber, [&out](std::string_view bytes) { out.append(bytes); }, cut);
    return out;
}

void WriteListing(const TreeNode &disk, uint32_t serialNumber, const std::function<void(std::string_view)> &sink,
                  std::vector<LongText> *cut)
{
    // Pieces of about a megabyte: a big listing is never held whole twice
    // (and the memory it would take is never touched).
    constexpr std::size_t kChunk = std::size_t(1) << 20;
    std::string out;
    out.reserve(kChunk + 4096);
    WriteInt(out, LISTING_VERSION);
    WriteInt(out, static_cast<int32_t>(serialNumber));
    WriteInt(out, I_STRINGS_IN_LIST);
    writeNodeInChunks(out, disk, cut, kChunk, &sink);
    if (!out.empty())
        sink(out);
}

ListingError::ListingError(std::string reason)
    : RackmereError(Utf8(rkm::Core::tr("Invalid disk listing file (%1)"), {reason})), m_reason(std::move(reason))
{
}

namespace {
std::string grouped(uint64_t n)
{
    std::string digits = std::to_string(n);
    for (std::size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, 1, ',');
    return digits;
}
} // namespace

ListingReader::ListingReader(std::string &buffer, uint64_t unread, ListingFeed feed, std::size_t piece)
    : m_data(buffer), m_buffer(&buffer), m_unread(unread), m_feed(std::move(feed)),
      m_piece(std::max<std::size_t>(piece, 1))
{
}

void ListingReader::fail(const std::string &why) const
{
    throw ListingError(Utf8(rkm::Core::tr("at byte %1: %2"), {grouped(m_dropped + m_pos), why}));
}

bool ListingReader::more(std::size_t atLeast)
{
    if (!m_buffer || m_unread == 0)
        return false;
    // What was read before the reading position is let go once it is half
    // of what is held: the bytes are moved at most once more on average.
    if (m_pos > 0 && m_pos >= m_buffer->size() / 2) {
        m_buffer->erase(0, m_pos);
        m_dropped += m_pos;
        m_pos = 0;
    }
    const std::size_t want = static_cast<std::size_t>(std::min<uint64_t>(std::max(atLeast, m_piece), m_unread));
    const std::size_t before = m_buffer->size();
    std::string error;
    if (!m_feed(want, *m_buffer, error))
        throw ListingError(Utf8(rkm::Core::tr("cannot be read: %1"), {error}));
    const std::size_t got = m_buffer->size() - before;
    m_data = *m_buffer;
    // A file that shrank while it was read ends where it now ends.
    m_unread = got < want ? 0 : m_unread - got;
    return got > 0;
}

void ListingReader::need(std::size_t count, const char *why)
{
    while (left() < count) {
        if (remaining() < count || !more(count - left()))
            fail(Utf8(rkm::Core::tr(why)));
    }
}

int32_t ListingReader::ReadInt()
{
    need(4, QT_TRANSLATE_NOOP("rkm::Core", "the file ends inside a number"));
    const auto *p = reinterpret_cast<const unsigned char *>(m_data.data() + m_pos);
    m_pos += 4;
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

std::string_view ListingReader::ReadText()
{
    const int32_t n = ReadInt();
    if (n < 0 || static_cast<std::size_t>(n) > MAX_READ_TEXT_BYTES) {
        m_pos -= 4; // told where the text's record starts
        fail(n < 0 ? Utf8(rkm::Core::tr("a text of %1 bytes"), {std::to_string(n)})
                   : Utf8(rkm::Core::tr("a text of %1 bytes, more than any listing holds"),
                          {grouped(static_cast<uint64_t>(n))}));
    }
    need(static_cast<std::size_t>(n), QT_TRANSLATE_NOOP("rkm::Core", "the file ends inside a text"));
    std::string_view t = m_data.substr(m_pos, static_cast<std::size_t>(n));
    m_pos += static_cast<std::size_t>(n);
    return t;
}

void ListingReader::ReadEntries(FileList &files, int32_t count)
{
    if (count <= 0)
        return;
    // First pass: find the line ends, and how many bytes the texts keep once
    // each "\r\n" (or bare "\n") becomes one '\n'. A short file fails here,
    // before anything is allocated for the folder; a file read piece by piece
    // is read no further than a text may be long.
    const uint64_t lines = uint64_t(count) * I_STRINGS_IN_LIST;
    if (lines > remaining())
        fail(Utf8(rkm::Core::tr("a folder of %1 files, more than the %2 bytes left can hold"),
                  {grouped(static_cast<uint64_t>(count)), grouped(remaining())}));
    m_lineEnds.clear();
    for (std::size_t scanned = 0;;) {
        // An entry is found by a 32-bit offset into its folder's buffer, so the
        // entries of one folder never span more than that.
        const std::size_t span = std::min<std::size_t>(left(), UINT32_MAX);
        if (FindMoreLineEnds(std::string_view(m_data.data() + m_pos, span), scanned, static_cast<std::size_t>(lines),
                             m_lineEnds))
            break;
        scanned = span;
        const std::size_t lineStart = m_lineEnds.empty() ? 0 : std::size_t(m_lineEnds.back()) + 1;
        if (scanned - lineStart > MAX_READ_TEXT_BYTES + 1)
            fail(Utf8(rkm::Core::tr("a file entry's text runs on for more than %1 bytes"),
                      {grouped(MAX_READ_TEXT_BYTES)}));
        if (span == UINT32_MAX || !more(0))
            fail(Utf8(rkm::Core::tr("the file ends inside the entries of a folder (%1 files)"),
                      {grouped(static_cast<uint64_t>(count))}));
    }
    const char *const begin = m_data.data() + m_pos;
    std::size_t crs = 0;
    for (std::size_t i = 0, lineStart = 0; i < m_lineEnds.size(); lineStart = m_lineEnds[i++] + 1) {
        const std::size_t lf = m_lineEnds[i];
        if (lf - lineStart > MAX_READ_TEXT_BYTES + 1)
            fail(Utf8(rkm::Core::tr("a file entry's text runs on for more than %1 bytes"),
                      {grouped(MAX_READ_TEXT_BYTES)}));
        crs += lf > lineStart && begin[lf - 1] == '\r';
    }
    const std::size_t blockLen = std::size_t(m_lineEnds.back()) + 1;
    if (files.rawData().size() + blockLen - crs > UINT32_MAX)
        fail(Utf8(rkm::Core::tr("a folder of more than 4 GiB of texts")));

    // Second pass: each text goes straight into the folder's one buffer,
    // which holds exactly what the first pass counted.
    FileList::Filler fill(files, static_cast<std::size_t>(count), blockLen - crs);
    std::size_t line = 0, lineStart = 0;
    for (int32_t e = 0; e < count; ++e) {
        fill.startEntry();
        for (int i = 0; i < I_STRINGS_IN_LIST; ++i, ++line) {
            const std::size_t lf = m_lineEnds[line];
            const std::size_t textEnd = lf > lineStart && begin[lf - 1] == '\r' ? lf - 1 : lf;
            if (!fill.text(begin + lineStart, textEnd - lineStart))
                fail(Utf8(rkm::Core::tr("a file entry's text that no listing holds")));
            lineStart = lf + 1;
        }
    }
    m_pos += blockLen;
}

bool FindLineEnds(std::string_view data, std::size_t lines, std::vector<uint32_t> &ends)
{
    ends.clear();
    return FindMoreLineEnds(data, 0, lines, ends);
}

bool FindMoreLineEnds(std::string_view data, std::size_t from, std::size_t lines, std::vector<uint32_t> &ends)
{
    if (ends.size() >= lines)
        return true;
    if (data.size() > UINT32_MAX)
        data = data.substr(0, UINT32_MAX);
    if (ends.capacity() == 0)
        ends.reserve(std::min<std::size_t>(lines, std::size_t(1) << 16));
    const char *const base = data.data();
    const std::size_t n = data.size();
    std::size_t i = from;
#if defined(__SSE2__)
    // Sixteen bytes at a time; the line feeds among them are taken in order.
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(base + i)), lf)));
        while (mask) {
            ends.push_back(static_cast<uint32_t>(i + static_cast<std::size_t>(__builtin_ctz(mask))));
            if (ends.size() == lines)
                return true;
            mask &= mask - 1;
        }
    }
#endif
    for (; i < n; ++i) {
        if (base[i] != '\n')
            continue;
        ends.push_back(static_cast<uint32_t>(i));
        if (ends.size() == lines)
            return true;
    }
    return false;
}

void ListingReader::ReadNodeBody(TreeNode &node, int depth)
{
    TDisk &d = node.disk();
    d.Comment = std::string(ReadText());
    ReadEntries(d.Files, ReadInt());
    const int32_t children = ReadInt();
    if (children <= 0)
        return;
    if (depth >= MAX_FOLDER_DEPTH)
        fail(Utf8(rkm::Core::tr("folders nested deeper than %1").arg(MAX_FOLDER_DEPTH)));
    // A child record takes at least 17 bytes; a count beyond that is a lie.
    if (uint64_t(children) * 17 > remaining())
        fail(Utf8(rkm::Core::tr("a folder of %1 folders, more than the %2 bytes left can hold"),
                  {grouped(static_cast<uint64_t>(children)), grouped(remaining())}));
    node.reserveChildren(static_cast<std::size_t>(children));
    for (int32_t i = 0; i < children; ++i) {
        std::string_view name = ReadText();
        if (name.empty())
            fail(Utf8(rkm::Core::tr("a folder without a name")));
        TreeNode *child = node.appendChild(std::string(name));
        ReadNodeBody(*child, depth + 1);
    }
}

std::unique_ptr<TreeNode> ListingReader::ReadDiskNode()
{
    std::string_view name = ReadText();
    if (name.empty())
        fail(Utf8(rkm::Core::tr("a disk without a name")));
    auto disk = MakeDiskNode(std::string(name));
    TDisk &d = disk->disk();
    d.RootPath = std::string(ReadText());
    d.DriveType = ReadInt();
    ReadNodeBody(*disk, 0);
    return disk;
}

ListingContents ReadListing(ListingReader &r)
{
    ListingContents result;
    const std::size_t start = r.position();
    const int32_t first = r.ReadInt();
    if (first == LISTING_VERSION) {
        result.serialNumber = static_cast<uint32_t>(r.ReadInt());
    } else {
        r.seek(start);
    }
    const std::size_t at = r.position();
    if (const int32_t texts = r.ReadInt(); texts != I_STRINGS_IN_LIST) {
        r.seek(at);
        if (first != LISTING_VERSION)
            r.fail(Utf8(rkm::Core::tr("not a disk listing file")));
        r.fail(
            Utf8(rkm::Core::tr("%1 texts per file entry, where a listing holds %2").arg(texts).arg(I_STRINGS_IN_LIST)));
    }
    result.disk = r.ReadDiskNode();
    return result;
}

ListingContents ReadListing(std::string_view data)
{
    ListingReader r(data);
    return ReadListing(r);
}

} // namespace rkm
