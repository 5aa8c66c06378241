// Where a disk is kept: the texts as kept, and the keys through every step
// of a listing's life.
#include "catalog/CatalogStore.h"
#include "catalog/Shelf.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace rkm;

TEST(Shelf, TypedTextsAreKeptOnOneLineAndWithinTheirRoom)
{
    // Counted in bytes of UTF-8: 501 two-byte letters are 1,002 bytes.
    std::string accents;
    for (int i = 0; i < 501; ++i)
        accents += "\xc3\xa9";
    const struct {
        std::string typed;
        std::string kept;
        bool refused;
    } cases[] = {
        {"Shelf B3, box 2", "Shelf B3, box 2", false},
        {"  Shelf B3\t", "Shelf B3", false},
        {"Ann\r\n3 May\rback\nsoon", "Ann 3 May back soon", false},
        {"\n", "", false},
        {std::string(MAX_SHELF_TEXT_BYTES, 'x'), std::string(MAX_SHELF_TEXT_BYTES, 'x'), false},
        {std::string(MAX_SHELF_TEXT_BYTES + 1, 'x'), std::string(MAX_SHELF_TEXT_BYTES + 1, 'x'), true},
        {accents, accents, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 40));
        const std::string kept = ShelfTextOf(c.typed);
        EXPECT_EQ(kept, c.kept);
        const std::string problem = ShelfTextProblem("location", kept);
        EXPECT_EQ(!problem.empty(), c.refused) << problem;
    }
    EXPECT_EQ(ShelfTextProblem("lent to", std::string(1204, 'x')),
              "The lent to is 1,204 bytes long; at most 1,000 bytes are kept.");
}

TEST(Shelf, EmptyTextsAndAskLeaveTheirKeysOut)
{
    const ListingExtras others = {{EXTRA_READING, "archives"}, {EXTRA_VOLUME_UUID, "1A2B-3C4D"}};
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
        // Written over a full shelf: what is empty now goes.
        ListingExtras before = others;
        before[EXTRA_LOCATION] = "old";
        before[EXTRA_LENT_TO] = "old";
        before[EXTRA_ON_MOUNT] = "update";
        ListingExtras expected = others;
        expected.insert(c.added.begin(), c.added.end());
        const ListingExtras written = WithShelf(before, c.shelf);
        EXPECT_EQ(written, expected);
        EXPECT_EQ(ShelfOf(written), c.shelf);
    }
}

// The shelf is the listing's, not its file's: it stays through Update (with
// other reading choices and from another volume), Rename and an annotation,
// each seen by a program started afresh.
TEST(Shelf, StaysWithTheListingThroughItsLife)
{
    test::TempDir tmp;
    const std::string dir = tmp.path();
    const auto open = [&] {
        auto store = std::make_unique<CatalogStore>(dir);
        store->serialSource = [](const TDisk &) { return 0u; };
        store->volumeSource = [](const std::string &) {
            return std::optional<platform::Volume>(platform::Volume{"/media/usb", "USB", "vfat", 1000, "1A2B-3C4D"});
        };
        store->writer = true;
        EXPECT_TRUE(store->LoadCatalog().empty());
        return store;
    };
    auto store = open();
    TreeNode *box = store->AddListing(test::MakeDisk("Box", 3), {});
    const Shelf shelf{"Shelf B3, box 2", "Ann, 3 May", OnMount::Update};
    store->SetExtras(box, WithShelf(store->ExtrasOf(box), shelf));
    store->SaveListing(box, box->disk().FileName);

    const struct {
        const char *what;
        std::function<void()> change;
        const char *name;
    } steps[] = {
        {"reload", [] {}, "Box"},
        {"update",
         [&] {
             ListingExtras extras = store->ExtrasOf(box);
             extras[EXTRA_READING] = "archives tags";
             box = store->ReplaceListing(box, test::MakeDisk("Box", 4), extras);
         },
         "Box"},
        {"rename",
         [&] {
             store->RenameDisk(box, "Crate");
             store->SaveListing(box, box->disk().FileName);
         },
         "Crate"},
        {"annotate",
         [&] {
             box->disk().Comment = "edited";
             store->SaveListing(box, box->disk().FileName);
         },
         "Crate"},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        EXPECT_EQ(ShelfOf(store->ExtrasOf(box)), shelf);
        auto again = open();
        const TreeNode *disk = again->Tree().findByName(step.name);
        ASSERT_NE(disk, nullptr);
        EXPECT_EQ(ShelfOf(again->ExtrasOf(disk)), shelf);
        EXPECT_EQ(again->ExtrasOf(disk).at(EXTRA_VOLUME_UUID), "1A2B-3C4D");
    }
}
