#pragma once

// Where the catalogue folder is, in a file of its own so that a program that
// only reads the search index (the lean rackmere-cli) needs nothing more.

#include <string>
#include <string_view>

namespace rkm {

// The program directory: $RACKMERE_DIR if set, else the user's data folder
// (~/.local/share/Rackmere/); always ends with '/'. Nothing is made here
// (PrepareProgramDir does that).
std::string GetProgramDir();
// The user's data folder's Rackmere/, where the catalogue is when
// $RACKMERE_DIR does not name another; and whether `dir` is that folder.
std::string DefaultProgramDir();
bool IsDefaultProgramDir(const std::string &dir);
// The same for an explicit folder (the CLI's --dir): made absolute, ends with '/'.
std::string NormalizeProgramDir(const std::string &dir);
// Whether the program directory is there as a folder, and what else.
enum class ProgramDirState { Folder, Missing, NotAFolder };
ProgramDirState ProgramDirStateOf(const std::string &dir);
// `dir` ending with '/'.
std::string WithSlash(std::string dir);
// Whether a file name ends in ".rkm" in any letter case (and has more): the
// names the load takes for listings.
bool EndsWithListingSuffix(std::string_view name);

} // namespace rkm
