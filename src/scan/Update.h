#pragma once

#include "catalog/CatalogStore.h"
#include "catalog/Disks.h"
#include "scan/ContentReading.h"
#include "scan/Scanner.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Whether the disk of a listing is there to be rescanned, in the order the
// checks are made.
enum class DiskCheck {
    Ready,          // the root path can be entered and the serial number fits
    RootUnreadable, // the root path holds a NUL byte, is empty or is no path
                    // (neither absolute nor a drive): the walk would read
                    // another place (the path cut at the NUL, say "/")
    NotFound,       // the root path cannot be entered
    SystemFolder,   // a listing of a removable or optical disk whose root is
                    // now the system's own folder ("/", "/usr", ...)
    SerialDiffers,  // another volume is there (the listing's serial is not 0)
};
// A set of DiskCheck answers the user accepted (Update all the same).
using DiskChecks = unsigned;
constexpr DiskChecks Accepted(DiskCheck check)
{
    return 1u << static_cast<unsigned>(check);
}
// Whether `path` (resolved: absolute, no "..", no link) is a folder of the
// system itself, which no removable disk is mounted at: "/", "/usr", "/home",
// "/etc", "/proc" and the like (not "/media", "/mnt" or "/run/media/...").
bool IsSystemFolder(std::string_view path);
// Whether the root path of a listing can be read as a path at all: not empty,
// no NUL byte, absolute or a drive ("E:\...", a listing made on Windows).
bool IsReadableRootPath(std::string_view rootPath);
// Checks the root record of a listing and returns the first problem found
// that is not in `accepted`. The present serial number comes from the store's
// serialSource; a listing with serial number 0 (a sub-folder) skips that
// comparison. NotFound cannot be accepted.
DiskCheck CheckListingDisk(const CatalogStore &store, const TDisk &rootDisk, DiskChecks accepted = 0);

// Why the check answered RootUnreadable or SystemFolder, as the user reads
// it (UTF-8, a NUL byte shown as "\\0"): "the listing's root path ... holds a
// NUL byte", "the listing is of a removable disk, but its root path ... is
// the system's folder /". Empty for the other answers.
std::string DiskCheckReason(DiskCheck check, const TDisk &rootDisk);

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
//
// When the options ask for fingerprints or pictures, a file whose size and
// modification time are those kept for it keeps its fingerprint and picture
// without being read again, unless `reread`. The files whose contents could
// not be read go to `unreadable` when given.
//
// `readAt`: where the disk is mounted now, when its volume was recognised
// mounted elsewhere than the listing's root path; the files are read there.
TreeNode *UpdateListing(CatalogStore &store, TreeNode *oldDisk, ScanControl *control = nullptr,
                        const std::optional<ScanOptions> &options = std::nullopt, bool reread = false,
                        std::vector<UnreadableFile> *unreadable = nullptr, const std::string &readAt = {});

// Where the rescan of `oldDisk` with `options` reads its files' contents:
// a sink that knows what the store keeps of the old listing's files (which
// have pictures, not the pictures: the store copies those across), so that
// unchanged files are not read again unless `reread`. Null
// when the options ask for neither fingerprints nor pictures.
std::shared_ptr<ContentSink> UpdateContentSink(CatalogStore &store, const TreeNode *oldDisk,
                                               const ScanOptions &options, bool reread = false);

// The second half of UpdateListing, for a rescan made elsewhere (the desktop
// program walks on a thread of its own): carries the annotations of
// `oldDisk` over into `fresh`, and puts it in the place of `oldDisk` with
// CatalogStore::ReplaceListing (written under a new file name with the old
// listing's extras, the old file deleted). The reading choices `used`, when
// given, are kept with the listing from now on. `contents`: what the rescan
// read of the files' contents (UpdateContentSink), written with the fresh
// listing; without them it has none. Returns the fresh node.
TreeNode *CompleteUpdate(CatalogStore &store, TreeNode *oldDisk, std::unique_ptr<TreeNode> fresh,
                         const std::optional<ScanOptions> &used = std::nullopt,
                         std::shared_ptr<const ContentSet> contents = nullptr);

} // namespace rkm
