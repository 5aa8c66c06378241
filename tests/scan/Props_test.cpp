#include "scan/Props.h"

#include "platform/SystemView.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace rkm;

namespace {

TEST(PropsCountSubtree, FoldersBelowAndFilesWithin)
{
    auto disk = MakeDiskNode("disk");
    disk->disk().Files.append(FileEntry{"r1", "", "", "10 bytes", ""});
    TreeNode *a = disk->appendChild("a");
    a->disk().Files.append(FileEntry{"a1", "", "", "3 Kb", ""});
    a->disk().Files.append(FileEntry{"a2", "", "", "not a size", ""});
    TreeNode *b = a->appendChild("b");
    b->disk().Files.append(FileEntry{"b1", "", "", "-1294967296 bytes", ""});
    TreeNode *empty = disk->appendChild("empty");
    struct Case {
        const TreeNode *node;
        long folders;
        long files;
        uint64_t bytes; // "3 Kb" counts as 3072 + 1023 / 2
        bool exact;
    };
    for (const Case &c : {Case{disk.get(), 3, 4, 3000000010 + 3583, false}, Case{a, 1, 3, 3000000000 + 3583, false},
                          Case{b, 0, 1, 3000000000, true}, Case{empty, 0, 0, 0, true}}) {
        SCOPED_TRACE(c.node->text());
        long folders = -1, files = -1;
        CountSubtree(*c.node, folders, files);
        EXPECT_EQ(folders, c.folders);
        EXPECT_EQ(files, c.files);
        EXPECT_EQ(SizeOfSubtree(*c.node).bytes, c.bytes);
        EXPECT_EQ(SizeOfSubtree(*c.node).exact, c.exact);
    }
}

TEST(PropsDriveOfRoot, MountPointLetterOrMissingVolume)
{
    test::TempDir tmp;
    const test::FakeSystemRoot sys(tmp.path() + "sys");
    sys.mounts({{"/", "ext4", "/dev/sda1", "8:1"},
                {"/proc", "proc", "proc", "0:5"},
                {"/media/usb", "vfat", "/dev/sdb1", "8:17"}});
    sys.folders({"/media/usb/photos", "/srv/data", "/mnt/cdrom"});
    const platform::SystemView view(sys.root());
    struct Case {
        const char *rootPath;
        const char *prefix;
        const char *present;
    };
    const Case cases[] = {
        {"/media/usb/photos", "/media/usb", "/media/usb"},
        {"/media/usb", "/media/usb", "/media/usb"},
        {"/srv/data", "/", "/"},
        {"/", "/", "/"},
        // Unmounted: the folder it was mounted on went with it, or is empty.
        {"/media/gone/Data", "/media/gone", ""},
        {"/media/gone", "/media/gone", ""},
        {"/mnt/cdrom/Data", "/mnt/cdrom/Data", ""},
        {"E:\\Data", "E:", ""},
        {"c:\\", "c:", ""},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rootPath);
        const RootDrive d = DriveOfRoot(c.rootPath, view);
        EXPECT_EQ(d.prefix, c.prefix);
        EXPECT_EQ(d.present, c.present);
    }
}

TEST(PropsRerootPath, ReplacesTheDrivePrefix)
{
    struct Case {
        const char *path;
        const char *prefix;
        const char *drive;
        const char *expected;
    };
    const Case cases[] = {
        {"/media/a/Data", "/media/a", "/media/b", "/media/b/Data"},
        {"/media/a", "/media/a", "/media/b", "/media/b"},
        {"/media/a/Data/Sub/", "/media/a", "/media/b", "/media/b/Data/Sub/"},
        {"/media/a/Data", "/media/a", "/", "/Data"},
        {"/media/a", "/media/a", "/", "/"},
        {"/srv/x", "/", "/media/b", "/media/b/srv/x"},
        {"/", "/", "/media/b", "/media/b"},
        {"E:\\Data\\Sub", "E:", "/media/cd", "/media/cd/Data/Sub"},
        {"E:\\Data\\Sub\\", "E:", "/media/cd", "/media/cd/Data/Sub/"},
        {"E:\\", "E:", "/media/cd", "/media/cd"},
        {"E:\\Data", "E:", "/", "/Data"},
        {"/media/a/Data", "", "/media/b", "/media/a/Data"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.path) + " onto " + c.drive);
        EXPECT_EQ(RerootPath(c.path, c.prefix, c.drive), c.expected);
    }
}

TEST(PropsDriveText, MountPointWithWhatIsKnown)
{
    struct Case {
        platform::Volume volume;
        const char *shown;
    };
    const Case cases[] = {
        {{"/media/usb", "BACKUP", "vfat", 16'000'000'000, ""}, "/media/usb (BACKUP, vfat, 16.0 GB)"},
        {{"/", "", "ext4", 98'300'000'000, ""}, "/ (ext4, 98.3 GB)"},
        {{"/media/cd", "Photos 2001", "iso9660", 0, ""}, "/media/cd (Photos 2001, iso9660)"},
        {{"/mnt/x", "", "", 0, ""}, "/mnt/x"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DriveText(c.volume), c.shown);
}

} // namespace
