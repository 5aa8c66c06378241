// Text helpers of the platform layer: decoding stored bytes (UTF-8, else
// Windows-1252), lower-casing, the date and size texts of the scanner, and
// the one-line and line-list rules of stored texts.

#include "platform/Text.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <ctime>

namespace rkm::platform {

namespace {

// Windows-1252 0x80..0x9F. The five undefined bytes (81, 8D, 8F, 90, 9D) map
// to the C1 controls of the same number, as Windows' own conversion does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

QString DecodeCp1252(std::string_view bytes)
{
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar *d = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(static_cast<char16_t>(b));
    }
    return out;
}

} // namespace

bool IsAscii(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (end - p >= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        if (w & 0x8080808080808080ull)
            return false;
        p += 8;
    }
    while (p < end) {
        if (*p++ & 0x80)
            return false;
    }
    return true;
}

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above
// U+10FFFF. Runs of ASCII are skipped eight bytes at a time.
bool IsUtf8(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        if (end - p >= 8) {
            uint64_t w;
            std::memcpy(&w, p, 8);
            if (!(w & 0x8080808080808080ull)) {
                p += 8;
                continue;
            }
        }
        const unsigned c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        const auto cont = [](unsigned char x) { return (x & 0xC0) == 0x80; };
        if (c < 0xC2)
            return false; // stray continuation byte or overlong 2-byte form
        if (c < 0xE0) {
            if (end - p < 2 || !cont(p[1]))
                return false;
            p += 2;
            continue;
        }
        if (c < 0xF0) {
            if (end - p < 3 || !cont(p[1]) || !cont(p[2]))
                return false;
            if (c == 0xE0 && p[1] < 0xA0)
                return false; // overlong
            if (c == 0xED && p[1] >= 0xA0)
                return false; // surrogate
            p += 3;
            continue;
        }
        if (c < 0xF5) {
            if (end - p < 4 || !cont(p[1]) || !cont(p[2]) || !cont(p[3]))
                return false;
            if (c == 0xF0 && p[1] < 0x90)
                return false; // overlong
            if (c == 0xF4 && p[1] >= 0x90)
                return false; // above U+10FFFF
            p += 4;
            continue;
        }
        return false;
    }
    return true;
}

QString DecodeText(std::string_view bytes)
{
    if (IsUtf8(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return DecodeCp1252(bytes);
}

std::string Utf8Text(std::string_view bytes)
{
    if (IsUtf8(bytes))
        return std::string(bytes);
    return DecodeCp1252(bytes).toStdString();
}

std::optional<std::string> Cp1252Text(std::string_view utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        // The five bytes Windows-1252 leaves undefined stand for themselves.
        const bool undefined = u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || undefined) {
            out.push_back(static_cast<char>(u));
            continue;
        }
        const auto it = std::find(kCp1252High.begin(), kCp1252High.end(), u);
        if (it == kCp1252High.end())
            return std::nullopt;
        out.push_back(static_cast<char>(0x80 + (it - kCp1252High.begin())));
    }
    return out;
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    // An ASCII text decodes to itself, and no other bytes decode to ASCII.
    if (IsAscii(a) || IsAscii(b))
        return false;
    const bool utf8A = IsUtf8(a), utf8B = IsUtf8(b);
    if (utf8A && utf8B)
        return false;
    return (utf8A ? std::string(a) : Utf8Text(a)) == (utf8B ? std::string(b) : Utf8Text(b));
}

std::string_view CutText(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t n = maxBytes;
    if (IsUtf8(text)) {
        // Back to the start of the character the cut would split.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    return text.substr(0, n);
}

std::string LowerText(std::string_view bytes)
{
    if (IsAscii(bytes)) {
        std::string out(bytes);
        for (char &c : out) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    }
    return DecodeText(bytes).toLower().toStdString();
}

// ---------------------------------------------------------------------------
// DateText. A file's local date is its time plus the UTC offset then, in whole
// days. The offset stays the same all day long except on the days the clocks
// change, so it is cached per UTC day (checked at the day's first and last
// second); on a day of change the C library converts that one time. The text
// of each local date is made once by the locale and cached too. Both caches
// are direct-mapped and per thread: a scan calls this once per file.

namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kUnixEpochJulianDay = 2440588;
// Beyond this the caches are not used (and localtime cannot represent it).
constexpr int64_t kCacheLimit = int64_t(1) << 40;

struct DateCache {
    struct OffsetSlot {
        int64_t utcDay = INT64_MIN;
        long offset = 0;
        bool steady = false; // the same offset from the day's first to last second
    };
    struct DaySlot {
        int64_t localDay = INT64_MIN;
        std::string text;
    };
    std::array<OffsetSlot, 4096> offsets;
    std::array<DaySlot, 4096> days;
    QLocale locale = QLocale::system();
    QString format = ShortDateFormat(locale);
};

DateCache &Cache()
{
    thread_local DateCache cache;
    return cache;
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

bool LocalTime(int64_t secs, std::tm &out)
{
    const auto t = static_cast<std::time_t>(secs);
    return localtime_r(&t, &out) != nullptr;
}

const std::string &DayText(DateCache &cache, int64_t localDay)
{
    auto &slot = cache.days[static_cast<uint64_t>(localDay) % cache.days.size()];
    if (slot.localDay != localDay) {
        const QDate date = QDate::fromJulianDay(localDay + kUnixEpochJulianDay);
        slot.text = cache.locale.toString(date, cache.format).toStdString();
        slot.localDay = localDay;
    }
    return slot.text;
}

} // namespace

QString ShortDateFormat(const QLocale &locale)
{
    // Every run of 'y' outside quoted text becomes "yyyy": a two-digit year
    // makes 1999 and 2099 the same text.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString out;
    out.reserve(format.size() + 2);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
        } else if (!quoted && c == u'y') {
            while (i + 1 < format.size() && format[i + 1] == u'y')
                ++i;
            out += QStringLiteral("yyyy");
        } else {
            out += c;
        }
    }
    return out;
}

std::string DateText(int64_t secondsSinceEpoch)
{
    std::tm t {};
    if (secondsSinceEpoch <= -kCacheLimit || secondsSinceEpoch >= kCacheLimit) {
        if (!LocalTime(secondsSinceEpoch, t))
            return {};
        const QLocale locale = QLocale::system();
        return locale
            .toString(QDate(static_cast<int>(t.tm_year + 1900), t.tm_mon + 1, t.tm_mday), ShortDateFormat(locale))
            .toStdString();
    }
    DateCache &cache = Cache();
    const int64_t utcDay = FloorDiv(secondsSinceEpoch, kDay);
    auto &slot = cache.offsets[static_cast<uint64_t>(utcDay) % cache.offsets.size()];
    if (slot.utcDay != utcDay) {
        std::tm first {}, last {};
        if (!LocalTime(utcDay * kDay, first) || !LocalTime(utcDay * kDay + kDay - 1, last))
            return {};
        slot.offset = first.tm_gmtoff;
        slot.steady = first.tm_gmtoff == last.tm_gmtoff;
        slot.utcDay = utcDay;
    }
    int64_t localDay;
    if (slot.steady) {
        localDay = FloorDiv(secondsSinceEpoch + slot.offset, kDay);
    } else {
        if (!LocalTime(secondsSinceEpoch, t))
            return {};
        localDay = QDate(static_cast<int>(t.tm_year + 1900), t.tm_mon + 1, t.tm_mday).toJulianDay() -
                   kUnixEpochJulianDay;
    }
    return DayText(cache, localDay);
}

std::string SizeText(uint64_t size)
{
    if (size <= 1024)
        return std::to_string(size) + " bytes";
    return std::to_string(size / 1024) + " Kb";
}

std::string OneLineText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::vector<std::string> SplitLines(std::string_view data)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < data.size()) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(data.substr(start, i - start));
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < data.size())
        lines.emplace_back(data.substr(start));
    return lines;
}

} // namespace rkm::platform
