#include "app/Frmsplash.h"
#include "catalog/WriterLock.h"
#include "service/Project.h"
#include "service/Version.h"
#include "service/ui/Service.h"
#include "support/GuiTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>
#include <QTest>
#include <QUrlQuery>

#include <sys/stat.h>
#include <unistd.h>

using namespace rkm;

namespace {

// The desktop program started as a user would, on the catalogue folder
// `dir`, with the guard's runtime folder `runtime`.
std::unique_ptr<test::StartedProgram> StartRackmere(const std::string &dir, const QString &runtime,
                                                    std::vector<std::pair<std::string, std::string>> env = {})
{
    env.insert(env.begin(), {{"QT_QPA_PLATFORM", "offscreen"},
                             {"XDG_RUNTIME_DIR", QFile::encodeName(runtime).toStdString()},
                             {"RACKMERE_DIR", dir}});
    return std::make_unique<test::StartedProgram>(test::DesktopProgram().toStdString(), std::vector<std::string>{},
                                                  test::RunOptions{.env = env});
}

// Whether a program started on `dir` went past its start: it holds the
// catalogue's writer lock, which is taken only after the guard.
bool Opened(const std::string &dir)
{
    return QFile::exists(QString::fromStdString(dir) + QLatin1String(WriterLock::FILE_NAME));
}

} // namespace

class ServiceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_runtime;
    test::Sandbox m_sandbox;

private slots:
    void initTestCase()
    {
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QVERIFY2(QFileInfo(test::DesktopProgram()).isExecutable(),
                 qPrintable("build the rackmere target first: " + test::DesktopProgram()));
    }

    void cleanupTestCase() { ReleaseInstanceGuard(); }

    // Two real programs on two catalogue folders both run; a start on a
    // folder that has its program already (named as it is, or through a
    // link) brings that one forward and ends with status 0.
    void twoCataloguesTwoWindows()
    {
        test::TempDir tmp;
        const std::string first = tmp.file("first/"), second = tmp.file("second/");
        test::MakeDirs(first);
        test::MakeDirs(second);
        QVERIFY(QFile::link(QString::fromStdString(tmp.file("second")), QString::fromStdString(tmp.file("link"))));
        auto one = StartRackmere(first, m_runtime.path());
        auto two = StartRackmere(second, m_runtime.path());
        QTRY_VERIFY_WITH_TIMEOUT(Opened(first) && Opened(second), 20000);
        QVERIFY(!one->waitForFinished(0));
        QVERIFY(!two->waitForFinished(0));

        const struct {
            const char *name;
            std::string dir;
        } again[] = {{"the first folder", first}, {"the second, through a link", tmp.file("link")}};
        for (const auto &a : again) {
            auto later = StartRackmere(a.dir, m_runtime.path());
            QVERIFY2(later->waitForFinished(20000), a.name);
            QVERIFY2(later->result().status == 0,
                     qPrintable(QString::fromLatin1(a.name) + ": " + QString::fromStdString(later->result().err)));
        }
        // Both are still running.
        QVERIFY(!one->waitForFinished(0));
        QVERIFY(!two->waitForFinished(0));
    }

    // A start that cannot go on says why on standard error (and in a
    // message box, which waits for the user), and goes no further.
    void aStartThatCannotProceedSaysWhy()
    {
        test::TempDir tmp;
        test::WriteBytes(tmp.file("a file"), "x");
        const struct {
            const char *name;
            std::string dir;
            QString runtime;
            std::vector<std::pair<std::string, std::string>> env;
            const char *said;
        } cases[] = {
            {"no folder of the user's own for the guard",
             tmp.file("catalogue/"),
             QString::fromStdString(tmp.file("a file")),
             {{"XDG_CACHE_HOME", tmp.file("a file")}},
             "single-instance guard"},
            {"the catalogue folder is a file", tmp.file("a file"), m_runtime.path(), {}, "is not a folder"},
        };
        for (const auto &c : cases) {
            auto p = StartRackmere(c.dir, c.runtime, c.env);
            for (int i = 0; i < 100 && p->result().err.find(c.said) == std::string::npos; ++i)
                if (p->waitForFinished(100))
                    break;
            const std::string err = p->result().err;
            QVERIFY2(err.find(std::string("rackmere: ")) != std::string::npos && err.find(c.said) != std::string::npos,
                     qPrintable(QString::fromLatin1(c.name) + ": " + QString::fromStdString(err)));
            QVERIFY2(!Opened(c.dir), c.name);
            QVERIFY2(!p->result().finished || p->result().status != 0, c.name);
        }
    }

    void theGuardInThisProcess()
    {
        const std::string dir = m_sandbox.programDir;
        // No copy runs here yet: this one takes the guard, and asking again
        // does not find itself.
        // An empty guard file (a copy killed as it started) is free at once.
        QFile left(InstanceLockPath(dir));
        QVERIFY(left.open(QIODevice::ReadWrite));
        left.close();
        QCOMPARE(EnsureOneInstance(QString::fromLatin1(APP_TITLE), dir).outcome, InstanceCheck::Outcome::First);
        QVERIFY(QFile::exists(InstanceLockPath(dir)));
        QCOMPARE(EnsureOneInstance(QString::fromLatin1(APP_TITLE), dir).outcome, InstanceCheck::Outcome::First);
        // A copy started now on the same folder brings this one's window
        // forward, and ends.
        CatalogStore store(dir);
        TfrmMain main(store);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.showMinimized();
        QVERIFY(main.isMinimized());
        auto other = StartRackmere(dir, m_runtime.path());
        QTRY_VERIFY_WITH_TIMEOUT(other->waitForFinished(0), 20000);
        QCOMPARE(other->result().status, 0);
        QTRY_VERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
        // Once let go, the next copy may run.
        ReleaseInstanceGuard();
        QVERIFY(!QFile::exists(InstanceLockPath(dir)));
        QCOMPARE(EnsureOneInstance(QString::fromLatin1(APP_TITLE), dir).outcome, InstanceCheck::Outcome::First);
    }

    void aSecondStartDuringTheSplashWaitsForTheWindow()
    {
        // This process holds the guard (taken above); a later copy asks it
        // to come forward while its splash is still up.
        const std::string dir = m_sandbox.programDir;
        QCOMPARE(EnsureOneInstance(QString::fromLatin1(APP_TITLE), dir).outcome, InstanceCheck::Outcome::First);
        auto askToRaise = [&dir] {
            QLocalSocket socket;
            socket.connectToServer(InstanceServerName(dir));
            if (!socket.waitForConnected(1000))
                return false;
            socket.write("raise\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return true;
        };
        bool asked = false;
        TfrmSplash::setMinimumMillisecondsForTests(600);
        QTimer::singleShot(100, [&] { asked = askToRaise(); });
        CatalogStore store(m_sandbox.programDir);
        TfrmMain main(store);
        TfrmSplash::setMinimumMillisecondsForTests(0);
        QVERIFY(asked);
        // Start-up ran to its end: the window was not shown early, the splash is still there.
        QVERIFY(!main.isVisible());
        QVERIFY(main.findChild<TfrmSplash *>());

        // Once the window is up, the request brings it back from the task bar.
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.showMinimized();
        QVERIFY(main.isMinimized());
        QVERIFY(askToRaise());
        QTRY_VERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
    }

    // Without a session runtime folder of the user's own, the guard lives in
    // one under the cache folder, never in /tmp, where another user could
    // take its name first.
    void guardFolderIsTheUsersOwn()
    {
        for (const char *runtime : {"own", "unset", "open to all", "missing"}) {
            test::TempDir tmp;
            const QString own = QString::fromStdString(tmp.file("runtime"));
            QDir().mkdir(own);
            ::chmod(QFile::encodeName(own).constData(), runtime == std::string("open to all") ? 0777 : 0700);
            qputenv("XDG_RUNTIME_DIR",
                    runtime == std::string("missing") ? QByteArray("/nonexistent") : QFile::encodeName(own));
            if (runtime == std::string("unset"))
                qunsetenv("XDG_RUNTIME_DIR");
            qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(tmp.file("cache")));
            const QString folder = QFileInfo(InstanceLockPath(m_sandbox.programDir)).absolutePath();
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
            qunsetenv("XDG_CACHE_HOME");
            QCOMPARE(folder, runtime == std::string("own") ? own : QString::fromStdString(tmp.file("cache/rackmere")));
            struct stat st {};
            QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &st), 0);
            QVERIFY(st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700);
        }
    }

    void aboutBoxShowsTheAddress()
    {
        QueuedPrompter p;
        ShowAboutBox(nullptr, QString::fromLatin1(PROJECT_WEB_ADDRESS));
        QCOMPARE(p.count(QueuedPrompter::Message), 1);
        QVERIFY(p.calls[0].caption.contains("Rackmere"));
        QVERIFY(p.calls[0].text.contains(QString::fromLatin1(PROJECT_WEB_ADDRESS)));
        QVERIFY(p.calls[0].text.contains(QString::fromLatin1(SUPPORT_MAIL_ADDRESS)));
        QVERIFY(p.calls[0].text.contains(QStringLiteral("Version ") + QString::fromLatin1(PROGRAM_VERSION)));
        // The Qt it runs on, and the terms it may be copied under.
        QVERIFY(p.calls[0].text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
        QVERIFY(p.calls[0].text.contains(QStringLiteral("Licence: the terms Tarnwell gives at ") +
                                         QString::fromLatin1(PROJECT_WEB_ADDRESS)));
        QCOMPARE(p.calls[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Without a web address there is no link to nowhere.
        ShowAboutBox(nullptr, QString());
        QCOMPARE(p.count(QueuedPrompter::Message), 2);
        QVERIFY(!p.calls[1].text.contains(QStringLiteral("href=\"\"")));
        QVERIFY(p.calls[1].text.contains(QStringLiteral("Licence: ")));
    }

    void webAddressAndSupportMail_data()
    {
        QTest::addColumn<bool>("mail");
        QTest::addColumn<bool>("opens");
        QTest::newRow("web site") << false << true;
        QTest::newRow("web site, no browser") << false << false;
        QTest::newRow("mail") << true << true;
        QTest::newRow("mail, no mail program") << true << false;
    }
    void webAddressAndSupportMail()
    {
        QFETCH(bool, mail);
        QFETCH(bool, opens);
        QueuedPrompter p;
        p.openAnswers.enqueue(opens);
        if (mail)
            MailToSupport();
        else
            GotoURL(QString::fromLatin1(PROJECT_WEB_ADDRESS));
        QCOMPARE(p.count(QueuedPrompter::OpenUrl), 1);
        const QUrl url(p.calls[0].text);
        if (mail) {
            QCOMPARE(url.scheme(), QStringLiteral("mailto"));
            QCOMPARE(url.path(), QString::fromLatin1(SUPPORT_MAIL_ADDRESS));
            QVERIFY(!QUrlQuery(url).queryItemValue("subject").isEmpty());
        } else {
            QCOMPARE(url, QUrl(QString::fromLatin1(PROJECT_WEB_ADDRESS)));
        }
        // A failure is told, never passed over.
        QCOMPARE(p.count(QueuedPrompter::Message), opens ? 0 : 1);
        if (!opens)
            QCOMPARE(p.messages()[0].icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(ServiceTest)
#include "Service_test.moc"
