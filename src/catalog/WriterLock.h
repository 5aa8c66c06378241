#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>
#include <string>

class QLockFile;

namespace rkm {

// One writer at a time in a catalogue folder. The desktop program holds this
// lock while it runs (it keeps the whole catalogue in memory and writes it
// back); rackmere-cli's write commands hold it while they run. It is a lock
// file in the folder, apart from the desktop program's single-instance
// guard. A lock whose process is gone is taken over.
class WriterLock final {
public:
    enum class State {
        Held,        // this program holds it
        Busy,        // another program holds it
        Unavailable, // the lock file cannot be made (a folder that cannot be written)
    };

    explicit WriterLock(const std::string &programDir);
    ~WriterLock();
    WriterLock(const WriterLock &) = delete;
    WriterLock &operator=(const WriterLock &) = delete;

    // Takes the lock, trying again every tenth of a second for up to
    // `waitMs` milliseconds while another program holds it; `whileWaiting`
    // runs between the tries.
    State take(int waitMs = 0, const std::function<void()> &whileWaiting = {});
    bool held() const;
    void release();

    // The program that holds the lock (after Busy): its process id (0 when
    // the lock file does not tell) and its name.
    qint64 holderPid() const;
    std::string holderName() const;
    // Why the lock file could not be made (after Unavailable).
    const std::string &reason() const { return m_reason; }

    // The lock file's name in the folder.
    static constexpr char FILE_NAME[] = ".rackmere-writer.lock";

private:
    std::unique_ptr<QLockFile> m_lock;
    std::string m_reason;
};

} // namespace rkm
