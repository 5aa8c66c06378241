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

// What a follower told, one line an event.
struct Recorder {
    explicit Recorder(MountFollower &follower)
    {
        QObject::connect(&follower, &MountFollower::mounted, &follower,
                         [this](const MountedVolume &v) { events.push_back("mounted " + Describe(v)); });
        QObject::connect(&follower, &MountFollower::unmounted, &follower,
                         [this](const MountedVolume &v) { events.push_back("unmounted " + Describe(v)); });
    }
    static std::string Describe(const MountedVolume &v)
    {
        return v.mountPoint + " [" + v.uuid + "|" + v.label + "|" + v.fsType + "|" + v.device + "|" +
               std::to_string(v.bytes) + (v.userVolume ? "|user]" : "|system]");
    }
    // The events since the last call, once there are `count` of them (or
    // after five seconds).
    std::vector<std::string> take(std::size_t count)
    {
        RunUntil([&] { return events.size() >= count; });
        return std::exchange(events, {});
    }
    std::vector<std::string> events;
};

std::vector<std::string> Described(const std::vector<MountedVolume> &volumes)
{
    std::vector<std::string> list;
    for (const MountedVolume &v : volumes)
        list.push_back(Recorder::Describe(v));
    std::sort(list.begin(), list.end());
    return list;
}

// Disks come and go through udisks2: each mount point that appears is told
// once as mounted, each that goes as unmounted (also when the device is
// pulled out mounted); the desktop's system disks and those it hides are no
// user volumes.
TEST(UdisksFollower, TellsMountPointsAsTheyComeAndGo)
{
    FakeUdisks fake;
    ASSERT_TRUE(fake.ready());
    fake.addVolume("sda2", {"0f1e2d3c-4b5a", "", "ext4", 500, {}, true});
    fake.mount("sda2", "/"); // there before the follower: no event

    const std::unique_ptr<MountFollower> follower = FollowUdisks(fake.bus());
    ASSERT_TRUE(follower);
    EXPECT_STREQ(follower->how(), "udisks2");
    EXPECT_EQ(Described(follower->volumes()), std::vector<std::string>{"/ [0f1e2d3c-4b5a||ext4|/dev/sda2|500|system]"});
    Recorder seen(*follower);

    const std::string usb = "[1A2B-3C4D|USB DISK|vfat|/dev/sdb1|8000|user]";
    struct Step {
        std::function<void()> act;
        std::vector<std::string> events;
        std::size_t mountedNow;
    };
    const Step steps[] = {
        {[&] { fake.addVolume("sdb1", {"1A2B-3C4D", "USB DISK", "vfat", 8000}); }, {}, 1},
        {[&] { fake.mount("sdb1", "/media/u/USB DISK"); }, {"mounted /media/u/USB DISK " + usb}, 2},
        {[&] { fake.mount("sdb1", "/mnt/second place"); }, {"mounted /mnt/second place " + usb}, 3},
        {[&] { fake.unmount("sdb1"); },
         {"unmounted /media/u/USB DISK " + usb, "unmounted /mnt/second place " + usb},
         1},
        {[&] { fake.mount("sdb1", "/media/u/USB DISK1"); }, {"mounted /media/u/USB DISK1 " + usb}, 2},
        {[&] { fake.remove("sdb1"); }, {"unmounted /media/u/USB DISK1 " + usb}, 1},
        {[&] {
             fake.addVolume("sdc1", {"", "", "ntfs", 0, "/dev/disk/by-id/x", false, true});
             fake.mount("sdc1", "/media/u/hidden");
         },
         {"mounted /media/u/hidden [||ntfs|/dev/disk/by-id/x|0|system]"},
         2},
    };
    int n = 0;
    for (const Step &step : steps) {
        step.act();
        EXPECT_EQ(seen.take(step.events.size()), step.events) << "step " << n;
        EXPECT_EQ(follower->volumes().size(), step.mountedNow) << "step " << n;
        ++n;
    }
    // Nothing more arrives late.
    RunUntil([] { return false; }, 200);
    EXPECT_TRUE(seen.events.empty());
}

// The serial a listing made on Windows holds is worked out from the UUID.
TEST(UdisksFollower, GivesTheWindowsSerialOfAVolume)
{
    FakeUdisks fake;
    ASSERT_TRUE(fake.ready());
    fake.addVolume("sdb1", {"1A2B-3C4D", "USB", "vfat", 1});
    fake.mount("sdb1", "/media/u/USB");
    const std::unique_ptr<MountFollower> follower = FollowUdisks(fake.bus());
    ASSERT_TRUE(follower);
    ASSERT_EQ(follower->volumes().size(), 1u);
    EXPECT_EQ(follower->volumes()[0].serial, platform::SerialFromUuid("1A2B-3C4D"));
    EXPECT_NE(follower->volumes()[0].serial, 0u);
}

// Without udisks2 there is no udisks2 follower, at once; FollowMounts then
// reads the mount table, and takes udisks2 where it answers.
TEST(UdisksFollower, NoServiceNoFollower)
{
    test::EnsureApplication();
    QElapsedTimer clock;
    clock.start();
    const QDBusConnection nowhere =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere"));
    EXPECT_FALSE(FollowUdisks(nowhere));
    {
        FakeUdisks fake;
        ASSERT_TRUE(fake.ready());
        const std::unique_ptr<MountFollower> chosen = FollowMounts();
        ASSERT_TRUE(chosen);
        EXPECT_STREQ(chosen->how(), "udisks2");
    }
    EXPECT_LT(clock.elapsed(), 20000);
}

// The mount table read again: a volume that appears, one that goes, and
// another disk mounted where one was.
TEST(MountInfoFollower, TellsChangesOfTheMountTable)
{
    test::TempDir tmp;
    const test::FakeSystemRoot sys(tmp.path() + "sys");
    const std::string usbHost = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block";
    sys.disk(usbHost, "sdb", "8:16", "1", {{"sdb1", "8:17"}, {"sdb2", "8:18"}});
    sys.link("/dev/disk/by-uuid/1A2B-3C4D", "../../sdb1");
    sys.link("/dev/disk/by-uuid/5E6F-7A8B", "../../sdb2");
    sys.folders({"/media/u/USB", "/srv/data"});
    const test::FakeMount root{"/", "ext4", "/dev/sda2", "8:2"};
    const test::FakeMount usb1{"/media/u/USB", "vfat", "/dev/sdb1", "8:17"};
    const test::FakeMount usb2{"/media/u/USB", "vfat", "/dev/sdb2", "8:18"};
    const test::FakeMount data{"/srv/data", "vfat", "/dev/sdb1", "8:17"};
    sys.mounts({root});

    const std::unique_ptr<MountInfoFollower> follower = FollowMountInfo(sys.root());
    EXPECT_STREQ(follower->how(), "mountinfo");
    Recorder seen(*follower);
    const std::string first = "[1A2B-3C4D||vfat|/dev/sdb1|0|";
    struct Step {
        std::vector<test::FakeMount> table;
        std::vector<std::string> events;
    };
    const Step steps[] = {
        {{root, usb1}, {"mounted /media/u/USB " + first + "user]"}},
        {{root, usb1}, {}},
        {{root, usb2}, {"unmounted /media/u/USB " + first + "user]", "mounted /media/u/USB [5E6F-7A8B||vfat|/dev/sdb2|0|user]"}},
        {{root, usb2, data}, {"mounted /srv/data " + first + "system]"}},
        {{root}, {"unmounted /media/u/USB [5E6F-7A8B||vfat|/dev/sdb2|0|user]", "unmounted /srv/data " + first + "system]"}},
    };
    int n = 0;
    for (const Step &step : steps) {
        sys.mounts(step.table);
        follower->rescan();
        EXPECT_EQ(std::exchange(seen.events, {}), step.events) << "step " << n++;
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
    std::unique_ptr<TreeNode> made = test::MakeDisk("Photos", 1);
    TreeNode *known = store.AddListing(std::move(made), {});
    known->disk().SerialNumber = 0x1A2B3C4D; // a whole volume's listing
    ListingExtras extras = store.ExtrasOf(known);
    extras[EXTRA_VOLUME_UUID] = "1A2B-3C4D";
    store.SetExtras(known, extras);
    store.AddListing(test::MakeDisk("Other", 1), {});

    std::unique_ptr<MountFollower> follower = FollowUdisks(fake.bus());
    ASSERT_TRUE(follower);
    DiskPresence presence(store, std::move(follower));
    std::vector<std::string> told;
    QObject::connect(&presence, &DiskPresence::volumeMounted, &presence,
                     [&](const MountedVolume &v, const std::vector<const TreeNode *> &disks) {
                         std::string line = "mounted " + v.mountPoint + ":";
                         for (const TreeNode *d : disks)
                             line += " " + d->text();
                         told.push_back(line);
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
    EXPECT_EQ(presence.pathNow(known, "/media/Photos/2024/a.jpg"), "/media/u/PHOTOS2/2024/a.jpg");

    told.clear();
    fake.unmount("sdb1");
    ASSERT_TRUE(RunUntil([&] { return !told.empty(); }));
    EXPECT_EQ(told, std::vector<std::string>{"unmounted /media/u/PHOTOS2"});
    EXPECT_TRUE(presence.online().empty());
    EXPECT_EQ(presence.volumeOf(known), nullptr);
    EXPECT_EQ(presence.pathNow(known, "/media/Photos/2024/a.jpg"), "");
}

} // namespace
} // namespace rkm
