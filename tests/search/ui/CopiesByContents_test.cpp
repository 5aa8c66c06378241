// Find duplicates by contents, Is this archived? and the pictures of the
// HTML export, through the main window as a user drives them, over listings
// whose fingerprints and pictures the store keeps.
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include "app/Mainfrm.h"
#include "export/ui/Frmexport.h"
#include "catalog/CatalogStore.h"
#include "gui/QueuedPrompter.h"
#include "scan/Scanner.h"
#include "search/Finder.h"
#include "search/ui/Frmarchived.h"
#include "search/ui/Frmduplicatelist.h"
#include "search/ui/Frmduplicates.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <fcntl.h>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;

class CopiesByContentsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<QueuedPrompter> m_prompter;
    TfrmMain *m_main = nullptr;
    TempDir m_files;

    // Catalogues `folder` as `name` with the fingerprints of its files, and
    // a picture of those whose names end in .jpg.
    void addWithFingerprints(const std::string &folder, const std::string &name)
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "JPEG"));
        std::unique_ptr<TreeNode> disk = ScanDisk(folder, name, "");
        ContentRecords records;
        for (const TreeNode *n = disk.get(); n; n = NextInDisk(disk.get(), n))
            for (int i = 0; i < n->disk().Files.count(); ++i) {
                ContentRecord r;
                r.path = ContentPath(*n, i);
                const int fd = ::open((folder + "/" + r.path).c_str(), O_RDONLY | O_CLOEXEC);
                QVERIFY(fd >= 0);
                int error = 0;
                r.fingerprint = FingerprintOfFile(fd, error);
                r.size = static_cast<uint64_t>(::lseek(fd, 0, SEEK_END));
                ::close(fd);
                if (r.path.ends_with(".jpg"))
                    r.picture = jpeg.toStdString();
                records.push_back(std::move(r));
            }
        CatalogStore(m_sandbox->programDir)
            .AddListing(std::move(disk), {}, {}, std::make_shared<MemoryContents>(std::move(records)));
    }

private slots:
    void init()
    {
        m_prompter = std::make_unique<QueuedPrompter>();
        m_sandbox = std::make_unique<Sandbox>();
        WriteBytes(m_files.file("one/photo.jpg"), std::string(3000, 'p'));
        WriteBytes(m_files.file("one/notes.txt"), "notes");
        WriteBytes(m_files.file("two/Holiday/renamed.bin"), std::string(3000, 'p'));
        WriteBytes(m_files.file("two/notes.txt"), "NOTES"); // the name and size of one's, not its bytes
        addWithFingerprints(m_files.file("one"), "One");
        addWithFingerprints(m_files.file("two"), "Two");
        m_main = &m_sandbox->Open();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup()
    {
        m_sandbox.reset();
        m_prompter.reset();
    }

    void duplicatesByContentsWhateverTheNames()
    {
        QVERIFY(WithDialog<TfrmDuplicates>([&] { TriggerAction(*m_main, "mnuFindDuplicates"); },
                                           [](TfrmDuplicates &d) {
                                               Find<QLineEdit>(&d, "txtMinSize")->setText(QStringLiteral("0"));
                                               Find<QCheckBox>(&d, "chkByContents")->setChecked(true);
                                               Find<QPushButton>(&d, "OKBtn")->click();
                                           }));
        TfrmDuplicateList &list = Child<TfrmDuplicateList>(*m_main);
        QTRY_VERIFY(!list.running());
        DuplicatesModel &model = list.model();
        QCOMPARE(model.rowCount(), 1);
        const QModelIndex group = model.index(0, 0);
        QCOMPARE(model.rowCount(group), 2);
        QCOMPARE(model.index(0, DuplicatesModel::COL_LISTING, group).data().toString(), QStringLiteral("One"));
        QCOMPARE(model.index(1, DuplicatesModel::COL_LISTING, group).data().toString(), QStringLiteral("Two"));
        QCOMPARE(model.index(1, DuplicatesModel::COL_NAME, group).data().toString(), QStringLiteral("renamed.bin"));
    }

    void isThisArchivedForChosenFiles()
    {
        WriteBytes(m_files.file("local/kept.jpg"), std::string(3000, 'p'));
        WriteBytes(m_files.file("local/fresh.txt"), "fresh");
        m_prompter->openFiles.enqueue(
            {QString::fromStdString(m_files.file("local/kept.jpg")), QString::fromStdString(m_files.file("local/fresh.txt"))});
        QStringList rows;
        QString status;
        QVERIFY(WithDialog<TfrmArchived>([&] { TriggerAction(*m_main, "mnuIsArchived"); },
                                         [&](TfrmArchived &d) {
                                             QTRY_VERIFY(!d.running());
                                             status = d.status();
                                             const QTreeWidget &v = d.view();
                                             for (int i = 0; i < v.topLevelItemCount(); ++i) {
                                                 const QTreeWidgetItem *row = v.topLevelItem(i);
                                                 rows << row->text(0).section('/', -1) + ": " + row->text(1);
                                                 for (int k = 0; k < row->childCount(); ++k)
                                                     rows << "  " + row->child(k)->text(0) + ": " +
                                                                 row->child(k)->text(1);
                                             }
                                         }));
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenFileNames), 1);
        QCOMPARE(rows, QStringList({"kept.jpg: held in 2 places", "  One: photo.jpg", "  Two: Holiday/renamed.bin",
                                    "fresh.txt: not archived"}));
        QCOMPARE(status, QStringLiteral("1 of 2 files are not archived."));
        // Cancelling the picker opens nothing.
        m_prompter->clear();
        TriggerAction(*m_main, "mnuIsArchived");
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenFileNames), 1);
    }

    void htmlExportWithPictures()
    {
        m_main->selectNode(m_sandbox->store->Tree().findByName("One"));
        const QString page = QString::fromStdString(m_files.file("one.html"));
        m_prompter->saveFiles.enqueue(page);
        QVERIFY(WithDialog<TfrmExport>([&] { TriggerAction(*m_main, "mnuExport"); },
                                       [](TfrmExport &d) {
                                           auto *pictures = Find<QCheckBox>(&d, "chkPictures");
                                           Find<QComboBox>(&d, "cboFormat")->setCurrentIndex(0); // CSV
                                           QVERIFY(!pictures->isEnabled());
                                           Find<QComboBox>(&d, "cboFormat")->setCurrentIndex(2); // HTML
                                           QVERIFY(pictures->isEnabled());
                                           pictures->setChecked(true);
                                           Find<QPushButton>(&d, "cmdOK")->click();
                                       }));
        const std::string html = ReadBytes(page.toStdString());
        const std::size_t img = html.find("<img class=\"pic\" loading=\"lazy\" alt=\"\" src=\"data:image/jpeg;base64,");
        QVERIFY(img != std::string::npos);
        QVERIFY(html.find("\">photo.jpg<", img) != std::string::npos);
        QCOMPARE(html.find("<img", img + 1), std::string::npos); // notes.txt has none
    }
};

QTEST_MAIN(CopiesByContentsTest)
#include "CopiesByContents_test.moc"
