#pragma once

#include "catalog/Disks.h"
#include "platform/SystemView.h"
#include "scan/ScanOptions.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace rkm {

// What a running walk has done so far, and the request to stop it. Every
// thread of the walk adds to the counts as it goes; any thread may read them
// or ask the walk to stop.
class ScanControl final {
public:
    struct Progress {
        uint64_t folders = 0; // folders found below the root
        uint64_t files = 0;
        uint64_t bytes = 0; // the sizes of the files found
        std::string folder; // a folder being read, below the root ("" for the root)
        std::string file;   // a file found last
        uint64_t contentBytes = 0; // bytes read for fingerprints so far (of `bytes` to read)
    };

    // Asks the walk to stop: ScanDisk then throws ScanCancelled.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }
    // What the walk has handed in so far. Each call also asks every walking
    // thread to hand in what it has counted since, at the next entry it
    // reads: whoever looks every so often sees the counts move that often,
    // also while one slow folder of many thousand files is read.
    Progress progress() const;

    // For the walk: a folder is being read; what it found.
    void readingFolder(std::string_view path);
    void found(uint64_t folders, uint64_t files, uint64_t bytes, std::string_view lastFile);
    // What a thread counted in the folder `folder` (below the root), which
    // it is reading still and which is shown as the folder read.
    void handIn(uint64_t folders, uint64_t files, uint64_t bytes, std::string_view folder, std::string_view lastFile);
    // Whether progress() was called since `seen` was last set here.
    bool askedSince(unsigned &seen) const
    {
        const unsigned now = m_asked.load(std::memory_order_relaxed);
        if (now == seen)
            return false;
        seen = now;
        return true;
    }

    // For the walk: bytes of files' contents read (fingerprints).
    void contentRead(uint64_t bytes) { m_contentBytes.fetch_add(bytes, std::memory_order_relaxed); }
    std::atomic<uint64_t> *contentCounter() { return &m_contentBytes; }
    const std::atomic<bool> *stopFlag() const { return &m_cancelled; }

    // Called on the walking thread before each folder is read (tests hold a
    // walk there).
    std::function<void()> beforeFolder;

private:
    // Read at every entry by every thread, written seldom: a cache line
    // apart from the counts, which every thread writes.
    std::atomic<bool> m_cancelled{false};
    mutable std::atomic<unsigned> m_asked{0};
    alignas(64) std::atomic<uint64_t> m_folders{0};
    std::atomic<uint64_t> m_files{0}, m_bytes{0}, m_contentBytes{0};
    mutable std::mutex m_mutex;
    std::string m_folder, m_file;
};

// Whether a stored root path is an absolute path of this system. A root of a
// listing made on Windows (E:\, C:\Data, \\server\share) is not, and is never
// taken as a folder below the current one.
bool IsPathOfThisSystem(std::string_view rootPath);

// Thrown by a walk that was asked to stop.
class ScanCancelled final : public std::exception {
public:
    const char *what() const noexcept override { return "The scan was cancelled."; }
};

// The threads a walk of a network or user-space volume keeps waiting on it:
// each waits for one answer at a time, so they are the requests in flight.
inline constexpr int kNetworkScanThreads = 64;
// The most for a solid-state or virtual disk, which the walk grows to only
// while it waits (a cold cache): the disk answers many reads at once.
inline constexpr int kSolidStateScanThreads = 32;

// The number of threads a walk uses: `requested` when above 0, else what the
// volume `kind` serves best. A network volume answers each call late but
// many at once: kNetworkScanThreads. A solid-state disk, or one of unknown
// kind: kSolidStateScanThreads. A hard disk moves its head for each request:
// two, so that one thread works while the other waits and the disk never
// seeks between more. An optical drive seeks slower still and serves one
// request at a time: one. Memory (tmpfs) never waits: one per processor
// core, at least two and at most eight.
int ScanThreadCount(int requested = 0, platform::VolumeKind kind = platform::VolumeKind::SolidState);
// The threads a walk starts with: on a solid-state disk or one of unknown
// kind one per core (the cache may hold the whole tree, and then more
// threads only take turns); they double up to ScanThreadCount while the
// folders keep them waiting on the disk longer than they work. Elsewhere (and when `requested`) the walk
// starts with all of ScanThreadCount.
int ScanStartThreadCount(int requested, platform::VolumeKind kind);

// The absolute, symlink-resolved form of a folder path without a trailing
// slash (except "/" itself), or empty when it is not a folder that can be
// entered; `error`, when given, then receives the system's error number.
std::string ResolveScanRoot(const std::string &path, int *error = nullptr);

// Walks the folder `path` into a new disk subtree named `name` with the
// comment `comment`: one folder node per folder, one file entry per file,
// each folder's sub-folders and files in the order a Windows (NTFS) volume
// lists them (VolumeOrderKey), whatever order the file system gives, so the
// same folder always gives the same listing. The node is not in any
// catalogue yet: the caller appends it. The process's current directory is
// never changed. Throws RackmereError when `path` cannot be entered, and
// ScanCancelled when `control` was asked to stop (nothing of the walk is
// left then). `threads`: see ScanThreadCount; the volume's kind comes from
// the system's mount table. When there are more threads than cores, the
// stats of a big folder are shared among them too. `options`: what is read beyond
// names, dates and sizes.
// `contents`: where the fingerprints and pictures the options ask for go
// (nothing of the contents is read without it).
class ContentSink;
std::unique_ptr<TreeNode> ScanDisk(const std::string &path, const std::string &name, const std::string &comment,
                                   ScanControl *control = nullptr, int threads = 0, const ScanOptions &options = {},
                                   ContentSink *contents = nullptr);

// Opens the folder `relative` below the folder handle `rootFd` without going
// through any symbolic link or out of the root, even if the tree changes
// while it is walked. Returns the handle, or -1.
int OpenFolderBeneath(int rootFd, const std::string &relative);

// A name as stored: a carriage return or line feed in it becomes '?'.
std::string StoredName(std::string_view name);

} // namespace rkm
