#pragma once

// The pictures rackmere-reader makes of photos, camera RAW files, videos and
// the covers of music files: a JPEG of at most kPictureSize pixels on its
// long side. Compiled into the worker only; the core draws no pictures.

#include "scan/Sandbox.h"

#include <string_view>

namespace rkm::reader {

// Loads what making pictures needs (Qt's image format plugins, the video
// decoders' settings) while the worker may still load libraries, before its
// filter is installed.
void PreparePictures();

// The picture of the file open at `fd`, of the kind `kind`; `name` is the
// file's own name. No picture and no note when the file holds none.
PictureAnswer MakePicture(int fd, std::string_view name, PictureKind kind);

} // namespace rkm::reader
