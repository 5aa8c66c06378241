#include "catalog/ListingFile.h"

#include "catalog/Errors.h"

#include <cstring>

namespace rkm {

namespace {
const char kInvalid[] = "Invalid disk listing file.";

void appendLines(std::string &out, const FileList &files)
{
    // Stored texts end with '\n'; the file ends each with "\r\n".
    for (int i = 0; i < files.count(); ++i) {
        for (std::string_view t : files.entry(i)) {
            out.append(t);
            out.append("\r\n", 2);
        }
    }
}
} // namespace

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

void WriteNode(std::string &out, const TreeNode &node)
{
    const TDisk &d = node.disk();
    WriteText(out, node.text());
    if (!node.parent()) {
        WriteText(out, d.GetFullPath());
        WriteInt(out, d.DriveType);
    }
    WriteText(out, d.Comment);
    WriteInt(out, d.Files.count());
    appendLines(out, d.Files);
    WriteInt(out, node.childCount());
    for (int i = 0; i < node.childCount(); ++i)
        WriteNode(out, *node.child(i));
}

std::string WriteListing(const TreeNode &disk, uint32_t serialNumber)
{
    std::string out;
    out.reserve(4096);
    WriteInt(out, LISTING_VERSION);
    WriteInt(out, static_cast<int32_t>(serialNumber));
    WriteInt(out, I_STRINGS_IN_LIST);
    WriteNode(out, disk);
    return out;
}

void ListingReader::fail()
{
    throw RackmereError(kInvalid);
}

int32_t ListingReader::ReadInt()
{
    if (left() < 4)
        fail();
    const auto *p = reinterpret_cast<const unsigned char *>(m_data.data() + m_pos);
    m_pos += 4;
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

std::string_view ListingReader::ReadText()
{
    const int32_t n = ReadInt();
    if (n < 0 || static_cast<std::size_t>(n) > left())
        fail();
    std::string_view t = m_data.substr(m_pos, static_cast<std::size_t>(n));
    m_pos += static_cast<std::size_t>(n);
    return t;
}

void ListingReader::ReadEntries(FileList &files, int32_t count)
{
    if (count <= 0)
        return;
    // First pass: find where the entries end and how many bytes they keep once
    // each "\r\n" (or bare "\n") becomes one '\n'. A short file fails here,
    // before anything is allocated.
    const char *const begin = m_data.data() + m_pos;
    const char *const end = m_data.data() + m_data.size();
    const uint64_t lines = uint64_t(count) * I_STRINGS_IN_LIST;
    if (lines > left())
        fail();
    const char *p = begin;
    std::size_t crs = 0;
    for (uint64_t i = 0; i < lines; ++i) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!lf)
            fail();
        if (lf > p && lf[-1] == '\r')
            ++crs;
        p = lf + 1;
    }
    const std::size_t blockLen = static_cast<std::size_t>(p - begin);
    files.reserve(static_cast<std::size_t>(files.count()) + static_cast<std::size_t>(count), blockLen - crs);

    // Second pass: copy, entry by entry.
    std::string entry;
    const char *q = begin;
    for (int32_t e = 0; e < count; ++e) {
        entry.clear();
        for (int i = 0; i < I_STRINGS_IN_LIST; ++i) {
            const char *lf = static_cast<const char *>(std::memchr(q, '\n', static_cast<std::size_t>(p - q)));
            const char *textEnd = (lf > q && lf[-1] == '\r') ? lf - 1 : lf;
            entry.append(q, static_cast<std::size_t>(textEnd - q));
            entry.push_back('\n');
            q = lf + 1;
        }
        files.appendRaw(entry);
    }
    m_pos += blockLen;
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
        fail();
    // A child record takes at least 17 bytes; a count beyond that is a lie.
    node.reserveChildren(std::min<std::size_t>(static_cast<std::size_t>(children), left() / 17));
    for (int32_t i = 0; i < children; ++i) {
        std::string_view name = ReadText();
        if (name.empty())
            fail();
        TreeNode *child = node.appendChild(std::string(name));
        ReadNodeBody(*child, depth + 1);
    }
}

std::unique_ptr<TreeNode> ListingReader::ReadDiskNode()
{
    std::string_view name = ReadText();
    if (name.empty())
        fail();
    auto disk = MakeDiskNode(std::string(name));
    TDisk &d = disk->disk();
    d.RootPath = std::string(ReadText());
    d.DriveType = ReadInt();
    ReadNodeBody(*disk, 0);
    return disk;
}

ListingContents ReadListing(std::string_view data)
{
    ListingReader r(data);
    ListingContents result;
    const int32_t first = r.ReadInt();
    if (first == LISTING_VERSION) {
        result.serialNumber = static_cast<uint32_t>(r.ReadInt());
    } else {
        r.seek(0);
    }
    if (r.ReadInt() != I_STRINGS_IN_LIST)
        return result;
    result.disk = r.ReadDiskNode();
    return result;
}

} // namespace rkm
