// What a listing reads beyond names, dates and sizes: Add new's three check
// boxes, the choices kept per listing through Update and Delete, shown in
// the properties, and an archive's folder with its picture in the tree.
#include "ScanUiSupport.h"

#include "scan/ListingOptions.h"
#include "service/Settings.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmprops.h"

#include <QCheckBox>

using namespace rkm;
using namespace rkm::test;

namespace {

const char *const kBoxes[] = {"chkArchives", "chkDescriptions", "chkTags"};

// The three boxes of a dialog as a text: "archives descriptions" and so on.
QString Ticked(const QWidget &dialog)
{
    ScanOptions o {Find<QCheckBox>(&dialog, kBoxes[0])->isChecked(), Find<QCheckBox>(&dialog, kBoxes[1])->isChecked(),
                   Find<QCheckBox>(&dialog, kBoxes[2])->isChecked()};
    return QString::fromStdString(ScanOptionsText(o));
}

} // namespace

class ScanReadingTest : public QObject {
    Q_OBJECT

private slots:
    void addNewBoxes_data();
    void addNewBoxes();
    void choicesFollowTheListingThroughUpdateAndDelete();
};

void ScanReadingTest::addNewBoxes_data()
{
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<bool>("archiveFolder");
    QTest::newRow("as offered") << "descriptions" << false;
    QTest::newRow("archives") << "archives descriptions" << true;
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("everything") << "archives descriptions tags" << true;
}

void ScanReadingTest::addNewBoxes()
{
    QFETCH(QString, ticked);
    QFETCH(bool, archiveFolder);
    World w;
    w.MakeDisk({"a.txt", "sub/b.txt"});
    const CliResult made = RunProgram(
        "/usr/bin/python3", {"-c", "import sys, zipfile; zipfile.ZipFile(sys.argv[1], 'w').writestr('in.txt', 'x')",
                             w.disk + "/pack.zip"});
    QCOMPARE(made.status, 0);
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    for (int round = 0; round < 2; ++round) {
        QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
            // Offered afresh at every showing.
            QCOMPARE(Ticked(add), QString("descriptions"));
            for (const char *box : kBoxes)
                Find<QCheckBox>(&add, box)->setChecked(ticked.contains(QString::fromLatin1(box + 3).toLower()));
            Find<QLineEdit>(&add, "txtFolder")->setText(QString::fromStdString(w.disk));
            Find<QLineEdit>(&add, "txtDescription")->setText("Box");
            Find<QPushButton>(&add, "cmdOK")->click();
        }));
    }
    QCOMPARE(w.store->Tree().diskCount(), 2);
    const TreeNode *disk = main.currentNode();
    const std::optional<ScanOptions> remembered = RememberedScanOptions(*w.store, disk);
    QVERIFY(remembered);
    QCOMPARE(QString::fromStdString(ScanOptionsText(*remembered)), ticked);

    // The archive's folder, with the archive picture; a folder without a
    // file of its name beside it keeps the folder picture.
    const TreeNode *pack = Child(const_cast<TreeNode *>(disk), "pack.zip");
    QCOMPARE(pack != nullptr, archiveFolder);
    if (pack) {
        QCOMPARE(pack->disk().Files.text(0, FT_NAME), std::string_view("in.txt"));
        const QIcon shown = main.treeModel()->indexOf(pack).data(Qt::DecorationRole).value<QIcon>();
        QVERIFY(!shown.isNull());
        const TreeNode *plain = Child(const_cast<TreeNode *>(disk), "sub");
        QVERIFY(plain);
        const QIcon folder = main.treeModel()->indexOf(plain).data(Qt::DecorationRole).value<QIcon>();
        QVERIFY(shown.pixmap(16).toImage() != folder.pixmap(16).toImage());
    }

    // The properties show what was read.
    main.selectNode(const_cast<TreeNode *>(disk));
    QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(main, "mnuProperties"); }, [&](TfrmProps &dlg) {
        QCOMPARE(Ticked(dlg), ticked);
        QCOMPARE(Find<QLabel>(&dlg, "lblReading")->text(), QString("Read when listed:"));
        // They can be changed there, for the next Update.
        for (const char *box : kBoxes)
            QVERIFY(Find<QCheckBox>(&dlg, box)->isEnabled());
        Find<QPushButton>(&dlg, "CancelBtn")->click();
    }));
}

void ScanReadingTest::choicesFollowTheListingThroughUpdateAndDelete()
{
    World w;
    w.MakeDisk({"a.txt"});
    const std::string old = w.SaveListing(w.disk, "Photos", 0);
    const std::string untouched = w.SaveListing(w.disk, "Other", 0);
    // Kept the way earlier versions did, in the settings: the first start
    // moves them into the store beside the listing.
    SetSettingString("Reading-" + old, "archives tags");
    TfrmMain &main = w.Open();
    QVERIFY(!HasSetting("Reading-" + old));
    const auto storeHas = [&](const std::string &file) {
        const std::vector<std::string> files = ListingStore(w.programDir).Files();
        return std::find(files.begin(), files.end(), file) != files.end();
    };
    QVERIFY(storeHas(old));
    QueuedPrompter p;

    // A listing from before the choices were kept says so.
    main.selectNode(w.store->Tree().findByName("Other"));
    QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(main, "mnuProperties"); }, [&](TfrmProps &dlg) {
        QCOMPARE(Find<QLabel>(&dlg, "lblReading")->text(), QString("Not recorded when listed; Update reads:"));
        QCOMPARE(Ticked(dlg), QString("descriptions"));
        Find<QPushButton>(&dlg, "CancelBtn")->click();
    }));

    main.selectNode(w.store->Tree().findByName("Photos"));
    TriggerAction(main, "mnuUpdate");
    const std::string fresh = w.store->Tree().findByName("Photos")->disk().FileName;
    QVERIFY(fresh != old);
    QVERIFY(!storeHas(old));
    QCOMPARE(ScanOptionsText(ScanOptionsFor(*w.store, w.store->Tree().findByName("Photos"))),
             std::string("archives tags"));

    p.answers.enqueue(QMessageBox::Yes);
    TriggerAction(main, "mnuDelete");
    QVERIFY(!w.store->Tree().findByName("Photos"));
    QVERIFY(!storeHas(fresh));
    QVERIFY(!RememberedScanOptions(*w.store, w.store->Tree().findByFileName(untouched)));
}

QTEST_MAIN(ScanReadingTest)
#include "ScanReading_test.moc"
