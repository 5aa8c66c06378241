// The serial number of a data CD as Windows computes it, from images made
// by genisoimage and by hand, read from the device the mount table names.

#include "platform/SystemView.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QStringList>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;
using rkm::platform::DiscSerial;
using rkm::platform::SystemView;
using rkm::test::TempDir;
using rkm::test::WriteBytes;

namespace {

constexpr std::size_t kSector = 2048;

// A volume descriptor: its type, "CD001", version 1, and bytes set here.
std::string Descriptor(unsigned char type, std::vector<std::pair<std::size_t, unsigned char>> bytes = {})
{
    std::string s(kSector, '\0');
    s[0] = static_cast<char>(type);
    s.replace(1, 5, "CD001");
    s[6] = 1;
    for (const auto &[at, value] : bytes)
        s[at] = static_cast<char>(value);
    return s;
}

std::string Image(const std::vector<std::string> &descriptors)
{
    std::string image(16 * kSector, '\0');
    for (const std::string &d : descriptors)
        image += d;
    return image + std::string(kSector, '\0');
}

// The serial from a descriptor's bytes: four sums, little-endian.
uint32_t Sums(const std::string &descriptor)
{
    uint32_t sum[4] = {};
    for (std::size_t i = 0; i < kSector; ++i)
        sum[i % 4] += static_cast<unsigned char>(descriptor[i]);
    return (sum[0] & 0xff) | (sum[1] & 0xff) << 8 | (sum[2] & 0xff) << 16 | (sum[3] & 0xff) << 24;
}

} // namespace

TEST(DiscSerial, DescriptorWindowsUses)
{
    // Primary: type 1 + '0' (4), 'C' + '1', 'D' + version 1, '0'; byte 1000
    // (group 0) 0xE0 and byte 2047 (group 3) 0xFF wrap round.
    const std::string primary = Descriptor(1, {{1000, 0xE0}, {2047, 0xFF}});
    const std::string joliet = Descriptor(2, {{88, '%'}, {89, '/'}, {90, 'E'}});
    const std::string other = Descriptor(2, {{88, 'x'}}); // supplementary, not Joliet
    struct Case {
        const char *what;
        std::string image;
        std::optional<uint32_t> serial;
    };
    const Case cases[] = {
        {"primary only", Image({primary, Descriptor(255)}), 0x2F457411u},
        {"Joliet after the primary", Image({primary, joliet, Descriptor(255)}), 0x308AA357u},
        {"Joliet before the primary", Image({joliet, primary, Descriptor(255)}), 0x308AA357u},
        {"a supplementary one that is not Joliet", Image({primary, other, Descriptor(255)}), 0x2F457411u},
        {"after the terminator", Image({Descriptor(255), joliet}), std::nullopt},
        {"no descriptor", std::string(40 * kSector, '\0'), std::nullopt},
        {"cut short", Image({primary}).substr(0, 16 * kSector + 100), std::nullopt},
    };
    TempDir dir;
    for (const Case &c : cases) {
        WriteBytes(dir.file("disc.iso"), c.image);
        EXPECT_EQ(DiscSerial(dir.file("disc.iso")), c.serial) << c.what;
    }
    // Something that is not a file or a device is not opened for reading.
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    EXPECT_EQ(DiscSerial(dir.file("fifo")), std::nullopt);
    EXPECT_EQ(DiscSerial(dir.file("missing")), std::nullopt);
}

// Images made by genisoimage, with and without Joliet, named as the device
// of an iso9660 mount (or behind a loop device) in a fixture system.
TEST(DiscSerial, GenisoimageImagesThroughTheMountTable)
{
    const QString genisoimage = QStandardPaths::findExecutable(QStringLiteral("genisoimage"));
    if (genisoimage.isEmpty())
        GTEST_SKIP() << "needs genisoimage (package genisoimage)";
    TempDir dir;
    fs::create_directories(dir.file("content/docs"));
    WriteBytes(dir.file("content/docs/readme.txt"), "hello");
    const std::string root = dir.file("sys");
    for (const char *d : {"/proc/self", "/dev/disk/by-uuid", "/images", "/sys/block/loop3/loop", "/media/cd",
                          "/media/joliet", "/media/loop", "/media/udf"})
        fs::create_directories(root + d);
    uint32_t serial[2] = {};
    for (int joliet = 0; joliet < 2; ++joliet) {
        const std::string image = root + (joliet ? "/dev/sr1" : "/dev/sr0");
        std::vector<std::string> args{"-quiet", "-V", "DISC", "-o", image};
        if (joliet)
            args.push_back("-J");
        args.push_back(dir.file("content"));
        ASSERT_EQ(rkm::test::RunProgram(genisoimage.toStdString(), args).status, 0);
        const std::string bytes = rkm::test::ReadBytes(image);
        // genisoimage writes the primary descriptor at sector 16, Joliet's at 17.
        serial[joliet] = Sums(bytes.substr((joliet ? 17 : 16) * kSector, kSector));
        EXPECT_EQ(DiscSerial(image), serial[joliet]);
    }
    EXPECT_NE(serial[0], serial[1]);
    fs::copy_file(root + "/dev/sr1", root + "/images/disc.iso");
    WriteBytes(root + "/sys/block/loop3/loop/backing_file", "/images/disc.iso\n");
    fs::create_symlink("../../sr0", root + "/dev/disk/by-uuid/2023-01-15-10-20-30-00");
    WriteBytes(root + "/dev/sdz", std::string(40 * kSector, '\0'));
    fs::create_symlink("../../sdz", root + "/dev/disk/by-uuid/1A2B-3C4D");
    WriteBytes(root + "/proc/self/mountinfo",
               "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
               "50 1 11:0 / /media/cd ro - iso9660 /dev/sr0 ro\n"
               "51 1 11:1 / /media/joliet ro - udf /dev/sr1 ro\n"
               "52 1 7:3 / /media/loop ro - iso9660 /dev/loop3 ro\n"
               "53 1 8:99 / /media/udf ro - udf /dev/sdz ro\n");
    const SystemView view(root);
    EXPECT_EQ(view.volumeSerial("/media/cd"), serial[0]);     // not the UUID of sr0
    EXPECT_EQ(view.volumeSerial("/media/joliet"), serial[1]);
    EXPECT_EQ(view.volumeSerial("/media/loop"), serial[1]);   // the loop device's image
    EXPECT_EQ(view.volumeSerial("/media/udf"), 0x1A2B3C4Du);  // no ISO 9660 descriptor: its UUID
    EXPECT_EQ(view.volumeSerial("/media/cd/docs"), 0u);       // a sub-folder has none
}
