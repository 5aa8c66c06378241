// rackmere-cli with listings written on Windows (Windows-1252 texts, roots
// such as E:\) and with texts longer than a listing holds, run as a user
// runs it.
#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"
#include "platform/SystemView.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <utime.h>

using namespace rkm;
namespace fs = std::filesystem;

namespace {

// Runs rackmere-cli on the catalogue `dir` in the folder `cwd`, with extra
// environment variables.
test::CliResult Cli(const std::string &dir, const std::vector<std::string> &args, const std::string &cwd = {},
                    const std::vector<std::pair<std::string, std::string>> &env = {})
{
    test::RunOptions options;
    options.programDir = dir;
    options.workingDirectory = cwd;
    options.env = env;
    return test::RunCli(args, options);
}

const std::string kDisk1252 = "Sauvegarde \xE9t\xE9 1999";
const std::string kDiskUtf8 = "Sauvegarde \xC3\xA9t\xC3\xA9 1999";

// A listing as Rackmere on Windows wrote it: Windows-1252 texts, root E:\.
std::string WindowsListing(const std::string &longDescription = {})
{
    auto disk = MakeDiskNode(kDisk1252);
    disk->disk().RootPath = "E:\\";
    disk->disk().DriveType = 5;
    disk->disk().Files.append(FileEntry{"Caf\xE9.doc", "", "05.12.1999", "1 Kb", "Cat\x92s"});
    disk->disk().Files.append(FileEntry{"\xC9" "COLE.doc", longDescription, "05.12.1999", "2 Kb", "Cat\x92s"});
    TreeNode *data = disk->appendChild("Donn\xE9" "es");
    data->disk().Comment = "r\xE9" "cent";
    data->disk().Files.append(FileEntry{"r\xE9sum\xE9.txt", "", "05.12.1999", "3 Kb", ""});
    return WriteListing(*disk, 0x1234);
}

class CliWindowsTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = tmp.path() + "catalog/";
        fs::create_directories(dir);
        test::WriteBytes(dir + "12345.rkm", WindowsListing());
        before = test::ReadBytes(dir + "12345.rkm");
    }
    ListingContents Stored() { return ReadListing(test::ReadBytes(dir + "12345.rkm")); }

    test::TempDir tmp;
    std::string dir, before;
};

} // namespace

// Every place that looks a listing, folder, file or category up by a typed
// (UTF-8) name finds the Windows-1252 one; nothing it did not edit changes.
TEST_F(CliWindowsTexts, TypedNamesFindWindowsTexts)
{
    struct Case {
        std::vector<std::string> args;
        const char *out; // printed, when not null
    };
    const Case reading[] = {
        {{"show", kDiskUtf8}, "Caf\xC3\xA9.doc"},
        {{"find", "", "--category", "Cat\xE2\x80\x99s"}, "Sauvegarde \xC3\xA9t\xC3\xA9 1999/Caf\xC3\xA9.doc\n"
                                                          "Sauvegarde \xC3\xA9t\xC3\xA9 1999/\xC3\x89" "COLE.doc\n"},
        {{"find", "\xC3\x89" "COLE", "--case-sensitive"}, "Sauvegarde \xC3\xA9t\xC3\xA9 1999/\xC3\x89" "COLE.doc\n"},
        {{"print", kDiskUtf8, "--preview-png", tmp.path() + "p.png"}, nullptr},
        // The same name and the same texts again: nothing to store.
        {{"rename", "12345.rkm", kDiskUtf8}, nullptr},
        {{"describe", kDiskUtf8, "Caf\xC3\xA9.doc", "--category", "Cat\xE2\x80\x99s"}, nullptr},
    };
    for (const Case &c : reading) {
        const test::CliResult r = Cli(dir, c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        if (c.out) {
            EXPECT_NE(r.out.find(c.out), std::string::npos) << c.args[0] << ": " << r.out;
        }
        EXPECT_EQ(test::ReadBytes(dir + "12345.rkm"), before) << c.args[0] << " changed the listing";
    }

    // An edit stores what was typed, in UTF-8, and keeps every other text's bytes.
    test::CliResult r = Cli(dir, {"describe", kDiskUtf8, "Donn\xC3\xA9" "es/r\xC3\xA9sum\xC3\xA9.txt", "--description", "\xC3\xA9t\xC3\xA9"});
    ASSERT_EQ(r.status, 0) << r.err;
    ListingContents c = Stored();
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.disk->text(), kDisk1252);
    EXPECT_EQ(c.disk->disk().Files.entryCopy(0), (FileEntry{"Caf\xE9.doc", "", "05.12.1999", "1 Kb", "Cat\x92s"}));
    EXPECT_EQ(c.disk->child(0)->text(), "Donn\xE9" "es");
    EXPECT_EQ(c.disk->child(0)->disk().Comment, "r\xE9" "cent");
    EXPECT_EQ(c.disk->child(0)->disk().Files.text(0, FT_NAME), "r\xE9sum\xE9.txt");
    EXPECT_EQ(c.disk->child(0)->disk().Files.text(0, FT_DESCRIPTION), "\xC3\xA9t\xC3\xA9");

    r = Cli(dir, {"delete", kDiskUtf8});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fs::exists(dir + "12345.rkm"));
}

// E:\ names a drive of Windows, never a folder of that name here; update
// says which drive it needs, --force or not, and scans nothing.
TEST_F(CliWindowsTexts, UpdateOfAWindowsRootNeverScansTheCurrentFolder)
{
    const std::string cwd = tmp.path() + "work/";
    fs::create_directories(cwd + "E:\\/sub");
    test::WriteBytes(cwd + "E:\\/not the disk.txt", "x");
    for (const std::vector<std::string> &args : {std::vector<std::string>{"update", kDiskUtf8},
                                                std::vector<std::string>{"update", "12345.rkm", "--force"}}) {
        const test::CliResult r = Cli(dir, args, cwd);
        EXPECT_EQ(r.status, 2) << r.out << r.err;
        EXPECT_NE(r.err.find("drive E:"), std::string::npos) << r.err;
        EXPECT_EQ(test::ReadBytes(dir + "12345.rkm"), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    }
}

// A typed text longer than a listing holds is refused and nothing changes;
// a stored one is cut when its listing is next written, and the user told.
TEST_F(CliWindowsTexts, TextsLongerThanAListingHolds)
{
    const std::string longText(511, 'x');
    std::string deep = tmp.path() + "deep";
    while (deep.size() <= MAX_TEXT_BYTES)
        deep += "/" + std::string(100, 'd');
    fs::create_directories(deep);
    const std::vector<std::string> refused[] = {
        {"describe", "12345.rkm", "Caf\xC3\xA9.doc", "--description", longText},
        {"describe", "12345.rkm", "Caf\xC3\xA9.doc", "--category", longText},
        {"rename", "12345.rkm", longText},
        {"add", tmp.path(), "--name", longText},
        {"add", tmp.path(), "--name", "n", "--comment", longText},
        {"add", deep, "--name", "Deep"},
    };
    for (const auto &args : refused) {
        const test::CliResult r = Cli(dir, args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args[2].substr(0, 40);
        EXPECT_NE(r.err.find("510 bytes"), std::string::npos) << r.err;
        EXPECT_EQ(test::ReadBytes(dir + "12345.rkm"), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    }

    // The longest text that fits is taken whole.
    test::CliResult r = Cli(dir, {"describe", "12345.rkm", "Caf\xC3\xA9.doc", "--description", std::string(510, 'y')});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    // A listing that already holds a longer text (an earlier program wrote
    // it; our writer would not).
    std::string bytes = WindowsListing(std::string(MAX_TEXT_BYTES, 'Z'));
    bytes.replace(bytes.find(std::string(MAX_TEXT_BYTES, 'Z')), MAX_TEXT_BYTES, std::string(700, '\xE9'));
    test::WriteBytes(dir + "12345.rkm", bytes);
    r = Cli(dir, {"describe", "12345.rkm", "Caf\xC3\xA9.doc", "--description", "short"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("12345.rkm"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("\xC3\x89" "COLE.doc (description)"), std::string::npos) << r.err;
    ListingContents c = Stored();
    ASSERT_TRUE(c.disk);
    EXPECT_EQ(c.disk->disk().Files.text(1, FT_DESCRIPTION), std::string(510, '\xE9'));
    EXPECT_EQ(c.disk->disk().Files.text(0, FT_DESCRIPTION), "short");
    r = Cli(dir, {"describe", "12345.rkm", "Caf\xC3\xA9.doc", "--description", "again"});
    EXPECT_EQ(r.err, "") << "told once";
}

// What the user types is what is stored: a comment's line breaks become
// spaces, and a date keeps its century in the locale's short format.
TEST_F(CliWindowsTexts, AddStoresCommentsOnOneLineAndDatesWithTheirCentury)
{
    const std::string src = tmp.path() + "src/";
    fs::create_directories(src);
    test::WriteBytes(src + "old.txt", "x");
    const struct utimbuf t {944395200, 944395200}; // 1999-12-05 12:00 UTC
    ASSERT_EQ(::utime((src + "old.txt").c_str(), &t), 0);
    struct Case {
        const char *locale;
        const char *date;
    };
    for (const Case &c : {Case{"de_DE.UTF-8", "05.12.1999"}, Case{"en_US.UTF-8", "12/5/1999"}}) {
        const std::string catalog = tmp.path() + c.locale + "/";
        fs::create_directories(catalog);
        const test::CliResult add = Cli(catalog, {"add", src, "--name", "Dates", "--comment", "first\r\nsecond\nthird"}, {},
                            {{"LC_ALL", c.locale}, {"TZ", "UTC"}});
        ASSERT_EQ(add.status, 0) << add.err;
        const test::CliResult show = Cli(catalog, {"show", "Dates", "--json"});
        EXPECT_NE(show.out.find("\"comment\": \"first second third\""), std::string::npos) << show.out;
        EXPECT_NE(show.out.find(std::string("\"") + c.date + "\""), std::string::npos) << c.locale << show.out;
    }
}

// RACKMERE_SYSROOT puts a fixture system in place of /proc, /sys and /dev:
// a folder mounted as a data CD gets the CD's serial number and drive type.
TEST(CliSystemRoot, ADataCdGetsTheSerialWindowsGivesIt)
{
    const std::string genisoimage = "/usr/bin/genisoimage";
    if (!fs::exists(genisoimage))
        GTEST_SKIP() << "needs genisoimage (package genisoimage)";
    test::TempDir tmp;
    const std::string src = tmp.path() + "cd", root = tmp.path() + "sys", catalog = tmp.path() + "catalog";
    fs::create_directories(src + "/docs");
    test::WriteBytes(src + "/docs/readme.txt", "hello");
    for (const std::string &d : {std::string("/proc/self"), std::string("/dev"), src})
        fs::create_directories(root + d);
    const test::CliResult mk = test::RunProgram(genisoimage, {"-quiet", "-J", "-o", root + "/dev/sr0", src});
    ASSERT_EQ(mk.status, 0) << mk.err;
    test::WriteBytes(root + "/proc/self/mountinfo", "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                                    "50 1 11:0 / " + src + " ro - iso9660 /dev/sr0 ro\n");
    const std::optional<uint32_t> serial = platform::DiscSerial(root + "/dev/sr0");
    ASSERT_TRUE(serial);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", *serial);

    const test::CliResult add = Cli(catalog, {"add", src, "--name", "CD"}, {}, {{"RACKMERE_SYSROOT", root}});
    ASSERT_EQ(add.status, 0) << add.err;
    const test::CliResult list = Cli(catalog, {"list"});
    EXPECT_NE(list.out.find(std::string("\t") + hex + "\tCD\t" + src + "\t5\t"), std::string::npos) << list.out;
}
