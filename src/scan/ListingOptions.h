#pragma once

#include "catalog/ListingStore.h"
#include "scan/ScanOptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace rkm {

class CatalogStore;
class TreeNode;

// The reading choices of each listing are kept in the store beside the
// listings (the extra "reading"), so that Update reads the disk again as it
// was read when the listing was made. Nothing of them is stored in the
// listing file itself.

// The choices kept for a disk's listing, or nullopt when none are (a listing
// made before they were kept, or copied in from elsewhere).
std::optional<ScanOptions> RememberedScanOptions(CatalogStore &store, const TreeNode *disk);
// What Update of the listing reads: the kept choices, else those Add new
// offers.
ScanOptions ScanOptionsFor(CatalogStore &store, const TreeNode *disk);
// The extras with the choices set.
ListingExtras WithScanOptions(ListingExtras extras, const ScanOptions &options);

// The choices as a short text ("archives descriptions", "" for none), and
// back; words not known are passed over.
std::string ScanOptionsText(const ScanOptions &options);
ScanOptions ParseScanOptions(std::string_view text);

} // namespace rkm
