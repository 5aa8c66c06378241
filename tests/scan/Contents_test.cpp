// What a walk reads of its files' contents: fingerprints through the walk,
// the sink that collects them, Update's carry-over and Verify's comparison.
#include "catalog/CatalogStore.h"
#include "scan/ListingOptions.h"
#include "scan/Update.h"
#include "scan/Verify.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace rkm;

namespace {

Fingerprint FingerprintOfPath(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int error = 0;
    const std::optional<Fingerprint> f = FingerprintOfFile(fd, error);
    ::close(fd);
    EXPECT_TRUE(f) << path << ": " << error;
    return f.value_or(Fingerprint{});
}

std::map<std::string, ContentRecord> ByPath(const ContentSet &set)
{
    std::map<std::string, ContentRecord> out;
    set.forEach([&](const ContentRecord &r) { out[r.path] = r; });
    return out;
}

TEST(WalkContents, FingerprintsOfEveryRegularFileAsXxhsumPrintsThem)
{
    test::TempDir tmp;
    const std::string root = tmp.file("disk");
    const uint32_t seed = test::FreshTestSeed();
    std::mt19937 random(seed);
    std::string big(3 * 1024 * 1024 + 17, '\0'); // several pieces of the reader
    for (char &c : big)
        c = static_cast<char>(random());
    // Stored path -> name on the disk; a link is not read.
    const std::map<std::string, std::string> files = {{"a.txt", "a.txt"},         {"empty", "empty"},
                                                      {"sub/big.bin", "sub/big.bin"}, {"sub/line?feed", "sub/line\nfeed"},
                                                      {"pack.zip", "pack.zip"}};
    for (const auto &[path, onDisk] : files)
        test::WriteBytes(root + "/" + onDisk, path == "sub/big.bin" ? big : path == "empty" ? "" : onDisk);
    ASSERT_EQ(test::RunProgram("/usr/bin/python3", {"-c", "import sys, zipfile; zipfile.ZipFile(sys.argv[1], 'w')"
                                                           ".writestr('in.txt', 'x')", root + "/pack.zip"}).status, 0);
    ASSERT_EQ(::symlink("a.txt", (root + "/link").c_str()), 0);

    ScanControl control;
    ContentSink sink;
    const std::unique_ptr<TreeNode> disk = ScanDisk(root, "Disk", "", &control, 0, ScanOptions{.fingerprints = true},
                                                    &sink);
    EXPECT_EQ(disk->childCount(), 1); // sub; the folder kept open lists no archive without the choice
    const auto got = ByPath(sink);
    ASSERT_EQ(got.size(), files.size());
    uint64_t bytes = 0;
    for (const auto &[path, onDisk] : files) {
        struct stat st {};
        ASSERT_EQ(::stat((root + "/" + onDisk).c_str(), &st), 0);
        const ContentRecord &r = got.at(path);
        EXPECT_EQ(r.size, uint64_t(st.st_size)) << path;
        EXPECT_EQ(r.modifiedNs, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec) << path;
        EXPECT_EQ(r.fingerprint, FingerprintOfPath(root + "/" + onDisk)) << path;
        bytes += r.size;
    }
    EXPECT_EQ(control.progress().contentBytes, bytes);
    if (::access("/usr/bin/xxhsum", X_OK) == 0) {
        const test::CliResult x = test::RunProgram("/usr/bin/xxhsum", {"-H2", root + "/sub/big.bin"});
        EXPECT_EQ(x.out.substr(0, 32), FingerprintText(*got.at("sub/big.bin").fingerprint)) << "seed " << seed;
    }
    ContentSink none; // without the choice nothing is read
    ScanDisk(root, "Disk", "", nullptr, 0, ScanOptions{}, &none);
    EXPECT_EQ(none.size(), 0u);
}

TEST(WalkContents, SinkTakesRecordsAndPicturesFromEveryThread)
{
    ContentSink sink;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&sink, t] {
            for (int i = 0; i < 200; ++i) {
                const std::string name = std::to_string(t) + "/" + std::to_string(i);
                sink.add({name, uint64_t(i), i, Fingerprint{}, i % 2 ? "jpeg " + name : ""}, i % 4 == 0);
            }
        });
    for (std::thread &t : threads)
        t.join();
    EXPECT_EQ(sink.keptUnread(), 200u);
    const auto got = ByPath(sink);
    ASSERT_EQ(got.size(), 800u);
    for (const auto &[path, r] : got)
        EXPECT_EQ(r.picture, r.size % 2 ? "jpeg " + path : "") << path;
}

// Update keeps a fingerprint and picture whose file's size and date are the
// same without reading it: the store holds ones no file has, which only a
// read would mend; the picture is copied by the store, never read back.
TEST(WalkContents, UpdateKeepsUnchangedFingerprintsUnlessReread)
{
    test::TempDir tmp;
    const std::string root = tmp.file("disk");
    const Fingerprint made{0x1234, 0x5678};
    for (const bool reread : {false, true}) {
        SCOPED_TRACE(reread ? "reread" : "kept");
        test::WriteBytes(root + "/same.jpg", "same");
        test::WriteBytes(root + "/changed.txt", "before");
        const std::string programDir = tmp.file(reread ? "reread/" : "kept/");
        test::MakeDirs(programDir);
        CatalogStore store(programDir);
        store.serialSource = [](const TDisk &) { return 0u; };
        store.writer = true;
        const ScanOptions options{.fingerprints = true, .pictures = true};
        ContentSink read;
        std::unique_ptr<TreeNode> disk = ScanDisk(root, "Disk", "", nullptr, 0, options, &read);
        auto records = std::make_shared<MemoryContents>();
        read.forEach([&](const ContentRecord &r) {
            records->records.push_back({r.path, r.size, r.modifiedNs, made, r.path == "same.jpg" ? "kept" : ""});
        });
        TreeNode *old = store.AddListing(std::move(disk), WithScanOptions({}, options), {}, records);
        test::WriteBytes(root + "/changed.txt", "after!"); // the same size, another date
        const struct timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (root + "/changed.txt").c_str(), later, 0), 0);

        UpdateListing(store, old, nullptr, std::nullopt, reread);
        CatalogStore again(programDir); // as a program started afresh reads it
        again.LoadCatalog();
        const auto now = ByPath(MemoryContents(again.ContentsOf(again.Tree().findByName("Disk"), true)));
        ASSERT_EQ(now.size(), 2u);
        EXPECT_EQ(now.at("same.jpg").fingerprint == made, !reread);
        EXPECT_EQ(now.at("same.jpg").picture, reread ? "" : "kept"); // "same" is no picture to make
        EXPECT_EQ(now.at("changed.txt").fingerprint, FingerprintOfPath(root + "/changed.txt"));
    }
}

TEST(WalkContents, CompareTellsChangedContentsAndUnreadableFiles)
{
    const Fingerprint x{1, 1}, y{2, 2};
    ContentSink read({}, true);
    for (const ContentRecord &r : ContentRecords{{"same", 4, 10, x, ""}, {"flipped", 4, 10, y, ""},
                                                 {"resized", 5, 10, y, ""}, {"redated", 4, 11, y, ""},
                                                 {"new", 4, 10, y, ""}})
        read.add(r);
    read.unreadable("unread", EIO);
    const ContentRecords kept = {{"same", 4, 10, x, ""},    {"flipped", 4, 10, x, ""}, {"resized", 4, 10, x, ""},
                                 {"redated", 4, 10, x, ""}, {"unread", 4, 10, x, ""}};
    std::vector<std::string> told;
    for (const ContentChange &c : CompareContents(kept, read))
        told.push_back(c.path + ": " + ContentChangeText(c));
    EXPECT_EQ(told, (std::vector<std::string>{"flipped: changed contents: a bit error or a silent overwrite",
                                               "unread: could not be read: Input/output error"}));
    EXPECT_EQ(ParseScanOptions("tags fingerprints pictures"), (ScanOptions{false, false, true, true, true}));
    EXPECT_EQ(ScanOptionsText({true, true, true, true, true}), "archives descriptions tags fingerprints pictures");
}

} // namespace
