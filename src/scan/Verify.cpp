#include "scan/Verify.h"

#include "platform/Translated.h"
#include "scan/ListingOptions.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace rkm {

ListingDiff CompareWithWalk(const TreeNode &disk, const TreeNode &now, const std::atomic<bool> *stop)
{
    ListingDiff diff = CompareListings(disk, now, stop);
    for (DiffItem &item : diff.items) {
        item.nodeB = nullptr;
        item.entryB = -1;
    }
    return diff;
}

ScanOptions VerifyScanOptions(const ScanOptions &made)
{
    ScanOptions options;
    options.archives = made.archives;
    options.descriptions = false;
    options.tags = false;
    options.fingerprints = false; // only when asked (VerifyListing's `contents`)
    options.pictures = false;     // never: a picture proves nothing of the bytes
    return options;
}

ListingDiff VerifyListing(CatalogStore &store, const TreeNode &disk, ScanControl *control, ContentSink *contents)
{
    const TDisk &d = disk.disk();
    ScanOptions options = VerifyScanOptions(ScanOptionsFor(store, &disk));
    options.fingerprints = contents != nullptr;
    const std::unique_ptr<TreeNode> now = ScanDisk(d.RootPath, disk.text(), d.Comment, control, 0, options, contents);
    return CompareWithWalk(disk, *now);
}

std::vector<ContentChange> CompareContents(const ContentRecords &kept, const ContentSink &read)
{
    std::unordered_map<std::string_view, const ContentRecord *> byPath;
    byPath.reserve(kept.size());
    for (const ContentRecord &r : kept)
        if (r.fingerprint)
            byPath.emplace(r.path, &r);
    std::vector<ContentChange> out;
    read.forEach([&](const ContentRecord &now) {
        const auto found = byPath.find(now.path);
        if (found == byPath.end() || !now.fingerprint)
            return;
        const ContentRecord &before = *found->second;
        // A file whose size or date changed is told by the comparison of
        // the listings already; only the same size and date hide a change.
        if (before.size == now.size && before.modifiedNs == now.modifiedNs && before.fingerprint != now.fingerprint)
            out.push_back({now.path, 0});
    });
    for (const UnreadableFile &u : read.unreadableFiles())
        out.push_back({u.path, u.error});
    std::sort(out.begin(), out.end(), [](const ContentChange &a, const ContentChange &b) { return a.path < b.path; });
    return out;
}

std::string ContentChangeText(const ContentChange &change)
{
    if (change.error == 0)
        return Utf8(rkm::Core::tr("changed contents: a bit error or a silent overwrite"));
    return Utf8(rkm::Core::tr("could not be read: %1"), {std::strerror(change.error)});
}

} // namespace rkm
