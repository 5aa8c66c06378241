#include "catalog/Summary.h"

#include "platform/Text.h"
#include "platform/Translated.h"

namespace rkm {

std::string GroupedCount(std::size_t count)
{
    std::string digits = std::to_string(count);
    for (std::size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, 1, ',');
    return digits;
}

std::string SummaryItem(const std::string &item)
{
    if (item.size() <= SUMMARY_ITEM_BYTES)
        return item;
    return std::string(platform::CutText(item, SUMMARY_ITEM_BYTES)) + "\u2026";
}

namespace {
std::string moreLine(std::size_t rest)
{
    return Utf8(rkm::Core::tr("… and %1 more"), {GroupedCount(rest)});
}
} // namespace

std::vector<std::string> SummarizeList(const std::vector<std::string> &items, std::size_t most)
{
    std::vector<std::string> lines;
    const std::size_t shown = items.size() <= most ? items.size() : most;
    lines.reserve(shown + 1);
    for (std::size_t i = 0; i < shown; ++i)
        lines.push_back(SummaryItem(items[i]));
    if (shown < items.size())
        lines.push_back(moreLine(items.size() - shown));
    return lines;
}

std::vector<std::string> SummarizeShortened(const std::vector<ShortenedListing> &listings, std::size_t most)
{
    std::size_t total = 0;
    for (const ShortenedListing &l : listings)
        total += l.entries.size();
    std::vector<std::string> lines;
    std::size_t told = 0;
    for (const ShortenedListing &l : listings) {
        // A listing's line comes only with at least one of its texts.
        if (lines.size() + 2 > most && told < total)
            break;
        lines.push_back(SummaryItem(Utf8(rkm::Core::tr("Listing '%1' (%2):"),
                                         {l.diskName, platform::Utf8Text(l.fileName)})));
        for (const std::string &e : l.entries) {
            if (lines.size() >= most && told < total)
                break;
            lines.push_back("    " + SummaryItem(e));
            ++told;
        }
    }
    if (told < total)
        lines.push_back(moreLine(total - told));
    return lines;
}

} // namespace rkm
