#pragma once

// A match as rackmere-cli prints it, a line or a JSON object, from the names
// alone: the loaded catalogue and the search index give the same bytes.

#include "platform/Translated.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::cli {

// What rackmere-cli says to people (its help, messages and errors) in the
// user's language: Say::tr("..."), with %1 and .arg() or Fill() for what
// varies and tr(text, nullptr, n) with %n where a count decides the words.
// Texts made before the translations are installed (the commands' tables)
// are marked QT_TRANSLATE_NOOP("rkm::cli::Say", "...") and shown by Said().
// Command and option names, JSON and the exported formats are never
// translated.
class Say {
    Q_DECLARE_TR_FUNCTIONS(rkm::cli::Say)
};

// A text marked QT_TRANSLATE_NOOP("rkm::cli::Say", ...) in the user's
// language, as UTF-8; an empty text stays empty.
std::string Said(const char *text);
// A translated text with %1 to %9 replaced by `args` in one pass, as UTF-8.
// The arguments are put in byte for byte: names typed on the command line
// or stored in a listing need not be UTF-8, and a '%' in them stays.
inline std::string Fill(const QString &text, std::initializer_list<std::string_view> args)
{
    return Utf8(text, args);
}
// A volume's serial number as the messages show it: eight hexadecimal digits.
std::string SerialText(uint32_t serial);

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
