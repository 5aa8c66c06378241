#pragma once

// A match as rackmere-cli prints it, a line or a JSON object, from the names
// alone: the loaded catalogue and the search index give the same bytes.

#include <string>
#include <string_view>
#include <vector>

namespace rkm::cli {

// Stored bytes as UTF-8 for a terminal or JSON (Windows-1252 where not UTF-8).
std::string Shown(std::string_view bytes);
// A JSON string literal of stored bytes.
std::string Json(std::string_view bytes);

// A match as a line: the name its disk is shown by (Catalog::displayName),
// the folder names below the disk, each followed by '/', then the file name
// (empty for a disk or folder). All in stored bytes.
std::string MatchLine(std::string_view shownDisk, const std::vector<std::string_view> &folders,
                      std::string_view fileName);
// The same as a JSON object with the keys listing, disk, folders, file and
// index (null, as file, for a disk or folder: `entry` -1).
std::string MatchJson(std::string_view listingFile, std::string_view diskName,
                      const std::vector<std::string_view> &folders, std::string_view fileName, int entry);

} // namespace rkm::cli
