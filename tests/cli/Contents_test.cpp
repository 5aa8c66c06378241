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

TEST_F(CliContents, VerifyTellsWhatChangedUnderTheSameSizeAndDate)
{
    ASSERT_EQ(Cli({"add", src, "--name", "Backup", "--fingerprints"}).status, 0);
    ASSERT_EQ(Cli({"add", src, "--name", "Bare"}).status, 0);
    // A byte flipped, the date given back as `touch -r` does.
    const std::string d = src + "/sub/d.txt";
    struct stat before {};
    ASSERT_EQ(::stat(d.c_str(), &before), 0);
    test::WriteBytes(d, "Sub/d.txt");
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, d.c_str(), times, 0), 0);
    // Readable by nobody, but for one file (as nobody: root reads anything).
    for (const std::string &path : {tmp.path(), src, src + "/sub", programDir})
        ASSERT_EQ(::chmod(path.c_str(), 0755), 0) << path;
    const std::string flipped = "~ sub/d.txt: changed contents: a bit error or a silent overwrite\n";
    struct Case {
        std::vector<std::string> args;
        bool asNobody;
        int status;
        std::string out; // or, with status 2, the start of the error
    };
    const Case cases[] = {
        {{"verify", "Backup"}, false, 0, "The disk matches its listing\n"},
        {{"verify", "Backup", "--contents"}, false, 1,
         flipped + "0 added, 0 removed, 0 changed, 1 with changed contents, 0 unreadable\n"},
        {{"update", "Backup"}, false, 0, ""}, // size and date the same: not read again
        {{"verify", "Backup", "--contents"}, true, 1,
         "! c.txt: could not be read: Permission denied\n" + flipped +
             "0 added, 0 removed, 0 changed, 1 with changed contents, 1 unreadable\n"},
        {{"update", "Backup", "--reread"}, false, 0, ""},
        {{"verify", "Backup", "--contents"}, false, 0, "The disk matches its listing\n"},
        {{"verify", "Bare", "--contents"}, false, 2,
         "rackmere-cli verify: Bare has no fingerprints: add or update it with --fingerprints"},
        {{"update", "Bare", "--pictures", "--no-pictures"}, false, 2, "rackmere-cli update: --pictures and"},
    };
    for (const Case &c : cases) {
        if (c.asNobody) {
            ASSERT_EQ(::chmod((src + "/c.txt").c_str(), 0), 0);
        }
        const test::CliResult r = Cli(c.args, c.asNobody);
        ::chmod((src + "/c.txt").c_str(), 0644);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args.back() << r.err;
        if (c.status == 2) {
            EXPECT_EQ(r.err.substr(0, c.out.size()), c.out);
        } else if (c.args[0] == "verify") {
            EXPECT_EQ(r.out, c.out);
        }
    }
}

} // namespace
