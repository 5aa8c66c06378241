#pragma once

namespace rkm {

// What kind of volume holds a path, as the listing file stores it (a disk's
// DriveType): 0 to 6.
enum DriveTypeCode : int {
    DRIVE_UNKNOWN = 0,     // the type cannot be determined
    DRIVE_NO_ROOT_DIR = 1, // the root path is not there
    DRIVE_REMOVABLE = 2,   // removable medium: floppy, USB stick
    DRIVE_FIXED = 3,       // fixed disk
    DRIVE_REMOTE = 4,      // network volume
    DRIVE_CDROM = 5,       // CD-ROM or DVD
    DRIVE_RAMDISK = 6,     // memory file system
};

} // namespace rkm
