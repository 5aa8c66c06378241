#pragma once

#include <string>
#include <string_view>

namespace rkm {

// Writes `bytes` to `path` through a temporary file renamed into place, so a
// crash or a full disk never leaves a half-written file where a good one was.
// Throws RackmereError naming the file when it fails.
void WriteFileAtomically(const std::string &path, std::string_view bytes);

// Reads a whole regular file into `out`; false (with errno set) when it
// cannot be opened or read, or is not a regular file.
bool ReadWholeFile(const std::string &path, std::string &out);

} // namespace rkm
