#include "scan/ListingOptions.h"

#include "service/Settings.h"

namespace rkm {

namespace {

std::string keyOf(std::string_view fileName)
{
    return "Reading-" + std::string(fileName);
}

constexpr std::string_view kArchives = "archives", kDescriptions = "descriptions", kTags = "tags";

} // namespace

std::string ScanOptionsText(const ScanOptions &options)
{
    std::string text;
    auto add = [&text](bool on, std::string_view word) {
        if (!on)
            return;
        if (!text.empty())
            text += ' ';
        text += word;
    };
    add(options.archives, kArchives);
    add(options.descriptions, kDescriptions);
    add(options.tags, kTags);
    return text;
}

ScanOptions ParseScanOptions(std::string_view text)
{
    ScanOptions options {false, false, false};
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        options.archives = options.archives || word == kArchives;
        options.descriptions = options.descriptions || word == kDescriptions;
        options.tags = options.tags || word == kTags;
        if (space == std::string_view::npos)
            break;
        text.remove_prefix(space + 1);
    }
    return options;
}

std::optional<ScanOptions> RememberedScanOptions(std::string_view fileName)
{
    if (fileName.empty() || !HasSetting(keyOf(fileName)))
        return std::nullopt;
    return ParseScanOptions(GetSettingString(keyOf(fileName)));
}

ScanOptions ScanOptionsFor(std::string_view fileName)
{
    return RememberedScanOptions(fileName).value_or(ScanOptions {});
}

void RememberScanOptions(std::string_view fileName, const ScanOptions &options)
{
    if (!fileName.empty())
        SetSettingString(keyOf(fileName), ScanOptionsText(options));
}

void ForgetScanOptions(std::string_view fileName)
{
    if (!fileName.empty())
        RemoveSetting(keyOf(fileName));
}

} // namespace rkm
