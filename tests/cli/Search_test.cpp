// find and describe, run as a user would run them.
#include "catalog/CatalogStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

using namespace rkm;
using rkm::test::AddFile;
using rkm::test::CliResult;
using rkm::test::TempDir;
using namespace std::string_literals;

namespace {

// Photos before Work, in the natural order of the disk names.
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
        // Words test names only: other.doc, described "about READ", is not a match.
        {"folder before its files", {"find", "READ"}, 0,
         "Work/Readings/\nWork/Readings/readme.txt\nWork/Readings/Deep/ReadMe.TXT\n"},
        {"case-sensitive", {"find", "ReadMe", "--case-sensitive"}, 0, "Work/Readings/Deep/ReadMe.TXT\n"},
        {"case-sensitive description", {"find", "desc:READ", "--case-sensitive"}, 0, "Work/Readings/other.doc\n"},
        {"case-sensitive, no match", {"find", "READ", "--case-sensitive"}, 1, ""},
        {"no folder names, no descriptions", {"find", "read", "--no-folder-names", "--no-descriptions"}, 0,
         "Work/Readings/readme.txt\nWork/Readings/Deep/ReadMe.TXT\n"},
        {"descriptions only", {"find", "desc:read", "--no-folder-names"}, 0, "Work/Readings/other.doc\n"},
        {"neither file nor folder names", {"find", "read", "--no-filenames", "--no-folder-names"}, 1, ""},
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
        {"with matches", {"find", "pic"}, "Photos/pic.jpg\n"},
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
    r = c.run({"find", "desc:second"});
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

namespace {

// A run through the index alone: the whole program behind the front cannot
// be started, so a search the index does not answer fails without output.
const std::pair<std::string, std::string> kIndexOnly{"RACKMERE_CLI_ALL", "/bin/false"};

struct IndexedCatalogue : Catalogue {
    TempDir cache;
    CliResult run(const std::vector<std::string> &args, bool indexOnly = false) const
    {
        test::RunOptions o{.programDir = path(), .env = {{"XDG_CACHE_HOME", cache.path()}}};
        if (indexOnly)
            o.env.push_back(kIndexOnly);
        return test::RunCli(args, o);
    }
};

} // namespace

TEST(CliFind, QueriesAndOutputsTheSameFromTheListingsAndFromTheIndex)
{
    // Each case runs on a fresh cache: the first run loads the listings and
    // builds the index, the second is answered from the index alone.
    const FindCase cases[] = {
        {"OR", {"find", "notes | pic"}, 0, "Photos/pic.jpg\nWork/notes.txt\n"},
        {"NOT as a leading -", {"find", "-read", "--no-folder-names"}, 0,
         "Photos/pic.jpg\nWork/notes.txt\nWork/Readings/other.doc\n"},
        {"a field and a word", {"find", "cat:Docs note"}, 0, "Work/notes.txt\n"},
        {"limit", {"find", "read", "--limit", "2"}, 0, "Work/Readings/\nWork/Readings/readme.txt\n"},
        {"count", {"find", "read", "--count"}, 0, "3\n"},
        {"count within the limit", {"find", "read", "--count", "--limit", "1"}, 0, "1\n"},
        {"count of none", {"find", "zebra", "--count"}, 1, "0\n"},
        {"NUL-ended lines", {"find", "readme", "-0"}, 0,
         "Work/Readings/readme.txt\0Work/Readings/Deep/ReadMe.TXT\0"s},
        {"JSON within the limit", {"find", "p", "--json", "--limit", "1"}, 0,
         "[\n  {\"listing\": \"1.rkm\", \"disk\": \"Photos\", \"folders\": [], \"file\": null, \"index\": null}\n]\n"},
        {"one listing by its file", {"find", "p", "--listing", "1.rkm"}, 0, "Photos/\nPhotos/pic.jpg\n"},
        {"none", {"find", "zebra", "--json"}, 1, "[]\n"},
    };
    for (const FindCase &fc : cases) {
        const IndexedCatalogue c;
        for (const bool indexOnly : {false, true}) {
            const CliResult r = c.run(fc.args, indexOnly);
            const std::string how = std::string(fc.what) + (indexOnly ? ", from the index" : ", loaded");
            EXPECT_EQ(r.status, fc.status) << how << "\n" << r.err;
            EXPECT_EQ(r.out, fc.out) << how;
            EXPECT_EQ(r.err, fc.status ? "No matching entry was found\n" : "") << how;
        }
    }
}

TEST(CliFind, RefusesBadArgumentsAndQueries)
{
    Catalogue c;
    const struct {
        std::vector<std::string> args;
        std::string err; // the start of what is said
    } cases[] = {
        {{"find", "read", "--limit", "0"}, "rackmere-cli find: --limit takes a number of matches from 1 on"},
        {{"find", "read", "--limit", "2x"}, "rackmere-cli find: --limit takes a number of matches from 1 on"},
        {{"find", "read", "--json", "-0"}, "rackmere-cli find: --json and -0 are two ways of printing"},
        {{"find", "read", "--bogus"}, "rackmere-cli find: unknown option --bogus"},
        // The position counts characters: "é" is two bytes and one place.
        {{"find", "\xC3\xA9t\xC3\xA9)"}, "rackmere-cli find: bad query at position 4: "},
    };
    for (const auto &tc : cases) {
        const CliResult r = c.run(tc.args);
        EXPECT_EQ(r.status, 2) << tc.args[1];
        EXPECT_EQ(r.out, "") << tc.args[1];
        EXPECT_EQ(r.err.rfind(tc.err, 0), 0u) << r.err;
    }
    // The query again, with a caret under the place of the fault.
    const std::string err = c.run({"find", "\xC3\xA9t\xC3\xA9)"}).err;
    EXPECT_EQ(err.substr(err.find('\n')), "\n  \xC3\xA9t\xC3\xA9)\n     ^\n") << err;
}

TEST(CliFind, TheIndexFollowsListingsChangedBehindItsBackAndByWriters)
{
    IndexedCatalogue c;
    ASSERT_EQ(c.run({"find", "pic"}).out, "Photos/pic.jpg\n");
    ASSERT_EQ(c.run({"find", "pic"}, true).out, "Photos/pic.jpg\n");

    // Another program puts a listing of the same size and time in place.
    struct stat before {};
    ASSERT_EQ(::stat(c.dir.file("1.rkm").c_str(), &before), 0);
    {
        CatalogStore other(c.path());
        ASSERT_TRUE(other.LoadCatalog().empty());
        TreeNode *photos = other.Tree().findByFileName("1.rkm");
        photos->disk().Files.setText(0, FT_NAME, "pid.jpg");
        test::WriteDisk(c.path(), "1.rkm", *photos);
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, c.dir.file("1.rkm").c_str(), times, 0), 0);
    ASSERT_EQ(test::ReadBytes(c.dir.file("1.rkm")).size(), static_cast<std::size_t>(before.st_size));

    CliResult r = c.run({"find", "pic"});
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(c.run({"find", "pid"}).out, "Photos/pid.jpg\n");
    EXPECT_EQ(c.run({"find", "pid"}, true).out, "Photos/pid.jpg\n");

    // A command that writes brings the index up to date as it ends.
    r = c.run({"describe", "Work", "notes.txt", "--description", "minutes of the board"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = c.run({"find", "desc:board"}, true);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Work/notes.txt\n");
    // A new listing joins the index beside the others.
    const TempDir tree;
    test::WriteBytes(tree.file("beach.jpg"), "sand");
    r = c.run({"add", tree.path(), "--name", "Trip"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = c.run({"find", "pid | beach | notes"}, true);
    EXPECT_EQ(r.out, "Photos/pid.jpg\nTrip/beach.jpg\nWork/notes.txt\n") << r.err;
    r = c.run({"delete", "Photos"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = c.run({"find", "pid"}, true);
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(r.out, "");
}

TEST(CliFind, ABigCatalogueIsIndexedByAProcessOfItsOwnAfterTheAnswer)
{
    // Every catalogue counts as big here: the first search answers from the
    // load and leaves; the index appears a moment later without another run.
    const IndexedCatalogue c;
    test::RunOptions o{.programDir = c.path(),
                       .env = {{"XDG_CACHE_HOME", c.cache.path()}, {"RACKMERE_INDEX_BACKGROUND_ENTRIES", "1"}}};
    const CliResult first = test::RunCli({"find", "pic"}, o);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Photos/pic.jpg\n");
    CliResult fromIndex;
    for (int i = 0; i < 200 && fromIndex.out.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        fromIndex = c.run({"find", "pic"}, true);
    }
    EXPECT_EQ(fromIndex.status, 0) << fromIndex.err;
    EXPECT_EQ(fromIndex.out, "Photos/pic.jpg\n");
}
