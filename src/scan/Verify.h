#pragma once

#include "catalog/Disks.h"
#include "scan/Scanner.h"
#include "search/Compare.h"

namespace rkm {

// Walks the disk of a listing again at its root path and compares what is
// there with the listing: A is the listing, B the disk as it is now, so
// "only in A" is what was removed from the disk, "only in B" what was added.
// Nothing of the catalogue is changed and nothing is written. The walk is
// gone when this returns: the items keep their texts, and no node of B.
// Throws RackmereError when the root path cannot be entered. The caller
// checks first that it is the right disk (CheckListingDisk).
ListingDiff VerifyListing(const TreeNode &disk, ScanObserver *observer = nullptr);

} // namespace rkm
