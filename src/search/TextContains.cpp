#include "search/TextContains.h"

#include "search/Finder.h"

namespace rkm {

bool TextContains(std::string_view text, std::string_view pattern, bool caseSensitive)
{
    if (pattern.empty())
        return true;
    return SearchPattern(pattern, caseSensitive).foundIn(text);
}

} // namespace rkm
