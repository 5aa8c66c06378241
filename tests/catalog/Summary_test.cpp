#include "catalog/Summary.h"

#include <gtest/gtest.h>

using namespace rkm;

namespace {

std::vector<std::string> numbered(std::size_t n, const std::string &stem = "item ")
{
    std::vector<std::string> items;
    for (std::size_t i = 0; i < n; ++i)
        items.push_back(stem + std::to_string(i));
    return items;
}

} // namespace

TEST(Summary, ListsAFewItemsAndCountsTheRest)
{
    const struct {
        const char *what;
        std::size_t items, most;
        std::size_t lines;
        std::string last;
    } cases[] = {
        {"none", 0, 20, 0, ""},
        {"one", 1, 20, 1, "item 0"},
        {"exactly the most", 20, 20, 20, "item 19"},
        {"one more", 21, 20, 21, "\u2026 and 1 more"},
        {"thousands", 3000, 20, 21, "\u2026 and 2,980 more"},
        {"grouped by thousands", 12345 + 3, 3, 4, "\u2026 and 12,345 more"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> lines = SummarizeList(numbered(c.items), c.most);
        ASSERT_EQ(lines.size(), c.lines);
        if (c.lines) {
            EXPECT_EQ(lines.back(), c.last);
        }
        for (std::size_t i = 0; i < std::min(c.items, c.most); ++i)
            EXPECT_EQ(lines[i], "item " + std::to_string(i));
    }
}

TEST(Summary, LongItemsAreCutAtAWholeCharacter)
{
    const struct {
        std::string item;
        std::string expected;
    } cases[] = {
        {std::string(SUMMARY_ITEM_BYTES, 'x'), std::string(SUMMARY_ITEM_BYTES, 'x')},
        {std::string(SUMMARY_ITEM_BYTES + 1, 'x'), std::string(SUMMARY_ITEM_BYTES, 'x') + "\u2026"},
        // A two-byte character across the bound is left out whole.
        {std::string(SUMMARY_ITEM_BYTES - 1, 'x') + "\u00e9", std::string(SUMMARY_ITEM_BYTES - 1, 'x') + "\u2026"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SummaryItem(c.item), c.expected);
}

TEST(Summary, ShortenedTextsOfSeveralListings)
{
    const struct {
        const char *what;
        std::vector<ShortenedListing> listings;
        std::vector<std::string> expected;
    } cases[] = {
        {"all fit",
         {{"1.rkm", "A", {"a (name)", "b (name)"}}, {"2.rkm", "B", {"c (comment)"}}},
         {"Listing 'A' (1.rkm):", "    a (name)", "    b (name)", "Listing 'B' (2.rkm):", "    c (comment)"}},
        {"cut inside a listing",
         {{"1.rkm", "A", numbered(10, "t")}},
         {"Listing 'A' (1.rkm):", "    t0", "    t1", "    t2", "    t3", "\u2026 and 6 more"}},
        {"no listing line without a text",
         {{"1.rkm", "A", numbered(3, "a")}, {"2.rkm", "B", numbered(3, "b")}},
         {"Listing 'A' (1.rkm):", "    a0", "    a1", "    a2", "\u2026 and 3 more"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SummarizeShortened(c.listings, 5), c.expected);
    }
}
