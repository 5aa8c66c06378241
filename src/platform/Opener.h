#pragma once

#include <string>
#include <vector>

namespace rkm::platform {

// Where the desktop keeps its choices of programs for file types (the XDG
// MIME applications rules): the configuration folders, then the data folders,
// most important first.
struct OpenerDirs {
    std::vector<std::string> config;   // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS
    std::vector<std::string> data;     // $XDG_DATA_HOME, then $XDG_DATA_DIRS
    std::vector<std::string> desktops; // $XDG_CURRENT_DESKTOP, lower-cased, for "<desktop>-mimeapps.list"
};
// The folders of this session's environment (with the standard defaults).
OpenerDirs SessionOpenerDirs();

// The desktop file (its id, "org.gnome.Evince.desktop") of the program that
// opens a file of the type `mimeType` (or of a type it is a kind of, as
// text/x-csrc is a kind of text/plain), or empty when no installed program
// is set up for it.
std::string DefaultApplication(const std::string &mimeType, const OpenerDirs &dirs);

// The same for a file, its type found from its name and contents.
std::string DefaultApplicationForFile(const std::string &path, const OpenerDirs &dirs);

} // namespace rkm::platform
