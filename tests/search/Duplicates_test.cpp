// Copies of a file across listings and within one.

#include "search/Duplicates.h"
#include "search/Finder.h"
#include "platform/TextValues.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

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

// A catalogue large enough to be grouped by two threads, with names in
// other letter cases and encodings and sizes that collide, against the rule
// written plainly: one group per name key and size, catalogue order within,
// the most space wasted first.
TEST(FindDuplicates, ManyEntriesAsThePlainRuleGroupsThem)
{
    const uint32_t seed = test::FreshTestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    Catalog tree;
    const char *const spellings[] = {"caf\xC3\xA9", "CAF\xC3\x89", "Caf\xE9", "cafe\xCC\x81", "file", "FILE"};
    const char *const sizes[] = {"10 bytes", "1 Kb", "2 Kb", "2048 bytes", "3 Kb"};
    std::vector<EntryRef> all;
    for (int d = 0; d < 8; ++d) {
        TreeNode *disk = tree.appendDisk("D" + std::to_string(d));
        for (int f = 0; f < 40; ++f) {
            TreeNode *folder = disk->appendChild("F" + std::to_string(f));
            for (int i = 0; i < 250; ++i) {
                const std::string name = std::string(spellings[rng() % 6]) + std::to_string(rng() % 3000) + ".txt";
                AddFile(folder, name, sizes[rng() % 5]);
                all.push_back({folder, folder->disk().Files.count() - 1});
            }
        }
    }
    std::map<std::pair<std::string, std::string>, std::vector<EntryRef>> plain;
    for (const EntryRef &r : all) {
        const FileEntryView e = r.node->disk().Files.entry(r.entry);
        const auto span = platform::ReadSizeText(e[FT_SIZE]);
        plain[{DuplicateNameKey(e[FT_NAME]), std::to_string(span->low) + "-" + std::to_string(span->high)}]
            .push_back(r);
    }
    std::vector<std::pair<uint64_t, std::vector<std::string>>> expected;
    for (const auto &[key, refs] : plain)
        if (refs.size() > 1) {
            DuplicateGroup g;
            g.entries = refs;
            const uint64_t size = platform::ReadSizeText(refs[0].node->disk().Files.text(refs[0].entry, FT_SIZE))->low;
            expected.push_back({size * (refs.size() - 1), Groups({g})[0]});
        }
    DuplicateOptions o;
    o.minSize = 0;
    const std::vector<DuplicateGroup> found = FindDuplicates(DiskNodes(tree), o);
    ASSERT_EQ(found.size(), expected.size());
    // The same groups, each in catalogue order, and the most wasted first.
    std::vector<std::pair<uint64_t, std::vector<std::string>>> got;
    for (const DuplicateGroup &g : found)
        got.push_back({g.wasted, Groups({g})[0]});
    for (std::size_t i = 1; i < got.size(); ++i)
        ASSERT_GE(got[i - 1].first, got[i].first);
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(got, expected);
}

TEST(DuplicateNameKey, DecodedLowerCasedComposed)
{
    EXPECT_EQ(DuplicateNameKey("Caf\xE9.MP3"), "caf\xC3\xA9.mp3");
    EXPECT_EQ(DuplicateNameKey("CAFE\xCC\x81.mp3"), "caf\xC3\xA9.mp3");
    EXPECT_EQ(DuplicateNameKey("Plain.TXT"), "plain.txt");
}

} // namespace
