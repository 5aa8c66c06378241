// What the store keeps of the files' contents beside each listing: written
// with the listing, found by fingerprint, gone with it, and none at all in a
// store made before it kept any.
#include "catalog/CatalogStore.h"
#include "catalog/ListingStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rkm;

namespace {

std::unique_ptr<CatalogStore> Open(const std::string &dir, bool writer = true)
{
    auto store = std::make_unique<CatalogStore>(dir);
    store->serialSource = [](const TDisk &) { return 0u; };
    store->writer = writer;
    EXPECT_TRUE(store->LoadCatalog().empty());
    return store;
}

// "disk:path" of each copy held, sorted.
std::vector<std::string> Held(CatalogStore &store, const Fingerprint &f)
{
    std::vector<std::string> out;
    for (const CatalogStore::HeldCopy &h : store.Holding(f))
        out.push_back(h.disk->text() + ":" + h.path);
    std::sort(out.begin(), out.end());
    return out;
}

TEST(ContentStore, RecordsTravelWithTheirListing)
{
    test::TempDir tmp;
    const std::string dir = tmp.file("catalog/");
    test::MakeDirs(dir);
    const Fingerprint shared{7, 8}, own{9, 10};
    {
        auto store = Open(dir);
        store->AddListing(test::MakeDisk("Box", 2), {}, {},
                          std::make_shared<MemoryContents>(ContentRecords{
                              {"Box-file0.txt", 3, 1000, shared, std::string("\xff\xd8jpeg\0!", 8)},
                              {"Box-file1.txt", 4, 2000, own, ""}}));
        store->AddListing(test::MakeDisk("Other", 1), {}, {},
                          std::make_shared<MemoryContents>(ContentRecords{{"Other-file0.txt", 3, 5, shared, ""}}));
        store->AddListing(test::MakeDisk("Bare", 1), {});
    }
    // Each step, then a program started afresh reads the store.
    struct Step {
        const char *what;
        std::function<void(CatalogStore &)> change;
        std::vector<std::string> sharedHeld;
        std::size_t boxRecords;
    };
    const Step steps[] = {
        {"as written", [](CatalogStore &) {}, {"Box:Box-file0.txt", "Other:Other-file0.txt"}, 2},
        {"Other deleted", [](CatalogStore &s) { s.DeleteListing(s.Tree().findByName("Other")); },
         {"Box:Box-file0.txt"}, 2},
        {"Box deleted", [](CatalogStore &s) { s.DeleteListing(s.Tree().findByName("Box")); }, {}, 0},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.change(*Open(dir));
        auto store = Open(dir, false);
        EXPECT_EQ(Held(*store, shared), step.sharedHeld);
        const TreeNode *box = store->Tree().findByName("Box");
        const ContentRecords records = box ? store->ContentsOf(box, true) : ContentRecords{};
        ASSERT_EQ(records.size(), step.boxRecords);
        if (!box)
            continue;
        const auto first = std::find_if(records.begin(), records.end(),
                                        [](const ContentRecord &r) { return r.path == "Box-file0.txt"; });
        ASSERT_NE(first, records.end());
        EXPECT_EQ(first->size, 3u);
        EXPECT_EQ(first->modifiedNs, 1000);
        EXPECT_EQ(first->picture, std::string("\xff\xd8jpeg\0!", 8));
        EXPECT_EQ(store->PictureOf(box, "Box-file0.txt"), first->picture);
        EXPECT_EQ(store->PictureOf(box, "Box-file1.txt"), std::nullopt);
        EXPECT_TRUE(store->ContentsOf(box, false).front().picture.empty());
        EXPECT_GT(store->StoreRoomOf(box), 0u);
        EXPECT_TRUE(store->ContentsOf(store->Tree().findByName("Bare")).empty());
    }
}

TEST(ContentStore, AStoreMadeBeforeContentsReadsAsNone)
{
    test::TempDir tmp;
    const std::string dir = tmp.file("catalog/");
    test::MakeDirs(dir);
    Open(dir)->AddListing(test::MakeDisk("Box", 1), {{EXTRA_READING, "archives"}}, {},
                          std::make_shared<MemoryContents>(ContentRecords{{"Box-file0.txt", 1, 1, Fingerprint{1, 1}, ""}}));
    const test::CliResult dropped = test::RunProgram(
        "/usr/bin/python3", {"-c", "import sqlite3, sys; c = sqlite3.connect(sys.argv[1]); "
                                   "c.execute('DROP TABLE content'); c.commit()",
                             dir + ListingStore::FILE_NAME});
    ASSERT_EQ(dropped.status, 0) << dropped.err;
    auto reader = Open(dir, false);
    const TreeNode *box = reader->Tree().findByName("Box");
    ASSERT_TRUE(box);
    EXPECT_TRUE(reader->ContentsOf(box, true).empty());
    EXPECT_TRUE(reader->Holding(Fingerprint{1, 1}).empty());
    EXPECT_EQ(reader->ExtrasOf(box).at(EXTRA_READING), "archives");
    // A writer makes the table again, and the next listing keeps its own.
    Open(dir)->AddListing(test::MakeDisk("New", 1), {}, {},
                          std::make_shared<MemoryContents>(ContentRecords{{"New-file0.txt", 1, 1, Fingerprint{1, 1}, ""}}));
    EXPECT_EQ(Held(*Open(dir, false), Fingerprint{1, 1}), std::vector<std::string>{"New:New-file0.txt"});
}

} // namespace
