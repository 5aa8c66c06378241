// rackmere-cli add, update and verify with the reading choices: what is read,
// and the choices kept with each listing through update and delete.
#include "catalog/CatalogStore.h"
#include "scan/ListingOptions.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

using namespace rkm;

namespace {

// What the store beside the listings keeps for a listing file, as a program
// started afresh reads it.
std::optional<ScanOptions> KeptFor(const std::string &programDir, const std::string &file)
{
    CatalogStore store(programDir);
    store.LoadCatalog();
    const TreeNode *disk = store.Tree().findByFileName(file);
    return disk ? RememberedScanOptions(store, disk) : std::nullopt;
}

bool StoreHasRow(const std::string &programDir, const std::string &file)
{
    const std::vector<std::string> files = ListingStore(programDir).Files();
    return std::find(files.begin(), files.end(), file) != files.end();
}

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
            EXPECT_FALSE(StoreHasRow(run.programDir, before));
        }
        const std::optional<ScanOptions> now = KeptFor(run.programDir, file);
        if (!step.remembered) {
            EXPECT_FALSE(now.has_value());
            EXPECT_FALSE(StoreHasRow(run.programDir, file));
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
