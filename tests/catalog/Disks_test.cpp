#include "catalog/Disks.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace rkm;

namespace {

TreeNode *diskWithRoot(Catalog &cat, const std::string &root)
{
    TreeNode *d = cat.appendDisk("Disk");
    d->disk().RootPath = root;
    return d;
}

} // namespace

TEST(FullPath, FoldersEndWithSeparatorDisksKeepTheirRoot)
{
    struct Case {
        const char *root;
        std::vector<std::string> folders;
        const char *expected;
    } cases[] = {
        {"A:\\", {"Games"}, "A:\\Games\\"},
        {"C:\\Data", {"Games"}, "C:\\Data\\Games\\"},
        {"E:\\", {"Data", "Sub"}, "E:\\Data\\Sub\\"},
        {"C:\\Work", {"Data", "Sub"}, "C:\\Work\\Data\\Sub\\"},
        {"/media/usb", {"Games"}, "/media/usb/Games/"},
        {"/", {"etc", "x"}, "/etc/x/"},
        {"A:\\", {}, "A:\\"},
        {"C:\\Data", {}, "C:\\Data"},
        {"/media/usb", {}, "/media/usb"},
        // A root of this system takes '/' whatever its names hold.
        {"/media/back\\slash", {"Games"}, "/media/back\\slash/Games/"},
        {"/:odd", {"Games"}, "/:odd/Games/"},
        {"/mnt/C:\\Data", {"a"}, "/mnt/C:\\Data/a/"},
        {"\\\\server\\share", {"a"}, "\\\\server\\share\\a\\"},
    };
    for (const Case &c : cases) {
        Catalog cat;
        TreeNode *n = diskWithRoot(cat, c.root);
        for (const std::string &f : c.folders)
            n = n->appendChild(f);
        EXPECT_EQ(n->disk().GetFullPath(), c.expected) << c.root;
    }
}

TEST(DriveLetter, SameLetterChangesNothingOtherLetterMarksModified)
{
    Catalog cat;
    TreeNode *d = diskWithRoot(cat, "C:\\Data");
    TreeNode *folder = d->appendChild("Sub");
    EXPECT_EQ(folder->disk().GetDriveLetter(), 'C');
    folder->disk().SetDriveLetter('C');
    EXPECT_FALSE(d->disk().IsModified());
    folder->disk().SetDriveLetter('D');
    EXPECT_EQ(d->disk().RootPath, "D:\\Data");
    EXPECT_TRUE(d->disk().Modified);
    EXPECT_TRUE(folder->disk().IsModified());

    TreeNode *empty = diskWithRoot(cat, "");
    EXPECT_EQ(empty->disk().GetDriveLetter(), '\0');
}

TEST(Records, ModifiedAndRootLiveOnTheDiskRecord)
{
    Catalog cat;
    TreeNode *d = cat.appendDisk("Disk");
    TreeNode *deep = d->appendChild("a")->appendChild("b");
    EXPECT_EQ(deep->level(), 2);
    EXPECT_EQ(deep->disk().GetRootDisk(), &d->disk());
    EXPECT_FALSE(deep->disk().IsRoot);
    deep->disk().SetModified(true);
    EXPECT_TRUE(d->disk().Modified);
    EXPECT_FALSE(deep->disk().Modified);

    d->disk().SetName("Renamed");
    EXPECT_EQ(d->text(), "Renamed");
}

TEST(FileList, EntriesKeepFiveTextsThroughEdits)
{
    FileList files;
    files.append(FileEntry{"a.txt", "", "1.1.2000", "3 bytes", ""});
    files.append(FileEntry{"b.txt", "desc", "2.1.2000", "1 Kb", "cat"});
    // A line feed cannot be stored; it becomes '?'.
    files.append(FileEntry{"c\nd", "", "", "", ""});
    ASSERT_EQ(files.count(), 3);
    EXPECT_EQ(files.text(1, FT_CATEGORY), "cat");
    EXPECT_EQ(files.text(2, FT_NAME), "c?d");
    EXPECT_EQ(files.text(0, FT_DESCRIPTION), "");

    // Many edits of one entry: the others stay intact and the buffer is compacted.
    for (int i = 0; i < 5000; ++i)
        files.setText(0, FT_DESCRIPTION, std::string(static_cast<std::size_t>(i % 50), 'x') + std::to_string(i));
    EXPECT_EQ(files.text(0, FT_DESCRIPTION), std::string(49, 'x') + "4999");
    EXPECT_EQ(files.text(0, FT_NAME), "a.txt");
    EXPECT_EQ(files.entryCopy(1), (FileEntry{"b.txt", "desc", "2.1.2000", "1 Kb", "cat"}));
    EXPECT_LT(files.memoryBytes(), 64u * 1024u);
}

TEST(Catalog, RowsFollowInsertAndRemove)
{
    Catalog cat;
    cat.appendDisk("A");
    cat.appendDisk("B");
    cat.appendDisk("C");
    cat.removeDisk(0);
    ASSERT_EQ(cat.diskCount(), 2);
    EXPECT_EQ(cat.disk(0)->text(), "B");
    EXPECT_EQ(cat.disk(0)->row(), 0);
    EXPECT_EQ(cat.disk(1)->row(), 1);
    cat.insertDisk(1, MakeDiskNode("X"));
    EXPECT_EQ(cat.disk(2)->text(), "C");
    EXPECT_EQ(cat.disk(2)->row(), 2);
    EXPECT_EQ(cat.findByName("X"), cat.disk(1));
    EXPECT_EQ(cat.findByName("nope"), nullptr);
}

TEST(Catalog, RepeatedNamesShowTheirListingFile)
{
    // Letter case counts, as in every match of a disk name; the same text in
    // either encoding is the same name.
    const std::vector<std::pair<std::string, std::string>> disks = {
        {"Archives", "2631.rkm"},
        {"Archives", "2632.rkm"},
        {"archives", "17.rkm"},
        {"Caf\xE9", "4.rkm"},
        {"Caf\xC3\xA9", "5.rkm"},
        {"Music", "6.rkm"},
        {"Music", ""},
        {"Solo", "8.rkm"},
        // Told apart by their last letters, or the same text in two encodings.
        {"Caf\xE9 1", "9.rkm"},
        {"Caf\xC3\xA9 1", "10.rkm"},
        {"Caf\xC3\xA9 2", "11.rkm"},
    };
    Catalog cat;
    for (const auto &[name, file] : disks)
        cat.appendDisk(name)->disk().FileName = file;
    const std::unique_ptr<TreeNode> detached = MakeDiskNode("Archives");
    detached->disk().FileName = "99.rkm";

    struct Case {
        const TreeNode *disk;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {cat.disk(0), "Archives (2631.rkm)"},
        {cat.disk(1), "Archives (2632.rkm)"},
        {cat.disk(2), "archives"},
        {cat.disk(3), "Caf\xC3\xA9 (4.rkm)"},
        {cat.disk(4), "Caf\xC3\xA9 (5.rkm)"},
        {cat.disk(5), "Music (6.rkm)"},
        {cat.disk(6), "Music"}, // not written yet: no file to tell it by
        {cat.disk(7), "Solo"},
        {detached.get(), "Archives"},
        {cat.disk(8), "Caf\xC3\xA9 1 (9.rkm)"},
        {cat.disk(9), "Caf\xC3\xA9 1 (10.rkm)"},
        {cat.disk(10), "Caf\xC3\xA9 2"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cat.displayName(*c.disk), c.shown) << c.disk->text() << " " << c.disk->disk().FileName;

    struct Taken {
        std::string name;
        const TreeNode *except;
        bool taken;
    };
    const std::vector<Taken> taken = {
        {"Archives", cat.disk(0), true}, {"archives", cat.disk(2), false}, {"ARCHIVES", nullptr, false},
        {"Solo", cat.disk(7), false},    {"Solo", nullptr, true},          {"Caf\xC3\xA9", cat.disk(3), true},
    };
    for (const Taken &t : taken)
        EXPECT_EQ(cat.nameTaken(t.name, t.except), t.taken) << t.name;
}
