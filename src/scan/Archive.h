#pragma once

#include "catalog/Disks.h"
#include "platform/UniqueFd.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// How much of one archive is listed at most. Past either bound the entries
// read so far are kept and the archive's folder says its list is incomplete.
struct ArchiveLimits {
    uint64_t maxEntries = 100000;
    std::chrono::milliseconds maxTime {30000};
    // The bytes of all the entries' paths together (each path as kept, at
    // most MAX_ARCHIVE_PATH_BYTES).
    uint64_t maxNameBytes = 16 * 1024 * 1024;
};

// The longest entry path kept: what one line of a listing can hold. A longer
// path is shortened (at a whole UTF-8 character) as it is read.
inline constexpr std::size_t MAX_ARCHIVE_PATH_BYTES = 510;

// What the headers of one archive hold, as read: every entry's path inside
// the archive (as the archive stores it, '/' between folders), whether it
// is a folder, its size and its last-write time.
struct ArchiveContents {
    struct Entry {
        std::string path;
        bool folder = false;
        uint64_t size = 0;
        int64_t modified = 0; // seconds since the epoch
    };
    std::vector<Entry> entries;
    // Empty when the whole archive was listed, else why not.
    std::string incomplete;
    // The bytes of a file_id.diz at the archive's root, when there is one.
    std::optional<std::string> fileIdDiz;
};

// The comments of an archive folder whose list was cut at a bound.
inline constexpr char ARCHIVE_TOO_MANY_ENTRIES[] = "Archive list incomplete: more than 100,000 entries";
inline constexpr char ARCHIVE_TOO_SLOW[] = "Archive list incomplete: reading took too long";
// The same note as listings made before the archives were read by workers
// hold it.
inline constexpr char ARCHIVE_TOO_SLOW_30S[] = "Archive list incomplete: reading took more than 30 seconds";
inline constexpr char ARCHIVE_NAMES_TOO_LONG[] = "Archive list incomplete: its names take more than 16 MiB";

// Whether the first bytes of a file (`head`, a few KiB) look like an
// archive that is worth opening: zip, 7z, rar, cab, tar, or a gzip, bzip2,
// xz or zstd stream (which may hold a tar). Cheap, and may say yes to a
// file that then turns out not to be one.
bool LooksLikeArchive(std::string_view head);
// An ISO 9660 image is recognised by its volume descriptor at 32 KiB, which
// is looked at only for files of whole 2 KiB sectors (MayBeIsoImage), so an
// ordinary file costs one small read.
inline constexpr uint64_t ISO_DESCRIPTOR_OFFSET = 32768;
bool IsIsoDescriptor(std::string_view bytes);
bool MayBeIsoImage(uint64_t size);

// Reads the headers of the archive open at `fd` (from its start), never the
// data, and nothing is written anywhere. Nullopt when it is no archive of a
// kind listed here or cannot be read whole (damaged, headers encrypted).
// `stop` is asked between entries; when it says yes, reading ends and
// nullopt is returned.
std::optional<ArchiveContents> ReadArchive(int fd, const ArchiveLimits &limits = {},
                                           const std::function<bool()> &stop = {});

// Opens the regular file `name` in the folder `dirFd` (no symbolic link is
// followed) when its first bytes look like an archive: the open file, else
// nothing.
platform::UniqueFd OpenIfArchive(int dirFd, const char *name);

// Puts the folders and files of an archive into `node` (an empty folder
// node): the folders its paths name are made, each folder's sub-folders and
// files are in the order of an NTFS volume, a second entry of the same path
// is left out, and folders deeper than `maxDepth` below `node` are not made
// (their files are left out). Returns the numbers of folders and files made.
struct ArchiveCounts {
    uint64_t folders = 0, files = 0;
};
ArchiveCounts BuildArchiveFolder(TreeNode &node, const ArchiveContents &contents, int maxDepth);

// Whether a folder node is an archive's contents: a file entry of the same
// name sits beside it in its parent folder. (Looked up by the order of an
// NTFS volume, which a scanned folder's files are in; a short list in
// another order is looked through whole.)
bool IsArchiveFolder(const TreeNode &node);

} // namespace rkm
