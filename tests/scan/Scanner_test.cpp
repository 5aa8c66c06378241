#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "support/TestSupport.h"
#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <sstream>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;
using namespace rkm::scantest;

TEST(Scanner, EmptyFolderGivesAnEmptyDisk)
{
    TempDir dir;
    auto disk = ScanDisk(dir.path(), "Empty", "nothing here");
    EXPECT_EQ(disk->text(), "Empty");
    EXPECT_EQ(disk->disk().Comment, "nothing here");
    EXPECT_TRUE(disk->disk().IsRoot);
    EXPECT_EQ(disk->childCount(), 0);
    EXPECT_EQ(disk->disk().Files.count(), 0);
    EXPECT_EQ(disk->disk().FileName, "");
    EXPECT_EQ(disk->disk().SerialNumber, 0u);
    EXPECT_FALSE(disk->disk().Modified);
}

TEST(Scanner, SizeTextsAtTheBoundaries)
{
    TempDir dir;
    const std::pair<off_t, const char *> cases[] = {
        {0, "0 bytes"},       {1, "1 bytes"},        {1024, "1024 bytes"},     {1025, "1 Kb"},
        {2047, "1 Kb"},       {2048, "2 Kb"},        {1048576, "1024 Kb"},     {4294967297LL, "4194304 Kb"},
        {3221225472LL, "3145728 Kb"},
    };
    for (const auto &[size, text] : cases)
        sizedFile(dir.file("f" + std::to_string(size)), size);
    auto disk = ScanDisk(dir.path(), "Sizes", "");
    auto files = filesOf(*disk);
    ASSERT_EQ(files.size(), std::size(cases));
    for (const auto &[size, text] : cases) {
        const FileEntry &e = files["f" + std::to_string(size)];
        EXPECT_EQ(e[FT_SIZE], text) << size;
        EXPECT_EQ(e[FT_DESCRIPTION], "");
        EXPECT_EQ(e[FT_CATEGORY], "");
    }
}

TEST(Scanner, DatesAreTheLocalDateInTheShortFormat)
{
    TempDir dir;
    struct Case {
        const char *name;
        time_t when;
    } cases[] = {{"y1999", 944395200}, {"y1970", 86400 * 3}, {"y2150", 5617958400LL}};
    for (const Case &c : cases) {
        sizedFile(dir.file(c.name), 1);
        const struct timeval tv[2] = {{c.when, 0}, {c.when, 0}};
        ASSERT_EQ(::utimes(dir.file(c.name).c_str(), tv), 0);
    }
    auto files = filesOf(*ScanDisk(dir.path(), "Dates", ""));
    for (const Case &c : cases) {
        EXPECT_EQ(files[c.name][FT_DATE], platform::DateText(c.when)) << c.name;
        EXPECT_FALSE(files[c.name][FT_DATE].empty()) << c.name;
    }
}

TEST(Scanner, HiddenAndSystemFilesAreLeftOutHiddenFoldersWalked)
{
    TempDir dir;
    sizedFile(dir.file("visible.txt"), 3);
    sizedFile(dir.file(".hidden"), 3);
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
    MakeDirs(dir.file(".config/sub"));
    sizedFile(dir.file(".config/settings.ini"), 5);
    sizedFile(dir.file(".config/.secret"), 5);

    auto disk = ScanDisk(dir.path(), "Hidden", "");
    auto root = filesOf(*disk);
    EXPECT_EQ(root.size(), 1u);
    EXPECT_TRUE(root.count("visible.txt"));
    const TreeNode *config = childNamed(*disk, ".config");
    ASSERT_TRUE(config);
    auto inner = filesOf(*config);
    EXPECT_EQ(inner.size(), 1u);
    EXPECT_TRUE(inner.count("settings.ini"));
    ASSERT_TRUE(childNamed(*config, "sub"));
    EXPECT_EQ(config->disk().GetFullPath(), disk->disk().RootPath + "/.config/");
}

// FUSE and some XFS volumes list entries without a type (DT_UNKNOWN): a
// walk through a pass-through must still leave out hidden files, walk hidden
// folders, and give the tree that the walk of the folder itself gives.
TEST(Scanner, HiddenFilesLeftOutWhenEntriesComeWithoutAType)
{
    TempDir dir;
    const std::string src = dir.file("src"), mnt = dir.file("mnt");
    MakeDirs(src + "/.config/sub");
    MakeDirs(src + "/docs/.cache");
    MakeDirs(mnt);
    for (const char *f : {"visible.txt", ".hidden", ".config/settings.ini", ".config/.secret", "docs/.cache/.x"})
        sizedFile(src + "/" + f, 1500);
    ASSERT_EQ(::symlink("visible.txt", (src + "/link").c_str()), 0);
    ASSERT_EQ(::mkfifo((src + "/pipe").c_str(), 0644), 0);

    const PassthroughMount fuse(src, mnt, dir.file("fuse.log"));
    if (!fuse.skip().empty())
        GTEST_SKIP() << "FUSE cannot be used here: " << fuse.skip();
    ASSERT_TRUE(fuse.failure().empty()) << fuse.failure();
    DIR *listing = ::opendir(mnt.c_str());
    ASSERT_TRUE(listing);
    while (const dirent *e = ::readdir(listing))
        EXPECT_EQ(e->d_type, DT_UNKNOWN) << e->d_name << ": the walk below would not see an entry without a type";
    ::closedir(listing);

    const auto names = [](const TreeNode *n) {
        std::vector<std::string> v;
        for (const auto &[name, entry] : filesOf(*n))
            v.push_back(name);
        return v;
    };
    auto disk = ScanDisk(mnt, "Fuse", "");
    EXPECT_EQ(names(disk.get()), (std::vector<std::string>{"link", "visible.txt"}));
    const TreeNode *config = childNamed(*disk, ".config");
    ASSERT_TRUE(config);
    EXPECT_EQ(names(config), std::vector<std::string>{"settings.ini"});
    EXPECT_TRUE(childNamed(*config, "sub"));
    const TreeNode *docs = childNamed(*disk, "docs");
    ASSERT_TRUE(docs && childNamed(*docs, ".cache"));
    EXPECT_TRUE(names(childNamed(*docs, ".cache")).empty());

    auto direct = ScanDisk(src, "Fuse", "");
    direct->disk().RootPath = disk->disk().RootPath;
    direct->disk().DriveType = disk->disk().DriveType;
    EXPECT_EQ(WriteListing(*disk, 0), WriteListing(*direct, 0));
}

TEST(Scanner, LinksAreFilesAndNeverFollowedIntoFolders)
{
    TempDir dir;
    MakeDirs(dir.file("a/b"));
    sizedFile(dir.file("a/target.bin"), 2000);
    ASSERT_EQ(::symlink("..", dir.file("a/b/up").c_str()), 0);        // a cycle
    ASSERT_EQ(::symlink("../target.bin", dir.file("a/b/tolink").c_str()), 0);
    ASSERT_EQ(::symlink("/nowhere/at/all", dir.file("a/dangling").c_str()), 0);

    auto disk = ScanDisk(dir.path(), "Links", "");
    const TreeNode *a = childNamed(*disk, "a");
    ASSERT_TRUE(a);
    const TreeNode *b = childNamed(*a, "b");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->childCount(), 0);
    auto inB = filesOf(*b);
    ASSERT_EQ(inB.size(), 2u);
    EXPECT_EQ(inB["tolink"][FT_SIZE], "1 Kb");  // the file it points to
    EXPECT_EQ(inB["up"][FT_SIZE].find("bytes") != std::string::npos, true); // its own size
    EXPECT_TRUE(filesOf(*a).count("dangling"));
}

TEST(Scanner, FoldersAreOpenedBeneathTheRootWithoutLinks)
{
    TempDir dir;
    MakeDirs(dir.file("root/a/b"));
    MakeDirs(dir.file("outside/secret"));
    ASSERT_EQ(::symlink("../outside", dir.file("root/a/link").c_str()), 0);
    const int root = ::open(dir.file("root").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(root, 0);
    const struct {
        const char *path;
        bool opens;
    } cases[] = {
        {"a", true}, {"a/b", true}, {"a/link", false}, {"a/link/secret", false}, {"../outside", false},
        {"a/../../outside", false}, {"missing", false},
    };
    for (const auto &c : cases) {
        const int fd = OpenFolderBeneath(root, c.path);
        EXPECT_EQ(fd >= 0, c.opens) << c.path;
        if (fd >= 0)
            ::close(fd);
    }
    ::close(root);
}

TEST(Scanner, FolderThatCannotBeEnteredIsListedEmpty)
{
    TempDir dir;
    MakeDirs(dir.file("locked/inner"));
    MakeDirs(dir.file("open"));
    sizedFile(dir.file("locked/f"), 1);
    sizedFile(dir.file("open/g"), 1);
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(dir.file("open").c_str(), 0755);
    ::chmod(dir.file("locked").c_str(), 0);
    // Root enters every folder, so the walk runs as an ordinary user then.
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        auto disk = ScanDisk(dir.path(), "Locked", "");
        const TreeNode *locked = childNamed(*disk, "locked");
        const TreeNode *open = childNamed(*disk, "open");
        const bool ok = locked && open && locked->childCount() == 0 && locked->disk().Files.count() == 0 &&
                        open->disk().Files.count() == 1;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::chmod(dir.file("locked").c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(Scanner, LineBreaksInNamesBecomeQuestionMarks)
{
    TempDir dir;
    sizedFile(dir.file("two\nlines"), 1);
    sizedFile(dir.file("cr\rhere"), 1);
    MakeDirs(dir.file("dir\nname"));
    auto disk = ScanDisk(dir.path(), "Breaks", "");
    auto files = filesOf(*disk);
    EXPECT_TRUE(files.count("two?lines"));
    EXPECT_TRUE(files.count("cr?here"));
    ASSERT_TRUE(childNamed(*disk, "dir?name"));
    // And so the listing reads back whole.
    ListingContents c = ReadListing(WriteListing(*disk, 0));
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(filesOf(*c.disk).size(), 2u);
}

TEST(Scanner, RootPathIsAbsoluteResolvedWithoutTrailingSlash)
{
    TempDir dir;
    MakeDirs(dir.file("real/inner"));
    ASSERT_EQ(::symlink("real", dir.file("alias").c_str()), 0);
    const std::string real = ResolveScanRoot(dir.file("real"));
    ASSERT_FALSE(real.empty());
    EXPECT_NE(real.back(), '/');

    EXPECT_EQ(ScanDisk(dir.file("alias/"), "A", "")->disk().RootPath, real);
    EXPECT_EQ(ScanDisk(dir.file("real/inner/.."), "B", "")->disk().RootPath, real);
    EXPECT_EQ(ResolveScanRoot("/"), "/");
    EXPECT_EQ(ResolveScanRoot(dir.file("missing")), "");
    EXPECT_EQ(ResolveScanRoot(""), "");
    sizedFile(dir.file("plain"), 1);
    EXPECT_EQ(ResolveScanRoot(dir.file("plain")), "");
    EXPECT_THROW(ScanDisk(dir.file("missing"), "M", ""), RackmereError);
}

TEST(Scanner, ControlCountsEveryFolderAndFile)
{
    TempDir dir;
    MakeDirs(dir.file("x/y"));
    sizedFile(dir.file("x/y/f1"), 1000);
    sizedFile(dir.file("f2"), 24);
    ScanControl control;
    int read = 0;
    control.beforeFolder = [&] { ++read; };
    auto disk = ScanDisk(dir.path(), "Seen", "", &control, 1);
    const ScanControl::Progress p = control.progress();
    EXPECT_EQ(p.folders, 2u);
    EXPECT_EQ(p.files, 2u);
    EXPECT_EQ(p.bytes, 1024u);
    EXPECT_EQ(p.folder, "x/y");
    EXPECT_EQ(p.file, "f1");
    EXPECT_EQ(read, 3); // the root, x and x/y
}

TEST(Scanner, ScannedTreeRoundTripsThroughAListing)
{
    TempDir dir;
    MakeDirs(dir.file("m/n/o"));
    MakeDirs(dir.file("p"));
    for (const char *f : {"m/1", "m/n/2", "m/n/o/3", "p/4", "5"})
        sizedFile(dir.file(f), 10);
    auto disk = ScanDisk(dir.path(), "Round", "trip");
    const std::string bytes = WriteListing(*disk, 9);
    ListingContents c = ReadListing(bytes);
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(WriteListing(*c.disk, 9), bytes);
    EXPECT_EQ(c.disk->disk().RootPath, disk->disk().RootPath);
    EXPECT_EQ(c.disk->disk().DriveType, disk->disk().DriveType);
}

TEST(Scanner, EachFolderIsListedInVolumeOrderWhateverTheFileSystemGives)
{
    // Made in reverse order, so that a file system that lists in creation
    // order gives them backwards; mixed letter case and numbers.
    const std::vector<std::string> ordered = {"a10", "B2", "b3", "c", "D_x", "d_y", "Zz", "\xC3\xA9t\xC3\xA9"};
    TempDir dir;
    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) {
        MakeDirs(dir.file("dir-" + *it));
        sizedFile(dir.file("file-" + *it), 1);
        for (auto jt = ordered.rbegin(); jt != ordered.rend(); ++jt)
            sizedFile(dir.file("dir-" + *it + "/" + *jt), 1);
    }
    for (int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        auto disk = ScanDisk(dir.path(), "Sorted", "", nullptr, threads);
        std::vector<std::string> folders, files;
        for (int i = 0; i < disk->childCount(); ++i)
            folders.push_back(disk->child(i)->text());
        for (int i = 0; i < disk->disk().Files.count(); ++i)
            files.emplace_back(disk->disk().Files.text(i, FT_NAME));
        std::vector<std::string> expectFolders, expectFiles;
        for (const std::string &n : ordered) {
            expectFolders.push_back("dir-" + n);
            expectFiles.push_back("file-" + n);
        }
        EXPECT_EQ(folders, expectFolders);
        EXPECT_EQ(files, expectFiles);
        for (int i = 0; i < disk->childCount(); ++i) {
            const FileList &inner = disk->child(i)->disk().Files;
            ASSERT_EQ(inner.count(), static_cast<int>(ordered.size()));
            for (int k = 0; k < inner.count(); ++k)
                EXPECT_EQ(inner.text(k, FT_NAME), ordered[static_cast<std::size_t>(k)]);
        }
    }
}
