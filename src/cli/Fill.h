#pragma once

// A message in the user's language with what varies filled in as bytes.
// Paths, typed texts and the system's reasons are not always UTF-8, and a
// message names them exactly as they are; QString::arg would turn the bytes
// that are not UTF-8 into replacement characters.

#include <QString>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace rkm::cli {

// `text` (Say::tr(...)) as UTF-8, each %1 ... %99 in it replaced by the
// value of that number, in one pass: a value that holds "%2" stays as it is.
// A marker without a value is kept.
inline std::string Fill(const QString &text, std::initializer_list<std::string_view> values)
{
    const std::string t = text.toStdString();
    const auto digit = [&](std::size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    std::string out;
    out.reserve(t.size() + 64);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '%' && digit(i + 1) && t[i + 1] != '0') {
            std::size_t n = static_cast<std::size_t>(t[i + 1] - '0');
            std::size_t length = 2;
            if (digit(i + 2)) {
                n = n * 10 + static_cast<std::size_t>(t[i + 2] - '0');
                length = 3;
            }
            if (n <= values.size()) {
                out += values.begin()[n - 1];
                i += length - 1;
                continue;
            }
        }
        out += t[i];
    }
    return out;
}

// A volume's serial number as the messages show it: eight hexadecimal digits.
inline std::string SerialText(uint32_t serial)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", serial);
    return text;
}

} // namespace rkm::cli
