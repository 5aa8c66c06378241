#pragma once

// The kind of device a volume is on (SystemView::volumeKind; the drive type
// codes: DriveType.h).

namespace rkm::platform {

// How a volume answers requests, which decides how many of them a walk keeps
// waiting at once.
enum class VolumeKind {
    Unknown,    // nothing known (an overlay, a path outside any mount)
    Network,    // a network or user-space (FUSE) file system: every call waits
    SolidState, // a local block device that does not seek (rotational 0),
                // or a virtual machine's disk
    Rotating,   // a hard disk, or anything built on one (rotational 1)
    Optical,    // a CD, DVD or Blu-ray drive, or its file system
    Memory,     // tmpfs, ramfs
};

} // namespace rkm::platform
