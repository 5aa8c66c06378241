#include "catalog/Disks.h"

#include <gtest/gtest.h>

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
