#pragma once

// Tags and archive contents are read in worker processes (rackmere-reader),
// never in the program's own: a library that crashes, recurses without end,
// takes all memory or hangs on a hostile file costs that file only. The
// workers are started when the first file needs one, kept for the next
// files, and ended (SIGKILL) when one oversteps a bound or the walk is
// cancelled; another is started in its place.

#include "scan/Archive.h"
#include "scan/Describe.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

class ScanControl;

// What a worker answered for one file.
struct SandboxResult {
    enum class Status { Done, Stopped, TooSlow, Cancelled, NoReader, Skipped };
    Status status = Status::Done;
    std::string bytes; // the answer when Done
};

// The longest a worker reads one file: 5 seconds, or the milliseconds of
// RACKMERE_READER_MS.
std::chrono::milliseconds ReaderTimeLimit();
// Sets it for this process (tests); a worker keeps the limit it was
// started with.
void SetReaderTimeLimit(std::chrono::milliseconds limit);

// The description of the media file open at `fd` (its name `name` tells the
// kind), read by a worker. An empty text when it has none; a note ("tags
// could not be read: …") when the worker stopped or took too long; nullopt
// when the walk was cancelled. Safe to call from several threads.
std::optional<std::string> SandboxMediaDescription(int fd, std::string_view name, MediaKind kind,
                                                   const ScanControl *control);

// The same for the files `names` of the folder `folderFd`, opened here (a
// regular file, no link followed) and read one after another by a worker, a
// few sent ahead of its answers. An empty text for a file that is no regular
// file; nullopt when the walk was cancelled.
std::optional<std::vector<std::string>> SandboxMediaDescriptions(int folderFd, const std::vector<std::string> &names,
                                                                 const ScanControl *control);

// The descript.ion (its lines, packed) or file_id.diz (its comment) named
// `name` in the folder `folderFd`, read and parsed by a worker. Skipped when
// it is no regular file; no answer (Done with no bytes) when it is too big.
SandboxResult SandboxReadDescriptionFile(int folderFd, const std::string &name, bool fileIdDiz,
                                         const ScanControl *control);
std::optional<std::vector<DescriptionLine>> UnpackDescriptIon(std::string_view bytes);

// The contents of the archive open at `fd`, read by a worker. `note` is set
// (and nullopt returned) when the worker stopped or took too long; nullopt
// without a note when it is no archive that can be read or the walk was
// cancelled. Safe to call from several threads.
std::optional<ArchiveContents> SandboxReadArchive(int fd, std::string_view name, const ScanControl *control,
                                                  std::string &note);

// The kinds of file a picture is made of, known by the name's extension.
enum class PictureKind { None, Image, Raw, Video, Audio };
PictureKind PictureKindOf(std::string_view fileName);
// The long side of a picture, in pixels.
inline constexpr int kPictureSize = 256;

// What a worker made of one file: a JPEG of at most kPictureSize pixels on
// its long side, or nothing (the file holds no picture); `note` says why a
// picture could not be made when that is worth telling (the reader stopped,
// took too long, the image declares more pixels than are decoded).
struct PictureAnswer {
    std::string jpeg;
    std::string note;
};
// The pictures of the files `names` of the folder `folderFd` (each opened
// here: a regular file, no link followed), made by as many workers as the
// pool allows at once (one a core), in the order of `names`. nullopt when
// the walk was cancelled. Safe to call from several threads.
std::optional<std::vector<PictureAnswer>> SandboxPictures(int folderFd, const std::vector<std::string> &names,
                                                          const ScanControl *control);

// The notes of a file the worker could not read.
inline constexpr char TAGS_READER_STOPPED[] = "tags could not be read: the reader stopped";
inline constexpr char TAGS_READER_TOO_SLOW[] = "tags could not be read: reading took too long";
inline constexpr char DESCRIPTIONS_READER_STOPPED[] = "descriptions could not be read: the reader stopped";
inline constexpr char ARCHIVE_READER_STOPPED[] = "Archive could not be read: the reader stopped";
inline constexpr char ARCHIVE_READER_TOO_SLOW[] = "Archive could not be read: reading took too long";
inline constexpr char PICTURE_READER_STOPPED[] = "picture not made: the reader stopped";
inline constexpr char PICTURE_READER_TOO_SLOW[] = "picture not made: reading took too long";
inline constexpr char PICTURE_TOO_LARGE[] = "picture not made: the image is too large";
inline constexpr char PICTURE_UNREADABLE[] = "picture not made: the picture could not be decoded";

// Whether a description or comment is one of the walk's own notes of what it
// could not read (these, and the notes of a cut archive list): an Update
// does not carry it over, the new walk's text stands.
bool IsReaderNote(std::string_view text);

// What makes a picture of the file open at `fd` in a worker (rackmere-reader
// has one; the core draws no pictures).
using PictureMaker = PictureAnswer (*)(int fd, std::string_view name, PictureKind kind);

// The worker's side: serves requests on its standard input (a socket) until
// it closes. Called by rackmere-reader once its limits are in place. Without
// `makePicture`, a picture is asked for in vain (no answer).
int ServeReaderRequests(PictureMaker makePicture = nullptr);

// A picture answer as a worker sends it, and back.
std::string PackPicture(const PictureAnswer &picture);
std::optional<PictureAnswer> UnpackPicture(std::string_view bytes);

// The archive contents as a worker sends them, and back.
std::string PackArchive(const ArchiveContents &contents);
std::optional<ArchiveContents> UnpackArchive(std::string_view bytes);

} // namespace rkm
