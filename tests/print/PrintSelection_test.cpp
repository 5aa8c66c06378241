#include "print/PrintSelection.h"

#include "catalog/Errors.h"

#include <gtest/gtest.h>

using namespace rkm;

namespace {

using Lines = std::vector<std::string>;

void AddFile(TreeNode *n, const std::string &name, const std::string &description = {})
{
    n->disk().Files.append(FileEntry{name, description, "01.02.2003", "10 bytes", ""});
}

// Disk "CD1": files setup.exe (described), readme.txt;
//   A (comment "games"): Backup.zip (described), a.zip.txt;
//     B: INSTALL.EXE, old.exe.bak
//   C: notes.doc (described)
struct Sample {
    std::unique_ptr<TreeNode> disk = MakeDiskNode("CD1");
    Sample()
    {
        AddFile(disk.get(), "setup.exe", "Installer");
        AddFile(disk.get(), "readme.txt");
        TreeNode *a = disk->appendChild("A");
        a->disk().Comment = "games";
        AddFile(a, "Backup.zip", "Weekly");
        AddFile(a, "a.zip.txt");
        TreeNode *b = a->appendChild("B");
        AddFile(b, "INSTALL.EXE");
        AddFile(b, "old.exe.bak");
        TreeNode *c = disk->appendChild("C");
        AddFile(c, "notes.doc", "Notes");
    }
};

// Options with "Specify:" on both pages and nothing checked yet.
PrintOptions Specify()
{
    PrintOptions o;
    o.AllFiles = o.AllFolders = false;
    o.SpecifyFiles = o.SpecifyFolders = true;
    return o;
}

} // namespace

TEST(PrintSelection, WalkCases)
{
    struct Case {
        const char *name;
        std::function<void(PrintOptions &)> set;
        Lines folders;
        Lines files;
    };
    const std::vector<Case> cases = {
        {"all and all", [](PrintOptions &o) { o = PrintOptions{}; }, {"A", "B", "C"},
         {"setup.exe", "readme.txt", "Backup.zip", "a.zip.txt", "INSTALL.EXE", "old.exe.bak", "notes.doc"}},
        {"none and none",
         [](PrintOptions &o) {
             o.SpecifyFiles = o.SpecifyFolders = false;
             o.NoFiles = o.NoFolders = true;
             o.FilesLevel = o.FolderLevel = true; // left checked, but not under "Specify:"
         },
         {}, {}},
        {"folder level 0", [](PrintOptions &o) { o.FolderLevel = true; }, {}, {}},
        {"folder level 1", [](PrintOptions &o) { o.FolderLevel = true, o.FolderLevelText = "1"; }, {"A", "C"}, {}},
        {"folder level 2", [](PrintOptions &o) { o.FolderLevel = true, o.FolderLevelText = "2"; }, {"A", "B", "C"}, {}},
        {"file level 0: files on the disk itself", [](PrintOptions &o) { o.FilesLevel = true; }, {},
         {"setup.exe", "readme.txt"}},
        {"descriptions alone", [](PrintOptions &o) { o.FileDescription = true; }, {},
         {"Installer", "Weekly", "Notes"}},
        {"filter .EXE with descriptions",
         [](PrintOptions &o) {
             o.FilterFiles = o.FileDescription = true;
             o.FileFilter = {{".EXE", true}, {".ZIP", false}};
         },
         {}, {"setup.exe", "Installer", "Weekly", "INSTALL.EXE", "old.exe.bak", "Notes"}},
        {".ZIP matches anywhere in the name, in any case",
         [](PrintOptions &o) {
             o.FilterFiles = true;
             o.FileFilter = {{".ZIP", true}};
         },
         {}, {"Backup.zip", "a.zip.txt"}},
        {"an unmarked entry selects nothing",
         [](PrintOptions &o) {
             o.FilterFiles = true;
             o.FileFilter = {{".ZIP", false}};
         },
         {}, {}},
        {"folder filter selects the folder, not its parent",
         [](PrintOptions &o) {
             o.FilterFolders = true;
             o.FolderFilter = {{"INSTALL.EXE", true}};
         },
         {"B"}, {}},
        {"a folder with a comment within the level gives one line",
         [](PrintOptions &o) {
             o.FolderComment = o.FolderLevel = o.FilterFolders = true;
             o.FolderLevelText = "1";
             o.FolderFilter = {{".zip", true}};
         },
         {"A", "C"}, {}},
        {"the disk's name is never a line",
         [](PrintOptions &o) {
             o.FilterFolders = o.FolderLevel = true;
             o.FolderFilter = {{"", true}};
         },
         {"A", "B", "C"}, {}},
    };
    Sample s;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PrintOptions o = Specify();
        c.set(o);
        const TPrintSelection sel = ReadPrintSelection(o);
        Lines files, folders;
        CollectPrintLines(*s.disk, files, folders, sel);
        EXPECT_EQ(folders, c.folders);
        EXPECT_EQ(files, c.files);
    }
}

TEST(PrintSelection, FlagsCountOnlyUnderSpecify)
{
    PrintOptions o; // "all" on both pages
    o.FilterFiles = o.FilesLevel = o.FileDescription = true;
    o.FilterFolders = o.FolderLevel = o.FolderComment = true;
    o.FileFilter[0].checked = true;
    const TPrintSelection s = ReadPrintSelection(o);
    EXPECT_TRUE(s.AllFiles && s.AllFolders);
    EXPECT_FALSE(s.FilterFiles || s.FileLevelOn || s.FileDescriptions);
    EXPECT_FALSE(s.FilterFolders || s.FolderLevelOn || s.FolderComment);
    EXPECT_TRUE(s.FileFilter.empty());
}

TEST(PrintSelection, MatchesAnyFilter)
{
    struct Case {
        Lines filters;
        const char *name;
        bool match;
    };
    const std::vector<Case> cases = {
        {{".EXE"}, "setup.exe", true},
        {{".EXE"}, "old.exe.bak", true},
        {{"SETUP.EXE"}, "mysetup.exe", true},
        {{".ZIP", ".EXE"}, "a.exe", true},
        {{".ZIP"}, "a.rar", false},
        {{}, "a.rar", false},
        {{""}, "anything", true},
        {{"*.exe"}, "a.exe", false}, // no wildcards
        {{"ÄPFEL"}, "äpfel.txt", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MatchesAnyFilter(c.filters, c.name), c.match) << c.name;
}

TEST(PrintSelection, LevelTexts)
{
    struct Case {
        const char *text;
        bool ok;
        int32_t value;
    };
    const std::vector<Case> cases = {
        {"0", true, 0},      {"12", true, 12},     {"-3", true, -3},   {"+4", true, 4},
        {" 5", true, 5},     {"2147483647", true, 2147483647},          {"-2147483648", true, INT32_MIN},
        {"", false, 0},      {"abc", false, 0},    {"1a", false, 0},   {"5 ", false, 0},
        {"-", false, 0},     {"2147483648", false, 0}, {"99999999999999999999", false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        if (c.ok) {
            EXPECT_EQ(LevelFromText(c.text), c.value);
        } else {
            try {
                LevelFromText(c.text);
                ADD_FAILURE() << "accepted";
            } catch (const RackmereError &e) {
                EXPECT_EQ(e.what(), "'" + std::string(c.text) + "' is not a valid integer value");
            }
        }
    }
    // Both boxes are converted on every read, also with their boxes off; the
    // folder page comes first.
    PrintOptions o;
    o.FileLevelText = "x";
    o.FolderLevelText = "y";
    try {
        ReadPrintSelection(o);
        ADD_FAILURE() << "accepted";
    } catch (const RackmereError &e) {
        EXPECT_STREQ(e.what(), "'y' is not a valid integer value");
    }
}
