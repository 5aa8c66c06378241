#pragma once

#include <string_view>

namespace rkm {

// Whether `text` contains `pattern`, both compared as they decode (UTF-8, else
// Windows-1252). Without case sensitivity both are Unicode lower-cased, with a
// fast path for ASCII. An empty pattern is found in every text; '*' and '?'
// are plain characters.
bool TextContains(std::string_view text, std::string_view pattern, bool caseSensitive);

} // namespace rkm
