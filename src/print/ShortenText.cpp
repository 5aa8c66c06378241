#include "print/ShortenText.h"

#include "platform/Text.h"

#include <QTextBoundaryFinder>

#include <vector>

namespace rkm {

namespace {

// The places a text may be cut at: between grapheme clusters, both ends included.
std::vector<qsizetype> CutPlaces(const QString &s)
{
    std::vector<qsizetype> places{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        places.push_back(at);
    if (places.back() != s.size())
        places.push_back(s.size());
    return places;
}

// The index in `places` where a kept extension starts: the last dot, when it
// is not the first character and one to eight characters without a space
// follow it; else the end.
std::size_t ExtensionStart(const QString &s, const std::vector<qsizetype> &places)
{
    const std::size_t end = places.size() - 1;
    for (std::size_t i = end; i-- > 1;) {
        const QChar c = s.at(places[i]);
        if (c.isSpace())
            return end;
        if (c == u'.' && places[i + 1] - places[i] == 1)
            return end - i >= 2 && end - i - 1 <= MAX_KEPT_EXTENSION ? i : end;
        if (end - i > MAX_KEPT_EXTENSION)
            return end;
    }
    return end;
}

} // namespace

std::string ShortenToWidth(std::string_view text, int maxWidth, const std::function<int(std::string_view)> &width)
{
    if (width(text) <= maxWidth)
        return std::string(text);
    const QString s = platform::DecodeText(text);
    const std::vector<qsizetype> places = CutPlaces(s);
    const auto shortened = [&](std::size_t stemEnd, std::size_t kept) {
        // The start gets the odd character.
        const std::size_t head = (kept + 1) / 2, tail = kept / 2;
        QString start = s.left(places[head]);
        while (!start.isEmpty() && start.back().isSpace())
            start.chop(1);
        QString end = s.mid(places[stemEnd - tail]);
        qsizetype blanks = 0;
        while (blanks < places[stemEnd] - places[stemEnd - tail] && end.at(blanks).isSpace())
            ++blanks;
        return (start + QChar(0x2026) + end.mid(blanks)).toUtf8().toStdString();
    };
    const std::size_t extension = ExtensionStart(s, places);
    // Without room for "…" and the extension, the name is cut without it.
    for (const std::size_t stemEnd : {extension, places.size() - 1}) {
        if (width(shortened(stemEnd, 0)) > maxWidth)
            continue;
        // The most characters of the stem that fit, fewer than all of them.
        std::size_t fits = 0, tooMany = stemEnd;
        while (tooMany - fits > 1) {
            const std::size_t mid = fits + (tooMany - fits) / 2;
            if (width(shortened(stemEnd, mid)) <= maxWidth)
                fits = mid;
            else
                tooMany = mid;
        }
        return shortened(stemEnd, fits);
    }
    return {};
}

} // namespace rkm
