#include "scan/WalkPool.h"

#include "catalog/Disks.h"
#include "scan/ContentReader.h"
#include "scan/Describe.h"
#include "scan/Scanner.h"

#include <algorithm>
#include <system_error>

namespace rkm::walk {

WalkPool::WalkPool(int rootFd, ScanControl *control, const ScanOptions &options, ContentSink *contents)
    : m_rootFd(rootFd), m_control(control), m_options(options),
      m_contents(contents && (options.fingerprints || options.pictures) ? contents : nullptr),
      m_reader(rootFd, control, options.archives || m_contents != nullptr, *this), m_builder(control, options)
{
}

void WalkPool::run(TreeNode &disk, dev_t rootDev, int threads, int most)
{
    Job first;
    first.folder.node = &disk;
    first.folder.parentDev = rootDev;
    m_tasks.push_back(std::move(first));
    m_most.store(std::max({threads, most, 1}));
    {
        std::lock_guard lock(m_mutex);
        startThreads(std::max(threads, 1) - 1);
    }
    work();
    // Threads may start threads while they work; all have started once
    // those that could have are joined.
    for (;;) {
        std::vector<std::thread> helpers;
        {
            std::lock_guard lock(m_mutex);
            helpers.swap(m_helpers);
        }
        if (helpers.empty())
            break;
        for (std::thread &t : helpers)
            t.join();
    }
    if (stopping())
        throw ScanCancelled();
    if (m_error)
        std::rethrow_exception(m_error);
}

bool WalkPool::stopping() const
{
    return m_control && m_control->cancelled();
}

// Starts `count` more walking threads (under m_mutex). With more threads
// than cores the walk waits more than it works, and the stats of big
// folders are shared out too.
void WalkPool::startThreads(int count)
{
    try {
        for (int i = 0; i < count; ++i) {
            m_helpers.emplace_back([this] { work(); });
            m_threads.fetch_add(1, std::memory_order_relaxed);
        }
    } catch (const std::system_error &) {
        m_most.store(m_threads.load()); // no more threads to be had: walk with those
    }
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    m_reader.setSpreadStats(static_cast<unsigned>(m_threads.load()) > cores);
}

int64_t WalkPool::nanoseconds(clockid_t clock)
{
    timespec t{};
    ::clock_gettime(clock, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Told what a folder cost. The thread looks at every 4 ms of (timed) walking:
// when it waited for more than a fifth of two such spans in a row (a warm
// cache keeps it waiting for 3 % of the time, a cold one for 30 %), the
// threads double, up to the most.
void WalkPool::folderTook(Spent &spent, int64_t wall, int64_t cpu)
{
    spent.wall += wall;
    spent.cpu += cpu;
    if (spent.wall < 4000000)
        return;
    const bool waitedNow = (spent.wall - spent.cpu) * 5 > spent.wall;
    spent = Spent{0, 0, waitedNow ? spent.waitedInARow + 1 : 0};
    if (spent.waitedInARow < 2)
        return;
    spent.waitedInARow = 0;
    std::lock_guard lock(m_mutex);
    const int now = m_threads.load(std::memory_order_relaxed);
    const int most = m_most.load(std::memory_order_relaxed);
    if (now < most && !m_over)
        startThreads(std::min(now, most - now));
}

// Wakes as many idle threads as there are new tasks, at most all others.
void WalkPool::wakeFor(std::size_t tasks)
{
    const auto others = static_cast<std::size_t>(m_threads.load(std::memory_order_relaxed) - 1);
    for (std::size_t i = 0; i < std::min(tasks, others); ++i)
        m_wake.notify_one();
}

void WalkPool::work()
{
    std::vector<FolderTask> found;
    FolderContents contents;
    PendingEntries pending;
    Tally tally(m_control);
    Spent spent; // by the folders read since the threads were last looked at
    unsigned folders = 0;
    for (;;) {
        Job task;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_tasks.empty() || m_busy == 0; });
            if (m_tasks.empty())
                return; // nothing queued and nobody who could queue more
            task = std::move(m_tasks.back());
            m_tasks.pop_back();
            ++m_busy;
            if (task.share)
                ++task.share->helping;
        }
        if (task.share) {
            examineSlices(*task.share, tally); // never throws: a failed stat leaves the entry out
            {
                std::lock_guard lock(m_mutex);
                --task.share->helping;
                --m_busy;
            }
            m_shareDone.notify_all();
            continue;
        }
        found.clear();
        try {
            if (!m_error && !stopping()) {
                // Every fourth folder is timed: the clocks cost a call each.
                const bool growing = (++folders & 3) == 0 &&
                                     m_threads.load(std::memory_order_relaxed) < m_most.load(std::memory_order_relaxed);
                const int64_t wall = growing ? nanoseconds(CLOCK_MONOTONIC) : 0;
                const int64_t cpu = growing ? nanoseconds(CLOCK_THREAD_CPUTIME_ID) : 0;
                walkFolder(task.folder, contents, pending, tally, found);
                if (growing)
                    folderTook(spent, nanoseconds(CLOCK_MONOTONIC) - wall, nanoseconds(CLOCK_THREAD_CPUTIME_ID) - cpu);
            }
        } catch (...) {
            std::lock_guard lock(m_mutex);
            if (!m_error)
                m_error = std::current_exception();
        }
        bool finished;
        {
            std::lock_guard lock(m_mutex);
            --m_busy;
            // Last found first, so the first sub-folder is taken next.
            for (auto it = found.rbegin(); it != found.rend(); ++it)
                m_tasks.push_back(Job{std::move(*it), nullptr});
            finished = m_tasks.empty() && m_busy == 0;
            if (finished)
                m_over = true;
        }
        // One thread woken per new task (this one takes the next itself):
        // waking every idle thread for each folder costs more than the
        // reading on a warm cache. When nothing is left, all may end.
        if (finished)
            m_wake.notify_all();
        else
            wakeFor(found.size());
    }
}

void WalkPool::walkFolder(const FolderTask &task, FolderContents &contents, PendingEntries &pending, Tally &tally,
                          std::vector<FolderTask> &found)
{
    if (m_control) {
        if (m_control->beforeFolder)
            m_control->beforeFolder();
        m_control->readingFolder(task.path);
    }
    // A folder that cannot be entered is listed empty.
    if (!m_reader.read(task, contents, pending, tally) || stopping())
        return;
    contents.sortByVolumeOrder();
    m_builder.build(task, contents, found);
    if (m_contents)
        ReadFolderContents(task, contents, m_options, *m_contents, m_control);
    // Description files and tags fill the empty texts; the sub-folders
    // found are not walked yet, so their comments may be filled too.
    if (m_options.descriptions || m_options.tags)
        DescribeFolder(m_rootFd, task.path, contents.attributes != platform::DosAttributes::None, *task.node, m_options,
                       m_control);
}

// Takes slices of the share's entries until none is left, and counts what
// it looked at.
void WalkPool::examineSlices(StatShare &share, Tally &tally)
{
    PendingEntries &p = *share.entries;
    const std::size_t n = p.size();
    const char *lastFile = "";
    for (;;) {
        const std::size_t first = share.next.fetch_add(kStatSlice, std::memory_order_relaxed);
        if (first >= n)
            break;
        const std::size_t last = std::min(n, first + kStatSlice);
        for (std::size_t i = first; i < last && !stopping(); ++i) {
            const Examined &e = p.results[i] = FolderReader::examine(share.folderFd, share.attributes, p.name(i),
                                                                     p.types[i]);
            tally.count(e);
            if (e.kind == Examined::File)
                lastFile = p.name(i);
            if (tally.asked())
                tally.handIn(share.folder, lastFile);
        }
    }
    tally.handIn(lastFile);
}

// The stats of a big folder, shared out: helper tasks on the queue for the
// threads that are free, slices taken by this thread too; the help nobody
// took up is taken back, and only help under way is waited for.
void WalkPool::shareStats(int folderFd, platform::DosAttributes attributes, PendingEntries &pending,
                          std::string_view folder, Tally &tally)
{
    const std::size_t slices = (pending.size() + kStatSlice - 1) / kStatSlice;
    StatShare share;
    share.folderFd = folderFd;
    share.attributes = attributes;
    share.entries = &pending;
    share.folder = folder;
    const std::size_t helpers = std::min(slices - 1,
                                         static_cast<std::size_t>(m_threads.load(std::memory_order_relaxed) - 1));
    {
        std::lock_guard lock(m_mutex);
        for (std::size_t i = 0; i < helpers; ++i) {
            Job help;
            help.share = &share;
            m_tasks.push_back(std::move(help));
        }
    }
    wakeFor(helpers);
    examineSlices(share, tally);
    // Help under way never waits on anything itself, so this cannot deadlock.
    std::unique_lock lock(m_mutex);
    m_tasks.erase(std::remove_if(m_tasks.begin(), m_tasks.end(), [&](const Job &t) { return t.share == &share; }),
                  m_tasks.end());
    m_shareDone.wait(lock, [&] { return share.helping == 0; });
}

} // namespace rkm::walk
