// The mount table, drive types, serial numbers, labels and drives, against a
// fixture system tree built in a temporary folder.

#include "platform/SystemView.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using rkm::platform::SerialFromUuid;
using rkm::platform::SystemView;

namespace {

constexpr const char *kMountInfo =
    "1 0 0:30 / / rw,relatime - overlay overlay rw,lowerdir=/l,upperdir=/u,workdir=/w\n"
    "20 1 0:5 / /proc rw,nosuid,nodev,noexec - proc proc rw\n"
    "21 1 0:20 / /sys rw,nosuid - sysfs sysfs rw\n"
    "22 1 0:6 / /dev rw,nosuid - devtmpfs udev rw,size=8000k\n"
    "23 22 0:21 / /dev/pts rw - devpts devpts rw,gid=5\n"
    "24 21 0:22 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
    "25 20 0:23 / /proc/sys/fs/binfmt_misc rw - autofs systemd-1 rw,fd=29\n"
    "26 21 0:24 / /sys/kernel/debug rw - debugfs debugfs rw\n"
    "30 1 8:2 / /home rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "31 1 8:17 / /media/usb rw,nosuid,relatime shared:2 master:3 - vfat /dev/sdb1 rw,fmask=0022\n"
    "32 1 8:33 / /media/win rw,relatime - ntfs3 /dev/sdc1 rw\n"
    "33 1 0:40 / /media/ntfs rw,relatime - fuseblk /dev/sdd1 rw,user_id=0,group_id=0\n"
    "34 1 11:0 / /media/cdrom ro,relatime - iso9660 /dev/sr0 ro,nojoliet\n"
    "35 1 0:50 / /mnt/nfs rw,relatime - nfs4 server:/export rw,vers=4.2\n"
    "36 1 0:51 / /mnt/smb rw,relatime - cifs //server/share rw,vers=3.1.1\n"
    "37 1 0:52 / /mnt/ram rw,relatime - tmpfs tmpfs rw,size=1024k\n"
    "38 1 0:53 / /mnt/ssh rw - fuse.sshfs user@host:/ rw,user_id=1000\n"
    "39 31 8:18 / /media/usb/inner rw,relatime - ext4 /dev/sdb2 rw\n"
    "40 1 8:3 / /media/My\\040Disk rw,relatime - ext4 /dev/root rw\n"
    "41 1 8:2 /srv /srv rw - ext4 /dev/sda2 rw\n"
    "42 1 0:54 / /srv rw - tmpfs tmpfs rw\n"
    "43 1 0:55 / /mnt/udf ro - udf /dev/sr1 ro\n"
    "44 1 0:56 / /mnt/share rw - 9p hostshare rw\n"
    "this line is garbage\n"
    "45 1 8:49 / /mnt/odd\\011tab\\134back rw - ext4 /dev/sdd1 rw\n";

const std::string kUsbHost = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block";
const std::string kUsbHost2 = "/sys/devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host7/target7:0:0/7:0:0:0/block";
const std::string kAta = "/sys/devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block";
const std::string kAta3 = "/sys/devices/pci0000:00/0000:00:17.0/ata3/host2/target2:0:0/2:0:0:0/block";
const std::string kCd = "/sys/devices/pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0/block";

class PlatformSystemView : public ::testing::Test {
protected:
    void SetUp() override
    {
        sys.mountInfo(kMountInfo);
        sys.folders({"/home/user/docs", "/media/usb/photos", "/media/usb2", "/media/usb/inner/x", "/media/win",
                     "/media/ntfs", "/media/cdrom", "/mnt/nfs", "/mnt/smb", "/mnt/ram", "/mnt/ssh", "/media/My Disk",
                     "/srv", "/mnt/udf", "/mnt/share", "/opt", "/mnt/odd\ttab\\back"});

        sys.disk(kAta, "sda", "8:0", "0", {{"sda2", "8:2"}, {"sda3", "8:3"}});
        sys.disk(kUsbHost, "sdb", "8:16", "1", {{"sdb1", "8:17"}, {"sdb2", "8:18"}});
        sys.disk(kAta3, "sdc", "8:32", "0", {{"sdc1", "8:33"}});
        sys.disk(kUsbHost2, "sdd", "8:48", "0", {{"sdd1", "8:49"}}); // USB hard disk, not removable
        sys.disk(kCd, "sr0", "11:0", "1", {});

        sys.link("/dev/disk/by-uuid/1A2B-3C4D", "../../sdb1");
        sys.link("/dev/disk/by-uuid/0123456789ABCDEF", "../../sdc1");
        sys.link("/dev/disk/by-uuid/0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0", "../../sda2");
        sys.link("/dev/disk/by-uuid/01234567-89ab-cdef-0123-456789abcdef", "../../sda3");
        sys.link("/dev/disk/by-uuid/5E6F-7A8B", "../../sdd1");
        sys.link("/dev/disk/by-label/USB\\x20STICK", "../../sdb1");
        sys.link("/dev/disk/by-label/Data", "../../sda2");
        sys.link("/dev/disk/by-label/Windows", "../../sdc1");
    }

    rkm::test::TempDir tmp;
    rkm::test::FakeSystemRoot sys{tmp.path() + "sys-root"};
    std::string root = sys.root();
};

TEST_F(PlatformSystemView, ParsesTheMountTable)
{
    const SystemView view(root);
    const auto mounts = view.mounts();
    ASSERT_EQ(mounts.size(), 24u); // the garbage line is skipped
    EXPECT_EQ(mounts[0].mountPoint, "/");
    EXPECT_EQ(mounts[0].fsType, "overlay");
    const auto &usb = mounts[9];
    EXPECT_EQ(usb.mountPoint, "/media/usb");
    EXPECT_EQ(usb.fsType, "vfat");
    EXPECT_EQ(usb.source, "/dev/sdb1");
    EXPECT_EQ(usb.major, 8u);
    EXPECT_EQ(usb.minor, 17u);
    EXPECT_EQ(mounts[18].mountPoint, "/media/My Disk");
    EXPECT_EQ(mounts[23].mountPoint, "/mnt/odd\ttab\\back");
    EXPECT_EQ(mounts[16].source, "user@host:/");
    EXPECT_EQ(mounts[16].fsType, "fuse.sshfs");
}

TEST_F(PlatformSystemView, MissingMountTableGivesNothing)
{
    const SystemView view(tmp.path() + "nowhere");
    EXPECT_TRUE(view.mounts().empty());
    EXPECT_TRUE(view.drives().empty());
    EXPECT_FALSE(view.mountHolding("/").has_value());
    EXPECT_EQ(view.volumeSerial("/"), 0u);
    EXPECT_EQ(view.volumeLabel("/"), "");
}

TEST_F(PlatformSystemView, MountHolding)
{
    const SystemView view(root + "/"); // a trailing slash on the root is fine
    struct Case {
        const char *path;
        const char *mountPoint;
        const char *fsType;
    };
    const Case cases[] = {
        {"/", "/", "overlay"},
        {"/opt", "/", "overlay"},
        {"/media/usb", "/media/usb", "vfat"},
        {"/media/usb/", "/media/usb", "vfat"},
        {"/media/usb/photos/a.jpg", "/media/usb", "vfat"},
        {"/media/usb2", "/", "overlay"}, // prefix boundary
        {"/media/usb2/x", "/", "overlay"},
        {"/media/usb/inner", "/media/usb/inner", "ext4"}, // nested mount
        {"/media/usb/inner/x", "/media/usb/inner", "ext4"},
        {"/media/usb/innerx", "/media/usb", "vfat"},
        {"/media/My Disk/file", "/media/My Disk", "ext4"},
        {"/srv", "/srv", "tmpfs"}, // the later of two mounts on one point
        {"/home//user/./docs/../docs", "/home", "ext4"},
        {"/proc/sys/fs/binfmt_misc/x", "/proc/sys/fs/binfmt_misc", "autofs"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        const auto m = view.mountHolding(c.path);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->mountPoint, c.mountPoint);
        EXPECT_EQ(m->fsType, c.fsType);
    }
}

TEST_F(PlatformSystemView, DriveTypes)
{
    const SystemView view(root);
    struct Case {
        const char *path;
        int type;
    };
    const Case cases[] = {
        {"/media/usb", 2},          // vfat on a removable USB stick
        {"/media/usb/photos", 2},   // a folder on it
        {"/media/usb/inner", 2},    // another partition of the same stick
        {"/media/ntfs", 2},         // fuseblk on a USB hard disk (removable 0, but on USB)
        {"/media/win", 3},          // ntfs3 on a fixed disk
        {"/home", 3},               // ext4 on a fixed disk
        {"/home/user/docs", 3},
        {"/media/My Disk", 3},      // escaped mount point, fixed disk
        {"/media/cdrom", 5},        // iso9660
        {"/mnt/udf", 5},            // udf
        {"/mnt/nfs", 4},            // nfs4
        {"/mnt/smb", 4},            // cifs
        {"/mnt/ssh", 4},            // fuse.sshfs
        {"/mnt/share", 4},          // 9p
        {"/mnt/ram", 6},            // tmpfs
        {"/srv", 6},                // the later mount on /srv is tmpfs
        {"/media/nothere", 1},      // a path that does not exist
        {"/media/usb/nothere", 1},
        {"", 1},
        {"/", 0},                   // overlay
        {"/media/usb2", 0},         // on the overlay root, not on the stick
        {"/opt", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(view.driveType(c.path), c.type);
    }
}

TEST_F(PlatformSystemView, DriveTypeSurvivesMissingSysFiles)
{
    // Without /sys a block device is a fixed disk; file system types still count.
    fs::remove_all(root + "/sys");
    const SystemView view(root);
    EXPECT_EQ(view.driveType("/media/usb"), 3);
    EXPECT_EQ(view.driveType("/media/ntfs"), 3);
    EXPECT_EQ(view.driveType("/media/cdrom"), 5);
    EXPECT_EQ(view.driveType("/mnt/nfs"), 4);
    EXPECT_EQ(view.driveType("/mnt/ram"), 6);
    EXPECT_EQ(view.driveType("/"), 0);
}

TEST_F(PlatformSystemView, VolumeSerials)
{
    const SystemView view(root);
    const uint32_t ext4Fold = 0x0f1e2d3cu ^ 0x4b5a6978u ^ 0x8796a5b4u ^ 0xc3d2e1f0u;
    const uint32_t rootFold = 0x01234567u ^ 0x89abcdefu ^ 0x01234567u ^ 0x89abcdefu;
    struct Case {
        const char *path;
        uint32_t serial;
    };
    const Case cases[] = {
        {"/media/usb", 0x1A2B3C4Du},       // FAT: exactly the number
        {"/media/usb/", 0x1A2B3C4Du},      // trailing slash dropped
        {"/media/win", 0x89ABCDEFu},       // NTFS: the low 32 bits
        {"/home", ext4Fold},               // ext4: the fold
        {"/media/My Disk", rootFold},      // "/dev/root": matched by major:minor
        {"/media/ntfs", 0x5E6F7A8Bu},      // fuseblk: matched by source name
        {"/media/usb/photos", 0u},         // a sub-folder
        {"/home/user", 0u},
        {"/media/usb2", 0u},
        {"/media/usb/inner", 0u},          // sdb2 has no UUID link
        {"/mnt/nfs", 0u},                  // no UUID, not the real system
        {"/", 0u},
        {"/nothere", 0u},
        {"", 0u},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(view.volumeSerial(c.path), c.serial);
    }
    // Stable: the same answer every time.
    EXPECT_EQ(view.volumeSerial("/home"), view.volumeSerial("/home"));
}

TEST_F(PlatformSystemView, VolumeSerialByMajorMinorWhenNamesDiffer)
{
    // The link names the device "dm-7"; the mount's source is a mapper name.
    sys.file("/sys/class/block/dm-7/dev", "254:7\n");
    sys.link("/dev/disk/by-uuid/CAFE-F00D", "../../dm-7");
    sys.mountInfo("1 0 254:7 / /crypt rw - ext4 /dev/mapper/secret rw\n");
    fs::create_directories(root + "/crypt");
    const SystemView view(root);
    EXPECT_EQ(view.volumeSerial("/crypt"), 0xCAFEF00Du);
    EXPECT_EQ(view.driveType("/crypt"), 3);
}

TEST_F(PlatformSystemView, VolumeLabelsAndUuids)
{
    const SystemView view(root);
    struct Case {
        const char *path;
        const char *label;
        const char *uuid;
        const char *mountPoint;
        const char *fsType;
    };
    const Case cases[] = {
        {"/media/usb", "USB STICK", "1A2B-3C4D", "/media/usb", "vfat"}, // \x20 decoded
        {"/media/usb/photos", "USB STICK", "1A2B-3C4D", "/media/usb", "vfat"},
        {"/home", "Data", "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0", "/home", "ext4"},
        {"/home/user/docs", "Data", "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0", "/home", "ext4"},
        {"/media/win", "Windows", "0123456789ABCDEF", "/media/win", "ntfs3"},
        {"/media/cdrom", "", "", "/media/cdrom", "iso9660"},
        {"/mnt/nfs", "", "", "/mnt/nfs", "nfs4"},
        {"/", "", "", "/", "overlay"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(view.volumeLabel(c.path), c.label);
        EXPECT_EQ(view.volumeUuid(c.path), c.uuid);
        const auto v = view.volumeOf(c.path);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(std::string(v->label) + "|" + v->uuid + "|" + v->mountPoint + "|" + v->fsType,
                  std::string(c.label) + "|" + c.uuid + "|" + c.mountPoint + "|" + c.fsType);
    }
    EXPECT_FALSE(SystemView(tmp.path() + "nowhere").volumeOf("/").has_value());
}

TEST_F(PlatformSystemView, DrivesLeaveOutPseudoFileSystems)
{
    const SystemView view(root);
    // The memory file systems on /mnt/ram and over /srv are no volumes.
    const std::vector<std::string> expected = {
        "/",        "/home",    "/media/usb",       "/media/win",     "/media/ntfs", "/media/cdrom",
        "/mnt/nfs", "/mnt/smb", "/mnt/ssh",         "/media/usb/inner", "/media/My Disk", "/mnt/udf",
        "/mnt/share", "/mnt/odd\ttab\\back",
    };
    EXPECT_EQ(view.drives(), expected);
}

// The kind of volume decides how many requests a walk keeps waiting on it.
// Partitions resolve to their disk, device-mapper and md devices to the disks
// below them, a loop device to the volume of its backing file.
TEST_F(PlatformSystemView, VolumeKinds)
{
    using rkm::platform::VolumeKind;
    sys.mountInfo(std::string(kMountInfo) + "50 1 253:0 / /mnt/crypt rw - ext4 /dev/mapper/crypt rw\n"
                                            "51 1 253:1 / /mnt/lvm rw - xfs /dev/mapper/vg-lv rw\n"
                                            "52 1 259:1 / /mnt/nvme rw - ext4 /dev/nvme0n1p1 rw\n"
                                            "53 1 9:0 / /mnt/raid rw - ext4 /dev/md0 rw\n"
                                            "54 1 7:0 / /mnt/image ro - squashfs /dev/loop0 ro\n"
                                            "55 1 0:60 / /mnt/rclone rw - fuse.rclone remote: rw\n"
                                            "56 1 0:61 / /mnt/plainfuse rw - fuse host:/x rw\n"
                                            "57 1 0:62 / /mnt/dav rw - davfs http://host/ rw\n"
                                            "58 1 0:63 / /mnt/gluster rw - fuse.glusterfs host:/vol rw\n"
                                            "59 1 11:0 / /mnt/dvdram rw - ext2 /dev/sr0 rw\n"
                                            "60 1 254:1 / /mnt/vm rw - ext4 /dev/vda1 rw\n");
    for (const auto &[disk, rotational] : {std::pair{"sda", "0"}, {"sdc", "1"}, {"sdd", "1"}, {"sr0", "1"}})
        sys.file("/sys/block/" + std::string(disk) + "/queue/rotational", std::string(rotational) + "\n");
    const std::string nvme = "/sys/devices/pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0";
    sys.disk(nvme, "nvme0n1", "259:0", "0", {{"nvme0n1p1", "259:1"}});
    sys.file(nvme + "/nvme0n1/queue/rotational", "0\n");
    const std::string virtio = "/sys/devices/pci0000:00/0000:00:04.0/virtio1/block";
    sys.disk(virtio, "vda", "254:0", "0", {{"vda1", "254:1"}});
    sys.file(virtio + "/vda/queue/rotational", "1\n"); // what virtio disks say, whatever the host has
    const std::string virt = "/sys/devices/virtual/block";
    sys.disk(virt, "loop0", "7:0", "0", {});
    sys.file(virt + "/loop0/queue/rotational", "1\n"); // what loop devices say; the backing file decides
    sys.file(virt + "/loop0/loop/backing_file", "/home/user/image.sqfs\n");
    // Holder devices: each slave link points at the device below.
    const auto holder = [&](const std::string &name, const std::string &dev, const std::vector<std::string> &below) {
        sys.disk(virt, name, dev, "0", {});
        sys.file(virt + "/" + name + "/queue/rotational", "0\n"); // not to be trusted
        for (const std::string &b : below) {
            const fs::path link = root + virt + "/" + name + "/slaves/" + fs::path(b).filename().string();
            fs::create_directories(link.parent_path());
            fs::create_symlink(fs::relative(root + b, link.parent_path()), link);
        }
    };
    holder("dm-0", "253:0", {kAta3 + "/sdc/sdc1"});                       // on a hard disk
    holder("dm-1", "253:1", {kAta + "/sda/sda2"});                        // on a solid-state disk
    holder("md0", "9:0", {kAta + "/sda/sda3", kAta3 + "/sdc/sdc1"});    // one of each: it seeks
    sys.folders({"/mnt/crypt", "/mnt/lvm", "/mnt/nvme", "/mnt/raid", "/mnt/image", "/mnt/rclone", "/mnt/plainfuse",
                 "/mnt/dav", "/mnt/gluster", "/mnt/dvdram", "/mnt/vm"});

    const SystemView view(root);
    const std::pair<const char *, VolumeKind> cases[] = {
        {"/mnt/nfs", VolumeKind::Network},        {"/mnt/smb", VolumeKind::Network},
        {"/mnt/ssh", VolumeKind::Network},        {"/mnt/share", VolumeKind::Network}, // 9p
        {"/mnt/rclone", VolumeKind::Network},     {"/mnt/plainfuse", VolumeKind::Network},
        {"/mnt/dav", VolumeKind::Network},        {"/mnt/gluster", VolumeKind::Network},
        {"/home/user/docs", VolumeKind::SolidState}, {"/media/My Disk", VolumeKind::SolidState},
        {"/mnt/nvme", VolumeKind::SolidState},    {"/mnt/lvm", VolumeKind::SolidState},
        {"/mnt/image", VolumeKind::SolidState},   // a loop device on /home
        {"/mnt/vm", VolumeKind::SolidState},      // a virtual machine's disk
        {"/media/win", VolumeKind::Rotating},     {"/media/ntfs", VolumeKind::Rotating}, // fuseblk on a USB hard disk
        {"/mnt/crypt", VolumeKind::Rotating},     {"/mnt/raid", VolumeKind::Rotating},
        {"/media/cdrom", VolumeKind::Optical},    {"/mnt/udf", VolumeKind::Optical},
        {"/mnt/dvdram", VolumeKind::Optical},     // another file system on an optical drive
        {"/mnt/ram", VolumeKind::Memory},         {"/srv", VolumeKind::Memory},
        {"/media/usb", VolumeKind::Unknown},      // its disk does not say
        {"/", VolumeKind::Unknown},               // overlay
    };
    for (const auto &[path, kind] : cases)
        EXPECT_EQ(static_cast<int>(view.volumeKind(path)), static_cast<int>(kind)) << path;
}

TEST(PlatformDrives, OnlyRealVolumesWithLabelFileSystemAndSize)
{
    rkm::test::TempDir tmp;
    const rkm::test::FakeSystemRoot sys(tmp.path() + "sys");
    const std::string &root = sys.root();
    sys.mountInfo("1 0 254:0 / / rw - ext4 /dev/vda rw\n"
                  "2 1 0:21 / /proc rw - proc proc rw\n"
                  "3 1 0:22 / /sys rw - sysfs sysfs rw\n"
                  "4 3 0:28 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
                  "5 4 0:29 / /sys/fs/cgroup/cpu rw - cgroup cgroup rw,cpu\n"
                  "6 1 0:6 / /dev rw - devtmpfs devtmpfs rw\n"
                  "7 6 0:24 / /dev/pts rw - devpts devpts rw\n"
                  "8 6 0:23 / /dev/shm rw - tmpfs tmpfs rw\n"
                  "9 1 0:30 / /tmp rw - tmpfs tmpfs rw\n"
                  "10 1 0:31 / /run rw - tmpfs tmpfs rw\n"
                  "11 10 0:32 / /run/user/1000 rw - tmpfs tmpfs rw\n"
                  "12 11 0:33 / /run/user/1000/doc rw - fuse.portal portal rw\n"
                  "13 11 0:34 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
                  "14 1 7:1 / /snap/core22/1380 ro - squashfs /dev/loop1 ro\n"
                  "15 1 7:2 / /snap/firefox/4173 ro - squashfs /var/lib/snapd/snaps/firefox_4173.snap ro\n"
                  "16 1 0:40 / /var/lib/docker/overlay2/ab12/merged rw - overlay overlay rw\n"
                  "17 1 0:25 / /mnt/sandbox rw - tmpfs model_tools rw\n"
                  "18 1 254:0 /data/hostname /etc/hostname rw - ext4 /dev/vda rw\n"
                  "19 1 8:17 / /media/usb rw - vfat /dev/sdb1 rw\n"
                  "20 1 11:0 / /media/cd ro - iso9660 /dev/sr0 ro\n"
                  "21 10 8:33 / /run/media/anna/BACKUP rw - ext4 /dev/sdc1 rw\n"
                  "22 1 7:3 / /mnt/image ro - squashfs /home/anna/image.sqfs ro\n"
                  "23 1 0:41 / /mnt/union rw - overlay overlay rw\n");
    sys.folders({"/proc", "/sys/fs/cgroup/cpu", "/dev/pts", "/dev/shm", "/tmp", "/run/user/1000/doc",
                 "/run/user/1000/gvfs", "/snap/core22/1380", "/snap/firefox/4173",
                 "/var/lib/docker/overlay2/ab12/merged", "/mnt/sandbox", "/media/usb", "/media/cd",
                 "/run/media/anna/BACKUP", "/mnt/image", "/mnt/union"});
    sys.file("/etc/hostname", "box\n");
    sys.link("/dev/disk/by-label/STICK", "../../sdb1");
    const SystemView view(root);
    const std::vector<std::string> expected = {"/", "/tmp", "/media/usb", "/media/cd", "/run/media/anna/BACKUP",
                                               "/mnt/image"};
    EXPECT_EQ(view.drives(), expected);
    const auto volumes = view.volumes();
    ASSERT_EQ(volumes.size(), expected.size());
    EXPECT_EQ(volumes[2].mountPoint, "/media/usb");
    EXPECT_EQ(volumes[2].label, "STICK");
    EXPECT_EQ(volumes[2].fsType, "vfat");
    EXPECT_EQ(volumes[3].fsType, "iso9660");
    EXPECT_EQ(volumes[3].label, "");
}

TEST(PlatformFileSystemKinds, PseudoAndNetwork)
{
    for (const char *t : {"proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "debugfs",
                          "tracefs", "pstore", "bpf", "mqueue", "hugetlbfs", "configfs", "fusectl", "autofs",
                          "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs"}) {
        SCOPED_TRACE(t);
        EXPECT_TRUE(SystemView::isPseudoFs(t));
        EXPECT_FALSE(SystemView::isNetworkFs(t));
    }
    for (const char *t : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs", "ceph",
                          "glusterfs"}) {
        SCOPED_TRACE(t);
        EXPECT_TRUE(SystemView::isNetworkFs(t));
        EXPECT_FALSE(SystemView::isPseudoFs(t));
    }
    for (const char *t : {"ext4", "vfat", "overlay", "tmpfs", "squashfs", "iso9660", ""}) {
        SCOPED_TRACE(t);
        EXPECT_FALSE(SystemView::isPseudoFs(t));
        EXPECT_FALSE(SystemView::isNetworkFs(t));
    }
}

TEST(PlatformSerialFromUuid, Forms)
{
    EXPECT_EQ(SerialFromUuid("1A2B-3C4D"), 0x1A2B3C4Du);
    EXPECT_EQ(SerialFromUuid("1a2b-3c4d"), 0x1A2B3C4Du);
    EXPECT_EQ(SerialFromUuid("0000-0001"), 1u);
    EXPECT_EQ(SerialFromUuid("0123456789ABCDEF"), 0x89ABCDEFu);
    EXPECT_EQ(SerialFromUuid("FEDCBA9876543210"), 0x76543210u);
    EXPECT_EQ(SerialFromUuid("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"),
              0x0f1e2d3cu ^ 0x4b5a6978u ^ 0x8796a5b4u ^ 0xc3d2e1f0u);
    EXPECT_EQ(SerialFromUuid("0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"),
              SerialFromUuid("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"));
    EXPECT_EQ(SerialFromUuid(""), 0u);
    // Other forms (ISO 9660 dates) still give a stable number.
    const uint32_t iso = SerialFromUuid("2023-01-15-10-20-30-00");
    EXPECT_EQ(iso, SerialFromUuid("2023-01-15-10-20-30-00"));
    EXPECT_NE(iso, SerialFromUuid("2023-01-15-10-20-31-00"));
    EXPECT_NE(SerialFromUuid("1A2B-3C4G"), 0u); // not hex: hashed, no crash
}

TEST(PlatformRealSystem, AnswersWithoutThrowing)
{
    const SystemView &sys = rkm::platform::System();
    EXPECT_EQ(sys.root(), "");
    EXPECT_EQ(&sys, &rkm::platform::System());
    const auto drives = sys.drives();
    EXPECT_FALSE(drives.empty());
    for (const auto &d : drives)
        EXPECT_FALSE(SystemView::isPseudoFs(sys.mountHolding(d)->fsType)) << d;
    EXPECT_TRUE(sys.mountHolding("/").has_value());
    const int rootType = sys.driveType("/");
    EXPECT_GE(rootType, 0);
    EXPECT_LE(rootType, 6);
    EXPECT_NE(rootType, 1);
    EXPECT_EQ(sys.driveType("/surely/not/here/rackmere"), 1);
    EXPECT_EQ(sys.volumeSerial("/surely/not/here/rackmere"), 0u);
    (void)sys.volumeSerial("/");
    (void)sys.volumeLabel("/");
    // /proc is a mount point, but /proc/self is below it.
    EXPECT_EQ(sys.volumeSerial("/proc/self/fd"), 0u);

    rkm::test::TempDir tmp;
    EXPECT_NE(sys.driveType(tmp.path()), 1);
}

} // namespace
