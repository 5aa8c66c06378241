// Files in the catalogue folder that are not what their names say, writes
// that fail or are killed, and programs saving new listings at once.
#include "catalog/CatalogStore.h"
#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "print/PrintSettings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <chrono>

#include <csignal>
#include <cstring>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;

namespace {

QStringList FilesIn(const TempDir &dir)
{
    return QDir(QString::fromStdString(dir.path())).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

struct NoSettings : PrintSettingsStore {
    int getInt(const std::string &, int d) override { return d; }
    void setInt(const std::string &, int) override {}
    std::string getString(const std::string &) override { return {}; }
    void setString(const std::string &, const std::string &) override {}
};

} // namespace

// No read blocks (a watchdog ends a hung run), none reads more than a sane
// amount, and each says which file is wrong.
TEST(BadFiles, AreRefusedByNameWithoutBlockingOrEatingMemory)
{
    ::alarm(60);
    enum Kind { Fifo, LinkToFifo, LinkToZero, Zeros, Huge, Folder };
    const std::string notRegular = "not a regular file";
    struct Case {
        const char *name;
        Kind kind;
        std::string expected;
    } cases[] = {
        {"7.rkm", Fifo, "Error loading file: 7.rkm (not a regular file)"},
        {"7.rkm", LinkToFifo, "Error loading file: 7.rkm (not a regular file)"},
        {"7.rkm", LinkToZero, "Error loading file: 7.rkm (not a regular file)"},
        {"7.rkm", Zeros, "Error loading file: 7.rkm (not a disk listing file)"},
        {"DATA.CAT", Fifo, notRegular},
        {"DATA.CAT", LinkToZero, notRegular},
        {"DATA.CAT", Huge, "larger than 4 MB"},
        {"DATA.CAT", Folder, std::strerror(EISDIR)},
        {"FILES.FLT", LinkToFifo, "Cannot open file FILES.FLT"},
        {"FOLDERS.FLT", LinkToZero, "Cannot open file FOLDERS.FLT"},
        {"FILES.FLT", Huge, "Cannot open file FILES.FLT"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.kind));
        TempDir dir;
        WriteDisk(dir.path(), "1.rkm", *MakeDisk("Good", 2));
        const std::string path = dir.file(c.name);
        switch (c.kind) {
        case Fifo:
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
            break;
        case LinkToFifo:
            ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
            ASSERT_EQ(::symlink(dir.file("pipe").c_str(), path.c_str()), 0);
            break;
        case LinkToZero:
            ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
            break;
        case Zeros:
            WriteBytes(path, std::string(65536, '\0'));
            break;
        case Huge:
            WriteBytes(path, "");
            ASSERT_EQ(::truncate(path.c_str(), off_t(5) << 20), 0);
            break;
        case Folder:
            MakeDirs(path);
            break;
        }
        CatalogStore store(dir.path());
        std::string error;
        try {
            if (std::string(c.name).ends_with(".FLT")) {
                PrintOptions options;
                NoSettings settings;
                LoadPrintDefaults(options, dir.path(), settings);
            } else {
                // A bad DATA.CAT leaves the categories empty, and the
                // catalogue loads all the same.
                for (const std::string &e : store.LoadCatalog())
                    error += e;
                EXPECT_EQ(store.Tree().diskCount(), 1); // the good listing beside it loads
                EXPECT_TRUE(store.Categories().empty());
            }
        } catch (const RackmereError &e) {
            error = e.what();
        }
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
    ::alarm(0);
}

// A file of 4 GB whose first bytes look like a listing is refused at the
// first thing no listing holds, not once it has been read whole: the reason
// is told, and the time is that of a few megabytes at most.
TEST(BadFiles, HugeFilesThatLookLikeListingsAreRefusedAtOnce)
{
    const std::string head = Word(LISTING_VERSION) + Word(0) + Word(I_STRINGS_IN_LIST);
    const std::string node = Counted("Disk") + Counted("/media/d") + Word(2) + Counted("");
    const struct {
        const char *what;
        std::string start;
        const char *reason;
    } cases[] = {
        {"zeros after the header", head, "a disk without a name"},
        {"a name of 2 GB", head + Word(0x7fffffff), "a text of 2,147,483,647 bytes"},
        {"a folder of zeros", head + node + Word(1000), "runs on for more than"},
        {"more entries than bytes", head + node + Word(0x7fffffff), "more than the"},
        {"more folders than bytes", head + node + Word(0) + Word(0x7fffffff), "more than the"},
        {"seven texts an entry", Word(LISTING_VERSION) + Word(0) + Word(7), "7 texts per file entry"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteDisk(dir.path(), "1.rkm", *MakeDisk("Good", 2));
        const std::string path = dir.file("9.rkm");
        WriteBytes(path, c.start);
        ASSERT_EQ(::truncate(path.c_str(), off_t(4) << 30), 0);
        CatalogStore store(dir.path());
        const auto started = std::chrono::steady_clock::now();
        const std::vector<std::string> errors = store.LoadCatalog();
        const auto took = std::chrono::steady_clock::now() - started;
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].rfind("Error loading file: 9.rkm (at byte ", 0), 0u) << errors[0];
        EXPECT_NE(errors[0].find(c.reason), std::string::npos) << errors[0];
        EXPECT_EQ(store.Tree().diskCount(), 1);
        // A whole read takes seconds; a refusal, milliseconds.
        EXPECT_LT(took, std::chrono::seconds(5));
    }
}

// A write that fails says why, in the system's words, and leaves the old
// file as it was. RLIMIT_FSIZE fills the disk for root too ("File too large").
TEST(FailedWrites, TellTheSystemsReason)
{
    for (const bool newListing : {false, true}) {
        TempDir dir;
        WriteDisk(dir.path(), "5.rkm", *MakeDisk("Five", 1));
        const std::string before = ReadBytes(dir.file("5.rkm"));
        CatalogStore store(dir.path());
        ASSERT_TRUE(store.LoadCatalog().empty());
        TreeNode *five = store.Tree().disk(0);
        for (int i = 0; i < 2000; ++i)
            AddFile(five, "f" + std::to_string(i));
        struct rlimit old {};
        ::getrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::string message;
        try {
            store.SaveListing(five, newListing ? std::string() : "5.rkm");
        } catch (const RackmereError &e) {
            message = e.what();
        }
        ::setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_NE(message.find(std::strerror(EFBIG)), std::string::npos) << message;
        EXPECT_NE(message.find(dir.path()), std::string::npos) << message;
        EXPECT_EQ(ReadBytes(dir.file("5.rkm")), before);
        EXPECT_EQ(FilesIn(dir), QStringList{"5.rkm"});
    }
}

// Programs started at once and drawing the same names each get a file of
// their own: nothing is overwritten.
TEST(NewListingNames, AreClaimedByOneProgramOnly)
{
    TempDir dir;
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    // Every program draws the same names.
    const uint32_t seed = TestSeed(7);
    std::vector<pid_t> programs;
    for (int i = 0; i < 12; ++i) {
        programs.push_back(::fork());
        if (programs.back() == 0) {
            char byte;
            ::close(go[1]);
            const bool started = ::read(go[0], &byte, 1) == 0; // all go when the pipe closes
            CatalogStore store(dir.path());
            store.Seed(seed);
            store.serialSource = {};
            store.SaveListing(store.AddDisk(MakeDisk("Disk " + std::to_string(i), 200)));
            ::_exit(started ? 0 : 1);
        }
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t pid : programs) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_EQ(status, 0);
    }
    CatalogStore store(dir.path());
    EXPECT_TRUE(store.LoadCatalog().empty());
    EXPECT_EQ(store.Tree().diskCount(), 12);
}

// A writer killed at any moment leaves the old listing or the new one, whole.
TEST(KilledSaves, LeaveTheOldOrTheNewListingWhole)
{
    TempDir dir;
    auto first = MakeDisk("Disk", 30000);
    first->disk().Comment = "old";
    WriteDisk(dir.path(), "1.rkm", *first);
    std::mt19937 rng(FreshTestSeed());
    for (int round = 0; round < 25; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            CatalogStore store(dir.path());
            TreeNode *n = store.AddDisk(MakeDisk("Disk", 30000));
            for (unsigned i = 0;; ++i) {
                n->disk().Comment = i % 2 ? "old" : "new";
                store.SaveListing(n, "1.rkm");
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 60000)(rng));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        CatalogStore store(dir.path());
        ASSERT_TRUE(store.LoadCatalog().empty()) << "round " << round;
        ASSERT_EQ(store.Tree().diskCount(), 1);
        EXPECT_TRUE(store.Tree().disk(0)->disk().Comment == "old" || store.Tree().disk(0)->disk().Comment == "new");
        EXPECT_EQ(store.Tree().disk(0)->disk().Files.count(), 30000);
    }
    // What killed writers left behind goes once the writer lock's holder starts.
    CatalogStore(dir.path()).RemoveLeftoverTemporaryFiles();
    EXPECT_EQ(FilesIn(dir), QStringList{"1.rkm"});
}
