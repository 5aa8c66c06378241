#include "search/Glob.h"

#include "platform/Text.h"

#include <cstring>

namespace rkm {

namespace {

// Bytes of the UTF-8 character that starts at `i`.
std::size_t CharLength(std::string_view text, std::size_t i)
{
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `text` is UTF-8; with `fold` its A to Z count as a to z. Wildcards in
// `pattern` are matched with one place to go back to, the last '*': a later
// '*' can always take over what an earlier one would have had to.
bool Fits(std::string_view pattern, std::string_view text, bool fold)
{
    std::size_t p = 0, t = 0;
    std::size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
            continue;
        }
        if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            t += CharLength(text, t);
            continue;
        }
        if (p < pattern.size() && pattern[p] == (fold ? FoldAscii(text[t]) : text[t])) {
            ++p;
            ++t;
            continue;
        }
        if (starP == std::string_view::npos)
            return false;
        p = starP + 1;
        starT += CharLength(text, starT);
        t = starT;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool HasWildcards(std::string_view text)
{
    return text.find_first_of("*?") != std::string_view::npos;
}

GlobPattern::GlobPattern(std::string_view pattern, bool caseSensitive)
    : m_pattern(caseSensitive ? std::string(pattern) : platform::LowerText(pattern)), m_caseSensitive(caseSensitive)
{
    m_part = "*" + m_pattern + "*";
    std::size_t start = 0;
    while (start <= m_pattern.size()) {
        std::size_t end = m_pattern.find_first_of("*?", start);
        if (end == std::string::npos)
            end = m_pattern.size();
        if (end - start > m_literal.size())
            m_literal = m_pattern.substr(start, end - start);
        start = end + 1;
    }
}

bool GlobPattern::fits(std::string_view pattern, std::string_view text) const
{
    if (platform::IsAscii(text))
        return Fits(pattern, text, !m_caseSensitive);
    if (!m_caseSensitive)
        return Fits(pattern, platform::LowerText(text), false);
    if (platform::IsUtf8(text))
        return Fits(pattern, text, false);
    return Fits(pattern, platform::DecodeText(text).toStdString(), false);
}

bool GlobPattern::matches(std::string_view text) const
{
    return fits(m_pattern, text);
}

bool GlobPattern::matchesPart(std::string_view text) const
{
    return fits(m_part, text);
}

} // namespace rkm
