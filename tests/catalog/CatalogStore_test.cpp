#include "catalog/CatalogStore.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace rkm;
using namespace rkm::test;

namespace {

std::unique_ptr<TreeNode> smallDisk(const std::string &name)
{
    auto disk = MakeDiskNode(name);
    disk->disk().RootPath = "/media/" + name;
    disk->disk().DriveType = 3;
    disk->disk().Files.append(FileEntry{"a.txt", "", "1.1.2001", "1 bytes", ""});
    disk->appendChild("sub")->disk().Files.append(FileEntry{"b.txt", "", "1.1.2001", "2 bytes", ""});
    return disk;
}

void writeListing(const TempDir &dir, const std::string &file, const std::string &name, uint32_t serial = 0)
{
    WriteBytes(dir.file(file), WriteListing(*smallDisk(name), serial));
}

std::set<std::string> namesIn(const Catalog &cat)
{
    std::set<std::string> names;
    for (int i = 0; i < cat.diskCount(); ++i)
        names.insert(cat.disk(i)->text());
    return names;
}

} // namespace

TEST(Categories, EveryLineEndForm)
{
    struct Case {
        std::string data;
        std::vector<std::string> names;
    } cases[] = {
        {"", {}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\nB\n", {"A", "B"}},
        {"A\rB\r", {"A", "B"}},
        {"A\r\nB", {"A", "B"}},
        {"A\r\n\r\nB\r\n", {"A", "", "B"}},
        {"A\n\nB", {"A", "", "B"}},
        {"\r\n", {""}},
        {"A\r\r\nB", {"A", "", "B"}},
        {"Spiele \xe4\r\n", {"Spiele \xe4"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseCategories(c.data), c.names) << c.data;
    EXPECT_EQ(FormatCategories({"A", "", "B"}), "A\r\n\r\nB\r\n");
}

TEST(CatalogStore, EmptyFolderLoadsNothing)
{
    TempDir dir;
    CatalogStore store(dir.path());
    EXPECT_TRUE(store.LoadCatalog().empty());
    EXPECT_TRUE(store.Tree().empty());
    EXPECT_TRUE(store.Categories().empty());
}

TEST(CatalogStore, LoadsListingsAndCategories)
{
    TempDir dir;
    writeListing(dir, "1.rkm", "One", 0xDEADBEEF);
    writeListing(dir, "2.rkm", "Two");
    writeListing(dir, "3.rkm", "Two"); // the same disk twice: two nodes
    WriteBytes(dir.file("4.rkm"), Word(5) + WriteListing(*smallDisk("Short"), 0).substr(12));
    WriteBytes(dir.file("5.rkm"), Word(1001) + Word(0) + Word(4) + "ignored"); // named with the reason
    WriteBytes(dir.file(".hidden.rkm"), WriteListing(*smallDisk("Hidden"), 0));
    WriteBytes(dir.file("notes.txt"), "not a listing");
    MakeDirs(dir.file("folder.rkm"));
    WriteBytes(dir.file("DATA.CAT"), "Games\r\nMusic\r\n");

    CatalogStore store(dir.path());
    EXPECT_EQ(store.LoadCatalog(), std::vector<std::string>{"Error loading file: 5.rkm (at byte 8: 4 texts per file "
                                                            "entry, where a listing holds 5)"});
    EXPECT_EQ(namesIn(store.Tree()), (std::set<std::string>{"One", "Two", "Short"}));
    EXPECT_EQ(store.Tree().diskCount(), 4);
    EXPECT_EQ(store.Categories(), (std::vector<std::string>{"Games", "Music"}));
    const TreeNode *one = store.Tree().findByFileName("1.rkm");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->disk().SerialNumber, 0xDEADBEEFu);
    EXPECT_EQ(store.Tree().findByFileName("4.rkm")->disk().SerialNumber, 0u);
    EXPECT_EQ(one->child(0)->disk().Files.text(0, FT_NAME), "b.txt");
}

TEST(CatalogStore, UnreadableCategoryFileIsReportedByItsOwnMessage)
{
    TempDir dir;
    writeListing(dir, "1.rkm", "One");
    MakeDirs(dir.file("DATA.CAT"));
    CatalogStore store(dir.path());
    const std::vector<std::string> errors = store.LoadCatalog();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Cannot read the category file " + dir.file("DATA.CAT"), 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find("the categories are left empty"), std::string::npos) << errors[0];
    EXPECT_TRUE(store.Categories().empty());
    EXPECT_EQ(namesIn(store.Tree()), (std::set<std::string>{"One"}));
    // A category added then never goes over what could not be read: that is
    // kept under another name.
    MakeDirs(dir.file("DATA.CAT/kept"));
    ASSERT_TRUE(store.AddCategoryIfMissing("New"));
    EXPECT_EQ(ReadBytes(dir.file("DATA.CAT")), "New\r\n");
    const QStringList aside = QDir(QString::fromStdString(dir.path())).entryList({"DATA.CAT.unread-*"}, QDir::Dirs);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir.path()) + aside[0] + "/kept"));
}

TEST(CatalogStore, BrokenListingsAreLeftOutWholeAndAllReported)
{
    TempDir dir;
    writeListing(dir, "1.rkm", "Good");
    const std::string full = WriteListing(*smallDisk("Bad"), 0);
    WriteBytes(dir.file("2.rkm"), full.substr(0, full.size() - 6));
    WriteBytes(dir.file("3.rkm"), "xx");
    writeListing(dir, "4.rkm", "Also good");

    CatalogStore store(dir.path());
    std::vector<std::string> errors = store.LoadCatalog();
    std::sort(errors.begin(), errors.end());
    EXPECT_EQ(errors, (std::vector<std::string>{"Error loading file: 2.rkm (at byte 94: the file ends inside the "
                                                "entries of a folder (1 files))",
                                                "Error loading file: 3.rkm (not a disk listing file)"}));
    EXPECT_EQ(namesIn(store.Tree()), (std::set<std::string>{"Good", "Also good"}));
}

TEST(CatalogStore, SaveListingPicksAFreeNameAndTheSerial)
{
    TempDir dir;
    CatalogStore store(dir.path());
    store.Seed(test::TestSeed(1));
    store.serialSource = [](const TDisk &) { return 0xCAFEF00Du; };
    std::set<std::string> names;
    for (int i = 0; i < 20; ++i) {
        TreeNode *n = store.Tree().appendDisk(smallDisk("D" + std::to_string(i)));
        store.SaveListing(n);
        const std::string &name = n->disk().FileName;
        EXPECT_TRUE(std::regex_match(name, std::regex("(0|[1-9][0-9]{0,4})\\.rkm"))) << name;
        EXPECT_LE(std::stoi(name), 32767);
        EXPECT_TRUE(names.insert(name).second) << "name used twice: " << name;
        EXPECT_EQ(n->disk().SerialNumber, 0xCAFEF00Du);
        EXPECT_FALSE(n->disk().Modified);
    }
    // Nothing but the listings and the store beside them is left in the
    // folder (no temporary files).
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files).size(), 21);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir.path()) + QLatin1String(ListingStore::FILE_NAME)));

    CatalogStore again(dir.path());
    EXPECT_TRUE(again.LoadCatalog().empty());
    EXPECT_EQ(again.Tree().diskCount(), 20);
    EXPECT_EQ(again.Tree().disk(0)->disk().SerialNumber, 0xCAFEF00Du);
}

TEST(CatalogStore, NoFreeNameAfterAThousandTries)
{
    TempDir dir;
    for (int i = 0; i <= 32767; ++i)
        WriteBytes(dir.file(std::to_string(i) + ".rkm"), "");
    CatalogStore store(dir.path());
    TreeNode *n = store.Tree().appendDisk(smallDisk("X"));
    try {
        store.SaveListing(n);
        FAIL() << "no error";
    } catch (const RackmereError &e) {
        EXPECT_STREQ(e.what(), "Unable to find unused filename.!");
    }
    EXPECT_TRUE(n->disk().FileName.empty());
    EXPECT_THROW(store.SaveListing(nullptr), RackmereError);
}

TEST(CatalogStore, ExitSaveRewritesExactlyTheModifiedListings)
{
    TempDir dir;
    writeListing(dir, "10.rkm", "Ten", 1010);
    writeListing(dir, "20.rkm", "Twenty", 2020);
    const std::string twentyBefore = ReadBytes(dir.file("20.rkm"));
    ::chmod(dir.file("20.rkm").c_str(), 0444); // a write there would fail the test

    CatalogStore store(dir.path());
    ASSERT_TRUE(store.LoadCatalog().empty());
    TreeNode *ten = store.Tree().findByFileName("10.rkm");
    ten->child(0)->disk().Files.setText(0, FT_DESCRIPTION, "edited");
    ten->child(0)->disk().SetModified(true);
    ten->disk().SetName("Ten renamed");
    store.SaveModifiedListings();

    EXPECT_EQ(ReadBytes(dir.file("20.rkm")), twentyBefore);
    ListingContents c = ReadListing(ReadBytes(dir.file("10.rkm")));
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.serialNumber, 1010u);
    EXPECT_EQ(c.disk->text(), "Ten renamed");
    EXPECT_EQ(c.disk->child(0)->disk().Files.text(0, FT_DESCRIPTION), "edited");
}

TEST(CatalogStore, OneFailedExitSaveDoesNotStopTheOthers)
{
    TempDir dir;
    writeListing(dir, "1.rkm", "First");
    writeListing(dir, "2.rkm", "Second");
    CatalogStore store(dir.path());
    ASSERT_TRUE(store.LoadCatalog().empty());
    for (int i = 0; i < 2; ++i)
        store.Tree().disk(i)->disk().SetName("Changed " + store.Tree().disk(i)->disk().FileName);
    // The first listing's file has become a folder: it cannot be replaced.
    ::unlink(dir.file("1.rkm").c_str());
    MakeDirs(dir.file("1.rkm"));
    EXPECT_THROW(store.SaveModifiedListings(), RackmereError);
    ListingContents c = ReadListing(ReadBytes(dir.file("2.rkm")));
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.disk->text(), "Changed 2.rkm");
}

TEST(CatalogStore, CategoriesAreAddedOnceInAnyLetterCase)
{
    TempDir dir;
    CatalogStore store(dir.path());
    EXPECT_TRUE(store.AddCategoryIfMissing("Games"));
    EXPECT_FALSE(store.AddCategoryIfMissing("GAMES"));
    EXPECT_TRUE(store.AddCategoryIfMissing(""));
    EXPECT_FALSE(store.AddCategoryIfMissing(""));
    EXPECT_TRUE(store.AddCategoryIfMissing("\xc3\x89t\xc3\xa9"));  // "Été"
    EXPECT_FALSE(store.AddCategoryIfMissing("\xc3\xa9t\xc3\xa9")); // "été"
    EXPECT_EQ(ReadBytes(dir.file("DATA.CAT")), "Games\r\n\r\n\xc3\x89t\xc3\xa9\r\n");
}

TEST(CatalogStore, FailedWriteKeepsTheOldFile)
{
    TempDir dir;
    writeListing(dir, "5.rkm", "Five");
    const std::string before = ReadBytes(dir.file("5.rkm"));
    CatalogStore store(dir.path());
    ASSERT_TRUE(store.LoadCatalog().empty());
    TreeNode *five = store.Tree().disk(0);
    for (int i = 0; i < 2000; ++i)
        five->disk().Files.append(FileEntry{"file" + std::to_string(i), "", "1.1.2001", "1 bytes", ""});
    five->disk().SetModified(true);

    // A full disk, even for root: no file may grow past 4 KiB.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(store.SaveModifiedListings(), RackmereError);
    ::setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(ReadBytes(dir.file("5.rkm")), before);
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files).size(), 1);
}

// A listing that holds longer texts than the format allows (an earlier
// program wrote them) loads whole; its next save cuts them, in the file and
// in memory, and the store tells which, once.
TEST(CatalogStore, LongTextsLoadWholeAndAreCutAndToldOnceWhenWritten)
{
    TempDir dir;
    const std::string longDescription(600, 'd'), longComment(700, 'c');
    const std::string body = Counted("Old") + Counted("/media/old") + Word(3) + Counted(longComment) + Word(1) +
                             "a.txt\r\n" + longDescription + "\r\n1.1.2001\r\n1 bytes\r\n\r\n" + Word(0);
    WriteBytes(dir.file("7.rkm"), Word(1001) + Word(7) + Word(5) + body);

    CatalogStore store(dir.path());
    ASSERT_TRUE(store.LoadCatalog().empty());
    TreeNode *disk = store.Tree().findByFileName("7.rkm");
    ASSERT_NE(disk, nullptr);
    EXPECT_EQ(disk->disk().Comment, longComment);
    EXPECT_EQ(disk->disk().Files.text(0, FT_DESCRIPTION), longDescription);
    EXPECT_TRUE(store.TakeShortened().empty());

    disk->disk().SetModified(true);
    store.SaveModifiedListings();
    ListingContents c = ReadListing(ReadBytes(dir.file("7.rkm")));
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.disk->disk().Comment, std::string(510, 'c'));
    EXPECT_EQ(c.disk->disk().Files.text(0, FT_DESCRIPTION), std::string(510, 'd'));
    EXPECT_EQ(disk->disk().Comment, std::string(510, 'c'));

    const std::vector<ShortenedListing> told = store.TakeShortened();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].fileName, "7.rkm");
    EXPECT_EQ(told[0].diskName, "Old");
    EXPECT_EQ(told[0].entries, (std::vector<std::string>{"the disk's comment", "a.txt (description)"}));
    EXPECT_TRUE(store.TakeShortened().empty());
    disk->disk().SetModified(true);
    store.SaveModifiedListings();
    EXPECT_TRUE(store.TakeShortened().empty()); // told once
}

namespace {

std::vector<std::string> orderOf(const Catalog &cat)
{
    std::vector<std::string> names;
    for (int i = 0; i < cat.diskCount(); ++i) {
        EXPECT_EQ(cat.disk(i)->row(), i);
        names.push_back(cat.disk(i)->text());
    }
    return names;
}

// Records what the catalogue told its observer.
struct Told final : CatalogObserver {
    std::vector<std::string> events;
    void disksAboutToBeInserted(int first, int) override { events.push_back("insert " + std::to_string(first)); }
    void disksInserted() override {}
    void disksAboutToBeRemoved(int first, int) override { events.push_back("remove " + std::to_string(first)); }
    void disksRemoved() override {}
    void diskAboutToBeMoved(int from, int to) override
    {
        events.push_back("move " + std::to_string(from) + " " + std::to_string(to));
    }
    void diskMoved() override {}
};

} // namespace

TEST(CatalogStore, DisksAreKeptInTheNaturalOrderOfTheirNames)
{
    TempDir dir;
    // Loading: whatever the folder's order, by name; one name by file name.
    const std::pair<const char *, const char *> files[] = {{"7.rkm", "Disk 10"}, {"3.rkm", "disk 3"},
                                                          {"20.rkm", "Backup"}, {"100.rkm", "Disk 2"},
                                                          {"9.rkm", "Backup"}};
    for (const auto &[file, name] : files)
        writeListing(dir, file, name);
    CatalogStore store(dir.path());
    ASSERT_TRUE(store.LoadCatalog().empty());
    EXPECT_EQ(orderOf(store.Tree()), (std::vector<std::string>{"Backup", "Backup", "Disk 2", "disk 3", "Disk 10"}));
    EXPECT_EQ(store.Tree().disk(0)->disk().FileName, "9.rkm");
    EXPECT_EQ(store.Tree().disk(1)->disk().FileName, "20.rkm");

    Told told;
    store.Tree().setObserver(&told);
    // A new disk takes its place, after the disks of the same name.
    TreeNode *added = store.AddDisk(smallDisk("Disk 9"));
    EXPECT_EQ(added->row(), 4);
    EXPECT_TRUE(added->disk().Modified);
    EXPECT_EQ(store.AddDisk(smallDisk("Backup"))->row(), 2);
    EXPECT_EQ(store.AddDisk(smallDisk("zip"))->row(), 7);
    EXPECT_EQ(orderOf(store.Tree()), (std::vector<std::string>{"Backup", "Backup", "Backup", "Disk 2", "disk 3",
                                                               "Disk 9", "Disk 10", "zip"}));
    // An update keeps the row among disks of the same name.
    TreeNode *second = store.Tree().disk(1);
    EXPECT_EQ(store.ReplaceDisk(second, smallDisk("Backup"))->row(), 1);
    // A rename moves the disk, up or down, to the place of its new name.
    TreeNode *nine = store.Tree().disk(5);
    store.RenameDisk(nine, "Disk 1");
    EXPECT_EQ(nine->row(), 3);
    EXPECT_TRUE(nine->disk().Modified);
    store.RenameDisk(nine, "Disk 99");
    EXPECT_EQ(nine->row(), 6);
    store.RenameDisk(nine, "Disk 99");
    EXPECT_EQ(nine->row(), 6);
    EXPECT_EQ(orderOf(store.Tree()), (std::vector<std::string>{"Backup", "Backup", "Backup", "Disk 2", "disk 3",
                                                               "Disk 10", "Disk 99", "zip"}));
    EXPECT_EQ(told.events, (std::vector<std::string>{"insert 4", "insert 2", "insert 7", "remove 1", "insert 1",
                                                     "move 5 3", "move 3 6"}));
    store.Tree().setObserver(nullptr);
}

TEST(CatalogStore, ParallelLoadGivesWhatALoadOneByOneGives)
{
    TempDir dir;
    // Good listings of different sizes (a few names twice), and bad ones in
    // between: cut short, an empty disk name, an empty file, a folder, and
    // one of four texts an entry.
    for (int i = 0; i < 24; ++i) {
        auto disk = smallDisk("Disk " + std::to_string(i % 9));
        TreeNode *sub = disk->child(0);
        for (int k = 0; k < i * 50; ++k)
            sub->disk().Files.append(FileEntry{"f" + std::to_string(k), "", "1.1.2001", std::to_string(k) + " bytes", ""});
        for (int k = 0; k < i; ++k)
            disk->appendChild("more " + std::to_string(k))->disk().Comment = "c";
        WriteBytes(dir.file(std::to_string(100 + i) + ".rkm"), WriteListing(*disk, static_cast<uint32_t>(i)));
    }
    const std::string good = WriteListing(*smallDisk("Cut"), 0);
    WriteBytes(dir.file("cut.rkm"), good.substr(0, good.size() - 7));
    WriteBytes(dir.file("noname.rkm"), Word(5) + Counted("") + Counted("/") + Word(0) + Word(0) + Word(0) + Word(0));
    WriteBytes(dir.file("empty.rkm"), "");
    WriteBytes(dir.file("four.rkm"), Word(1001) + Word(0) + Word(4));
    MakeDirs(dir.file("folder.rkm"));

    struct Result {
        std::vector<std::string> errors, told, disks;
    };
    const auto load = [&](int threads) {
        CatalogStore store(dir.path());
        store.loadThreads = threads;
        Told told;
        store.Tree().setObserver(&told);
        Result r;
        r.errors = store.LoadCatalog();
        store.Tree().setObserver(nullptr);
        r.told = told.events;
        for (int i = 0; i < store.Tree().diskCount(); ++i) {
            const TreeNode &d = *store.Tree().disk(i);
            r.disks.push_back(d.disk().FileName + ":" + WriteListing(d, d.disk().SerialNumber));
        }
        return r;
    };
    const Result serial = load(1);
    ASSERT_EQ(serial.disks.size(), 24u);
    ASSERT_EQ(serial.errors.size(), 4u);
    std::set<std::string> named;
    for (const std::string &e : serial.errors)
        named.insert(e.substr(0, e.find(" (")));
    EXPECT_EQ(named, (std::set<std::string>{"Error loading file: cut.rkm", "Error loading file: noname.rkm",
                                            "Error loading file: empty.rkm", "Error loading file: four.rkm"}));
    for (int threads : {2, 3, 8, 64}) {
        for (int round = 0; round < 3; ++round) {
            const Result r = load(threads);
            EXPECT_EQ(r.errors, serial.errors) << threads << " threads";
            EXPECT_EQ(r.told, serial.told) << threads << " threads";
            EXPECT_TRUE(r.disks == serial.disks) << threads << " threads";
        }
    }
}
