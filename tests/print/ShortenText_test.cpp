#include "print/ShortenText.h"

#include "platform/Text.h"

#include <gtest/gtest.h>

#include <QString>

using namespace rkm;

namespace {

// Widths as a proportional font gives them, in tenths: a combining mark takes
// no room, a CJK character or an emoji two letters' room, anything else one.
int Width(std::string_view text)
{
    int w = 0;
    for (const char32_t c : platform::DecodeText(text).toUcs4()) {
        const QChar::Category cat = QChar::category(c);
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_Enclosing || c == 0x200D || c == 0xFE0F)
            continue;
        w += c >= 0x2E80 ? 20 : 10;
    }
    return w;
}

std::string Repeat(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

const std::string E = "\xE2\x80\xA6";                                      // …
const std::string ACUTE_E = "e\xCC\x81";                                   // e and a combining acute accent
const std::string CJK = "\xE6\xBC\xA2";                                    // 漢
const std::string EMOJI = "\xF0\x9F\x98\x80";                              // a surrogate pair in UTF-16
const std::string FAMILY = "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9"; // man, joiner, woman

} // namespace

TEST(ShortenText, CutsTheMiddleBetweenWholeCharactersAndKeepsTheExtension)
{
    struct Case {
        const char *name;
        std::string text;
        int maxWidth;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a text that fits is kept", "short.txt", 90, "short.txt"},
        {"the extension is kept whole", std::string(246, 'a') + ".txt", 120, "aaaa" + E + "aaa.txt"},
        // Room for 11 tenths-wide characters: the start gets the odd one.
        {"start and end of a name", "abcdefghijklmnopqrstuvwxyz.jpeg", 110, "abc" + E + "yz.jpeg"},
        {"eight characters are an extension", "abcdefghijklmnop.torrents", 110, "a" + E + ".torrents"},
        {"nine are not", "abcdefghijklmnop.torrentsx", 110, "abcde" + E + "entsx"},
        {"no dot", "abcdefghijklmnopqrstuvwxyz", 70, "abc" + E + "xyz"},
        {"a leading dot is no extension", ".abcdefghijklmnopqrstuvwxyz", 70, ".ab" + E + "xyz"},
        {"a sentence's last words are no extension", "Holiday on the coast, version 2.0 final", 110,
         "Holid" + E + "final"},
        {"blanks next to the ellipsis go", "abc      defghij      klm.txt", 110, "abc" + E + "klm.txt"},
        {"too narrow for the extension: cut without it", "abcdefghijklmnop.txt", 40, "ab" + E + "t"},
        {"only the ellipsis", "abcdefghijklmnop.txt", 10, E},
        {"not even the ellipsis", "abcdefghijklmnop.txt", 9, ""},
        {"accents stay on their letters", Repeat(ACUTE_E, 80) + ".doc", 100,
         Repeat(ACUTE_E, 3) + E + Repeat(ACUTE_E, 2) + ".doc"},
        // Room for "…" and ".txt" (50) and 4 wide characters (80), then 3.
        {"wide characters", Repeat(CJK, 80) + ".txt", 130, CJK + CJK + E + CJK + CJK + ".txt"},
        {"wide characters, room for an odd number", Repeat(CJK, 80) + ".txt", 129, CJK + CJK + E + CJK + ".txt"},
        {"surrogate pairs stay whole", Repeat(EMOJI, 40) + ".png", 129, EMOJI + EMOJI + E + EMOJI + ".png"},
        {"an emoji of several code points stays whole", Repeat(FAMILY, 40) + ".png", 125, FAMILY + E + ".png"},
        {"a Windows-1252 name comes back as UTF-8", Repeat("\xE9", 40) + ".txt", 90,
         Repeat("\xC3\xA9", 2) + E + Repeat("\xC3\xA9", 2) + ".txt"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string got = ShortenToWidth(c.text, c.maxWidth, Width);
        EXPECT_EQ(got, c.expected);
        EXPECT_LE(Width(got), c.maxWidth);
        EXPECT_TRUE(platform::IsUtf8(got));
    }
}
