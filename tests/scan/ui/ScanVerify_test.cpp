// Verify and Compare with: the questions Update asks, nothing changed, the
// differences panel and going to an item from it.
#include "ScanUiSupport.h"

#include "scan/ui/Frmcompare.h"
#include "scan/ui/Frmdifferences.h"

#include <QTreeView>
#include <utime.h>

using namespace rkm;
using namespace rkm::test;

class ScanVerifyTest : public QObject {
    Q_OBJECT

private slots:
    void verifyShowsWhatChangedAndChangesNothing();
    void verifyStopsAsUpdateDoes();
    void compareGoesToTheItemChosen();
};

namespace {

const std::vector<std::string> kFiles = {"a.txt", "b.txt", "c.txt", "sub/d.txt"};

// The rows under each heading of the panel, as "heading: path".
QStringList Shown(DifferencesModel &m)
{
    QStringList out;
    for (int h = 0; h < m.rowCount(); ++h) {
        const QModelIndex heading = m.index(h, 0);
        for (int r = 0; r < m.rowCount(heading); ++r)
            out << heading.data().toString() + ": " + m.index(r, 0, heading).data().toString();
    }
    return out;
}

} // namespace

void ScanVerifyTest::verifyShowsWhatChangedAndChangesNothing()
{
    World w;
    w.MakeDisk(kFiles);
    const std::string file = w.SaveListing(w.disk, "Photos", 0);
    const std::string bytes = ReadBytes(w.programDir + file);
    QFile::remove(QString::fromStdString(w.disk + "/b.txt"));
    WriteBytes(w.disk + "/sub/new.txt", "new");
    const utimbuf old{1000000000, 1000000000};
    QCOMPARE(::utime((w.disk + "/c.txt").c_str(), &old), 0);
    TfrmMain &main = w.Open();
    main.show();
    QueuedPrompter p;
    TreeNode *disk = w.store->Tree().findByName("Photos");
    main.selectNode(Child(disk, "sub"));

    TriggerAction(main, "mnuVerify");

    QCOMPARE(p.messages().size(), 0); // the disk is there: nothing asked
    TfrmDifferences &panel = Child<TfrmDifferences>(main);
    QVERIFY(panel.isVisible());
    QTRY_VERIFY(!panel.running());
    QCOMPARE(panel.windowTitle(), QStringLiteral("Verify 'Photos': 1 added, 1 removed, 1 changed"));
    QCOMPARE(Shown(panel.model()), (QStringList{"Removed from the disk (1): b.txt",
                                                "Added to the disk (1): sub/new.txt", "Changed (1): c.txt"}));
    QCOMPARE(ReadBytes(w.programDir + file), bytes);
    QCOMPARE(ListingFiles(w.programDir), std::vector<std::string>{file});
    QVERIFY(!disk->disk().IsModified());

    // A removed file is still in the listing: it can be shown.
    DifferencesModel &m = panel.model();
    panel.view().setFocus();
    panel.view().setCurrentIndex(m.index(0, 0, m.index(0, 0)));
    QTest::keyClick(&panel.view(), Qt::Key_Return);
    QCOMPARE(main.currentNode(), disk);
    QCOMPARE(main.gridEntryIndex(), FileIndex(disk->disk(), "b.txt"));

    // Unchanged since: the disk matches.
    QFile::remove(QString::fromStdString(w.programDir + file));
    w.SaveListing(w.disk, "Again", 0);
    w.main.reset(); // the window goes before the catalogue it shows
    TfrmMain &reopened = w.Open();
    reopened.show();
    reopened.selectNode(w.store->Tree().findByName("Again"));
    TriggerAction(reopened, "mnuVerify");
    TfrmDifferences &fresh = Child<TfrmDifferences>(reopened);
    QTRY_VERIFY(!fresh.running());
    QCOMPARE(fresh.windowTitle(), QStringLiteral("Verify 'Again': the disk matches its listing"));
    QVERIFY(fresh.model().diff().equal());
}

void ScanVerifyTest::verifyStopsAsUpdateDoes()
{
    World w;
    w.MakeDisk(kFiles);
    w.SaveListing(w.disk, "Photos", 7);
    w.presentSerial = 8;
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    main.selectNode(w.store->Tree().findByName("Photos"));
    p.answers.enqueue(QMessageBox::Ok);
    p.answers.enqueue(QMessageBox::Yes);
    TriggerAction(main, "mnuVerify");
    QCOMPARE(p.messages().size(), 2);
    QVERIFY(p.messages()[1].text.endsWith(QStringLiteral("Abort verify?")));
    QVERIFY(!Child<TfrmDifferences>(main).isVisible());
    // No: verified all the same.
    p.clear();
    p.answers.enqueue(QMessageBox::Ok);
    p.answers.enqueue(QMessageBox::No);
    TriggerAction(main, "mnuVerify");
    QTRY_VERIFY(!Child<TfrmDifferences>(main).running());
    QVERIFY(Child<TfrmDifferences>(main).model().diff().equal());
}

void ScanVerifyTest::compareGoesToTheItemChosen()
{
    World w;
    w.MakeDisk(kFiles);
    w.SaveListing(w.disk, "Before", 0);
    QFile::remove(QString::fromStdString(w.disk + "/a.txt"));
    WriteBytes(w.disk + "/sub/e.txt", "e");
    w.SaveListing(w.disk, "After", 0);
    TfrmMain &main = w.Open();
    main.show();
    QueuedPrompter p;
    TreeNode *before = w.store->Tree().findByName("Before");
    TreeNode *after = w.store->Tree().findByName("After");
    main.selectNode(before);
    QVERIFY(WithDialog<TfrmCompare>([&] { TriggerAction(main, "mnuCompare"); }, [](TfrmCompare &d) {
        auto *box = Find<QComboBox>(&d, "cboListings");
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->currentText(), QStringLiteral("After"));
        Find<QPushButton>(&d, "OKBtn")->click();
    }));
    TfrmDifferences &panel = Child<TfrmDifferences>(main);
    QTRY_VERIFY(!panel.running());
    QCOMPARE(panel.windowTitle(),
             QStringLiteral("Compare 'Before' with 'After': 1 only in 'Before', 1 only in 'After', 0 changed"));
    QCOMPARE(Shown(panel.model()), (QStringList{"Only in 'Before' (1): a.txt", "Only in 'After' (1): sub/e.txt"}));
    DifferencesModel &m = panel.model();
    panel.view().setFocus();
    panel.view().setCurrentIndex(m.index(0, 0, m.index(1, 0)));
    QTest::keyClick(&panel.view(), Qt::Key_Return);
    QCOMPARE(main.currentNode(), Child(after, "sub"));
    QCOMPARE(main.gridEntryIndex(), FileIndex(Child(after, "sub")->disk(), "e.txt"));

    // The listing goes: the panel stays, without a way into it.
    p.answers.enqueue(QMessageBox::Yes);
    main.selectNode(after);
    TriggerAction(main, "mnuDelete");
    main.selectNode(before);
    QTest::keyClick(&panel.view(), Qt::Key_Return);
    QCOMPARE(main.currentNode(), before);
}

QTEST_MAIN(ScanVerifyTest)
#include "ScanVerify_test.moc"
