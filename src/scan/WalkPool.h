#pragma once

// The threads of a folder walk (what each does with a folder:
// scan/FolderReader.h, scan/FolderBuilder.h).

#include "scan/FolderBuilder.h"
#include "scan/FolderReader.h"
#include "scan/ScanOptions.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>
#include <sys/types.h>
#include <time.h>

namespace rkm {

class ContentSink;
class ScanControl;
class TreeNode;

namespace walk {

// Walks a folder tree with several threads. Each folder is one task: the
// thread that takes it reads the folder (FolderReader), puts its entries in
// order and builds them (FolderBuilder): its file entries and its sub-folder
// nodes, which it hands on as new tasks. No two threads ever touch the same
// node, and every folder is built in the order of its names, so the tree
// comes out the same whatever the threads' timing.
//
// On a volume where every call waits (a network share), a big folder's stats
// would keep one thread busy for a long time while the others have nothing
// to do: the thread reading it shares the stats out (StatShare) to threads
// that are free, and builds the folder once all have been answered.
class WalkPool final : private StatSharer {
public:
    // `contents`: where the files' contents are read into when the options
    // ask for them (ReadFolderContents); null reads none.
    WalkPool(int rootFd, ScanControl *control, const ScanOptions &options, ContentSink *contents = nullptr);

    // Walks the folder `rootFd` into `disk` with `threads` threads, or, when
    // `most` is more, starts with `threads` and doubles them up to `most`
    // once folders keep the threads waiting on the disk (a cold cache): a
    // warm walk stays on the cores. Throws ScanCancelled when the control
    // was asked to stop, and what a thread threw.
    void run(TreeNode &disk, dev_t rootDev, int threads, int most);

private:
    // The stats of a big folder, shared out in slices to whichever threads
    // are free. Lives on the stack of the thread that reads the folder, which
    // takes its untaken helper tasks back before it leaves.
    struct StatShare {
        int folderFd = -1;
        platform::DosAttributes attributes = platform::DosAttributes::None;
        PendingEntries *entries = nullptr;
        std::string_view folder;          // below the root
        std::atomic<std::size_t> next{0}; // the first entry of the next slice
        int helping = 0;                  // threads at work on it (under m_mutex)
    };

    // A folder to walk, or (with `share`) help with the stats of a big one.
    struct Job {
        FolderTask folder;
        StatShare *share = nullptr;
    };

    // What a thread's folders cost it lately: the time they took and the
    // processor time it spent on them; the rest it waited (for the disk).
    struct Spent {
        int64_t wall = 0;
        int64_t cpu = 0;
        int waitedInARow = 0; // spans of 4 ms in a row in which it waited
    };

    bool stopping() const;
    void startThreads(int count);
    static int64_t nanoseconds(clockid_t clock);
    void folderTook(Spent &spent, int64_t wall, int64_t cpu);
    void wakeFor(std::size_t tasks);
    void work();
    void walkFolder(const FolderTask &task, FolderContents &contents, PendingEntries &pending, Tally &tally,
                    std::vector<FolderTask> &found);
    void examineSlices(StatShare &share, Tally &tally);
    void shareStats(int folderFd, platform::DosAttributes attributes, PendingEntries &pending, std::string_view folder,
                    Tally &tally) override;

    const int m_rootFd;
    ScanControl *const m_control;
    const ScanOptions m_options;
    ContentSink *const m_contents; // null when no contents are read
    FolderReader m_reader;
    const FolderBuilder m_builder;
    std::atomic<int> m_threads{1};      // walking now
    std::atomic<int> m_most{1};         // the most there may be
    bool m_over = false;                // nothing left to walk: no more threads (under m_mutex)
    std::vector<std::thread> m_helpers; // started and not joined yet (under m_mutex)
    std::mutex m_mutex;
    std::condition_variable m_wake;      // a task was queued, or the walk is over
    std::condition_variable m_shareDone; // a thread finished helping with a share
    std::vector<Job> m_tasks;
    int m_busy = 0;
    std::exception_ptr m_error;
};

} // namespace walk
} // namespace rkm
