// find and describe, run as a user would run them.
#include "catalog/CatalogStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace rkm;
using rkm::test::AddFile;
using rkm::test::CliResult;
using rkm::test::TempDir;

namespace {

// Work (0.rkm): notes.txt; Readings/ readme.txt, other.doc "about READ" (Docs); Readings/Deep/ ReadMe.TXT
// Photos (1.rkm): pic.jpg "holiday" (Photos)
struct Catalogue {
    TempDir dir;
    Catalogue()
    {
        CatalogStore store(dir.path());
        store.serialSource = [](const TDisk &) { return 0u; };
        store.Categories() = {"Docs", "Photos"};
        store.SaveCategories();
        TreeNode *work = store.Tree().appendDisk("Work");
        AddFile(work, "notes.txt", "meeting notes", "Docs");
        TreeNode *readings = work->appendChild("Readings");
        AddFile(readings, "readme.txt");
        AddFile(readings, "other.doc", "about READ", "Docs");
        AddFile(readings->appendChild("Deep"), "ReadMe.TXT");
        store.SaveListing(work, "0.rkm");
        TreeNode *photos = store.Tree().appendDisk("Photos");
        AddFile(photos, "pic.jpg", "holiday", "Photos");
        store.SaveListing(photos, "1.rkm");
    }
    std::string path() const { return dir.path(); }
    CliResult run(const std::vector<std::string> &args) const { return test::RunCli(args, {.programDir = path()}); }
};

struct FindCase {
    const char *what;
    std::vector<std::string> args;
    int status;
    std::string out;
};

} // namespace

TEST(CliFind, PrintsEveryMatchInFindNextOrder)
{
    Catalogue c;
    const FindCase cases[] = {
        {"folder before its files", {"find", "READ"}, 0,
         "Work/Readings/\nWork/Readings/readme.txt\nWork/Readings/other.doc\nWork/Readings/Deep/ReadMe.TXT\n"},
        {"case-sensitive", {"find", "READ", "--case-sensitive"}, 0, "Work/Readings/other.doc\n"},
        {"no folder names, no descriptions", {"find", "read", "--no-folder-names", "--no-descriptions"}, 0,
         "Work/Readings/readme.txt\nWork/Readings/Deep/ReadMe.TXT\n"},
        {"no file names", {"find", "read", "--no-filenames", "--no-folder-names"}, 0, "Work/Readings/other.doc\n"},
        {"disk name", {"find", "PHOTOS", "--no-filenames"}, 0, "Photos/\n"},
        {"category walk", {"find", "", "--category", "Docs"}, 0, "Work/notes.txt\nWork/Readings/other.doc\n"},
        {"empty category", {"find", "", "--category", "", "--no-folder-names"}, 0,
         "Work/Readings/readme.txt\nWork/Readings/Deep/ReadMe.TXT\n"},
        {"nothing", {"find", "zebra"}, 1, ""},
        {"only folder names with empty text", {"find", "", "--no-filenames", "--no-descriptions"}, 1, ""},
    };
    for (const FindCase &fc : cases) {
        const CliResult r = c.run(fc.args);
        EXPECT_EQ(r.status, fc.status) << fc.what << "\n" << r.err;
        EXPECT_EQ(r.out, fc.out) << fc.what;
        if (fc.status == 1) {
            EXPECT_EQ(r.err, "No matching entry was found\n") << fc.what;
        }
    }
}

TEST(CliFind, Json)
{
    Catalogue c;
    const CliResult r = c.run({"find", "read", "--json", "--no-descriptions"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "[\n"
                     "  {\"listing\": \"0.rkm\", \"disk\": \"Work\", \"folders\": [\"Readings\"], \"file\": null, \"index\": null},\n"
                     "  {\"listing\": \"0.rkm\", \"disk\": \"Work\", \"folders\": [\"Readings\"], \"file\": \"readme.txt\", \"index\": 0},\n"
                     "  {\"listing\": \"0.rkm\", \"disk\": \"Work\", \"folders\": [\"Readings\", \"Deep\"], \"file\": \"ReadMe.TXT\", \"index\": 0}\n"
                     "]\n");
    const CliResult none = c.run({"find", "zebra", "--json"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "[]\n");
}

TEST(CliFind, UnreadableListingMakesTheAnswerAFailure)
{
    // The matches of the readable listings are printed, but a listing that
    // was not searched must not let the search pass as complete.
    Catalogue c;
    // A copy of a listing cut short by one byte.
    const std::string whole = rkm::test::ReadBytes(c.path() + "1.rkm");
    rkm::test::WriteBytes(c.path() + "2.rkm", whole.substr(0, whole.size() - 1));
    const struct {
        const char *what;
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {"with matches", {"find", "holiday"}, "Photos/pic.jpg\n"},
        {"without matches", {"find", "zebra"}, ""},
    };
    for (const auto &fc : cases) {
        const CliResult r = c.run(fc.args);
        EXPECT_EQ(r.status, 1) << fc.what;
        EXPECT_EQ(r.out, fc.out) << fc.what;
        EXPECT_NE(r.err.find("Error loading file: 2.rkm (at byte "), std::string::npos) << fc.what << "\n" << r.err;
    }
}

TEST(CliFind, BadArguments)
{
    Catalogue c;
    EXPECT_EQ(c.run({"find"}).status, 2);
    EXPECT_EQ(c.run({"find", "a", "b"}).status, 2);
    EXPECT_EQ(c.run({"find", "a", "--category"}).status, 2);
    EXPECT_EQ(c.run({"find", "a", "--bogus"}).status, 2);
}

TEST(CliDescribe, SetsTheEntrySavesTheListingAndGrowsTheCategoryList)
{
    Catalogue c;
    CliResult r =
        c.run({"describe", "Work", "Readings/Deep/ReadMe.TXT", "--description", "first\nsecond", "--category", "Games"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(c.dir.file("DATA.CAT")), "Docs\r\nPhotos\r\nGames\r\n");

    CatalogStore store(c.path());
    ASSERT_TRUE(store.LoadCatalog().empty());
    const FileList &deep = store.Tree().findByName("Work")->child(0)->child(0)->disk().Files;
    EXPECT_EQ(deep.entryCopy(0), (FileEntry{"ReadMe.TXT", "first second", "01/02/2020", "12 Kb", "Games"}));

    // The same category in other letters is stored as typed and not added again;
    // a description not given stays.
    r = c.run({"describe", "0.rkm", "Readings/Deep/ReadMe.TXT", "--category", "GAMES"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(c.dir.file("DATA.CAT")), "Docs\r\nPhotos\r\nGames\r\n");
    r = c.run({"find", "", "--category", "GAMES", "--json"});
    EXPECT_NE(r.out.find("\"file\": \"ReadMe.TXT\""), std::string::npos) << r.out;
    r = c.run({"find", "second", "--no-filenames"});
    EXPECT_EQ(r.out, "Work/Readings/Deep/ReadMe.TXT\n");

    // An entry without a category adds the empty category once.
    r = c.run({"describe", "Photos", "pic.jpg", "--category", ""});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(c.dir.file("DATA.CAT")), "Docs\r\nPhotos\r\nGames\r\n\r\n");
    r = c.run({"describe", "Work", "Readings/readme.txt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(c.dir.file("DATA.CAT")), "Docs\r\nPhotos\r\nGames\r\n\r\n");
}

TEST(CliDescribe, RefusesWhatIsNotThere)
{
    Catalogue c;
    const std::string before = test::ReadBytes(c.dir.file("0.rkm"));
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"describe", "Nowhere", "a.txt", "--description", "x"}, 1},
        {{"describe", "Work", "Nofolder/readme.txt", "--description", "x"}, 1},
        {{"describe", "Work", "Readings/none.txt", "--description", "x"}, 1},
        {{"describe", "Work", "readme.txt", "--description", "x"}, 1}, // not in the root
        {{"describe", "Work"}, 2},
        {{"describe", "Work", "notes.txt", "--description"}, 2},
    };
    for (const auto &tc : cases) {
        const CliResult r = c.run(tc.args);
        EXPECT_EQ(r.status, tc.status) << testing::PrintToString(tc.args);
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(test::ReadBytes(c.dir.file("0.rkm")), before);
}
