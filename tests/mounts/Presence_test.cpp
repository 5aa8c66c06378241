#include "catalog/Disks.h"
#include "catalog/Presence.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace rkm {
namespace {

// Which listings a mounted volume holds: the UUID tells a disk again, the
// serial only a listing that has no UUID, a label never; a sub-folder
// listing only while its folder is there.
TEST(DiskMatcher, TellsDisksByUuidThenSerialNeverByLabel)
{
    test::TempDir tmp;
    const std::string mount = tmp.path() + "usb";
    test::MakeDirs(mount + "/photos");
    Catalog tree;
    struct Listing {
        const char *name;
        DiskIdentity identity;
    };
    const Listing listings[] = {
        {"by uuid", {"1A2B-3C4D", 0x1A2B3C4D, "/media/old/USB"}},
        {"by serial (Windows)", {"", 0x1A2B3C4D, "E:\\"}},
        {"other uuid, same serial", {"9999-9999", 0x1A2B3C4D, "/media/x"}},
        {"sub-folder there", {"1A2B-3C4D", 0, mount + "/photos"}},
        {"sub-folder gone", {"1A2B-3C4D", 0, mount + "/music"}},
        {"sub-folder elsewhere", {"1A2B-3C4D", 0, "/elsewhere"}},
        {"sub-folder without uuid", {"", 0, mount + "/photos"}},
    };
    DiskMatcher matcher;
    for (const Listing &l : listings)
        matcher.add(tree.appendDisk(l.name), l.identity);

    struct Case {
        MountedVolume volume;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{mount, "1A2B-3C4D", "USB DISK", "vfat", "", 0, 0x1A2B3C4D, true},
         {"by uuid", "by serial (Windows)", "sub-folder there"}},
        {{mount, "", "USB DISK", "vfat", "", 0, 0, true}, {}},
        {{mount, "5555-6666", "USB DISK", "vfat", "", 0, 0x1A2B3C4D, true}, {"by serial (Windows)"}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> got;
        for (const TreeNode *disk : matcher.match(c.volume))
            got.push_back(disk->text());
        EXPECT_EQ(got, c.expected) << "uuid " << c.volume.uuid;
    }
}

TEST(PathOnVolume, PutsTheListingsPathsBelowTheMountPoint)
{
    struct Case {
        const char *root, *path, *mount, *expected;
    };
    const Case cases[] = {
        {"/media/u/DISK", "/media/u/DISK/a/b.txt", "/media/u/DISK1", "/media/u/DISK1/a/b.txt"},
        {"/media/u/DISK/", "/media/u/DISK/a", "/mnt", "/mnt/a"},
        {"/media/u/DISK", "/media/u/DISK", "/mnt", "/mnt"},
        {"E:\\", "E:\\Data\\f.doc", "/media/u/CD", "/media/u/CD/Data/f.doc"},
        {"E:\\", "E:\\", "/media/u/CD", "/media/u/CD"},
        {"/", "/etc/x", "/mnt", "/mnt/etc/x"},
        {"/media/u/DISK", "/media/u/DISK2/a", "/mnt", "/media/u/DISK2/a"},
        {"/media/u/DISK", "/media/u/DISK/a", "/", "/a"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PathOnVolume(c.root, c.path, c.mount), c.expected) << c.root << " " << c.path;
}

} // namespace
} // namespace rkm
