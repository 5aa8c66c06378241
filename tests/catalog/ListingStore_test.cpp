// The store beside the listings: what it keeps travels with its listing, a
// listing never takes another's, and a kill at any moment leaves each
// listing its own extras or its previous ones.
#include "catalog/CatalogStore.h"
#include "catalog/ListingStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rkm;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<CatalogStore> Open(const std::string &dir)
{
    auto store = std::make_unique<CatalogStore>(dir);
    store->serialSource = [](const TDisk &) { return 0u; };
    store->writer = true;
    EXPECT_TRUE(store->LoadCatalog().empty());
    return store;
}

std::string Tag(CatalogStore &store, const std::string &name)
{
    const TreeNode *disk = store.Tree().findByName(name);
    if (!disk)
        return "(no listing)";
    const ListingExtras extras = store.ExtrasOf(disk);
    const auto tag = extras.find("tag");
    return tag == extras.end() ? std::string() : tag->second;
}

TEST(ListingStore, ExtrasTravelWithTheListing)
{
    test::TempDir tmp;
    const std::string dir = tmp.file("one/"), copy = tmp.file("copy/"), alone = tmp.file("alone/");
    test::MakeDirs(dir);
    auto store = Open(dir);
    TreeNode *box = store->AddListing(test::MakeDisk("Box", 3), {{EXTRA_READING, "archives"}, {"tag", "box"}});
    store->AddListing(test::MakeDisk("Other", 1), {{"tag", "other"}});
    const std::string first = box->disk().FileName;

    // Each step changes the catalogue, then a program started afresh reads it.
    struct Step {
        const char *what;
        std::function<void()> change;
        const char *boxTag; // nullptr: Box is gone
    };
    const Step steps[] = {
        {"rename",
         [&] {
             store->RenameDisk(box, "Crate");
             store->SaveListing(box, box->disk().FileName);
         },
         "box"},
        {"annotate",
         [&] {
             box->disk().Comment = "edited";
             store->SaveListing(box, box->disk().FileName);
         },
         "box"},
        {"update",
         [&] {
             auto fresh = test::MakeDisk("Crate", 4);
             box = store->ReplaceListing(box, std::move(fresh));
         },
         "box"},
        {"new extras",
         [&] {
             store->SetExtras(box, {{"tag", "crate"}});
             store->SaveListing(box, box->disk().FileName);
         },
         "crate"},
        {"delete", [&] { ASSERT_TRUE(store->DeleteListing(box)); }, nullptr},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        auto again = Open(dir);
        EXPECT_EQ(Tag(*again, "Other"), "other");
        if (step.boxTag) {
            EXPECT_EQ(Tag(*again, "Crate"), step.boxTag);
            // The store keeps rows for the listing files there are, no more.
            EXPECT_EQ(ListingStore(dir).Files(), test::ListingFileNames(dir));
        } else {
            EXPECT_EQ(Tag(*again, "Crate"), "(no listing)");
        }
        if (std::string(step.what) == "update") {
            EXPECT_NE(box->disk().FileName, first);
        }
        if (std::string(step.what) == "new extras") {
            // A folder copied whole keeps them; a listing file copied alone
            // loads without them.
            fs::copy(dir, copy);
            test::MakeDirs(alone);
            fs::copy(dir + box->disk().FileName, alone + box->disk().FileName);
            EXPECT_EQ(Tag(*Open(copy), "Crate"), "crate");
            EXPECT_EQ(Tag(*Open(alone), "Crate"), "");
        }
    }
    EXPECT_EQ(ListingStore(dir).Files(), test::ListingFileNames(dir));
}

// Add new and Update keep when the disk was read; a rename or an annotation
// does not change it, and a listing from before it was kept has none.
TEST(ListingStore, TheTimeADiskWasReadFollowsItsListing)
{
    test::TempDir tmp;
    const std::string dir = tmp.path();
    test::WriteDisk(dir, "1.rkm", *test::MakeDisk("Old", 2));
    auto store = Open(dir);
    const auto recent = [](const QDateTime &t) {
        return t.isValid() && std::abs(t.secsTo(QDateTime::currentDateTimeUtc())) <= 5;
    };
    TreeNode *box = store->AddListing(test::MakeDisk("Box", 3), {});
    EXPECT_TRUE(recent(Open(dir)->LastRead(Open(dir)->Tree().findByName("Box"))));
    EXPECT_FALSE(store->LastRead(store->Tree().findByName("Old")).isValid());

    const QDateTime long_ago = QDateTime::fromString("2001-02-03T04:05:06Z", Qt::ISODate);
    store->SetExtras(box, {{EXTRA_READ_AT, "2001-02-03T04:05:06Z"}});
    store->RenameDisk(box, "Crate");
    box->disk().Comment = "edited";
    store->SaveListing(box, box->disk().FileName);
    auto again = Open(dir);
    EXPECT_EQ(again->LastRead(again->Tree().findByName("Crate")), long_ago);

    box = store->ReplaceListing(box, test::MakeDisk("Crate", 4));
    again = Open(dir);
    EXPECT_TRUE(recent(again->LastRead(again->Tree().findByName("Crate"))));
}

// The volume a listing was read from is kept with it and renewed by each
// Update: a listing made on Windows gains a UUID at its first Update here,
// and a volume that gives less leaves no old value behind.
TEST(ListingStore, TheVolumeFollowsEachRead)
{
    test::TempDir tmp;
    auto store = Open(tmp.path());
    std::optional<platform::Volume> now;
    store->volumeSource = [&](const std::string &) { return now; };
    const auto volumeOf = [&](const char *name) {
        const ListingExtras e = store->ExtrasOf(store->Tree().findByName(name));
        std::string text;
        for (const char *key : {EXTRA_VOLUME_UUID, EXTRA_VOLUME_LABEL, EXTRA_VOLUME_FS, EXTRA_VOLUME_SIZE})
            text += (e.count(key) ? e.at(key) : "-") + " ";
        return text;
    };
    TreeNode *disk = store->AddListing(test::MakeDisk("Made on Windows", 2), {{"tag", "kept"}});
    EXPECT_EQ(volumeOf("Made on Windows"), "- - - - ");
    now = platform::Volume{"/media/usb", "USB DISK", "vfat", 8000000000, "1A2B-3C4D"};
    disk = store->ReplaceListing(disk, test::MakeDisk("Made on Windows", 3));
    EXPECT_EQ(volumeOf("Made on Windows"), "1A2B-3C4D USB DISK vfat 8000000000 ");
    now = platform::Volume{"/mnt/x", "", "ext4", 0, "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"};
    store->ReplaceListing(disk, test::MakeDisk("Made on Windows", 4));
    EXPECT_EQ(volumeOf("Made on Windows"), "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0 - ext4 - ");
    EXPECT_EQ(Tag(*store, "Made on Windows"), "kept");
}

TEST(ListingStore, ListingsOfOneFileNameInTwoCataloguesKeepTheirOwn)
{
    test::TempDir tmp;
    const std::string a = tmp.file("a/"), b = tmp.file("b/");
    test::MakeDirs(a);
    test::MakeDirs(b);
    std::string names[2];
    int i = 0;
    for (const std::string &dir : {a, b}) {
        auto store = Open(dir);
        store->Seed(7); // the same file name drawn in both
        names[i++] = store->AddListing(test::MakeDisk("Disk", 2), {{"tag", dir}})->disk().FileName;
    }
    ASSERT_EQ(names[0], names[1]);
    EXPECT_EQ(Tag(*Open(a), "Disk"), a);
    EXPECT_EQ(Tag(*Open(b), "Disk"), b);

    // A listing of that name written over the file behind the store's back
    // (copied in from the other catalogue) never takes the extras that were
    // kept for the file before.
    const std::string other = tmp.file("other.rkm");
    test::WriteDisk(tmp.path(), "other.rkm", *test::MakeDisk("Disk", 5));
    fs::copy_file(other, a + names[0], fs::copy_options::overwrite_existing);
    EXPECT_EQ(Tag(*Open(a), "Disk"), "");
}

TEST(ListingStore, AStoreThatCannotBeReadCostsOnlyTheExtras)
{
    struct Case {
        const char *what;
        std::function<void(const std::string &path)> make;
    };
    const Case cases[] = {
        {"garbage", [](const std::string &p) { test::WriteBytes(p, std::string(5000, 'x')); }},
        {"a folder", [](const std::string &p) { test::MakeDirs(p); }},
        {"a FIFO", [](const std::string &p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir tmp;
        const std::string dir = tmp.path();
        test::WriteDisk(dir, "1.rkm", *test::MakeDisk("Disk", 2));
        c.make(dir + ListingStore::FILE_NAME);
        // Read: the listing loads without extras.
        CatalogStore reader(dir);
        EXPECT_TRUE(reader.LoadCatalog().empty());
        EXPECT_TRUE(reader.ExtrasOf(reader.Tree().disk(0)).empty());
        // Written: the bad store is put aside and a new one takes the extras.
        auto store = Open(dir);
        TreeNode *disk = store->Tree().disk(0);
        store->SetExtras(disk, {{"tag", "kept"}});
        ASSERT_NO_THROW(store->SaveListing(disk, disk->disk().FileName));
        EXPECT_EQ(Tag(*Open(dir), "Disk"), "kept");
    }
}

// A writer saves and updates listings with extras while it is killed at a
// random moment, again and again. After each kill every listing has its own
// extras, of its present state or of the one before, or none (a listing
// updated whose extras were not written yet); never another's. The next
// writer completes or undoes the Update cut short: no disk is listed twice.
TEST(ListingStore, KilledWritersLeaveEachListingItsOwnExtras)
{
    const uint32_t seed = test::FreshTestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    test::TempDir tmp;
    const std::string dir = tmp.path();
    {
        auto store = Open(dir);
        for (const char *name : {"A", "B"}) {
            auto disk = test::MakeDisk(name, 20);
            disk->disk().Comment = "0";
            store->AddListing(std::move(disk), {{"tag", std::string(name) + ":0"}});
        }
    }
    for (int round = 0; round < 25; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            auto store = std::make_unique<CatalogStore>(dir);
            store->serialSource = [](const TDisk &) { return 0u; };
            store->writer = true;
            store->loadThreads = 1; // no threads in a child of fork
            store->LoadCatalog();
            for (int i = 1;; ++i) {
                for (const char *name : {"A", "B"}) {
                    TreeNode *disk = store->Tree().findByName(name);
                    if (!disk)
                        ::_exit(3);
                    const int next = std::atoi(disk->disk().Comment.c_str()) + 1;
                    const std::string tag = std::string(name) + ":" + std::to_string(next);
                    if (i % 2) {
                        disk->disk().Comment = std::to_string(next);
                        store->SetExtras(disk, {{"tag", tag}});
                        store->SaveListing(disk, disk->disk().FileName);
                    } else {
                        auto fresh = test::MakeDisk(name, 20 + i % 7);
                        fresh->disk().Comment = std::to_string(next);
                        store->ReplaceListing(disk, std::move(fresh), ListingExtras{{"tag", tag}});
                    }
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(500, 40000)(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round << ": the writer ended by itself";

        CatalogStore store(dir);
        ASSERT_TRUE(store.LoadCatalog().empty());
        for (int d = 0; d < store.Tree().diskCount(); ++d) {
            const TreeNode *disk = store.Tree().disk(d);
            const int state = std::atoi(disk->disk().Comment.c_str());
            const ListingExtras extras = store.ExtrasOf(disk);
            if (extras.empty())
                continue;
            const std::string own = disk->text() + ":";
            const std::string tag = extras.at("tag");
            ASSERT_EQ(tag.rfind(own, 0), 0u) << "round " << round << ": " << tag << " on " << disk->text();
            const int kept = std::atoi(tag.c_str() + own.size());
            EXPECT_TRUE(kept == state || kept == state + 1)
                << "round " << round << ": listing state " << state << " has extras " << tag;
        }
        // The next writer completes or undoes an Update the kill cut short:
        // each disk is listed once, with its own extras.
        auto writer = std::make_unique<CatalogStore>(dir);
        writer->writer = true;
        ASSERT_TRUE(writer->LoadCatalog().empty());
        ASSERT_EQ(writer->Tree().diskCount(), 2) << "round " << round;
        EXPECT_EQ(writer->Tree().disk(0)->text(), "A");
        EXPECT_EQ(writer->Tree().disk(1)->text(), "B");
        EXPECT_EQ(ListingStore(dir).Files(), test::ListingFileNames(dir)) << "round " << round;
    }
}

} // namespace
