#pragma once

// Which listings are on the volumes mounted now, and where their files are
// there. A volume is the same disk only when its file system UUID matches the
// one kept beside the listing (or, for a listing that has none, such as one
// made on Windows, its volume serial); a label never tells a disk again.

#include "catalog/ListingStore.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rkm {

class TreeNode;
class TDisk;

// A volume mounted now, as the mount follower tells it.
struct MountedVolume {
    std::string mountPoint; // where it is mounted now
    std::string uuid;       // its file system UUID as udev names it, or empty
    std::string label;      // or empty
    std::string fsType;     // "vfat", "iso9660", ...
    std::string device;     // "/dev/sdb1", or empty when not known
    uint64_t bytes = 0;     // its size, 0 when not known
    uint32_t serial = 0;    // the serial a listing made on Windows holds for it (SerialOfVolume)
    // A volume a user would add: removable media, a disk the desktop mounted
    // below /media, /run/media or /mnt; not the system's own.
    bool userVolume = false;
    bool operator==(const MountedVolume &) const = default;
};

// The serial number Windows gives this volume: a CD's from its volume
// descriptor (read from `device`), else from its UUID, else 0.
uint32_t SerialOfVolume(const MountedVolume &volume);

// Where the disk is kept and to whom it is lent (free texts the user types).
inline constexpr char EXTRA_LOCATION[] = "location";
inline constexpr char EXTRA_LENT_TO[] = "lent-to";
// What to do when the listing's disk is mounted: "ask" (also when absent),
// "update" (update at once) or "ignore".
inline constexpr char EXTRA_ON_MOUNT[] = "on-mount";
enum class OnMount { Ask, Update, Ignore };
// Where the disk is kept, as tooltips show it: "Location: Shelf B3" and
// "Lent to: Ann, 3 May" on lines of their own, each only when given.
std::string ShelfText(const ListingExtras &extras);
OnMount OnMountOf(const ListingExtras &extras);
// "ask", "update", "ignore"; ParseOnMount gives false for any other word.
const char *OnMountWord(OnMount choice);
bool ParseOnMount(std::string_view word, OnMount &choice);

// What tells a listing's disk again.
struct DiskIdentity {
    std::string uuid;     // kept beside the listing, or empty
    uint32_t serial = 0;  // the listing's volume serial (0: a sub-folder listing)
    std::string rootPath; // the listing's root path
};
DiskIdentity IdentityOf(const TDisk &disk, const ListingExtras &extras);

// The listings of a catalogue by what tells their disks again, so that a
// volume is matched against a thousand of them in a few lookups.
class DiskMatcher final {
public:
    void clear();
    void add(const TreeNode *disk, const DiskIdentity &identity);
    // The listings the volume holds: a listing of a whole volume whose UUID
    // is the volume's (or, when it has no UUID, whose serial is); a listing
    // of a sub-folder whose UUID is the volume's and whose root path exists
    // below the volume's mount point. In the order they were added.
    std::vector<const TreeNode *> match(const MountedVolume &volume) const;
    std::size_t size() const { return m_count; }

private:
    struct Listed {
        const TreeNode *disk;
        std::size_t order;
        std::string rootPath;
    };
    std::unordered_map<std::string, std::vector<Listed>> m_byUuid, m_subFoldersByUuid;
    std::unordered_map<uint32_t, std::vector<Listed>> m_bySerial;
    std::size_t m_count = 0;
};

// Where a file of a whole-volume listing is now that its volume is mounted
// at `mountPoint`: the part of `path` below the listing's root path
// `rootPath` (a root of this system, or "E:\" of a listing made on Windows),
// put below the mount point.
std::string PathOnVolume(const std::string &rootPath, const std::string &path, const std::string &mountPoint);

} // namespace rkm
