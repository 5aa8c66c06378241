#include "platform/Text.h"
#include "search/Finder.h"
#include "search/TextContains.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QString>

#include <random>

using namespace rkm;

namespace {

struct ContainsCase {
    const char *what;
    std::string text;
    std::string pattern;
    bool caseSensitive;
    bool expected;
};

const ContainsCase kCases[] = {
    // case rules
    {"upper pattern, lower text", "readme.txt", "READ", false, true},
    {"mixed text", "ReadMe.TXT", "read", false, true},
    {"case-sensitive differs", "readme.txt", "READ", true, false},
    {"case-sensitive same", "ReadMe.TXT", "ReadMe", true, true},
    {"long pattern folded", "My Holiday PHOTOS 2023.JPG", "photos 2023.jp", false, true},
    {"long pattern one letter off", "My Holiday PHOTOS 2023.JPG", "photos 2024.jp", false, false},
    {"match at the very end", "abcdefgh", "FGH", false, true},
    {"match at the very start", "abcdefgh", "ABCD", false, true},
    {"pattern longer than text", "abc", "abcd", false, false},
    {"digits and punctuation", "x-1_2.3", "-1_2.", false, true},
    // accented letters, UTF-8
    {"É finds é", "\xC3\x89t\xC3\xA9.txt", "\xC3\xA9t\xC3\xA9", false, true},
    {"é finds É", "\xC3\xA9t\xC3\xA9.txt", "\xC3\x89T\xC3\x89", false, true},
    {"É case-sensitive", "\xC3\x89t\xC3\xA9.txt", "\xC3\xA9t", true, false},
    {"Greek", "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91", "\xCF\x83\xCE\xBF\xCF\x86", false, true},
    {"ASCII pattern in accented text", "Caf\xC3\xA9 MENU.doc", "menu", false, true},
    {"accented pattern, ASCII text", "cafe", "caf\xC3\xA9", false, false},
    // characters that lower-case into ASCII
    {"dotted capital I", "F\xC4\xB0LE", "fi", false, true},
    {"Kelvin sign", "300\xE2\x84\xAA.dat", "300k", false, true},
    {"Kelvin sign as pattern", "300k.dat", "\xE2\x84\xAA.", false, true},
    // bytes that are not UTF-8: Windows-1252
    {"cp1252 É finds é", "\xC9t\xE9.txt", "\xC3\xA9t\xC3\xA9", false, true},
    {"cp1252 text, ASCII pattern", "R\xE9SUM\xC9 FINAL.doc", "final", false, true},
    {"cp1252 bytes compared raw", "\xC9t\xE9", "\xC9t", true, true},
    {"lone continuation byte", "a\x80" "b", "B", false, true},
    // empty texts and patterns
    {"empty pattern, empty text", "", "", false, true},
    {"empty pattern, empty text, cs", "", "", true, true},
    {"empty pattern, text", "abc", "", false, true},
    {"pattern, empty text", "", "a", false, false},
    {"pattern, empty text, cs", "", "a", true, false},
    // no wildcards
    {"asterisk alone, no asterisk", "readme.txt", "*", false, false},
    {"asterisk alone, with one", "a*b", "*", false, true},
    {"asterisk is no wildcard", "readme.txt", "read*.txt", false, false},
    {"question mark is plain", "what?.txt", "T?", false, true},
    {"question mark is no wildcard", "readme.txt", "re?dme", false, false},
};

void PrintTo(const ContainsCase &c, std::ostream *os)
{
    *os << c.what;
}

class TextContainsTable : public ::testing::TestWithParam<ContainsCase> {};

} // namespace

TEST_P(TextContainsTable, Answers)
{
    const ContainsCase &c = GetParam();
    EXPECT_EQ(TextContains(c.text, c.pattern, c.caseSensitive), c.expected) << c.what;
    // The prepared pattern the search uses answers the same.
    EXPECT_EQ(SearchPattern(c.pattern, c.caseSensitive).foundIn(c.text), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextContainsTable, ::testing::ValuesIn(kCases));

// The ASCII fast path relies on this: lower-casing any character other than
// U+0130 and U+212A gives no ASCII byte at all.
TEST(TextContains, OnlyTwoCharactersLowerIntoAscii)
{
    std::vector<char32_t> lowersToAscii;
    for (char32_t cp = 0x80; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const QByteArray utf8 = QString::fromUcs4(&cp, 1).toUtf8();
        const std::string lowered = platform::LowerText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        for (const char b : lowered)
            if (static_cast<unsigned char>(b) < 0x80) {
                lowersToAscii.push_back(cp);
                break;
            }
    }
    EXPECT_EQ(lowersToAscii, (std::vector<char32_t>{0x130, 0x212A}));
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string lowered = platform::LowerText(std::string(1, static_cast<char>(b)));
        for (const char c : lowered)
            EXPECT_GE(static_cast<unsigned char>(c), 0x80) << "Windows-1252 byte " << b;
    }
}

// The folder-buffer scan must find exactly the entries that testing every
// entry one by one finds, whatever the texts: random entries from a small
// alphabet (so that matches, near misses and matches in the date, size and
// category texts are common), random patterns, both case modes.
TEST(TextContains, BufferScanAgreesWithEntryByEntry)
{
    std::mt19937 rng(test::TestSeed(12345));
    const std::vector<std::string> pieces = {"a", "A", "b", "B", "ab", "AB", "x", " ", ".", "*",
                                             "\xC3\xA9", "\xC3\x89", "\xC9", "\xC4\xB0", "\xE2\x84\xAA", "k", "i"};
    const auto randomText = [&](int maxPieces) {
        std::string s;
        const int n = static_cast<int>(rng() % static_cast<unsigned>(maxPieces + 1));
        for (int i = 0; i < n; ++i)
            s += pieces[rng() % pieces.size()];
        return s;
    };
    for (int round = 0; round < 2000; ++round) {
        FileList files;
        const int n = 1 + static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i)
            files.append(FileEntry{randomText(6), randomText(4), randomText(3), randomText(3), randomText(2)});
        if (round % 3 == 0) // replaced texts leave the buffer out of list order
            files.setText(static_cast<int>(rng() % static_cast<unsigned>(n)), FT_NAME, randomText(5));
        SearchOptions o;
        o.text = randomText(3);
        o.caseSensitive = rng() % 2;
        o.fileNames = rng() % 4 != 0;
        o.descriptions = rng() % 4 != 0;
        o.categoryOnly = rng() % 5 == 0;
        o.category = o.categoryOnly ? std::string(files.text(static_cast<int>(rng() % static_cast<unsigned>(n)), FT_CATEGORY)) : "";
        const Finder finder(o);
        for (int first = 0; first <= n; ++first) {
            int expected = -1;
            for (int i = first; i < n && expected < 0; ++i) {
                const FileEntryView e = files.entry(i);
                // The same category text, in either encoding.
                if (o.categoryOnly && !platform::SameText(e[FT_CATEGORY], o.category))
                    continue;
                if ((o.categoryOnly && o.text.empty()) || (o.fileNames && TextContains(e[FT_NAME], o.text, o.caseSensitive)) ||
                    (o.descriptions && TextContains(e[FT_DESCRIPTION], o.text, o.caseSensitive)))
                    expected = i;
            }
            ASSERT_EQ(finder.findEntry(files, first), expected)
                << "round " << round << " pattern '" << o.text << "' from " << first;
        }
    }
}

// TextContains itself against a plain lower-case-then-find.
TEST(TextContains, AgreesWithLowerThenFind)
{
    std::mt19937 rng(test::TestSeed(777));
    const std::vector<std::string> pieces = {"a", "A", "Z", "z", "\xC3\xA9", "\xC3\x89", "\xC9", "\xE9",
                                             "\xC4\xB0", "i", "\xE2\x84\xAA", "k", "K", "\xE2\x82\xAC", "\x80"};
    for (int round = 0; round < 5000; ++round) {
        std::string text, pattern;
        for (int i = static_cast<int>(rng() % 40); i > 0; --i)
            text += pieces[rng() % pieces.size()];
        for (int i = 1 + static_cast<int>(rng() % (round % 2 ? 3 : 12)); i > 0; --i)
            pattern += pieces[rng() % pieces.size()];
        const bool expected = platform::LowerText(text).find(platform::LowerText(pattern)) != std::string::npos;
        ASSERT_EQ(TextContains(text, pattern, false), expected) << "'" << text << "' / '" << pattern << "'";
    }
}

// The ASCII fold of the fast path at both ends of both letter ranges and at
// the bytes just beside them, which fold to nothing. Twenty bytes before the
// match put it in a 16-byte block of the vector scan when more text follows,
// and in the byte-by-byte tail after the blocks when it ends the text.
TEST(TextContains, LetterRangeEdgesFoldExactly)
{
    struct Edge {
        char byte;
        char otherCase; // 0: none
    };
    const Edge edges[] = {{'@', 0}, {'A', 'a'}, {'Z', 'z'}, {'[', 0}, {'`', 0}, {'a', 'A'}, {'z', 'Z'}, {'{', 0}};
    const std::string filler(20, '0');
    for (const Edge &t : edges)
        for (const Edge &p : edges)
            for (const bool cs : {false, true}) {
                const bool expected = t.byte == p.byte || (!cs && t.otherCase == p.byte);
                const std::string pattern(1, p.byte);
                for (const std::string &text : {filler + t.byte + filler, filler + t.byte}) {
                    SCOPED_TRACE(std::string("'") + p.byte + "' in '" + t.byte + "', " +
                                 (cs ? "case-sensitive" : "any case") +
                                 (text.size() > 21 ? ", vector block" : ", tail"));
                    EXPECT_EQ(TextContains(text, pattern, cs), expected);
                    FileList files;
                    files.append(FileEntry{text, "", "", "", ""});
                    SearchOptions o;
                    o.text = pattern;
                    o.caseSensitive = cs;
                    EXPECT_EQ(Finder(o).findEntry(files, 0), expected ? 0 : -1);
                }
            }
}
