#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::platform {

// Stored texts are bytes; they are shown decoded as UTF-8, or as Windows-1252
// where the bytes are not UTF-8 (listings made on Windows).
QString DecodeText(std::string_view bytes);
bool IsUtf8(std::string_view bytes);
// Unicode lower-casing of the decoded text, returned as UTF-8 (ASCII fast path).
std::string LowerText(std::string_view bytes);

// The text stored for a file's last-write date: the local date in the system
// locale's short date format.
std::string DateText(int64_t secondsSinceEpoch);
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
