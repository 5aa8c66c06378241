// Text helpers of the platform layer: decoding stored bytes (UTF-8, else
// Windows-1252), lower-casing, and the date and size texts of the scanner.

#include "platform/Platform.h"

#include <QDate>
#include <QLocale>
#include <QString>

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
// DateText. Every UTC offset (and every daylight-saving change) is a multiple
// of 15 minutes, so all seconds of one 900-second bucket fall on the same
// local date: a direct-mapped cache keyed by secs / 900 answers most calls
// with one compare and a short-string copy. (A bucket is cached only after
// checking that its first and last second have the same local date, so the
// odd historic offset that is not a multiple of 15 minutes stays correct.)
// Behind it, a cache keyed by the local date saves the locale formatting for
// buckets of a day already seen. Both are per thread.

namespace {

struct DateCache {
    struct BucketSlot {
        int64_t key = INT64_MIN;
        std::string text;
    };
    struct DaySlot {
        int64_t key = INT64_MIN;
        std::string text;
    };
    std::array<BucketSlot, 1024> buckets;
    std::array<DaySlot, 256> days;
    QLocale locale = QLocale::system();
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

bool LocalDate(int64_t secs, std::tm &out)
{
    const auto t = static_cast<std::time_t>(secs);
    return localtime_r(&t, &out) != nullptr;
}

bool SameDate(const std::tm &a, const std::tm &b)
{
    return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday;
}

const std::string &DayText(DateCache &cache, const std::tm &t)
{
    const int64_t year = static_cast<int64_t>(t.tm_year) + 1900;
    const int64_t key = year * 512 + (t.tm_mon + 1) * 32 + t.tm_mday;
    auto &slot = cache.days[static_cast<uint64_t>(key) % cache.days.size()];
    if (slot.key != key) {
        const QDate date(static_cast<int>(year), t.tm_mon + 1, t.tm_mday);
        slot.text = cache.locale.toString(date, QLocale::ShortFormat).toStdString();
        slot.key = key;
    }
    return slot.text;
}

// Beyond about ±30 million years the bucket arithmetic could overflow, and
// localtime cannot represent such years anyway.
constexpr int64_t kCacheLimit = int64_t(1) << 50;

} // namespace

std::string DateText(int64_t secondsSinceEpoch)
{
    DateCache &cache = Cache();
    const bool cacheable = secondsSinceEpoch > -kCacheLimit && secondsSinceEpoch < kCacheLimit;
    const int64_t key = cacheable ? FloorDiv(secondsSinceEpoch, 900) : 0;
    auto &slot = cache.buckets[static_cast<uint64_t>(key) % cache.buckets.size()];
    if (cacheable && slot.key == key)
        return slot.text;

    std::tm t {};
    if (!LocalDate(secondsSinceEpoch, t))
        return {};
    const std::string &text = DayText(cache, t);
    if (cacheable) {
        std::tm first {}, last {};
        if (LocalDate(key * 900, first) && LocalDate(key * 900 + 899, last) && SameDate(first, last) &&
            SameDate(first, t)) {
            slot.text = text;
            slot.key = key;
        }
    }
    return text;
}

std::string SizeText(uint64_t size)
{
    if (size <= 1024)
        return std::to_string(size) + " bytes";
    return std::to_string(size / 1024) + " Kb";
}

} // namespace rkm::platform
