// Update: the questions and their order, the serial number check, the new
// listing last and selected, annotations carried over, the old file gone.
#include "ScanUiSupport.h"

#include "scan/Update.h"

#include "platform/SystemView.h"

using namespace rkm;
using namespace rkm::test;

class ScanUpdateTest : public QObject {
    Q_OBJECT

private slots:
    void stopsChangeNothing_data();
    void stopsChangeNothing();
    void updatesFromADeepFolderCarryingEdits();
    void doubtfulRootsAreAskedFirst_data();
    void doubtfulRootsAreAskedFirst();
    void wrongDiskAnsweredNoTakesTheNewSerial();
    void subFolderListingSkipsTheSerialCheck();
    void letterDriveText();
};

namespace {

const std::vector<std::string> kFiles = {"a.txt", "b.txt", "c.txt", "sub/deep/d.txt", "sub/e.txt"};

// A catalogue with two disks; the first is the one updated.
struct Setup {
    World w;
    std::string file, other;
    std::string bytes;

    explicit Setup(uint32_t serial)
    {
        w.MakeDisk(kFiles);
        file = w.SaveListing(w.disk, "Photos", serial, [](TreeNode &n) {
            TDisk &d = n.disk();
            d.Files.setText(FileIndex(d, "c.txt"), FT_DESCRIPTION, "saved description");
        });
        other = w.SaveListing(w.disk + "/sub", "Other", 0);
        bytes = ReadBytes(w.programDir + file);
    }

    TreeNode *Disk(const std::string &name) const { return w.store->Tree().findByName(name); }
};

} // namespace

void ScanUpdateTest::stopsChangeNothing_data()
{
    QTest::addColumn<uint32_t>("stored");
    QTest::addColumn<uint32_t>("present");
    QTest::addColumn<bool>("removeDisk");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("texts");

    // The first question is checked against the prompt of the disk's place (tested on its own).
    const QString first;
    const QString serial = "The serial number of the disk (%1) is not the same as that of the original one, this "
                           "probably means that you inserted the wrong disk. Abort update?";
    QTest::newRow("wrong disk, cancel at the first question")
        << 7u << 8u << false << QList<int>{QMessageBox::Cancel} << QStringList{first};
    QTest::newRow("disk not found") << 7u << 7u << true << QList<int>{QMessageBox::Ok}
                                    << QStringList{first, "Could not find the disk at %1: No such file or directory."};
    QTest::newRow("wrong disk, abort: Yes")
        << 7u << 8u << false << QList<int>{QMessageBox::Ok, QMessageBox::Yes} << QStringList{first, serial};
}

void ScanUpdateTest::stopsChangeNothing()
{
    QFETCH(uint32_t, stored);
    QFETCH(uint32_t, present);
    QFETCH(bool, removeDisk);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, texts);
    Setup s(stored);
    s.w.presentSerial = present;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    for (int a : answers)
        p.answers.enqueue(QMessageBox::StandardButton(a));
    TreeNode *disk = s.Disk("Photos");
    const std::string rootPath = disk->disk().RootPath;
    const int row = disk->row();
    main.selectNode(disk);
    if (removeDisk)
        QDir(QString::fromStdString(s.w.disk)).removeRecursively();

    TriggerAction(main, "mnuUpdate");

    const QList<QueuedPrompter::Call> shown = p.messages();
    QCOMPARE(shown.size(), texts.size());
    // The first question names the mount point that holds the root path, or
    // the folder; once the folder is gone, where it was.
    QCOMPARE(shown[0].text, UpdatePrompt("Photos", rootPath, platform::System()));
    QVERIFY(shown[0].text.contains(QString::fromStdString(rootPath)));
    QCOMPARE(shown[0].caption, QString("Rackmere"));
    QCOMPARE(shown[0].icon, QMessageBox::Question);
    QCOMPARE(shown[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    if (shown.size() > 1) {
        QCOMPARE(shown[1].text, texts[1].arg(QString::fromStdString(rootPath)));
        QCOMPARE(shown[1].caption, QString("Rackmere V1.0"));
        if (removeDisk) {
            QCOMPARE(shown[1].icon, QMessageBox::Warning);
            QCOMPARE(shown[1].buttons, QMessageBox::Ok);
        } else {
            QCOMPARE(shown[1].icon, QMessageBox::Question);
            QCOMPARE(shown[1].buttons, QMessageBox::Yes | QMessageBox::No);
        }
    }
    QCOMPARE(s.w.store->Tree().diskCount(), 2);
    QCOMPARE(s.w.store->Tree().disk(row), disk);
    QCOMPARE(disk->disk().FileName, s.file);
    QCOMPARE(ListingFiles(s.w.programDir), (std::vector<std::string>{std::min(s.file, s.other), std::max(s.file, s.other)}));
    QCOMPARE(ReadBytes(s.w.programDir + s.file), s.bytes);
    QCOMPARE(main.currentNode(), disk);
}

void ScanUpdateTest::doubtfulRootsAreAskedFirst_data()
{
    QTest::addColumn<bool>("systemFolder");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a NUL byte in the root, No") << false << int(QMessageBox::No) << "holds a NUL byte";
    QTest::newRow("a NUL byte in the root, Yes") << false << int(QMessageBox::Yes) << "holds a NUL byte";
    QTest::newRow("a stick's root now /, No") << true << int(QMessageBox::No) << "is the system's folder /";
}

// A root path cut at a NUL byte, or a stick's root that is now the system's
// own folder, is asked about (No by default) before anything is read.
void ScanUpdateTest::doubtfulRootsAreAskedFirst()
{
    QFETCH(bool, systemFolder);
    QFETCH(int, answer);
    QFETCH(QString, reason);
    Setup s(0);
    s.w.presentSerial = 0;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    p.answers.enqueue(QMessageBox::Ok);
    p.answers.enqueue(QMessageBox::StandardButton(answer));
    TreeNode *disk = s.Disk("Photos");
    // Up to its NUL byte, the damaged path is the disk's own folder.
    disk->disk().RootPath = systemFolder ? "/" : s.w.disk + std::string("\0junk", 5);
    disk->disk().DriveType = 2;
    main.selectNode(disk);

    TriggerAction(main, "mnuUpdate");

    const QList<QueuedPrompter::Call> shown = p.messages();
    QVERIFY(shown.size() >= 2);
    QVERIFY2(shown[1].text.contains(reason), qPrintable(shown[1].text));
    QVERIFY2(shown[1].text.endsWith("Update all the same?"), qPrintable(shown[1].text));
    QCOMPARE(shown[1].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(shown[1].defaultButton, QMessageBox::No);
    if (answer == QMessageBox::No) {
        QCOMPARE(shown.size(), 2);
        QCOMPARE(s.w.store->Tree().findByName("Photos"), disk);
        QCOMPARE(ReadBytes(s.w.programDir + s.file), s.bytes);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(s.w.store->Tree().findByName("Photos") != disk, 10000);
        QVERIFY(!QFile::exists(QString::fromStdString(s.w.programDir + s.file)));
    }
}

void ScanUpdateTest::updatesFromADeepFolderCarryingEdits()
{
    Setup s(0x77);
    s.w.presentSerial = 0x77;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    TreeNode *disk = s.Disk("Photos");
    // Edits since the listing was written live only in memory.
    TDisk &d = disk->disk();
    d.Files.setText(FileIndex(d, "b.txt"), FT_CATEGORY, "edited category");
    d.Comment = "edited disk comment";
    TreeNode *deep = Child(Child(disk, "sub"), "deep");
    deep->disk().Comment = "deep comment";
    d.SetModified(true);
    // The disk changed: a.txt gone, a new file at the start of the list.
    QFile::remove(QString::fromStdString(s.w.disk + "/a.txt"));
    WriteBytes(s.w.disk + "/0-new.txt", "new");
    main.selectNode(deep);

    TriggerAction(main, "mnuUpdate");

    // The disk is there and is the one listed: nothing is asked.
    QCOMPARE(p.messages().size(), 0);
    QCOMPARE(s.w.store->Tree().diskCount(), 2);
    QCOMPARE(s.w.store->Tree().disk(0)->text(), std::string("Other"));
    TreeNode *fresh = s.w.store->Tree().disk(1);
    QCOMPARE(fresh->text(), std::string("Photos"));
    QCOMPARE(main.currentNode(), fresh);
    QCOMPARE(main.currentDisk(), &fresh->disk());
    QVERIFY(Action(&main, "mnuUpdate")->isEnabled());
    const TDisk &n = fresh->disk();
    QVERIFY(!n.Modified);
    QCOMPARE(n.SerialNumber, 0x77u);
    QVERIFY(n.FileName != s.file);
    QCOMPARE(n.Comment, std::string("edited disk comment"));
    QCOMPARE(FileIndex(n, "a.txt"), -1);
    QVERIFY(FileIndex(n, "0-new.txt") >= 0);
    QCOMPARE(n.Files.text(FileIndex(n, "0-new.txt"), FT_DESCRIPTION), std::string_view());
    QCOMPARE(n.Files.text(FileIndex(n, "b.txt"), FT_CATEGORY), std::string_view("edited category"));
    QCOMPARE(n.Files.text(FileIndex(n, "c.txt"), FT_DESCRIPTION), std::string_view("saved description"));
    QCOMPARE(Child(Child(fresh, "sub"), "deep")->disk().Comment, std::string("deep comment"));
    QCOMPARE(ListingFiles(s.w.programDir),
             (std::vector<std::string>{std::min(n.FileName, s.other), std::max(n.FileName, s.other)}));

    // The edits are in the new file at once.
    CatalogStore again(s.w.programDir);
    QVERIFY(again.LoadCatalog().empty());
    const TreeNode *read = again.Tree().findByName("Photos");
    QVERIFY(read);
    QCOMPARE(read->disk().Comment, std::string("edited disk comment"));
    QCOMPARE(read->disk().Files.text(FileIndex(read->disk(), "b.txt"), FT_CATEGORY),
             std::string_view("edited category"));
}

void ScanUpdateTest::wrongDiskAnsweredNoTakesTheNewSerial()
{
    Setup s(0x1111);
    s.w.presentSerial = 0x2222;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    main.selectNode(s.Disk("Photos"));
    p.answers.enqueue(QMessageBox::Ok);
    p.answers.enqueue(QMessageBox::No);
    TriggerAction(main, "mnuUpdate");
    QCOMPARE(p.messages().size(), 2);
    TreeNode *fresh = s.w.store->Tree().disk(1);
    QCOMPARE(fresh->text(), std::string("Photos"));
    QCOMPARE(fresh->disk().SerialNumber, 0x2222u);
    QVERIFY(!QFile::exists(QString::fromStdString(s.w.programDir + s.file)));
    QCOMPARE(main.currentNode(), fresh);
}

void ScanUpdateTest::subFolderListingSkipsTheSerialCheck()
{
    Setup s(0);
    s.w.presentSerial = 0x9999;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    main.selectNode(s.Disk("Photos"));
    TriggerAction(main, "mnuUpdate");
    QCOMPARE(p.messages().size(), 0);
    QCOMPARE(s.w.store->Tree().disk(1)->text(), std::string("Photos"));
    QVERIFY(!QFile::exists(QString::fromStdString(s.w.programDir + s.file)));
}

void ScanUpdateTest::letterDriveText()
{
    // A listing made on Windows keeps the letter form, and is not found here.
    Setup s(0);
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    TreeNode *disk = s.Disk("Photos");
    disk->disk().RootPath = "E:\\Photos";
    const int row = disk->row();
    main.selectNode(Child(disk, "sub"));
    p.answers.enqueue(QMessageBox::Ok);
    p.answers.enqueue(QMessageBox::Ok);
    TriggerAction(main, "mnuUpdate");
    QCOMPARE(p.messages().size(), 2);
    QCOMPARE(p.messages()[0].text, QString("Please make sure that the disk 'Photos' is inserted in drive E:"));
    QCOMPARE(p.messages()[1].text, QString("Could not find the disk at E:\\Photos."));
    QCOMPARE(s.w.store->Tree().disk(row), disk);
}

QTEST_MAIN(ScanUpdateTest)
#include "ScanUpdate_test.moc"
