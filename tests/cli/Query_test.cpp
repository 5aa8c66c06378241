// verify, diff, duplicates and find's filters, run as a user runs them.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utime.h>

using namespace rkm;
namespace fs = std::filesystem;

namespace {

class CliQuery : public test::FourFileDiskTest {
protected:
    // A listing of `src` saved with the serial number given.
    std::string Save(const std::string &name, uint32_t serial = 0)
    {
        return test::AddListing(programDir, src, name, "", serial);
    }

    // The lines of the output that start with one of "+-~", sorted.
    static std::vector<std::string> Changes(const std::string &out)
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < out.size()) {
            const std::size_t end = out.find('\n', start);
            const std::string line = out.substr(start, end - start);
            if (!line.empty() && (line[0] == '+' || line[0] == '-' || line[0] == '~'))
                lines.push_back(line.substr(0, line.find(':')));
            start = end == std::string::npos ? out.size() : end + 1;
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    }
};

TEST_F(CliQuery, VerifyAnUnchangedTreeThenAChangedOne)
{
    Save("Backup");
    const std::vector<std::string> before = [&] {
        std::vector<std::string> v;
        for (const auto &e : fs::directory_iterator(programDir))
            v.push_back(test::ReadBytes(e.path().string()));
        return v;
    }();
    test::CliResult r = Cli({"verify", "Backup"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "The disk matches its listing\n");

    fs::remove(src + "/b.txt");
    test::WriteBytes(src + "/sub/new.txt", "new");
    const utimbuf old{1000000000, 1000000000}; // 2001
    ASSERT_EQ(::utime((src + "/c.txt").c_str(), &old), 0);
    r = Cli({"verify", "Backup"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(Changes(r.out), (std::vector<std::string>{"+ sub/new.txt", "- b.txt", "~ c.txt"})) << r.out;
    EXPECT_NE(r.out.find("1 added, 1 removed, 1 changed"), std::string::npos) << r.out;

    r = Cli({"verify", "Backup", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"counts\": {\"added\": 1, \"removed\": 1, \"changed\": 1}"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("{\"path\": \"c.txt\", \"folder\": false, \"date\": ["), std::string::npos) << r.out;

    // Nothing was written.
    std::vector<std::string> after;
    for (const auto &e : fs::directory_iterator(programDir))
        after.push_back(test::ReadBytes(e.path().string()));
    EXPECT_EQ(after, before);
}

TEST_F(CliQuery, VerifyRefusesAsUpdateDoes)
{
    Save("Backup", 0xDEADBEEF); // this folder's serial number is 0
    test::CliResult r = Cli({"verify", "Backup"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find("DEADBEEF"), std::string::npos) << r.err;
    r = Cli({"verify", "Backup", "--force"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Cli({"verify", "Nope"}).status, 2);
    EXPECT_EQ(Cli({"verify"}).status, 2);
    fs::remove_all(src);
    r = Cli({"verify", "Backup", "--force"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("could not find the disk"), std::string::npos) << r.err;
}

TEST_F(CliQuery, DiffOfAListingAgainstItsUpdate)
{
    const std::string first = Save("Before");
    test::CliResult r = Cli({"diff", "Before", first});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("0 only in A (Before), 0 only in B (Before), 0 changed"), std::string::npos) << r.out;

    fs::remove_all(src + "/sub");
    test::WriteBytes(src + "/a.txt", std::string(3000, 'a'));
    const std::string second = Save("After");
    r = Cli({"diff", "Before", "After"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(Changes(r.out), (std::vector<std::string>{"- sub/  (0 folders, 1 file)", "~ a.txt"})) << r.out;
    EXPECT_NE(r.out.find("~ a.txt: size 5 bytes -> 2 Kb"), std::string::npos) << r.out;
    EXPECT_EQ(Cli({"diff", "Before", "Nope"}).status, 2);
    EXPECT_EQ(Cli({"diff", "Before"}).status, 2);
}

TEST_F(CliQuery, DuplicatesAcrossListings)
{
    Save("One");
    Save("Two");
    test::CliResult r = Cli({"duplicates"});
    EXPECT_EQ(r.status, 1) << "all files are below 1 MB";
    EXPECT_NE(r.err.find("No duplicates were found"), std::string::npos);
    r = Cli({"duplicates", "--min-size", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("sub/d.txt\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("4 groups, 8 files"), std::string::npos) << r.out;
    r = Cli({"duplicates", "--min-size", "0", "--listing", "One", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "[]\n");
    EXPECT_EQ(Cli({"duplicates", "--min-size", "lots"}).status, 2);
}

TEST_F(CliQuery, FindWithFilters)
{
    test::WriteBytes(src + "/big.bin", std::string(5000, 'b'));
    const utimbuf old{1000000000, 1000000000}; // 9 September 2001
    ASSERT_EQ(::utime((src + "/a.txt").c_str(), &old), 0);
    Save("One");
    Save("Two");
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> lines;
        int status;
    };
    const std::vector<Case> cases = {
        {{"find", "*.TXT", "--glob", "--listing", "Two"}, {"Two/a.txt", "Two/b.txt", "Two/c.txt", "Two/sub/d.txt"}, 0},
        // '*' makes a pattern with or without --glob.
        {{"find", "*.TXT", "--listing", "Two"}, {"Two/a.txt", "Two/b.txt", "Two/c.txt", "Two/sub/d.txt"}, 0},
        {{"find", "", "--min-size", "4k"}, {"One/big.bin", "Two/big.bin"}, 0},
        {{"find", "", "--max-size", "4", "--no-folder-names"}, {}, 1},
        {{"find", "", "--min-size", "5k", "--max-size", "4k"}, {}, 1},
        {{"find", "a", "--after", "2001-09-09", "--before", "2001-09-10"}, {}, 1},
        {{"find", "a", "--before", "2001-09-10", "--listing", "One"}, {"One/a.txt"}, 0},
        {{"find", "a", "--after", "2001-09-09", "--glob", "--listing", "One"}, {}, 1},
        {{"find", "", "--min-size", "x"}, {}, 2},
        {{"find", "", "--after", "someday"}, {}, 2},
        {{"find", "", "--listing", "Nope"}, {}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.args[2]);
        const test::CliResult r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < r.out.size()) {
            const std::size_t end = r.out.find('\n', start);
            lines.push_back(r.out.substr(start, end - start));
            start = end + 1;
        }
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(lines, c.lines);
    }
}

} // namespace
