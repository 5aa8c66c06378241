// The orders of names (NTFS, natural).

#include "platform/Order.h"

#include <gtest/gtest.h>

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

} // namespace
