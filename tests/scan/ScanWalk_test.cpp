#include "scan/Scanner.h"

#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "support/TestSupport.h"
#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
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
#include <set>
#include <sstream>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace rkm;
using namespace rkm::test;
using namespace rkm::scantest;

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
    // More entries than a wide walk lists before it looks at them.
    MakeDirs(dir.file("wide/sub"));
    for (int f = 0; f < 4200; ++f)
        sizedFile(dir.file("wide/w" + std::to_string(f)), f % 13);
    const std::string one = WriteListing(*ScanDisk(dir.path(), "T", "", nullptr, 1), 0);
    for (int threads : {2, 3, 8, 64}) {
        ScanControl control;
        EXPECT_EQ(WriteListing(*ScanDisk(dir.path(), "T", "", &control, threads), 0), one) << threads << " threads";
        // Every thread's share is counted: 180 + 294 + 4200 visible files
        // and a link.
        EXPECT_EQ(control.progress().files, 4675u) << threads << " threads";
        EXPECT_EQ(control.progress().folders, 82u) << threads << " threads";
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

    auto direct = ScanDisk(src, "Slow", "", nullptr, 1);
    for (int threads : {0, 1, 2}) { // 0: as many as a network volume gets
        // The threads that read folders: with every request waiting, a walk
        // left to choose keeps more of them busy than a walk told to use two.
        std::mutex mutex;
        std::set<std::thread::id> readers;
        ScanControl control;
        control.beforeFolder = [&] {
            std::lock_guard lock(mutex);
            readers.insert(std::this_thread::get_id());
        };
        auto disk = ScanDisk(mnt, "Slow", "", &control, threads);
        direct->disk().RootPath = disk->disk().RootPath;
        direct->disk().DriveType = disk->disk().DriveType;
        EXPECT_EQ(WriteListing(*disk, 0), WriteListing(*direct, 0)) << threads << " threads";
        if (threads == 0)
            EXPECT_GT(readers.size(), 2u) << "a network volume is walked by many threads at once";
        else
            EXPECT_LE(readers.size(), static_cast<std::size_t>(threads));
    }
}

// The threads a walk starts with and the most it may grow to: a solid-state
// or unknown disk starts on the cores and grows to 32 only while it waits; a
// network volume starts with all 64; memory gets one per core (two to
// eight); a count asked for is kept.
TEST(ScanThreads, StartAndMostByVolume)
{
    using platform::VolumeKind;
    const int cores = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 2, 8);
    struct Row {
        int requested;
        VolumeKind kind;
        int start;
        int most;
    };
    const Row rows[] = {
        {0, VolumeKind::SolidState, cores, 32}, {0, VolumeKind::Unknown, cores, 32}, {0, VolumeKind::Network, 64, 64},
        {0, VolumeKind::Memory, cores, cores},  {0, VolumeKind::Rotating, 2, 2},     {0, VolumeKind::Optical, 1, 1},
        {5, VolumeKind::SolidState, 5, 5},      {3, VolumeKind::Network, 3, 3},
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
        std::atomic<int> read{0}, afterCancel{0};
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

// Through a volume where every request waits, the counts of one big folder
// move while it is read, each time they are looked at, whether one thread
// looks at its files or many share them; and the folder named is the one
// read, not an empty one that started later and was done at once.
TEST(Scanner, ProgressMovesWhileASlowFolderIsRead)
{
    struct Row {
        int threads; // 0: as many as a network volume gets, which share the stats
        int files;
    };
    // The pass-through answers the looks into one folder one at a time.
    const Row rows[] = {{0, 400}, {1, 400}};
    TempDir dir;
    const std::string src = dir.file("src"), mnt = dir.file("mnt");
    MakeDirs(mnt);
    for (const Row &row : rows) {
        const std::string tree = src + "/" + std::to_string(row.threads);
        MakeDirs(tree + "/big");
        for (int f = 0; f < row.files; ++f)
            sizedFile(tree + "/big/file" + std::to_string(f), 1 + f % 7);
        for (int f = 0; f < 8; ++f)
            MakeDirs(tree + "/zz" + std::to_string(f));
    }
    const PassthroughMount fuse(src, mnt, dir.file("fuse.log"), 2.0);
    if (!fuse.skip().empty())
        GTEST_SKIP() << "FUSE cannot be used here: " << fuse.skip();
    ASSERT_TRUE(fuse.failure().empty()) << fuse.failure();

    for (const Row &row : rows) {
        SCOPED_TRACE(std::to_string(row.threads) + " threads");
        // Looked at every 5 ms, as the progress window does every 50 ms.
        ScanControl control;
        std::atomic<bool> done{false};
        std::vector<ScanControl::Progress> seen;
        std::thread watcher([&] {
            while (!done.load()) {
                seen.push_back(control.progress());
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        const auto disk = ScanDisk(mnt + "/" + std::to_string(row.threads), "Slow", "", &control, row.threads);
        done = true;
        watcher.join();
        ASSERT_EQ(control.progress().files, static_cast<uint64_t>(row.files));

        std::set<uint64_t> files, bytes;
        int named = 0, misnamed = 0;
        for (const ScanControl::Progress &p : seen) {
            if (p.files == 0 || p.files == static_cast<uint64_t>(row.files))
                continue;
            files.insert(p.files);
            bytes.insert(p.bytes);
            // Past half of it, the empty folders are long done.
            if (p.files * 2 >= static_cast<uint64_t>(row.files))
                ++(p.folder == "big" ? named : misnamed);
        }
        EXPECT_GE(files.size(), 4u) << "the file count moved while the folder was read";
        EXPECT_GE(bytes.size(), 4u);
        EXPECT_GT(named, 0);
        EXPECT_EQ(misnamed, 0);
    }
}
