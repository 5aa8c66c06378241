// Hidden and system files of FAT and NTFS volumes, from the volume's own
// attributes: the vfat driver's attribute ioctl, and the NTFS attribute word
// that ntfs-3g and the kernel's ntfs3 driver offer as an extended attribute.

#include "platform/FileAttributes.h"
#include "platform/UniqueFd.h"

#include <atomic>
#include <cstdint>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/vfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace rkm::platform {

namespace {

// Windows' FILE_ATTRIBUTE_HIDDEN and FILE_ATTRIBUTE_SYSTEM; FAT's ATTR_HIDDEN
// and ATTR_SYS have the same values.
constexpr uint32_t kHidden = 0x2;
constexpr uint32_t kSystem = 0x4;

constexpr long kNtfsMagic = 0x5346544e;  // the old ntfs driver ("NTFS")
constexpr long kNtfs3Magic = 0x7366746e; // the ntfs3 driver ("ntfs")

// The attribute word, big-endian, as ntfs-3g names it; ntfs3 offers the same
// name, and the single byte "system.dos_attrib" besides.
constexpr char kNtfsAttribBe[] = "system.ntfs_attrib_be";
constexpr char kDosAttrib[] = "system.dos_attrib";

const AttributeReader kReal;
std::atomic<const AttributeReader *> g_reader{nullptr};

} // namespace

DosAttributes AttributeReader::kindOf(int folderFd) const
{
    struct statfs sf {};
    if (::fstatfs(folderFd, &sf) != 0)
        return DosAttributes::None;
    switch (static_cast<long>(sf.f_type)) {
    case MSDOS_SUPER_MAGIC:
    case static_cast<long>(EXFAT_SUPER_MAGIC):
        return DosAttributes::Fat;
    case kNtfsMagic:
    case kNtfs3Magic:
        return DosAttributes::Ntfs;
    case FUSE_SUPER_MAGIC: {
        unsigned char word[4];
        return ::fgetxattr(folderFd, kNtfsAttribBe, word, sizeof word) == static_cast<ssize_t>(sizeof word)
                   ? DosAttributes::Ntfs
                   : DosAttributes::None;
    }
    default:
        return DosAttributes::None;
    }
}

bool AttributeReader::hiddenOrSystem(DosAttributes kind, int folderFd, const char *name) const
{
    if (kind == DosAttributes::None)
        return false;
    const UniqueFd file(::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file)
        return false;
    const int fd = file.get();
    uint32_t attributes = 0;
    if (kind == DosAttributes::Fat) {
        if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) != 0)
            attributes = 0;
    } else {
        unsigned char word[4];
        unsigned char byte = 0;
        if (::fgetxattr(fd, kNtfsAttribBe, word, sizeof word) == static_cast<ssize_t>(sizeof word))
            attributes = uint32_t(word[0]) << 24 | uint32_t(word[1]) << 16 | uint32_t(word[2]) << 8 | word[3];
        else if (::fgetxattr(fd, kDosAttrib, &byte, 1) == 1)
            attributes = byte;
    }
    return (attributes & (kHidden | kSystem)) != 0;
}

const AttributeReader &Attributes()
{
    const AttributeReader *r = g_reader.load();
    return r ? *r : kReal;
}

const AttributeReader *SetAttributes(const AttributeReader *reader)
{
    return g_reader.exchange(reader);
}

} // namespace rkm::platform
