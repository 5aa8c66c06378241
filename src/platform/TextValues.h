#pragma once

// Values read back from the texts the scan stores: the size a size text
// stands for and the day a date text stands for. Listings come from other
// machines too, so a date text may be in another order than the one this
// machine writes.

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rkm::platform {

// The one reader of the size texts listings hold; the grid's sort, the
// search's size range, duplicates, compare, verify and export all read them
// here. The scan writes "N bytes" up to 1024 and "N Kb" (N = size / 1024)
// above that, so "1 Kb" is any size from 1025 to 2047 bytes and "2 Kb" any
// from 2048 to 3071. Listings made elsewhere may hold thousands separators
// ("1,234 bytes", "1.234.567 bytes", "1 024 Kb"), other units ("KB", "MB",
// "GB", "TB", powers of 1024, each read like "Kb": N units up to one unit
// more, less a byte), no unit (bytes), and spaces around. Listings of old
// Windows programs held the low 32 bits of a size as a signed number, so a
// file of 3 GB may read "-1294967296 bytes": that is read back as the
// unsigned low 32 bits (3,000,000,000). Nothing for a text that is no size.
struct SizeSpan {
    uint64_t low = 0;
    uint64_t high = 0;
    bool exact() const { return low == high; }
    bool operator==(const SizeSpan &) const = default;
};
std::optional<SizeSpan> ReadSizeText(std::string_view text);
// The size in bytes a size text tells exactly ("N bytes"); nothing for a
// text that only bounds the size ("N Kb") or is no size.
std::optional<uint64_t> ExactSize(std::string_view text);

// The year a two-digit year stands for in a date text: 1930 to 2029, as
// Windows reads them (listings with two-digit years come from Windows).
int YearOfTwoDigits(int year);

// Bytes in one unit a user can type: bytes, KB, MB, GB (powers of 1024, as
// the size texts count a Kb).
enum class SizeUnit { Bytes = 0, KB = 1, MB = 2, GB = 3 };
uint64_t UnitBytes(SizeUnit unit);
// A size given on a command line: a number, a decimal fraction allowed, and
// an optional unit (b, bytes, k, kb, m, mb, g, gb; letter case ignored), as in
// "2048", "500k", "1.5 MB". Empty when it is not one.
std::optional<uint64_t> ReadSizeInput(std::string_view text);

// A number of bytes for people: "512 bytes", "12.5 KB", "700 MB", "1.4 GB"
// (powers of 1024; one decimal below 100).
std::string ShortSize(uint64_t bytes);
// A size of 1024 bytes or more in the unit people read it in: the value
// (1.0 to below 1023.5, above for exabytes) and the unit ("KB" to "EB").
struct ScaledSize {
    double value;
    const char *unit;
};
ScaledSize ScaleSize(uint64_t bytes);
// A size text of a listing as the grid shows it: ShortSize of the size it
// stands for ("312 Kb" shows "312 KB"; for a text that bounds the size, its
// least), or the text itself when it is no size.
std::string ShownSize(std::string_view text);

// The order of day, month and year in a date text.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };
// The order of a date format such as "dd.MM.yyyy" or "M/d/yy".
DateOrder DateOrderOfFormat(const QString &format);
// The order of the system's short date format, which the scan writes.
DateOrder SystemDateOrder();

// The one reader of the date texts listings hold; the grid's sort, the
// search's date range, compare and verify all read them here. A numeric date
// is three numbers with anything but digits and letters between them
// ("31.12.2023", "12/31/23", "2023-12-31", "2023. 12. 31."), read in `order`
// (the order of the listing's own texts, DateOrderGuess); a text whose
// numbers make no date in that order, or that starts with a four-digit year,
// is read in the first order that makes one (year first for a leading
// four-digit year, then the given order, day-month-year, month-day-year,
// year-month-day). Each number has at most four digits, a year two or four
// (or one); a two-digit year is 1930 to 2029 (YearOfTwoDigits). A text with
// a month name ("9 Dec 2026") is read with the system's short and long
// formats, the C locale's short format and the common English ones. An
// invalid date when it is no date.
QDate ReadDateText(std::string_view text, DateOrder order);

// Tells the order a listing's date texts were written in from the texts
// themselves. The machine that made a listing wrote all its dates in one
// format, so one text whose numbers fit only one order decides it: a year
// first (three or more digits, or above 31), or with the year last a first
// number above 12 (day first) or a second above 12 (month first). Until one
// is met, the order is `fallback` (the current short format's), except that
// texts with the year last are never read year first.
class DateOrderGuess final {
public:
    explicit DateOrderGuess(DateOrder fallback) : m_fallback(fallback) {}
    // Looks at one more text; true once the order is certain.
    bool add(std::string_view text);
    bool certain() const { return m_certain; }
    DateOrder order() const;

private:
    DateOrder m_fallback;
    DateOrder m_order = DateOrder::DayMonthYear;
    bool m_certain = false;
    bool m_yearLast = false;
};

} // namespace rkm::platform
