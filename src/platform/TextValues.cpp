#include "platform/TextValues.h"

#include "platform/Order.h"

#include <QLocale>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <unordered_map>

namespace rkm::platform {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits at `p` as a number (at most nine are taken), moving `p` past them.
uint64_t Digits(std::string_view text, std::size_t &p, int &count)
{
    uint64_t v = 0;
    count = 0;
    while (p < text.size() && IsDigit(text[p])) {
        if (count < 18)
            v = v * 10 + static_cast<uint64_t>(text[p] - '0');
        ++count;
        ++p;
    }
    return v;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The three numbers of a date text, as written, with their digit counts.
struct DateNumbers {
    int value[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    bool letters = false;
};

// False when the text does not hold exactly three numbers.
bool SplitDate(std::string_view text, DateNumbers &out)
{
    int n = 0;
    std::size_t p = 0;
    while (p < text.size()) {
        const char c = text[p];
        if (IsDigit(c)) {
            if (n == 3)
                return false;
            int count;
            const uint64_t v = Digits(text, p, count);
            if (count > 9)
                return false;
            out.value[n] = static_cast<int>(v);
            out.digits[n] = count;
            ++n;
            continue;
        }
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (static_cast<unsigned char>(c) & 0x80))
            out.letters = true;
        ++p;
    }
    return n == 3 && !out.letters;
}

// A date text with a month name ("9 Dec 2026"): read with this machine's
// short format, else with that of the C locale, which machines without a
// language of their own write. Such texts are few and repeat, so the
// answers are kept (per thread).
QDate ReadNamedDate(std::string_view text)
{
    thread_local std::unordered_map<std::string, QDate> known;
    const std::string key(text);
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QDate d;
    for (const QLocale &locale : {QLocale::system(), QLocale::c()}) {
        d = locale.toDate(t, locale.dateFormat(QLocale::ShortFormat));
        if (d.isValid())
            break;
    }
    // Qt reads a two-digit year as 1900 to 1999.
    if (d.isValid() && d.year() < 1930)
        d = d.addYears(100);
    if (known.size() > 4096)
        known.clear();
    known.emplace(key, d);
    return d;
}

int FullYear(int year, int digits)
{
    if (digits <= 2)
        return YearOfTwoDigits(year);
    return year;
}

} // namespace

std::optional<SizeSpan> ReadSizeText(std::string_view text)
{
    std::size_t p = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        p = 1;
    int count;
    const uint64_t n = Digits(text, p, count);
    if (count == 0 || count > 18 || p >= text.size() || text[p] != ' ')
        return std::nullopt;
    const std::string_view unit = text.substr(p + 1);
    if (EqualsNoCase(unit, "bytes")) {
        if (!negative)
            return SizeSpan{n, n};
        // The low 32 bits of a size, once written as a signed number.
        if (n == 0 || n > 0x80000000ull)
            return std::nullopt;
        const uint64_t low32 = 0x100000000ull - n;
        return SizeSpan{low32, low32};
    }
    if (EqualsNoCase(unit, "kb") && !negative && n > 0) {
        const uint64_t low = n * 1024;
        return SizeSpan{std::max<uint64_t>(low, 1025), low + 1023};
    }
    return std::nullopt;
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

std::string ShortSize(uint64_t bytes)
{
    if (bytes < 1024)
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    static const char *const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double v = static_cast<double>(bytes) / 1024.0;
    int u = 0;
    while (v >= 1024.0 && u < 5) {
        v /= 1024.0;
        ++u;
    }
    char buf[32];
    if (v < 100.0)
        std::snprintf(buf, sizeof buf, "%.1f %s", v, units[u]);
    else
        std::snprintf(buf, sizeof buf, "%.0f %s", v, units[u]);
    return buf;
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
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return {};
    return QDate(FullYear(year, yearDigits), month, day);
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
