#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::platform {

// Stored texts are bytes; they are shown decoded as UTF-8, or as Windows-1252
// where the bytes are not UTF-8 (listings made on Windows).
QString DecodeText(std::string_view bytes);
bool IsUtf8(std::string_view bytes);
// Whether every byte is below 0x80: such a text decodes to itself, and is
// upper- and lower-cased, compared and ordered byte by byte.
bool IsAscii(std::string_view bytes);
// Unicode lower-casing of the decoded text, returned as UTF-8 (ASCII fast path).
std::string LowerText(std::string_view bytes);

// The decoded text as UTF-8: the bytes themselves when they are UTF-8 already.
// What the user types is stored in this form.
std::string Utf8Text(std::string_view bytes);
// The text in Windows-1252, or nothing when a character of it has no place
// there. `utf8` must be UTF-8.
std::optional<std::string> Cp1252Text(std::string_view utf8);
// Whether two stored texts are the same text: their bytes are equal, or what
// they decode to is (exactly, letter case counting). ASCII texts are compared
// as bytes only.
bool SameText(std::string_view a, std::string_view b);
// The longest start of a text that fits in `maxBytes` without splitting a
// character (a UTF-8 sequence; a Windows-1252 text is cut at any byte).
std::string_view CutText(std::string_view text, std::size_t maxBytes);

// The text stored for a file's last-write date: the local date in the system
// locale's short date format, its year always in four digits.
std::string DateText(int64_t secondsSinceEpoch);
// A locale's short date format with the year widened to four digits
// ("dd.MM.yy" becomes "dd.MM.yyyy", "M/d/yy" becomes "M/d/yyyy").
QString ShortDateFormat(const QLocale &locale);
// The size text: "N bytes" up to 1024, else "N Kb" (N = size / 1024).
std::string SizeText(uint64_t size);

// A text as it can be stored on one line: every line break (CR LF, CR or
// LF) becomes one space.
std::string OneLineText(std::string_view text);

// The lines of a small text file (the category list, the print filter
// lists). Every line end form reads (CR, LF, CR LF); a line end at the very
// end adds no empty line; an empty middle line is an empty text.
std::vector<std::string> SplitLines(std::string_view data);

} // namespace rkm::platform
