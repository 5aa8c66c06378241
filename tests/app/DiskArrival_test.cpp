// Disks that announce themselves: the mark of a mounted disk, the bar of what
// to do with it, the notification when the window is not the active one, and
// Launch and Open containing folder where the disk is mounted now.
#include "MainWindowFixture.h"

#include "app/CatalogTreeModel.h"
#include "app/MountOffers.h"
#include "catalog/Presence.h"
#include "mounts/DiskPresence.h"
#include "scan/ui/Frmaddnew.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmresults.h"
#include "service/Settings.h"
#include "support/FakeUdisks.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

using namespace rkm;
using namespace rkm::test;

namespace {
constexpr char ALPHA_UUID[] = "1111-AAAA";
const QString ALPHA_AT = QString::fromUtf8("\u201CAlpha\u201D is mounted at %1.");
const QString UNKNOWN_AT = QStringLiteral("A disk that is not in the catalogue is mounted at %1 (%2).");
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
            m_notes << summary + '|' + body;
        };
        return w;
    }
    // Alpha's listing knows its volume by a UUID, with what else is kept beside it (an empty value: none).
    void knowAlpha(TfrmMain &w, ListingExtras more = {})
    {
        std::erase_if(more, [](const auto &extra) { return extra.second.empty(); });
        more[EXTRA_VOLUME_UUID] = ALPHA_UUID;
        m_sandbox->store->SetExtras(disk("Alpha"), std::move(more));
        w.presence()->catalogChanged();
    }
    static MountedVolume volume(const QString &mountPoint, const char *uuid, const char *label = "", bool user = true)
    {
        MountedVolume v;
        v.mountPoint = mountPoint.toStdString();
        v.uuid = uuid;
        v.label = label;
        v.fsType = "vfat";
        v.userVolume = user;
        return v;
    }
    // Alpha's Docs/Docs-file0.txt at `root`, selected in the grid.
    void selectDocsFile(TfrmMain &w, const QTemporaryDir *root = nullptr)
    {
        if (root) {
            QVERIFY(QDir(root->path()).mkpath("Docs"));
            WriteBytes(root->filePath("Docs/Docs-file0.txt").toStdString(), "x");
        }
        w.selectNode(folder("Alpha", "Docs"));
        w.setGridEntryIndex(0);
    }
    // Clicks `button` in the properties of the grid's entry; whether they were shown.
    static bool pressInProperties(TfrmMain &w, const char *button, bool *stayed = nullptr)
    {
        return WithDialog<TfrmListProperties>([&] { TriggerAction(w, "popLstProperties"); },
                                              [&](TfrmListProperties &d) {
                                                  Find<QPushButton>(&d, button)->click();
                                                  if (stayed)
                                                      *stayed = d.isVisible();
                                              });
    }
    QString treeTip(TfrmMain &w, const char *name) const
    {
        return w.treeModel()->data(w.treeModel()->indexOf(disk(name)), Qt::ToolTipRole).toString();
    }
    // What was asked or opened since the last clear(): each message's text, each address's local file.
    QStringList asked() const
    {
        QStringList out;
        for (const auto &call : m_prompter->calls)
            out << (call.kind == QueuedPrompter::OpenUrl ? QUrl(call.text).toLocalFile() : call.text);
        return out;
    }
    static QPushButton *barButton(TfrmMain &w, const char *name) { return Find<QPushButton>(w.mountOffers(), name); }

private slots:
    // Never the machine's session bus: a notification sent by the program goes nowhere.
    void initTestCase() { qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/rackmere-test-bus"); }
    void init()
    {
        setUp();
        m_notes.clear();
        writeTwoDisks();
    }
    void cleanup() { tearDown(); }

    void eachListingsChoiceWhenMounted_data()
    {
        QTest::addColumn<QString>("onMount");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("updated");
        QTest::newRow("no choice: asked") << QString() << true << false;
        QTest::newRow("ask") << "ask" << true << false;
        QTest::newRow("ignore: marked, nothing offered") << "ignore" << false << false;
        QTest::newRow("update: at once, where it is now") << "update" << false << true;
    }
    void eachListingsChoiceWhenMounted()
    {
        QFETCH(QString, onMount);
        QFETCH(bool, offered);
        QFETCH(bool, updated);
        QTemporaryDir root; // Alpha's disk, read at /media/Alpha, is a real folder mounted elsewhere
        WriteBytes(root.filePath("fresh.txt").toStdString(), "new");
        WriteDisk(m_sandbox->programDir, "100.rkm", *MakeDisk("Alpha", 2));
        m_sandbox->presentSerial = 0x1234abcd; // the volume is the listing's
        TfrmMain &w = startWatched();
        knowAlpha(w, {{EXTRA_LOCATION, "Shelf B3"}, {EXTRA_ON_MOUNT, onMount.toStdString()}});
        ModalScript script;
        script.leaveAlone("rkm::TfrmAdding");
        m_follower->mount(volume(root.path(), ALPHA_UUID));
        QVERIFY(treeTip(w, "Alpha").contains("Location: Shelf B3")); // kept beside where it is mounted
        QCOMPARE(w.mountOffers()->isVisible(), offered);
        if (offered) {
            QCOMPARE(w.mountOffers()->text(), ALPHA_AT.arg(root.path()));
            for (const QString b :
                 {"cmdMountUpdate", "cmdMountVerify", "cmdMountOpen", "cmdMountNotNow", "cmdMountAdd"})
                QVERIFY2(barButton(w, qPrintable(b))->isVisible() == (b != "cmdMountAdd"), qPrintable(b));
        }
        QTRY_COMPARE(disk("Alpha")->disk().Files.count(), updated ? 1 : 2);
        if (updated) {
            QCOMPARE(disk("Alpha")->disk().Files.text(0, FT_NAME), "fresh.txt");
            QCOMPARE(QString::fromStdString(disk("Alpha")->disk().RootPath), root.path());
        }
        // A known disk, in the window in use: nothing asked, nothing notified.
        QVERIFY(asked().isEmpty() && m_notes.isEmpty());
        ReportUnexpected(script);
    }

    void theSwitchTurnsOffersOffAndIsKept()
    {
        TfrmMain &w = startWatched();
        QAction *offer = Action(&w, "mnuOfferOnMount");
        QVERIFY(offer->isCheckable() && offer->isChecked());
        QVERIFY(Menu(&w, "View1")->actions().contains(offer));
        offer->trigger();
        QCOMPARE(GetSettingInt("OfferOnMount", 1), 0);
        knowAlpha(w);
        m_follower->mount(volume("/media/ann/ALPHA", ALPHA_UUID));
        m_follower->mount(volume("/media/ann/NEW", "4444", "NEW"));
        QVERIFY(!w.mountOffers()->isVisible());
        QVERIFY(treeTip(w, "Alpha").contains("Mounted at")); // still marked
    }

    void aWindowNotInUseIsToldByANotification()
    {
        TfrmMain &w = startWatched(false); // never shown, so never the active window
        knowAlpha(w);
        m_follower->mount(volume("/boot/efi", "SYS-1", "", false)); // the system's own: nothing to say
        m_follower->mount(volume("/media/ann/X", ALPHA_UUID, "X"));
        m_follower->mount(volume("/media/ann/Y", "5555", "Y"));
        QCOMPARE(m_notes, (QStringList{"Disk mounted|" + ALPHA_AT.arg("/media/ann/X"),
                                       "Disk mounted|" + UNKNOWN_AT.arg("/media/ann/Y", "Y")}));
    }

    void aDiskNotMountedIsAskedForWithWhereItIsKept()
    {
        TfrmMain &w = startWatched();
        const QString insert = QString::fromUtf8("Insert the disk \u201CAlpha\u201D.");
        const struct {
            const char *location, *lentTo;
            QString said;
        } cases[] = {{"", "", insert},
                     {"Shelf B3", "", insert + "\nIt is kept at: Shelf B3."},
                     {"Shelf B3", "Ann", insert + "\nIt is kept at: Shelf B3.\nIt is lent to: Ann."}};
        for (const auto &c : cases) {
            knowAlpha(w, {{EXTRA_LOCATION, c.location}, {EXTRA_LENT_TO, c.lentTo}});
            selectDocsFile(w);
            m_prompter->clear();
            TriggerAction(w, "popLstOpenFolder");
            QVERIFY(pressInProperties(w, "cmdLaunch")); // Launch asks the same way
            QCOMPARE(asked(), (QStringList{c.said, c.said}));
        }
    }

    void overAFakeUdisks()
    {
        FakeUdisks fake; // the whole way from udisks2, on a private bus
        QVERIFY(fake.ready());
        TfrmMainTestAccess::setFollowerFactory([&fake] { return FollowUdisks(fake.bus()); });
        TfrmMain &w = start();
        QCOMPARE(QString::fromLatin1(w.presence()->follower().how()), QStringLiteral("udisks2"));
        knowAlpha(w);
        const QModelIndex alpha = w.treeModel()->indexOf(disk("Alpha"));
        const auto icon = [&] { return qvariant_cast<QIcon>(alpha.data(Qt::DecorationRole)).pixmap(16).toImage(); };
        const QImage unmarked = icon();
        QTemporaryDir mountPoint; // Alpha, read at /media/Alpha, comes at another place
        fake.addVolume("sdb1", {ALPHA_UUID, "ALPHA", "vfat", 8'000'000});
        fake.mount("sdb1", mountPoint.path().toStdString());
        QTRY_VERIFY(treeTip(w, "Alpha").contains("Mounted at " + mountPoint.path()));
        QVERIFY(icon() != unmarked);
        QVERIFY(!treeTip(w, "Beta").contains("Mounted at"));
        QCOMPARE(w.mountOffers()->text(), ALPHA_AT.arg(mountPoint.path()));
        selectDocsFile(w, &mountPoint);
        m_prompter->clear();
        QVERIFY(pressInProperties(w, "cmdLaunch")); // Launch opens the file there
        bool stayed = false;                        // Open containing folder too, the dialog kept open
        QVERIFY(pressInProperties(w, "cmdOpenFolder", &stayed) && stayed);
        TriggerAction(w, "popLstOpenFolder"); // and the grid's pop-up menu
        const QString docs = mountPoint.filePath("Docs");
        QCOMPARE(asked(), (QStringList{docs + "/Docs-file0.txt", docs, docs}));
        fake.unmount("sdb1");
        QTRY_VERIFY(!treeTip(w, "Alpha").contains("Mounted at"));
        QCOMPARE(icon(), unmarked);
        QVERIFY(!w.mountOffers()->isVisible());
        // One the catalogue does not know is offered to Add new, over its mount point and named by its label.
        fake.addVolume("sdc1", {"7777-0000", "HOLIDAY", "vfat", 4'000'000});
        fake.mount("sdc1", "/media/u/HOLIDAY");
        QTRY_COMPARE(w.mountOffers()->text(), UNKNOWN_AT.arg("/media/u/HOLIDAY", "HOLIDAY"));
        QString proposed;
        QVERIFY(WithDialog<TfrmAddNew>([&] { barButton(w, "cmdMountAdd")->click(); },
                                       [&](TfrmAddNew &d) {
                                           proposed = Find<QLineEdit>(&d, "txtFolder")->text() + '|' +
                                                      Find<QLineEdit>(&d, "txtDescription")->text();
                                           d.reject();
                                       }));
        QCOMPARE(proposed, QStringLiteral("/media/u/HOLIDAY|HOLIDAY"));
        QVERIFY(!w.mountOffers()->isVisible());
    }

    void findAllMarksMatchesOnMountedDisks()
    {
        TfrmMain &w = startWatched();
        knowAlpha(w);
        auto &results = Child<TfrmResults>(w);
        QVERIFY(results.startQuery("file0", {disk("Alpha"), disk("Beta")}));
        QTRY_VERIFY(!results.running());
        ResultsModel &model = results.model();
        const auto tips = [&] { // listing:mark:the tooltip's line of where it is mounted; Alpha-file0.txt current
            QStringList out;
            for (int row = 0; row < model.rowCount(); ++row) {
                const QModelIndex i = model.index(row, ResultsModel::COL_LISTING);
                out << i.data().toString() + (i.data(Qt::DecorationRole).isNull() ? ":-:" : ":mark:") +
                           i.data(Qt::ToolTipRole).toString().section('\n', 1);
                if (model.index(row, ResultsModel::COL_NAME).data() == "Alpha-file0.txt")
                    results.view().setCurrentIndex(model.index(row, 0));
            }
            out.removeDuplicates();
            out.sort();
            return out;
        };
        QTemporaryDir mountPoint;
        const MountedVolume stick = volume(mountPoint.path(), ALPHA_UUID);
        m_follower->mount(stick);
        QCOMPARE(tips(), (QStringList{"Alpha:mark:Mounted at " + mountPoint.path(), "Beta:-:"}));
        m_prompter->clear(); // the panel's pop-up menu opens the match's folder where it is now
        Action(&results.view(), "popPanelOpenFolder")->trigger();
        QCOMPARE(asked(), QStringList{mountPoint.path()});
        m_follower->unmount(stick);
        QCOMPARE(tips(), (QStringList{"Alpha:-:", "Beta:-:"}));
    }
};

QTEST_MAIN(DiskArrivalTest)
#include "DiskArrival_test.moc"
