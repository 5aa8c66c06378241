// Disks that announce themselves: the mark of a mounted disk in the tree and
// the results panels, the bar that offers what to do when a disk is mounted,
// the notification when the window is not the active one, and Launch and
// Open containing folder at the disk's mount point of now.
#include "MainWindowFixture.h"

#include "app/CatalogTreeModel.h"
#include "app/MountOffers.h"
#include "gui/Notification.h"
#include "catalog/Presence.h"
#include "mounts/DiskPresence.h"
#include "scan/ui/Frmaddnew.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmresults.h"
#include "service/Settings.h"
#include "support/FakeUdisks.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

using namespace rkm;
using namespace rkm::test;

namespace {

constexpr char ALPHA_UUID[] = "1111-AAAA";

} // namespace

class DiskArrivalTest : public QObject, MainWindowFixture {
    Q_OBJECT

    ManualFollower *m_follower = nullptr;
    QStringList m_notes; // the notifications sent

    TfrmMain &startWatched(bool show = true)
    {
        TfrmMainTestAccess::setFollowerFactory([this] {
            auto follower = std::make_unique<ManualFollower>();
            m_follower = follower.get();
            return follower;
        });
        TfrmMain &w = start(show);
        if (show) {
            QApplication::setActiveWindow(&w);
            if (!QTest::qWaitForWindowActive(&w))
                qWarning("main window not active");
        }
        w.mountOffers()->notify = [this](const QString &summary, const QString &body) {
            m_notes << summary + QLatin1Char('|') + body;
        };
        return w;
    }
    // Alpha's listing knows its volume by a UUID, with what else is kept beside it.
    void knowAlpha(TfrmMain &w, ListingExtras more = {})
    {
        more[EXTRA_VOLUME_UUID] = ALPHA_UUID;
        m_sandbox->store->SetExtras(disk("Alpha"), std::move(more));
        w.presence()->catalogChanged();
    }
    static MountedVolume volume(const QString &mountPoint, const char *uuid, const char *label = "",
                                bool user = true)
    {
        MountedVolume v;
        v.mountPoint = mountPoint.toStdString();
        v.uuid = uuid;
        v.label = label;
        v.fsType = "vfat";
        v.userVolume = user;
        return v;
    }
    QString treeTip(TfrmMain &w, const char *name) const
    {
        return w.treeModel()->data(w.treeModel()->indexOf(disk(name)), Qt::ToolTipRole).toString();
    }
    static QPushButton *barButton(TfrmMain &w, const char *name) { return Find<QPushButton>(w.mountOffers(), name); }

    // A session bus of this test's own, and a fake notification service on it.
    QProcess m_bus, m_notifications;
    QTemporaryDir m_busDir;
    QString m_notificationLog;
    bool startNotificationService()
    {
        if (!m_notifications.arguments().isEmpty())
            return m_notifications.state() == QProcess::Running;
        m_notificationLog = m_busDir.filePath("notifications.log");
        m_notifications.start(QStringLiteral("/usr/bin/python3"),
                              {"-m", "dbusmock", "--template", "notification_daemon", "-l", m_notificationLog});
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && m_notifications.state() != QProcess::NotRunning) {
            if (QDBusConnection::sessionBus().interface()->isServiceRegistered("org.freedesktop.Notifications"))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        // Never the machine's bus: every notification of these tests goes to
        // a bus started here, before the first use of the session bus.
        m_bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        if (m_bus.waitForStarted(5000) && m_bus.waitForReadyRead(5000))
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        else
            qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/rackmere-test-bus");
    }
    void cleanupTestCase()
    {
        for (QProcess *p : {&m_notifications, &m_bus})
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
    }
    void init()
    {
        setUp();
        m_notes.clear();
        writeTwoDisks();
    }
    void cleanup() { tearDown(); }

    void knownDiskIsMarkedAndOfferedByItsChoice_data()
    {
        QTest::addColumn<QString>("onMount");
        QTest::addColumn<bool>("offered");
        QTest::newRow("no choice: asked") << QString() << true;
        QTest::newRow("ask") << "ask" << true;
        QTest::newRow("ignore: marked, nothing offered") << "ignore" << false;
    }
    void knownDiskIsMarkedAndOfferedByItsChoice()
    {
        QFETCH(QString, onMount);
        QFETCH(bool, offered);
        TfrmMain &w = startWatched();
        ListingExtras extras{{EXTRA_LOCATION, "Shelf B3"}};
        if (!onMount.isEmpty())
            extras[EXTRA_ON_MOUNT] = onMount.toStdString();
        knowAlpha(w, extras);
        const QModelIndex alpha = w.treeModel()->indexOf(disk("Alpha"));
        const QIcon unmarked = qvariant_cast<QIcon>(alpha.data(Qt::DecorationRole));
        QVERIFY(!treeTip(w, "Alpha").contains("Mounted at"));
        QVERIFY(treeTip(w, "Alpha").contains("Location: Shelf B3"));

        const MountedVolume stick = volume("/media/ann/STICK", ALPHA_UUID, "STICK");
        m_follower->mount(stick);
        QVERIFY(treeTip(w, "Alpha").contains("Mounted at /media/ann/STICK"));
        QVERIFY(treeTip(w, "Alpha").contains("Location: Shelf B3"));
        QVERIFY(!treeTip(w, "Beta").contains("Mounted at"));
        const QIcon marked = qvariant_cast<QIcon>(alpha.data(Qt::DecorationRole));
        QVERIFY(marked.pixmap(16).toImage() != unmarked.pixmap(16).toImage());
        QCOMPARE(w.mountOffers()->isVisible(), offered);
        if (offered) {
            QCOMPARE(w.mountOffers()->text(), QString::fromUtf8("\u201CAlpha\u201D is mounted at /media/ann/STICK."));
            for (const char *button : {"cmdMountUpdate", "cmdMountVerify", "cmdMountOpen", "cmdMountNotNow"})
                QVERIFY2(barButton(w, button)->isVisible(), button);
            QVERIFY(!barButton(w, "cmdMountAdd")->isVisible());
        }

        // Unmounted: mark and bar go.
        m_follower->unmount(stick);
        QVERIFY(!treeTip(w, "Alpha").contains("Mounted at"));
        QCOMPARE(qvariant_cast<QIcon>(alpha.data(Qt::DecorationRole)).pixmap(16).toImage(),
                 unmarked.pixmap(16).toImage());
        QVERIFY(!w.mountOffers()->isVisible());
        QVERIFY(m_notes.isEmpty()); // the window was the one in use
    }

    void unknownDiskIsOfferedForTheCatalogue()
    {
        QTemporaryDir mountPoint;
        TfrmMain &w = startWatched();
        // The system's own volumes are not offered.
        m_follower->mount(volume("/boot/efi", "SYS-1", "", false));
        QVERIFY(!w.mountOffers()->isVisible());

        m_follower->mount(volume(mountPoint.path(), "2222-BBBB", "HOLIDAY"));
        QCOMPARE(w.mountOffers()->text(),
                 QStringLiteral("A disk that is not in the catalogue is mounted at %1 (HOLIDAY).").arg(mountPoint.path()));
        QVERIFY(barButton(w, "cmdMountAdd")->isVisible());
        QVERIFY(!barButton(w, "cmdMountUpdate")->isVisible());
        // Add to catalogue: Add new over the mount point, named by the label.
        QString folder, name;
        QVERIFY(WithDialog<TfrmAddNew>([&] { barButton(w, "cmdMountAdd")->click(); },
                                       [&](TfrmAddNew &d) {
                                           folder = Find<QLineEdit>(&d, "txtFolder")->text();
                                           name = Find<QLineEdit>(&d, "txtDescription")->text();
                                           d.reject();
                                       }));
        QCOMPARE(folder, mountPoint.path());
        QCOMPARE(name, QStringLiteral("HOLIDAY"));
        QVERIFY(!w.mountOffers()->isVisible());
        // The next Add new starts empty again.
        QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(w, "Addnew1"); },
                                       [](TfrmAddNew &d) {
                                           QVERIFY(Find<QLineEdit>(&d, "txtFolder")->text().isEmpty());
                                       }));
    }

    void theBarShowsTheLatestMountNeverAStack()
    {
        TfrmMain &w = startWatched();
        knowAlpha(w);
        const MountedVolume alpha = volume("/media/ann/ALPHA", ALPHA_UUID);
        const MountedVolume other = volume("/media/ann/OTHER", "3333-CCCC", "OTHER");
        m_follower->mount(alpha);
        m_follower->mount(other);
        QCOMPARE(w.findChildren<MountOffers *>().size(), 1);
        QVERIFY(w.mountOffers()->text().contains("/media/ann/OTHER (OTHER)"));
        // The latest gone, the one before is offered again; Not now ends it.
        m_follower->unmount(other);
        QCOMPARE(w.mountOffers()->text(), QString::fromUtf8("\u201CAlpha\u201D is mounted at /media/ann/ALPHA."));
        barButton(w, "cmdMountNotNow")->click();
        QVERIFY(!w.mountOffers()->isVisible());
        QCOMPARE(w.mountOffers()->offerCount(), 0);
        QVERIFY(m_prompter->calls.isEmpty()); // no box of any kind
    }

    void theSwitchTurnsOffersOffAndIsKept()
    {
        TfrmMain &w = startWatched();
        QAction *offer = Action(&w, "mnuOfferOnMount");
        QVERIFY(offer->isCheckable());
        QVERIFY(offer->isChecked());
        QVERIFY(Menu(&w, "View1")->actions().contains(offer));
        offer->trigger();
        QCOMPARE(GetSettingInt("OfferOnMount", 1), 0);
        knowAlpha(w);
        m_follower->mount(volume("/media/ann/ALPHA", ALPHA_UUID));
        m_follower->mount(volume("/media/ann/NEW", "4444", "NEW"));
        QVERIFY(!w.mountOffers()->isVisible());
        QVERIFY(treeTip(w, "Alpha").contains("Mounted at")); // still marked
    }

    void aWindowNotInUseIsToldByANotification_data()
    {
        QTest::addColumn<bool>("known");
        QTest::addColumn<QString>("said");
        QTest::newRow("known") << true << QString::fromUtf8("\u201CAlpha\u201D is mounted at /media/ann/X.");
        QTest::newRow("unknown") << false << "A disk that is not in the catalogue is mounted at /media/ann/X (X).";
    }
    void aWindowNotInUseIsToldByANotification()
    {
        QFETCH(bool, known);
        QFETCH(QString, said);
        TfrmMain &w = startWatched(false); // never shown, so never the active window
        knowAlpha(w);
        m_follower->mount(volume("/media/ann/X", known ? ALPHA_UUID : "5555", "X"));
        QCOMPARE(m_notes, QStringList{"Disk mounted|" + said});
    }

    void theNotificationReachesTheSessionBus()
    {
        // With no notification service there is nothing to say.
        SendDesktopNotification("Disk mounted", "nobody listens");
        if (m_bus.state() != QProcess::Running || !startNotificationService())
            QSKIP("no private session bus or no python3-dbusmock");
        TfrmMain &w = startWatched(false);
        w.mountOffers()->notify = SendDesktopNotification; // the real one
        m_follower->mount(volume("/media/ann/PHOTOS", "6666", "PHOTOS"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile(m_notificationLog).exists(), 5000);
        const auto logged = [this] {
            QFile f(m_notificationLog);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(
            logged().contains("A disk that is not in the catalogue is mounted at /media/ann/PHOTOS (PHOTOS)."), 5000);
        QVERIFY(logged().contains("Notify"));
        QVERIFY(logged().contains("Rackmere"));
    }

    void aDiskToUpdateOnMountIsUpdatedAtOnce_data()
    {
        QTest::addColumn<bool>("atItsRoot");
        QTest::newRow("mounted at the root it was read at") << true;
        QTest::newRow("mounted elsewhere: read there") << false;
    }
    void aDiskToUpdateOnMountIsUpdatedAtOnce()
    {
        // Alpha's disk is a real folder; mounted, it is updated with the
        // Update command's own windows and no bar.
        QFETCH(bool, atItsRoot);
        QTemporaryDir root;
        WriteBytes(root.filePath("fresh.txt").toStdString(), "new");
        std::unique_ptr<TreeNode> alpha = MakeDisk("Alpha", 2);
        if (atItsRoot)
            alpha->disk().RootPath = root.path().toStdString();
        WriteDisk(m_sandbox->programDir, "100.rkm", *alpha);
        m_sandbox->presentSerial = 0x1234abcd; // the volume is the listing's
        TfrmMain &w = startWatched();
        knowAlpha(w, {{EXTRA_ON_MOUNT, "update"}});
        ModalScript script;
        script.leaveAlone("rkm::TfrmAdding");
        m_follower->mount(volume(root.path(), ALPHA_UUID));
        QVERIFY(!w.mountOffers()->isVisible());
        QTRY_VERIFY(disk("Alpha") && disk("Alpha")->disk().Files.count() == 1);
        QCOMPARE(disk("Alpha")->disk().Files.text(0, FT_NAME), "fresh.txt");
        QCOMPARE(QString::fromStdString(disk("Alpha")->disk().RootPath), root.path());
        QVERIFY(m_prompter->messages().isEmpty()); // the disk is known: nothing asked
        ReportUnexpected(script);
    }

    void openFolderWorksWhereTheDiskIsMountedNow()
    {
        // Alpha was read at /media/Alpha; it is mounted elsewhere now.
        QTemporaryDir mountPoint;
        QVERIFY(QDir(mountPoint.path()).mkpath("Docs"));
        WriteBytes(mountPoint.filePath("Docs/Docs-file0.txt").toStdString(), "x");
        TfrmMain &w = startWatched();
        knowAlpha(w);
        m_follower->mount(volume(mountPoint.path(), ALPHA_UUID));
        // Launch there is tested over the fake udisks2 (overAFakeUdisks).
        w.selectNode(folder("Alpha", "Docs"));
        w.setGridEntryIndex(0);
        QVERIFY(WithDialog<TfrmListProperties>([&] { TriggerAction(w, "popLstProperties"); },
                                               [](TfrmListProperties &d) {
                                                   Find<QPushButton>(&d, "cmdOpenFolder")->click();
                                                   QVERIFY(d.isVisible()); // nothing typed is lost
                                               }));
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenUrl), 1);
        QCOMPARE(QUrl(m_prompter->calls.last().text), QUrl::fromLocalFile(mountPoint.filePath("Docs")));
        // The grid's pop-up menu item too.
        m_prompter->clear();
        TriggerAction(w, "popLstOpenFolder");
        QCOMPARE(m_prompter->calls.size(), 1);
        QCOMPARE(QUrl(m_prompter->calls[0].text), QUrl::fromLocalFile(mountPoint.filePath("Docs")));
    }

    void aDiskNotMountedIsAskedForWithWhereItIsKept_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("lentTo");
        QTest::addColumn<QString>("said");
        const QString insert = QString::fromUtf8("Insert the disk \u201CAlpha\u201D.");
        QTest::newRow("nothing known") << "" << "" << insert;
        QTest::newRow("kept") << "Shelf B3" << "" << insert + "\nIt is kept at: Shelf B3.";
        QTest::newRow("kept and lent") << "Shelf B3" << "Ann"
                                       << insert + "\nIt is kept at: Shelf B3.\nIt is lent to: Ann.";
    }
    void aDiskNotMountedIsAskedForWithWhereItIsKept()
    {
        QFETCH(QString, location);
        QFETCH(QString, lentTo);
        QFETCH(QString, said);
        TfrmMain &w = startWatched();
        knowAlpha(w, {{EXTRA_LOCATION, location.toStdString()}, {EXTRA_LENT_TO, lentTo.toStdString()}});
        w.selectNode(folder("Alpha", "Docs"));
        w.setGridEntryIndex(0);
        TriggerAction(w, "popLstOpenFolder");
        QCOMPARE(m_prompter->messages().size(), 1);
        QCOMPARE(m_prompter->messages()[0].text, said);
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenUrl), 0);
        // Launch asks for it the same way.
        m_prompter->clear();
        QVERIFY(WithDialog<TfrmListProperties>([&] { TriggerAction(w, "popLstProperties"); },
                                               [](TfrmListProperties &d) {
                                                   Find<QPushButton>(&d, "cmdLaunch")->click();
                                               }));
        QCOMPARE(m_prompter->messages().size(), 1);
        QCOMPARE(m_prompter->messages()[0].text, said);
    }

    void overAFakeUdisks()
    {
        // The whole way from udisks2: a private bus with a fake udisks2.
        FakeUdisks fake;
        QVERIFY(fake.ready());
        TfrmMainTestAccess::setFollowerFactory([&fake] { return FollowUdisks(fake.bus()); });
        TfrmMain &w = start();
        QCOMPARE(QString::fromLatin1(w.presence()->follower().how()), QStringLiteral("udisks2"));
        knowAlpha(w);
        // Alpha, read at /media/Alpha, comes at another place.
        QTemporaryDir mountPoint;
        QVERIFY(QDir(mountPoint.path()).mkpath("Docs"));
        WriteBytes(mountPoint.filePath("Docs/Docs-file0.txt").toStdString(), "x");
        fake.addVolume("sdb1", {ALPHA_UUID, "ALPHA", "vfat", 8'000'000});
        fake.mount("sdb1", mountPoint.path().toStdString());
        QTRY_VERIFY(treeTip(w, "Alpha").contains("Mounted at " + mountPoint.path()));
        QCOMPARE(w.mountOffers()->text(),
                 QString::fromUtf8("“Alpha” is mounted at %1.").arg(mountPoint.path()));
        // Launch opens the file there.
        w.selectNode(folder("Alpha", "Docs"));
        w.setGridEntryIndex(0);
        m_prompter->clear();
        QVERIFY(WithDialog<TfrmListProperties>([&] { TriggerAction(w, "popLstProperties"); },
                                               [](TfrmListProperties &d) {
                                                   Find<QPushButton>(&d, "cmdLaunch")->click();
                                               }));
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenUrl), 1);
        QCOMPARE(QUrl(m_prompter->calls.last().text), QUrl::fromLocalFile(mountPoint.filePath("Docs/Docs-file0.txt")));
        // Unmounted: mark and bar go.
        fake.unmount("sdb1");
        QTRY_VERIFY(!treeTip(w, "Alpha").contains("Mounted at"));
        QVERIFY(!w.mountOffers()->isVisible());
        // A disk the catalogue does not know is offered for it.
        fake.addVolume("sdc1", {"7777-0000", "HOLIDAY", "vfat", 4'000'000});
        fake.mount("sdc1", "/media/u/HOLIDAY");
        QTRY_COMPARE(w.mountOffers()->text(),
                     QStringLiteral("A disk that is not in the catalogue is mounted at /media/u/HOLIDAY (HOLIDAY)."));
        QVERIFY(barButton(w, "cmdMountAdd")->isVisible());
        fake.unmount("sdc1");
        QTRY_VERIFY(!w.mountOffers()->isVisible());
    }

    void findAllMarksMatchesOnMountedDisks()
    {
        TfrmMain &w = startWatched();
        knowAlpha(w);
        auto &results = Child<TfrmResults>(w);
        QVERIFY(results.startQuery("file0", {disk("Alpha"), disk("Beta")}));
        QTRY_VERIFY(!results.running());
        ResultsModel &model = results.model();
        QVERIFY(model.rowCount() >= 2);
        const auto tips = [&] {
            QStringList out;
            for (int row = 0; row < model.rowCount(); ++row) {
                const QModelIndex i = model.index(row, ResultsModel::COL_LISTING);
                out << i.data().toString() + ":" + (i.data(Qt::DecorationRole).isNull() ? "-" : "mark") + ":" +
                           i.data(Qt::ToolTipRole).toString().section('\n', 1);
            }
            out.removeDuplicates();
            out.sort();
            return out;
        };
        QCOMPARE(tips(), (QStringList{"Alpha:-:", "Beta:-:"}));
        QTemporaryDir mountPoint;
        const MountedVolume stick = volume(mountPoint.path(), ALPHA_UUID);
        m_follower->mount(stick);
        QCOMPARE(tips(), (QStringList{"Alpha:mark:Mounted at " + mountPoint.path(), "Beta:-:"}));
        // The panel's pop-up menu opens the match's folder where it is now.
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.index(row, ResultsModel::COL_NAME).data().toString() == "Alpha-file0.txt")
                results.view().setCurrentIndex(model.index(row, 0));
        m_prompter->clear();
        Action(&results.view(), "popPanelOpenFolder")->trigger();
        QCOMPARE(m_prompter->calls.size(), 1);
        QCOMPARE(QUrl(m_prompter->calls[0].text), QUrl::fromLocalFile(mountPoint.path()));
        m_follower->unmount(stick);
        QCOMPARE(tips(), (QStringList{"Alpha:-:", "Beta:-:"}));
    }
};

QTEST_MAIN(DiskArrivalTest)
#include "DiskArrival_test.moc"
