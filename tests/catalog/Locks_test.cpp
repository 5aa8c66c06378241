// Locks that cannot jam, saves that fail on the disk, and an Update cut short
// between its two steps.
#include "catalog/AtomicFile.h"
#include "catalog/CatalogStore.h"
#include "catalog/Errors.h"
#include "catalog/WriterLock.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rkm;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<CatalogStore> Open(const std::string &dir, bool writer)
{
    auto store = std::make_unique<CatalogStore>(dir);
    store->serialSource = [](const TDisk &) { return 0u; };
    store->writer = writer;
    EXPECT_TRUE(store->LoadCatalog().empty());
    return store;
}


// A process that takes the writer lock of `dir` and holds it until killed.
pid_t HoldInChild(const std::string &dir)
{
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        WriterLock lock(dir);
        const char ok = lock.take() == WriterLock::State::Held ? 'y' : 'n';
        if (::write(ready[1], &ok, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char ok = 0;
    EXPECT_EQ(::read(ready[0], &ok, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(ok, 'y');
    return pid;
}

int g_flushError = 0;
int FailingFlush(int)
{
    errno = g_flushError;
    return -1;
}

} // namespace

// Only a lock whose holder runs keeps others out, however old its file; an
// empty file, or one naming a process that is gone, is free at once.
TEST(Locks, OnlyALiveHolderKeepsTheLock)
{
    struct Case {
        const char *what;
        std::string contents; // of the lock file, when no process holds it
        bool liveHolder;
        WriterLock::State expected;
    } cases[] = {
        {"empty file (a writer killed at once)", "", false, WriterLock::State::Held},
        {"stale: its process is gone", "999999\nrackmere-cli\nhost\n", false, WriterLock::State::Held},
        {"an hour old, holder still runs", {}, true, WriterLock::State::Busy},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir tmp;
        const std::string dir = tmp.file("cat/");
        test::MakeDirs(dir);
        const std::string file = dir + WriterLock::FILE_NAME;
        pid_t holder = 0;
        if (c.liveHolder)
            holder = HoldInChild(dir);
        else
            test::WriteBytes(file, c.contents);
        // An hour old: no age makes a lock stale.
        const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ASSERT_EQ(::utimes(file.c_str(), hourAgo), 0);

        WriterLock lock(dir);
        EXPECT_EQ(lock.take(300), c.expected);
        if (holder) {
            EXPECT_EQ(lock.holderPid(), holder);
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
            EXPECT_EQ(lock.take(), WriterLock::State::Held); // free the moment its holder dies
        }
        EXPECT_EQ(lock.holderPid(), ::getpid()); // the file names the holder for the message
        WriterLock other(dir);
        EXPECT_EQ(other.take(), WriterLock::State::Busy);
    }
}

// A save whose flush to the disk fails tells the system's reason and leaves
// the listing as it was, byte for byte, and no second file.
TEST(Locks, AFailedFlushLeavesTheOldListing)
{
    struct Case {
        int error;
        const char *reason;
        bool update; // an Update (new file) rather than a save in place
    } cases[] = {
        {EIO, "Input/output error", false},
        {ENOSPC, "No space left on device", false},
        {EIO, "Input/output error", true},
        {ENOSPC, "No space left on device", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.reason) + (c.update ? ", update" : ", save"));
        test::TempDir tmp;
        const std::string dir = tmp.file("cat/");
        test::MakeDirs(dir);
        auto store = Open(dir, true);
        TreeNode *disk = store->AddListing(test::MakeDisk("Box", 3), {});
        const std::string file = disk->disk().FileName, before = test::ReadBytes(dir + file);
        g_flushError = c.error;
        FlushToDisk = FailingFlush;
        try {
            if (c.update) {
                store->ReplaceListing(disk, test::MakeDisk("Box", 5));
            } else {
                disk->disk().Comment = "changed";
                store->SaveListing(disk, file);
            }
            ADD_FAILURE() << "the save succeeded";
        } catch (const RackmereError &e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        FlushToDisk = ::fsync;
        EXPECT_EQ(test::ListingFileNames(dir), std::vector<std::string>{file});
        EXPECT_EQ(test::ReadBytes(dir + file), before);
    }
}

// An Update cut short after writing its new listing: readers see the disk
// once, and the next writer deletes the old file.
TEST(Locks, AnUpdateCutShortIsFinishedByTheNextWriter)
{
    test::TempDir tmp;
    const std::string dir = tmp.file("cat/");
    test::MakeDirs(dir);
    std::string oldFile;
    {
        auto store = Open(dir, true);
        store->AddListing(test::MakeDisk("Other", 1), {});
        TreeNode *disk = store->AddListing(test::MakeDisk("Box", 3), {{"tag", "kept"}});
        oldFile = disk->disk().FileName;
        store->betweenReplaceSteps = [] { throw std::runtime_error("killed"); };
        EXPECT_THROW(store->ReplaceListing(disk, test::MakeDisk("Box", 5)), std::runtime_error);
    }
    ASSERT_EQ(test::ListingFileNames(dir).size(), 3u); // both files of Box are there
    for (bool writer : {false, true}) {
        SCOPED_TRACE(writer ? "writer" : "reader");
        auto store = Open(dir, writer);
        ASSERT_EQ(store->Tree().diskCount(), 2);
        const TreeNode *box = store->Tree().findByName("Box");
        ASSERT_TRUE(box);
        EXPECT_NE(box->disk().FileName, oldFile);
        EXPECT_EQ(store->ExtrasOf(box).at("tag"), "kept");
    }
    EXPECT_EQ(test::ListingFileNames(dir).size(), 2u);
    EXPECT_FALSE(fs::exists(dir + oldFile));
}

// A catalogue whose writer lock cannot be had is read, and every write is
// refused with the reason; nothing changes on the disk.
TEST(Locks, AReadOnlyCatalogueRefusesEveryWrite)
{
    test::TempDir tmp;
    const std::string dir = tmp.file("cat/");
    test::MakeDirs(dir);
    std::string file;
    {
        auto store = Open(dir, true);
        file = store->AddListing(test::MakeDisk("Box", 3), {})->disk().FileName;
    }
    const std::string before = test::ReadBytes(dir + file);
    fs::create_directory(dir + WriterLock::FILE_NAME); // no lock file can be made under that name
    WriterLock lock(dir);
    ASSERT_EQ(lock.take(), WriterLock::State::Unavailable);
    auto store = Open(dir, false);
    store->readOnly = true;
    store->readOnlyReason = lock.reason();
    TreeNode *box = store->Tree().findByName("Box");
    ASSERT_TRUE(box);
    const std::function<void()> writes[] = {
        [&] { store->SaveListing(box, file); },
        [&] { store->AddListing(test::MakeDisk("New", 1), {}); },
        [&] { store->ReplaceListing(box, test::MakeDisk("Box", 4)); },
        [&] { store->SaveCategories(); },
        [&] { store->AddCategoryIfMissing("Films"); },
    };
    for (const auto &write : writes) {
        try {
            write();
            ADD_FAILURE() << "written";
        } catch (const RackmereError &e) {
            EXPECT_NE(std::string(e.what()).find("is open read-only"), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(store->DeleteListing(store->Tree().findByName("Box")));
    EXPECT_EQ(test::ListingFileNames(dir), std::vector<std::string>{file});
    EXPECT_EQ(test::ReadBytes(dir + file), before);
    EXPECT_FALSE(fs::exists(dir + CATEGORY_FILE));
}

// On a share with neither RENAME_NOREPLACE nor hard links, a new listing's
// name is claimed beside it: the name never holds anything but the whole
// file, a name taken or being claimed is passed over, and nothing is left.
TEST(Locks, ClaimingANameOnAPlainShare)
{
    struct Case {
        const char *what;
        std::string present; // a file already in the folder
        std::string expected;
    } cases[] = {
        {"free name", "", "1.rkm"},
        {"name of a listing", "1.rkm", "2.rkm"},
        {"name claimed by a writer killed meanwhile", std::string(TEMPORARY_PREFIX) + "claim-1.rkm", "2.rkm"},
    };
    ClaimAsOnAPlainShare = true;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir tmp;
        const std::string dir = tmp.file("cat/");
        test::MakeDirs(dir);
        if (!c.present.empty())
            test::WriteBytes(dir + c.present, "old");
        int drawn = 0;
        const std::string name = WriteNewFile(
            dir, "listing bytes", [&] { return std::to_string(++drawn) + ".rkm"; }, 5, "exhausted");
        EXPECT_EQ(name, c.expected);
        EXPECT_EQ(test::ReadBytes(dir + name), "listing bytes");
        std::vector<std::string> left;
        for (const auto &e : fs::directory_iterator(dir))
            left.push_back(e.path().filename());
        std::sort(left.begin(), left.end());
        std::vector<std::string> expected{name};
        if (!c.present.empty())
            expected.push_back(c.present);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(left, expected);
        if (!c.present.empty()) {
            EXPECT_EQ(test::ReadBytes(dir + c.present), "old");
        }
    }
    ClaimAsOnAPlainShare = false;
}
