#include "platform/Order.h"

#include "platform/Text.h"

#include <QString>

namespace rkm::platform {

namespace {

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
    if (IsAscii(name)) {
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
    const bool ascii = IsAscii(text);
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

} // namespace rkm::platform
