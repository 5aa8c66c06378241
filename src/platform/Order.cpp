#include "platform/Order.h"

#include "platform/Text.h"

#include <QDate>
#include <QString>

#include <array>
#include <limits>

namespace rkm::platform {

namespace {

bool IsAsciiText(std::string_view s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) & 0x80)
            return false;
    return true;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void AppendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

int Sign(int v)
{
    return v < 0 ? -1 : v > 0 ? 1 : 0;
}

} // namespace

// ---- NTFS order ---------------------------------------------------------------

void AppendVolumeOrderKey(std::string &out, std::string_view name)
{
    if (IsAsciiText(name)) {
        for (const char c : name)
            out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
        return;
    }
    for (const char32_t cp : DecodeText(name).toUcs4())
        AppendUtf8(out, QChar::toUpper(cp));
}

std::string VolumeOrderKey(std::string_view name)
{
    std::string key;
    key.reserve(name.size());
    AppendVolumeOrderKey(key, name);
    return key;
}

int CompareVolumeOrder(std::string_view a, std::string_view b)
{
    const int byKey = Sign(VolumeOrderKey(a).compare(VolumeOrderKey(b)));
    return byKey ? byKey : Sign(a.compare(b));
}

// ---- Natural order --------------------------------------------------------------
//
// A run of digits becomes '0', its number of significant digits in two
// bytes, and the significant digits: a longer number is a greater one, and
// numbers of one length compare digit by digit. No other character of the
// key starts with the byte '0' (every digit is inside a run), so at any
// place where one key holds a number and the other not, '0' orders the
// number before letters and after spaces and punctuation, as the digit would.

std::string NaturalOrderKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size() + 4);
    AppendNaturalOrderKey(key, text);
    return key;
}

void AppendNaturalOrderKey(std::string &key, std::string_view text)
{
    std::u32string decoded;
    const bool ascii = IsAsciiText(text);
    if (!ascii) {
        const QList<uint> ucs4 = DecodeText(text).toUcs4();
        decoded.assign(ucs4.begin(), ucs4.end());
    }
    const std::size_t n = ascii ? text.size() : decoded.size();
    auto at = [&](std::size_t i) -> char32_t { return ascii ? static_cast<unsigned char>(text[i]) : decoded[i]; };
    for (std::size_t i = 0; i < n;) {
        const char32_t c = at(i);
        if (c >= U'0' && c <= U'9') {
            std::size_t end = i;
            while (end < n && at(end) >= U'0' && at(end) <= U'9')
                ++end;
            std::size_t first = i;
            while (first < end && at(first) == U'0')
                ++first;
            const std::size_t digits = std::min<std::size_t>(end - first, 0xFFFF);
            key.push_back('0');
            key.push_back(static_cast<char>(digits >> 8));
            key.push_back(static_cast<char>(digits & 0xFF));
            for (std::size_t k = first; k < first + digits; ++k)
                key.push_back(static_cast<char>(at(k)));
            i = end;
            continue;
        }
        if (c < 0x80)
            key.push_back(c >= U'A' && c <= U'Z' ? static_cast<char>(c - U'A' + U'a') : static_cast<char>(c));
        else
            AppendUtf8(key, QChar::toCaseFolded(c));
        ++i;
    }
}

int CompareNatural(std::string_view a, std::string_view b)
{
    const int byKey = Sign(NaturalOrderKey(a).compare(NaturalOrderKey(b)));
    return byKey ? byKey : Sign(a.compare(b));
}

// ---- Size texts -----------------------------------------------------------------

namespace {

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

bool ThreeDigitsAt(std::string_view t, std::size_t i)
{
    return i + 3 <= t.size() && IsDigit(t[i]) && IsDigit(t[i + 1]) && IsDigit(t[i + 2]) &&
           (i + 3 == t.size() || !IsDigit(t[i + 3]));
}

} // namespace

int YearOfTwoDigits(int year)
{
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<uint64_t> SizeTextValue(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (i == t.size() || !IsDigit(t[i]))
        return std::nullopt;
    uint64_t value = 0;
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    while (i < t.size()) {
        if (IsDigit(t[i])) {
            const auto d = static_cast<uint64_t>(t[i] - '0');
            if (value > (kMax - d) / 10)
                return std::nullopt;
            value = value * 10 + d;
            ++i;
            continue;
        }
        const std::size_t sep = SeparatorAt(t, i);
        if (sep && ThreeDigitsAt(t, i + sep)) {
            i += sep;
            continue;
        }
        break;
    }
    while (i < t.size() && t[i] == ' ')
        ++i;
    std::string unit;
    for (; i < t.size(); ++i)
        unit.push_back(t[i] >= 'A' && t[i] <= 'Z' ? static_cast<char>(t[i] - 'A' + 'a') : t[i]);
    while (!unit.empty() && unit.back() == ' ')
        unit.pop_back();
    static const std::array<std::pair<std::string_view, int>, 15> units = {{
        {"", 0}, {"b", 0}, {"byte", 0}, {"bytes", 0},
        {"k", 10}, {"kb", 10}, {"kib", 10},
        {"m", 20}, {"mb", 20}, {"mib", 20},
        {"g", 30}, {"gb", 30}, {"gib", 30},
        {"tb", 40}, {"tib", 40},
    }};
    for (const auto &[name, shift] : units) {
        if (unit != name)
            continue;
        if (shift && value > (kMax >> shift))
            return std::nullopt;
        return value << shift;
    }
    return std::nullopt;
}

// ---- Date texts -----------------------------------------------------------------

DateTextReader::DateTextReader(const QLocale &locale) : m_locale(locale), m_order{0, 1, 2}
{
    // The order of day, month and year in the short format, by where each
    // first appears ("M/d/yyyy" gives month, day, year).
    const QString format = m_locale.dateFormat(QLocale::ShortFormat);
    const qsizetype at[3] = {format.indexOf(QLatin1Char('d')), format.indexOf(QLatin1Char('M')),
                             format.indexOf(QLatin1Char('y'))};
    if (at[0] < 0 || at[1] < 0 || at[2] < 0)
        return;
    for (int field = 0; field < 3; ++field) {
        int rank = 0;
        for (int other = 0; other < 3; ++other)
            rank += at[other] < at[field] ? 1 : 0;
        m_order[rank] = field;
    }
}

std::optional<int64_t> DateTextReader::day(std::string_view text) const
{
    // Three numbers and nothing but separators between them: a numeric date.
    uint32_t number[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int count = 0;
    bool letters = false;
    for (std::size_t i = 0; i < text.size();) {
        if (IsDigit(text[i])) {
            if (count == 3)
                return std::nullopt;
            while (i < text.size() && IsDigit(text[i])) {
                if (digits[count] < 6)
                    number[count] = number[count] * 10 + static_cast<uint32_t>(text[i] - '0');
                ++digits[count];
                ++i;
            }
            ++count;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        letters = letters || c >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        ++i;
    }
    if (count == 3 && !letters) {
        auto make = [&](const int order[3]) -> std::optional<int64_t> {
            int value[3] = {0, 0, 0}; // day, month, year
            int yearDigits = 0;
            for (int k = 0; k < 3; ++k) {
                value[order[k]] = static_cast<int>(number[k]);
                if (order[k] == 2)
                    yearDigits = digits[k];
            }
            if (digits[0] > 4 || digits[1] > 4 || digits[2] > 4)
                return std::nullopt;
            int year = value[2];
            if (yearDigits <= 2)
                year = YearOfTwoDigits(year);
            else if (yearDigits != 4)
                return std::nullopt;
            const QDate date(year, value[1], value[0]);
            if (!date.isValid())
                return std::nullopt;
            return date.toJulianDay();
        };
        static constexpr int kDmy[3] = {0, 1, 2}, kMdy[3] = {1, 0, 2}, kYmd[3] = {2, 1, 0};
        // A leading year of four digits is always the year (ISO dates).
        const int *tries[4] = {m_order, kDmy, kMdy, kYmd};
        if (digits[0] == 4)
            tries[0] = kYmd;
        for (const int *order : tries)
            if (const auto d = make(order))
                return d;
        return std::nullopt;
    }
    if (!letters)
        return std::nullopt;
    // Dates with month names: the locale's formats, then the common English ones.
    const QString s = DecodeText(text).trimmed();
    QDate date = m_locale.toDate(s, QLocale::ShortFormat);
    if (!date.isValid())
        date = m_locale.toDate(s, QLocale::LongFormat);
    static const char *const english[] = {"d MMM yyyy", "d MMMM yyyy", "MMM d, yyyy", "MMMM d, yyyy",
                                           "d-MMM-yyyy", "d-MMM-yy"};
    const QLocale c = QLocale::c();
    for (const char *f : english) {
        if (date.isValid())
            break;
        date = c.toDate(s, QString::fromLatin1(f));
    }
    if (!date.isValid())
        return std::nullopt;
    return date.toJulianDay();
}

} // namespace rkm::platform
