#include "service/ui/Service.h"

#include "catalog/WriterLock.h"
#include "gui/Prompter.h"
#include "service/Project.h"
#include "service/Version.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <QWidget>

#include <memory>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace rkm {

namespace {

struct ServiceState {
    QString appName = QString::fromLatin1(APP_TITLE);
    QString appKey = QString::fromLatin1(APP_KEY);
    QPointer<QWidget> mainWindow;
    std::unique_ptr<FileLock> lock;
    std::unique_ptr<QLocalServer> server;
};

ServiceState &state()
{
    static ServiceState s;
    return s;
}

void bringToFront()
{
    QWidget *w = state().mainWindow;
    // While the window is still being made (the splash is up), showing it
    // would cut the start-up short: it comes to the front by itself then.
    if (!w || !w->isVisible())
        return;
    if (w->isMinimized())
        w->showNormal();
    w->show();
    w->raise();
    w->activateWindow();
}

// A folder only this user can enter and write: owned by the user, not a
// link, no access for group or others.
bool ownFolder(const QByteArray &path)
{
    struct stat st {};
    return !path.isEmpty() && ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

QString runtimeDir()
{
    // The session's runtime folder, when it is what it should be.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (ownFolder(runtime))
        return QFile::decodeName(runtime);
    // Else a folder of the user's own under the cache folder; never a shared
    // place such as /tmp, where another user could take the name first.
    QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        cache = QDir::homePath() + QStringLiteral("/.cache");
    const QString dir = cache + QStringLiteral("/rackmere");
    const QByteArray path = QFile::encodeName(dir);
    QDir().mkpath(cache);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    // A folder of ours left with too wide a mode is narrowed; one of
    // another user is not used.
    struct stat st {};
    if (::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid())
        ::chmod(path.constData(), 0700);
    return ownFolder(path) ? dir : QString();
}

} // namespace

QString InstanceServerName()
{
    // A full path, so each user (and each test's runtime folder) has its own.
    const QString dir = runtimeDir();
    return dir.isEmpty() ? dir : dir + QStringLiteral("/rackmere-%1.socket").arg(::getuid());
}

QString InstanceLockPath()
{
    const QString dir = runtimeDir();
    return dir.isEmpty() ? dir : dir + QStringLiteral("/rackmere-%1.lock").arg(::getuid());
}

bool EnsureOneInstance(const QString &, int)
{
    ServiceState &s = state();
    if (s.lock)
        return false; // this copy holds the guard already
    const QString lockPath = InstanceLockPath();
    if (lockPath.isEmpty())
        return false; // no folder of the user's own: run unguarded rather than refuse to start
    // flock: a guard left by a copy that crashed (or an empty guard file) is
    // free at once, as the system dropped the lock with its process; a copy
    // that still runs keeps it however long it has run.
    auto lock = std::make_unique<FileLock>(QFile::encodeName(lockPath).toStdString());
    if (const FileLock::State taken = lock->tryTake(true); taken != FileLock::State::Held) {
        if (taken == FileLock::State::Busy) {
            // Another copy runs: ask it to come to the front.
            QLocalSocket socket;
            socket.connectToServer(InstanceServerName());
            if (socket.waitForConnected(1000)) {
                socket.write("raise\n");
                socket.waitForBytesWritten(1000);
                socket.disconnectFromServer();
            }
            return true;
        }
        // The lock file cannot be made (no folder of the user's own): run
        // unguarded rather than refuse to start.
        return false;
    }
    s.lock = std::move(lock);
    QLocalServer::removeServer(InstanceServerName());
    s.server = std::make_unique<QLocalServer>();
    s.server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(s.server.get(), &QLocalServer::newConnection, [] {
        QLocalServer *server = state().server.get();
        while (QLocalSocket *c = server->nextPendingConnection()) {
            QObject::connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            bringToFront();
        }
    });
    s.server->listen(InstanceServerName());
    return false;
}

void ReleaseInstanceGuard()
{
    ServiceState &s = state();
    s.server.reset();
    s.lock.reset();
}

void Initialize(const QString &appName, const QString &appKey, QWidget *mainWindow)
{
    ServiceState &s = state();
    s.appName = appName;
    s.appKey = appKey;
    s.mainWindow = mainWindow;
}

void ShowAboutBox(QWidget *parent, const QString &webAddress)
{
    const QString text =
        QStringLiteral("<p><b>%1</b><br>Version %5</p>"
                       "<p>A catalogue of your disks: every folder and file of your CDs, USB sticks, "
                       "hard disks and network drives, searchable and printable, even when the disk "
                       "itself is not at hand.</p>"
                       "<p>Built with Qt %2.</p>"
                       "<p><a href=\"%3\">%3</a><br>Support: <a href=\"mailto:%4\">%4</a></p>")
            .arg(state().appName.toHtmlEscaped(), QString::fromLatin1(qVersion()), webAddress.toHtmlEscaped(),
                 QString::fromLatin1(SUPPORT_MAIL_ADDRESS), QString::fromLatin1(PROGRAM_VERSION));
    prompter().richMessage(parent, QStringLiteral("About %1").arg(state().appName), text);
}

void GotoURL(const QString &webAddress)
{
    const QUrl url(webAddress);
    if (!url.isValid() || !prompter().openUrl(url))
        prompter().message(state().mainWindow, QMessageBox::Warning, state().appName,
                           QStringLiteral("Could not open %1 in a web browser.").arg(webAddress), QMessageBox::Ok);
}

void MailToSupport()
{
    QUrl url(QStringLiteral("mailto:") + QString::fromLatin1(SUPPORT_MAIL_ADDRESS));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), state().appName + QStringLiteral(" support"));
    url.setQuery(query);
    if (!prompter().openUrl(url))
        prompter().message(state().mainWindow, QMessageBox::Warning, state().appName,
                           QStringLiteral("Could not start a mail program. Please write to %1.")
                               .arg(QString::fromLatin1(SUPPORT_MAIL_ADDRESS)),
                           QMessageBox::Ok);
}

} // namespace rkm
