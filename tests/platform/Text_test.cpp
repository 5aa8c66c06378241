// DecodeText, IsUtf8, LowerText, SizeText and DateText.

#include "platform/Text.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QString>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

using namespace rkm::platform;

namespace {

TEST(PlatformText, SameTextInEitherEncoding)
{
    struct Case {
        std::string a, b;
        bool same;
    };
    const Case cases[] = {
        {"Caf\xE9.doc", "Caf\xC3\xA9.doc", true},          // Windows-1252 and UTF-8
        {"Caf\xC3\xA9.doc", "Caf\xE9.doc", true},
        {"Cat\x92s", "Cat\xE2\x80\x99s", true},             // ’ from the 0x80..0x9F block
        {"Caf\xE9", "Caf\xE9", true},
        {"Caf\xE9", "CAF\xC3\x89", false},                   // exact: letter case counts
        {"Caf\xE9", "Cafe", false},
        {"readme", "readme", true},
        {"readme", "README", false},
        {"\xC3\xA9", "\xC3\x83\xC2\xA9", false},             // "é" is not "Ã©"
        {"\xC3\xA9", "\xE9", true},
        {"", "", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SameText(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(PlatformText, TypedTextsAsUtf8AndWindows1252)
{
    EXPECT_EQ(Utf8Text("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(Utf8Text("Caf\xC3\xA9"), "Caf\xC3\xA9");
    EXPECT_EQ(Cp1252Text("\xC3\x89" "COLE"), std::optional<std::string>("\xC9" "COLE"));
    EXPECT_EQ(Cp1252Text("Cat\xE2\x80\x99s \xE2\x82\xAC"), std::optional<std::string>("Cat\x92s \x80"));
    EXPECT_EQ(Cp1252Text("\xC2\x81"), std::optional<std::string>("\x81")); // undefined, stands for itself
    EXPECT_EQ(Cp1252Text("\xE6\x97\xA5"), std::nullopt);                  // 日 has no place there
}

TEST(PlatformText, CutTextKeepsWholeCharacters)
{
    const std::string e = "\xC3\xA9";        // é, two bytes
    const std::string euro = "\xE2\x82\xAC"; // €, three bytes
    struct Case {
        std::string text;
        std::size_t max;
        std::string cut;
    };
    const Case cases[] = {
        {"abcdef", 4, "abcd"},
        {"abc", 4, "abc"},
        {"ab" + e + "c", 3, "ab"},                  // é would be split
        {"ab" + e + "c", 4, "ab" + e},
        {"a" + euro + euro, 5, "a" + euro},
        {"a" + euro + euro, 6, "a" + euro},
        {"a" + euro + euro, 7, "a" + euro + euro},
        {"ab\xE9\xE9\xE9", 4, "ab\xE9\xE9"},        // Windows-1252: one byte a character
        {std::string(600, 'x'), 510, std::string(510, 'x')},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CutText(c.text, c.max), c.cut) << c.text << " at " << c.max;
}

TEST(PlatformIsUtf8, Cases)
{
    struct Case {
        std::string bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"", true},
        {"plain ascii text, long enough for the eight-byte path", true},
        {"\xC3\x89t\xC3\xA9", true},                 // "Été"
        {"\xE2\x82\xAC", true},                      // €
        {"\xF0\x9F\x98\x80", true},                  // U+1F600
        {"\xF4\x8F\xBF\xBF", true},                  // U+10FFFF
        {"abcdefgh\xC3\xA9", true},                  // after an ASCII block
        {"\xE9t\xE9", false},                        // cp1252 "été"
        {"\x80", false},                             // lone continuation
        {"\xC3", false},                             // truncated
        {"abcdefg\xC3", false},                      // truncated at the end
        {"\xC0\xAF", false},                         // overlong "/"
        {"\xE0\x80\xAF", false},                     // overlong
        {"\xED\xA0\x80", false},                     // surrogate
        {"\xF4\x90\x80\x80", false},                 // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\xFF", false},
        {std::string("a\0b", 3), true},              // NUL is ASCII
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(IsUtf8(c.bytes), c.utf8);
    }
}

TEST(PlatformDecodeText, Cases)
{
    struct Case {
        std::string bytes;
        QString text;
    };
    const Case cases[] = {
        {"", QString()},
        {"Readme.TXT", QStringLiteral("Readme.TXT")},
        {"\xC3\x89t\xC3\xA9", QString::fromUtf8("Été")},
        {"\x80", QString(QChar(0x20AC))},                         // €
        {"caf\xE9", QString::fromUtf8("café")},                   // cp1252 é
        {"\xC9t\xE9", QString::fromUtf8("Été")},
        {"\x93quoted\x94", QString::fromUtf8("\u201Cquoted\u201D")},
        {"\x8A\x9F\x99", QString::fromUtf8("\u0160\u0178\u2122")},
        {"\x81\x8D\x8F\x90\x9D", QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")}, // undefined → C1
        {"\xA0\xFF", QString::fromUtf16(u"\u00A0\u00FF")},
        {"\xC3\x28", QString::fromUtf16(u"\u00C3(")},             // invalid UTF-8 → cp1252
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(DecodeText(c.bytes), c.text);
    }
}

TEST(PlatformDecodeText, EveryByteDecodesToOneCharacter)
{
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string s(1, static_cast<char>(b));
        const QString t = DecodeText(s);
        ASSERT_EQ(t.size(), 1) << b;
        if (b >= 0xA0) {
            EXPECT_EQ(t[0].unicode(), b);
        }
    }
}

TEST(PlatformLowerText, Cases)
{
    struct Case {
        std::string bytes;
        std::string lower;
    };
    const Case cases[] = {
        {"", ""},
        {"ABC xyz 123 [@]", "abc xyz 123 [@]"},
        {"README.TXT, a somewhat longer ASCII NAME", "readme.txt, a somewhat longer ascii name"},
        {"\xC3\x89t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},  // "Été" → "été"
        {"\xC9T\xC9", "\xC3\xA9t\xC3\xA9"},          // cp1252 "ÉTÉ" → UTF-8 "été"
        {"\x80", "\xE2\x82\xAC"},                    // € stays, as UTF-8
        {"\xCE\xA3\xCE\x9F", "\xCF\x83\xCE\xBF"},    // "ΣΟ" → "σο"
        {std::string("A\0B", 3), std::string("a\0b", 3)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(LowerText(c.bytes), c.lower);
    }
}

TEST(PlatformSizeText, Boundaries)
{
    struct Case {
        uint64_t size;
        const char *text;
    };
    const Case cases[] = {
        {0, "0 bytes"},
        {1, "1 bytes"},
        {1023, "1023 bytes"},
        {1024, "1024 bytes"},
        {1025, "1 Kb"},
        {2047, "1 Kb"},
        {2048, "2 Kb"},
        {1048576, "1024 Kb"},
        {uint64_t(2) << 30, "2097152 Kb"},
        {uint64_t(3) << 30, "3145728 Kb"},
        {(uint64_t(4) << 30) + 1, "4194304 Kb"},
        {UINT64_MAX, "18014398509481983 Kb"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.size);
        EXPECT_EQ(SizeText(c.size), c.text);
    }
}

// Seconds since the epoch of local noon on a date.
int64_t LocalNoon(int y, int m, int d)
{
    std::tm t {};
    t.tm_year = y - 1900;
    t.tm_mon = m - 1;
    t.tm_mday = d;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return static_cast<int64_t>(mktime(&t));
}

std::string Expected(int y, int m, int d)
{
    return QLocale::system().toString(QDate(y, m, d), ShortDateFormat(QLocale::system())).toStdString();
}

TEST(PlatformDateText, YearKeepsItsCentury)
{
    struct Case {
        const char *locale;
        int y, m, d;
        const char *text;
    };
    const Case cases[] = {
        {"de_DE", 1999, 12, 5, "05.12.1999"}, {"de_DE", 2099, 12, 5, "05.12.2099"},
        {"en_US", 1999, 12, 5, "12/5/1999"},  {"en_US", 2009, 1, 31, "1/31/2009"},
        {"en_GB", 1999, 12, 5, "05/12/1999"}, {"ja_JP", 1999, 12, 5, "1999/12/05"},
        {"nl_NL", 1999, 12, 5, "05-12-1999"}, {"C", 1999, 12, 5, "5 Dec 1999"},
    };
    for (const Case &c : cases) {
        const QLocale locale{QString::fromLatin1(c.locale)};
        EXPECT_EQ(locale.toString(QDate(c.y, c.m, c.d), ShortDateFormat(locale)).toStdString(), c.text)
            << c.locale << " " << ShortDateFormat(locale).toStdString();
    }
}

TEST(PlatformDateText, MatchesTheSystemLocale)
{
    struct Case {
        int y, m, d;
    };
    const Case cases[] = {
        {2024, 3, 15}, {1999, 12, 31}, {1980, 1, 1}, {2000, 2, 29}, {2107, 12, 31},
        {1970, 1, 2},  {1969, 7, 20},  {1900, 6, 1}, {2150, 8, 9},  {2038, 1, 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        const std::string expected = Expected(c.y, c.m, c.d);
        ASSERT_FALSE(expected.empty());
        const int64_t noon = LocalNoon(c.y, c.m, c.d);
        EXPECT_EQ(DateText(noon), expected);          // miss
        EXPECT_EQ(DateText(noon), expected);          // hit
        EXPECT_EQ(DateText(noon + 60), expected);     // same bucket
        EXPECT_EQ(DateText(noon - 11 * 3600), expected); // 01:00 the same day
        EXPECT_EQ(DateText(noon + 11 * 3600), expected); // 23:00 the same day
    }
}

TEST(PlatformDateText, DayBoundariesAcrossTheYear)
{
    // Every hour of 2023 and 1970 (DST changes included): cached and uncached
    // answers agree with the local date.
    for (int year : {1970, 2023}) {
        const int64_t start = LocalNoon(year, 1, 1) - 12 * 3600;
        for (int64_t s = start; s < start + 366LL * 86400; s += 3600 - 7) {
            const std::time_t t = static_cast<std::time_t>(s);
            std::tm tm {};
            ASSERT_NE(localtime_r(&t, &tm), nullptr);
            const std::string expected = Expected(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
            ASSERT_EQ(DateText(s), expected) << s;
            ASSERT_EQ(DateText(s), expected) << s;
        }
    }
}

TEST(PlatformDateText, ZonesWithClockChangesAndOddOffsets)
{
    // Each zone on a thread of its own, whose caches start empty. Times every
    // 47 minutes through 2024 and around each midnight of the clock-change
    // months agree with the C library's local date.
    const char *zones[] = {"Europe/Berlin", "America/St_Johns", "Australia/Lord_Howe", "Asia/Kathmandu",
                           "Pacific/Kiritimati", "America/Santiago"};
    const char *old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    for (const char *zone : zones) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        std::string failure;
        std::thread worker([&] {
            const int64_t start = LocalNoon(2024, 1, 1) - 12 * 3600;
            for (int64_t s = start; s < start + 366LL * 86400 && failure.empty(); s += 47 * 60) {
                for (int64_t probe : {s, s - (s % 86400), s - (s % 86400) - 1}) {
                    const std::time_t t = static_cast<std::time_t>(probe);
                    std::tm tm {};
                    if (!localtime_r(&t, &tm))
                        continue;
                    const std::string expected = Expected(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
                    if (DateText(probe) != expected)
                        failure = std::to_string(probe) + ": " + DateText(probe) + " != " + expected;
                }
            }
        });
        worker.join();
        EXPECT_EQ(failure, "") << zone;
    }
    if (old)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(PlatformDateText, EpochAndNegative)
{
    std::tm tm {};
    const std::time_t zero = 0;
    ASSERT_NE(localtime_r(&zero, &tm), nullptr);
    EXPECT_EQ(DateText(0), Expected(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday));
    const std::time_t neg = -1;
    ASSERT_NE(localtime_r(&neg, &tm), nullptr);
    EXPECT_EQ(DateText(-1), Expected(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday));
    // Absurd values give some text or none, never a crash.
    (void)DateText(INT64_MAX);
    (void)DateText(INT64_MIN);
}

TEST(PlatformDateText, WorksOnOtherThreads)
{
    const int64_t noon = LocalNoon(2024, 3, 15);
    // Qt makes its system locale's data on first use, and publishes it by
    // atomics of its own that ThreadSanitizer cannot see: made here first,
    // the threads below race on nothing but what DateText itself shares.
    (void)QLocale::system().toString(QDate(2000, 1, 1), QLocale::ShortFormat);
    std::string a, b;
    std::thread t1([&] { a = DateText(noon); });
    std::thread t2([&] { b = DateText(noon); });
    t1.join();
    t2.join();
    EXPECT_EQ(a, Expected(2024, 3, 15));
    EXPECT_EQ(b, a);
}

} // namespace
