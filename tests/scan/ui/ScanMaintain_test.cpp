// Rename, delete and listing properties.
#include "ScanUiSupport.h"

#include "gui/Help.h"
#include "platform/SystemView.h"
#include "scan/ui/Frmprops.h"
#include "scan/ui/Formrename.h"

#include <QRegularExpression>
#include <QTextBrowser>
#include <QTreeView>

using namespace rkm;
using namespace rkm::test;

class ScanMaintainTest : public QObject {
    Q_OBJECT

private slots:
    void renameRefusesAnEmptyName();
    void renameCancelAndUnchanged();
    void deleteWithADeepFolderSelected();
    void deleteTheLastDisk();
    void deleteAnsweredNo();
    void deleteNeverSavedListing();
    void deleteFileThatCannotBeDeleted();
    void propertiesCounts();
    void propertiesDriveWarningAndNothingChanged();
    void propertiesRerootByChoosingAnotherVolume();
    void propertiesCommentThroughTheMainWindow();
    void propertiesHelpTopic();
};

namespace {

// Two disks: "Photos" (files a..c, sub/ with 2 files and sub/deep/ with 1)
// and "Music".
struct Setup {
    World w;
    std::string photos, music;

    Setup()
    {
        w.MakeDisk({"a.txt", "b.txt", "c.txt", "sub/d.txt", "sub/e.txt", "sub/deep/f.txt"});
        WriteBytes(w.root + "music/song.mp3", "la");
        photos = w.SaveListing(w.disk, "Photos", 0);
        music = w.SaveListing(w.root + "music", "Music", 0);
    }
    TreeNode *Disk(const std::string &name) const { return w.store->Tree().findByName(name); }
};

// A fixture system: / and two USB sticks mounted, one folder on each.
struct FixtureSystem {
    QTemporaryDir tmp;
    std::string root;
    std::unique_ptr<platform::SystemView> view;

    FixtureSystem()
    {
        root = tmp.path().toStdString();
        WriteBytes(root + "/proc/self/mountinfo", "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                                  "2 1 0:5 / /proc rw - proc proc rw\n"
                                                  "3 1 8:17 / /media/usb rw - vfat /dev/sdb1 rw\n"
                                                  "4 1 8:33 / /media/other rw - vfat /dev/sdc1 rw\n");
        QDir().mkpath(QString::fromStdString(root + "/media/usb/photos"));
        QDir().mkpath(QString::fromStdString(root + "/media/other"));
        view = std::make_unique<platform::SystemView>(root);
    }
};

QStringList Items(QComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items;
}

} // namespace

void ScanMaintainTest::renameRefusesAnEmptyName()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    TreeNode *photos = s.Disk("Photos");
    const std::string bytes = ReadBytes(s.w.programDir + s.photos);
    main.selectNode(Child(Child(photos, "sub"), "deep"));
    bool refused = false;
    QVERIFY(WithDialog<TFormRename>([&] { TriggerAction(main, "mnuRename"); },
                                    [&](TFormRename &dlg) {
                                        QCOMPARE(dlg.windowTitle(), QString("Rename disk"));
                                        auto *name = Find<QLineEdit>(&dlg, "txtName");
                                        QCOMPARE(name->text(), QString("Photos"));
                                        name->clear();
                                        Find<QPushButton>(&dlg, "cmdOK")->click();
                                        refused = dlg.isVisible() && p.count(QueuedPrompter::Beep) == 1;
                                        name->setText("Holiday 2024");
                                        Find<QPushButton>(&dlg, "cmdOK")->click();
                                    }));
    QVERIFY(refused);
    QCOMPARE(photos->text(), std::string("Holiday 2024"));
    QVERIFY(photos->disk().Modified);
    QCOMPARE(photos->disk().FileName, s.photos);
    const QModelIndex i = main.treeModel()->indexOf(photos);
    QCOMPARE(i.data().toString(), QString("Holiday 2024"));
    // Written under its own name when the program ends, not before.
    QCOMPARE(ReadBytes(s.w.programDir + s.photos), bytes);
    // The dialog is made for one rename.
    QVERIFY(!main.findChild<TFormRename *>());
}

void ScanMaintainTest::renameCancelAndUnchanged()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    TreeNode *music = s.Disk("Music");
    main.selectNode(music);
    for (const char *button : {"cmdCancel", "cmdOK"}) {
        QVERIFY(WithDialog<TFormRename>([&] { TriggerAction(main, "mnuRename"); },
                                        [&](TFormRename &dlg) {
                                            if (QString(button) == "cmdCancel")
                                                Find<QLineEdit>(&dlg, "txtName")->setText("Changed");
                                            Find<QPushButton>(&dlg, button)->click();
                                        }));
        QCOMPARE(music->text(), std::string("Music"));
        QVERIFY2(!music->disk().Modified, button);
    }
    QCOMPARE(p.count(QueuedPrompter::Beep), 0);
}

void ScanMaintainTest::deleteWithADeepFolderSelected()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    main.selectNode(Child(Child(s.Disk("Photos"), "sub"), "deep"));
    p.answers.enqueue(QMessageBox::Yes);
    TriggerAction(main, "mnuDelete");
    QCOMPARE(p.messages().size(), 1);
    QCOMPARE(p.messages()[0].text, QString("Are you sure you wish to delete this disk listing?\n\nPhotos"));
    QCOMPARE(p.messages()[0].caption, QString("Rackmere"));
    QCOMPARE(p.messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(p.messages()[0].icon, QMessageBox::Question);
    QCOMPARE(s.w.store->Tree().diskCount(), 1);
    QVERIFY(!s.Disk("Photos"));
    QCOMPARE(ListingFiles(s.w.programDir), std::vector<std::string>{s.music});
    QVERIFY(!main.currentNode());
    QVERIFY(!Action(&main, "mnuDelete")->isEnabled());
}

void ScanMaintainTest::deleteTheLastDisk()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    for (const char *name : {"Music", "Photos"}) {
        main.selectNode(s.Disk(name));
        p.answers.enqueue(QMessageBox::Yes);
        TriggerAction(main, "mnuDelete");
    }
    QVERIFY(s.w.store->Tree().empty());
    QVERIFY(ListingFiles(s.w.programDir).empty());
    QCOMPARE(main.treeModel()->rowCount(), 0);
    QCOMPARE(main.gridModel()->entryCount(), 0);
    QVERIFY(!main.gridModel()->node());
    QVERIFY(!main.currentNode());
    QVERIFY(!main.currentDisk());
    for (QAction *a : {Action(&main, "mnuDelete"), Action(&main, "popDelete"), Action(&main, "mnuRename"),
                       Action(&main, "mnuUpdate"), Action(&main, "mnuProperties")})
        QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
    QVERIFY(Action(&main, "Addnew1")->isEnabled());
    // With nothing selected the commands do nothing.
    TriggerAction(main, "mnuDelete");
    TriggerAction(main, "mnuUpdate");
    TriggerAction(main, "mnuRename");
    TriggerAction(main, "mnuProperties");
    QCOMPARE(p.messages().size(), 2);
}

void ScanMaintainTest::deleteAnsweredNo()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    main.selectNode(s.Disk("Photos"));
    p.answers.enqueue(QMessageBox::No);
    TriggerAction(main, "mnuDelete");
    QCOMPARE(s.w.store->Tree().diskCount(), 2);
    QCOMPARE(ListingFiles(s.w.programDir).size(), std::size_t(2));
    QCOMPARE(main.currentNode(), s.Disk("Photos"));
}

void ScanMaintainTest::deleteNeverSavedListing()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    TreeNode *unsaved = s.w.store->Tree().appendDisk(ScanDisk(s.w.disk, "Unsaved", ""));
    QVERIFY(unsaved->disk().FileName.empty());
    main.selectNode(unsaved);
    p.answers.enqueue(QMessageBox::Yes);
    TriggerAction(main, "mnuDelete");
    // No "Error deleting file".
    QCOMPARE(p.messages().size(), 1);
    QCOMPARE(s.w.store->Tree().diskCount(), 2);
    QVERIFY(!s.Disk("Unsaved"));
    QCOMPARE(ListingFiles(s.w.programDir).size(), std::size_t(2));
}

void ScanMaintainTest::deleteFileThatCannotBeDeleted()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    // The file went away behind the program's back.
    QFile::remove(QString::fromStdString(s.w.programDir + s.photos));
    main.selectNode(s.Disk("Photos"));
    p.answers.enqueue(QMessageBox::Yes);
    TriggerAction(main, "mnuDelete");
    QCOMPARE(p.messages().size(), 2);
    // The message says which file and why.
    QCOMPARE(p.messages()[1].text, QString::fromStdString("Error deleting file " + s.w.programDir + s.photos +
                                                          ": No such file or directory."));
    QCOMPARE(p.messages()[1].caption, QString::fromStdString(s.w.programDir + s.photos));
    QCOMPARE(p.messages()[1].icon, QMessageBox::Warning);
    QVERIFY(s.Disk("Photos"));
    QCOMPARE(s.w.store->Tree().diskCount(), 2);
}

void ScanMaintainTest::propertiesCounts()
{
    Setup s;
    s.w.Open();
    FixtureSystem sys;
    TfrmProps dlg;
    dlg.setSystem(sys.view.get());
    QueuedPrompter p;
    TreeNode *photos = s.Disk("Photos");
    photos->disk().RootPath = "/media/usb/photos";
    struct Case {
        TreeNode *node;
        const char *folders;
        const char *files;
        const char *path;
    };
    TreeNode *sub = Child(photos, "sub");
    const Case cases[] = {
        {photos, "2", "6", "/media/usb/photos"},
        {sub, "1", "3", "/media/usb/photos/sub/"},
        {Child(sub, "deep"), "0", "1", "/media/usb/photos/sub/deep/"},
    };
    for (const Case &c : cases) {
        dlg.SetPropsNode(c.node);
        dlg.FormShow();
        const QString name = QString::fromStdString(c.node->text());
        QCOMPARE(dlg.windowTitle(), "Properties for " + name);
        QCOMPARE(Find<QLabel>(&dlg, "lblName")->text(), name);
        QCOMPARE(Find<QLabel>(&dlg, "lblFolders")->text(), QString(c.folders));
        QCOMPARE(Find<QLabel>(&dlg, "lblFiles")->text(), QString(c.files));
        QCOMPARE(Find<QLabel>(&dlg, "lblPath")->text(), QString(c.path));
        QCOMPARE(Find<QComboBox>(&dlg, "m_pDrive")->currentData().toByteArray(), QByteArray("/media/usb"));
        // Small files: their exact total.
        QVERIFY(Find<QLabel>(&dlg, "lblSize")->text().contains(QRegularExpression("^[1-9][0-9]* bytes$")));
        QCOMPARE(Find<QLabel>(&dlg, "lblRead")->text(), QString("not recorded"));
    }
    // The time kept, in this machine's time zone and short format.
    const QDateTime read(QDate(2001, 2, 3), QTime(4, 5), Qt::UTC);
    dlg.setLastRead(read);
    dlg.FormShow();
    QCOMPARE(Find<QLabel>(&dlg, "lblRead")->text(), QLocale().toString(read.toLocalTime(), QLocale::ShortFormat));
    // Each volume with its file system (the fixture knows no labels or sizes).
    QCOMPARE(Items(Find<QComboBox>(&dlg, "m_pDrive")),
             (QStringList{"/ (ext4)", "/media/usb (vfat)", "/media/other (vfat)"}));
    QCOMPARE(p.messages().size(), 0);
}

void ScanMaintainTest::propertiesDriveWarningAndNothingChanged()
{
    Setup s;
    s.w.Open();
    FixtureSystem sys;
    TfrmProps dlg;
    dlg.setSystem(sys.view.get());
    QueuedPrompter p;
    struct Case {
        const char *rootPath;
        bool warned;
    };
    for (const Case &c :
         {Case{"/media/gone/photos", true}, Case{"E:\\Photos", true}, Case{"/media/usb/photos", false}}) {
        p.clear();
        TreeNode *photos = s.Disk("Photos");
        photos->disk().RootPath = c.rootPath;
        photos->disk().Modified = false;
        dlg.SetPropsNode(photos);
        dlg.FormShow();
        QCOMPARE(p.messages().size(), c.warned ? 1 : 0);
        if (c.warned) {
            QCOMPARE(p.messages()[0].text,
                     QString("The root drive for this listing is not valid, please select a new one"));
            QCOMPARE(p.messages()[0].caption, QString("Rackmere V1.0"));
            QCOMPARE(p.messages()[0].icon, QMessageBox::Warning);
            QCOMPARE(Find<QComboBox>(&dlg, "m_pDrive")->currentIndex(), -1);
        }
        // OK with an unchanged comment and no other drive stores nothing.
        QVERIFY(!dlg.OKBtnClick());
        QCOMPARE(photos->disk().RootPath, std::string(c.rootPath));
        QVERIFY(!photos->disk().Modified);
    }
}

void ScanMaintainTest::propertiesRerootByChoosingAnotherVolume()
{
    Setup s;
    s.w.Open();
    FixtureSystem sys;
    TfrmProps dlg;
    dlg.setSystem(sys.view.get());
    QueuedPrompter p;
    TreeNode *photos = s.Disk("Photos");
    struct Case {
        const char *rootPath;
        bool folder;
        const char *shownBefore;
        const char *chosen;
        const char *shownAfter;
        const char *stored;
    };
    const Case cases[] = {
        {"/media/usb/photos", false, "/media/usb/photos", "/media/other", "/media/other/photos", "/media/other/photos"},
        {"/media/usb/photos", true, "/media/usb/photos/sub/", "/media/other", "/media/other/photos/sub/",
         "/media/other/photos"},
        {"/media/gone/photos", false, "/media/gone/photos", "/media/usb", "/media/usb/photos", "/media/usb/photos"},
        {"E:\\Photos", true, "E:\\Photos\\sub\\", "/media/other", "/media/other/Photos/sub/", "/media/other/Photos"},
    };
    for (const Case &c : cases) {
        photos->disk().RootPath = c.rootPath;
        photos->disk().Modified = false;
        TreeNode *node = c.folder ? Child(photos, "sub") : photos;
        dlg.SetPropsNode(node);
        dlg.FormShow();
        auto *path = Find<QLabel>(&dlg, "lblPath");
        QCOMPARE(path->text(), QString(c.shownBefore));
        auto *drive = Find<QComboBox>(&dlg, "m_pDrive");
        drive->setCurrentIndex(drive->findData(QByteArray(c.chosen)));
        // Shown at once, stored only with OK.
        QCOMPARE(path->text(), QString(c.shownAfter));
        QCOMPARE(photos->disk().RootPath, std::string(c.rootPath));
        QVERIFY(dlg.OKBtnClick());
        QCOMPARE(photos->disk().RootPath, std::string(c.stored));
        QVERIFY(photos->disk().Modified);
        QCOMPARE(node->disk().GetFullPath(), std::string(c.shownAfter));
    }
}

void ScanMaintainTest::propertiesCommentThroughTheMainWindow()
{
    Setup s;
    TfrmMain &main = s.w.Open();
    QueuedPrompter p;
    TreeNode *photos = s.Disk("Photos");
    TreeNode *sub = Child(photos, "sub");
    main.selectNode(sub);
    const std::string bytes = ReadBytes(s.w.programDir + s.photos);
    // Cancel keeps everything.
    QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(main, "mnuProperties"); },
                                  [&](TfrmProps &dlg) {
                                      Find<QLineEdit>(&dlg, "txtComment")->setText("ignored");
                                      Find<QPushButton>(&dlg, "CancelBtn")->click();
                                  }));
    QCOMPARE(sub->disk().Comment, std::string());
    QVERIFY(!photos->disk().Modified);
    QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(main, "mnuProperties"); },
                                  [&](TfrmProps &dlg) {
                                      QCOMPARE(dlg.windowTitle(), QString("Properties for sub"));
                                      Find<QLineEdit>(&dlg, "txtComment")->setText("holiday snaps");
                                      Find<QPushButton>(&dlg, "OKBtn")->click();
                                  }));
    QCOMPARE(sub->disk().Comment, std::string("holiday snaps"));
    QCOMPARE(photos->disk().Comment, std::string("comment of Photos"));
    QVERIFY(photos->disk().Modified);
    QCOMPARE(ReadBytes(s.w.programDir + s.photos), bytes);
}

void ScanMaintainTest::propertiesHelpTopic()
{
    World w;
    TfrmMain &main = w.Open();
    TfrmProps &dlg = Child<TfrmProps>(main);
    QCOMPARE(HelpPageOnF1(dlg), QUrl("qrc:/help/topic9.html"));
}

QTEST_MAIN(ScanMaintainTest)
#include "ScanMaintain_test.moc"
