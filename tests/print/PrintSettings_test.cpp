#include "print/PrintSettings.h"

#include "catalog/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>

#include <map>
#include <string>
#include <vector>

using namespace rkm;
using rkm::test::ReadBytes;
using rkm::test::TempDir;
using rkm::test::WriteBytes;

namespace {

// Settings in memory; every key read or written is logged in order.
class MapSettings final : public PrintSettingsStore {
public:
    int getInt(const std::string &key, int defaultValue) override
    {
        reads.push_back(key);
        auto it = ints.find(key);
        return it == ints.end() ? defaultValue : it->second;
    }
    void setInt(const std::string &key, int value) override
    {
        writes.push_back(key);
        ints[key] = value;
    }
    std::string getString(const std::string &key) override
    {
        reads.push_back(key);
        auto it = strings.find(key);
        return it == strings.end() ? std::string() : it->second;
    }
    void setString(const std::string &key, const std::string &value) override
    {
        writes.push_back(key);
        strings[key] = value;
    }
    std::map<std::string, int> ints;
    std::map<std::string, std::string> strings;
    std::vector<std::string> reads, writes;
};

const std::vector<std::string> kAllKeys = {
    "PrFAll", "PrFNo", "PrFSpec", "PrFFilter", "PrFCheckList", "PrFLevel", "PrFDesc",
    "PrFoAll", "PrFoNo", "PrFoSpec", "PrFoFilter", "PrFoCheckList", "PrFoLevel", "PrFoDesc",
    "PrLayoutList", "PrLayoutCover", "PrLayoutCoverFrame", "PrLayoutBack", "PrLayoutBackFrame"};

std::vector<std::string> Without(std::vector<std::string> keys, const std::string &key)
{
    std::erase(keys, key);
    return keys;
}

std::vector<std::string> Texts(const std::vector<FilterEntry> &list)
{
    std::vector<std::string> out;
    for (const auto &e : list)
        out.push_back(e.text);
    return out;
}

} // namespace

TEST(PrintSettings, NothingStoredGivesAllNamesAndTheFramedBackCover)
{
    TempDir dir;
    MapSettings s;
    PrintOptions o;
    LoadPrintDefaults(o, dir.path(), s);
    EXPECT_TRUE(o.AllFiles && !o.NoFiles && !o.SpecifyFiles);
    EXPECT_TRUE(o.AllFolders && !o.NoFolders && !o.SpecifyFolders);
    EXPECT_TRUE(o.LayoutBack && !o.LayoutCover && !o.LayoutList);
    EXPECT_TRUE(o.CoverFrame && o.BackFrame);
    EXPECT_FALSE(o.FilterFiles || o.FilesLevel || o.FileDescription || o.FilterFolders || o.FolderLevel ||
                 o.FolderComment);
    EXPECT_EQ(o.FileFilter, BuiltInFileFilters());
    EXPECT_EQ(o.FolderFilter, BuiltInFolderFilters());
    EXPECT_EQ(o.FileLevelText, "0");
    EXPECT_EQ(o.FolderLevelText, "0");
    // Without filter files the check-mark strings are not read.
    EXPECT_EQ(s.reads, Without(Without(kAllKeys, "PrFCheckList"), "PrFoCheckList"));
}

TEST(PrintSettings, SavedInOrderAndReadBack)
{
    TempDir dir;
    MapSettings s;
    PrintOptions o;
    o.AllFiles = false;
    o.SpecifyFiles = true;
    o.FilterFiles = true;
    o.FileFilter.push_back({"README", true}); // added through "Add filter": checked
    o.FileLevelText = "3";
    o.LayoutCover = false;
    o.LayoutList = true;
    SavePrintDefaults(o, dir.path(), s);
    EXPECT_EQ(s.writes, kAllKeys);
    EXPECT_EQ(ReadBytes(dir.file("FILES.FLT")), ".EXE\r\n.ZIP\r\n.ARJ\r\n.RAR\r\nREADME\r\n");
    EXPECT_EQ(ReadBytes(dir.file("FOLDERS.FLT")), "INSTALL.EXE\r\nSETUP.EXE\r\n");
    EXPECT_EQ(s.strings["PrFCheckList"], "00001");
    EXPECT_EQ(s.strings["PrFoCheckList"], "00");
    for (const auto &[key, value] : s.ints)
        EXPECT_TRUE(value == 0 || value == 1) << key;

    PrintOptions back;
    s.reads.clear();
    LoadPrintDefaults(back, dir.path(), s);
    EXPECT_EQ(s.reads, kAllKeys);
    // The level texts are not stored: a new dialog starts at 0.
    o.FileLevelText = "0";
    EXPECT_EQ(back, o);
}

TEST(PrintSettings, FilterFilesReadEveryLineEnd)
{
    struct Case {
        const char *bytes;
        std::vector<std::string> entries;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\nB\n", {"A", "B"}},
        {"A\rB\r", {"A", "B"}},
        {"A\r\nB", {"A", "B"}},
        {"A\n\nB\n", {"A", "", "B"}},
        {"A\r\rB", {"A", "", "B"}},
        {"\r\n", {""}},
        {"A\r\n\r\n", {"A", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.bytes)));
        EXPECT_EQ(ParseFilterFile(c.bytes), c.entries);
    }
}

TEST(PrintSettings, LineBreaksInsideEntriesAreWrittenAsSpaces)
{
    // Entries with a line break inside (pasted into "Add filter") must not
    // come back as more entries than were saved: the marks would be lost.
    struct Case {
        std::vector<FilterEntry> entries;
        std::string file;
    };
    const std::vector<Case> cases = {
        {{{"A\r\nB", true}, {"C", false}}, "A B\r\nC\r\n"},
        {{{"A\nB", false}, {"C\rD", true}}, "A B\r\nC D\r\n"},
        {{{"\n", true}}, " \r\n"},
        {{{"A\n\nB", true}}, "A  B\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.file));
        TempDir dir;
        MapSettings s;
        PrintOptions o;
        o.FileFilter = c.entries;
        SavePrintDefaults(o, dir.path(), s);
        EXPECT_EQ(ReadBytes(dir.file("FILES.FLT")), c.file);
        PrintOptions back;
        LoadPrintDefaults(back, dir.path(), s);
        ASSERT_EQ(back.FileFilter.size(), c.entries.size());
        for (std::size_t i = 0; i < c.entries.size(); ++i)
            EXPECT_EQ(back.FileFilter[i].checked, c.entries[i].checked) << i;
    }
}

TEST(PrintSettings, CheckMarkStrings)
{
    std::vector<FilterEntry> list = {{"a", false}, {"b", true}, {"c", false}};
    EXPECT_EQ(CheckMarkString(list), "010");
    EXPECT_EQ(CheckMarkString({}), "");

    struct Case {
        std::string marks;
        std::vector<bool> expected;
    };
    const std::vector<Case> cases = {
        {"101", {true, false, true}},
        {"10", {false, false, false}},   // wrong length: no mark
        {"1011", {false, false, false}},
        {"1x1", {true, false, true}},    // only "1" sets a mark
        {"", {false, false, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.marks);
        std::vector<FilterEntry> l = {{"a"}, {"b"}, {"c"}};
        ApplyCheckMarks(l, c.marks);
        for (std::size_t i = 0; i < l.size(); ++i)
            EXPECT_EQ(l[i].checked, c.expected[i]) << i;
    }
    // Only 1023 characters fit where the string is read.
    std::vector<FilterEntry> big(1024, FilterEntry{"x"});
    ApplyCheckMarks(big, std::string(1024, '1'));
    EXPECT_FALSE(big[0].checked);
    std::vector<FilterEntry> fits(1023, FilterEntry{"x"});
    ApplyCheckMarks(fits, std::string(1023, '1'));
    EXPECT_TRUE(fits[1022].checked);
}

TEST(PrintSettings, HandEditedAndRemovedFilterFiles)
{
    TempDir dir;
    MapSettings s;
    PrintOptions o;
    o.FileFilter[1].checked = true;
    SavePrintDefaults(o, dir.path(), s);
    EXPECT_EQ(s.strings["PrFCheckList"], "0100");

    // A line added by hand: the entry shows, and no entry is marked.
    WriteBytes(dir.file("FILES.FLT"), ReadBytes(dir.file("FILES.FLT")) + "NEW\n");
    PrintOptions edited;
    LoadPrintDefaults(edited, dir.path(), s);
    EXPECT_EQ(Texts(edited.FileFilter), (std::vector<std::string>{".EXE", ".ZIP", ".ARJ", ".RAR", "NEW"}));
    for (const auto &e : edited.FileFilter)
        EXPECT_FALSE(e.checked);

    // The file removed while its marks remain: the built-in entries, unmarked.
    QFile::remove(QString::fromStdString(dir.file("FILES.FLT")));
    PrintOptions removed;
    LoadPrintDefaults(removed, dir.path(), s);
    EXPECT_EQ(removed.FileFilter, BuiltInFileFilters());
}

TEST(PrintSettings, StoredRadioButtonsLastKeyWins)
{
    struct Case {
        const char *name;
        std::map<std::string, int> stored;
        bool list, cover, back;
        bool all, none, specify;
    };
    const std::vector<Case> cases = {
        {"back over cover over list", {{"PrLayoutList", 1}, {"PrLayoutCover", 1}, {"PrLayoutBack", 1}},
         false, false, true, true, false, false},
        {"cover over list", {{"PrLayoutList", 1}, {"PrLayoutCover", 1}, {"PrLayoutBack", 0}},
         false, true, false, true, false, false},
        {"none chosen", {{"PrLayoutBack", 0}, {"PrFAll", 0}}, false, false, false, false, false, false},
        {"specify over none over all", {{"PrFNo", 1}, {"PrFSpec", 1}}, false, false, true, false, false, true},
        {"none over all", {{"PrFNo", 1}}, false, false, true, false, true, false},
        {"any non-zero value chooses", {{"PrFNo", 7}, {"PrLayoutBack", -1}}, false, false, true, false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        MapSettings s;
        s.ints = c.stored;
        PrintOptions o;
        LoadPrintDefaults(o, dir.path(), s);
        EXPECT_EQ(o.LayoutList, c.list);
        EXPECT_EQ(o.LayoutCover, c.cover);
        EXPECT_EQ(o.LayoutBack, c.back);
        EXPECT_EQ(o.AllFiles, c.all);
        EXPECT_EQ(o.NoFiles, c.none);
        EXPECT_EQ(o.SpecifyFiles, c.specify);
    }
    // No layout chosen prints a list of contents.
    PrintOptions none;
    none.LayoutCover = false;
    EXPECT_EQ(ChosenLayout(none), PrintLayout::List);
    EXPECT_FALSE(ChosenFrame(none));
}

TEST(PrintSettings, UnreadableFilterFileStopsLoadingWithItsName)
{
    TempDir dir;
    MapSettings s;
    s.ints["PrFSpec"] = 1;
    s.ints["PrFLevel"] = 1;
    rkm::test::MakeDirs(dir.file("FILES.FLT")); // exists, but cannot be read as a file
    PrintOptions o;
    try {
        LoadPrintDefaults(o, dir.path(), s);
        FAIL() << "no error";
    } catch (const RackmereError &e) {
        EXPECT_STREQ(e.what(), "Cannot open file FILES.FLT");
    }
    EXPECT_TRUE(o.SpecifyFiles);  // applied before the file
    EXPECT_FALSE(o.FilesLevel);   // not reached
    EXPECT_TRUE(o.LayoutCover);   // still as designed
}

TEST(PrintSettings, UnwritableFilterFileStopsSaving)
{
    TempDir dir;
    MapSettings s;
    rkm::test::MakeDirs(dir.file("FILES.FLT"));
    try {
        SavePrintDefaults(PrintOptions{}, dir.path(), s);
        FAIL() << "no error";
    } catch (const RackmereError &e) {
        EXPECT_STREQ(e.what(), "Cannot create file FILES.FLT");
    }
    EXPECT_EQ(s.writes, (std::vector<std::string>{"PrFAll", "PrFNo", "PrFSpec", "PrFFilter"}));
}

TEST(PrintSettings, SelectionCheck)
{
    struct Case {
        const char *name;
        bool specFiles, filter, level, desc, specFolders, ffilter, flevel, fcomment;
        bool ok;
    };
    const std::vector<Case> cases = {
        {"all and all", false, false, false, false, false, false, false, false, true},
        {"file specify, nothing", true, false, false, false, false, false, false, false, false},
        {"file specify, level", true, false, true, false, false, false, false, false, true},
        {"file specify, descriptions", true, false, false, true, false, false, false, false, true},
        {"folder specify, nothing", false, false, false, false, true, false, false, false, false},
        {"folder specify, comment", false, false, false, false, true, false, false, true, true},
        {"folder specify, filter; files bare", true, false, false, false, true, true, false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PrintOptions o;
        o.AllFiles = !c.specFiles;
        o.SpecifyFiles = c.specFiles;
        o.FilterFiles = c.filter;
        o.FilesLevel = c.level;
        o.FileDescription = c.desc;
        o.AllFolders = !c.specFolders;
        o.SpecifyFolders = c.specFolders;
        o.FilterFolders = c.ffilter;
        o.FolderLevel = c.flevel;
        o.FolderComment = c.fcomment;
        EXPECT_EQ(SelectionIsComplete(o), c.ok);
    }
    PrintOptions none;
    none.AllFiles = none.AllFolders = false;
    none.NoFiles = none.NoFolders = true;
    EXPECT_TRUE(SelectionIsComplete(none));
}
