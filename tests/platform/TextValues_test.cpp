// Sizes and days read back from the size and date texts.

#include "platform/TextValues.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace rkm::platform;

namespace {

TEST(ReadSizeText, Spans)
{
    struct Case {
        const char *text;
        bool ok;
        uint64_t low, high;
    };
    const Case cases[] = {
        {"0 bytes", true, 0, 0},
        {"1024 bytes", true, 1024, 1024},
        {"1 Kb", true, 1025, 2047}, // 1024 itself is written in bytes
        {"2 Kb", true, 2048, 3071},
        {"1024 Kb", true, 1048576, 1049599},
        {"3145728 Kb", true, 3221225472ull, 3221226495ull}, // 3 GiB
        {"12 KB", true, 12288, 13311},
        {"-1294967296 bytes", true, 3000000000ull, 3000000000ull}, // low 32 bits, once signed
        {"0 Kb", false, 0, 0},
        {"", false, 0, 0},
        {"12", false, 0, 0},
        {"1.5 Kb", false, 0, 0},
        {"12 MB", false, 0, 0},
        {"12  bytes", false, 0, 0},
        {"-0 bytes", false, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto s = ReadSizeText(c.text);
        ASSERT_EQ(s.has_value(), c.ok);
        if (c.ok) {
            EXPECT_EQ(s->low, c.low);
            EXPECT_EQ(s->high, c.high);
        }
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

TEST(ShortSize, Units)
{
    EXPECT_EQ(ShortSize(0), "0 bytes");
    EXPECT_EQ(ShortSize(1023), "1023 bytes");
    EXPECT_EQ(ShortSize(1536), "1.5 KB");
    EXPECT_EQ(ShortSize(700ull << 20), "700 MB");
    EXPECT_EQ(ShortSize(3ull << 30), "3.0 GB");
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
