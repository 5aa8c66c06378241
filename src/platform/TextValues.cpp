#include "platform/TextValues.h"

#include "platform/Text.h"

#include <QLocale>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <limits>
#include <unordered_map>
#include <vector>

namespace rkm::platform {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// ---- Size texts ---------------------------------------------------------------

// The length of a thousands separator at `i` (",", ".", "'", a space, a
// no-break space or a narrow one in UTF-8), or 0.
std::size_t SeparatorAt(std::string_view t, std::size_t i)
{
    const char c = t[i];
    if (c == ',' || c == '.' || c == '\'' || c == ' ')
        return 1;
    if (t.substr(i, 2) == "\xC2\xA0")
        return 2;
    if (t.substr(i, 3) == "\xE2\x80\xAF")
        return 3;
    return 0;
}

// Exactly three digits at `i`: the group after a thousands separator.
bool GroupAt(std::string_view t, std::size_t i)
{
    return i + 3 <= t.size() && IsDigit(t[i]) && IsDigit(t[i + 1]) && IsDigit(t[i + 2]) &&
           (i + 3 == t.size() || !IsDigit(t[i + 3]));
}

// The power of 1024 a unit stands for, or -1 for no unit this reads.
int UnitShift(std::string_view unit)
{
    if (unit.empty())
        return 0;
    static const std::pair<std::string_view, int> units[] = {
        {"bytes", 0}, {"kb", 1}, {"b", 0}, {"byte", 0}, {"k", 1},  {"kib", 1}, {"mb", 2},  {"m", 2},
        {"mib", 2},   {"gb", 3}, {"g", 3}, {"gib", 3},  {"tb", 4}, {"t", 4},   {"tib", 4},
    };
    for (const auto &[name, shift] : units)
        if (EqualsNoCase(unit, name))
            return shift;
    return -1;
}

// ---- Date texts ---------------------------------------------------------------

// The three numbers of a date text, as written, with their digit counts.
struct DateNumbers {
    int value[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    bool letters = false;
};

// False when the text does not hold exactly three numbers of at most four
// digits and nothing else but separators (`letters` tells whether it held a
// letter).
bool SplitDate(std::string_view text, DateNumbers &out)
{
    int n = 0;
    bool fits = true;
    for (std::size_t p = 0; p < text.size();) {
        const char c = text[p];
        if (IsDigit(c)) {
            int count = 0, v = 0;
            for (; p < text.size() && IsDigit(text[p]); ++p, ++count)
                if (count < 4)
                    v = v * 10 + (text[p] - '0');
            if (n == 3 || count > 4)
                fits = false;
            else
                out.value[n] = v, out.digits[n] = count;
            ++n;
            continue;
        }
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (static_cast<unsigned char>(c) & 0x80))
            out.letters = true;
        ++p;
    }
    return fits && n == 3 && !out.letters;
}

// The date of the numbers in one order; invalid when they make none.
QDate DateInOrder(const DateNumbers &n, DateOrder order)
{
    int day, month, year, yearDigits;
    switch (order) {
    case DateOrder::YearMonthDay:
        year = n.value[0], yearDigits = n.digits[0], month = n.value[1], day = n.value[2];
        break;
    case DateOrder::MonthDayYear:
        month = n.value[0], day = n.value[1], year = n.value[2], yearDigits = n.digits[2];
        break;
    case DateOrder::DayMonthYear:
    default:
        day = n.value[0], month = n.value[1], year = n.value[2], yearDigits = n.digits[2];
        break;
    }
    if (yearDigits == 3 || month < 1 || month > 12 || day < 1 || day > 31)
        return {};
    return QDate(yearDigits <= 2 ? YearOfTwoDigits(year) : year, month, day);
}

// A date text with a month name ("9 Dec 2026"): read with this machine's
// short and long formats, else with the C locale's short format (which
// machines without a language of their own write) and the common English
// ones. A format with a two-digit year reads it as 1930 to 2029. Such texts
// are few and repeat, so the answers are kept (per thread).
QDate ReadNamedDate(std::string_view text)
{
    thread_local std::unordered_map<std::string, QDate> known;
    const std::string key(text);
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    const QString t = DecodeText(text).trimmed();
    struct Way {
        QLocale locale;
        QString format;
    };
    thread_local const std::vector<Way> ways = [] {
        const QLocale system = QLocale::system(), c = QLocale::c();
        std::vector<Way> w = {{system, system.dateFormat(QLocale::ShortFormat)},
                              {system, system.dateFormat(QLocale::LongFormat)},
                              {c, c.dateFormat(QLocale::ShortFormat)}};
        for (const char *f : {"d MMM yyyy", "d MMMM yyyy", "MMM d, yyyy", "MMMM d, yyyy", "d-MMM-yyyy", "d-MMM-yy"})
            w.push_back({c, QString::fromLatin1(f)});
        return w;
    }();
    QDate d;
    for (const Way &way : ways) {
        d = way.locale.toDate(t, way.format);
        if (!d.isValid())
            continue;
        // Qt reads a two-digit year as 1900 to 1999.
        if (!way.format.contains(QStringLiteral("yyy")) && d.year() < 1930)
            d = d.addYears(100);
        break;
    }
    if (known.size() > 4096)
        known.clear();
    known.emplace(key, d);
    return d;
}

} // namespace

int YearOfTwoDigits(int year)
{
    return year < 30 ? 2000 + year : 1900 + year;
}

namespace {

// "N Kb" or "N units" of another size: N units up to one unit more, less a byte.
std::optional<SizeSpan> SpanOfUnits(uint64_t n, int shift)
{
    const int bits = 10 * shift;
    if (n >= (std::numeric_limits<uint64_t>::max() >> bits))
        return std::nullopt;
    SizeSpan span{n << bits, ((n + 1) << bits) - 1};
    // The scan writes 1024 itself in bytes.
    if (shift == 1 && n == 1)
        span.low = 1025;
    return span;
}

} // namespace

std::optional<SizeSpan> ReadSizeText(std::string_view t)
{
    // The texts the scan writes, "N bytes" and "N Kb", at once (the search's
    // size range reads one per file).
    std::size_t digits = 0;
    uint64_t quick = 0;
    while (digits < t.size() && digits < 18 && IsDigit(t[digits]))
        quick = quick * 10 + static_cast<uint64_t>(t[digits++] - '0');
    if (digits > 0 && digits < t.size() && t[digits] == ' ') {
        const std::string_view unit = t.substr(digits + 1);
        if (unit == "bytes")
            return SizeSpan{quick, quick};
        if (unit == "Kb")
            return SpanOfUnits(quick, 1);
    }

    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    const bool negative = i < t.size() && t[i] == '-';
    if (negative)
        ++i;
    if (i == t.size() || !IsDigit(t[i]))
        return std::nullopt;
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    uint64_t n = 0;
    while (i < t.size()) {
        if (IsDigit(t[i])) {
            const auto d = static_cast<uint64_t>(t[i] - '0');
            if (n > (kMax - d) / 10)
                return std::nullopt;
            n = n * 10 + d;
            ++i;
            continue;
        }
        const std::size_t sep = SeparatorAt(t, i);
        if (sep && GroupAt(t, i + sep)) {
            i += sep;
            continue;
        }
        break;
    }
    std::size_t end = t.size();
    while (end > i && t[end - 1] == ' ')
        --end;
    while (i < end && t[i] == ' ')
        ++i;
    const int shift = UnitShift(t.substr(i, end - i));
    if (shift < 0)
        return std::nullopt;
    if (negative) {
        // The low 32 bits of a size, once written as a signed number.
        if (shift != 0 || n == 0 || n > 0x80000000ull)
            return std::nullopt;
        const uint64_t low32 = 0x100000000ull - n;
        return SizeSpan{low32, low32};
    }
    if (shift == 0)
        return SizeSpan{n, n};
    return SpanOfUnits(n, shift);
}

std::optional<uint64_t> ExactSize(std::string_view text)
{
    const auto span = ReadSizeText(text);
    if (!span || !span->exact())
        return std::nullopt;
    return span->low;
}

uint64_t UnitBytes(SizeUnit unit)
{
    return uint64_t(1) << (10 * static_cast<int>(unit));
}

std::optional<uint64_t> ReadSizeInput(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::size_t p = 0;
    while (p < text.size() && (IsDigit(text[p]) || text[p] == '.'))
        ++p;
    if (p == 0)
        return std::nullopt;
    double number = 0;
    const auto res = std::from_chars(text.data(), text.data() + p, number);
    if (res.ec != std::errc() || res.ptr != text.data() + p || !std::isfinite(number))
        return std::nullopt;
    std::string_view unit = text.substr(p);
    while (!unit.empty() && unit.front() == ' ')
        unit.remove_prefix(1);
    SizeUnit u = SizeUnit::Bytes;
    if (unit.empty() || EqualsNoCase(unit, "b") || EqualsNoCase(unit, "bytes"))
        u = SizeUnit::Bytes;
    else if (EqualsNoCase(unit, "k") || EqualsNoCase(unit, "kb"))
        u = SizeUnit::KB;
    else if (EqualsNoCase(unit, "m") || EqualsNoCase(unit, "mb"))
        u = SizeUnit::MB;
    else if (EqualsNoCase(unit, "g") || EqualsNoCase(unit, "gb"))
        u = SizeUnit::GB;
    else
        return std::nullopt;
    const double bytes = std::round(number * static_cast<double>(UnitBytes(u)));
    if (bytes >= 18446744073709551615.0)
        return std::nullopt;
    return static_cast<uint64_t>(bytes);
}

ScaledSize ScaleSize(uint64_t bytes)
{
    static const char *const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double v = static_cast<double>(bytes) / 1024.0;
    int u = 0;
    while (v >= 1024.0 && u < 5) {
        v /= 1024.0;
        ++u;
    }
    // 1023.96 KB would read "1024 KB": it is 1.0 MB.
    if (v >= 1023.5 && u < 5) {
        v /= 1024.0;
        ++u;
    }
    return {v, units[u]};
}

std::string ShortSize(uint64_t bytes)
{
    if (bytes < 1024)
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    const ScaledSize s = ScaleSize(bytes);
    char buf[32];
    std::snprintf(buf, sizeof buf, s.value < 99.95 ? "%.1f %s" : "%.0f %s", s.value, s.unit);
    return buf;
}

std::string ShownSize(std::string_view text)
{
    const std::optional<SizeSpan> span = ReadSizeText(text);
    return span ? ShortSize(span->low) : std::string(text);
}

DateOrder DateOrderOfFormat(const QString &format)
{
    const qsizetype d = format.indexOf(QLatin1Char('d'));
    const qsizetype m = format.indexOf(QLatin1Char('M'));
    const qsizetype y = format.indexOf(QLatin1Char('y'));
    if (y >= 0 && (d < 0 || y < d) && (m < 0 || y < m))
        return DateOrder::YearMonthDay;
    if (m >= 0 && d >= 0 && m < d)
        return DateOrder::MonthDayYear;
    return DateOrder::DayMonthYear;
}

DateOrder SystemDateOrder()
{
    return DateOrderOfFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
}

QDate ReadDateText(std::string_view text, DateOrder order)
{
    DateNumbers n;
    if (!SplitDate(text, n))
        return n.letters ? ReadNamedDate(text) : QDate();
    // A leading year of four digits is always the year (ISO dates).
    if (n.digits[0] == 4)
        order = DateOrder::YearMonthDay;
    QDate d = DateInOrder(n, order);
    for (const DateOrder other : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay}) {
        if (d.isValid())
            break;
        if (other != order)
            d = DateInOrder(n, other);
    }
    return d;
}

bool DateOrderGuess::add(std::string_view text)
{
    if (m_certain)
        return true;
    DateNumbers n;
    if (!SplitDate(text, n))
        return false;
    if (n.digits[0] >= 3 || n.value[0] > 31) {
        m_order = DateOrder::YearMonthDay;
        m_certain = true;
    } else if (n.digits[2] >= 3 || n.value[2] > 31) {
        m_yearLast = true;
        if (n.value[0] > 12) {
            m_order = DateOrder::DayMonthYear;
            m_certain = true;
        } else if (n.value[1] > 12) {
            m_order = DateOrder::MonthDayYear;
            m_certain = true;
        }
    }
    return m_certain;
}

DateOrder DateOrderGuess::order() const
{
    if (m_certain)
        return m_order;
    if (m_yearLast && m_fallback == DateOrder::YearMonthDay)
        return DateOrder::DayMonthYear;
    return m_fallback;
}

} // namespace rkm::platform
