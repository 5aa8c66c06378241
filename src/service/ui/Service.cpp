#include "service/ui/Service.h"

#include "catalog/WriterLock.h"
#include "gui/Prompter.h"
#include "service/Project.h"
#include "service/Version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
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

namespace {

// A private name per catalogue folder: a hash of its canonical path, so that
// one folder named through a link or with a trailing slash is one guard.
QString GuardName(const std::string &programDir)
{
    const QString path = QString::fromStdString(programDir);
    QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QDir::cleanPath(QDir(path).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256);
    return QStringLiteral("rackmere-") + QString::fromLatin1(hash.toHex().left(16));
}

QString GuardFile(const std::string &programDir, const char *suffix)
{
    const QString dir = runtimeDir();
    return dir.isEmpty() ? dir : dir + QLatin1Char('/') + GuardName(programDir) + QLatin1String(suffix);
}

// Asks the copy that runs to come to the front; false when it cannot be reached.
bool AskToRaise(const QString &serverName)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

} // namespace

QString InstanceServerName(const std::string &programDir)
{
    return GuardFile(programDir, ".socket");
}

QString InstanceLockPath(const std::string &programDir)
{
    return GuardFile(programDir, ".lock");
}

InstanceCheck EnsureOneInstance(const QString &, const std::string &programDir)
{
    using Outcome = InstanceCheck::Outcome;
    ServiceState &s = state();
    if (s.lock)
        return {}; // this copy holds the guard already
    const QString shownDir = QDir::cleanPath(QString::fromStdString(programDir));
    const QString lockPath = InstanceLockPath(programDir);
    if (lockPath.isEmpty())
        return {Outcome::CannotStart,
                QCoreApplication::translate("rkm::Service",
                                            "Rackmere cannot start: it needs a folder only you can use for its "
                                            "single-instance guard, and found none ($XDG_RUNTIME_DIR is not such a "
                                            "folder, and none could be made in your cache folder).")};
    // flock: a guard left by a copy that crashed (or an empty guard file) is
    // free at once, as the system dropped the lock with its process; a copy
    // that still runs keeps it however long it has run. A copy that runs
    // but does not listen yet (it has only just taken the guard) is asked
    // again for a few seconds; one that ends meanwhile leaves the guard free.
    auto lock = std::make_unique<FileLock>(QFile::encodeName(lockPath).toStdString());
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const FileLock::State taken = lock->tryTake(true);
        if (taken == FileLock::State::Held)
            break;
        if (taken == FileLock::State::Unavailable)
            return {Outcome::CannotStart,
                    QCoreApplication::translate("rkm::Service",
                                                "Rackmere cannot start: its single-instance guard %1 cannot be made (%2).")
                        .arg(lockPath, QString::fromStdString(lock->reason()))};
        if (AskToRaise(InstanceServerName(programDir)))
            return {Outcome::AnotherRaised, {}};
        if (waited.elapsed() > 3000)
            return {Outcome::CannotStart,
                    QCoreApplication::translate("rkm::Service",
                                                "Rackmere already runs on the catalogue in %1 (process %2), but it "
                                                "does not answer. Close that copy, or end it if it hangs, and start "
                                                "Rackmere again.")
                        .arg(shownDir)
                        .arg(lock->holderPid())};
        QThread::msleep(100);
    }
    s.lock = std::move(lock);
    QLocalServer::removeServer(InstanceServerName(programDir));
    s.server = std::make_unique<QLocalServer>();
    s.server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(s.server.get(), &QLocalServer::newConnection, [] {
        QLocalServer *server = state().server.get();
        while (QLocalSocket *c = server->nextPendingConnection()) {
            QObject::connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            bringToFront();
        }
    });
    s.server->listen(InstanceServerName(programDir));
    return {};
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
    const QString mail = QString::fromLatin1(SUPPORT_MAIL_ADDRESS);
    QStringList where;
    if (!webAddress.isEmpty())
        where << QStringLiteral("<a href=\"%1\">%1</a>").arg(webAddress.toHtmlEscaped());
    if (!mail.isEmpty())
        where << QCoreApplication::translate("rkm::Service", "Support: %1")
                     .arg(QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(mail.toHtmlEscaped()));
    const QString licence =
        webAddress.isEmpty()
            ? QCoreApplication::translate("rkm::Service",
                                          "Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives with this copy.")
            : QCoreApplication::translate("rkm::Service",
                                          "Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives at %1.")
                  .arg(webAddress.toHtmlEscaped());
    // The paragraphs are translated one by one; the markup around them is the box's own.
    const QString version =
        QCoreApplication::translate("rkm::Service", "Version %1").arg(QString::fromLatin1(PROGRAM_VERSION));
    const QString about = QCoreApplication::translate(
        "rkm::Service", "A catalogue of your disks: every folder and file of your CDs, USB sticks, hard disks and "
                        "network drives, searchable and printable, even when the disk itself is not at hand.");
    const QString built = QCoreApplication::translate("rkm::Service", "Built with Qt %1 (running on Qt %2).")
                              .arg(QString::fromLatin1(QT_VERSION_STR), QString::fromLatin1(qVersion()));
    const QString text = QStringLiteral("<p><b>%1</b><br>%2</p><p>%3</p><p>%4</p><p>%5</p>")
                             .arg(state().appName.toHtmlEscaped(), version.toHtmlEscaped(), about.toHtmlEscaped(),
                                  built.toHtmlEscaped(), licence) +
                         (where.isEmpty() ? QString()
                                          : QStringLiteral("<p>%1</p>").arg(where.join(QStringLiteral("<br>"))));
    prompter().richMessage(parent, QCoreApplication::translate("rkm::Service", "About %1").arg(state().appName), text);
}

void GotoURL(const QString &webAddress)
{
    const QUrl url(webAddress);
    if (!url.isValid() || !prompter().openUrl(url))
        prompter().message(state().mainWindow, QMessageBox::Warning, state().appName,
                           QCoreApplication::translate("rkm::Service", "Could not open %1 in a web browser.")
                               .arg(webAddress),
                           QMessageBox::Ok);
}

void MailToSupport()
{
    QUrl url(QStringLiteral("mailto:") + QString::fromLatin1(SUPPORT_MAIL_ADDRESS));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), state().appName + QStringLiteral(" support"));
    url.setQuery(query);
    if (!prompter().openUrl(url))
        prompter().message(state().mainWindow, QMessageBox::Warning, state().appName,
                           QCoreApplication::translate("rkm::Service",
                                                       "Could not start a mail program. Please write to %1.")
                               .arg(QString::fromLatin1(SUPPORT_MAIL_ADDRESS)),
                           QMessageBox::Ok);
}

} // namespace rkm
