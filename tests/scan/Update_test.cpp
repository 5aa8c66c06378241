#include "catalog/ListingStore.h"
#include "scan/Update.h"

#include "catalog/CatalogStore.h"
#include "catalog/Errors.h"
#include "platform/DriveType.h"
#include "platform/SystemView.h"
#include "scan/Archive.h"
#include "scan/Sandbox.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rkm;
using rkm::test::TempDir;
namespace fs = std::filesystem;

namespace {

struct Annotated {
    std::string name;
    std::string description;
};

void AddFiles(TDisk &d, const std::vector<Annotated> &files, const std::string &date = "old")
{
    for (const Annotated &f : files)
        d.Files.append(FileEntry{f.name, f.description, date, "1 bytes", f.description.empty() ? "" : "cat-" + f.description});
}

// Annotations of a folder's files as "name=description/category" in list order.
std::vector<std::string> Shown(const TDisk &d)
{
    std::vector<std::string> out;
    for (int i = 0; i < d.Files.count(); ++i)
        out.push_back(std::string(d.Files.text(i, FT_NAME)) + "=" + std::string(d.Files.text(i, FT_DESCRIPTION)) + "/" +
                      std::string(d.Files.text(i, FT_CATEGORY)));
    return out;
}

TEST(UpdateCarryOver, FilesMatchedByName)
{
    struct Case {
        const char *what;
        std::vector<Annotated> old;
        std::vector<std::string> fresh;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"unchanged", {{"a", "A"}, {"b", "B"}, {"c", ""}}, {"a", "b", "c"}, {"a=A/cat-A", "b=B/cat-B", "c=/"}},
        {"deleted from the middle",
         {{"a", "A"}, {"b", "B"}, {"c", "C"}, {"d", "D"}},
         {"a", "c", "d"},
         {"a=A/cat-A", "c=C/cat-C", "d=D/cat-D"}},
        {"added at the start", {{"a", "A"}, {"b", "B"}}, {"new", "a", "b"}, {"new=/", "a=A/cat-A", "b=B/cat-B"}},
        {"added in the middle and at the end",
         {{"a", "A"}, {"b", "B"}},
         {"a", "x", "b", "y"},
         {"a=A/cat-A", "x=/", "b=B/cat-B", "y=/"}},
        {"another order", {{"a", "A"}, {"b", "B"}, {"c", "C"}}, {"c", "a", "b"}, {"c=C/cat-C", "a=A/cat-A", "b=B/cat-B"}},
        {"reversed", {{"a", "A"}, {"b", "B"}, {"c", "C"}}, {"c", "b", "a"}, {"c=C/cat-C", "b=B/cat-B", "a=A/cat-A"}},
        {"letter case differs", {{"Read.me", "R"}}, {"read.me"}, {"read.me=/"}},
        {"all gone", {{"a", "A"}}, {"b", "c"}, {"b=/", "c=/"}},
        {"nothing before", {}, {"a"}, {"a=/"}},
        {"same name twice keeps each in order", {{"a", "1"}, {"a", "2"}}, {"a", "a"}, {"a=1/cat-1", "a=2/cat-2"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto old = MakeDiskNode("disk");
        AddFiles(old->disk(), c.old);
        auto fresh = MakeDiskNode("disk");
        for (const std::string &n : c.fresh)
            fresh->disk().Files.append(FileEntry{n, "", "new", "2 Kb", ""});
        CarryOver(*old, *fresh);
        EXPECT_EQ(Shown(fresh->disk()), c.expected);
        // Dates and sizes are those of the new scan.
        for (int i = 0; i < fresh->disk().Files.count(); ++i) {
            EXPECT_EQ(fresh->disk().Files.text(i, FT_DATE), "new");
            EXPECT_EQ(fresh->disk().Files.text(i, FT_SIZE), "2 Kb");
        }
    }
}

// Equal names in one list (an old listing from another system, say): a new
// item takes the old one at the place the previous match predicts when the
// name fits there, else the first old item of that name, and the prediction
// then follows that item. The same for files and for folders.
TEST(UpdateCarryOver, EqualNamesTakeThePredictedThenTheFirstOfThem)
{
    struct Case {
        const char *what;
        std::vector<std::string> old; // old item k is annotated "k"
        std::vector<std::string> fresh;
        std::vector<std::string> expected; // the annotation each new item gets
    };
    const std::vector<Case> cases = {
        {"removed before two equal names", {"x", "a", "a"}, {"a", "a"}, {"1", "2"}},
        {"moved behind two equal names", {"b", "a", "a"}, {"a", "a", "b"}, {"1", "2", "0"}},
        {"added before two equal names", {"a", "a", "b"}, {"x", "a", "a", "b"}, {"", "1", "0", "2"}},
        {"added before three equal names", {"a", "a", "a"}, {"x", "a", "a", "a"}, {"", "1", "2", "0"}},
        {"equal names apart", {"a", "b", "a"}, {"b", "a", "a"}, {"1", "2", "0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto old = MakeDiskNode("disk"), fresh = MakeDiskNode("disk");
        for (std::size_t k = 0; k < c.old.size(); ++k) {
            old->disk().Files.append(FileEntry{c.old[k], std::to_string(k), "", "", ""});
            old->appendChild(c.old[k])->disk().Comment = std::to_string(k);
        }
        for (const std::string &name : c.fresh) {
            fresh->disk().Files.append(FileEntry{name, "", "", "", ""});
            fresh->appendChild(name);
        }
        CarryOver(*old, *fresh);
        std::vector<std::string> files, folders;
        for (int i = 0; i < fresh->childCount(); ++i) {
            files.emplace_back(fresh->disk().Files.text(i, FT_DESCRIPTION));
            folders.push_back(fresh->child(i)->disk().Comment);
        }
        EXPECT_EQ(files, c.expected);
        EXPECT_EQ(folders, c.expected);
    }
}

// A listing written on Windows holds Windows-1252; the same volume mounted
// here gives UTF-8 names. The same text carries its annotations over.
TEST(UpdateCarryOver, NamesMatchInEitherEncoding)
{
    struct Case {
        const char *what;
        std::vector<Annotated> old;
        std::vector<std::string> fresh;
        std::vector<std::string> expected;
    };
    const std::string cafeUtf8 = "Caf\xC3\xA9.doc", cafe1252 = "Caf\xE9.doc";
    const std::vector<Case> cases = {
        {"Windows-1252 before, UTF-8 now", {{"a", "A"}, {cafe1252, "C"}, {"z", "Z"}}, {"a", cafeUtf8, "z"},
         {"a=A/cat-A", cafeUtf8 + "=C/cat-C", "z=Z/cat-Z"}},
        {"UTF-8 before, Windows-1252 now", {{cafeUtf8, "C"}}, {cafe1252}, {cafe1252 + "=C/cat-C"}},
        {"out of place", {{"x", "X"}, {"y", "Y"}, {cafe1252, "C"}}, {cafeUtf8, "x", "y"},
         {cafeUtf8 + "=C/cat-C", "x=X/cat-X", "y=Y/cat-Y"}},
        {"equal bytes come first", {{cafe1252, "old"}, {cafeUtf8, "same"}}, {cafeUtf8}, {cafeUtf8 + "=same/cat-same"}},
        {"exactly, not case-folded", {{cafe1252, "C"}}, {"CAF\xC3\x89.doc"}, {"CAF\xC3\x89.doc=/"}},
        {"no false friend", {{"Caf\xC3\x83\xC2\xA9.doc", "M"}}, {cafeUtf8}, {cafeUtf8 + "=/"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto old = MakeDiskNode("disk");
        AddFiles(old->disk(), c.old);
        auto fresh = MakeDiskNode("disk");
        for (const std::string &n : c.fresh)
            fresh->disk().Files.append(FileEntry{n, "", "new", "2 Kb", ""});
        CarryOver(*old, *fresh);
        EXPECT_EQ(Shown(fresh->disk()), c.expected);
    }
    // Folders too, with everything below them.
    auto old = MakeDiskNode("disk");
    TreeNode *data = old->appendChild("Donn\xE9" "es");
    data->disk().Comment = "kept";
    AddFiles(data->disk(), {{cafe1252, "C"}});
    auto fresh = MakeDiskNode("disk");
    TreeNode *now = fresh->appendChild("Donn\xC3\xA9" "es");
    now->disk().Files.append(FileEntry{cafeUtf8, "", "d", "s", ""});
    CarryOver(*old, *fresh);
    EXPECT_EQ(now->disk().Comment, "kept");
    EXPECT_EQ(Shown(now->disk()), std::vector<std::string>{cafeUtf8 + "=C/cat-C"});
}

TEST(UpdateCarryOver, FoldersMatchedByNameWithTheirSubtrees)
{
    auto old = MakeDiskNode("disk");
    old->disk().Comment = "disk comment";
    for (const char *name : {"docs", "music", "old name", "video"}) {
        TreeNode *f = old->appendChild(name);
        f->disk().Comment = std::string("about ") + name;
        AddFiles(f->disk(), {{"f", std::string("in ") + name}});
        f->appendChild("deep")->disk().Comment = std::string("deep in ") + name;
    }
    // Folders come back in another order, one renamed, one gone, one new.
    auto fresh = MakeDiskNode("disk");
    for (const char *name : {"video", "new name", "docs", "added"}) {
        TreeNode *f = fresh->appendChild(name);
        f->disk().Files.append(FileEntry{"f", "", "d", "s", ""});
        f->appendChild("deep");
    }
    CarryOver(*old, *fresh);
    EXPECT_EQ(fresh->disk().Comment, "disk comment");
    struct Expect {
        const char *folder;
        const char *comment;
        const char *file;
        const char *deep;
    };
    const Expect expected[] = {
        {"video", "about video", "f=in video/cat-in video", "deep in video"},
        {"new name", "", "f=/", ""},
        {"docs", "about docs", "f=in docs/cat-in docs", "deep in docs"},
        {"added", "", "f=/", ""},
    };
    ASSERT_EQ(fresh->childCount(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(expected[i].folder);
        const TreeNode *f = fresh->child(i);
        EXPECT_EQ(f->text(), expected[i].folder);
        EXPECT_EQ(f->disk().Comment, expected[i].comment);
        EXPECT_EQ(Shown(f->disk()), std::vector<std::string>{expected[i].file});
        EXPECT_EQ(f->child(0)->disk().Comment, expected[i].deep);
    }
}

// A comment the user wrote is carried over; the walk's own note that an
// archive's list was cut is not: the new walk's note (or a file_id.diz, or
// nothing) stands.
TEST(UpdateCarryOver, TheNoteOfACutArchiveListIsTheNewWalks)
{
    struct Row {
        const char *oldComment;
        const char *newComment;
        const char *expected;
    };
    const Row rows[] = {
        {"my note", "", "my note"},
        {"my note", "from file_id.diz", "my note"},
        {"", "from file_id.diz", "from file_id.diz"},
        {ARCHIVE_TOO_MANY_ENTRIES, "", ""},
        {ARCHIVE_TOO_SLOW, "from file_id.diz", "from file_id.diz"},
        {ARCHIVE_TOO_SLOW, ARCHIVE_TOO_MANY_ENTRIES, ARCHIVE_TOO_MANY_ENTRIES},
        {ARCHIVE_NAMES_TOO_LONG, "", ""},
        {ARCHIVE_TOO_SLOW_30S, "", ""},
        {ARCHIVE_READER_STOPPED, "from file_id.diz", "from file_id.diz"},
        {ARCHIVE_READER_TOO_SLOW, "", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.oldComment) + " -> " + row.newComment);
        auto old = MakeDiskNode("disk");
        old->appendChild("backup.zip")->disk().Comment = row.oldComment;
        auto fresh = MakeDiskNode("disk");
        fresh->appendChild("backup.zip")->disk().Comment = row.newComment;
        CarryOver(*old, *fresh);
        EXPECT_EQ(fresh->child(0)->disk().Comment, row.expected);
    }
    // A file's note that its tags could not be read gives way to what the
    // new walk read; a description the user wrote does not.
    auto old = MakeDiskNode("disk");
    old->disk().Files.append(FileEntry{"a.mp3", TAGS_READER_STOPPED, "", "", ""});
    old->disk().Files.append(FileEntry{"b.mp3", "my words", "", "", ""});
    auto fresh = MakeDiskNode("disk");
    fresh->disk().Files.append(FileEntry{"a.mp3", "Artist – Title", "", "", ""});
    fresh->disk().Files.append(FileEntry{"b.mp3", TAGS_READER_TOO_SLOW, "", "", ""});
    CarryOver(*old, *fresh);
    EXPECT_EQ(fresh->disk().Files.text(0, FT_DESCRIPTION), "Artist – Title");
    EXPECT_EQ(fresh->disk().Files.text(1, FT_DESCRIPTION), "my words");
}

TEST(UpdateCarryOver, LargeFolderWithOneInsertionStaysAligned)
{
    auto old = MakeDiskNode("disk");
    auto fresh = MakeDiskNode("disk");
    const int n = 20000;
    for (int i = 0; i < n; ++i)
        old->disk().Files.append(FileEntry{std::to_string(i), "d" + std::to_string(i), "", "", ""});
    fresh->disk().Files.append(FileEntry{"inserted", "", "", "", ""});
    for (int i = 0; i < n; ++i)
        if (i != 777)
            fresh->disk().Files.append(FileEntry{std::to_string(i), "", "", "", ""});
    CarryOver(*old, *fresh);
    const FileList &f = fresh->disk().Files;
    ASSERT_EQ(f.count(), n);
    EXPECT_EQ(f.text(0, FT_DESCRIPTION), "");
    for (int k = 1; k < f.count(); ++k)
        ASSERT_EQ(f.text(k, FT_DESCRIPTION), "d" + std::string(f.text(k, FT_NAME)));
}

// A folder to catalogue and a program directory.
class UpdateListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        src = tmp.path() + "disk";
        programDir = tmp.path() + "catalog/";
        for (const char *f : {"a.txt", "b.txt", "c.txt", "sub/d.txt", "sub/deeper/e.txt"}) {
            fs::create_directories(fs::path(src + "/" + f).parent_path());
            test::WriteBytes(src + "/" + f, f);
        }
        fs::create_directories(programDir);
        store = std::make_unique<CatalogStore>(programDir);
        store->Seed(1234);
        store->serialSource = [](const TDisk &) { return 0x1234ABCDu; };
        disk = store->Tree().appendDisk(ScanDisk(src, "My disk", "first comment"));
        store->SaveListing(disk);
        oldFile = disk->disk().FileName;
    }

    TreeNode *Folder(TreeNode *parent, const std::string &name)
    {
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text() == name)
                return parent->child(i);
        return nullptr;
    }

    static void Describe(TDisk &d, const std::string &file, const std::string &description, const std::string &category)
    {
        for (int i = 0; i < d.Files.count(); ++i) {
            if (d.Files.text(i, FT_NAME) == file) {
                d.Files.setText(i, FT_DESCRIPTION, description);
                d.Files.setText(i, FT_CATEGORY, category);
                return;
            }
        }
        FAIL() << "no file " << file;
    }

    std::vector<std::string> ListingFiles() const
    {
        std::vector<std::string> names;
        // What is there beside the store of the listings' extras.
        for (const auto &e : fs::directory_iterator(programDir))
            if (e.path().filename() != ListingStore::FILE_NAME)
                names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir tmp;
    std::string src, programDir, oldFile;
    std::unique_ptr<CatalogStore> store;
    TreeNode *disk = nullptr;
};

TEST_F(UpdateListingTest, CarriesEditsMadeSinceTheLastSaveAndReplacesTheFile)
{
    // Annotations made after the listing was written: only in memory.
    disk->disk().Comment = "edited comment";
    Describe(disk->disk(), "b.txt", "bee", "letters");
    Describe(Folder(Folder(disk, "sub"), "deeper")->disk(), "e.txt", "deep file", "");
    Folder(disk, "sub")->disk().Comment = "sub comment";
    disk->disk().SetModified(true);
    // The disk changed: a file gone, one new.
    fs::remove(src + "/a.txt");
    test::WriteBytes(src + "/z.txt", "z");

    const TreeNode *fresh = UpdateListing(*store, disk);
    ASSERT_TRUE(fresh);
    ASSERT_EQ(store->Tree().diskCount(), 1);
    EXPECT_EQ(store->Tree().disk(0), fresh) << "the fresh listing takes the old one's place";
    const TDisk &d = fresh->disk();
    EXPECT_EQ(fresh->text(), "My disk");
    EXPECT_EQ(d.Comment, "edited comment");
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(d.SerialNumber, 0x1234ABCDu);
    EXPECT_NE(d.FileName, oldFile);
    EXPECT_EQ(ListingFiles(), std::vector<std::string>{d.FileName}) << "the old file is deleted";

    // What the new file holds, read back as at the next start.
    CatalogStore again(programDir);
    EXPECT_TRUE(again.LoadCatalog().empty());
    ASSERT_EQ(again.Tree().diskCount(), 1);
    TreeNode *read = again.Tree().disk(0);
    EXPECT_EQ(read->text(), "My disk");
    EXPECT_EQ(read->disk().Comment, "edited comment");
    EXPECT_EQ(read->disk().SerialNumber, 0x1234ABCDu);
    std::vector<std::string> root = Shown(read->disk());
    std::sort(root.begin(), root.end());
    EXPECT_EQ(root, (std::vector<std::string>{"b.txt=bee/letters", "c.txt=/", "z.txt=/"}));
    TreeNode *sub = Folder(read, "sub");
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->disk().Comment, "sub comment");
    EXPECT_EQ(Shown(Folder(sub, "deeper")->disk()), std::vector<std::string>{"e.txt=deep file/"});
}

TEST_F(UpdateListingTest, ScanErrorChangesNothing)
{
    fs::remove_all(src);
    EXPECT_THROW(UpdateListing(*store, disk), RackmereError);
    EXPECT_EQ(ListingFiles(), std::vector<std::string>{oldFile});
    EXPECT_EQ(disk->disk().FileName, oldFile);
}

TEST_F(UpdateListingTest, SaveErrorKeepsTheOldFile)
{
    // The update runs in a child process that cannot write the new listing:
    // either the program directory is read-only (root may write anywhere, so
    // the child gives up root first), or the file system takes no more bytes
    // (the old file could still be deleted then).
    enum Block { ReadOnlyFolder, FileSystemFull };
    for (const Block block : {ReadOnlyFolder, FileSystemFull}) {
        SCOPED_TRACE(block == ReadOnlyFolder ? "read-only folder" : "file system full");
        if (block == ReadOnlyFolder) {
            ASSERT_EQ(::chmod(programDir.c_str(), 0555), 0);
            for (const std::string &p : {tmp.path(), src, src + "/sub", src + "/sub/deeper"})
                ::chmod(p.c_str(), 0755);
        }
        const std::string before = test::ReadBytes(programDir + oldFile);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (block == ReadOnlyFolder && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(10);
            if (block == FileSystemFull) {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{16, 16};
                if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                    ::_exit(10);
            }
            int code = 11;
            try {
                UpdateListing(*store, disk);
            } catch (const RackmereError &e) {
                code = std::string(e.what()).find(programDir) != std::string::npos ? 0 : 12;
            } catch (...) {
                code = 13;
            }
            ::_exit(code);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ::chmod(programDir.c_str(), 0755);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "10: cannot set up, 11: no error, 12: error does not name the file";
        EXPECT_EQ(ListingFiles(), std::vector<std::string>{oldFile});
        EXPECT_EQ(test::ReadBytes(programDir + oldFile), before);
    }
}

TEST_F(UpdateListingTest, DiskCheck)
{
    struct Case {
        const char *what;
        std::string root;
        uint32_t stored;
        uint32_t present;
        DiskCheck expected;
    };
    const std::vector<Case> cases = {
        {"same serial", src, 0x1234ABCD, 0x1234ABCD, DiskCheck::Ready},
        {"other serial", src, 0x1234ABCD, 0x99, DiskCheck::SerialDiffers},
        {"other serial, none there", src, 0x1234ABCD, 0, DiskCheck::SerialDiffers},
        {"sub-folder listing skips the check", src, 0, 0x99, DiskCheck::Ready},
        {"root gone", src + "/missing", 0, 0, DiskCheck::NotFound},
        {"root gone, serial stored", src + "/missing", 5, 5, DiskCheck::NotFound},
        {"a file, not a folder", src + "/a.txt", 0, 0, DiskCheck::NotFound},
        {"a Windows root", "E:\\Data", 0, 0, DiskCheck::NotFound},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        disk->disk().RootPath = c.root;
        disk->disk().SerialNumber = c.stored;
        const uint32_t present = c.present;
        store->serialSource = [present](const TDisk &) { return present; };
        EXPECT_EQ(CheckListingDisk(*store, disk->disk()), c.expected);
        // Asked about a folder deep in the disk, the disk is checked.
        EXPECT_EQ(CheckListingDisk(*store, Folder(Folder(disk, "sub"), "deeper")->disk()), c.expected);
    }
}

// A doubtful root path is told before anything is read: a damaged one for
// any disk, a system folder for a stick's or a CD's listing.
TEST_F(UpdateListingTest, DiskCheckOfDoubtfulRoots)
{
    using D = DiskCheck;
    const std::string nul("/\0media/stick", 13);
    const struct {
        std::string root;
        D removable, optical, fixed, network;
    } cases[] = {
        {nul, D::RootUnreadable, D::RootUnreadable, D::RootUnreadable, D::RootUnreadable},
        {"", D::RootUnreadable, D::RootUnreadable, D::RootUnreadable, D::RootUnreadable},
        {"media/stick", D::RootUnreadable, D::RootUnreadable, D::RootUnreadable, D::RootUnreadable},
        {"/", D::SystemFolder, D::SystemFolder, D::Ready, D::Ready},
        {"/usr", D::SystemFolder, D::SystemFolder, D::Ready, D::Ready},
        {"/usr/../etc/", D::SystemFolder, D::SystemFolder, D::Ready, D::Ready},
        {"/media/x", D::NotFound, D::NotFound, D::NotFound, D::NotFound},
        {src, D::Ready, D::Ready, D::Ready, D::Ready},
    };
    store->serialSource = [](const TDisk &) { return 0u; };
    for (const auto &c : cases) {
        const std::pair<int, D> kinds[] = {{DRIVE_REMOVABLE, c.removable},
                                           {DRIVE_CDROM, c.optical},
                                           {DRIVE_FIXED, c.fixed},
                                           {DRIVE_REMOTE, c.network}};
        for (const auto &[type, expected] : kinds) {
            SCOPED_TRACE(testing::PrintToString(c.root) + " of drive type " + std::to_string(type));
            disk->disk().RootPath = c.root;
            disk->disk().DriveType = type;
            disk->disk().SerialNumber = 0;
            EXPECT_EQ(CheckListingDisk(*store, disk->disk()), expected);
            EXPECT_EQ(DiskCheckReason(expected, disk->disk()).empty(),
                      expected != D::RootUnreadable && expected != D::SystemFolder);
            // Accepted, a doubt gives way to the checks after it.
            if (expected == D::RootUnreadable || expected == D::SystemFolder) {
                EXPECT_NE(CheckListingDisk(*store, disk->disk(), Accepted(expected)), expected);
            }
        }
    }
    // The path up to a NUL byte is "/": accepted as damaged, it is still a
    // system folder for a stick.
    disk->disk().RootPath = nul;
    disk->disk().DriveType = DRIVE_REMOVABLE;
    EXPECT_EQ(CheckListingDisk(*store, disk->disk(), Accepted(D::RootUnreadable)), D::SystemFolder);
    EXPECT_NE(DiskCheckReason(D::RootUnreadable, disk->disk()).find("/\\0media/stick"), std::string::npos);
}

TEST(IsSystemFolder, Table)
{
    const struct {
        const char *path;
        bool system;
    } cases[] = {
        {"/", true},         {"/usr", true},         {"/usr/", true},        {"/home", true},
        {"/proc/1", true},   {"/etc/fstab.d", true}, {"/tmp", true},         {"/run", true},
        {"/media", false},   {"/media/cd", false},   {"/mnt", false},        {"/run/media/al/X", false},
        {"/home/al", false}, {"/usrx", false},       {"/srv/backup", false}, {"/data", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsSystemFolder(c.path), c.system) << c.path;
}

TEST(UpdateDriveText, LetterOrMountPoint)
{
    TempDir tmp;
    const test::FakeSystemRoot sys(tmp.path() + "sys");
    sys.mounts({{"/", "ext4", "/dev/sda1", "8:1"},
                {"/media/usb", "vfat", "/dev/sdb1", "8:17"},
                {"/media/My Disk", "ext4", "/dev/sdc1", "8:33"}});
    sys.folders({"/media/usb/photos", "/home/user", "/media/My Disk/photos"});
    const platform::SystemView view(sys.root());
    struct Case {
        const char *rootPath;
        const char *drive;
    };
    const Case cases[] = {
        {"E:\\Data", "E:"},
        {"a:\\", "a:"},
        {"/media/usb/photos", "/media/usb"},
        {"/media/usb", "/media/usb"},
        {"/media/My Disk/photos", "/media/My Disk"},
        {"/home/user", "/"},
        // The stick is not plugged in and its mount point went with it: the
        // user is asked to put it where it was, not into "/".
        {"/media/stick/photos", "/media/stick"},
        {"/media/stick", "/media/stick"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rootPath);
        EXPECT_EQ(UpdateDriveText(c.rootPath, view), c.drive);
    }
}

TEST(UpdatePrompt, NamesTheMountPointOrTheFolder)
{
    TempDir tmp;
    const test::FakeSystemRoot sys(tmp.path() + "sys");
    sys.mounts({{"/", "ext4", "/dev/sda1", "8:1"}, {"/media/cd", "iso9660", "/dev/sr0", "8:17"}});
    sys.folders({"/media/cd/Data", "/home/user"});
    const platform::SystemView view(sys.root());
    struct Case {
        const char *rootPath;
        const char *prompt;
    };
    const Case cases[] = {
        {"E:\\Data", "Please make sure that the disk 'Backup 3' is inserted in drive E:"},
        {"/media/cd", "Please make sure that the disk 'Backup 3' is mounted at /media/cd"},
        {"/media/cd/Data",
         "Please make sure that the disk 'Backup 3' is mounted at /media/cd with the folder /media/cd/Data"},
        // Not plugged in: asked for where it was mounted.
        {"/media/stick/Data",
         "Please make sure that the disk 'Backup 3' is mounted at /media/stick with the folder /media/stick/Data"},
        {"/home/user", "Please make sure that the folder /home/user of the disk 'Backup 3' is there"},
        {"/", "Please make sure that the disk 'Backup 3' is mounted at /"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rootPath);
        EXPECT_EQ(UpdatePrompt("Backup 3", c.rootPath, view).toStdString(), c.prompt);
    }
    // A name from a Windows listing is shown with its letters.
    EXPECT_EQ(UpdatePrompt("Caf\xe9", "/media/cd", view),
              QStringLiteral("Please make sure that the disk 'Caf\u00e9' is mounted at /media/cd"));
    EXPECT_EQ(DiskNotFoundText("/media/cd/Data", ENOENT).toStdString(),
              "Could not find the disk at /media/cd/Data: No such file or directory.");
    EXPECT_EQ(DiskNotFoundText("E:\\Data", ENOENT).toStdString(), "Could not find the disk at E:\\Data.");
}

} // namespace
