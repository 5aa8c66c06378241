// Comparing two listings: a listing against its update, and listings whose
// dates were written in other formats.

#include "search/Compare.h"

#include "catalog/CatalogStore.h"
#include "scan/Update.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utime.h>

using namespace rkm;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Items(const ListingDiff &diff)
{
    std::vector<std::string> out;
    for (const DiffItem &d : diff.items) {
        const char *mark = d.kind == DiffKind::OnlyInA ? "- " : d.kind == DiffKind::OnlyInB ? "+ " : "~ ";
        std::string line = mark + d.path;
        if (d.folder)
            line += " (" + std::to_string(d.foldersBelow) + "/" + std::to_string(d.filesBelow) + ")";
        if (d.sizeChanged)
            line += " size " + d.sizeA + " -> " + d.sizeB;
        if (d.dateChanged)
            line += " date";
        out.push_back(line);
    }
    return out;
}

void SetDay(const std::string &path, time_t when)
{
    const utimbuf t{when, when};
    ASSERT_EQ(::utime(path.c_str(), &t), 0);
}

TEST(CompareListings, AListingAgainstItsUpdate)
{
    test::TempDir tmp;
    const std::string root = tmp.path() + "disk", dir = tmp.path() + "catalog/";
    fs::create_directories(root + "/docs/old/deeper");
    fs::create_directories(dir);
    const time_t day = 1700000000; // 14 November 2023
    for (const char *f :
         {"a.txt", "b.txt", "touched.txt", "grows.bin", "docs/d.txt", "docs/old/x.txt", "docs/old/deeper/y.txt"}) {
        test::WriteBytes(root + "/" + f, "1");
        SetDay(root + "/" + f, day);
    }
    CatalogStore store(dir);
    store.serialSource = [](const TDisk &) { return 0u; };
    TreeNode *disk = store.AddDisk(ScanDisk(root, "Disk", ""));
    store.SaveListing(disk);

    fs::remove(root + "/b.txt");
    fs::remove_all(root + "/docs/old");
    test::WriteBytes(root + "/new.txt", "n");
    fs::create_directories(root + "/fresh/inner");
    test::WriteBytes(root + "/fresh/inner/z.txt", "z");
    SetDay(root + "/touched.txt", day + 3 * 86400);
    test::WriteBytes(root + "/grows.bin", std::string(5000, 'x'));
    SetDay(root + "/grows.bin", day);

    const std::unique_ptr<TreeNode> fresh = ScanDisk(root, "Disk", "");
    const ListingDiff diff = CompareListings(*disk, *fresh);
    std::vector<std::string> items = Items(diff);
    // Files in the scan's order; sort for a comparison that does not depend on it.
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<std::string>{"+ fresh/ (1/1)", "+ new.txt", "- b.txt", "- docs/old/ (1/2)",
                                               "~ grows.bin size 1 bytes -> 4 Kb", "~ touched.txt date"}));
    EXPECT_EQ(diff.onlyInA, 2);
    EXPECT_EQ(diff.onlyInB, 2);
    EXPECT_EQ(diff.changed, 2);
    EXPECT_FALSE(diff.equal());
    // Each side points at its own entries.
    for (const DiffItem &d : diff.items) {
        if (d.kind == DiffKind::OnlyInA) {
            EXPECT_TRUE(d.nodeA && !d.nodeB);
        }
        if (d.kind == DiffKind::Changed) {
            EXPECT_EQ(d.nodeA->disk().Files.text(d.entryA, FT_NAME), d.nodeB->disk().Files.text(d.entryB, FT_NAME));
        }
    }
    EXPECT_TRUE(CompareListings(*fresh, *fresh).equal());
}

TEST(CompareListings, DatesInOtherFormatsAndOtherOrders)
{
    auto a = MakeDiskNode("A");
    auto b = MakeDiskNode("B");
    // A was written day first, B month first; the same days compare equal.
    a->disk().Files.append(FileEntry{"one", "", "31.12.2023", "1 Kb", ""});
    a->disk().Files.append(FileEntry{"two", "", "01.02.2024", "2 Kb", ""});
    a->disk().Files.append(FileEntry{"three", "", "01.02.2024", "5 bytes", ""});
    b->disk().Files.append(FileEntry{"three", "", "01/02/2024", "5 bytes", ""}); // 2 January: changed
    b->disk().Files.append(FileEntry{"one", "description", "12/31/2023", "1 Kb", "cat"});
    b->disk().Files.append(FileEntry{"two", "", "02/01/2024", "2 Kb", ""});
    a->appendChild("same")->disk().Files.append(FileEntry{"f", "", "31.12.2023", "1 Kb", ""});
    b->appendChild("same")->disk().Files.append(FileEntry{"f", "", "12/31/2023", "1 Kb", ""});
    // A name written on Windows is the same name read here; letter case
    // counts. Paths are UTF-8.
    a->appendChild("Caf\xE9")->disk().Files.append(FileEntry{"\xE9t\xE9.txt", "", "31.12.2023", "1 Kb", ""});
    b->appendChild("Caf\xC3\xA9")
        ->disk()
        .Files.append(FileEntry{"\xC3\xA9t\xC3\xA9.txt", "", "12/31/2023", "1 Kb", ""});
    b->child(1)->disk().Files.append(FileEntry{"\xC3\x89t\xC3\xA9.txt", "", "12/31/2023", "1 Kb", ""});
    EXPECT_EQ(Items(CompareListings(*a, *b)),
              (std::vector<std::string>{"~ three date", "+ Caf\xC3\xA9/\xC3\x89t\xC3\xA9.txt"}));
}

} // namespace
