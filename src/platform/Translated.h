#pragma once

// Texts the core composes for people to read (messages, reasons, notes on
// the screen) go through Qt's translations: Core::tr("...") in the user's
// language. What is kept in a listing or the store, keys, column names and
// the formats other programs read stay as written.

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

namespace rkm {

class Core {
    Q_DECLARE_TR_FUNCTIONS(rkm::Core)
};

// A translated text as the UTF-8 the core's messages are made of.
inline std::string Utf8(const QString &text)
{
    return text.toStdString();
}

// The same with %1 … %9 replaced by the texts given, in one pass (a "%2"
// inside a text given stays as it is). The texts go in as bytes: a name or
// path that is not UTF-8 keeps its bytes, as it would never through a
// QString. A %N with no text for it stays.
inline std::string Utf8(const QString &text, std::initializer_list<std::string_view> args)
{
    const std::string pattern = text.toStdString();
    std::string out;
    out.reserve(pattern.size() + 64);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace rkm
