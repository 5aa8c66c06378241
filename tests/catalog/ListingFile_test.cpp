#include "catalog/ListingFile.h"

#include "catalog/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace rkm;
using rkm::test::Counted;
using rkm::test::Word;

namespace {

// Backup on A:\ (floppy), README.TXT in the root and an empty folder DOCS.
std::unique_ptr<TreeNode> backupDisk()
{
    auto disk = MakeDiskNode("Backup");
    disk->disk().RootPath = "A:\\";
    disk->disk().DriveType = 2;
    disk->disk().Files.append(FileEntry{"README.TXT", "", "05.12.1999", "512 bytes", ""});
    disk->appendChild("DOCS");
    return disk;
}

std::string backupBody()
{
    return Counted("Backup") + Counted("A:\\") + Word(2) + Word(0) + Word(1) +
           "README.TXT\r\n\r\n05.12.1999\r\n512 bytes\r\n\r\n" + Word(1) + Counted("DOCS") + Word(0) + Word(0) +
           Word(0);
}

void expectSameTree(const TreeNode &a, const TreeNode &b)
{
    EXPECT_EQ(a.text(), b.text());
    EXPECT_EQ(a.disk().Comment, b.disk().Comment);
    EXPECT_EQ(a.imageIndex(), b.imageIndex());
    EXPECT_EQ(a.selectedIndex(), b.selectedIndex());
    ASSERT_EQ(a.disk().Files.count(), b.disk().Files.count());
    for (int i = 0; i < a.disk().Files.count(); ++i)
        EXPECT_EQ(a.disk().Files.entryCopy(i), b.disk().Files.entryCopy(i));
    ASSERT_EQ(a.childCount(), b.childCount());
    for (int i = 0; i < a.childCount(); ++i)
        expectSameTree(*a.child(i), *b.child(i));
}

} // namespace

TEST(ListingFile, WorkedExampleIsWrittenByteForByte)
{
    auto disk = backupDisk();
    const std::string bytes = WriteListing(*disk, 0x12345678);
    EXPECT_EQ(bytes, Word(1001) + Word(0x12345678) + Word(5) + backupBody());
}

TEST(ListingFile, WorkedExampleReadsBack)
{
    ListingContents c = ReadListing(Word(1001) + Word(77) + Word(5) + backupBody());
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.serialNumber, 77u);
    expectSameTree(*c.disk, *backupDisk());
    EXPECT_EQ(c.disk->disk().RootPath, "A:\\");
    EXPECT_EQ(c.disk->disk().DriveType, 2);
    EXPECT_EQ(c.disk->imageIndex(), 2);
    EXPECT_EQ(c.disk->child(0)->imageIndex(), IMAGE_CLOSED_FOLDER);
    EXPECT_EQ(c.disk->child(0)->selectedIndex(), IMAGE_OPEN_FOLDER);
}

TEST(ListingFile, ShortHeaderReadsWithSerialZero)
{
    ListingContents c = ReadListing(Word(5) + backupBody());
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.serialNumber, 0u);
    expectSameTree(*c.disk, *backupDisk());
}

// Refused with the reason, never skipped without a word.
TEST(ListingFile, OtherTextsPerEntryIsRefused)
{
    const struct {
        std::string bytes;
        std::string what;
    } cases[] = {
        {Word(1001) + Word(1) + Word(4) + backupBody(),
         "Invalid disk listing file (at byte 8: 4 texts per file entry, where a listing holds 5)"},
        {Word(7) + backupBody(), "Invalid disk listing file (at byte 0: not a disk listing file)"},
    };
    for (const auto &c : cases) {
        try {
            ReadListing(c.bytes);
            ADD_FAILURE() << "read: " << c.what;
        } catch (const ListingError &e) {
            EXPECT_EQ(e.what(), c.what);
        }
    }
}

TEST(ListingFile, EmptyDiskIsNameRootTypeCommentAndTwoZeros)
{
    auto disk = MakeDiskNode("E");
    disk->disk().RootPath = "/media/cd";
    disk->disk().DriveType = 5;
    EXPECT_EQ(WriteListing(*disk, 0), Word(1001) + Word(0) + Word(5) + Counted("E") + Counted("/media/cd") + Word(5) +
                                          Word(0) + Word(0) + Word(0));
}

TEST(ListingFile, RoundTripKeepsEverything)
{
    auto disk = MakeDiskNode("Photos \xe9t\xe9");
    disk->disk().RootPath = "/media/stick";
    disk->disk().DriveType = 2;
    disk->disk().Comment = "holiday";
    TreeNode *a = disk->appendChild("2019");
    a->disk().Comment = "first";
    a->disk().Files.append(FileEntry{"img1.jpg", "beach", "1.1.2019", "2 Kb", "Holiday"});
    a->disk().Files.append(FileEntry{"img2.jpg", "", "1.1.2019", "1024 bytes", ""});
    // The longest text a listing holds.
    a->appendChild("raw")->disk().Files.append(FileEntry{"x.cr2", std::string(MAX_TEXT_BYTES, 'd'), "d", "s", "c"});
    disk->appendChild("2020");
    const std::string bytes = WriteListing(*disk, 0xFFFFFFFFu);
    ListingContents c = ReadListing(bytes);
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.serialNumber, 0xFFFFFFFFu);
    EXPECT_EQ(c.disk->disk().RootPath, "/media/stick");
    EXPECT_EQ(c.disk->disk().Comment, "holiday");
    expectSameTree(*c.disk, *disk);
    // Written again, the same bytes.
    EXPECT_EQ(WriteListing(*c.disk, c.serialNumber), bytes);
}

// A listing of several megabytes goes to the file in pieces: each folder
// whole, in order, nothing twice, and the pieces end to end are the listing.
TEST(ListingFile, ABigListingIsWrittenInPiecesEndToEnd)
{
    auto disk = MakeDiskNode("Big");
    disk->disk().RootPath = "/big";
    for (int f = 0; f < 40; ++f) {
        TreeNode *folder = disk->appendChild("folder" + std::to_string(f));
        for (int i = 0; i < 2000; ++i)
            folder->disk().Files.append(FileEntry{"file" + std::to_string(i) + ".dat", "", "01.01.2020", "1 Kb", ""});
        folder->appendChild("empty");
    }
    std::string whole = Word(LISTING_VERSION) + Word(7) + Word(I_STRINGS_IN_LIST);
    WriteNode(whole, *disk);
    std::vector<std::string> pieces;
    WriteListing(*disk, 7, [&](std::string_view piece) { pieces.emplace_back(piece); });
    ASSERT_GT(pieces.size(), 2u);
    std::string joined;
    for (const std::string &piece : pieces)
        joined += piece;
    EXPECT_EQ(joined, whole);
    EXPECT_EQ(WriteListing(*disk, 7), whole);
}

TEST(ListingFile, LineEndForms)
{
    // A bare line feed ends a line too; a carriage return inside a text stays.
    const std::string body = Counted("D") + Counted("/") + Word(3) + Word(0) + Word(1) + "a\nb\r\nx\ry\r\n\n\r\r\n" +
                             Word(0);
    ListingContents c = ReadListing(Word(5) + body);
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.disk->disk().Files.entryCopy(0), (FileEntry{"a", "b", "x\ry", "", "\r"}));
}

TEST(ListingFile, FaultsAreReportedNeverTrusted)
{
    const std::string head = Word(1001) + Word(0) + Word(5);
    struct Case {
        const char *what;
        std::string bytes;
    } cases[] = {
        {"empty disk name", head + Counted("") + Counted("/") + Word(0) + Word(0) + Word(0) + Word(0)},
        {"empty folder name", head + Counted("D") + Counted("/") + Word(0) + Word(0) + Word(0) + Word(1) + Counted("") +
                                  Word(0) + Word(0) + Word(0)},
        {"negative text length", head + Word(-1) + "x"},
        {"text longer than the file", head + Word(1000) + "abc"},
        {"huge entry count", head + Counted("D") + Counted("/") + Word(0) + Word(0) + Word(0x7fffffff) + "a\r\n"},
        {"huge child count", head + Counted("D") + Counted("/") + Word(0) + Word(0) + Word(0) + Word(0x7fffffff)},
        {"line without end", head + Counted("D") + Counted("/") + Word(0) + Word(0) + Word(1) + "a\r\nb\r\nc\r\nd\r\ne"},
        {"nothing", std::string()},
        {"three bytes", std::string("\xe9\x03\x00", 3)},
    };
    for (const Case &c : cases)
        EXPECT_THROW(ReadListing(c.bytes), RackmereError) << c.what;
}

namespace {
// The outcome of reading `bytes` in pieces of `piece` bytes: the listing as
// written again, or the error; `fed` counts the bytes the reader asked for.
std::string readInPieces(const std::string &bytes, std::size_t piece, std::size_t &fed)
{
    std::string buffer = bytes.substr(0, std::min<std::size_t>(12, bytes.size()));
    fed = buffer.size();
    ListingReader reader(
        buffer, bytes.size() - buffer.size(),
        [&](std::size_t count, std::string &out, std::string &) {
            out.append(bytes, fed, count);
            fed = std::min(bytes.size(), fed + count);
            return true;
        },
        piece);
    try {
        ListingContents c = ReadListing(reader);
        return WriteListing(*c.disk, c.serialNumber);
    } catch (const ListingError &e) {
        return e.what();
    }
}
std::string readWhole(const std::string &bytes)
{
    try {
        ListingContents c = ReadListing(bytes);
        return WriteListing(*c.disk, c.serialNumber);
    } catch (const ListingError &e) {
        return e.what();
    }
}
} // namespace

// Read piece by piece, whatever the pieces, a file reads as it does whole, the
// same reason at the same byte when it is refused, and what follows the
// listing is never asked for.
TEST(ListingFile, PieceByPieceReadsAsWhole)
{
    auto disk = backupDisk();
    TreeNode *big = disk->appendChild("big");
    for (int i = 0; i < 300; ++i)
        big->disk().Files.append(FileEntry{"file" + std::to_string(i), "d", "1.1.2001", "1 Kb", "c"});
    big->appendChild("deeper")->disk().Comment = "deep";
    const std::string good = WriteListing(*disk, 42);
    const std::string head = Word(1001) + Word(0) + Word(5);
    const std::string node = Counted("D") + Counted("/") + Word(0) + Word(0);
    const std::string longLine(MAX_READ_TEXT_BYTES + 2, 'x');
    const struct {
        const char *what;
        std::string bytes;
        std::size_t listing; // bytes the listing takes (0: refused; SIZE_MAX: all)
    } cases[] = {
        {"a listing", good, good.size()},
        {"a listing and trailing bytes", good + std::string(100000, 'z'), good.size()},
        {"cut short", good.substr(0, good.size() - 40), 0},
        {"a text as long as the reader takes",
         head + node + Word(1) + std::string(MAX_READ_TEXT_BYTES, 'x') + "\r\n\n\n\n\n" + Word(0), SIZE_MAX},
        {"a line longer than the reader takes", head + node + Word(1) + longLine + "\n\n\n\n\n" + Word(0), 0},
        {"a name longer than the reader takes", head + Word(int32_t(MAX_READ_TEXT_BYTES) + 1) + longLine, 0},
        {"more files than bytes", head + node + Word(1000) + "a\nb\n", 0},
    };
    for (const auto &c : cases) {
        const std::string whole = readWhole(c.bytes);
        EXPECT_EQ(whole.rfind("Invalid", 0) == 0, c.listing == 0) << c.what << ": " << whole.substr(0, 200);
        for (const std::size_t piece : {std::size_t(1), std::size_t(7), std::size_t(4096), std::size_t(1) << 22}) {
            SCOPED_TRACE(std::string(c.what) + ", pieces of " + std::to_string(piece));
            std::size_t fed = 0;
            EXPECT_EQ(readInPieces(c.bytes, piece, fed), whole);
            if (c.listing) {
                EXPECT_LE(fed, std::min(c.listing, c.bytes.size()) + piece);
            }
        }
    }
}

TEST(ListingFile, NegativeCountsReadAsNone)
{
    const std::string body = Counted("D") + Counted("/") + Word(0) + Word(0) + Word(-3) + Word(-1);
    ListingContents c = ReadListing(Word(5) + body);
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.disk->disk().Files.count(), 0);
    EXPECT_EQ(c.disk->childCount(), 0);
}

TEST(ListingFile, EveryTruncationFailsCleanly)
{
    auto disk = backupDisk();
    disk->child(0)->appendChild("deep")->disk().Files.append(FileEntry{"f", "d", "1", "2", "c"});
    disk->child(0)->disk().Comment = "comment";
    const std::string bytes = WriteListing(*disk, 42);
    for (std::size_t len = 0; len < bytes.size(); ++len)
        EXPECT_THROW(ReadListing(std::string_view(bytes).substr(0, len)), RackmereError) << "length " << len;
    EXPECT_NO_THROW(ReadListing(bytes));
}

TEST(ListingFile, NestingBeyondTheLimitIsRefused)
{
    const std::string head = Word(5) + Counted("D") + Counted("/") + Word(0) + Word(0) + Word(0);
    std::string deep = head;
    for (int i = 0; i < MAX_FOLDER_DEPTH + 10; ++i)
        deep += Word(1) + Counted("f") + Word(0) + Word(0);
    deep += Word(0);
    EXPECT_THROW(ReadListing(deep), RackmereError);
}

// No text is written longer than a reader of the format holds (510 bytes):
// a longer one is cut at the last whole character within them, and noted.
TEST(ListingFile, LongTextsAreCutAtWholeCharacters)
{
    const std::string e = "\xC3\xA9"; // é, two bytes
    struct Case {
        LongText::Field field;
        std::string text;
        std::string written;
        const char *told;
    };
    const std::string fits(510, 'f');
    const Case cases[] = {
        {LongText::Name, std::string(509, 'n') + e + "x", std::string(509, 'n'), "the disk's name"},
        {LongText::RootPath, "/" + std::string(600, 'r'), "/" + std::string(509, 'r'), "the disk's root path"},
        {LongText::Comment, std::string(520, '\xE9'), std::string(510, '\xE9'), "DOCS (comment)"}, // Windows-1252
        {LongText::Description, std::string(508, 'd') + e + e, std::string(508, 'd') + e, "DOCS/README.TXT (description)"},
        {LongText::Category, std::string(600, 'c'), std::string(510, 'c'), "DOCS/README.TXT (category)"},
        {LongText::Date, fits, fits, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.told ? c.told : "fits");
        auto disk = backupDisk();
        TreeNode *docs = disk->child(0);
        docs->disk().Files.append(FileEntry{"README.TXT", "", "05.12.1999", "512 bytes", ""});
        switch (c.field) {
        case LongText::Name: disk->setText(c.text); break;
        case LongText::RootPath: disk->disk().RootPath = c.text; break;
        case LongText::Comment: docs->disk().Comment = c.text; break;
        default: docs->disk().Files.setText(0, c.field - LongText::FileName, c.text); break;
        }
        std::vector<LongText> cut;
        const std::string bytes = WriteListing(*disk, 1, &cut);
        ListingContents back = ReadListing(bytes);
        ASSERT_TRUE(back.disk);
        const TreeNode &d = *back.disk;
        const std::string read = c.field == LongText::Name       ? d.text()
                                 : c.field == LongText::RootPath ? d.disk().RootPath
                                 : c.field == LongText::Comment  ? d.child(0)->disk().Comment
                                 : std::string(d.child(0)->disk().Files.text(0, c.field - LongText::FileName));
        EXPECT_EQ(read, c.written);
        ASSERT_EQ(cut.size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(DescribeLongText(cut[0]), c.told);
            // Memory is cut the same way when asked.
            EXPECT_TRUE(CutLongTexts(*disk));
            EXPECT_EQ(WriteListing(*disk, 1), bytes);
        }
    }
}

TEST(ListingFile, LineEndsAreFoundAcrossEveryChunkBoundary)
{
    // Line feeds at every place of a 16-byte stretch and beyond it, one line
    // more than there is, and a text cut at the end.
    std::string sixtyFour(64, 'x');
    for (std::size_t i = 3; i < sixtyFour.size(); i += 7)
        sixtyFour[i] = '\n';
    std::vector<uint32_t> all;
    for (uint32_t i = 3; i < 64; i += 7)
        all.push_back(i);
    struct Case {
        std::string data;
        std::size_t lines;
        bool found;
        std::vector<uint32_t> ends;
    } cases[] = {
        {"", 0, true, {}},
        {"", 1, false, {}},
        {"\n", 1, true, {0}},
        {std::string(15, 'a') + "\n", 1, true, {15}},
        {std::string(16, 'a') + "\n", 1, true, {16}},
        {std::string(31, 'a') + "\n\n", 2, true, {31, 32}},
        {std::string(40, '\n'), 40, true, [] { std::vector<uint32_t> v; for (uint32_t i = 0; i < 40; ++i) v.push_back(i); return v; }()},
        {std::string(40, '\n'), 41, false, {}},
        {sixtyFour, all.size(), true, all},
        {sixtyFour, 3, true, {3, 10, 17}},
        {sixtyFour, all.size() + 1, false, {}},
    };
    for (const Case &c : cases) {
        std::vector<uint32_t> ends{99}; // whatever was there goes
        EXPECT_EQ(FindLineEnds(c.data, c.lines, ends), c.found) << c.data.size() << " bytes, " << c.lines;
        if (c.found) {
            EXPECT_EQ(ends, c.ends) << c.data.size() << " bytes, " << c.lines;
        }
    }
}

TEST(ListingFile, EntriesOfEveryLengthAndLineEndReadAsWritten)
{
    // Texts of 0 to 40 bytes, so entries start and end at every place of the
    // reader's 16-byte steps, each line ended by "\r\n", a bare "\n", or a
    // "\r\r\n" (the first carriage return is the text's).
    const char *const ends[] = {"\r\n", "\n", "\r\r\n"};
    std::string lines;
    std::vector<FileEntry> expected;
    int k = 0;
    for (std::size_t len = 0; len <= 40; ++len) {
        FileEntry e;
        for (std::size_t t = 0; t < e.size(); ++t, ++k) {
            const std::string end = ends[k % 3];
            e[t] = std::string((len + t) % 41, static_cast<char>('a' + t)) + (end == "\r\r\n" ? "\r" : "");
            lines += std::string((len + t) % 41, static_cast<char>('a' + t)) + end;
        }
        expected.push_back(e);
    }
    const int32_t count = static_cast<int32_t>(expected.size());
    // Two folders, so the second one's entries start past the first's.
    const std::string body = Counted("D") + Counted("/") + Word(0) + Word(0) + Word(count) + lines + Word(1) +
                             Counted("sub") + Word(0) + Word(count) + lines + Word(0) + Word(0);
    ListingContents c = ReadListing(Word(5) + body);
    ASSERT_TRUE(c.disk);
    for (const TreeNode *node : {c.disk.get(), c.disk->child(0)}) {
        const FileList &files = node->disk().Files;
        ASSERT_EQ(files.count(), count);
        EXPECT_TRUE(files.inListOrder());
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(files.entryCopy(i), expected[static_cast<std::size_t>(i)]) << node->text() << " entry " << i;
    }
    // Nothing but the texts and their separators is kept.
    std::size_t bytes = 0;
    for (const FileEntry &e : expected)
        for (const std::string &t : e)
            bytes += t.size() + 1;
    EXPECT_EQ(c.disk->disk().Files.rawData().size(), bytes);
    // Written again, every line ends with "\r\n" and reads back the same.
    ListingContents again = ReadListing(WriteListing(*c.disk, 0));
    ASSERT_TRUE(again.disk);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(again.disk->child(0)->disk().Files.entryCopy(i), expected[static_cast<std::size_t>(i)]);
}
