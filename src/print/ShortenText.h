#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace rkm {

// The most characters after a name's last dot that still count as its
// extension (".txt", ".jpeg", ".torrent"), kept whole when the name is
// shortened.
inline constexpr int MAX_KEPT_EXTENSION = 8;

// A text as it is drawn into a box `maxWidth` units wide, `width` giving a
// UTF-8 text's width in the font it is drawn in: the text itself when it
// fits; else its start and its end around "…" (as UTF-8), as much of both as
// fits, with an extension of up to eight characters kept whole. It is cut
// only between whole characters as a reader sees them (a letter with its
// accents, a surrogate pair, an emoji of several code points), and spaces
// next to the ellipsis are dropped. Bytes that are not UTF-8 (Windows-1252)
// come back as UTF-8. When not even the ellipsis fits, the answer is empty.
std::string ShortenToWidth(std::string_view text, int maxWidth, const std::function<int(std::string_view)> &width);

} // namespace rkm
