#include "print/PrintSelection.h"

#include "catalog/Errors.h"
#include "platform/Text.h"
#include "platform/Translated.h"
#include "search/TextContains.h"

#include <limits>

namespace rkm {

namespace {

std::vector<std::string> Checked(const std::vector<FilterEntry> &list)
{
    std::vector<std::string> out;
    for (const FilterEntry &e : list)
        if (e.checked)
            out.push_back(e.text);
    return out;
}

void Collect(const TreeNode &node, int level, std::vector<std::string> &fileLines,
             std::vector<std::string> &folderLines, const TPrintSelection &sel)
{
    const TDisk &d = node.disk();
    // Whether this folder's line has been decided; a folder gives one line at most.
    bool marked = false;
    if (d.IsRoot) {
        marked = true;
    } else if (sel.AllFolders || (sel.FolderLevelOn && level <= sel.FolderLevel) ||
               (sel.FolderComment && !d.Comment.empty())) {
        marked = true;
        folderLines.push_back(node.text());
    }
    for (int i = 0; i < d.Files.count(); ++i) {
        const FileEntryView e = d.Files.entry(i);
        const std::string_view name = e[FT_NAME];
        if (!marked && sel.FilterFolders && MatchesAnyFilter(sel.FolderFilter, name)) {
            marked = true;
            folderLines.push_back(node.text());
        }
        if (sel.AllFiles || (sel.FilterFiles && MatchesAnyFilter(sel.FileFilter, name)) ||
            (sel.FileLevelOn && level <= sel.FileLevel))
            fileLines.emplace_back(name);
        if (sel.FileDescriptions && !e[FT_DESCRIPTION].empty())
            fileLines.emplace_back(e[FT_DESCRIPTION]);
    }
    for (int i = 0; i < node.childCount(); ++i)
        Collect(*node.child(i), level + 1, fileLines, folderLines, sel);
}

} // namespace

int32_t LevelFromText(const std::string &text)
{
    const auto bad = [&] { return RackmereError(Utf8(rkm::Core::tr("'%1' is not a valid integer value"), {text})); };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        throw bad();
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw bad();
        value = value * 10 + (c - '0');
        if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            throw bad();
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        throw bad();
    return static_cast<int32_t>(value);
}

TPrintSelection ReadPrintSelection(const PrintOptions &o)
{
    TPrintSelection s;
    s.AllFolders = o.AllFolders;
    s.FilterFolders = o.SpecifyFolders && o.FilterFolders;
    s.FolderLevelOn = o.SpecifyFolders && o.FolderLevel;
    s.FolderLevel = LevelFromText(o.FolderLevelText);
    s.FolderComment = o.SpecifyFolders && o.FolderComment;
    if (s.FilterFolders)
        s.FolderFilter = Checked(o.FolderFilter);
    s.AllFiles = o.AllFiles;
    s.FilterFiles = o.SpecifyFiles && o.FilterFiles;
    s.FileLevelOn = o.SpecifyFiles && o.FilesLevel;
    s.FileLevel = LevelFromText(o.FileLevelText);
    s.FileDescriptions = o.SpecifyFiles && o.FileDescription;
    if (s.FilterFiles)
        s.FileFilter = Checked(o.FileFilter);
    return s;
}

bool MatchesAnyFilter(const std::vector<std::string> &filters, std::string_view fileName)
{
    for (const std::string &f : filters)
        if (TextContains(fileName, platform::LowerText(f), false))
            return true;
    return false;
}

void CollectPrintLines(const TreeNode &node, std::vector<std::string> &FileLines,
                       std::vector<std::string> &FolderLines, const TPrintSelection &selection)
{
    Collect(node, node.level(), FileLines, FolderLines, selection);
}

} // namespace rkm
