#pragma once

// The search index: a cache beside the user's other caches
// ($XDG_CACHE_HOME/rackmere/, ~/.cache/rackmere/ when unset), one folder per
// catalogue folder, that answers a query without loading the listings. It
// is derived data: deleting it loses nothing, and every answer first checks
// it against the listing files, so a listing changed behind its back
// (copied in, edited by another program, restored from a backup) is never
// answered from stale data: the caller is told to load instead.
//
// This header is what a query needs (the reading side); it pulls in nothing
// of the store, so a command-line search links only this.

#include "search/Query.h"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rkm::index {

// The index folder of the catalogue in `programDir` (a name made from a hash
// of the folder's canonical path, under $XDG_CACHE_HOME/rackmere/).
std::string IndexFolderOf(const std::string &programDir);

// One match as the index gives it: what a search prints. Views stay valid
// during the call that hands the hit over.
struct IndexHit {
    std::string_view listingFile; // "1234.rkm"
    std::string_view diskName;    // stored bytes
    std::string_view shownDisk;   // Catalog::displayName: a repeated name with its file
    std::vector<std::string_view> folders; // folder names below the disk, stored bytes
    std::string_view fileName;    // empty for a disk or folder
    int entry = -1;               // the file entry's index in its folder, or -1
};

enum class IndexAnswer {
    Answered, // every match was handed over (or `found` asked to stop)
    Unusable, // no index, a listing not indexed as its file is now, a
              // damaged index file, or a query it cannot answer: nothing was
              // handed over; load the listings instead
};

// Answers `query` over every listing of the catalogue in `programDir` (or,
// with `onlyListing`, that listing file only) from the index alone, handing
// each match to `found` in the order a search of the loaded catalogue gives
// them; `found` returns false to stop early. Every index file and its
// listing are checked before the first hit; only a record block found damaged
// while answering (its check sum wrong) gives Unusable after hits were
// handed over: the caller then drops them and loads.
IndexAnswer AnswerFromIndex(const std::string &programDir, const Query &query,
                            const std::function<bool(const IndexHit &)> &found, std::string_view onlyListing = {});

} // namespace rkm::index
