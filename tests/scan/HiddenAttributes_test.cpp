// Hidden and system files of FAT and NTFS volumes are left out of a walk as
// Windows leaves them out, read from the volume's own attributes; on other
// volumes nothing is asked per file.

#include "platform/FileAttributes.h"
#include "scan/Scanner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QStringList>

#include <atomic>
#include <fcntl.h>
#include <set>
#include <sys/mount.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;
using platform::AttributeReader;
using platform::DosAttributes;

namespace {

// Puts a reader in place for one test.
struct ReaderInPlace {
    explicit ReaderInPlace(const AttributeReader &r) : before(platform::SetAttributes(&r)) {}
    ~ReaderInPlace() { platform::SetAttributes(before); }
    const AttributeReader *before;
};

// Every file and folder of a scanned tree as a path, folders ending in '/'.
std::set<std::string> Listed(const TreeNode &node, const std::string &prefix = {})
{
    std::set<std::string> out;
    for (int i = 0; i < node.disk().Files.count(); ++i)
        out.insert(prefix + std::string(node.disk().Files.text(i, FT_NAME)));
    for (int i = 0; i < node.childCount(); ++i) {
        const std::string folder = prefix + node.child(i)->text() + "/";
        out.insert(folder);
        for (const std::string &s : Listed(*node.child(i), folder))
            out.insert(s);
    }
    return out;
}

// A FAT volume as the attribute ioctl would describe it: the files named
// here carry the hidden or the system attribute.
struct FakeFat final : AttributeReader {
    std::set<std::string> hidden;
    mutable std::atomic<int> kindAsked{0}, fileAsked{0};
    DosAttributes kindOf(int) const override
    {
        ++kindAsked;
        return DosAttributes::Fat;
    }
    bool hiddenOrSystem(DosAttributes kind, int, const char *name) const override
    {
        ++fileAsked;
        return kind == DosAttributes::Fat && hidden.count(name) > 0;
    }
};

// The real reader, counting what the walk asks.
struct Counting final : AttributeReader {
    mutable std::atomic<int> kindAsked{0}, fileAsked{0};
    DosAttributes kindOf(int fd) const override
    {
        ++kindAsked;
        return AttributeReader::kindOf(fd);
    }
    bool hiddenOrSystem(DosAttributes kind, int fd, const char *name) const override
    {
        ++fileAsked;
        return AttributeReader::hiddenOrSystem(kind, fd, name);
    }
};

void Tree(const TempDir &dir, std::initializer_list<const char *> files)
{
    for (const char *f : files) {
        const std::string path = dir.file(f);
        MakeDirs(path.substr(0, path.rfind('/')));
        WriteBytes(path, "x");
    }
}

} // namespace

TEST(ScannerAttributes, WhatAFatVolumeHidesIsLeftOutAndItsHiddenFoldersWalked)
{
    TempDir dir;
    Tree(dir, {"IO.SYS", "readme.txt", ".dotted", "HIDDEN/inner.txt", "HIDDEN/DESKTOP.INI", "Docs/a.doc"});
    FakeFat fat;
    fat.hidden = {"IO.SYS", "DESKTOP.INI", "HIDDEN"};
    ReaderInPlace in(fat);
    for (int threads : {1, 3}) {
        fat.kindAsked = 0;
        auto disk = ScanDisk(dir.path(), "FAT", "", nullptr, threads);
        EXPECT_EQ(Listed(*disk), (std::set<std::string>{"readme.txt", "HIDDEN/", "HIDDEN/inner.txt", "Docs/", "Docs/a.doc"}))
            << threads << " threads";
        EXPECT_EQ(fat.kindAsked, 1) << "asked once for the volume, not per folder";
    }
}

TEST(ScannerAttributes, OtherVolumesAreNotAskedPerFile)
{
    TempDir dir;
    Tree(dir, {"a", "b", "sub/c", "sub/deeper/d"});
    Counting counting;
    ReaderInPlace in(counting);
    auto disk = ScanDisk(dir.path(), "Plain", "");
    EXPECT_EQ(Listed(*disk).size(), 6u);
    EXPECT_EQ(counting.kindAsked, 1);
    EXPECT_EQ(counting.fileAsked, 0);
}

// A real NTFS volume: an image made by mkntfs, mounted through FUSE by
// ntfs-3g, its attributes set as ntfs-3g offers them.
TEST(ScannerAttributes, NtfsVolumeThroughNtfs3g)
{
    const QString mkntfs = QStandardPaths::findExecutable(QStringLiteral("mkntfs"),
                                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    const QString ntfs3g = QStandardPaths::findExecutable(QStringLiteral("ntfs-3g"));
    if (mkntfs.isEmpty() || ntfs3g.isEmpty() || ::access("/dev/fuse", R_OK | W_OK) != 0 || ::geteuid() != 0)
        GTEST_SKIP() << "needs mkntfs, ntfs-3g and FUSE as root (package ntfs-3g)";
    TempDir dir;
    const std::string image = dir.file("ntfs.img"), mnt = dir.file("mnt");
    MakeDirs(mnt);
    WriteBytes(image, "");
    ASSERT_EQ(::truncate(image.c_str(), 8 << 20), 0);
    ASSERT_EQ(test::RunProgram(mkntfs.toStdString(), {"-F", "-q", "-Q", image}).status, 0);
    if (test::RunProgram(ntfs3g.toStdString(), {image, mnt}).status != 0)
        GTEST_SKIP() << "ntfs-3g cannot mount here (FUSE not usable)";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{mnt};

    struct Case {
        const char *path;
        uint32_t attributes; // FILE_ATTRIBUTE_*; 0: left as created
        bool listed;
    };
    const Case cases[] = {
        {"plain.txt", 0, true},         {"archive.txt", 0x20, true},     {"hidden.txt", 0x2, false},
        {"system.txt", 0x4, false},     {"both.txt", 0x6, false},        {"readonly.txt", 0x1, true},
        {"Hid/inner.txt", 0, true},     {"Hid/inner-hidden.txt", 0x22, false},
    };
    MakeDirs(mnt + "/Hid");
    for (const Case &c : cases) {
        const std::string path = mnt + "/" + c.path;
        WriteBytes(path, "x");
        if (c.attributes) {
            const unsigned char be[4] = {static_cast<unsigned char>(c.attributes >> 24), static_cast<unsigned char>(c.attributes >> 16),
                                         static_cast<unsigned char>(c.attributes >> 8), static_cast<unsigned char>(c.attributes)};
            ASSERT_EQ(::setxattr(path.c_str(), "system.ntfs_attrib_be", be, 4, 0), 0) << c.path;
        }
    }
    const unsigned char hiddenFolder[4] = {0, 0, 0, 0x12}; // hidden folder: still walked
    ASSERT_EQ(::setxattr((mnt + "/Hid").c_str(), "system.ntfs_attrib_be", hiddenFolder, 4, 0), 0);

    const int rootFd = ::open(mnt.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    EXPECT_EQ(platform::Attributes().kindOf(rootFd), DosAttributes::Ntfs);
    ::close(rootFd);
    auto disk = ScanDisk(mnt, "NTFS", "");
    const std::set<std::string> listed = Listed(*disk);
    EXPECT_TRUE(listed.count("Hid/"));
    for (const Case &c : cases)
        EXPECT_EQ(listed.count(c.path) == 1, c.listed) << c.path;
}
