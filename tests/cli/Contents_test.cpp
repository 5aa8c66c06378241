// verify --contents, run as a user runs it: a flipped byte under the same
// size and date, a file that cannot be read, a listing without fingerprints.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rkm;

namespace {

class CliContents : public test::FourFileDiskTest {};

// Writes `bytes` over the start of a file and gives it back its date, as
// `touch -r` from a copy would.
void OverwriteKeepingDate(const std::string &path, std::string_view bytes)
{
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(CliContents, VerifyTellsAFlippedByteUnderTheSameSizeAndDate)
{
    test::CliResult r = Cli({"add", src, "--name", "Backup", "--fingerprints"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Cli({"verify", "Backup", "--contents"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "The disk matches its listing\n");

    OverwriteKeepingDate(src + "/sub/d.txt", "S"); // "sub/d.txt" -> "Sub/d.txt"
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{"verify", "Backup"}, 0, "The disk matches its listing\n"},
        {{"verify", "Backup", "--contents"},
         1,
         "~ sub/d.txt: changed contents: a bit error or a silent overwrite\n"
         "0 added, 0 removed, 0 changed, 1 with changed contents, 0 unreadable\n"},
    };
    for (const Case &c : cases) {
        r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
    r = Cli({"verify", "Backup", "--contents", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"contents\": [\n    {\"path\": \"sub/d.txt\"}\n  ]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"changedContents\": 1, \"unreadable\": 0"), std::string::npos) << r.out;

    // Update reads the file again only when told to: its size and date are
    // those kept, so the old fingerprint stays and the change is still told.
    ASSERT_EQ(Cli({"update", "Backup"}).status, 0);
    EXPECT_EQ(Cli({"verify", "Backup", "--contents"}).status, 1);
    ASSERT_EQ(Cli({"update", "Backup", "--reread"}).status, 0);
    EXPECT_EQ(Cli({"verify", "Backup", "--contents"}).status, 0);
}

TEST_F(CliContents, AFileThatCannotBeReadEndsOnlyThatFile)
{
    ASSERT_EQ(Cli({"add", src, "--name", "Backup", "--fingerprints"}).status, 0);
    // Readable by nobody, but for the one file.
    for (const std::string &path : {tmp.path(), src, src + "/sub", programDir})
        ASSERT_EQ(::chmod(path.c_str(), 0755), 0) << path;
    ASSERT_EQ(::chmod((src + "/c.txt").c_str(), 0), 0);
    const test::CliResult r = Cli({"verify", "Backup", "--contents"}, true);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "! c.txt: could not be read: Permission denied\n"
                     "0 added, 0 removed, 0 changed, 0 with changed contents, 1 unreadable\n");
}

TEST_F(CliContents, ContentsAskedOfAListingWithoutFingerprints)
{
    ASSERT_EQ(Cli({"add", src, "--name", "Backup"}).status, 0);
    struct Case {
        std::vector<std::string> args;
        int status;
        const char *err;
    };
    const Case cases[] = {
        {{"verify", "Backup", "--contents"}, 2, "Backup has no fingerprints: add or update it with --fingerprints"},
        {{"update", "Backup", "--fingerprints", "--no-fingerprints"}, 2, "contradict each other"},
        {{"add", src, "--name", "X", "--pictures", "--no-pictures"}, 2, "contradict each other"},
    };
    for (const Case &c : cases) {
        const test::CliResult r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    // Updated with the choice, it has them from then on.
    ASSERT_EQ(Cli({"update", "Backup", "--fingerprints"}).status, 0);
    EXPECT_EQ(Cli({"verify", "Backup", "--contents"}).status, 0);
}

} // namespace
