// What a listing reads of its files' contents, in the desktop program: Add
// new's two boxes, the bytes read, the listing properties' room and
// choices, and Verify's comparison of the contents.
#include "ScanUiSupport.h"

#include "catalog/Contents.h"
#include "platform/TextValues.h"
#include "scan/ListingOptions.h"
#include "scan/ui/Frmadding.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmdifferences.h"
#include "scan/ui/Frmprops.h"

#include <QCheckBox>
#include <QTreeView>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;

namespace {

const char *const kBoxes[] = {"chkArchives", "chkDescriptions", "chkTags", "chkFingerprints", "chkPictures"};

// Ticks the boxes `ticked` names ("descriptions fingerprints") and returns
// what they showed before.
QString Tick(QWidget &dialog, const QString &ticked)
{
    QStringList was;
    for (const char *box : kBoxes) {
        QCheckBox *b = Find<QCheckBox>(&dialog, box);
        if (b->isChecked())
            was << QString::fromLatin1(box + 3).toLower();
        b->setChecked(ticked.split(' ').contains(QString::fromLatin1(box + 3).toLower()));
    }
    return was.join(' ');
}

// The record of a file as it is on the disk now.
ContentRecord RecordOf(const std::string &file, const std::string &path)
{
    struct stat st {};
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    int error = 0;
    ::fstat(fd, &st);
    ContentRecord r{path,
                    uint64_t(st.st_size),
                    st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
                    FingerprintOfFile(fd, error),
                    {}};
    ::close(fd);
    return r;
}

// The panel's rows, "heading" and "  path: what".
QStringList Shown(DifferencesModel &m)
{
    QStringList out;
    for (int h = 0; h < m.rowCount(); ++h) {
        out << m.index(h, 0).data().toString();
        for (int r = 0; r < m.rowCount(m.index(h, 0)); ++r)
            out << "  " + m.index(r, 0, m.index(h, 0)).data().toString() + ": " +
                       m.index(r, DifferencesModel::COL_SIZE, m.index(h, 0)).data().toString();
    }
    return out;
}

} // namespace

class ScanContentsTest : public QObject {
    Q_OBJECT

private slots:
    void addNewBoxesReachTheWalkAndAreKept_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::newRow("neither") << "descriptions";
        QTest::newRow("fingerprints") << "descriptions fingerprints";
        QTest::newRow("both") << "archives fingerprints pictures";
    }
    void addNewBoxesReachTheWalkAndAreKept()
    {
        QFETCH(QString, ticked);
        World w;
        w.MakeDisk({"a.txt", "sub/b.txt"});
        TfrmMain &main = w.Open();
        QueuedPrompter p;
        QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); },
                                       [&](TfrmAddNew &add) {
                                           QCOMPARE(Tick(add, ticked), QString("descriptions")); // both off at first
                                           QCOMPARE(QString::fromStdString(ScanOptionsText(add.scanOptions())), ticked);
                                           Find<QLineEdit>(&add, "txtFolder")->setText(QString::fromStdString(w.disk));
                                           Find<QLineEdit>(&add, "txtDescription")->setText("Box");
                                           Find<QPushButton>(&add, "cmdOK")->click();
                                       }));
        const std::optional<ScanOptions> kept = RememberedScanOptions(*w.store, w.store->Tree().findByName("Box"));
        QVERIFY(kept);
        QCOMPARE(QString::fromStdString(ScanOptionsText(*kept)), ticked);
        // The progress window showed the bytes read only while reading them.
        TfrmAdding &adding = Child<TfrmAdding>(main);
        QCOMPARE(Find<QLabel>(&adding, "lblAddingRead")->isVisibleTo(&adding), ticked.contains("fingerprints"));
    }

    void progressOfTheBytesRead_data()
    {
        QTest::addColumn<qulonglong>("read");
        QTest::addColumn<qulonglong>("toRead");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing yet") << 0ULL << 0ULL << "Read 0 bytes of 0 bytes";
        QTest::newRow("gigabytes") << 1288490189ULL << 3650722202ULL << "Read 1.2 GB of 3.4 GB";
        // A file found after the count was taken may be read already.
        QTest::newRow("ahead of the count") << 2048ULL << 1024ULL << "Read 2.0 KB of 2.0 KB";
    }
    void progressOfTheBytesRead()
    {
        QFETCH(qulonglong, read);
        QFETCH(qulonglong, toRead);
        QFETCH(QString, text);
        QCOMPARE(TfrmAdding::ContentProgressText(read, toRead), text);
    }

    void listingPropertiesShowTheRoomAndKeepChangedChoices()
    {
        World w;
        w.MakeDisk({"a.txt"});
        w.SaveListing(w.disk, "Photos", 0);
        TfrmMain &main = w.Open();
        QueuedPrompter p;
        TreeNode *disk = w.store->Tree().findByName("Photos");
        w.store->SetExtras(disk, WithScanOptions(w.store->ExtrasOf(disk), ScanOptions{}));
        main.selectNode(disk);
        const auto properties = [&](const QString &tick, const char *button) {
            return WithDialog<TfrmProps>(
                [&] { TriggerAction(main, "mnuProperties"); },
                [&](TfrmProps &dlg) {
                    QCOMPARE(Find<QLabel>(&dlg, "lblRoom")->text(),
                             QString::fromStdString(platform::ShortSize(w.store->StoreRoomOf(disk))));
                    Tick(dlg, tick);
                    Find<QPushButton>(&dlg, button)->click();
                });
        };
        const QString chosen = "descriptions fingerprints pictures";
        QVERIFY(properties(chosen, "OKBtn"));
        QVERIFY(disk->disk().IsModified());
        QVERIFY(properties("tags", "CancelBtn"));
        // Update reads as now chosen.
        QCOMPARE(QString::fromStdString(ScanOptionsText(ScanOptionsFor(*w.store, disk))), chosen);
    }

    void verifyOffersTheContentsOnlyWithFingerprints_data()
    {
        QTest::addColumn<bool>("fingerprints");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QStringList>("groups");
        const QStringList three{"Removed from the disk (0)", "Added to the disk (0)", "Changed (0)"};
        QTest::newRow("none kept") << false << int(QMessageBox::Yes) << 0 << three;
        QTest::newRow("kept, declined") << true << int(QMessageBox::No) << 1 << three;
        QTest::newRow("kept, compared") << true << int(QMessageBox::Yes) << 1
                                        << three + QStringList{"Changed contents (0)"};
    }
    void verifyOffersTheContentsOnlyWithFingerprints()
    {
        QFETCH(bool, fingerprints);
        QFETCH(int, answer);
        QFETCH(int, asked);
        QFETCH(QStringList, groups);
        World w;
        w.MakeDisk({"a.txt", "sub/b.txt"});
        TfrmMain &main = w.Open();
        main.show();
        QueuedPrompter p;
        ContentRecords records;
        for (const std::string path : {"a.txt", "sub/b.txt"})
            if (fingerprints)
                records.push_back(RecordOf(w.disk + "/" + path, path));
        main.selectNode(w.store->AddListing(ScanDisk(w.disk, "Photos", ""), {}, {},
                                            std::make_shared<MemoryContents>(records)));
        p.answers.enqueue(static_cast<QMessageBox::StandardButton>(answer));
        TriggerAction(main, "mnuVerify");
        QCOMPARE(p.messages().size(), asked);
        TfrmDifferences &panel = Child<TfrmDifferences>(main);
        QTRY_VERIFY(!panel.running());
        QCOMPARE(panel.windowTitle(), QString("Verify 'Photos': the disk matches its listing"));
        QCOMPARE(Shown(panel.model()), groups);
    }

    void changedContentsAreListedAndLeadToTheFile()
    {
        World w;
        w.MakeDisk({"a.txt", "sub/b.txt"});
        TfrmMain &main = w.Open();
        main.show();
        TreeNode *disk = w.store->AddListing(ScanDisk(w.disk, "Photos", ""), {}, {});
        TfrmDifferences &panel = Child<TfrmDifferences>(main);
        main.showPanel(&panel);
        panel.showDiff("Verify", {}, {"Removed", "Added", "Changed"},
                       DifferencesContents{true, disk, {{"a.txt", 0}, {"sub/b.txt", EIO}}});
        QCOMPARE(Shown(panel.model()), (QStringList{"Removed (0)", "Added (0)", "Changed (0)", "Changed contents (2)",
                                                    "  a.txt: changed contents: a bit error or a silent overwrite",
                                                    "  sub/b.txt: could not be read: Input/output error"}));
        DifferencesModel &m = panel.model();
        panel.view().setFocus();
        panel.view().setCurrentIndex(m.index(1, 0, m.index(3, 0)));
        QTest::keyClick(&panel.view(), Qt::Key_Return);
        QCOMPARE(main.gridEntryIndex(), FileIndex(Child(disk, "sub")->disk(), "b.txt"));
        QCOMPARE(main.currentNode(), Child(disk, "sub"));
    }
};

QTEST_MAIN(ScanContentsTest)
#include "ScanContents_test.moc"
