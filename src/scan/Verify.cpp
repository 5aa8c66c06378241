#include "scan/Verify.h"

namespace rkm {

ListingDiff VerifyListing(const TreeNode &disk, ScanObserver *observer)
{
    const TDisk &d = disk.disk();
    const std::unique_ptr<TreeNode> now = ScanDisk(d.RootPath, disk.text(), d.Comment, observer);
    ListingDiff diff = CompareListings(disk, *now);
    for (DiffItem &item : diff.items) {
        item.nodeB = nullptr;
        item.entryB = -1;
    }
    return diff;
}

} // namespace rkm
