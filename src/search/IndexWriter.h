#pragma once

// Keeping the search index (search/SearchIndex.h) up to date: the writing
// side, used by whoever changes listings (the desktop program and the
// command-line writers) and by a search that had to load.

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace rkm {
class Catalog;
}

namespace rkm::index {

// Brings the index of the catalogue in `programDir` up to date with the
// listing files: each listing whose file is not indexed as it is now is read
// again from its file and indexed; index files of listings that are gone are
// removed. Returns false when the index could not be written (a full or
// read-only cache: the index is a cache, so nothing else is lost). Stops
// early when `stop` is set.
bool RefreshIndex(const std::string &programDir, const std::atomic<bool> *stop = nullptr);

// The same, taking the listings from a catalogue loaded from `programDir`
// where its disks are unmodified (what a search that had to load has in
// hand), and reading the files of the others.
bool RefreshIndex(const std::string &programDir, const Catalog &loaded, const std::atomic<bool> *stop = nullptr);

// Runs RefreshIndex on a thread of its own whenever asked, for the desktop
// program: asking while one runs makes it run once more after. The
// destructor stops a running refresh and waits for it.
class IndexKeeper final {
public:
    explicit IndexKeeper(std::string programDir);
    ~IndexKeeper();
    IndexKeeper(const IndexKeeper &) = delete;
    IndexKeeper &operator=(const IndexKeeper &) = delete;

    // The listings changed (or were loaded): refresh soon.
    void listingsChanged();
    // Waits until no refresh runs or is asked for (tests).
    void waitIdle();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace rkm::index
