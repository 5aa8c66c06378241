// A listing named on the command line when several listings share a disk name.
#include "catalog/ListingStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

using namespace rkm;
using rkm::test::CliResult;
namespace fs = std::filesystem;

namespace {

class CliNames : public test::FourFileDiskTest {
protected:
    // A fresh catalogue: two scans of one folder named "Backup" (returned,
    // in file name order) and one listing "Other" of the same folder.
    std::vector<std::string> MakeCatalogue()
    {
        fs::remove_all(programDir);
        test::MakeDirs(programDir);
        std::vector<std::string> twins = {test::AddListing(programDir, src, "Backup", "", 0),
                                          test::AddListing(programDir, src, "Backup", "", 0)};
        test::AddListing(programDir, src, "Other", "", 0);
        std::sort(twins.begin(), twins.end());
        return twins;
    }

    // Every listing file with its bytes.
    std::map<std::string, std::string> Listings() const
    {
        std::map<std::string, std::string> files;
        for (const std::string &name : test::ListingFileNames(programDir))
            files[name] = test::ReadBytes(programDir + name);
        return files;
    }
};

// Every command that takes a listing: a name two listings have is refused
// with exit status 2 and the listings' files on standard error, nothing
// changed; the listing's file name, the name the tree shows it by and a name
// only one listing has are taken.
TEST_F(CliNames, AmbiguousNameRefusedFileNameTaken)
{
    const std::string out = tmp.path() + "out";
    struct Case {
        std::vector<std::string> args; // "@" stands for the listing
        int status;                    // of a listing that is found
    };
    const std::vector<Case> cases = {
        {{"show", "@"}, 0},
        {{"export", "@", "-o", out + ".csv"}, 0},
        {{"print", "@", "--preview-png", out + ".png"}, 0},
        {{"verify", "@"}, 0},
        {{"diff", "@", "Other"}, 0},
        {{"diff", "Other", "@"}, 0},
        {{"duplicates", "--listing", "@", "--min-size", "0"}, 1}, // no copies within one listing
        {{"find", "c.txt", "--listing", "@"}, 0},
        {{"describe", "@", "sub/d.txt", "--description", "the d file"}, 0},
        {{"update", "@"}, 0},
        {{"rename", "@", "Renamed"}, 0},
        {{"delete", "@"}, 0},
    };
    for (const Case &c : cases) {
        const std::vector<std::string> twins = MakeCatalogue();
        const std::map<std::string, std::string> before = Listings();
        const auto run = [&](const std::string &listing) {
            std::vector<std::string> args = c.args;
            std::replace(args.begin(), args.end(), std::string("@"), listing);
            return Cli(args);
        };
        const std::string what = c.args[0] + (c.args.size() > 2 ? " " + c.args[1] + " " + c.args[2] : "");

        const CliResult ambiguous = run("Backup");
        EXPECT_EQ(ambiguous.status, 2) << what << "\n" << ambiguous.err;
        for (const std::string &file : twins)
            EXPECT_NE(ambiguous.err.find(file), std::string::npos) << what << ": " << ambiguous.err;
        EXPECT_NE(ambiguous.err.find("2 listings are named 'Backup'"), std::string::npos)
            << what << ": " << ambiguous.err;
        EXPECT_EQ(Listings(), before) << what;

        for (int variant = 0; variant < 3; ++variant) {
            // New scans take new file names.
            const std::string file = MakeCatalogue()[1];
            const std::string listing = variant == 0 ? file : variant == 1 ? "Backup (" + file + ")" : "Other";
            const CliResult r = run(listing);
            EXPECT_EQ(r.status, c.status) << what << " with " << listing << "\n" << r.err;
            EXPECT_EQ(r.err.find("listings are named"), std::string::npos) << what << " with " << listing;
            EXPECT_EQ(r.err.find("no listing named"), std::string::npos) << what << " with " << listing;
        }
    }
}

// What the commands print names each of two listings of one name with its
// file, as the desktop program's tree shows them; a name only one listing
// has stays as it is.
TEST_F(CliNames, RepeatedNamePrintedWithItsFile)
{
    const std::vector<std::string> twins = MakeCatalogue();
    const std::string a = "Backup (" + twins[0] + ")", b = "Backup (" + twins[1] + ")";
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> printed;
    };
    const std::vector<Case> cases = {
        {{"find", "c.txt"}, {a + "/c.txt\n", b + "/c.txt\n", "\nOther/c.txt\n"}},
        {{"duplicates", "--min-size", "0"}, {"  " + a + "/sub/d.txt\n", "  " + b + "/sub/d.txt\n", "  Other/"}},
        {{"export", "--format", "csv", "-o", "-"}, {"\n" + a + ",", "\n" + b + ",", "\nOther,"}},
        {{"export", "--format", "json", "-o", "-"}, {"\"listing\": \"" + a + "\"", "{\"name\": \"Backup\", \"file\""}},
        {{"diff", twins[0], twins[1]}, {"only in A (" + a + ")", "only in B (" + b + ")"}},
    };
    for (const Case &c : cases) {
        const CliResult r = Cli(c.args);
        EXPECT_NE(r.status, 2) << c.args[0] << "\n" << r.err;
        for (const std::string &text : c.printed)
            EXPECT_NE(r.out.find(text), std::string::npos) << c.args[0] << ": no " << text << " in\n" << r.out;
    }
}

} // namespace
