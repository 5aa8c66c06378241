#include "scan/Verify.h"

#include "scan/ListingOptions.h"

namespace rkm {

ListingDiff CompareWithWalk(const TreeNode &disk, const TreeNode &now)
{
    ListingDiff diff = CompareListings(disk, now);
    for (DiffItem &item : diff.items) {
        item.nodeB = nullptr;
        item.entryB = -1;
    }
    return diff;
}

ScanOptions VerifyScanOptions(std::string_view fileName)
{
    ScanOptions options;
    options.archives = ScanOptionsFor(fileName).archives;
    options.descriptions = false;
    options.tags = false;
    return options;
}

ListingDiff VerifyListing(const TreeNode &disk, ScanControl *control)
{
    const TDisk &d = disk.disk();
    const std::unique_ptr<TreeNode> now = ScanDisk(d.RootPath, disk.text(), d.Comment, control, 0,
                                                         VerifyScanOptions(d.FileName));
    return CompareWithWalk(disk, *now);
}

} // namespace rkm
