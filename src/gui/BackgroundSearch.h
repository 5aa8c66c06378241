#pragma once

#include "gui/WaitCursor.h"

#include <QObject>

#include <atomic>
#include <exception>
#include <functional>
#include <optional>
#include <thread>

namespace rkm {

// One reading job of a results panel (Find duplicates, Compare with, the
// comparison of Verify) on a thread of its own, while the window goes on
// with the hourglass beside the arrow. The job reads the catalogue, so the
// rule of Find all holds: the catalogue changes only on the user-interface
// thread, and only once cancel() has returned (the main window cancels
// before every command that edits, every save and a disk that goes).
class BackgroundSearch final : public QObject {
    Q_OBJECT

public:
    // The work, on the search's thread; it looks at `stop` often and ends
    // soon once it is set.
    using Work = std::function<void(const std::atomic<bool> &stop)>;
    // Back on the user-interface thread once the work came to its end: what
    // it threw, or null.
    using Done = std::function<void(std::exception_ptr error)>;

    explicit BackgroundSearch(QObject *parent = nullptr);
    ~BackgroundSearch() override;

    // Starts `work`; a running job is cancelled first.
    void start(Work work, Done done);
    // Ends a running job and waits for its thread; its `done` is not called.
    // True when one was running.
    bool cancel();
    bool running() const { return m_thread.joinable(); }

signals:
    // A job started or ended (came to its end, or was cancelled).
    void runningChanged(bool running);

private:
    void finished(int generation);

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::exception_ptr m_error; // set by the thread before it ends
    Done m_done;
    std::optional<WaitCursor> m_cursor;
    int m_generation = 0;
};

} // namespace rkm
