#include "scan/ListingOptions.h"

#include "catalog/CatalogStore.h"

namespace rkm {

namespace {

constexpr std::string_view kArchives = "archives", kDescriptions = "descriptions", kTags = "tags",
                           kFingerprints = "fingerprints", kPictures = "pictures";

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
    add(options.fingerprints, kFingerprints);
    add(options.pictures, kPictures);
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
        options.fingerprints = options.fingerprints || word == kFingerprints;
        options.pictures = options.pictures || word == kPictures;
        if (space == std::string_view::npos)
            break;
        text.remove_prefix(space + 1);
    }
    return options;
}

std::optional<ScanOptions> RememberedScanOptions(CatalogStore &store, const TreeNode *disk)
{
    const ListingExtras extras = store.ExtrasOf(disk);
    const auto reading = extras.find(EXTRA_READING);
    if (reading == extras.end())
        return std::nullopt;
    return ParseScanOptions(reading->second);
}

ScanOptions ScanOptionsFor(CatalogStore &store, const TreeNode *disk)
{
    return RememberedScanOptions(store, disk).value_or(ScanOptions {});
}

ListingExtras WithScanOptions(ListingExtras extras, const ScanOptions &options)
{
    extras[EXTRA_READING] = ScanOptionsText(options);
    return extras;
}

} // namespace rkm
