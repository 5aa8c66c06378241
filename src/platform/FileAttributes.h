#pragma once

namespace rkm::platform {

// Where a volume keeps the attributes Windows hides files by.
enum class DosAttributes {
    None, // the volume has none (ext4, xfs, ...): only a leading dot hides
    Fat,  // FAT and exFAT: the attribute byte, through FAT_IOCTL_GET_ATTRIBUTES
    Ntfs, // NTFS (ntfs-3g or the kernel's ntfs3): the system.ntfs_attrib_be attribute
};

// Reads the hidden and system attributes of the files of a FAT or NTFS
// volume, as Windows sees them. The scanner asks it about a folder once when
// the walk enters a new volume, and about each file only on a volume that
// keeps such attributes, so other volumes cost no extra system call per file.
// Tests put a reader of their own in place.
class AttributeReader {
public:
    virtual ~AttributeReader() = default;
    // What the volume of an open folder keeps: by its file system type, and
    // for a FUSE file system (ntfs-3g) by whether the folder answers for the
    // NTFS attributes.
    virtual DosAttributes kindOf(int folderFd) const;
    // Whether the file `name` of the open folder carries the hidden or the
    // system attribute. A file that cannot be asked is not hidden.
    virtual bool hiddenOrSystem(DosAttributes kind, int folderFd, const char *name) const;
};

// The reader in use: the real one unless a test has put another in place.
const AttributeReader &Attributes();
// Puts `reader` in place (null: the real one again); returns the one before.
const AttributeReader *SetAttributes(const AttributeReader *reader);

} // namespace rkm::platform
