#include "search/Finder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace rkm;

namespace {

void AddFile(TreeNode *node, std::string name, std::string desc = {}, std::string cat = {})
{
    node->disk().Files.append(FileEntry{std::move(name), std::move(desc), "01/02/2020", "12 Kb", std::move(cat)});
}

// Work/                 notes.txt (Docs), song.mp3 (Music)
//   Readings/           readme.txt, other.doc "about READ" (Docs)
//     Deep/             ReadMe.TXT (Music)
//   Empty/
// Photos/               pic.jpg "holiday" (Photos), a*b.txt
struct Sample {
    Catalog tree;
    TreeNode *work, *readings, *deep, *empty, *photos;
    Sample()
    {
        work = tree.appendDisk("Work");
        AddFile(work, "notes.txt", "meeting notes", "Docs");
        AddFile(work, "song.mp3", "", "Music");
        readings = work->appendChild("Readings");
        AddFile(readings, "readme.txt");
        AddFile(readings, "other.doc", "about READ", "Docs");
        deep = readings->appendChild("Deep");
        AddFile(deep, "ReadMe.TXT", "", "Music");
        empty = work->appendChild("Empty");
        photos = tree.appendDisk("Photos");
        AddFile(photos, "pic.jpg", "holiday", "Photos");
        AddFile(photos, "a*b.txt");
    }
};

SearchOptions Opts(std::string text, bool folders = true, bool names = true, bool descs = true)
{
    SearchOptions o;
    o.text = std::move(text);
    o.folderNames = folders;
    o.fileNames = names;
    o.descriptions = descs;
    return o;
}

SearchOptions InCategory(SearchOptions o, std::string category)
{
    o.categoryOnly = true;
    o.category = std::move(category);
    return o;
}

SearchOptions CaseSensitive(SearchOptions o)
{
    o.caseSensitive = true;
    return o;
}

struct WalkCase {
    const char *what;
    SearchOptions options;
    std::vector<std::string> expected;
};

void PrintTo(const WalkCase &c, std::ostream *os)
{
    *os << c.what;
}

class SearchWalk : public ::testing::TestWithParam<WalkCase> {};

const WalkCase kWalks[] = {
    {"READ finds both spellings, the folder first, then its own files",
     Opts("READ"),
     {"Work/Readings/", "Work/Readings/readme.txt", "Work/Readings/other.doc", "Work/Readings/Deep/ReadMe.TXT"}},
    {"READ by file name only", Opts("READ", false, true, false),
     {"Work/Readings/readme.txt", "Work/Readings/Deep/ReadMe.TXT"}},
    {"READ case-sensitive by file name finds neither", CaseSensitive(Opts("READ", false, true, false)), {}},
    {"READ case-sensitive finds the description", CaseSensitive(Opts("READ")), {"Work/Readings/other.doc"}},
    {"empty text with file names matches every entry in order", Opts("", true, true, false),
     {"Work/notes.txt", "Work/song.mp3", "Work/Readings/readme.txt", "Work/Readings/other.doc",
      "Work/Readings/Deep/ReadMe.TXT", "Photos/pic.jpg", "Photos/a*b.txt"}},
    {"empty text with only folder names matches nothing", Opts("", true, false, false), {}},
    {"category walk with empty text", InCategory(Opts(""), "Docs"), {"Work/notes.txt", "Work/Readings/other.doc"}},
    {"category walk needs no text boxes", InCategory(Opts("", false, false, false), "Music"),
     {"Work/song.mp3", "Work/Readings/Deep/ReadMe.TXT"}},
    {"category compared with its letter case", InCategory(Opts(""), "docs"), {}},
    {"no category picked means entries without one", InCategory(Opts("", false), ""),
     {"Work/Readings/readme.txt", "Photos/a*b.txt"}},
    {"category restriction before the text", InCategory(Opts("read", false), "Music"),
     {"Work/Readings/Deep/ReadMe.TXT"}},
    {"category restriction leaves folder names alone", InCategory(Opts("deep"), "Docs"), {"Work/Readings/Deep/"}},
    {"disk names are tested like folders", Opts("photos"), {"Photos/"}},
    {"the date and size texts do not count", Opts("Kb"), {}},
    {"the category text is not searched", Opts("music", false), {}},
    {"asterisk is a plain character", Opts("*"), {"Photos/a*b.txt"}},
    {"description only", Opts("holiday", true, false, true), {"Photos/pic.jpg"}},
    {"description not searched when unchecked", Opts("holiday", true, true, false), {}},
};

} // namespace

TEST_P(SearchWalk, VisitsEveryMatchOnceInPreOrder)
{
    Sample s;
    EXPECT_EQ(test::FindNextPaths(s.tree, GetParam().options), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchWalk, ::testing::ValuesIn(kWalks));

TEST(Finder, FindNextAfterFolderMatchStartsWithItsFirstEntry)
{
    Sample s;
    const Finder f(Opts("read"));
    const SearchHit folder = f.findFirst(s.tree);
    ASSERT_EQ(folder.node, s.readings);
    EXPECT_EQ(folder.entry, -1);
    const SearchHit file = f.findNext(s.tree, folder.node, 0);
    EXPECT_EQ(file.node, s.readings);
    EXPECT_EQ(file.entry, 0);
}

TEST(Finder, ContinuedSearchDoesNotTestTheCurrentNodesName)
{
    Sample s;
    const Finder f(Opts("deep"));
    EXPECT_FALSE(f.findNext(s.tree, s.deep, 0));
    EXPECT_EQ(f.findNext(s.tree, s.readings, 0).node, s.deep);
}

TEST(Finder, FindNextWithoutNodeIsANewSearch)
{
    Sample s;
    const Finder f(Opts("work"));
    const SearchHit h = f.findNext(s.tree, nullptr, 5);
    EXPECT_EQ(h.node, s.work);
    EXPECT_EQ(h.entry, -1);
}

TEST(Finder, FindNextAfterTheLastMatchFindsNothingAgainAndAgain)
{
    Sample s;
    const Finder f(Opts("a*b"));
    const SearchHit last = f.findFirst(s.tree);
    ASSERT_EQ(last.node, s.photos);
    ASSERT_EQ(last.entry, 1);
    EXPECT_FALSE(f.findNext(s.tree, last.node, last.entry + 1));
    EXPECT_FALSE(f.findNext(s.tree, last.node, last.entry + 1));
}

TEST(Finder, ContinuationPastTheEndOfAFolderGoesOnWithTheNextNode)
{
    Sample s;
    const Finder f(Opts("", false, true, false));
    const SearchHit h = f.findNext(s.tree, s.deep, 99);
    EXPECT_EQ(h.node, s.photos); // Empty has no files
    EXPECT_EQ(h.entry, 0);
}

// A listing written on Windows holds Windows-1252. The search finds its
// texts as they read, case-sensitive or not, by name, description and
// category, whether the folder's buffer is scanned whole or entry by entry.
TEST(Finder, TextsOfWindowsListingsAreFoundAsTheyRead)
{
    struct Case {
        const char *what;
        SearchOptions options;
        std::vector<std::string> expected;
    };
    SearchOptions cs;
    cs.caseSensitive = true;
    const auto with = [](SearchOptions o, std::string text, std::string category = {}, bool categoryOnly = false) {
        o.text = std::move(text);
        o.category = std::move(category);
        o.categoryOnly = categoryOnly;
        return o;
    };
    const std::vector<Case> cases = {
        {"case-sensitive, Windows-1252 name", with(cs, "\xC3\x89" "COLE"), {"Win/\xC9" "COLE.doc", "Win/\xC3\x89" "COLE.txt"}},
        {"case-sensitive, other case", with(cs, "\xC3\xA9" "cole"), {"Win/r\xE9sum\xE9 \xE9" "cole.doc"}},
        {"case-sensitive, description", with(cs, "\xC3\xA9t\xC3\xA9"), {"Win/r\xE9sum\xE9 \xE9" "cole.doc"}},
        {"case-insensitive", with({}, "\xC3\xA9" "cole"),
         {"Win/\xC9" "COLE.doc", "Win/r\xE9sum\xE9 \xE9" "cole.doc", "Win/\xC3\x89" "COLE.txt"}},
        {"category as typed in UTF-8", with({}, "", "Cat\xE2\x80\x99s", true), {"Win/\xC9" "COLE.doc", "Win/\xC3\x89" "COLE.txt"}},
        {"category with the pattern", with({}, "cole.doc", "Cat\xE2\x80\x99s", true), {"Win/\xC9" "COLE.doc"}},
        {"no false friend", with(cs, "\xC3\x83\xC2\xA9"), {}},
    };
    for (bool edited : {false, true}) {
        Catalog tree;
        TreeNode *win = tree.appendDisk("Win");
        AddFile(win, "\xC9" "COLE.doc", "", "Cat\x92s");             // Windows-1252
        AddFile(win, "r\xE9sum\xE9 \xE9" "cole.doc", "\xE9t\xE9 1999"); // Windows-1252
        AddFile(win, "plain.txt", "ascii");
        AddFile(win, "mix\xE9 \xC3\x83\xC2\xA9.bin"); // not UTF-8 as a whole: "mixé Ãƒâ©.bin"
        AddFile(win, "\xC3\x89" "COLE.txt", "", "Cat\xE2\x80\x99s");     // UTF-8
        if (edited) // entries out of buffer order: tested one by one
            win->disk().Files.setText(2, FT_DESCRIPTION, "edited");
        for (const Case &c : cases)
            EXPECT_EQ(test::FindNextPaths(tree, c.options), c.expected) << c.what << (edited ? ", edited" : "");
    }
}

TEST(Finder, EmptyCatalogue)
{
    Catalog tree;
    EXPECT_FALSE(Finder(Opts("")).findFirst(tree));
    EXPECT_FALSE(Finder(InCategory(Opts(""), "")).findFirst(tree));
}

TEST(Finder, PreOrderVisitsEveryNodeOnce)
{
    Sample s;
    std::vector<const TreeNode *> seen;
    for (TreeNode *n = s.tree.disk(0); n; n = NextInPreOrder(s.tree, n))
        seen.push_back(n);
    EXPECT_EQ(seen, (std::vector<const TreeNode *>{s.work, s.readings, s.deep, s.empty, s.photos}));
}

TEST(Finder, EditedEntriesAreSearchedWithTheirNewTexts)
{
    Sample s;
    s.readings->disk().Files.setText(0, FT_DESCRIPTION, "now about cats");
    s.readings->disk().Files.setText(1, FT_NAME, "cat.doc");
    EXPECT_EQ(test::FindNextPaths(s.tree, Opts("CAT", false)),
              (std::vector<std::string>{"Work/Readings/readme.txt", "Work/Readings/cat.doc"}));
    EXPECT_EQ(test::FindNextPaths(s.tree, Opts("other", false)), std::vector<std::string>{});
}
