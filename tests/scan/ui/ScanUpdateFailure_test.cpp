// Update when the program directory cannot be written: the error is reported,
// and the old listing stays, in the tree and on disk.
#include "ScanUiSupport.h"

#include "scan/ui/Frmadding.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;

class ScanUpdateFailureTest : public QObject {
    Q_OBJECT

private slots:
    void programDirNotWritableKeepsTheOldFile();
    void fileSystemFullKeepsTheOldFile();
};

void ScanUpdateFailureTest::programDirNotWritableKeepsTheOldFile()
{
    World w;
    w.MakeDisk({"a.txt", "sub/b.txt"});
    const std::string file = w.SaveListing(w.disk, "Photos", 0);
    const std::string bytes = ReadBytes(w.programDir + file);
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    TreeNode *disk = w.store->Tree().disk(0);
    disk->disk().Comment = "edited, not yet written";
    disk->disk().SetModified(true);
    TreeNode *sub = Child(disk, "sub");
    main.selectNode(sub);
    QVERIFY(::chmod(w.programDir.c_str(), 0555) == 0);

    TriggerAction(main, "mnuUpdate");

    ::chmod(w.programDir.c_str(), 0755);
    QCOMPARE(p.messages().size(), 1);
    QCOMPARE(p.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(p.messages()[0].caption, QString("Rackmere V1.0"));
    QVERIFY2(p.messages()[0].text.contains(QString::fromStdString(w.programDir)), qPrintable(p.messages()[0].text));
    QCOMPARE(ListingFiles(w.programDir), std::vector<std::string>{file});
    QCOMPARE(ReadBytes(w.programDir + file), bytes);
    QCOMPARE(w.store->Tree().diskCount(), 1);
    QCOMPARE(w.store->Tree().disk(0), disk);
    QCOMPARE(disk->disk().FileName, file);
    QVERIFY(disk->disk().Modified);
    QCOMPARE(main.currentNode(), sub);
    QVERIFY(!Child<TfrmAdding>(main).isVisible());
    QVERIFY(!QApplication::overrideCursor());
}

void ScanUpdateFailureTest::fileSystemFullKeepsTheOldFile()
{
    World w;
    w.MakeDisk({"a.txt", "sub/b.txt"});
    const std::string file = w.SaveListing(w.disk, "Photos", 0);
    const std::string bytes = ReadBytes(w.programDir + file);
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    TreeNode *disk = w.store->Tree().disk(0);
    main.selectNode(disk);

    // No file may grow beyond 16 bytes while the update runs: the new listing
    // cannot be written whole, though the old one could be deleted.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
    rlimit small = before;
    small.rlim_cur = 16;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    TriggerAction(main, "mnuUpdate");
    ::setrlimit(RLIMIT_FSIZE, &before);

    QCOMPARE(p.messages().size(), 1);
    QCOMPARE(p.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(ListingFiles(w.programDir), std::vector<std::string>{file});
    QCOMPARE(ReadBytes(w.programDir + file), bytes);
    QCOMPARE(w.store->Tree().diskCount(), 1);
    QCOMPARE(w.store->Tree().disk(0), disk);
    QCOMPARE(main.currentNode(), disk);
}

int main(int argc, char **argv)
{
    // Root may write into any folder; the test runs as nobody so that a
    // read-only folder is read-only.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        std::fprintf(stderr, "cannot give up root\n");
        return 1;
    }
    QApplication app(argc, argv);
    ScanUpdateFailureTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScanUpdateFailure_test.moc"
