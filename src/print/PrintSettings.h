#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// A filter file larger than this is refused (it holds a few names).
inline constexpr std::size_t MAX_FILTER_FILE_BYTES = std::size_t(4) << 20;

// One entry of a filter list with its check mark.
struct FilterEntry {
    std::string text;
    bool checked = false;
    bool operator==(const FilterEntry &) const = default;
};

// The filter lists a new options dialog starts from when no filter file exists.
std::vector<FilterEntry> BuiltInFileFilters();   // .EXE .ZIP .ARJ .RAR
std::vector<FilterEntry> BuiltInFolderFilters(); // INSTALL.EXE SETUP.EXE

// The state of the print options dialog, control by control. A default
// object is the dialog as designed, before any stored default is applied.
struct PrintOptions {
    // "File names" page: one of three radio buttons (or none).
    bool AllFiles = true;
    bool NoFiles = false;
    bool SpecifyFiles = false;
    bool FilterFiles = false;
    std::vector<FilterEntry> FileFilter = BuiltInFileFilters();
    bool FilesLevel = false;
    std::string FileLevelText = "0";
    bool FileDescription = false;

    // "Folder names" page.
    bool AllFolders = true;
    bool NoFolders = false;
    bool SpecifyFolders = false;
    bool FilterFolders = false;
    std::vector<FilterEntry> FolderFilter = BuiltInFolderFilters();
    bool FolderLevel = false;
    std::string FolderLevelText = "0";
    bool FolderComment = false;

    // "Layout" page: list, cover, back cover form one radio group.
    bool LayoutList = false;
    bool LayoutCover = true;
    bool CoverFrame = true;
    bool LayoutBack = false;
    bool BackFrame = false;

    bool operator==(const PrintOptions &) const = default;
};

// Where the stored print defaults live. The desktop program and the CLI use
// the program's settings store; tests may count the reads and writes.
class PrintSettingsStore {
public:
    virtual ~PrintSettingsStore() = default;
    virtual int getInt(const std::string &key, int defaultValue) = 0;
    virtual void setInt(const std::string &key, int value) = 0;
    // A key never written reads as the empty string.
    virtual std::string getString(const std::string &key) = 0;
    virtual void setString(const std::string &key, const std::string &value) = 0;
};

// The program's settings store.
PrintSettingsStore &ProgramSettings();

inline constexpr char FILES_FILTER_FILE[] = "FILES.FLT";
inline constexpr char FOLDERS_FILTER_FILE[] = "FOLDERS.FLT";

// A filter file: one entry a line. Every line end form reads (CR LF, CR, LF);
// the line end after the last entry adds no entry; an empty line between two
// entries is an empty entry. Written with CR LF after every entry; a line
// break inside an entry is written as a space.
std::vector<std::string> ParseFilterFile(std::string_view data);
std::string FormatFilterFile(const std::vector<FilterEntry> &entries);

// "1" for every marked entry, "0" for every other, in list order.
std::string CheckMarkString(const std::vector<FilterEntry> &entries);
// Marks the entries from a stored string, read with room for 1023 characters;
// a string whose length is not the number of entries marks none.
void ApplyCheckMarks(std::vector<FilterEntry> &entries, std::string_view marks);

// Applies the nineteen stored keys and the two filter files of `programDir`
// to `options`, in the order they are stored. A filter file that exists but
// cannot be read throws RackmereError "Cannot open file NAME"; what was
// applied before stays applied, the rest keeps its previous state.
void LoadPrintDefaults(PrintOptions &options, const std::string &programDir, PrintSettingsStore &settings);

// Stores `options` as the new defaults, in the same order, the filter files
// written whole through a temporary file. A filter file that cannot be
// written throws RackmereError "Cannot create file NAME"; what was stored
// before stays stored.
void SavePrintDefaults(const PrintOptions &options, const std::string &programDir, PrintSettingsStore &settings);

// The dialog's own check before it closes for printing: a "Specify:" choice
// needs at least one of its three boxes.
bool SelectionIsComplete(const PrintOptions &options);

// The page layout the options choose. None chosen gives the list of contents.
enum class PrintLayout { List, Cover, BackCover };
PrintLayout ChosenLayout(const PrintOptions &options);
// Whether the chosen cover gets its frame (never for a list).
bool ChosenFrame(const PrintOptions &options);

} // namespace rkm
