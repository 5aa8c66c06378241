// rackmere-cli add, update and verify with the reading choices: what is read,
// and the choices remembered per listing file through update and delete.
#include "scan/ListingOptions.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace rkm;

namespace {

TEST(CliReading, ChoicesAreRememberedPerListingThroughUpdateAndDelete)
{
    test::TempDir tmp;
    // The settings of this test alone, for the CLI and for the checks here.
    const std::string config = tmp.file("config");
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const std::string disk = tmp.file("disk");
    test::MakeDirs(disk);
    test::WriteBytes(disk + "/a.txt", "a");
    const test::CliResult made = test::RunProgram(
        "/usr/bin/python3", {"-c", "import sys, zipfile; zipfile.ZipFile(sys.argv[1], 'w').writestr('in.txt', 'x')",
                             disk + "/pack.zip"});
    ASSERT_EQ(made.status, 0) << made.err;
    const test::RunOptions run {.programDir = tmp.file("catalog")};

    struct Step {
        std::vector<std::string> args;
        int status;
        const char *remembered; // for the listing's file after the step; nullptr: none
        bool archiveFolder;     // pack.zip's contents in the listing
    };
    const Step steps[] = {
        {{"add", disk, "--name", "Box", "--archives", "--no-descriptions"}, 0, "archives", true},
        {{"update", "Box"}, 0, "archives", true},
        // Verify walks the archives too, or pack.zip's folder would be missing.
        {{"verify", "Box"}, 0, "archives", true},
        {{"update", "Box", "--no-archives", "--tags"}, 0, "tags", false},
        {{"update", "Box", "--archives", "--no-archives"}, 2, "tags", false},
        {{"update", "Box", "--descriptions"}, 0, "descriptions tags", false},
        {{"delete", "Box"}, 0, nullptr, false},
    };
    std::string file;
    for (const Step &step : steps) {
        SCOPED_TRACE(step.args[0] + " " + (step.args.size() > 2 ? step.args[2] : ""));
        const test::CliResult r = test::RunCli(step.args, run);
        ASSERT_EQ(r.status, step.status) << r.err;
        const std::string before = file;
        if (step.status == 0 && (step.args[0] == "add" || step.args[0] == "update"))
            file = r.out.substr(0, r.out.find('\n'));
        // The listing's old file name keeps nothing.
        if (!before.empty() && before != file) {
            EXPECT_FALSE(RememberedScanOptions(before).has_value());
        }
        const std::optional<ScanOptions> now = RememberedScanOptions(file);
        if (!step.remembered) {
            EXPECT_FALSE(now.has_value());
            continue;
        }
        ASSERT_TRUE(now.has_value());
        EXPECT_EQ(ScanOptionsText(*now), step.remembered);
        // The archive is an ordinary folder in the JSON.
        const test::CliResult shown = test::RunCli({"show", file, "--json"}, run);
        ASSERT_EQ(shown.status, 0) << shown.err;
        EXPECT_EQ(shown.out.find(R"({"name": "pack.zip", "comment": "", "files": [["in.txt", "")") !=
                      std::string::npos,
                  step.archiveFolder)
            << shown.out;
    }
}

} // namespace
