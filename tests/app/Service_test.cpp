#include "app/Frmsplash.h"
#include "service/Project.h"
#include "service/Version.h"
#include "service/ui/Service.h"
#include "support/GuiTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>
#include <QTest>
#include <QUrlQuery>

#include <sys/stat.h>
#include <unistd.h>

using namespace rkm;

class ServiceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_runtime;
    test::Sandbox m_sandbox;

    QProcess *startProgram(const QString &exe)
    {
        auto *p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        p->setProcessEnvironment(env);
        p->start(exe, {});
        return p;
    }

private slots:
    void initTestCase()
    {
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void cleanupTestCase() { ReleaseInstanceGuard(); }

    void aSecondStartEndsWithMinusOne()
    {
        // The real program, twice, in a runtime folder of this test's own.
        const QString exe = test::DesktopProgram();
        QVERIFY2(QFileInfo(exe).isExecutable(), qPrintable("build the rackmere target first: " + exe));
        QProcess *first = startProgram(exe);
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(InstanceLockPath()), 10000);
        QProcess *second = startProgram(exe);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 255); // -1
        // The first copy is still running.
        QCOMPARE(first->state(), QProcess::Running);
        first->kill();
        first->waitForFinished();
    }

    void theGuardInThisProcess()
    {
        // No copy runs here yet: this one takes the guard, and asking again
        // does not find itself.
        // The guard file of the copy killed above, or an empty one (a copy
        // killed as it started), is free at once.
        QFile left(InstanceLockPath());
        QVERIFY(left.open(QIODevice::ReadWrite));
        left.close();
        QVERIFY(!EnsureOneInstance(QString::fromLatin1(APP_TITLE), 0));
        QVERIFY(QFile::exists(InstanceLockPath()));
        QVERIFY(!EnsureOneInstance(QString::fromLatin1(APP_TITLE), 0));
        // A copy started now finds it.
        const QString exe = test::DesktopProgram();
        QProcess *other = startProgram(exe);
        QVERIFY(other->waitForFinished(10000));
        QCOMPARE(other->exitCode(), 255);
        // Once let go, the next copy may run.
        ReleaseInstanceGuard();
        QVERIFY(!QFile::exists(InstanceLockPath()));
        QVERIFY(!EnsureOneInstance(QString::fromLatin1(APP_TITLE), 0));
    }

    void aSecondStartDuringTheSplashWaitsForTheWindow()
    {
        // This process holds the guard (taken above); a later copy asks it
        // to come forward while its splash is still up.
        QVERIFY(!EnsureOneInstance(QString::fromLatin1(APP_TITLE), 0));
        auto askToRaise = [] {
            QLocalSocket socket;
            socket.connectToServer(InstanceServerName());
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
            const QString folder = QFileInfo(InstanceLockPath()).absolutePath();
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
        QCOMPARE(p.calls[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
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
