// What the store keeps of the files' contents beside each listing: written
// with it, found by fingerprint, gone with it; none in a store made before.
#include "catalog/CatalogStore.h"
#include "catalog/ListingStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>

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

// "disk:path " of each copy held, sorted.
std::string Held(const std::string &dir, const Fingerprint &f)
{
    std::set<std::string> held;
    auto store = Open(dir, false);
    for (const CatalogStore::HeldCopy &h : store->Holding(f))
        held.insert(h.disk->text() + ":" + h.path + " ");
    std::string out;
    for (const std::string &h : held)
        out += h;
    return out;
}

TEST(ContentStore, RecordsTravelWithTheirListing)
{
    test::TempDir tmp;
    const std::string dir = tmp.file("catalog/");
    test::MakeDirs(dir);
    const Fingerprint f{7, 8};
    const std::string jpeg("\xff\xd8jpeg\0!", 8);
    auto add = [&](const char *name, ContentRecords records) {
        Open(dir)->AddListing(test::MakeDisk(name, 1), {}, {}, std::make_shared<MemoryContents>(records));
    };
    add("Box", {{"Box-file0.txt", 3, 1000, f, jpeg}});
    add("Old", {{"Old-file0.txt", 3, 5, f, ""}});
    add("Shots", {{"Shots-file0.txt", 3, 5, std::nullopt, jpeg}});
    auto reader = Open(dir, false);
    const TreeNode *box = reader->Tree().findByName("Box");
    // One file's record, and whether a listing has fingerprints, without
    // reading the listing's every record.
    EXPECT_EQ(reader->ContentOf(box, "Box-file0.txt")->fingerprint, f);
    EXPECT_EQ(reader->ContentOf(box, "Box-file0.txt")->picture, jpeg);
    EXPECT_FALSE(reader->ContentOf(box, "Box-file1.txt"));
    EXPECT_TRUE(reader->HasFingerprints(box));
    EXPECT_FALSE(reader->HasFingerprints(reader->Tree().findByName("Shots")));
    EXPECT_EQ(reader->ContentsOf(box, true).at(0).picture, jpeg);
    EXPECT_EQ(reader->ContentsOf(box, false).at(0).picture, "");
    EXPECT_EQ(reader->PictureOf(box, "Box-file0.txt"), jpeg);
    EXPECT_GT(reader->StoreRoomOf(box), 0u);
    EXPECT_EQ(Held(dir, f), "Box:Box-file0.txt Old:Old-file0.txt ");

    auto writer = Open(dir);
    writer->DeleteListing(writer->Tree().findByName("Old"));
    EXPECT_EQ(Held(dir, f), "Box:Box-file0.txt ");

    // A store made before it kept contents: none, the extras as they were;
    // a writer makes the table again for the next listing.
    const test::CliResult dropped = test::RunProgram(
        "/usr/bin/python3", {"-c", "import sqlite3, sys; c = sqlite3.connect(sys.argv[1]); "
                                   "c.execute('DROP TABLE content'); c.commit()",
                             dir + ListingStore::FILE_NAME});
    ASSERT_EQ(dropped.status, 0) << dropped.err;
    auto before = Open(dir, false);
    EXPECT_TRUE(before->ContentsOf(before->Tree().findByName("Box")).empty());
    EXPECT_EQ(Held(dir, f), "");
    add("New", {{"New-file0.txt", 3, 5, f, ""}});
    EXPECT_EQ(Held(dir, f), "New:New-file0.txt ");
}

} // namespace
