// Copies of a file across listings and within one.

#include "search/Duplicates.h"
#include "search/Finder.h"

#include <gtest/gtest.h>

using namespace rkm;

namespace {

void AddFile(TreeNode *node, std::string name, std::string size)
{
    node->disk().Files.append(FileEntry{std::move(name), "", "01.02.2024", std::move(size), ""});
}

std::string PathOf(const EntryRef &r)
{
    std::string path;
    for (const TreeNode *n = r.node; n; n = n->parent())
        path = n->text() + "/" + path;
    return path + std::string(r.node->disk().Files.text(r.entry, FT_NAME));
}

std::vector<std::vector<std::string>> Groups(const std::vector<DuplicateGroup> &groups)
{
    std::vector<std::vector<std::string>> out;
    for (const DuplicateGroup &g : groups) {
        out.emplace_back();
        for (const EntryRef &r : g.entries)
            out.back().push_back(PathOf(r));
    }
    return out;
}

// A listing made on Windows (names in Windows-1252) and two made here
// (UTF-8): the same names in other letter cases and encodings.
struct Sample {
    Catalog tree;
    TreeNode *win, *here, *more;
    Sample()
    {
        win = tree.appendDisk("Win");
        AddFile(win, "Caf\xE9.MP3", "2000 Kb"); // Café.MP3
        AddFile(win, "movie.avi", "716800 Kb");
        AddFile(win, "small.txt", "1 Kb");
        AddFile(win->appendChild("Sub"), "SMALL.TXT", "1 Kb");
        here = tree.appendDisk("Here");
        AddFile(here, "caf\xC3\xA9.mp3", "2000 Kb");  // café.mp3
        AddFile(here, "cafe\xCC\x81.mp3", "2000 Kb"); // café.mp3, decomposed
        AddFile(here, "Movie.AVI", "716801 Kb");      // another size
        AddFile(here, "small.txt", "1 Kb");
        AddFile(here, "odd.bin", ""); // no size to compare
        more = tree.appendDisk("More");
        AddFile(more, "MOVIE.avi", "716800 Kb");
        AddFile(more, "odd.bin", "");
    }
};

TEST(FindDuplicates, AcrossEncodingsAndLetterCase)
{
    Sample s;
    DuplicateOptions o;
    o.minSize = 0;
    const auto groups = FindDuplicates(DiskNodes(s.tree), o);
    // The most space wasted first: 700 MB once, then 2000 Kb twice, then 1 Kb.
    EXPECT_EQ(Groups(groups), (std::vector<std::vector<std::string>>{
                                  {"Win/movie.avi", "More/MOVIE.avi"},
                                  {"Win/Caf\xE9.MP3", "Here/caf\xC3\xA9.mp3", "Here/cafe\xCC\x81.mp3"},
                                  {"Win/small.txt", "Win/Sub/SMALL.TXT", "Here/small.txt"},
                              }));
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].size, 716800ull * 1024);
    EXPECT_EQ(groups[0].wasted, 716800ull * 1024);
    EXPECT_EQ(groups[1].wasted, 2 * 2000ull * 1024);
    EXPECT_EQ(groups[2].size, 1025u);
}

TEST(FindDuplicates, SmallFilesHiddenAndOneListing)
{
    Sample s;
    DuplicateOptions o; // 1 MB at least
    EXPECT_EQ(Groups(FindDuplicates(DiskNodes(s.tree), o)),
              (std::vector<std::vector<std::string>>{{"Win/movie.avi", "More/MOVIE.avi"},
                                                     {"Win/Caf\xE9.MP3", "Here/caf\xC3\xA9.mp3",
                                                      "Here/cafe\xCC\x81.mp3"}}));
    o.minSize = 0;
    o.listing = s.win;
    EXPECT_EQ(Groups(FindDuplicates(DiskNodes(s.tree), o)),
              (std::vector<std::vector<std::string>>{{"Win/small.txt", "Win/Sub/SMALL.TXT"}}));
    o.listing = s.more;
    EXPECT_TRUE(FindDuplicates(DiskNodes(s.tree), o).empty());
}

TEST(DuplicateNameKey, DecodedLowerCasedComposed)
{
    EXPECT_EQ(DuplicateNameKey("Caf\xE9.MP3"), "caf\xC3\xA9.mp3");
    EXPECT_EQ(DuplicateNameKey("CAFE\xCC\x81.mp3"), "caf\xC3\xA9.mp3");
    EXPECT_EQ(DuplicateNameKey("Plain.TXT"), "plain.txt");
}

} // namespace
