// Every reader of stored size and date texts agrees: odd texts, as listings
// made here, on Windows and by other programs hold them, go through the
// grid's sort, the search's ranges, duplicates, compare and export, and each
// must read what the one reader (ReadSizeText, ReadDateText) reads.

#include "catalog/EntryOrder.h"
#include "export/Export.h"
#include "search/Compare.h"
#include "search/Duplicates.h"
#include "search/Finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>

using namespace rkm;
using platform::SizeSpan;

namespace {

void AddFile(TreeNode *node, std::string name, std::string size, std::string date)
{
    node->disk().Files.append(FileEntry{std::move(name), "", std::move(date), std::move(size), ""});
}

// The file entries a search finds in the catalogue.
int FoundFiles(const Catalog &tree, SearchOptions o)
{
    o.text = "f.bin";
    int n = 0;
    Finder(o).findAll(tree, [&](const SearchHit &h) { n += h.entry >= 0 ? 1 : 0; });
    return n;
}

// Whether the file "f.bin" is the same in two one-file listings.
bool SameFile(const std::string &sizeA, const std::string &dateA, const std::string &sizeB, const std::string &dateB,
              const std::string &dateOrderText = "31.12.1999")
{
    Catalog tree;
    TreeNode *a = tree.appendDisk("A");
    TreeNode *b = tree.appendDisk("B");
    AddFile(a, "decides.txt", "1 bytes", dateOrderText);
    AddFile(b, "decides.txt", "1 bytes", dateOrderText);
    AddFile(a, "f.bin", sizeA, dateA);
    AddFile(b, "f.bin", sizeB, dateB);
    return CompareListings(*a, *b).equal();
}

TEST(StoredTexts, EverySizeReaderAgrees)
{
    constexpr uint64_t kMax = UINT64_MAX;
    struct Case {
        const char *text;
        std::optional<SizeSpan> span; // what every reader must make of it
    };
    const Case cases[] = {
        {"0 bytes", SizeSpan{0, 0}},
        {"1024 bytes", SizeSpan{1024, 1024}},
        {"1 Kb", SizeSpan{1025, 2047}},
        {"12 Kb", SizeSpan{12288, 13311}},
        {"12 KB", SizeSpan{12288, 13311}},
        {"5 MB", SizeSpan{5242880, 6291455}},
        {"3 TB", SizeSpan{3298534883328ull, 4398046511103ull}},
        {"1,234 bytes", SizeSpan{1234, 1234}},
        {"1,234 Kb", SizeSpan{1263616, 1264639}},
        {"1.234.567 bytes", SizeSpan{1234567, 1234567}},
        {"-1294967296 bytes", SizeSpan{3000000000ull, 3000000000ull}},
        {"18446744073709551615 bytes", SizeSpan{kMax, kMax}},
        {" 17 bytes", SizeSpan{17, 17}},
        {"99999999999999999999 bytes", std::nullopt},
        {"-0 bytes", std::nullopt},
        {"1.5 Kb", std::nullopt},
        {"", std::nullopt},
        {"garbage", std::nullopt},
    };
    const int n = static_cast<int>(std::size(cases));
    FileList all; // every text in one folder, for the grid's order
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        all.append(FileEntry{"f.bin", "", "", c.text, ""});
        // The one reader, the grid's key and export's exact size.
        EXPECT_EQ(platform::ReadSizeText(c.text), c.span);
        EXPECT_EQ(SizeSortKey(c.text), c.span ? std::optional(c.span->low) : std::nullopt);
        EXPECT_EQ(ExactSize(c.text), c.span && c.span->exact() ? std::optional(c.span->low) : std::nullopt);

        // The search's size range: any range finds a size, the range of its
        // least size too, and nothing finds a text that is no size.
        Catalog tree;
        AddFile(tree.appendDisk("D"), "f.bin", c.text, "");
        SearchOptions any;
        any.minSize = 0;
        any.maxSize = kMax;
        EXPECT_EQ(FoundFiles(tree, any), c.span ? 1 : 0);
        if (c.span) {
            SearchOptions exact;
            exact.minSize = exact.maxSize = c.span->low;
            EXPECT_EQ(FoundFiles(tree, exact), 1);
        }

        // Duplicates: two copies make a group of the least size.
        Catalog twins;
        AddFile(twins.appendDisk("A"), "f.bin", c.text, "");
        AddFile(twins.appendDisk("B"), "f.bin", c.text, "");
        DuplicateOptions d;
        d.minSize = 0;
        const auto groups = FindDuplicates({twins.disk(0), twins.disk(1)}, d);
        ASSERT_EQ(groups.size(), c.span ? 1u : 0u);
        if (c.span) {
            EXPECT_EQ(groups[0].size, c.span->low);
        }

        // Compare (and so Verify): another text of the same reading is the
        // same size, "N bytes" of the least size only when the text is exact.
        EXPECT_EQ(SameFile(c.text, "", std::string(c.text) + " ", ""), c.span.has_value());
        if (c.span) {
            EXPECT_EQ(SameFile(c.text, "", std::to_string(c.span->low) + " bytes", ""), c.span->exact());
        }
    }
    // The grid's order: by the least size, texts that are no size last in
    // either direction, ties in stored order.
    for (const bool descending : {false, true}) {
        std::vector<int> expected(static_cast<std::size_t>(n));
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const auto &sa = cases[a].span, &sb = cases[b].span;
            if (!sa || !sb)
                return sa && !sb;
            return descending ? sa->low > sb->low : sa->low < sb->low;
        });
        EXPECT_EQ(SortedEntries(all, FT_SIZE, descending), expected) << (descending ? "descending" : "ascending");
    }
}

TEST(StoredTexts, EveryDateReaderAgrees)
{
    // The first date text of a listing that tells its order.
    const std::string dmy = "31.12.1999", mdy = "12/31/1999", ymd = "1999-12-31";
    struct Case {
        const char *text;
        const std::string &listing; // the listing's other text, which tells its order
        QDate day;                   // what every reader must make of it
    };
    const Case cases[] = {
        {"31.12.99", dmy, QDate(1999, 12, 31)},
        {"12/31/99", mdy, QDate(1999, 12, 31)},
        {"05/06/2024", dmy, QDate(2024, 6, 5)},
        {"05/06/2024", mdy, QDate(2024, 5, 6)},
        {"2024-06-05", dmy, QDate(2024, 6, 5)},
        {"2023. 12. 31.", ymd, QDate(2023, 12, 31)},
        {"99/12/05", ymd, QDate(1999, 12, 5)},
        {"1/2/29", mdy, QDate(2029, 1, 2)},
        {"1/2/30", dmy, QDate(1930, 2, 1)},
        {"13/01/2020", mdy, QDate(2020, 1, 13)}, // no date month first: day first
        {"9 Dec 2026", dmy, QDate(2026, 12, 9)},
        {"1/2/123", mdy, {}},
        {"31.02.2020", dmy, {}},
        {"", dmy, {}},
        {"garbage", dmy, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" in a listing of " + c.listing);
        Catalog tree;
        TreeNode *disk = tree.appendDisk("D");
        AddFile(disk, "decides.txt", "1 bytes", c.listing);
        AddFile(disk, "f.bin", "1 bytes", c.text);
        const platform::DateOrder order = DateOrderOfListing(*disk);
        // The one reader and the grid's key, in the listing's order.
        EXPECT_EQ(platform::ReadDateText(c.text, order), c.day);
        EXPECT_EQ(DateSortKey(c.text, order), c.day.isValid() ? std::optional(c.day.toJulianDay()) : std::nullopt);
        // The grid's order: after the listing's own date unless earlier; last when no date.
        const std::vector<int> sorted = SortedEntries(disk->disk().Files, FT_DATE, false, order);
        const bool first = c.day.isValid() && c.day < QDate(1999, 12, 31);
        const std::vector<int> expected = first ? std::vector<int>{1, 0} : std::vector<int>{0, 1};
        EXPECT_EQ(sorted, expected);

        // The search's date range: a wide one finds every date, the day's own too.
        SearchOptions wide;
        wide.fromDate = QDate(1900, 1, 1);
        wide.toDate = QDate(2100, 1, 1);
        EXPECT_EQ(FoundFiles(tree, wide), c.day.isValid() ? 1 : 0);
        if (c.day.isValid()) {
            SearchOptions day;
            day.fromDate = day.toDate = c.day;
            EXPECT_EQ(FoundFiles(tree, day), 1);
        }

        // Compare (and so Verify): the same day in another format is the same date.
        EXPECT_EQ(SameFile("1 bytes", c.text, "1 bytes", std::string(c.text) + " ", c.listing), c.day.isValid());
        if (c.day.isValid()) {
            EXPECT_TRUE(SameFile("1 bytes", c.text, "1 bytes", c.day.toString(Qt::ISODate).toStdString(), c.listing));
        }
    }
}

} // namespace
