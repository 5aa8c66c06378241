#include "search/TextContains.h"

#include "search/Finder.h"

namespace rkm {

bool TextContains(std::string_view text, std::string_view pattern, bool caseSensitive)
{
    if (pattern.empty())
        return true;
    if (caseSensitive)
        return text.find(pattern) != std::string_view::npos;
    return SearchPattern(pattern, false).foundIn(text);
}

} // namespace rkm
