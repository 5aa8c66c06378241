#include "catalog/WriterLock.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <QString>
#include <QThread>

namespace rkm {

WriterLock::WriterLock(const std::string &programDir)
    : m_lock(std::make_unique<QLockFile>(QString::fromStdString(programDir) + QLatin1String(FILE_NAME)))
{
    // Held as long as the program runs, however long that is: only a lock
    // whose process is gone counts as stale.
    m_lock->setStaleLockTime(0);
}

WriterLock::~WriterLock() = default;

WriterLock::State WriterLock::take(int waitMs, const std::function<void()> &whileWaiting)
{
    if (m_lock->isLocked())
        return State::Held;
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (m_lock->tryLock(0)) {
            m_reason.clear();
            return State::Held;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            m_reason = m_lock->error() == QLockFile::PermissionError ? "Permission denied"
                                                                     : "the lock file cannot be made";
            return State::Unavailable;
        }
        if (deadline.hasExpired())
            return State::Busy;
        if (whileWaiting)
            whileWaiting();
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(100,
                                                                    std::max<qint64>(deadline.remainingTime(), 1))));
    }
}

bool WriterLock::held() const
{
    return m_lock->isLocked();
}

void WriterLock::release()
{
    m_lock->unlock();
}

qint64 WriterLock::holderPid() const
{
    qint64 pid = 0;
    QString host, app;
    return m_lock->getLockInfo(&pid, &host, &app) ? pid : 0;
}

std::string WriterLock::holderName() const
{
    qint64 pid = 0;
    QString host, app;
    return m_lock->getLockInfo(&pid, &host, &app) ? app.toStdString() : std::string();
}

} // namespace rkm
