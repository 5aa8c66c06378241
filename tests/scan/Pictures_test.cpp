// Pictures made by the workers: one of each kind of file, in the order the
// files were given; what is broken or too large costs little and says why; a
// worker that dies or hangs costs its file only.
#include "scan/Sandbox.h"
#include "scan/Scanner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

using namespace rkm;
using Clock = std::chrono::steady_clock;

namespace {

const bool kTriggersSet = [] {
    ::setenv("RACKMERE_READER_TEST_CRASH", "crash.mp3", 1);
    ::setenv("RACKMERE_READER_TEST_HANG", "hang.mp3", 1);
    return true;
}();

constexpr char kFfmpeg[] = "/usr/bin/ffmpeg";
constexpr char kExiftool[] = "/usr/bin/exiftool";

void Ffmpeg(std::vector<std::string> args)
{
    args.insert(args.begin(), {"-loglevel", "error", "-y"});
    const test::CliResult r = test::RunProgram(kFfmpeg, args);
    ASSERT_EQ(r.status, 0) << r.err;
}

// The width and height a JPEG's frame header declares; 0 x 0 when it is no
// JPEG.
std::pair<int, int> JpegSize(const std::string &jpeg)
{
    auto byte = [&](std::size_t i) { return i < jpeg.size() ? static_cast<unsigned char>(jpeg[i]) : 0U; };
    if (byte(0) != 0xFF || byte(1) != 0xD8)
        return {0, 0};
    for (std::size_t i = 2; byte(i) == 0xFF; i += 2 + (byte(i + 2) << 8 | byte(i + 3))) {
        const unsigned marker = byte(i + 1);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return {int(byte(i + 7) << 8 | byte(i + 8)), int(byte(i + 5) << 8 | byte(i + 6))};
    }
    return {0, 0};
}

// A little-endian TIFF, as most camera RAW files are, whose first folder of
// tags holds an 800 x 600 JPEG preview and no image of its own, taken with
// the camera held upright (orientation 6: turn right to see).
std::string RawWithPreview(const std::string &jpeg)
{
    std::string out("II*\0", 4);
    auto le = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const uint32_t tags[][2] = {{0xFE, 1},  {0x100, 800}, {0x101, 600}, {0x103, 6}, {0x112, 6},
                                {0x201, 8 + 2 + 7 * 12 + 4}, {0x202, uint32_t(jpeg.size())}};
    le(8, 4);
    le(7, 2);
    for (const auto &tag : tags) {
        le(tag[0], 2);
        le(tag[0] == 0x103 || tag[0] == 0x112 ? 3 : 4, 2); // SHORT or LONG
        le(1, 4);
        le(tag[1], 4);
    }
    le(0, 4);
    return out + jpeg;
}

struct Sample {
    std::string name;
    std::function<void(const std::string &path, const std::string &spare)> make;
    std::pair<int, int> size; // of the picture; 0 x 0 for none
    std::string note;
};

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *tool : {kFfmpeg, kExiftool})
            if (::access(tool, X_OK) != 0)
                GTEST_SKIP() << tool << " is not installed (tools/deps.sh installs it)";
    }
    void TearDown() override { SetReaderTimeLimit(std::chrono::milliseconds(5000)); }

    // Makes the samples in a folder of their own and asks for their pictures
    // all at once.
    std::optional<std::vector<PictureAnswer>> picturesOf(const std::vector<Sample> &samples,
                                                         const ScanControl *control = nullptr,
                                                         Clock::duration *took = nullptr)
    {
        const std::string disk = m_tmp.file("disk");
        test::MakeDirs(disk);
        std::vector<std::string> names;
        for (const Sample &s : samples) {
            if (s.make)
                s.make(disk + "/" + s.name, m_tmp.file("spare-" + s.name));
            names.push_back(s.name);
        }
        const int folder = ::open(disk.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const auto start = Clock::now();
        auto pictures = SandboxPictures(folder, names, control);
        if (took)
            *took = Clock::now() - start;
        ::close(folder);
        return pictures;
    }

    static void expectPictures(const std::vector<Sample> &samples,
                               const std::optional<std::vector<PictureAnswer>> &pictures)
    {
        ASSERT_TRUE(pictures);
        ASSERT_EQ(pictures->size(), samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i) {
            SCOPED_TRACE(samples[i].name);
            EXPECT_EQ(JpegSize((*pictures)[i].jpeg), samples[i].size);
            EXPECT_EQ((*pictures)[i].note, samples[i].note);
        }
    }

    test::TempDir m_tmp;
};

void Photo(const std::string &path, const char *size)
{
    Ffmpeg({"-f", "lavfi", "-i", std::string("testsrc=size=") + size, "-frames:v", "1", path});
}

// A second of sound with a 300 x 300 JPEG cover (made at `spare`).
void Song(const std::string &path, const std::string &spare, const std::vector<std::string> &codec)
{
    Photo(spare + ".jpg", "300x300");
    std::vector<std::string> args = {"-f", "lavfi", "-i", "sine=duration=1", "-i", spare + ".jpg",
                                     "-map", "0:a", "-map", "1:v", "-c:v", "copy", "-disposition:v", "attached_pic"};
    args.insert(args.end(), codec.begin(), codec.end());
    args.push_back(path);
    Ffmpeg(args);
}

// A JPEG's markers overwritten after its first hundred bytes.
void CorruptJpeg(const std::string &path)
{
    Photo(path, "640x480");
    std::string bytes = test::ReadBytes(path);
    for (std::size_t i = 100; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    test::WriteBytes(path, bytes);
}

// A PNG declaring 100,000 x 100,000 pixels: its header, a little data, its
// end.
void HugePng(const std::string &path)
{
    const test::CliResult r = test::RunProgram(
        "/usr/bin/python3",
        {"-c",
         "import sys, struct, zlib\n"
         "def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))\n"
         "h = struct.pack('>IIBBBBB', 100000, 100000, 8, 6, 0, 0, 0)\n"
         "open(sys.argv[1], 'wb').write(b'\\x89PNG\\r\\n\\x1a\\n' + chunk(b'IHDR', h) +"
         " chunk(b'IDAT', zlib.compress(bytes(1 << 16))) + chunk(b'IEND', b''))\n",
         path});
    ASSERT_EQ(r.status, 0) << r.err;
}

TEST_F(Pictures, OneOfEachKindInOrder)
{
    const std::vector<Sample> samples = {
        {"photo.jpg", [](auto &p, auto &) { Photo(p, "640x480"); }, {256, 192}, ""},
        {"UPPER.JPEG", [](auto &p, auto &) { Photo(p, "480x640"); }, {192, 256}, ""},
        // Stored landscape, to be seen upright.
        {"turned.jpg",
         [](auto &p, auto &) {
             Photo(p, "640x480");
             const test::CliResult r = test::RunProgram(kExiftool, {"-q", "-overwrite_original", "-Orientation#=6", p});
             ASSERT_EQ(r.status, 0) << r.err;
         },
         {192, 256}, ""},
        {"small.png", [](auto &p, auto &) { Photo(p, "100x50"); }, {100, 50}, ""},
        {"camera.nef",
         [](auto &p, auto &spare) {
             Photo(spare + ".jpg", "800x600");
             test::WriteBytes(p, RawWithPreview(test::ReadBytes(spare + ".jpg")));
         },
         {192, 256}, ""},
        {"song.mp3", [](auto &p, auto &spare) { Song(p, spare, {"-c:a", "libmp3lame", "-id3v2_version", "3"}); },
         {256, 256}, ""},
        {"song.flac", [](auto &p, auto &spare) { Song(p, spare, {"-c:a", "flac"}); }, {256, 256}, ""},
        {"song.m4a", [](auto &p, auto &spare) { Song(p, spare, {"-c:a", "aac"}); }, {256, 256}, ""},
        {"clip.mp4",
         [](auto &p, auto &) {
             Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=10:duration=1", "-c:v", "mpeg4", p});
         },
         {256, 192}, ""},
        {"plain.mp3", [](auto &p, auto &) { Ffmpeg({"-f", "lavfi", "-i", "sine=duration=1", p}); }, {0, 0}, ""},
        {"source.ts", [](auto &p, auto &) { test::WriteBytes(p, "export const answer = 42;\n"); }, {0, 0}, ""},
        {"notes.txt", [](auto &p, auto &) { test::WriteBytes(p, "no picture here"); }, {0, 0}, ""},
        {"link.jpg", [](auto &p, auto &) { ASSERT_EQ(::symlink("photo.jpg", p.c_str()), 0); }, {0, 0}, ""},
        {"corrupt.jpg", [](auto &p, auto &) { CorruptJpeg(p); }, {0, 0}, PICTURE_UNREADABLE},
        {"huge.png", [](auto &p, auto &) { HugePng(p); }, {0, 0}, PICTURE_TOO_LARGE},
    };
    expectPictures(samples, picturesOf(samples));
}

// What is broken or declares too much costs far less than a worker's time:
// all of these together take less than half of what one file may.
TEST_F(Pictures, BrokenFilesAreSkippedInTime)
{
    constexpr std::chrono::milliseconds kLimit{4000};
    SetReaderTimeLimit(kLimit);
    std::vector<Sample> samples;
    for (int i = 0; i < 8; ++i) { // over several workers
        samples.push_back({"corrupt" + std::to_string(i) + ".jpg", [](auto &p, auto &) { CorruptJpeg(p); }, {0, 0},
                           PICTURE_UNREADABLE});
        samples.push_back({"huge" + std::to_string(i) + ".png", [](auto &p, auto &) { HugePng(p); }, {0, 0},
                           PICTURE_TOO_LARGE});
    }
    // A gigabyte of nothing where a tag or a frame should be: not searched.
    samples.push_back({"zeros.mp3",
                       [](auto &p, auto &) {
                           test::WriteBytes(p, "");
                           ASSERT_EQ(::truncate(p.c_str(), off_t(1) << 30), 0);
                       },
                       {0, 0}, ""});
    Clock::duration took{};
    const auto pictures = picturesOf(samples, nullptr, &took);
    EXPECT_LT(took, kLimit / 2);
    expectPictures(samples, pictures);
}

// A worker that dies or hangs costs its own file; the next is made by
// another, and Cancel gives no pictures at all.
TEST_F(Pictures, AWorkerThatFailsCostsOneFile)
{
    constexpr std::chrono::milliseconds kLimit{1500};
    SetReaderTimeLimit(kLimit);
    const std::vector<Sample> samples = {
        {"crash.mp3", [](auto &p, auto &) { test::WriteBytes(p, "x"); }, {0, 0}, PICTURE_READER_STOPPED},
        {"hang.mp3", [](auto &p, auto &) { test::WriteBytes(p, "x"); }, {0, 0}, PICTURE_READER_TOO_SLOW},
        {"after.jpg", [](auto &p, auto &) { Photo(p, "300x100"); }, {256, 85}, ""},
    };
    Clock::duration took{};
    const auto pictures = picturesOf(samples, nullptr, &took);
    // A sanitizer's worker starts and reads more slowly: more room after the limit.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    constexpr std::chrono::milliseconds kSlack{4000};
#else
    constexpr std::chrono::milliseconds kSlack{1000};
#endif
    EXPECT_LT(took, kLimit + kSlack);
    expectPictures(samples, pictures);
    ScanControl cancelled;
    cancelled.cancel();
    EXPECT_FALSE(picturesOf({{"photo.jpg", nullptr, {0, 0}, ""}}, &cancelled));
}

} // namespace
