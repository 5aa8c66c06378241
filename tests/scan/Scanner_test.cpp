#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "support/TestSupport.h"

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

namespace {

void sizedFile(const std::string &path, off_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

// Files of a node by name, for checks that do not depend on the listing order.
std::map<std::string, FileEntry> filesOf(const TreeNode &n)
{
    std::map<std::string, FileEntry> m;
    for (int i = 0; i < n.disk().Files.count(); ++i)
        m[n.disk().Files.entryCopy(i)[FT_NAME]] = n.disk().Files.entryCopy(i);
    return m;
}

const TreeNode *childNamed(const TreeNode &n, const std::string &name)
{
    for (int i = 0; i < n.childCount(); ++i)
        if (n.child(i)->text() == name)
            return n.child(i);
    return nullptr;
}

// The node at a '/'-separated path below `root`, or null.
const TreeNode *nodeAt(const TreeNode &root, const std::string &path)
{
    const TreeNode *n = &root;
    std::istringstream parts(path);
    for (std::string name; n && std::getline(parts, name, '/');)
        n = childNamed(*n, name);
    return n;
}

// A folder mirrored read-only through the FUSE pass-through of the tests,
// whose folder listings carry no entry types, every request waiting
// `delayMs` first. Mounted on construction, unmounted (and its server gone)
// on destruction, whatever the test did.
class PassthroughMount {
public:
    PassthroughMount(const std::string &source, const std::string &mountPoint, const std::string &log,
                     double delayMs = 0)
        : m_mountPoint(ResolveScanRoot(mountPoint))
    {
        if (::access("/dev/fuse", R_OK | W_OK) != 0 || ::access("/usr/bin/python3", X_OK) != 0) {
            m_skip = "no usable /dev/fuse or /usr/bin/python3";
            return;
        }
        m_pid = ::fork();
        if (m_pid < 0) {
            m_failure = "cannot start the pass-through";
            return;
        }
        if (m_pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM); // the server unmounts on SIGTERM
            const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(out, 1);
            ::dup2(out, 2);
            const std::string delay = std::to_string(delayMs);
            ::execl("/usr/bin/python3", "python3", RACKMERE_PASSTHROUGH_FS, source.c_str(), m_mountPoint.c_str(),
                    "--fsname", "rackmere-test", "--delay-ms", delay.c_str(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!mounted()) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                const bool unusable = WIFEXITED(status) && WEXITSTATUS(status) == 77;
                (unusable ? m_skip : m_failure) = "the pass-through ended: " + ReadBytes(log);
                return;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                m_failure = "the pass-through did not mount within 20 s: " + ReadBytes(log);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    ~PassthroughMount()
    {
        if (m_pid <= 0)
            return;
        const bool wasMounted = mounted();
        if (wasMounted) {
            if (::geteuid() == 0) {
                if (::umount2(m_mountPoint.c_str(), 0) != 0)
                    ::umount2(m_mountPoint.c_str(), MNT_DETACH);
            } else {
                [[maybe_unused]] const int status = std::system(("fusermount -u '" + m_mountPoint + "'").c_str());
            }
        }
        // Unmounted, the server ends by itself; else it is told to, which
        // unmounts too.
        for (const int signal : {wasMounted ? 0 : SIGTERM, SIGTERM, SIGKILL}) {
            if (signal)
                ::kill(m_pid, signal);
            for (int i = 0; i < 250; ++i) {
                if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid)
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    }

    // Why FUSE cannot be used here (empty when it can), and what went wrong
    // otherwise.
    const std::string &skip() const { return m_skip; }
    const std::string &failure() const { return m_failure; }

    // From the mount table, which asks nothing of a server that may hang.
    bool mounted() const
    {
        std::istringstream table(ReadBytes("/proc/self/mountinfo"));
        std::string id, parent, device, root, mountPoint, rest;
        while (table >> id >> parent >> device >> root >> mountPoint && std::getline(table, rest))
            if (mountPoint == m_mountPoint)
                return true;
        return false;
    }

private:
    std::string m_mountPoint, m_skip, m_failure;
    pid_t m_pid = -1;
};

} // namespace

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

// A tree of many small folders and one big one. With more threads than
// cores the big folder's stats are shared among the threads too; its long
// names take more than one read of the kernel's list.
void makeThreadsTree(const std::string &root)
{
    const auto at = [&](const std::string &name) { return root + "/" + name; };
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 6; ++b) {
            const std::string folder = "d" + std::to_string(a) + "/e" + std::to_string(b);
            MakeDirs(at(folder + "/f"));
            for (int f = 0; f < 5; ++f)
                sizedFile(at(folder + "/file" + std::to_string(f)), f * 700);
        }
    MakeDirs(at("big/.hidden-folder"));
    const std::string longName(150, 'n');
    for (int f = 0; f < 300; ++f)
        sizedFile(at("big/" + std::string(f % 50 == 0 ? "." : "") + longName + std::to_string(f)), f * 97);
    ASSERT_EQ(::symlink((longName + "1").c_str(), at("big/link").c_str()), 0);
}

TEST(Scanner, TheTreeDoesNotDependOnTheThreads)
{
    TempDir dir;
    makeThreadsTree(dir.path());
    const std::string one = WriteListing(*ScanDisk(dir.path(), "T", "", nullptr, 1), 0);
    for (int threads : {2, 3, 8, 64}) {
        ScanControl control;
        EXPECT_EQ(WriteListing(*ScanDisk(dir.path(), "T", "", &control, threads), 0), one) << threads << " threads";
        // Every thread's share is counted: 180 + 294 visible files and a link.
        EXPECT_EQ(control.progress().files, 475u) << threads << " threads";
        EXPECT_EQ(control.progress().folders, 80u) << threads << " threads";
    }
}

// On a volume where every call waits, the walk keeps many calls waiting at
// once, and still gives the tree the walk of the folder itself gives.
TEST(Scanner, TheTreeIsTheSameThroughASlowVolume)
{
    TempDir dir;
    const std::string src = dir.file("src"), mnt = dir.file("mnt");
    MakeDirs(src);
    MakeDirs(mnt);
    makeThreadsTree(src);

    const PassthroughMount fuse(src, mnt, dir.file("fuse.log"), 1.0);
    if (!fuse.skip().empty())
        GTEST_SKIP() << "FUSE cannot be used here: " << fuse.skip();
    ASSERT_TRUE(fuse.failure().empty()) << fuse.failure();
    EXPECT_EQ(platform::System().volumeKind(mnt), platform::VolumeKind::Network);
    EXPECT_EQ(ScanThreadCount(0, platform::VolumeKind::Network), kNetworkScanThreads);

    auto direct = ScanDisk(src, "Slow", "", nullptr, 1);
    for (int threads : {0, 1, 2}) { // 0: as many as a network volume gets
        auto disk = ScanDisk(mnt, "Slow", "", nullptr, threads);
        direct->disk().RootPath = disk->disk().RootPath;
        direct->disk().DriveType = disk->disk().DriveType;
        EXPECT_EQ(WriteListing(*disk, 0), WriteListing(*direct, 0)) << threads << " threads";
    }
}

// The threads a walk starts with and the most it may grow to: a solid-state
// or unknown disk starts on the cores and grows only while it waits; a
// network volume starts with all; a count asked for is kept.
TEST(ScanThreads, StartAndMostByVolume)
{
    using platform::VolumeKind;
    const int cores = ScanThreadCount(0, VolumeKind::Memory);
    struct Row {
        int requested;
        VolumeKind kind;
        int start;
        int most;
    };
    const Row rows[] = {
        {0, VolumeKind::SolidState, cores, kSolidStateScanThreads},
        {0, VolumeKind::Unknown, cores, kSolidStateScanThreads},
        {0, VolumeKind::Network, kNetworkScanThreads, kNetworkScanThreads},
        {0, VolumeKind::Rotating, 2, 2},
        {0, VolumeKind::Optical, 1, 1},
        {5, VolumeKind::SolidState, 5, 5},
        {3, VolumeKind::Network, 3, 3},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(static_cast<int>(row.kind));
        EXPECT_EQ(ScanStartThreadCount(row.requested, row.kind), row.start);
        EXPECT_EQ(ScanThreadCount(row.requested, row.kind), row.most);
    }
}

// A folder deleted after its parent listed it and before the walk reaches it
// is listed as an empty folder; the walk goes on with the rest. (A folder
// deleted before its parent is read is not listed at all.)
TEST(Scanner, AFolderDeletedDuringTheWalkIsListedEmpty)
{
    for (int threads : {1, 2, 64}) {
        SCOPED_TRACE(threads);
        TempDir dir;
        for (const char *f : {"a/1", "b/2", "gone/x/y/3", "gone/4", "z/5"}) {
            MakeDirs(dir.file(f).substr(0, dir.file(f).rfind('/')));
            sizedFile(dir.file(f), 10);
        }
        // The root is read first and alone; once it is, "gone" goes, before
        // any thread reads another folder.
        ScanControl control;
        std::mutex gate;
        int calls = 0;
        control.beforeFolder = [&] {
            std::lock_guard lock(gate);
            if (++calls == 2)
                std::filesystem::remove_all(dir.file("gone"));
        };
        auto disk = ScanDisk(dir.path(), "D", "", &control, threads);
        ASSERT_EQ(disk->childCount(), 4);
        const TreeNode *gone = childNamed(*disk, "gone");
        ASSERT_TRUE(gone);
        EXPECT_EQ(gone->childCount(), 0);
        EXPECT_EQ(gone->disk().Files.count(), 0);
        for (const char *name : {"a", "b", "z"}) {
            const TreeNode *n = childNamed(*disk, name);
            ASSERT_TRUE(n) << name;
            EXPECT_EQ(n->disk().Files.count(), 1) << name;
        }
    }
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

TEST(Scanner, PseudoFileSystemsAreNotWalked)
{
    // Control groups are mounted below /sys/fs/cgroup: a walk of that folder
    // lists their mount points as empty folders instead of their contents.
    std::vector<std::string> pseudo;
    for (const platform::Mount &m : platform::System().mounts())
        if (m.mountPoint.rfind("/sys/fs/cgroup/", 0) == 0 && platform::SystemView::isPseudoFs(m.fsType) &&
            m.mountPoint.find('/', 15) == std::string::npos)
            pseudo.push_back(m.mountPoint.substr(15));
    if (pseudo.empty())
        GTEST_SKIP() << "no control groups mounted below /sys/fs/cgroup here";
    auto disk = ScanDisk("/sys/fs/cgroup", "cgroups", "");
    for (const std::string &name : pseudo) {
        const TreeNode *n = childNamed(*disk, name);
        ASSERT_TRUE(n) << name;
        EXPECT_EQ(n->disk().Files.count(), 0) << name;
        EXPECT_EQ(n->childCount(), 0) << name;
    }
}

// Folders below a mount point are opened across it: a disk mounted inside
// the walked tree is walked down to its deepest folder, and a pseudo file
// system mounted there is not walked, however deep the mount.
TEST(Scanner, MountsInsideTheTreeAreCrossedPseudoOnesLeftOut)
{
    for (const char *at : {"m", "a/b/m"}) {
        for (int threads : {1, 8}) {
            SCOPED_TRACE(std::string(at) + ", " + std::to_string(threads) + " threads");
            TempDir dir;
            const std::string mnt = dir.file(at), proc = dir.file(std::string(at) + "-proc");
            MakeDirs(mnt);
            MakeDirs(proc);
            if (::mount("rackmere-test", mnt.c_str(), "tmpfs", 0, "size=1m") != 0) {
                GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
            }
            const bool procMounted = ::mount("proc", proc.c_str(), "proc", 0, nullptr) == 0;
            MakeDirs(mnt + "/x/y");
            sizedFile(mnt + "/x/y/deep", 7);
            sizedFile(mnt + "/top", 5);
            auto disk = ScanDisk(dir.path(), "Mounts", "", nullptr, threads);
            ::umount2(mnt.c_str(), MNT_DETACH);
            if (procMounted)
                ::umount2(proc.c_str(), MNT_DETACH);

            const std::string top(at);
            const TreeNode *mounted = nodeAt(*disk, top), *deep = nodeAt(*disk, top + "/x/y"),
                           *pseudo = nodeAt(*disk, top + "-proc");
            ASSERT_TRUE(mounted && deep && pseudo);
            EXPECT_EQ(filesOf(*mounted).count("top"), 1u);
            EXPECT_EQ(filesOf(*deep).count("deep"), 1u);
            if (procMounted) {
                EXPECT_EQ(pseudo->childCount() + pseudo->disk().Files.count(), 0);
            }
        }
    }
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

TEST(Scanner, ACancelledWalkStopsAtOnceAndLeavesNothing)
{
    TempDir dir;
    for (int a = 0; a < 40; ++a)
        for (int b = 0; b < 10; ++b) {
            const std::string folder = dir.file("d" + std::to_string(a) + "/e" + std::to_string(b));
            MakeDirs(folder);
            sizedFile(folder + "/f", 1);
        }
    struct Case {
        const char *what;
        int cancelAt; // folders read before the request; 0: asked before the walk
        int threads;
    };
    for (const Case &c : {Case{"before the walk", 0, 2}, Case{"during the walk", 20, 1},
                          Case{"during the walk, several threads", 20, 4}}) {
        SCOPED_TRACE(c.what);
        ScanControl control;
        std::atomic<int> read {0}, afterCancel {0};
        if (c.cancelAt == 0)
            control.cancel();
        control.beforeFolder = [&] {
            if (control.cancelled())
                ++afterCancel;
            if (++read == c.cancelAt)
                control.cancel();
        };
        EXPECT_THROW(ScanDisk(dir.path(), "Stopped", "", &control, c.threads), ScanCancelled);
        // No thread takes another folder once asked (one may be between
        // taking its task and looking).
        EXPECT_LE(afterCancel.load(), c.threads);
        EXPECT_LT(read.load(), 100);
    }
}
