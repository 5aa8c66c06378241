#include "scan/Verify.h"

#include "scan/ListingOptions.h"

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

} // namespace rkm
