#include "catalog/CatalogStore.h"
#include "mounts/DiskPresence.h"
#include "mounts/MountFollower.h"
#include "platform/VolumeIdentity.h"
#include "support/FakeUdisks.h"
#include "support/TestSupport.h"

#include <QDBusConnection>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace rkm {
namespace {

using test::FakeUdisks;
using test::RunUntil;

std::string Describe(const MountedVolume &v)
{
    return v.mountPoint + " [" + v.uuid + "|" + v.label + "|" + v.fsType + "|" + v.device + "|" +
           std::to_string(v.bytes) + (v.userVolume ? "|user]" : "|system]");
}

// What a follower tells, one line an event.
void Record(MountFollower &f, std::vector<std::string> &to)
{
    QObject::connect(&f, &MountFollower::mounted, &f, [&to](auto &v) { to.push_back("mounted " + Describe(v)); });
    QObject::connect(&f, &MountFollower::unmounted, &f, [&to](auto &v) { to.push_back("unmounted " + Describe(v)); });
}

// Each mount point is told once as mounted and once as unmounted (also when the
// device is pulled out mounted); the desktop's system and hidden disks are no user volumes.
TEST(UdisksFollower, TellsMountPointsAsTheyComeAndGo)
{
    FakeUdisks fake;
    ASSERT_TRUE(fake.ready());
    fake.addVolume("sda2", {"0f1e2d3c-4b5a", "", "ext4", 500, {}, true});
    fake.mount("sda2", "/"); // there before the follower: no event
    const std::unique_ptr<MountFollower> follower = FollowUdisks(fake.bus());
    ASSERT_TRUE(follower);
    EXPECT_STREQ(follower->how(), "udisks2");
    ASSERT_EQ(follower->volumes().size(), 1u);
    EXPECT_EQ(Describe(follower->volumes()[0]), "/ [0f1e2d3c-4b5a||ext4|/dev/sda2|500|system]");
    std::vector<std::string> seen;
    Record(*follower, seen);
    const std::string usb = "[1A2B-3C4D|USB DISK|vfat|/dev/sdb1|8000|user]";
    const struct {
        std::function<void()> act;
        std::vector<std::string> events;
        std::size_t mountedNow;
    } steps[] = {
        {[&] { fake.addVolume("sdb1", {"1A2B-3C4D", "USB DISK", "vfat", 8000}); }, {}, 1},
        {[&] { fake.mount("sdb1", "/media/u/USB DISK"); }, {"mounted /media/u/USB DISK " + usb}, 2},
        {[&] { fake.mount("sdb1", "/mnt/second place"); }, {"mounted /mnt/second place " + usb}, 3},
        {[&] { fake.unmount("sdb1"); },
         {"unmounted /media/u/USB DISK " + usb, "unmounted /mnt/second place " + usb}, 1},
        {[&] { fake.mount("sdb1", "/media/u/USB DISK1"); }, {"mounted /media/u/USB DISK1 " + usb}, 2},
        {[&] { fake.remove("sdb1"); }, {"unmounted /media/u/USB DISK1 " + usb}, 1},
        {[&] {
             fake.addVolume("sdc1", {"", "", "ntfs", 0, "/dev/disk/by-id/x", false, true});
             fake.mount("sdc1", "/media/u/hidden");
         },
         {"mounted /media/u/hidden [||ntfs|/dev/disk/by-id/x|0|system]"}, 2},
    };
    for (std::size_t n = 0; n < std::size(steps); ++n) {
        steps[n].act();
        RunUntil([&] { return seen.size() >= steps[n].events.size(); });
        EXPECT_EQ(std::exchange(seen, {}), steps[n].events) << "step " << n;
        EXPECT_EQ(follower->volumes().size(), steps[n].mountedNow) << "step " << n;
    }
    RunUntil([] { return false; }, 200); // nothing more arrives late
    EXPECT_TRUE(seen.empty());
}

TEST(UdisksFollower, NoServiceNoFollowerAtOnce)
{
    test::EnsureApplication();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(FollowUdisks(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "nowhere")));
    EXPECT_LT(clock.elapsed(), 1000);
}

// The mount table read again: a volume that appears, one that goes, another disk mounted where one was.
TEST(MountInfoFollower, TellsChangesOfTheMountTable)
{
    test::TempDir tmp;
    const test::FakeSystemRoot sys(tmp.path() + "sys");
    const char *usbHost = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block";
    sys.disk(usbHost, "sdb", "8:16", "1", {{"sdb1", "8:17"}, {"sdb2", "8:18"}});
    sys.link("/dev/disk/by-uuid/1A2B-3C4D", "../../sdb1");
    sys.link("/dev/disk/by-uuid/5E6F-7A8B", "../../sdb2");
    sys.folders({"/media/u/USB", "/srv/data"});
    const test::FakeMount root{"/", "ext4", "/dev/sda2", "8:2"}, usb1{"/media/u/USB", "vfat", "/dev/sdb1", "8:17"},
        usb2{"/media/u/USB", "vfat", "/dev/sdb2", "8:18"}, data{"/srv/data", "vfat", "/dev/sdb1", "8:17"};
    sys.mounts({root});
    const std::unique_ptr<MountInfoFollower> follower = FollowMountInfo(sys.root());
    EXPECT_STREQ(follower->how(), "mountinfo");
    std::vector<std::string> seen;
    Record(*follower, seen);
    const std::string first = "[1A2B-3C4D||vfat|/dev/sdb1|0|", second = "[5E6F-7A8B||vfat|/dev/sdb2|0|user]";
    const struct {
        std::vector<test::FakeMount> table;
        std::vector<std::string> events;
    } steps[] = {
        {{root, usb1}, {"mounted /media/u/USB " + first + "user]"}},
        {{root, usb1}, {}},
        {{root, usb2}, {"unmounted /media/u/USB " + first + "user]", "mounted /media/u/USB " + second}},
        {{root, usb2, data}, {"mounted /srv/data " + first + "system]"}},
        {{root}, {"unmounted /media/u/USB " + second, "unmounted /srv/data " + first + "system]"}},
    };
    for (std::size_t n = 0; n < std::size(steps); ++n) {
        sys.mounts(steps[n].table);
        follower->rescan();
        EXPECT_EQ(std::exchange(seen, {}), steps[n].events) << "step " << n;
    }
}

// A known listing goes online when its disk is mounted, anywhere, with its
// files below the mount point it has now, and offline when it goes.
TEST(DiskPresence, FollowsAKnownListingOnAndOff)
{
    FakeUdisks fake;
    ASSERT_TRUE(fake.ready());
    test::TempDir tmp;
    CatalogStore store(tmp.path());
    TreeNode *known = store.AddListing(test::MakeDisk("Photos", 1), {{EXTRA_VOLUME_UUID, "1A2B-3C4D"}});
    known->disk().SerialNumber = 0x1A2B3C4D; // a whole volume's listing
    store.AddListing(test::MakeDisk("Other", 1), {});

    DiskPresence presence(store, FollowUdisks(fake.bus()));
    std::vector<std::string> told;
    QObject::connect(&presence, &DiskPresence::volumeMounted, &presence,
                     [&](const MountedVolume &v, const std::vector<const TreeNode *> &disks) {
                         told.push_back("mounted " + v.mountPoint + ":");
                         for (const TreeNode *d : disks)
                             told.back() += " " + d->text();
                     });
    QObject::connect(&presence, &DiskPresence::volumeUnmounted, &presence,
                     [&](const MountedVolume &v) { told.push_back("unmounted " + v.mountPoint); });
    EXPECT_TRUE(presence.online().empty());

    fake.addVolume("sdb1", {"1A2B-3C4D", "PHOTOS", "vfat", 1000});
    fake.addVolume("sdc1", {"9999-0000", "STRANGER", "vfat", 1000});
    fake.mount("sdc1", "/media/u/STRANGER");
    fake.mount("sdb1", "/media/u/PHOTOS2");
    ASSERT_TRUE(RunUntil([&] { return told.size() >= 2; }));
    EXPECT_EQ(told, (std::vector<std::string>{"mounted /media/u/STRANGER:", "mounted /media/u/PHOTOS2: Photos"}));
    ASSERT_EQ(presence.online().size(), 1u);
    EXPECT_EQ(presence.online()[0].first, known);
    // The serial a listing made on Windows holds is worked out from the UUID.
    EXPECT_EQ(presence.online()[0].second.serial, platform::SerialFromUuid("1A2B-3C4D"));
    EXPECT_NE(presence.online()[0].second.serial, 0u);
    EXPECT_EQ(presence.pathNow(known, "/media/Photos/2024/a.jpg"), "/media/u/PHOTOS2/2024/a.jpg");

    fake.unmount("sdb1");
    ASSERT_TRUE(RunUntil([&] { return told.size() >= 3; }));
    EXPECT_EQ(told.back(), "unmounted /media/u/PHOTOS2");
    EXPECT_TRUE(presence.online().empty());
    EXPECT_EQ(presence.volumeOf(known), nullptr);
    EXPECT_EQ(presence.pathNow(known, "/media/Photos/2024/a.jpg"), "");
}

} // namespace
} // namespace rkm
