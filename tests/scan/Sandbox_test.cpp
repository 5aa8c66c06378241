// Tags and archives read by worker processes: hostile files cost at most the
// time a worker is given, a worker that dies costs one file, and Cancel ends
// a walk at once whatever a worker is doing.
#include "scan/Archive.h"
#include "scan/Sandbox.h"
#include "scan/Scanner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <thread>
#include <unistd.h>

using namespace rkm;
using Clock = std::chrono::steady_clock;

namespace {

// The workers fail on purpose on these names (they take the variables from
// this process when they start, before any test).
const bool kTriggersSet = [] {
    ::setenv("RACKMERE_READER_TEST_CRASH", "crash.mp3", 1);
    ::setenv("RACKMERE_READER_TEST_HANG", "hang.mp3", 1);
    ::setenv("RACKMERE_READER_TEST_ESCAPE", "escape.mp3", 1);
    return true;
}();

void Write(const std::string &path, const std::string &bytes)
{
    test::WriteBytes(path, bytes);
}

void MakeWithPython(const std::string &path, const std::string &script)
{
    const test::CliResult r =
        test::RunProgram("/usr/bin/python3",
                         {"-c", "import sys, struct, tarfile, bz2, gzip, io\np = sys.argv[1]\n" + script, path});
    ASSERT_EQ(r.status, 0) << r.err;
}

// A small MP3: an ID3v2.4 tag with a title, then a few silent frames.
std::string TaggedMp3(const std::string &title)
{
    const std::string content = "\x03" + title;
    std::string frame = "TIT2";
    for (int shift = 24; shift >= 0; shift -= 8)
        frame += static_cast<char>((content.size() >> shift) & 0xFF);
    frame += std::string(2, '\0') + content;
    std::string mp3 = "ID3\x04";
    mp3 += std::string(2, '\0');
    for (int shift = 21; shift >= 0; shift -= 7)
        mp3 += static_cast<char>((frame.size() >> shift) & 0x7F);
    mp3 += frame;
    std::string audio = "\xFF\xFB\x90";
    audio.resize(417, '\0');
    for (int i = 0; i < 40; ++i)
        mp3 += audio;
    return mp3;
}

std::string Description(const TreeNode &folder, const std::string &name)
{
    const FileList &files = folder.disk().Files;
    for (int i = 0; i < files.count(); ++i)
        if (files.text(i, FT_NAME) == name)
            return std::string(files.text(i, FT_DESCRIPTION));
    return "(no such file)";
}

const TreeNode *Child(const TreeNode &n, const std::string &name)
{
    for (int i = 0; i < n.childCount(); ++i)
        if (n.child(i)->text() == name)
            return n.child(i);
    return nullptr;
}

class Sandbox : public ::testing::Test {
protected:
    void SetUp() override { SetReaderTimeLimit(kLimit); }
    void TearDown() override { SetReaderTimeLimit(std::chrono::milliseconds(5000)); }
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // A sanitizer's reader takes some 3 s over the long names alone.
    static constexpr std::chrono::milliseconds kLimit{8000};
#else
    static constexpr std::chrono::milliseconds kLimit{3000};
#endif
};

// Each hostile file, alone in a folder, costs at most the time a worker is
// given (and some for the walk); the walk completes and the file says what
// became of it.
TEST_F(Sandbox, HostileFilesCostAtMostTheLimit)
{
    struct Row {
        const char *name;
        std::function<void(const std::string &)> make;
        bool tags; // else archives
        // The file's description (tags) or the archive folder's comment;
        // "*" for any note of the reader.
        std::string expected;
    };
    const Row rows[] = {
        // 100,000 atoms, each inside the one before: TagLib recurses.
        {"deep.m4a",
         [](const std::string &p) {
             std::string atoms = std::string("\0\0\0\x18"
                                             "ftypM4A \0\0\0\0M4A mp42",
                                             24);
             const uint32_t depth = 100000;
             for (uint32_t i = 0; i < depth; ++i) {
                 const uint32_t size = 8 * (depth - i);
                 for (int shift = 24; shift >= 0; shift -= 8)
                     atoms += static_cast<char>((size >> shift) & 0xFF);
                 atoms += "moov";
             }
             Write(p, atoms);
         },
         true, "*"},
        // A gigabyte of nothing where a frame or tag should be: not searched.
        {"zeros.mp3",
         [](const std::string &p) {
             Write(p, "");
             ASSERT_EQ(::truncate(p.c_str(), off_t(1) << 30), 0);
         },
         true, ""},
        // One entry of 64 GiB of zeros: bzip2 streams of zeros one after
        // another, a few KiB on disk, gigabytes to skip through.
        {"zeros.tar.bz2",
         [](const std::string &p) {
             MakeWithPython(p, "i = tarfile.TarInfo('zeros'); i.size = 64 << 30\n"
                               "head = i.tobuf(format=tarfile.PAX_FORMAT)\n"
                               "z = bz2.compress(bytes(40 << 20))\n"
                               "with open(p, 'wb') as f:\n"
                               "    f.write(bz2.compress(head))\n"
                               "    for _ in range(400): f.write(z)\n");
         },
         false, ARCHIVE_READER_TOO_SLOW},
        // Names of almost 1 MiB (libarchive's most): kept to what a listing
        // line holds.
        {"names.tar.gz",
         [](const std::string &p) {
             MakeWithPython(p, "b = io.BytesIO()\n"
                               "with tarfile.open(fileobj=b, mode='w', format=tarfile.GNU_FORMAT) as t:\n"
                               "    for n in range(20):\n"
                               "        i = tarfile.TarInfo(('%02d' % n) + 'x' * ((1 << 20) - 4096)); t.addfile(i)\n"
                               "open(p, 'wb').write(gzip.compress(b.getvalue()))\n");
         },
         false, ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        test::TempDir tmp;
        const std::string disk = tmp.file("disk");
        test::MakeDirs(disk);
        row.make(disk + "/" + row.name);
        ScanOptions options;
        options.tags = row.tags;
        options.archives = !row.tags;
        const auto start = Clock::now();
        const auto root = ScanDisk(disk, "Disk", "", nullptr, 1, options);
        const auto took = Clock::now() - start;
        EXPECT_LT(took, kLimit + std::chrono::milliseconds(1500));
        std::string found;
        if (row.tags) {
            found = Description(*root, row.name);
        } else {
            const TreeNode *folder = Child(*root, row.name);
            ASSERT_NE(folder, nullptr);
            found = folder->disk().Comment;
            if (found.empty()) { // listed: every name within a listing line
                EXPECT_EQ(folder->disk().Files.count(), 20);
                for (int i = 0; i < folder->disk().Files.count(); ++i)
                    EXPECT_LE(folder->disk().Files.text(i, FT_NAME).size(), MAX_ARCHIVE_PATH_BYTES);
            }
        }
        if (row.expected == "*")
            EXPECT_TRUE(found == TAGS_READER_STOPPED || found == TAGS_READER_TOO_SLOW) << found;
        else
            EXPECT_EQ(found, row.expected);
    }
}

// A worker that dies costs the file it was reading; the next file is read by
// a new one.
TEST_F(Sandbox, AWorkerThatDiesCostsOneFile)
{
    test::TempDir tmp;
    const std::string disk = tmp.file("disk");
    test::MakeDirs(disk);
    Write(disk + "/a.mp3", TaggedMp3("First"));
    Write(disk + "/crash.mp3", TaggedMp3("Never read"));
    Write(disk + "/z.mp3", TaggedMp3("Last"));
    ScanOptions options;
    options.tags = true;
    const auto root = ScanDisk(disk, "Disk", "", nullptr, 1, options);
    EXPECT_EQ(Description(*root, "a.mp3"), "First 0:01");
    EXPECT_EQ(Description(*root, "crash.mp3"), TAGS_READER_STOPPED);
    EXPECT_EQ(Description(*root, "z.mp3"), "Last 0:01");
}

// A sanitizer's runtime writes to pipes of its own, so there the filter lets
// writes through, and the descriptor's own EBADF answers.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kWriteRefused = EBADF;
#else
constexpr int kWriteRefused = EPERM;
#endif

// A worker opens nothing for writing, makes no socket and writes nothing
// but its answer: each try fails with the filter's EACCES or EPERM (the
// descriptor passed is open for reading only, which alone would give EBADF).
TEST_F(Sandbox, TheFilterRefusesWritesAndSockets)
{
    test::TempDir tmp;
    const std::string disk = tmp.file("disk");
    test::MakeDirs(disk);
    Write(disk + "/escape.mp3", TaggedMp3("Never read"));
    ScanOptions options;
    options.tags = true;
    const auto root = ScanDisk(disk, "Disk", "", nullptr, 1, options);
    EXPECT_EQ(Description(*root, "escape.mp3"), "open " + std::to_string(EACCES) + ", socket " +
                                                    std::to_string(EACCES) + ", write " + std::to_string(kWriteRefused));
    EXPECT_NE(::access("/tmp/rackmere-reader-escape", F_OK), 0);
}

// Cancel while a worker hangs: the walk ends within 100 ms.
TEST_F(Sandbox, CancelEndsAHangingWorkerAtOnce)
{
    SetReaderTimeLimit(std::chrono::milliseconds(60000));
    test::TempDir tmp;
    const std::string disk = tmp.file("disk");
    test::MakeDirs(disk);
    Write(disk + "/hang.mp3", TaggedMp3("Never read"));
    ScanOptions options;
    options.tags = true;
    ScanControl control;
    Clock::time_point cancelledAt;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        cancelledAt = Clock::now();
        control.cancel();
    });
    EXPECT_THROW(ScanDisk(disk, "Disk", "", &control, 1, options), ScanCancelled);
    const auto stopped = Clock::now();
    canceller.join();
    EXPECT_LT(stopped - cancelledAt, std::chrono::milliseconds(100));
}

} // namespace
