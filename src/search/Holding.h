#pragma once

// Is a file already archived? Local files are fingerprinted and looked up
// among the fingerprints the store keeps beside the listings.

#include "catalog/CatalogStore.h"
#include "catalog/Contents.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace rkm {

// A local file and what reading it gave.
struct LocalFile {
    std::string path;
    std::optional<Fingerprint> fingerprint; // nullopt when it could not be read
    int error = 0;                          // the system's error number then, or NOT_A_REGULAR_FILE
};
// The error of a path that names a FIFO, socket or device.
inline constexpr int NOT_A_REGULAR_FILE = -1;
// Why a local file could not be read, as a user reads it.
std::string LocalFileProblem(const LocalFile &file);

// The regular files the paths name, in the order given: a file as it is
// (a link named here is followed), a folder as every regular file below it,
// recursively, in name order, links below it not followed. A path that is
// neither, or a folder that cannot be read, is given with its error.
// Each file is read once (FingerprintOfFile: bounded memory), so this may
// take long: call it off the window's thread. `stop`, once set, ends it
// early; the files not read yet are left out.
std::vector<LocalFile> FingerprintLocalFiles(const std::vector<std::string> &paths,
                                             const std::atomic<bool> *stop = nullptr);

// Each file with the copies the catalogue holds of its contents (none for
// one that could not be read).
struct HeldFile {
    LocalFile file;
    std::vector<CatalogStore::HeldCopy> copies;
};
std::vector<HeldFile> WhereHeld(CatalogStore &store, std::vector<LocalFile> files);

} // namespace rkm
