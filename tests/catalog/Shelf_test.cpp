// Where a disk is kept: the texts as kept, and the keys they are kept under
// (their life through update, rename and reload: tests/cli/Shelf_test.cpp).
#include "catalog/Shelf.h"

#include <gtest/gtest.h>

using namespace rkm;

TEST(Shelf, TypedTextsAreKeptOnOneLineAndWithinTheirRoom)
{
    std::string accents; // counted in bytes of UTF-8: 501 two-byte letters are 1,002 bytes
    for (int i = 0; i < 501; ++i)
        accents += "\xc3\xa9";
    const std::string full(MAX_SHELF_TEXT_BYTES, 'x'), over(MAX_SHELF_TEXT_BYTES + 1, 'x');
    const struct {
        std::string typed, kept;
        bool refused;
    } cases[] = {
        {"  Shelf B3\t", "Shelf B3", false}, {"Ann\r\n3 May\rback\nsoon", "Ann 3 May back soon", false},
        {"\n", "", false},  {full, full, false}, {over, over, true}, {accents, accents, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 40));
        EXPECT_EQ(ShelfTextOf(c.typed), c.kept);
        EXPECT_EQ(!ShelfTextProblem("location", c.kept).empty(), c.refused);
    }
    EXPECT_EQ(ShelfTextProblem("lent to", std::string(1204, 'x')),
              "The lent to is 1,204 bytes long; at most 1,000 bytes are kept.");
}

// Written over a full shelf: what is empty (or ask) now goes, other keys stay.
TEST(Shelf, EmptyTextsAndAskLeaveTheirKeysOut)
{
    const ListingExtras others = {{EXTRA_READING, "archives"}, {EXTRA_VOLUME_UUID, "1A2B-3C4D"}};
    ListingExtras full = others;
    full.insert({{EXTRA_LOCATION, "old"}, {EXTRA_LENT_TO, "old"}, {EXTRA_ON_MOUNT, "update"}});
    const struct {
        Shelf shelf;
        ListingExtras added;
    } cases[] = {
        {Shelf{}, {}},
        {Shelf{"Shelf B3", "", OnMount::Ask}, {{EXTRA_LOCATION, "Shelf B3"}}},
        {Shelf{"", "Ann", OnMount::Update}, {{EXTRA_LENT_TO, "Ann"}, {EXTRA_ON_MOUNT, "update"}}},
        {Shelf{"", "", OnMount::Ignore}, {{EXTRA_ON_MOUNT, "ignore"}}},
    };
    for (const auto &c : cases) {
        ListingExtras expected = others;
        expected.insert(c.added.begin(), c.added.end());
        const ListingExtras written = WithShelf(full, c.shelf);
        EXPECT_EQ(written, expected);
        EXPECT_EQ(ShelfOf(written), c.shelf);
    }
}
