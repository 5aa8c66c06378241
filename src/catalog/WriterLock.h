#pragma once

#include <QtGlobal>

#include "platform/UniqueFd.h"

#include <functional>
#include <string>

namespace rkm {

// A lock on a file, taken with flock(2): the system frees it the moment its
// holder ends, however it ends, so a lock can never outlive its program; the
// file itself means nothing without the lock on it (an empty one, or one
// naming a process that is gone, is free). On NFS Linux takes flock as a
// lock on the server, freed as well when the holder's program ends. The last
// holder deletes the file as it lets go; a program that locked the file just
// deleted sees that the name leads elsewhere and tries again, so two programs
// never hold it at once.
class FileLock final {
public:
    enum class State {
        Held,        // this program holds it
        Busy,        // another program holds it
        Unavailable, // the lock file cannot be made or locked
    };

    explicit FileLock(std::string path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // One try, without waiting. An exclusive lock writes this program's
    // process id and name into the file, for the message of those that find
    // it busy; a shared one reads only (a folder that cannot be written
    // still has its readers' lock when the file is there).
    State tryTake(bool exclusive);
    bool held() const { return m_fd.valid(); }
    void release();

    // What the file tells of its holder: process id (0 when it does not
    // tell) and name.
    qint64 holderPid() const;
    std::string holderName() const;
    // Why the lock file could not be made or locked (after Unavailable).
    const std::string &reason() const { return m_reason; }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    platform::UniqueFd m_fd;
    std::string m_reason;
};

// One writer at a time in a catalogue folder. The desktop program holds this
// lock while it runs (it keeps the whole catalogue in memory and writes it
// back); rackmere-cli's write commands hold it while they run. It is a lock
// file in the folder, apart from the desktop program's single-instance
// guard.
class WriterLock final {
public:
    using State = FileLock::State;

    explicit WriterLock(const std::string &programDir);

    // Takes the lock, trying again every tenth of a second for up to
    // `waitMs` milliseconds while another program holds it; `whileWaiting`
    // runs between the tries.
    State take(int waitMs = 0, const std::function<void()> &whileWaiting = {});
    bool held() const { return m_lock.held(); }
    void release() { m_lock.release(); }

    // The program that holds the lock (after Busy): its process id (0 when
    // the lock file does not tell) and its name.
    qint64 holderPid() const { return m_lock.holderPid(); }
    std::string holderName() const { return m_lock.holderName(); }
    // Why the lock file could not be made (after Unavailable).
    const std::string &reason() const { return m_lock.reason(); }

    // The lock file's name in the folder.
    static constexpr char FILE_NAME[] = ".rackmere-writer.lock";

private:
    FileLock m_lock;
};

// Readers of a catalogue folder hold this shared while they list the folder
// and read its listings; the writer holds it exclusively only while it
// replaces a listing (writes the new file, deletes the old), so a reader
// sees the catalogue before the replace or after it, never both files nor
// neither. Waits at most `waitMs` for the other side; after that (or when
// the lock file cannot be had) the holder goes on without it rather than
// jam behind a program that hangs.
class ReadersLock final {
public:
    ReadersLock(const std::string &programDir, bool exclusive, int waitMs = 10000);
    bool held() const { return m_lock.held(); }

    static constexpr char FILE_NAME[] = ".rackmere-readers.lock";

private:
    FileLock m_lock;
};

} // namespace rkm
