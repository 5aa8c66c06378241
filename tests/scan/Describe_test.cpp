#include "scan/Describe.h"

#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"
#include "platform/Text.h"
#include "scan/Scanner.h"
#include "scan/Update.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

namespace rkm {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// ---- Small builders of media files -------------------------------------

std::string BigEndian(uint32_t v, int bytes)
{
    std::string s;
    for (int i = bytes - 1; i >= 0; --i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string LittleEndian(uint32_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

// An MP3 file: an ID3v2.4 tag with UTF-8 text frames, then `seconds` of
// silent MPEG-1 layer III frames at 128 kbit/s, 44.1 kHz.
std::string Mp3(const std::map<std::string, std::string> &frames, int seconds)
{
    std::string body;
    for (const auto &[id, text] : frames) {
        const std::string content = std::string(1, '\x03') + text; // UTF-8
        body += id + BigEndian(static_cast<uint32_t>(content.size()), 4) + std::string(2, '\0') + content;
    }
    const auto size = static_cast<uint32_t>(body.size());
    std::string tag = "ID3\x04";
    tag += '\0';
    tag += '\0';
    for (int shift = 21; shift >= 0; shift -= 7) // sync-safe size
        tag += static_cast<char>((size >> shift) & 0x7F);
    std::string mp3 = tag + body;
    std::string frame = "\xFF\xFB\x90";
    frame += '\0';
    frame.resize(417, '\0');
    for (int i = 0; i < seconds * 16000 / 417 + 1; ++i)
        mp3 += frame;
    return mp3;
}

// A JPEG file: an Exif block with the camera and the date taken, and the
// picture's size in its frame header.
std::string Jpeg(const std::string &model, const std::string &taken, uint16_t width, uint16_t height)
{
    // TIFF, little-endian: IFD0 (model, pointer to the Exif IFD), Exif IFD
    // (date taken), then their texts.
    const std::string modelText = model + '\0';
    const std::string takenText = taken + '\0';
    const uint32_t ifd0 = 8, exifIfd = ifd0 + 2 + 2 * 12 + 4, data = exifIfd + 2 + 12 + 4;
    std::string tiff = "II*" + std::string(1, '\0') + LittleEndian(ifd0, 4);
    tiff += LittleEndian(2, 2);
    tiff += LittleEndian(0x0110, 2) + LittleEndian(2, 2) + LittleEndian(static_cast<uint32_t>(modelText.size()), 4) +
            LittleEndian(data, 4);
    tiff += LittleEndian(0x8769, 2) + LittleEndian(4, 2) + LittleEndian(1, 4) + LittleEndian(exifIfd, 4);
    tiff += LittleEndian(0, 4);
    tiff += LittleEndian(1, 2);
    tiff += LittleEndian(0x9003, 2) + LittleEndian(2, 2) + LittleEndian(static_cast<uint32_t>(takenText.size()), 4) +
            LittleEndian(data + static_cast<uint32_t>(modelText.size()), 4);
    tiff += LittleEndian(0, 4);
    tiff += modelText + takenText;
    const std::string exif = std::string("Exif") + std::string(2, '\0') + tiff;
    std::string jpeg = "\xFF\xD8\xFF\xE1" + BigEndian(static_cast<uint32_t>(exif.size() + 2), 2) + exif;
    jpeg += "\xFF\xC0" + BigEndian(17, 2) + "\x08" + BigEndian(height, 2) + BigEndian(width, 2) +
            std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    jpeg += "\xFF\xD9";
    return jpeg;
}

std::string Chunk(const std::string &id, const std::string &data)
{
    return id + LittleEndian(static_cast<uint32_t>(data.size()), 4) + data + (data.size() % 2 ? "\0" : "");
}

std::string List(const std::string &type, const std::string &data)
{
    return Chunk("LIST", type + data);
}

// An AVI file: `frames` Motion JPEG frames of width × height at 25 frames a
// second (the frames themselves are a few empty bytes).
std::string Avi(uint32_t frames, uint32_t width, uint32_t height)
{
    auto words = [](std::initializer_list<uint32_t> ws) {
        std::string s;
        for (const uint32_t w : ws)
            s += LittleEndian(w, 4);
        return s;
    };
    const std::string avih = words({40000, 0, 0, 0, frames, 0, 1, 0, width, height, 0, 0, 0, 0});
    const std::string strh = std::string("vidsMJPG") + words({0, 0, 0, 1, 25, 0, frames, 0, 0xFFFFFFFF, 0}) +
                             LittleEndian(0, 4) + LittleEndian(width, 2) + LittleEndian(height, 2);
    const std::string strf = words({40, width, height}) + LittleEndian(1, 2) + LittleEndian(24, 2) + "MJPG" +
                             words({width * height * 3, 0, 0, 0, 0});
    std::string movi;
    for (uint32_t i = 0; i < frames; ++i)
        movi += Chunk("00dc", std::string(8, '\0'));
    const std::string body =
        List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf))) + List("movi", movi);
    return "RIFF" + LittleEndian(static_cast<uint32_t>(body.size() + 4), 4) + "AVI " + body;
}

std::map<std::string, std::string> Descriptions(const TDisk &d)
{
    std::map<std::string, std::string> m;
    for (int i = 0; i < d.Files.count(); ++i)
        m[std::string(d.Files.text(i, FT_NAME))] = std::string(d.Files.text(i, FT_DESCRIPTION));
    return m;
}

const TreeNode *Child(const TreeNode &n, const std::string &name)
{
    for (int i = 0; i < n.childCount(); ++i)
        if (n.child(i)->text() == name)
            return n.child(i);
    return nullptr;
}

// ---- Description files ---------------------------------------------------

TEST(DescriptIon, LinesAreParsed)
{
    struct Case {
        const char *what;
        std::string bytes;
        std::vector<std::pair<std::string, std::string>> lines;
    };
    const std::vector<Case> cases = {
        {"plain, LF and CR LF",
         "readme.txt Read me first\r\nsetup.exe   Installs it\nlast.doc\tTab before\n",
         {{"readme.txt", "Read me first"}, {"setup.exe", "Installs it"}, {"last.doc", "Tab before"}}},
        {"a quoted name holds spaces", "\"my file.txt\" Mine, with \"quotes\" kept  \n",
         {{"my file.txt", "Mine, with \"quotes\" kept"}}},
        {"Windows-1252 bytes are kept", "caf\xE9.txt Men\xFC du caf\xE9\r\n", {{"caf\xE9.txt", "Men\xFC du caf\xE9"}}},
        {"byte order mark and DOS end mark", "\xEF\xBB\xBF" "a.txt Alpha\r\n\x1A" "b.txt Beta\r\n", {{"a.txt", "Alpha"}}},
        {"several lines joined, other data cut",
         "multi.txt First\\nSecond\\nThird\x04\xC2\nextra.txt Text\x04\x01\x02 binary\n",
         {{"multi.txt", "First Second Third"}, {"extra.txt", "Text"}}},
        {"lines without a description or a name give nothing",
         "alone.txt\n\n   \n\"unclosed name text\n\"\" empty name\nok.txt  ok\n", {{"ok.txt", "ok"}}},
        {"last line without a line end", "end.txt The end", {{"end.txt", "The end"}}},
    };
    for (const Case &c : cases) {
        std::vector<std::pair<std::string, std::string>> got;
        for (const DescriptionLine &l : ParseDescriptIon(c.bytes))
            got.emplace_back(l.name, l.description);
        EXPECT_EQ(got, c.lines) << c.what;
    }
}

TEST(DescriptIon, FillsOnlyEmptyDescriptionsOfTheFilesNamed)
{
    FileList files;
    for (const char *name : {"README.TXT", "kept.txt", "caf\xC3\xA9.txt", "none.txt", "exact.TXT"})
        files.append(FileEntryView{name, "", "01.01.2000", "1 bytes", ""});
    files.setText(1, FT_DESCRIPTION, "the user's");
    const std::vector<DescriptionLine> lines = ParseDescriptIon(
        "readme.txt From DOS\r\nkept.txt Not taken\r\nCAF\xC9.TXT Windows-1252\r\nexact.txt lower\r\n"
        "exact.TXT same bytes\r\n");
    EXPECT_EQ(FillDescriptions(files, lines), 3);
    EXPECT_EQ(files.text(0, FT_DESCRIPTION), "From DOS") << "letter case aside";
    EXPECT_EQ(files.text(1, FT_DESCRIPTION), "the user's");
    EXPECT_EQ(files.text(2, FT_DESCRIPTION), "Windows-1252") << "same text in another encoding";
    EXPECT_EQ(files.text(3, FT_DESCRIPTION), "");
    EXPECT_EQ(files.text(4, FT_DESCRIPTION), "same bytes") << "the same bytes come first";
}

TEST(FileIdDiz, CommentIsOneLineWithinTheLimit)
{
    const std::string longUtf8 = std::string(509, 'x') + "\xC3\xA9 and more";
    const struct {
        std::string bytes, comment;
    } cases[] = {
        {"  COOL GAME v1.2  \r\n\r\n  (c) 1994   Someone\r\n\x1A garbage", "COOL GAME v1.2 (c) 1994 Someone"},
        {"\xEF\xBB\xBF\tone\tline\t", "one line"},
        {"", ""},
        {longUtf8, std::string(509, 'x')}, // the character that does not fit whole is left out
    };
    for (const auto &c : cases) {
        const std::string comment = FileIdDizComment(c.bytes);
        EXPECT_EQ(comment, c.comment);
        EXPECT_LE(comment.size(), MAX_TEXT_BYTES);
    }
}

// ---- Media texts -----------------------------------------------------------

TEST(MediaTexts, EmptyPartsAreLeftOutAndTheLimitHolds)
{
    std::string title;
    for (int i = 0; i < 300; ++i)
        title += "\xC3\xA9";
    const struct {
        std::string text, expected;
    } cases[] = {
        {AudioDescription({"Artist", "Title", "Album", 1999, 185}), "Artist \xE2\x80\x93 Title (Album, 1999) 3:05"},
        {AudioDescription({"", "Title", "", 2001, 59}), "Title (2001) 0:59"},
        {AudioDescription({"Artist", "", "Album", 0, 0}), "Artist (Album)"},
        {AudioDescription({" ", "\tTitle\r\nPart 2", "", 0, 3600}), "Title Part 2 60:00"},
        {AudioDescription({}), ""},
        {PhotoDescription({"2021:07:14 10:22:31", "Canon EOS 5D", 4368, 2912}),
         "2021-07-14 10:22, Canon EOS 5D, 4368 \xC3\x97 2912"},
        {PhotoDescription({"0000:00:00 00:00:00", "", 640, 480}), "640 \xC3\x97 480"},
        {PhotoDescription({"    :  :     :  :  ", "Phone", 0, 0}), "Phone"},
        {VideoDescription({3723000, 1920, 1080, "AVC"}), "1:02:03, 1920 \xC3\x97 1080, AVC"},
        {VideoDescription({59999, 0, 0, "VP9"}), "0:00:59, VP9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.text, c.expected);

    const std::string cut = AudioDescription({"", title, "", 0, 0});
    EXPECT_EQ(cut.size(), 510u) << "cut at a whole character";
    EXPECT_TRUE(platform::IsUtf8(cut));
}

TEST(MediaTexts, KindByExtension)
{
    const std::pair<const char *, MediaKind> cases[] = {
        {"song.MP3", MediaKind::Audio},   {"a.flac", MediaKind::Audio}, {"IMG_0001.JPG", MediaKind::Photo},
        {"raw.nef", MediaKind::Photo},    {"clip.mkv", MediaKind::Video}, {"movie.Mp4", MediaKind::Video},
        {"notes.txt", MediaKind::None},   {"mp3", MediaKind::None},     {".mp3", MediaKind::None},
        {"archive.mp3.gz", MediaKind::None},
    };
    for (const auto &[name, kind] : cases)
        EXPECT_EQ(MediaKindOf(name), kind) << name;
}

// ---- The walk ----------------------------------------------------------------

class DescribeScan : public ::testing::Test {
protected:
    std::unique_ptr<TreeNode> Scan(ScanOptions options, const std::string &comment = {})
    {
        return ScanDisk(disk(), "Disk", comment, nullptr, 2, options);
    }
    std::string disk() const { return tmp.path() + "disk"; }
    void Write(const std::string &relative, std::string_view bytes) { test::WriteBytes(disk() + "/" + relative, bytes); }

    TempDir tmp;
};

TEST_F(DescribeScan, DescriptionFilesFillFilesAndComments)
{
    Write("descript.ion", "\"my song.mp3\" A song\r\nreadme.txt Read me\r\nsub The sub-folder\r\n"
                          "caf\xE9.txt Caf\xE9 in Windows-1252\r\n");
    Write("my song.mp3", "not really a song");
    Write("readme.txt", "hello");
    Write("caf\xC3\xA9.txt", "named in UTF-8");
    Write("other.txt", "no line for it");
    Write("sub/FILE_ID.DIZ", "  Sub folder  \r\n  from the diz \r\n");
    Write("diz/file_id.diz", "Diz folder");
    Write("big/descript.ion", "x.txt " + std::string(MAX_DESCRIPTION_FILE_BYTES, 'y') + "\n");
    Write("big/x.txt", "x");

    ScanOptions on;
    on.tags = true; // the song's tags cannot be read: its line stays
    const auto root = Scan(on, "the user's comment");
    const auto files = Descriptions(root->disk());
    EXPECT_EQ(files.at("my song.mp3"), "A song");
    EXPECT_EQ(files.at("readme.txt"), "Read me");
    EXPECT_EQ(files.at("caf\xC3\xA9.txt"), "Caf\xE9 in Windows-1252") << "bytes kept as the file has them";
    EXPECT_EQ(files.at("other.txt"), "");
    EXPECT_EQ(files.at("descript.ion"), "") << "the description file stays a file";
    EXPECT_EQ(root->disk().Comment, "the user's comment");
    EXPECT_EQ(Child(*root, "sub")->disk().Comment, "The sub-folder") << "descript.ion before file_id.diz";
    EXPECT_EQ(Child(*root, "diz")->disk().Comment, "Diz folder");
    EXPECT_EQ(Descriptions(Child(*root, "big")->disk()).at("x.txt"), "") << "a description file over 1 MiB is refused";

    ScanOptions off;
    off.descriptions = false;
    const auto plain = Scan(off);
    for (const auto &[name, description] : Descriptions(plain->disk()))
        EXPECT_EQ(description, "") << name;
    EXPECT_EQ(Child(*plain, "diz")->disk().Comment, "");
}

TEST_F(DescribeScan, MediaTagsFillEmptyDescriptions)
{
    Write("music/song.mp3",
          Mp3({{"TPE1", "The Artist"}, {"TIT2", "T\xC3\xAFtle"}, {"TALB", "An Album"}, {"TDRC", "1999"}}, 2));
    Write("music/broken.mp3", std::string(5000, 'z'));
    Write("music/empty.flac", "");
    Write("music/described.mp3", Mp3({{"TIT2", "Not used"}}, 1));
    Write("music/descript.ion", "described.mp3 Described by hand\r\n");
    Write("photos/IMG_0001.JPG", Jpeg("Canon EOS 5D", "2021:07:14 10:22:31", 640, 480));
    Write("photos/broken.jpg", "\xFF\xD8 not a jpeg");
    Write("photos/notes.txt", "not media");
    Write("video/clip.mkv", "not a video either");
    Write("video/movie.avi", Avi(75, 320, 240));

    ScanOptions tags;
    tags.tags = true;
    const auto root = Scan(tags);
    const auto music = Descriptions(Child(*root, "music")->disk());
    EXPECT_EQ(music.at("song.mp3"), "The Artist \xE2\x80\x93 T\xC3\xAFtle (An Album, 1999) 0:02");
    EXPECT_EQ(music.at("broken.mp3"), "");
    EXPECT_EQ(music.at("empty.flac"), "");
    EXPECT_EQ(music.at("described.mp3"), "Described by hand") << "a description file comes before the tags";
    const auto photos = Descriptions(Child(*root, "photos")->disk());
    EXPECT_EQ(photos.at("IMG_0001.JPG"), "2021-07-14 10:22, Canon EOS 5D, 640 \xC3\x97 480");
    EXPECT_EQ(photos.at("broken.jpg"), "");
    EXPECT_EQ(photos.at("notes.txt"), "");
    const auto video = Descriptions(Child(*root, "video")->disk());
    EXPECT_EQ(video.at("clip.mkv"), "");
    EXPECT_EQ(video.at("movie.avi"), "0:00:03, 320 \xC3\x97 240, JPEG") << "MediaInfo names the codec";

    const auto untagged = Scan(ScanOptions{});
    EXPECT_EQ(Descriptions(Child(*untagged, "music")->disk()).at("song.mp3"), "") << "tags are read only when asked";
}

TEST_F(DescribeScan, OnlyRegularFilesAreRead)
{
    fs::create_directories(disk());
    ASSERT_EQ(::mkfifo((disk() + "/descript.ion").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((disk() + "/song.mp3").c_str(), 0600), 0);
    const int fd = ::open(disk().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    // Neither waits for a writer that never comes.
    EXPECT_FALSE(ReadSmallFile(fd, "descript.ion", MAX_DESCRIPTION_FILE_BYTES));
    EXPECT_EQ(MediaDescription(fd, "song.mp3", MediaKind::Audio), "");
    ::close(fd);
}

TEST_F(DescribeScan, UpdateKeepsWhatTheUserWrote)
{
    Write("descript.ion", "a.txt From the file\r\nb.txt From the file too\r\n");
    Write("a.txt", "a");
    Write("b.txt", "b");
    Write("sub/file_id.diz", "Diz comment");
    const std::string programDir = tmp.path() + "catalog/";
    fs::create_directories(programDir);
    CatalogStore store(programDir);
    store.serialSource = [](const TDisk &) { return 0u; };
    TreeNode *old = store.Tree().appendDisk(Scan(ScanOptions{}));
    store.SaveListing(old);
    // The user writes over one description and the folder's comment.
    for (int i = 0; i < old->disk().Files.count(); ++i)
        if (old->disk().Files.text(i, FT_NAME) == "a.txt")
            old->disk().Files.setText(i, FT_DESCRIPTION, "Written by the user");
    const_cast<TreeNode *>(Child(*old, "sub"))->disk().Comment = "User's folder";

    const TreeNode *fresh = UpdateListing(store, old, nullptr, ScanOptions{});
    const auto files = Descriptions(fresh->disk());
    EXPECT_EQ(files.at("a.txt"), "Written by the user");
    EXPECT_EQ(files.at("b.txt"), "From the file too");
    EXPECT_EQ(Child(*fresh, "sub")->disk().Comment, "User's folder");

    // Where the old listing held nothing, the description file fills it.
    TreeNode *again = store.Tree().appendDisk(Scan(ScanOptions{.archives = false, .descriptions = false}));
    const TreeNode *filled = UpdateListing(store, again, nullptr, ScanOptions{});
    EXPECT_EQ(Descriptions(filled->disk()).at("a.txt"), "From the file");
    EXPECT_EQ(Child(*filled, "sub")->disk().Comment, "Diz comment");
}

} // namespace
} // namespace rkm
