#include "catalog/WriterLock.h"

#include "platform/Translated.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {

namespace {

// The first lines of the lock file: process id, then program name.
std::string readHead(const std::string &path)
{
    const platform::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!fd)
        return {};
    char buffer[512];
    const ssize_t n = ::pread(fd.get(), buffer, sizeof buffer, 0);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string lineOf(const std::string &text, int index)
{
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string programName()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationName().toStdString();
    return "Rackmere";
}

} // namespace

FileLock::FileLock(std::string path) : m_path(std::move(path)) {}

FileLock::~FileLock()
{
    release();
}

FileLock::State FileLock::tryTake(bool exclusive)
{
    if (held())
        return State::Held;
    // A few rounds at most: the file goes only when its last holder lets go,
    // between our open and our lock.
    for (int round = 0; round < 50; ++round) {
        platform::UniqueFd fd(::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644));
        if (!fd && !exclusive && (errno == EACCES || errno == EROFS || errno == EPERM))
            fd.reset(::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (!fd) {
            m_reason = std::strerror(errno);
            return State::Unavailable;
        }
        if (::flock(fd.get(), (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK || errno == EINTR)
                return State::Busy;
            m_reason = std::strerror(errno);
            return State::Unavailable;
        }
        // The file locked must still be the one under the name.
        struct stat held {
        }, named{};
        if (::fstat(fd.get(), &held) != 0 || ::stat(m_path.c_str(), &named) != 0 || held.st_ino != named.st_ino ||
            held.st_dev != named.st_dev)
            continue;
        if (exclusive) {
            const std::string text = std::to_string(::getpid()) + '\n' + programName() + '\n';
            // Best effort: the lock holds whether or not the note fits.
            if (::ftruncate(fd.get(), 0) == 0 && ::pwrite(fd.get(), text.data(), text.size(), 0) < 0 &&
                ::ftruncate(fd.get(), 0) != 0) {
            }
        }
        m_reason.clear();
        m_fd = std::move(fd);
        return State::Held;
    }
    m_reason = Utf8(rkm::Core::tr("the lock file keeps being replaced"));
    return State::Unavailable;
}

void FileLock::release()
{
    if (!held())
        return;
    // The last holder removes the file, so no folder keeps a lock file of a
    // program long gone. Safe: one who opened the file before it went finds
    // the name no longer leads to the file it locked, and tries again.
    struct stat mine {
    }, named{};
    if (::flock(m_fd.get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(m_fd.get(), &mine) == 0 &&
        ::stat(m_path.c_str(), &named) == 0 && mine.st_ino == named.st_ino && mine.st_dev == named.st_dev)
        ::unlink(m_path.c_str());
    m_fd.reset();
}

qint64 FileLock::holderPid() const
{
    const std::string line = lineOf(readHead(m_path), 0);
    char *end = nullptr;
    const long long pid = std::strtoll(line.c_str(), &end, 10);
    return !line.empty() && end && *end == '\0' && pid > 0 ? pid : 0;
}

std::string FileLock::holderName() const
{
    return lineOf(readHead(m_path), 1);
}

WriterLock::WriterLock(const std::string &programDir) : m_lock(programDir + FILE_NAME) {}

WriterLock::State WriterLock::take(int waitMs, const std::function<void()> &whileWaiting)
{
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        const State state = m_lock.tryTake(true);
        if (state != State::Busy || deadline.hasExpired())
            return state;
        if (whileWaiting)
            whileWaiting();
        QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(deadline.remainingTime(), 1, 100)));
    }
}

ReadersLock::ReadersLock(const std::string &programDir, bool exclusive, int waitMs) : m_lock(programDir + FILE_NAME)
{
    const QDeadlineTimer deadline(waitMs);
    // Short sleeps: a reader holds it for the time of one load, a writer for
    // the time of one replace.
    while (m_lock.tryTake(exclusive) == FileLock::State::Busy && !deadline.hasExpired())
        QThread::msleep(5);
}

} // namespace rkm
