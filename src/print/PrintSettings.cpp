#include "print/PrintSettings.h"

#include "catalog/AtomicFile.h"
#include "catalog/Errors.h"
#include "platform/Text.h"
#include "platform/Translated.h"

#include <QFileInfo>

namespace rkm {

namespace {

std::vector<FilterEntry> Unmarked(std::initializer_list<const char *> texts)
{
    std::vector<FilterEntry> out;
    for (const char *t : texts)
        out.push_back({t, false});
    return out;
}

// Radio buttons of one group: choosing one clears the other two; clearing one
// leaves the others as they are.
void SetRadio(bool &button, bool &other1, bool &other2, bool chosen)
{
    button = chosen;
    if (chosen)
        other1 = other2 = false;
}

bool Flag(PrintSettingsStore &s, const char *key, int defaultValue)
{
    return s.getInt(key, defaultValue) != 0;
}

void Put(PrintSettingsStore &s, const char *key, bool value)
{
    s.setInt(key, value ? 1 : 0);
}

// Replaces the list by the filter file's lines when the file exists, then
// applies the stored check marks; without the file the list and its marks
// stay as they are and the key is not read.
void LoadFilterList(std::vector<FilterEntry> &list, const std::string &programDir, const char *fileName,
                    PrintSettingsStore &s, const char *marksKey)
{
    const std::string path = programDir + fileName;
    if (!QFileInfo::exists(QString::fromStdString(path)))
        return;
    // Only a regular file of a sensible size is read: a FIFO or a device
    // under the name would block or never end.
    std::string bytes;
    try {
        // Its own message is not shown: the one below names the file alone.
        bytes = ReadRegularFile(path, MAX_FILTER_FILE_BYTES, QStringLiteral("%1: %2"));
    } catch (const RackmereError &) {
        throw RackmereError(Utf8(rkm::Core::tr("Cannot open file %1"), {fileName}));
    }
    list.clear();
    for (std::string &line : ParseFilterFile(bytes))
        list.push_back({std::move(line), false});
    ApplyCheckMarks(list, s.getString(marksKey));
}

void SaveFilterList(const std::vector<FilterEntry> &list, const std::string &programDir, const char *fileName,
                    PrintSettingsStore &s, const char *marksKey)
{
    try {
        WriteFileAtomically(programDir + fileName, FormatFilterFile(list));
    } catch (const std::exception &) {
        throw RackmereError(Utf8(rkm::Core::tr("Cannot create file %1"), {fileName}));
    }
    s.setString(marksKey, CheckMarkString(list));
}

} // namespace

std::vector<FilterEntry> BuiltInFileFilters()
{
    return Unmarked({".EXE", ".ZIP", ".ARJ", ".RAR"});
}

std::vector<FilterEntry> BuiltInFolderFilters()
{
    return Unmarked({"INSTALL.EXE", "SETUP.EXE"});
}

std::vector<std::string> ParseFilterFile(std::string_view data)
{
    return platform::SplitLines(data);
}

std::string FormatFilterFile(const std::vector<FilterEntry> &entries)
{
    std::string out;
    for (const FilterEntry &e : entries) {
        // A line break inside an entry would split it in two when the file
        // is read back, and the stored check marks would no longer fit the
        // list; it is written as a space.
        out += platform::OneLineText(e.text);
        out += "\r\n";
    }
    return out;
}

std::string CheckMarkString(const std::vector<FilterEntry> &entries)
{
    std::string out;
    out.reserve(entries.size());
    for (const FilterEntry &e : entries)
        out += e.checked ? '1' : '0';
    return out;
}

void ApplyCheckMarks(std::vector<FilterEntry> &entries, std::string_view marks)
{
    // The stored string is read into room for 1024 bytes, terminator included.
    constexpr std::size_t room = 1023;
    if (marks.size() > room)
        marks = marks.substr(0, room);
    if (marks.size() != entries.size())
        return;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (marks[i] == '1')
            entries[i].checked = true;
}

void LoadPrintDefaults(PrintOptions &o, const std::string &programDir, PrintSettingsStore &s)
{
    SetRadio(o.AllFiles, o.NoFiles, o.SpecifyFiles, Flag(s, "PrFAll", 1));
    SetRadio(o.NoFiles, o.AllFiles, o.SpecifyFiles, Flag(s, "PrFNo", 0));
    SetRadio(o.SpecifyFiles, o.AllFiles, o.NoFiles, Flag(s, "PrFSpec", 0));
    o.FilterFiles = Flag(s, "PrFFilter", 0);
    LoadFilterList(o.FileFilter, programDir, FILES_FILTER_FILE, s, "PrFCheckList");
    o.FilesLevel = Flag(s, "PrFLevel", 0);
    o.FileDescription = Flag(s, "PrFDesc", 0);

    SetRadio(o.AllFolders, o.NoFolders, o.SpecifyFolders, Flag(s, "PrFoAll", 1));
    SetRadio(o.NoFolders, o.AllFolders, o.SpecifyFolders, Flag(s, "PrFoNo", 0));
    SetRadio(o.SpecifyFolders, o.AllFolders, o.NoFolders, Flag(s, "PrFoSpec", 0));
    o.FilterFolders = Flag(s, "PrFoFilter", 0);
    LoadFilterList(o.FolderFilter, programDir, FOLDERS_FILTER_FILE, s, "PrFoCheckList");
    o.FolderLevel = Flag(s, "PrFoLevel", 0);
    o.FolderComment = Flag(s, "PrFoDesc", 0);

    SetRadio(o.LayoutList, o.LayoutCover, o.LayoutBack, Flag(s, "PrLayoutList", 0));
    SetRadio(o.LayoutCover, o.LayoutList, o.LayoutBack, Flag(s, "PrLayoutCover", 0));
    o.CoverFrame = Flag(s, "PrLayoutCoverFrame", 1);
    SetRadio(o.LayoutBack, o.LayoutList, o.LayoutCover, Flag(s, "PrLayoutBack", 1));
    o.BackFrame = Flag(s, "PrLayoutBackFrame", 1);
}

void SavePrintDefaults(const PrintOptions &o, const std::string &programDir, PrintSettingsStore &s)
{
    Put(s, "PrFAll", o.AllFiles);
    Put(s, "PrFNo", o.NoFiles);
    Put(s, "PrFSpec", o.SpecifyFiles);
    Put(s, "PrFFilter", o.FilterFiles);
    SaveFilterList(o.FileFilter, programDir, FILES_FILTER_FILE, s, "PrFCheckList");
    Put(s, "PrFLevel", o.FilesLevel);
    Put(s, "PrFDesc", o.FileDescription);

    Put(s, "PrFoAll", o.AllFolders);
    Put(s, "PrFoNo", o.NoFolders);
    Put(s, "PrFoSpec", o.SpecifyFolders);
    Put(s, "PrFoFilter", o.FilterFolders);
    SaveFilterList(o.FolderFilter, programDir, FOLDERS_FILTER_FILE, s, "PrFoCheckList");
    Put(s, "PrFoLevel", o.FolderLevel);
    Put(s, "PrFoDesc", o.FolderComment);

    Put(s, "PrLayoutList", o.LayoutList);
    Put(s, "PrLayoutCover", o.LayoutCover);
    Put(s, "PrLayoutCoverFrame", o.CoverFrame);
    Put(s, "PrLayoutBack", o.LayoutBack);
    Put(s, "PrLayoutBackFrame", o.BackFrame);
}

bool SelectionIsComplete(const PrintOptions &o)
{
    if (o.SpecifyFolders && !o.FilterFolders && !o.FolderLevel && !o.FolderComment)
        return false;
    if (o.SpecifyFiles && !o.FilterFiles && !o.FilesLevel && !o.FileDescription)
        return false;
    return true;
}

PrintLayout ChosenLayout(const PrintOptions &o)
{
    if (o.LayoutCover)
        return PrintLayout::Cover;
    if (o.LayoutBack)
        return PrintLayout::BackCover;
    return PrintLayout::List;
}

bool ChosenFrame(const PrintOptions &o)
{
    switch (ChosenLayout(o)) {
    case PrintLayout::Cover:
        return o.CoverFrame;
    case PrintLayout::BackCover:
        return o.BackFrame;
    case PrintLayout::List:
        break;
    }
    return false;
}

} // namespace rkm
