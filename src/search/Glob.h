#pragma once

#include <string>
#include <string_view>

namespace rkm {

// Whether a search text is a name pattern: it holds '*' or '?'.
bool HasWildcards(std::string_view text);

// A name pattern: '*' stands for any run of characters (none included), '?'
// for exactly one character; everything else for itself. Texts are compared
// decoded (UTF-8, else Windows-1252), so '?' is one character whatever its
// bytes, and without case sensitivity Unicode lower-cased.
class GlobPattern final {
public:
    // `pattern` as typed (UTF-8).
    GlobPattern(std::string_view pattern, bool caseSensitive);

    // Whether the whole of `text` (stored bytes) fits the pattern.
    bool matches(std::string_view text) const;
    // Whether some part of `text` fits it (as if it began and ended with '*').
    bool matchesPart(std::string_view text) const;

    // The longest run of the pattern without wildcards: every text that fits
    // holds it. Empty for a pattern of wildcards only.
    const std::string &longestLiteral() const { return m_literal; }

private:
    bool fits(std::string_view pattern, std::string_view text) const;
    std::string m_pattern; // lower-cased unless case-sensitive
    std::string m_part;    // "*" + m_pattern + "*"
    std::string m_literal;
    bool m_caseSensitive;
};

} // namespace rkm
