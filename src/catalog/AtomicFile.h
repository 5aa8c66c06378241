#pragma once

#include "platform/UniqueFd.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace rkm {

// What a writer writes, given to a sink piece by piece, so that a large file
// is never held whole in memory.
using ByteSink = std::function<void(std::string_view)>;
using ByteSource = std::function<void(const ByteSink &)>;

// Writes `bytes` to `path` through a temporary file in the same folder,
// flushed to the disk and renamed into place, so a crash, a kill or a full
// disk never leaves a half-written file where a good one was. Throws
// RackmereError naming the file and the system's reason ("No space left on
// device") when it fails; the old file is then as it was.
void WriteFileAtomically(const std::string &path, std::string_view bytes);
// `beforePlacing`, when given, runs once the new bytes are safe on the disk
// and before they take the old file's place; should it throw, the old file
// stays as it was.
void WriteFileAtomically(const std::string &path, const ByteSource &bytes,
                         const std::function<void()> &beforePlacing = {});

// Writes `bytes` as a new file in `dir` (ending with '/') under a name that
// no file has: `draw` gives candidates, and each is claimed in one step by
// the file system (never looked at first and then taken), so two programs
// saving at once never pick the same name. A taken name means drawing
// another, up to `attempts` times; then RackmereError(`exhausted`) is thrown.
// Returns the bare name.
std::string WriteNewFile(const std::string &dir, std::string_view bytes, const std::function<std::string()> &draw,
                         int attempts, const std::string &exhausted);
// `beforeClaim`, when given, runs once the bytes are safe on the disk and
// before any name is claimed; should it throw, nothing is claimed.
std::string WriteNewFile(const std::string &dir, const ByteSource &bytes, const std::function<std::string()> &draw,
                         int attempts, const std::string &exhausted, const std::function<void()> &beforeClaim = {});

// How a written file is flushed to the disk: fsync(2), unless a test puts a
// failing one in its place (returns -1 with errno set, as fsync does).
extern int (*FlushToDisk)(int fd);
// Tests only: new names are claimed as on a share with neither RENAME_NOREPLACE
// nor hard links.
extern bool ClaimAsOnAPlainShare;

// The temporary files of the writers begin with this; one is left behind
// only when a writer is killed in the middle of a write. No reader looks at
// them.
inline constexpr char TEMPORARY_PREFIX[] = ".rackmere-tmp-";

// A regular file opened for reading. Opening never blocks and never reads
// anything but a regular file: a FIFO, socket or device under the name (or a
// link to one) is refused before it is opened.
class InputFile final {
public:
    explicit InputFile(const std::string &path);

    bool ok() const { return m_fd.valid(); }
    // Why it could not be opened or read: "not a regular file", or the
    // system's reason.
    const std::string &reason() const { return m_reason; }
    std::uint64_t size() const { return m_size; }
    // Appends up to `count` further bytes to `out` (fewer at the end of the
    // file); false, with reason() set, on a read error.
    bool read(std::size_t count, std::string &out);

private:
    platform::UniqueFd m_fd;
    std::uint64_t m_size = 0;
    std::string m_reason;
};

// Reads a regular file whole, at most `maxBytes`. Throws RackmereError
// `cannot` with %1 the path and %2 the reason ("Cannot open file %1: %2")
// when it cannot be read, is not a regular file or is larger than `maxBytes`.
std::string ReadRegularFile(const std::string &path, std::size_t maxBytes, const QString &cannot);

} // namespace rkm
