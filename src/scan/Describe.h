#pragma once

#include "catalog/Disks.h"
#include "scan/ScanOptions.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

class ScanControl;

// Description files and media tags: what fills the empty descriptions of a
// folder's files and the empty comment of the folder while it is walked.
// Nothing here ever replaces a text that is already there.

// The largest description file read; a bigger one is not a description file.
inline constexpr std::size_t MAX_DESCRIPTION_FILE_BYTES = 1024 * 1024;

// One line of a descript.ion: a file's name and its description, as bytes
// (Windows-1252 or UTF-8, kept as they are).
struct DescriptionLine {
    std::string name;
    std::string description;
};

// The lines of a descript.ion. A name holding spaces is quoted ("my file.txt
// text"); the description follows after spaces or a tab. Lines end in CR LF
// or LF. A description of several lines (4DOS and Total Commander mark it
// with the bytes 04 C2 at its end and write its breaks as \n) is joined into
// one line, its breaks becoming spaces; other data after a 04 byte is left
// out. Lines without a name or without a description give nothing.
std::vector<DescriptionLine> ParseDescriptIon(std::string_view bytes);

// The comment a file_id.diz gives: its lines, trimmed, without empty ones,
// joined by one space (a comment holds one line), runs of spaces made one,
// within the longest text a listing holds, cut at a whole character.
std::string FileIdDizComment(std::string_view bytes);

// Fills the empty descriptions of `files` from the lines of a descript.ion.
// A line names a file by the same bytes, or else by the same text letter case
// aside (DOS names were not case-sensitive; a name decodes as UTF-8, else as
// Windows-1252). Returns how many were filled.
int FillDescriptions(FileList &files, const std::vector<DescriptionLine> &lines);

// The kinds of media file whose tags describe them, known by the name's
// extension alone.
enum class MediaKind { None, Audio, Photo, Video };
MediaKind MediaKindOf(std::string_view fileName);

// The texts that describe media files, from what their tags hold. Empty
// parts are left out with their separators; the result is empty when
// nothing is known. All texts are UTF-8.
struct AudioTags {
    std::string artist, title, album;
    unsigned year = 0;
    int seconds = 0;
};
// "Artist – Title (Album, Year) m:ss"
std::string AudioDescription(const AudioTags &tags);
struct PhotoTags {
    std::string dateTime; // as Exif writes it: "YYYY:MM:DD hh:mm:ss"
    std::string model;
    long width = 0, height = 0;
};
// "YYYY-MM-DD hh:mm, Camera model, width × height"
std::string PhotoDescription(const PhotoTags &tags);
struct VideoTags {
    int64_t milliseconds = 0;
    long width = 0, height = 0;
    std::string codec;
};
// "h:mm:ss, width × height, codec"
std::string VideoDescription(const VideoTags &tags);

// Reads a media file's tags (TagLib, Exiv2, MediaInfo) and returns its
// description, or an empty text when the file is no media file, is not a
// regular file or its tags cannot be read. `folderFd` is a handle of the
// folder that holds the file `name`. Safe to call from several threads.
std::string MediaDescription(int folderFd, std::string_view name, MediaKind kind);
// The same for a file already open at `fd` (not taken over), named `name`.
std::string MediaDescriptionOfFile(int fd, std::string_view name, MediaKind kind);

// The bytes of the regular file `name` in the folder `folderFd`, when it is
// a regular file of at most `limit` bytes; never waits on a FIFO or device.
std::optional<std::string> ReadSmallFile(int folderFd, std::string_view name, std::size_t limit);

// For the walk, once a folder is built: fills the empty descriptions of its
// files and its empty comment (`folder`), and the empty comments of its
// sub-folders (`folderNode`'s children, not yet walked), from its
// descript.ion and file_id.diz (options.descriptions) and from the tags of
// its media files (options.tags). `rootFd` and `path` name the folder as the
// walk does. `mayHideFiles`: the folder is on a volume that hides files by
// attribute (FAT, NTFS), where a descript.ion is often hidden and so not
// among the files listed. Opens nothing when there is nothing to read.
void DescribeFolder(int rootFd, const std::string &path, bool mayHideFiles, TreeNode &folderNode,
                    const ScanOptions &options, const ScanControl *control);

} // namespace rkm
