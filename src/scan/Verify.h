#pragma once

#include "catalog/Disks.h"
#include "scan/Scanner.h"
#include "search/Compare.h"
#include "scan/ContentReading.h"

#include <string>
#include <vector>

#include <string_view>

namespace rkm {

// Compares a listing with a fresh walk of its disk: A is the listing, B the
// disk as it is now, so "only in A" is what was removed from the disk, "only
// in B" what was added. The items keep their texts and point at no node of
// `now`, so the walk may go once this returns. `stop` as CompareListings.
ListingDiff CompareWithWalk(const TreeNode &disk, const TreeNode &now, const std::atomic<bool> *stop = nullptr);

class CatalogStore;

// What a walk for Verify reads, given the choices the listing was made with:
// the archives when it was made with them (else every archive folder would
// show as removed); no descriptions or tags, which are not compared.
ScanOptions VerifyScanOptions(const ScanOptions &made);

// Walks the disk of a listing again at its root path and compares what is
// there with the listing (CompareWithWalk). Nothing of the catalogue is
// changed and nothing is written. Throws RackmereError when the root path
// cannot be entered, ScanCancelled when `control` is stopped. The caller
// checks first that it is the right disk (CheckListingDisk).
//
// `contents`, when given (a ContentSink that re-reads), makes the walk read
// every file's fingerprint into it, for CompareContents.
ListingDiff VerifyListing(CatalogStore &store, const TreeNode &disk, ScanControl *control = nullptr,
                          ContentSink *contents = nullptr);

// A file whose contents are not what the listing's fingerprint says while
// its size and date are the same ("changed contents: a bit error or a silent
// overwrite"), or that could not be read (`error`, the system's reason).
struct ContentChange {
    std::string path; // ContentRecord::path
    int error = 0;    // 0: the contents differ
};
// The files of a walk that re-read every file (`read`) whose size and
// modification time are those `kept` for them (the store's records of the
// listing) and whose fingerprint differs, and every file `read` could not
// read; in path order.
std::vector<ContentChange> CompareContents(const ContentRecords &kept, const ContentSink &read);
// The line a change is told by: "changed contents: a bit error or a silent
// overwrite" or "could not be read: <reason>".
std::string ContentChangeText(const ContentChange &change);

} // namespace rkm
