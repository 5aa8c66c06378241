#pragma once

// The orders lists are shown in: a folder's entries as a Windows (NTFS)
// volume lists them, disk names in natural order, and the values of the size
// and date texts that the file grid sorts by.

#include <QLocale>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rkm::platform {

// The key by which an NTFS volume orders a name: the name decoded (UTF-8,
// else Windows-1252), upper-cased code point by code point with the simple
// mapping, written as UTF-8 (whose byte order is the order of the code
// points). An ASCII name is its own bytes upper-cased.
std::string VolumeOrderKey(std::string_view name);
void AppendVolumeOrderKey(std::string &out, std::string_view name);
// Negative, zero or positive as `a` comes before, with or after `b`: by
// their keys, and names with equal keys by their bytes.
int CompareVolumeOrder(std::string_view a, std::string_view b);

// The key of natural order: the decoded text with letter case folded, and
// each run of digits as its value, so that "Disk 2" comes before "Disk 10"
// and "disk 3" between them. Keys compare byte by byte.
std::string NaturalOrderKey(std::string_view text);
void AppendNaturalOrderKey(std::string &out, std::string_view text);
// By natural order, and texts of equal keys by their bytes.
int CompareNatural(std::string_view a, std::string_view b);

// The number of bytes a size text stands for: "N bytes" is N, "N Kb" is
// N × 1024 (also "KB", "MB", "GB", and thousands separators, as listings
// made elsewhere may hold). Nothing for a text that is no size.
std::optional<uint64_t> SizeTextValue(std::string_view text);

// The year a two-digit year stands for in a date text: 1930 to 2029, as
// Windows reads them (listings with two-digit years come from Windows). The
// grid's sort and the search's date filters both read years this way.
int YearOfTwoDigits(int year);

// Reads date texts: those of the user's short date format, and the numeric
// dates other listings hold (day, month and year in the locale's order, else
// in any order that makes a date; a year of two digits is taken between 1930
// and 2029, as Windows does). Made once for many texts.
class DateTextReader final {
public:
    explicit DateTextReader(const QLocale &locale = QLocale::system());
    // The date as a Julian day number, or nothing when the text is no date.
    std::optional<int64_t> day(std::string_view text) const;

private:
    QLocale m_locale;
    int m_order[3]; // the positions of day (0), month (1) and year (2) in the short format
};

} // namespace rkm::platform
