#include "scan/Verify.h"

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

ListingDiff VerifyListing(const TreeNode &disk, ScanControl *control)
{
    const TDisk &d = disk.disk();
    const std::unique_ptr<TreeNode> now = ScanDisk(d.RootPath, disk.text(), d.Comment, control);
    return CompareWithWalk(disk, *now);
}

} // namespace rkm
