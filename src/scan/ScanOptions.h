#pragma once

namespace rkm {

// What a walk reads beyond the names, dates and sizes of a folder tree. The
// choices are made per listing (Add new, rackmere-cli add) and used again by
// its Update.
struct ScanOptions {
    bool archives = false;    // list the contents of archives as folders
    bool descriptions = true; // fill descriptions and comments from descript.ion and file_id.diz
    bool tags = false;        // describe music, photos and videos from their tags
    bool fingerprints = false; // read every regular file's bytes for its fingerprint (XXH3-128)
    bool pictures = false;     // make a small picture of each photo, video and music file with cover art
    bool operator==(const ScanOptions &) const = default;
};

} // namespace rkm
