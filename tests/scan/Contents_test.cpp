// What a walk reads of its files' contents: fingerprints through the walk,
// the sink that collects them, Update's carry-over and Verify's comparison.
#include "catalog/CatalogStore.h"
#include "scan/ContentReading.h"
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
using rkm::test::TempDir;

namespace {

Fingerprint FingerprintOfPath(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_GE(fd, 0) << path;
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

std::map<std::string, ContentRecord> ByPath(const ContentRecords &records)
{
    return ByPath(MemoryContents(records));
}

// A folder of files: some text, an empty file, one over several pieces of
// the reader, a name with a line feed, one below a sub-folder, and a link
// that is not read.
struct Tree {
    TempDir tmp;
    std::string root = tmp.file("disk");
    uint32_t seed = test::FreshTestSeed();
    Tree()
    {
        std::mt19937 random(seed);
        std::string big(3 * 1024 * 1024 + 17, '\0');
        for (char &c : big)
            c = static_cast<char>(random());
        test::WriteBytes(root + "/a.txt", "a");
        test::WriteBytes(root + "/empty", "");
        test::WriteBytes(root + "/sub/big.bin", big);
        test::WriteBytes(root + "/sub/line\nfeed", "lf");
        EXPECT_EQ(::symlink("a.txt", (root + "/link").c_str()), 0);
    }
};

TEST(WalkContents, FingerprintsOfEveryRegularFile)
{
    Tree t;
    const std::map<std::string, std::string> files = {
        {"a.txt", "a.txt"}, {"empty", "empty"}, {"sub/big.bin", "sub/big.bin"}, {"sub/line?feed", "sub/line\nfeed"}};
    ScanControl control;
    ContentSink sink;
    ScanDisk(t.root, "Disk", "", &control, 0, ScanOptions{.fingerprints = true}, &sink);
    const auto got = ByPath(sink);
    ASSERT_EQ(got.size(), files.size());
    uint64_t bytes = 0;
    for (const auto &[path, onDisk] : files) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(got.count(path));
        const ContentRecord &r = got.at(path);
        struct stat st {};
        ASSERT_EQ(::stat((t.root + "/" + onDisk).c_str(), &st), 0);
        EXPECT_EQ(r.size, static_cast<uint64_t>(st.st_size));
        EXPECT_EQ(r.modifiedNs, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec);
        EXPECT_EQ(r.fingerprint, FingerprintOfPath(t.root + "/" + onDisk));
        bytes += r.size;
    }
    EXPECT_EQ(control.progress().contentBytes, bytes);
    EXPECT_TRUE(sink.unreadableFiles().empty());

    // The value is the one xxhsum prints.
    if (::access("/usr/bin/xxhsum", X_OK) == 0) {
        const test::CliResult x = test::RunProgram("/usr/bin/xxhsum", {"-H2", t.root + "/sub/big.bin"});
        ASSERT_EQ(x.status, 0) << x.err;
        EXPECT_EQ(x.out.substr(0, 32), FingerprintText(*got.at("sub/big.bin").fingerprint)) << "seed " << t.seed;
    }

    // Without the choice, or without a sink, nothing is read.
    ContentSink none;
    ScanDisk(t.root, "Disk", "", nullptr, 0, ScanOptions{}, &none);
    EXPECT_EQ(none.size(), 0u);
}

TEST(WalkContents, SinkKeepsPicturesAsideAndCountsFromEveryThread)
{
    ContentSink sink({{"kept", 5, 7, Fingerprint{1, 2}, "old"}});
    constexpr int kThreads = 4, kEach = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                const std::string name = std::to_string(t) + "/" + std::to_string(i);
                sink.add({name, uint64_t(i), i, Fingerprint{uint64_t(t), uint64_t(i)}, i % 2 ? "jpeg " + name : ""},
                         i % 4 == 0);
            }
        });
    for (std::thread &t : threads)
        t.join();
    EXPECT_EQ(sink.size(), size_t(kThreads * kEach));
    EXPECT_EQ(sink.keptUnread(), uint64_t(kThreads * kEach / 4));
    for (const auto &[path, r] : ByPath(sink))
        EXPECT_EQ(r.picture, r.size % 2 ? "jpeg " + path : "") << path;

    struct Case {
        uint64_t size;
        int64_t modified;
        bool reread, found;
    };
    for (const Case &c : {Case{5, 7, false, true}, Case{6, 7, false, false}, Case{5, 8, false, false},
                          Case{5, 7, true, false}}) {
        const ContentSink s({{"kept", 5, 7, Fingerprint{1, 2}, "old"}}, c.reread);
        const ContentRecord *r = s.unchanged("kept", c.size, c.modified);
        EXPECT_EQ(r != nullptr, c.found) << c.size << " " << c.modified << " " << c.reread;
        if (r) {
            EXPECT_EQ(r->picture, "old");
        }
    }
}

// Update keeps a fingerprint whose file's size and date are the same without
// reading it: the store is given a fingerprint no file has, which only a
// read would mend.
TEST(WalkContents, UpdateKeepsUnchangedFingerprintsUnlessReread)
{
    TempDir tmp;
    const std::string root = tmp.file("disk");
    test::WriteBytes(root + "/same.txt", "same");
    test::WriteBytes(root + "/changed.txt", "before");
    const Fingerprint made{0x1234, 0x5678};
    struct Case {
        bool reread;
        bool sameKept;
    };
    for (const Case &c : {Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(c.reread ? "reread" : "kept");
        test::WriteBytes(root + "/changed.txt", "before");
        const std::string programDir = tmp.file(c.reread ? "catalog-reread" : "catalog");
        test::MakeDirs(programDir);
        CatalogStore store(programDir);
        store.serialSource = [](const TDisk &) { return 0u; };
        store.writer = true;
        const ScanOptions options{.fingerprints = true};
        ContentSink read;
        std::unique_ptr<TreeNode> disk = ScanDisk(root, "Disk", "", nullptr, 0, options, &read);
        auto records = std::make_shared<MemoryContents>();
        read.forEach([&](const ContentRecord &r) {
            records->records.push_back(r);
            records->records.back().fingerprint = made;
        });
        TreeNode *old = store.AddListing(std::move(disk), WithScanOptions({}, options), {}, records);
        test::WriteBytes(root + "/changed.txt", "after!"); // same size, a new date
        struct timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (root + "/changed.txt").c_str(), later, 0), 0);

        const TreeNode *fresh = UpdateListing(store, old, nullptr, std::nullopt, c.reread);
        const auto now = ByPath(store.ContentsOf(fresh));
        ASSERT_EQ(now.size(), 2u);
        EXPECT_EQ(now.at("same.txt").fingerprint == made, c.sameKept);
        EXPECT_EQ(now.at("changed.txt").fingerprint, FingerprintOfPath(root + "/changed.txt"));

        // And a program started afresh reads them from the store.
        CatalogStore again(programDir);
        again.LoadCatalog();
        EXPECT_EQ(ByPath(again.ContentsOf(again.Tree().findByName("Disk"))).at("same.txt").fingerprint == made,
                  c.sameKept);
    }
}

TEST(WalkContents, CompareTellsChangedContentsAndUnreadableFiles)
{
    const Fingerprint x{1, 1}, y{2, 2};
    const ContentRecords kept = {{"same", 4, 10, x, ""},   {"flipped", 4, 10, x, ""}, {"resized", 4, 10, x, ""},
                                 {"redated", 4, 10, x, ""}, {"unread", 4, 10, x, ""}, {"nofp", 4, 10, {}, ""}};
    ContentSink read({}, true);
    for (const ContentRecord &r : ContentRecords{{"same", 4, 10, x, ""},
                                                 {"flipped", 4, 10, y, ""},
                                                 {"resized", 5, 10, y, ""},
                                                 {"redated", 4, 11, y, ""},
                                                 {"nofp", 4, 10, y, ""},
                                                 {"new", 4, 10, y, ""}})
        read.add(r);
    read.unreadable("unread", EIO);
    const std::vector<ContentChange> changes = CompareContents(kept, read);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].path, "flipped");
    EXPECT_EQ(ContentChangeText(changes[0]), "changed contents: a bit error or a silent overwrite");
    EXPECT_EQ(changes[1].path, "unread");
    EXPECT_EQ(ContentChangeText(changes[1]), "could not be read: Input/output error");
}

TEST(WalkContents, ChoicesTextKnowsTheNewWords)
{
    const ScanOptions all{true, true, true, true, true};
    EXPECT_EQ(ScanOptionsText(all), "archives descriptions tags fingerprints pictures");
    EXPECT_EQ(ParseScanOptions(ScanOptionsText(all)), all);
    EXPECT_EQ(ParseScanOptions("pictures"), (ScanOptions{false, false, false, false, true}));
    EXPECT_FALSE(VerifyScanOptions(all).pictures);
}

} // namespace
