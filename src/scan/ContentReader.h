#pragma once

// The reading of a folder's files' contents during a walk: fingerprints and
// pictures (ScanOptions::fingerprints, ::pictures), into a ContentSink.

#include "scan/FolderReader.h"
#include "scan/ScanOptions.h"

namespace rkm {

class ContentSink;
class ScanControl;

namespace walk {

// Reads the regular files of the folder `task`, open in `contents.dirFd`,
// on the calling thread: each file's fingerprint, and the pictures of the
// photos, videos and music among them (made by the sandbox's workers). A
// file the sink knows unchanged keeps its record without being read. A file
// that cannot be read is told to the sink and the others are read all the
// same. Returns at once when the walk is asked to stop.
void ReadFolderContents(const FolderTask &task, const FolderContents &contents, const ScanOptions &options,
                        ContentSink &sink, ScanControl *control);

} // namespace walk
} // namespace rkm
