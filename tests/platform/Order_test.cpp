// The orders of names (NTFS, natural) and the values of size and date texts.

#include "platform/Order.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <string>
#include <vector>

using namespace rkm::platform;

namespace {

std::vector<std::string> SortedBy(std::vector<std::string> names, int (*compare)(std::string_view, std::string_view))
{
    std::sort(names.begin(), names.end(),
              [compare](const std::string &a, const std::string &b) { return compare(a, b) < 0; });
    return names;
}

TEST(VolumeOrder, NamesAsAnNtfsVolumeListsThem)
{
    struct Case {
        const char *what;
        std::vector<std::string> names; // in the expected order
    };
    const Case cases[] = {
        {"letter case is ignored", {"a.txt", "B.txt", "c.txt", "D.TXT"}},
        {"upper-cased, '_' comes after the letters", {"abc", "ABD", "abz", "ab_"}},
        {"digits compare as characters", {"file1", "file10", "file2"}},
        {"shorter first", {"a", "A.b", "ab"}},
        {"accented letters by their upper case code point", {"Zebra", "\xC3\x89tude", "\xC3\xA9t\xC3\xA9"}},
        {"Windows-1252 names decoded first", {"cafe", "caf\xE9", "CAF\xC3\x89S"}},
        {"same key: by bytes", {"README", "ReadMe", "readme"}},
        {"sharp s has no simple upper case", {"SS", "strasse", "stra\xC3\x9F" "e"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> reversed(c.names.rbegin(), c.names.rend());
        EXPECT_EQ(SortedBy(reversed, CompareVolumeOrder), c.names);
    }
    EXPECT_EQ(VolumeOrderKey("aBc_1"), "ABC_1");
    EXPECT_EQ(VolumeOrderKey("\xC3\xA9t\xC3\xA9"), "\xC3\x89T\xC3\x89");
    EXPECT_EQ(VolumeOrderKey("caf\xE9"), "CAF\xC3\x89");
    EXPECT_EQ(CompareVolumeOrder("same", "same"), 0);
}

TEST(NaturalOrder, DiskNames)
{
    struct Case {
        const char *what;
        std::vector<std::string> names; // in the expected order
    };
    const Case cases[] = {
        {"numbers by value", {"Disk 2", "disk 3", "Disk 10", "Disk 100"}},
        {"leading zeros", {"Disk 1", "Disk 002", "Disk 2", "Disk 02b", "Disk 3"}},
        {"letter case ignored", {"apple", "Banana", "cherry"}},
        {"number before letters, after spaces", {"CD", "CD 1", "CD1", "CDa"}},
        {"several numbers", {"v1.2", "v1.10", "v2.1"}},
        {"long numbers", {"9", "18446744073709551615", "18446744073709551616", "99999999999999999999999"}},
        {"decoded texts", {"\xC3\xA9t\xC3\xA9 2", "\xC3\x89T\xC3\x89 10", "\xE9t\xE9 11"}},
        {"same key: by bytes", {"Disk", "disk"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> reversed(c.names.rbegin(), c.names.rend());
        EXPECT_EQ(SortedBy(reversed, CompareNatural), c.names);
    }
    EXPECT_EQ(CompareNatural("x", "x"), 0);
}

TEST(SizeTextValue, Cases)
{
    struct Case {
        const char *text;
        std::optional<uint64_t> value;
    };
    const Case cases[] = {
        {"0 bytes", 0},
        {"1024 bytes", 1024},
        {"1 Kb", 1024},
        {"4194304 Kb", 4294967296ULL},
        {"12 KB", 12288},
        {"3 MB", 3145728},
        {"2 GB", 2147483648ULL},
        {"1,234 bytes", 1234},
        {"1.234.567 bytes", 1234567},
        {"1\xC2\xA0" "024 Kb", 1048576},
        {"  17 bytes ", 17},
        {"512", 512},
        {"", std::nullopt},
        {"bytes", std::nullopt},
        {"12 parsecs", std::nullopt},
        {"1,5 MB", std::nullopt},
        {"99999999999999999999 bytes", std::nullopt},
        {"99999999999999999 GB", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SizeTextValue(c.text), c.value);
    }
}

TEST(DateTextReader, ShortFormatsOfThisAndOtherListings)
{
    const int64_t dec31 = QDate(1999, 12, 31).toJulianDay();
    const int64_t feb3 = QDate(2024, 2, 3).toJulianDay();
    const int64_t mar2 = QDate(2024, 3, 2).toJulianDay();
    struct Case {
        const char *locale;
        const char *text;
        std::optional<int64_t> day;
    };
    const Case cases[] = {
        {"en_US", "12/31/1999", dec31},
        {"en_US", "2/3/24", feb3},        // month first, as the locale writes it
        {"en_GB", "2/3/24", mar2},        // day first
        {"de_DE", "31.12.1999", dec31},
        {"de_DE", "12/31/1999", dec31},   // only month first makes a date
        {"en_US", "31.12.99", dec31},     // a listing made in another locale
        {"en_US", "1999-12-31", dec31},   // ISO
        {"en_GB", "03/02/2024", feb3},
        {"en_US", "1/1/29", QDate(2029, 1, 1).toJulianDay()},
        {"en_US", "1/1/30", QDate(1930, 1, 1).toJulianDay()},
        {"en_US", "31 Dec 1999", dec31},
        {"en_US", "", std::nullopt},
        {"en_US", "unknown", std::nullopt},
        {"en_US", "13/13/13", std::nullopt},
        {"en_US", "1/2", std::nullopt},
        {"en_US", "1/2/3/4", std::nullopt},
        {"en_US", "1/2/123456", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.text);
        const DateTextReader reader{QLocale(QString::fromLatin1(c.locale))};
        EXPECT_EQ(reader.day(c.text), c.day);
    }
    // The texts this program makes in the locale read back.
    for (const char *name : {"en_US", "de_DE", "fr_FR", "ja_JP", "hu_HU"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const DateTextReader reader(locale);
        for (const QDate d : {QDate(1999, 12, 31), QDate(2024, 2, 3)})
            EXPECT_EQ(reader.day(locale.toString(d, QLocale::ShortFormat).toStdString()), d.toJulianDay())
                << name << " " << d.toString(Qt::ISODate).toStdString();
    }
}

} // namespace
