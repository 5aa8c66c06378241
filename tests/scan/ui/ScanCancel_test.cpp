// The scan you can watch and stop: the progress window while the walk runs
// on its own threads, Cancel and Esc for Add new and Update leaving nothing
// behind, and no input reaching the main window meanwhile.
#include "ScanUiSupport.h"

#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmadding.h"

using namespace rkm;
using namespace rkm::test;

namespace {

// A tree of 80 folders of 15 files, made once for all the cases.
void UseLargeDisk(World &w)
{
    static QTemporaryDir large;
    static bool made = false;
    const QString root = large.path() + QStringLiteral("/disk");
    for (int f = 0; f < 80 && !made; ++f) {
        const QString folder = root + QStringLiteral("/folder%1").arg(f);
        QDir().mkpath(folder);
        for (int i = 0; i < 15; ++i) {
            QFile file(folder + QStringLiteral("/file%1.dat").arg(i));
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write");
        }
    }
    made = true;
    w.disk = root.toStdString();
}

// Runs Add new and answers it with `answer`; the progress window it opens is
// left to the test. Whether Add new was shown.
bool AddNew(TfrmMain &main, const std::function<void(TfrmAddNew &)> &answer)
{
    ModalScript script;
    script.then("rkm::TfrmAddNew", [&](QDialog *d) {
        answer(*qobject_cast<TfrmAddNew *>(d));
        if (d->isVisible())
            d->reject();
    });
    TriggerAction(main, "Addnew1");
    QCoreApplication::processEvents();
    ReportUnexpected(script);
    return script.done();
}

// Once the progress window is up, presses keys on the main window and then
// `stop` in the progress window.
void PressWhenShown(TfrmMain &main, std::function<void(TfrmAdding &)> stop, bool &wasRunning, int tries)
{
    QTimer::singleShot(1, [&main, stop, &wasRunning, tries] {
        auto *adding = qobject_cast<TfrmAdding *>(QApplication::activeModalWidget());
        if (!adding) {
            QVERIFY2(tries > 0, "no progress window");
            PressWhenShown(main, stop, wasRunning, tries - 1);
            return;
        }
        QVERIFY(adding->isVisible());
        QCOMPARE(adding->windowModality(), Qt::ApplicationModal);
        wasRunning = adding->control() != nullptr;
        // Keys pressed on the main window meanwhile go nowhere: Ctrl+Q would
        // close it, Insert would open Add new again.
        QTest::keyClick(main.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(main.windowHandle(), Qt::Key_Insert);
        stop(*adding);
    });
}

// Holds the next walk at its first folder until it is asked to stop, so that
// it certainly runs while the keys and `stop` are pressed.
void StopWhenShown(TfrmMain &main, std::function<void(TfrmAdding &)> stop, bool &wasRunning)
{
    Child<TfrmAdding>(main).scanStarting = [](ScanControl &control) {
        control.beforeFolder = [&control] {
            while (!control.cancelled())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        };
    };
    PressWhenShown(main, std::move(stop), wasRunning, 2000);
}

} // namespace

class ScanCancelTest : public QObject {
    Q_OBJECT

private slots:
    void cancelAddLeavesNothing_data();
    void cancelAddLeavesNothing();
    void cancelUpdateKeepsTheOldListing_data();
    void cancelUpdateKeepsTheOldListing();
    void progressShowsCountsAndEnds();
};

namespace {

enum StopWay { CancelButton, EscKey, WindowClosed };

void AddStopWays()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel button") << int(CancelButton);
    QTest::newRow("Esc") << int(EscKey);
    QTest::newRow("window closed") << int(WindowClosed);
}

void Stop(TfrmAdding &adding, int way)
{
    switch (way) {
    case CancelButton:
        Find<QPushButton>(&adding, "cmdCancel")->click();
        break;
    case EscKey:
        QTest::keyClick(&adding, Qt::Key_Escape);
        break;
    default:
        // The window stays until the walk has stopped.
        QVERIFY(!adding.close());
        QVERIFY(adding.isVisible());
        QVERIFY(!Find<QPushButton>(&adding, "cmdCancel")->isEnabled());
    }
}

} // namespace

void ScanCancelTest::cancelAddLeavesNothing_data()
{
    AddStopWays();
}

void ScanCancelTest::cancelAddLeavesNothing()
{
    QFETCH(int, way);
    World w;
    UseLargeDisk(w);
    w.SaveListing(w.disk, "Existing", 0);
    TfrmMain &main = w.Open();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QueuedPrompter p;
    const std::vector<std::string> before = ListingFiles(w.programDir);
    bool wasRunning = false;
    QVERIFY(AddNew(main, [&](TfrmAddNew &add) {
        Find<QLineEdit>(&add, "txtFolder")->setText(QString::fromStdString(w.disk));
        Find<QLineEdit>(&add, "txtDescription")->setText("Stopped");
        StopWhenShown(main, [way](TfrmAdding &a) { Stop(a, way); }, wasRunning);
        Find<QPushButton>(&add, "cmdOK")->click();
    }));
    QVERIFY(wasRunning);
    QCoreApplication::processEvents();
    // No disk node, no listing file, no message: the catalogue as before.
    QCOMPARE(w.store->Tree().diskCount(), 1);
    QCOMPARE(w.store->Tree().disk(0)->text(), std::string("Existing"));
    QCOMPARE(ListingFiles(w.programDir), before);
    QCOMPARE(p.messages().size(), 0);
    QVERIFY(!main.currentNode());
    QVERIFY(!Child<TfrmAdding>(main).isVisible());
    QVERIFY(!QApplication::overrideCursor());
    // The keys given meanwhile were not replayed.
    QVERIFY(main.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!Child<TfrmAddNew>(main).isVisible());
}

void ScanCancelTest::cancelUpdateKeepsTheOldListing_data()
{
    AddStopWays();
}

void ScanCancelTest::cancelUpdateKeepsTheOldListing()
{
    QFETCH(int, way);
    World w;
    UseLargeDisk(w);
    const std::string file = w.SaveListing(w.disk, "Old", 0, [](TreeNode &n) {
        n.disk().Files.append(FileEntry{"gone.txt", "kept note", "1/1/2001", "1 bytes", ""});
    });
    const std::string bytes = ReadBytes(w.programDir + file);
    TfrmMain &main = w.Open();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QueuedPrompter p;
    TreeNode *old = w.store->Tree().disk(0);
    main.selectNode(old);
    bool wasRunning = false;
    StopWhenShown(main, [way](TfrmAdding &a) { Stop(a, way); }, wasRunning);
    TriggerAction(main, "mnuUpdate");
    QVERIFY(wasRunning);
    QCoreApplication::processEvents();
    // The old node, its annotations and its file untouched; no new file.
    QCOMPARE(w.store->Tree().diskCount(), 1);
    QCOMPARE(w.store->Tree().disk(0), old);
    QCOMPARE(main.currentNode(), old);
    QCOMPARE(FileIndex(old->disk(), "gone.txt") >= 0, true);
    QVERIFY(!old->disk().IsModified());
    QCOMPARE(ListingFiles(w.programDir), std::vector<std::string>{file});
    QCOMPARE(ReadBytes(w.programDir + file), bytes);
    QCOMPARE(p.messages().size(), 0); // the disk is there: nothing asked
    QVERIFY(main.isVisible());
}

void ScanCancelTest::progressShowsCountsAndEnds()
{
    World w;
    w.MakeDisk({"a.txt", "inner/z.txt", "inner/deeper/y.txt"});
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    TfrmAdding &adding = Child<TfrmAdding>(main);
    QCOMPARE(adding.windowTitle(), QString("Adding..."));
    QVERIFY(!(adding.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!adding.control());
    QVERIFY(AddNew(main, [&](TfrmAddNew &add) {
        Find<QLineEdit>(&add, "txtFolder")->setText(QString::fromStdString(w.disk));
        Find<QLineEdit>(&add, "txtDescription")->setText("Counted");
        Find<QPushButton>(&add, "cmdOK")->click();
    }));
    QCOMPARE(w.store->Tree().diskCount(), 1);
    QCOMPARE(ListingFiles(w.programDir).size(), std::size_t(1));
    QVERIFY(!adding.isVisible());
    QVERIFY(!adding.control());
    QVERIFY(!QApplication::overrideCursor());
    // The last progress shown is the whole walk: 2 folders, 3 files of 34
    // bytes (each file holds its own path).
    QCOMPARE(Find<QLabel>(&adding, "lblAddingCount")->text(),
             QStringLiteral("2 folders, 3 files, %1")
                 .arg(QLocale().formattedDataSize(34, 1, QLocale::DataSizeTraditionalFormat)));
    QVERIFY(Find<QLabel>(&adding, "lblElapsed")->text().startsWith(QStringLiteral("Elapsed time: 0:0")));
    QVERIFY(Find<QLabel>(&adding, "lblAddingDir")->text().endsWith(QStringLiteral("deeper")));
    QVERIFY(!Find<QLabel>(&adding, "lblAddingFile")->text().isEmpty());
    QVERIFY(adding.repaints() >= 1);
}

QTEST_MAIN(ScanCancelTest)
#include "ScanCancel_test.moc"
