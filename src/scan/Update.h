#pragma once

#include "catalog/CatalogStore.h"
#include "catalog/Disks.h"
#include "scan/Scanner.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace rkm {

namespace platform {
class SystemView;
}

// Copies the user's annotations from an old subtree into a freshly scanned
// one, by name: comments of the nodes, descriptions and categories of the file
// entries. Dates and sizes stay those of the new scan. An old comment or
// description that is empty leaves the new one as the scan filled it (from a
// description file or a tag); one that is not empty always wins.
void CarryOver(const TreeNode &oldNode, TreeNode &newNode);

// How the Update prompt names the drive of a root path: "X:" for a listing
// made on Windows (X:\...), else the mount point that holds the path, or for
// a volume that is not mounted, where it was mounted (DriveOfRoot).
std::string UpdateDriveText(const std::string &rootPath, const platform::SystemView &system);

// The question asked before a listing is rescanned. A listing made on
// Windows names its drive letter ("Please make sure that the disk 'Backup 3'
// is inserted in drive E:"); any other names the mount point it is looked
// for at ("... is mounted at /media/cd", with the folder when the listing is
// of a folder on that volume), or, for a folder on the system's own disk,
// the folder.
QString UpdatePrompt(std::string_view diskName, const std::string &rootPath, const platform::SystemView &system);
// Why a listing's disk cannot be rescanned: the path looked for and the
// system's reason (an errno value; none for a drive letter).
QString DiskNotFoundText(const std::string &rootPath, int error);

// Whether the disk of a listing is there to be rescanned.
enum class DiskCheck {
    Ready,         // the root path can be entered and the serial number fits
    NotFound,      // the root path cannot be entered
    SerialDiffers, // another volume is there (the listing's serial is not 0)
};
// Checks the root record of a listing. The present serial number comes from
// the store's serialSource; a listing with serial number 0 (a sub-folder)
// skips that comparison.
DiskCheck CheckListingDisk(const CatalogStore &store, const TDisk &rootDisk);

// Rescans the disk of `oldDisk` (a disk node) at its root path into a new disk
// node of its own, with the old name and comment and the annotations carried
// over, saves it under a new listing file name and only then deletes the old
// listing file (a failure to delete is ignored); the fresh node takes the
// old one's place in the tree (the old node is gone then) and is returned.
//
// When the scan or the save fails the error is thrown and nothing changed:
// the old file is still there and no new file was left behind. A scan that
// `control` stopped throws ScanCancelled, also with nothing changed.
//
// `options`: what the walk reads; when not given, the choices remembered for
// the listing (ScanOptionsFor). Given ones are kept with the listing from
// now on; kept ones move to the new file name with the other extras.
TreeNode *UpdateListing(CatalogStore &store, TreeNode *oldDisk, ScanControl *control = nullptr,
                        const std::optional<ScanOptions> &options = std::nullopt);

// The second half of UpdateListing, for a rescan made elsewhere (the desktop
// program walks on a thread of its own): carries the annotations of
// `oldDisk` over into `fresh`, and puts it in the place of `oldDisk` with
// CatalogStore::ReplaceListing (written under a new file name with the old
// listing's extras, the old file deleted). The reading choices `used`, when
// given, are kept with the listing from now on. Returns the fresh node.
TreeNode *CompleteUpdate(CatalogStore &store, TreeNode *oldDisk, std::unique_ptr<TreeNode> fresh,
                         const std::optional<ScanOptions> &used = std::nullopt);

} // namespace rkm
