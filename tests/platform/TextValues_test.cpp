// Sizes and days read back from the size and date texts.

#include "platform/TextValues.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <optional>
#include <vector>

using namespace rkm::platform;

namespace {

TEST(ReadSizeText, Spans)
{
    constexpr uint64_t kMax = UINT64_MAX;
    struct Case {
        const char *text;
        std::optional<SizeSpan> span;
    };
    const Case cases[] = {
        {"0 bytes", SizeSpan{0, 0}},
        {"1024 bytes", SizeSpan{1024, 1024}},
        {"1 Kb", SizeSpan{1025, 2047}}, // 1024 itself is written in bytes
        {"2 Kb", SizeSpan{2048, 3071}},
        {"1024 Kb", SizeSpan{1048576, 1049599}},
        {"3145728 Kb", SizeSpan{3221225472ull, 3221226495ull}}, // 3 GiB
        {"4194304 Kb", SizeSpan{4294967296ull, 4294968319ull}},
        {"0 Kb", SizeSpan{0, 1023}},
        // Other units, powers of 1024, letter case ignored.
        {"12 KB", SizeSpan{12288, 13311}},
        {"3 MB", SizeSpan{3145728, 4194303}},
        {"2 GB", SizeSpan{2147483648ull, 3221225471ull}},
        {"3 TB", SizeSpan{3298534883328ull, 4398046511103ull}},
        {"5 mib", SizeSpan{5242880, 6291455}},
        {"7 byte", SizeSpan{7, 7}},
        // The low 32 bits of a size over 2 GiB, once written as a signed number.
        {"-1294967296 bytes", SizeSpan{3000000000ull, 3000000000ull}},
        {"-2,147,483,648 bytes", SizeSpan{2147483648ull, 2147483648ull}},
        {"-2147483649 bytes", std::nullopt},
        {"-0 bytes", std::nullopt},
        {"-5 Kb", std::nullopt},
        // Thousands separators of any locale, spaces around and no unit.
        {"1,234 bytes", SizeSpan{1234, 1234}},
        {"1.234.567 bytes", SizeSpan{1234567, 1234567}},
        {"1'234 bytes", SizeSpan{1234, 1234}},
        {"1 234 bytes", SizeSpan{1234, 1234}},
        {"1\xC2\xA0"
         "024 Kb",
         SizeSpan{1048576, 1049599}},
        {"1\xE2\x80\xAF"
         "024 bytes",
         SizeSpan{1024, 1024}},
        {"  17 bytes ", SizeSpan{17, 17}},
        {"12  bytes", SizeSpan{12, 12}},
        {"512", SizeSpan{512, 512}},
        {"500k", SizeSpan{512000, 513023}},
        {"18446744073709551615 bytes", SizeSpan{kMax, kMax}},
        // No sizes.
        {"", std::nullopt},
        {"bytes", std::nullopt},
        {"12 parsecs", std::nullopt},
        {"1.5 Kb", std::nullopt},
        {"1,5 MB", std::nullopt},
        {"1,23 bytes", std::nullopt},
        {"+5 bytes", std::nullopt},
        {"18446744073709551616 bytes", std::nullopt},
        {"99999999999999999 GB", std::nullopt},
        {"16777216 TB", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadSizeText(c.text), c.span);
        // The exact size is there only where the span is one size.
        EXPECT_EQ(ExactSize(c.text), c.span && c.span->low == c.span->high ? std::optional(c.span->low) : std::nullopt);
    }
}

TEST(ReadSizeInput, NumbersAndUnits)
{
    struct Case {
        const char *text;
        std::optional<uint64_t> bytes;
    };
    const Case cases[] = {
        {"0", 0},
        {"2048", 2048},
        {"500k", 512000},
        {"1.5 MB", 1572864},
        {"2G", 2147483648ull},
        {"3 bytes", 3},
        {"1 b", 1},
        {" 7 kb ", 7168},
        {"", std::nullopt},
        {"k", std::nullopt},
        {"-1", std::nullopt},
        {"1 TB", std::nullopt},
        {"1,5m", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadSizeInput(c.text), c.bytes);
    }
}

// Sizes as people read them, and the grid's reading of stored size texts:
// the unit steps up where rounding would reach 1024, and a text that is no
// size is shown as it stands.
TEST(ShortSize, UnitsAndStoredTexts)
{
    const struct {
        const char *stored;
        const char *shown;
    } cases[] = {{"0 bytes", "0 bytes"},       {"17 bytes", "17 bytes"},
                 {"1023 bytes", "1023 bytes"}, {"1536", "1.5 KB"},
                 {"312 Kb", "312 KB"},         {"1 Kb", "1.0 KB"},
                 {"99 Kb", "99.0 KB"},         {"1023 Kb", "1023 KB"},
                 {"1048575 bytes", "1.0 MB"},  {"102348 bytes", "99.9 KB"},
                 {"102349 bytes", "100 KB"},   {"5242880 Kb", "5.0 GB"},
                 {"2 GB", "2.0 GB"},           {"-1294967296 bytes", "2.8 GB"},
                 {"<DIR>", "<DIR>"},           {"", ""}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ShownSize(c.stored), c.shown);
    }
    EXPECT_EQ(ShortSize(1), "1 byte");
    EXPECT_EQ(ShortSize(~0ull), "16.0 EB");
}

// Dates written by the formats of two locales (and a third, year first) read
// back in the order of that format, the edges of months and years included.
TEST(ReadDateText, WrittenUnderOtherLocales)
{
    const QDate days[] = {QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(1999, 2, 3),
                          QDate(2024, 2, 29),  QDate(2029, 6, 7), QDate(1930, 6, 7)};
    for (const char *name : {"de_DE", "en_US", "sv_SE", "en_GB", "ja_JP"}) {
        const QLocale locale{QString::fromLatin1(name)};
        for (const QString &format :
             {locale.dateFormat(QLocale::ShortFormat),
              locale.dateFormat(QLocale::ShortFormat).replace(QStringLiteral("yyyy"), QStringLiteral("yy"))}) {
            const DateOrder order = DateOrderOfFormat(format);
            for (const QDate &d : days) {
                const std::string text = locale.toString(d, format).toStdString();
                SCOPED_TRACE(std::string(name) + " " + format.toStdString() + " " + text);
                EXPECT_EQ(ReadDateText(text, order), d);
            }
        }
    }
}

TEST(ReadDateText, Orders)
{
    EXPECT_EQ(ReadDateText("05.12.1999", DateOrder::DayMonthYear), QDate(1999, 12, 5));
    EXPECT_EQ(ReadDateText("05.12.1999", DateOrder::MonthDayYear), QDate(1999, 5, 12));
    EXPECT_EQ(ReadDateText("2023. 12. 31.", DateOrder::YearMonthDay), QDate(2023, 12, 31));
    // Two-digit years as Windows reads them, and as the grid sorts them.
    EXPECT_EQ(ReadDateText("1/2/29", DateOrder::DayMonthYear), QDate(2029, 2, 1));
    EXPECT_EQ(ReadDateText("1/2/30", DateOrder::DayMonthYear), QDate(1930, 2, 1));
    // A month name, as machines without a language of their own write it.
    for (const QDate &d : {QDate(2026, 12, 9), QDate(1999, 2, 28)}) {
        const std::string text = QLocale::c().toString(d, QLocale::ShortFormat).toStdString();
        EXPECT_EQ(ReadDateText(text, DateOrder::MonthDayYear), d) << text;
    }
    for (const char *bad : {"", "13.13.2020", "31.02.2020", "1.2", "1.2.3.4", "00.01.2020", "x"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ReadDateText(bad, DateOrder::DayMonthYear).isValid());
    }
}

// Short formats of this and other machines, read in the order of a
// locale's short format; texts that make no date in it are read in another
// order that makes one.
TEST(ReadDateText, ShortFormatsOfThisAndOtherListings)
{
    const QDate dec31(1999, 12, 31), feb3(2024, 2, 3), mar2(2024, 3, 2);
    struct Case {
        const char *locale;
        const char *text;
        QDate day;
    };
    const Case cases[] = {
        {"en_US", "12/31/1999", dec31},
        {"en_US", "2/3/24", feb3}, // month first, as the locale writes it
        {"en_GB", "2/3/24", mar2}, // day first
        {"de_DE", "31.12.1999", dec31},
        {"de_DE", "12/31/1999", dec31}, // only month first makes a date
        {"en_US", "31.12.99", dec31},   // a listing made in another locale
        {"en_US", "1999-12-31", dec31}, // ISO
        {"de_DE", "1999-12-31", dec31},
        {"en_GB", "03/02/2024", feb3},
        {"en_US", "1/1/29", QDate(2029, 1, 1)},
        {"en_US", "1/1/30", QDate(1930, 1, 1)},
        {"en_US", "1/1/3", QDate(2003, 1, 1)},
        {"en_US", "31 Dec 1999", dec31},
        {"en_US", "", {}},
        {"en_US", "unknown", {}},
        {"en_US", "13/13/13", {}},
        {"en_US", "1/2", {}},
        {"en_US", "1/2/3/4", {}},
        {"en_US", "1/2/123", {}},
        {"en_US", "1/2/12345", {}},
        {"en_US", "123456/1/2", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.text);
        const QLocale locale{QString::fromLatin1(c.locale)};
        EXPECT_EQ(ReadDateText(c.text, DateOrderOfFormat(locale.dateFormat(QLocale::ShortFormat))), c.day);
    }
}

TEST(DateOrderGuess, OneTextDecides)
{
    struct Case {
        std::vector<const char *> texts;
        DateOrder fallback, expected;
        bool certain;
    };
    const Case cases[] = {
        {{"05.12.1999", "13.12.1999"}, DateOrder::MonthDayYear, DateOrder::DayMonthYear, true},
        {{"05/12/1999", "12/13/1999"}, DateOrder::DayMonthYear, DateOrder::MonthDayYear, true},
        {{"1999-12-05"}, DateOrder::MonthDayYear, DateOrder::YearMonthDay, true},
        {{"99/12/05"}, DateOrder::DayMonthYear, DateOrder::YearMonthDay, true},
        // Nothing tells: this machine's order.
        {{"05/12/1999", "01/02/2003"}, DateOrder::MonthDayYear, DateOrder::MonthDayYear, false},
        {{"05/12/1999"}, DateOrder::DayMonthYear, DateOrder::DayMonthYear, false},
        // This machine writes the year first, the texts have it last.
        {{"05/12/1999"}, DateOrder::YearMonthDay, DateOrder::DayMonthYear, false},
        {{}, DateOrder::YearMonthDay, DateOrder::YearMonthDay, false},
    };
    for (const Case &c : cases) {
        DateOrderGuess g(c.fallback);
        for (const char *t : c.texts)
            g.add(t);
        EXPECT_EQ(g.order(), c.expected) << c.texts.size();
        EXPECT_EQ(g.certain(), c.certain);
    }
}

} // namespace
