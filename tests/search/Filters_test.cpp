// Narrowing a search: name patterns, size and date ranges, one listing; and
// Find all against repeated Find next.

#include "search/Finder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace rkm;

namespace {

void AddFile(TreeNode *node, std::string name, std::string size, std::string date, std::string desc = {})
{
    node->disk().Files.append(FileEntry{std::move(name), std::move(desc), std::move(date), std::move(size), ""});
}

// Work (dates day first)      notes.txt 1024 bytes 31.12.2023, ReadMe.TXT 1 Kb 01.01.2024 "about READ"
//   Readings/                 readme.txt 2 Kb 13.01.2024, caf\xC3\xA9.txt 5 bytes 05.02.2024
// Old (Windows, month first)  Caf\xE9.txt 3 Kb 12/31/2023, a*b.txt 0 bytes 01/13/2024
//   Readings/                 movie.avi 716800 Kb 02/29/2024
struct Sample {
    Catalog tree;
    TreeNode *work, *readings, *old, *oldReadings;
    Sample()
    {
        work = tree.appendDisk("Work");
        AddFile(work, "notes.txt", "1024 bytes", "31.12.2023");
        AddFile(work, "ReadMe.TXT", "1 Kb", "01.01.2024", "about READ");
        readings = work->appendChild("Readings");
        AddFile(readings, "readme.txt", "2 Kb", "13.01.2024");
        AddFile(readings, "caf\xC3\xA9.txt", "5 bytes", "05.02.2024");
        old = tree.appendDisk("Old");
        AddFile(old, "Caf\xE9.txt", "3 Kb", "12/31/2023");
        AddFile(old, "a*b.txt", "0 bytes", "01/13/2024");
        oldReadings = old->appendChild("Readings");
        AddFile(oldReadings, "movie.avi", "716800 Kb", "02/29/2024");
    }
};

std::vector<std::string> ByFindAll(const Catalog &tree, const SearchOptions &o)
{
    std::vector<std::string> out;
    Finder(o).findAll(tree, [&](const SearchHit &h) { out.push_back(test::HitPath(h)); });
    return out;
}

struct Case {
    const char *what;
    SearchOptions options;
    std::vector<std::string> expected;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.what;
}

SearchOptions Text(std::string text, bool wildcards = true)
{
    SearchOptions o;
    o.text = std::move(text);
    o.wildcards = wildcards;
    return o;
}

template <class F> SearchOptions With(SearchOptions o, F f)
{
    f(o);
    return o;
}

const std::vector<Case> &Cases()
{
    static Sample s; // for the listing pointer
    static const std::vector<Case> cases = {
        // Name patterns and the substring rule.
        {"a pattern must fit the whole name",
         Text("*.txt"),
         {"Work/notes.txt", "Work/ReadMe.TXT", "Work/Readings/readme.txt", "Work/Readings/caf\xC3\xA9.txt",
          "Old/Caf\xE9.txt", "Old/a*b.txt"}},
        {"a folder name must fit it whole too",
         Text("read*"),
         {"Work/ReadMe.TXT", "Work/Readings/", "Work/Readings/readme.txt", "Old/Readings/"}},
        {"without wildcards the text is found anywhere", Text("eadm"), {"Work/ReadMe.TXT", "Work/Readings/readme.txt"}},
        {"a description fits in part",
         With(Text("about*"), [](SearchOptions &o) { o.fileNames = false; }),
         {"Work/ReadMe.TXT"}},
        {"? is one character, in UTF-8 and Windows-1252 alike",
         Text("caf?.txt"),
         {"Work/Readings/caf\xC3\xA9.txt", "Old/Caf\xE9.txt"}},
        {"letter case counts when asked",
         With(Text("Read*"), [](SearchOptions &o) { o.caseSensitive = true; }),
         {"Work/ReadMe.TXT", "Work/Readings/", "Old/Readings/"}},
        {"a pattern without wildcards enabled is plain text", Text("a*b", false), {"Old/a*b.txt"}},
        {"the pattern * fits every name",
         With(Text("*"),
              [](SearchOptions &o) {
                  o.fileNames = false;
                  o.descriptions = false;
              }),
         {"Work/", "Work/Readings/", "Old/", "Old/Readings/"}},
        // Size ranges at their edges: "1 Kb" is 1025 to 2047 bytes.
        {"from 1024 bytes",
         With(Text(""),
              [](SearchOptions &o) {
                  o.minSize = 1024;
                  o.maxSize = 1024;
              }),
         {"Work/notes.txt"}},
        {"up to 1 KB: 1 Kb may be larger, so it is left out",
         With(Text(""),
              [](SearchOptions &o) {
                  o.minSize = 1;
                  o.maxSize = 1024;
              }),
         {"Work/notes.txt", "Work/Readings/caf\xC3\xA9.txt"}},
        {"from 2047 bytes: 1 Kb may be that large",
         With(Text(""),
              [](SearchOptions &o) {
                  o.minSize = 2047;
                  o.maxSize = 2048;
              }),
         {"Work/ReadMe.TXT", "Work/Readings/readme.txt"}},
        {"from 700 MB, and names no longer match",
         With(Text("read"),
              [](SearchOptions &o) {
                  o.fileNames = false;
                  o.minSize = 700ull << 20;
              }),
         {}},
        {"from 700 MB", With(Text(""), [](SearchOptions &o) { o.minSize = 700ull << 20; }), {"Old/Readings/movie.avi"}},
        // Date ranges at their edges, each listing read in its own order.
        {"the last day of 2023",
         With(Text(""), [](SearchOptions &o) { o.fromDate = o.toDate = QDate(2023, 12, 31); }),
         {"Work/notes.txt", "Old/Caf\xE9.txt"}},
        {"from the 13th of January 2024",
         With(Text(""), [](SearchOptions &o) { o.fromDate = QDate(2024, 1, 13); }),
         {"Work/Readings/readme.txt", "Work/Readings/caf\xC3\xA9.txt", "Old/a*b.txt", "Old/Readings/movie.avi"}},
        {"up to the 1st of January 2024",
         With(Text(".txt"), [](SearchOptions &o) { o.toDate = QDate(2024, 1, 1); }),
         {"Work/notes.txt", "Work/ReadMe.TXT", "Old/Caf\xE9.txt"}},
        // One listing.
        {"only in Old", With(Text("read"), [](SearchOptions &o) { o.listing = s.old; }), {"Old/Readings/"}},
    };
    return cases;
}

class Narrowing : public ::testing::TestWithParam<Case> {};

TEST_P(Narrowing, FindNextAndFindAllAgree)
{
    Sample s;
    SearchOptions o = GetParam().options;
    if (o.listing)
        o.listing = s.tree.findByName(o.listing->text());
    EXPECT_EQ(test::FindNextPaths(s.tree, o), GetParam().expected);
    EXPECT_EQ(ByFindAll(s.tree, o), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Narrowing, ::testing::ValuesIn(Cases()));

TEST(Narrowing, OneListingFromAPositionElsewhere)
{
    Sample s;
    SearchOptions o = Text("");
    o.listing = s.old;
    const Finder f(o);
    // From the Work disk, the next match is in Old; from past Old, none.
    EXPECT_EQ(test::HitPath(f.findNext(s.tree, s.readings, 0)), "Old/Caf\xE9.txt");
    Catalog other;
    other.appendDisk("Other");
    EXPECT_FALSE(f.findFirst(other)); // a listing not in this catalogue
}

TEST(FindAll, StopsWhenAsked)
{
    Sample s;
    std::atomic<bool> stop{false};
    std::vector<std::string> seen;
    Finder(Text("")).findAll(
        DiskNodes(s.tree),
        [&](const SearchHit &h) {
            seen.push_back(test::HitPath(h));
            stop = true;
        },
        &stop);
    // The folder that was being searched is finished, no more.
    EXPECT_EQ(seen, (std::vector<std::string>{"Work/notes.txt", "Work/ReadMe.TXT"}));
}

} // namespace
