// Add new: the dialog's refusals and label, the scan with its progress
// window, the new listing saved and selected.
#include "ScanUiSupport.h"

#include "gui/Help.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmadding.h"

#include "platform/SystemView.h"
#include "scan/Scanner.h"

#include <QMenu>
#include <QTextBrowser>

using namespace rkm;
using namespace rkm::test;

namespace {

// Counts how often a widget was shown.
class ShowCounter final : public QObject {
public:
    int shown = 0;
    bool waitCursorWhileShown = false;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show) {
            ++shown;
            // The busy pointer: the program works, and Cancel can be clicked.
            waitCursorWhileShown = QApplication::overrideCursor() &&
                                   QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        }
        return false;
    }
};

// Add new over a system whose mount table has the test's disk folder as the
// volume labelled BACKUP_07 and the folder "plain" as an unlabelled one.
struct VolumesWorld {
    World w;
    std::string disk, plain;
    std::unique_ptr<FakeSystemRoot> sys;
    std::unique_ptr<platform::SystemView> view;
    TfrmAddNew dlg;

    VolumesWorld()
    {
        w.MakeDisk({"a.txt", "photos/b.jpg"});
        QDir().mkpath(QString::fromStdString(w.root + "plain"));
        disk = ResolveScanRoot(w.disk);
        plain = ResolveScanRoot(w.root + "plain");
        sys = std::make_unique<FakeSystemRoot>(w.root + "sys");
        sys->mountInfo("1 0 254:0 / / rw - ext4 /dev/vda rw\n2 1 8:17 / " + disk + " rw - vfat /dev/sdb1 rw\n" +
                       "3 1 8:33 / " + plain + " rw - ext4 /dev/sdc1 rw\n");
        sys->folders({disk, plain});
        sys->link("/dev/disk/by-label/BACKUP_07", "../../sdb1");
        view = std::make_unique<platform::SystemView>(sys->root());
        dlg.setSystem(view.get());
        dlg.show();
    }
    QLineEdit *field(const char *name) { return Find<QLineEdit>(&dlg, name); }
};

} // namespace

class ScanAddTest : public QObject {
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void tildeIsTheHomeFolder();
    void labelOfferedOnlyWhileDescriptionEmpty();
    void labelOfferedWhenTheFocusMovesOn_data();
    void labelOfferedWhenTheFocusMovesOn();
    void clickOnOkOffersTheLabelFirst();
    void acceptsAndSelectsTheNewDisk();
    void twoListingsOfTheSameFolder();
    void cancelAddsNothing();
    void browseFillsTheFolder();
    void namesProposedAndVolumesOffered();
    void browseStartsInTheMediaFolder();
    void progressWindow();
    void saveFailureKeepsTheDiskToWriteLater();
    void helpTopic();
};

void ScanAddTest::refusals_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("reason");
    const QString name = "Please type a description: it is the listing's name.";
    QTest::newRow("empty description") << "DISK" << "" << "" << name;
    QTest::newRow("empty description, no folder") << "" << "" << "" << name;
    QTest::newRow("description of spaces")
        << "DISK" << "   " << ""
        << "The description is made only of spaces; please type a name for the listing.";
    QTest::newRow("missing folder") << "DISK/missing" << "Name" << ""
                                    << "The folder DISK/missing cannot be opened: No such file or directory.";
    QTest::newRow("a file, not a folder") << "DISK/a.txt" << "Name" << ""
                                          << "The folder DISK/a.txt cannot be opened: Not a directory.";
    QTest::newRow("no folder") << "" << "Name" << "" << "Please name the drive or folder to catalogue.";
    QTest::newRow("the home folder's missing child")
        << "~/surely-missing" << "Name" << ""
        << "The folder HOME/surely-missing cannot be opened: No such file or directory.";
    // 255 two-byte letters are 510 bytes, one more letter is one too many.
    QTest::newRow("description too long") << "DISK" << QString(255, QChar(0xe9)) + "x" << ""
                                          << "Description: 1 bytes too long; a listing holds at most 510 bytes.";
    QTest::newRow("comment too long") << "DISK" << "Name" << QString(600, 'c')
                                      << "Comment: 90 bytes too long; a listing holds at most 510 bytes.";
    QTest::newRow("root path too long") << "LONG" << "Name" << ""
                                        << "The folder's path is LENGTH bytes long; a listing holds at most 510 bytes.";
}

void ScanAddTest::refusals()
{
    QFETCH(QString, folder);
    QFETCH(QString, description);
    QFETCH(QString, comment);
    QFETCH(QString, reason);
    World w;
    w.MakeDisk({"a.txt"});
    // A folder whose path is longer than a listing holds.
    const std::string deep = w.disk + "/" + std::string(200, 'x') + "/" + std::string(200, 'y') + "/" +
                             std::string(200, 'z');
    QDir().mkpath(QString::fromStdString(deep));
    qputenv("HOME", QByteArray::fromStdString(w.root + "home"));
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    folder.replace("DISK", QString::fromStdString(w.disk));
    folder.replace("LONG", QString::fromStdString(deep));
    reason.replace("DISK", QString::fromStdString(w.disk));
    reason.replace("HOME", QString::fromStdString(w.root + "home"));
    reason.replace("LENGTH", QString::number(deep.size()));
    bool stayedOpen = false;
    QString shown;
    QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
        add.labelSource = [](const std::string &) { return std::string(); };
        Find<QLineEdit>(&add, "txtFolder")->setText(folder);
        Find<QLineEdit>(&add, "txtDescription")->setText(description);
        Find<QLineEdit>(&add, "txtComment")->setText(comment);
        Find<QPushButton>(&add, "cmdOK")->click();
        stayedOpen = add.isVisible() && add.result() != QDialog::Accepted;
        // Said in the dialog, under the fields, in plain words.
        shown = add.message();
        QCOMPARE(Find<QLabel>(&add, "lblMessage")->text().remove(QChar(0x200b)), reason);
        QVERIFY(Find<QLabel>(&add, "lblMessage")->isVisible());
        // Typing again takes the reason away.
        QTest::keyClick(Find<QLineEdit>(&add, "txtFolder"), Qt::Key_End);
        QTest::keyClicks(Find<QLineEdit>(&add, "txtFolder"), "x");
        QVERIFY(!add.message().contains(reason));
    }));
    QVERIFY(stayedOpen);
    QCOMPARE(shown, reason);
    QCOMPARE(p.count(QueuedPrompter::Beep), 1);
    QCOMPARE(p.messages().size(), 0);
    QCOMPARE(w.store->Tree().diskCount(), 0);
    QVERIFY(ListingFiles(w.programDir).empty());
}

void ScanAddTest::tildeIsTheHomeFolder()
{
    World w;
    w.MakeDisk({"a.txt"});
    QDir().mkpath(QString::fromStdString(w.root + "home/photos"));
    qputenv("HOME", QByteArray::fromStdString(w.root + "home"));
    QueuedPrompter p;
    TfrmAddNew dlg;
    dlg.labelSource = [](const std::string &) { return std::string(); };
    for (const auto &[typed, root] : {std::pair<QString, std::string>{"~", w.root + "home"},
                                      {"~/photos", w.root + "home/photos"}}) {
        dlg.show();
        Find<QLineEdit>(&dlg, "txtFolder")->setText(typed);
        Find<QLineEdit>(&dlg, "txtDescription")->setText("Home");
        Find<QPushButton>(&dlg, "cmdOK")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.scanRoot(), root);
    }
    QCOMPARE(p.count(QueuedPrompter::Beep), 0);
}

void ScanAddTest::labelOfferedOnlyWhileDescriptionEmpty()
{
    World w;
    w.MakeDisk({"a.txt"});
    TfrmAddNew dlg;
    std::vector<std::string> asked;
    dlg.labelSource = [&](const std::string &folder) {
        asked.push_back(folder);
        return std::string("BACKUP_07");
    };
    dlg.show();
    struct Case {
        const char *what;
        QString folder;
        QString typed;
        QString expected;
    };
    const QString disk = QString::fromStdString(w.disk);
    const Case cases[] = {
        {"labelled volume, no description", disk, "", "BACKUP_07"},
        {"description typed", disk, "Mine", "Mine"},
        {"folder missing", disk + "/nope", "", ""},
    };
    for (const Case &c : cases) {
        dlg.FormShow();
        Find<QLineEdit>(&dlg, "txtFolder")->setText(c.folder);
        Find<QLineEdit>(&dlg, "txtDescription")->setText(c.typed);
        // Leaving the folder box offers the label.
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(Find<QLineEdit>(&dlg, "txtFolder"), &out);
        QVERIFY2(Find<QLineEdit>(&dlg, "txtDescription")->text() == c.expected, c.what);
    }
    // Only the usable folder with an empty description asked for a label.
    QCOMPARE(asked.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(asked[0]), QFileInfo(disk).canonicalFilePath());

    // A folder that is no labelled volume's root is named for itself.
    dlg.labelSource = [](const std::string &) { return std::string(); };
    dlg.FormShow();
    dlg.FillDescription(disk);
    QCOMPARE(Find<QLineEdit>(&dlg, "txtDescription")->text(), QFileInfo(disk).fileName());
    // Showing empties every box.
    Find<QLineEdit>(&dlg, "txtFolder")->setText("x");
    Find<QLineEdit>(&dlg, "txtComment")->setText("y");
    dlg.hide();
    dlg.show();
    QCOMPARE(Find<QLineEdit>(&dlg, "txtFolder")->text(), QString());
    QCOMPARE(Find<QLineEdit>(&dlg, "txtComment")->text(), QString());
}

void ScanAddTest::labelOfferedWhenTheFocusMovesOn_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("offered");
    QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << true;
    QTest::newRow("mouse click elsewhere") << int(Qt::MouseFocusReason) << true;
    QTest::newRow("buddy shortcut") << int(Qt::ShortcutFocusReason) << true;
    // The box's own context menu (to paste the rest of a path), or another
    // window: the user has not left the box yet.
    QTest::newRow("context menu") << int(Qt::PopupFocusReason) << false;
    QTest::newRow("other window") << int(Qt::ActiveWindowFocusReason) << false;
}

void ScanAddTest::labelOfferedWhenTheFocusMovesOn()
{
    QFETCH(int, reason);
    QFETCH(bool, offered);
    World w;
    w.MakeDisk({"a.txt"});
    TfrmAddNew dlg;
    int asked = 0;
    dlg.labelSource = [&](const std::string &) {
        ++asked;
        return std::string("HALF");
    };
    dlg.show();
    Find<QLineEdit>(&dlg, "txtFolder")->setText(QString::fromStdString(w.disk));
    QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
    QApplication::sendEvent(Find<QLineEdit>(&dlg, "txtFolder"), &out);
    QCOMPARE(asked, offered ? 1 : 0);
    QCOMPARE(Find<QLineEdit>(&dlg, "txtDescription")->text(), offered ? QString("HALF") : QString());
}

void ScanAddTest::clickOnOkOffersTheLabelFirst()
{
    // A click on OK moves the focus out of the folder box first, which offers
    // the label, so the same click is accepted; Enter presses OK without
    // leaving the box, and beeps.
    for (const bool click : {true, false}) {
        World w;
        w.MakeDisk({"a.txt"});
        TfrmMain &main = w.Open();
        QueuedPrompter p;
        bool stayedOpen = false;
        QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
            add.labelSource = [](const std::string &) { return std::string("CD_LABEL"); };
            QApplication::setActiveWindow(&add);
            QVERIFY(QTest::qWaitForWindowActive(&add));
            auto *folder = Find<QLineEdit>(&add, "txtFolder");
            folder->setFocus();
            QTest::keyClicks(folder, QString::fromStdString(w.disk));
            if (click)
                QTest::mouseClick(Find<QPushButton>(&add, "cmdOK"), Qt::LeftButton);
            else
                QTest::keyClick(folder, Qt::Key_Return);
            stayedOpen = add.isVisible();
        }));
        QCOMPARE(stayedOpen, !click);
        QCOMPARE(p.count(QueuedPrompter::Beep), click ? 0 : 1);
        QCOMPARE(w.store->Tree().diskCount(), click ? 1 : 0);
        if (click)
            QCOMPARE(w.store->Tree().disk(0)->text(), std::string("CD_LABEL"));
    }
}

void ScanAddTest::acceptsAndSelectsTheNewDisk()
{
    World w;
    w.MakeDisk({"a.txt", "b.txt", "sub/c.txt"});
    w.SaveListing(w.disk, "Existing", 0);
    w.presentSerial = 0x5EED;
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
        // A relative text is taken from the current folder.
        QDir::setCurrent(QString::fromStdString(w.root));
        Find<QLineEdit>(&add, "txtFolder")->setText("disk");
        Find<QLineEdit>(&add, "txtDescription")->setText("Holiday");
        Find<QLineEdit>(&add, "txtComment")->setText("photos");
        Find<QPushButton>(&add, "cmdOK")->click();
    }));
    QCOMPARE(p.count(QueuedPrompter::Beep), 0);
    QCOMPARE(p.messages().size(), 0);
    QCOMPARE(w.store->Tree().diskCount(), 2);
    TreeNode *n = w.store->Tree().disk(1);
    QCOMPARE(n->text(), std::string("Holiday"));
    const TDisk &d = n->disk();
    QCOMPARE(d.Comment, std::string("photos"));
    QCOMPARE(QString::fromStdString(d.RootPath), QFileInfo(QString::fromStdString(w.disk)).canonicalFilePath());
    QCOMPARE(d.SerialNumber, 0x5EEDu);
    QVERIFY(!d.Modified);
    QCOMPARE(ListingFiles(w.programDir).size(), std::size_t(2));
    QVERIFY(QFile::exists(QString::fromStdString(w.programDir + d.FileName)));
    QCOMPARE(main.currentNode(), n);
    QCOMPARE(main.currentDisk(), &n->disk());
    QCOMPARE(main.gridModel()->entryCount(), 2);
    QCOMPARE(main.statusText(), QString("2 items listed"));
    QVERIFY(Action(&main, "mnuUpdate")->isEnabled());

    // What was written reads back.
    CatalogStore again(w.programDir);
    QVERIFY(again.LoadCatalog().empty());
    QCOMPARE(again.Tree().diskCount(), 2);
}

void ScanAddTest::twoListingsOfTheSameFolder()
{
    World w;
    w.MakeDisk({"a.txt"});
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
            Find<QLineEdit>(&add, "txtFolder")->setText(QString::fromStdString(w.disk));
            Find<QLineEdit>(&add, "txtDescription")->setText("Same");
            Find<QPushButton>(&add, "cmdOK")->click();
        }));
    }
    QCOMPARE(w.store->Tree().diskCount(), 2);
    const TDisk &a = w.store->Tree().disk(0)->disk();
    const TDisk &b = w.store->Tree().disk(1)->disk();
    QCOMPARE(w.store->Tree().disk(0)->text(), w.store->Tree().disk(1)->text());
    QVERIFY(a.FileName != b.FileName);
    QCOMPARE(ListingFiles(w.programDir).size(), std::size_t(2));
    QCOMPARE(main.currentNode(), w.store->Tree().disk(1));
}

void ScanAddTest::cancelAddsNothing()
{
    World w;
    w.MakeDisk({"a.txt"});
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    p.directories.enqueue(QString::fromStdString(w.disk));
    QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
        Find<QPushButton>(&add, "cmdBrowse")->click();
        Find<QLineEdit>(&add, "txtDescription")->setText("Name");
        Find<QPushButton>(&add, "cmdCancel")->click();
    }));
    QCOMPARE(w.store->Tree().diskCount(), 0);
    QVERIFY(ListingFiles(w.programDir).empty());
}

void ScanAddTest::browseFillsTheFolder()
{
    World w;
    w.MakeDisk({"a.txt"});
    QueuedPrompter p;
    TfrmAddNew dlg;
    dlg.labelSource = [](const std::string &) { return std::string("LBL"); };
    dlg.show();
    // Cancelled picker: nothing changes.
    Find<QLineEdit>(&dlg, "txtFolder")->setText("typed");
    dlg.cmdBrowseClick();
    QCOMPARE(Find<QLineEdit>(&dlg, "txtFolder")->text(), QString("typed"));
    QCOMPARE(Find<QLineEdit>(&dlg, "txtDescription")->text(), QString());
    p.directories.enqueue(QString::fromStdString(w.disk));
    dlg.cmdBrowseClick();
    QCOMPARE(Find<QLineEdit>(&dlg, "txtFolder")->text(), QString::fromStdString(w.disk));
    QCOMPARE(Find<QLineEdit>(&dlg, "txtDescription")->text(), QString("LBL"));
    QCOMPARE(p.count(QueuedPrompter::ExistingDirectory), 2);
}

void ScanAddTest::namesProposedAndVolumesOffered()
{
    VolumesWorld v;
    const struct {
        std::string folder;
        QString proposed;
    } cases[] = {{v.disk, "BACKUP_07"}, {v.disk + "/photos", "photos"}, {v.plain, "plain"}, {"/", ""}};
    for (const auto &c : cases) {
        v.dlg.FormShow();
        v.field("txtFolder")->setText(QString::fromStdString(c.folder));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(v.field("txtFolder"), &out);
        QVERIFY2(v.field("txtDescription")->text() == c.proposed, c.folder.c_str());
    }
    QCOMPARE(Find<QLabel>(&v.dlg, "lblDescription")->text(), QString("Disk &name:"));

    QVERIFY(v.dlg.findChild<QAction *>("actVolumes"));
    v.dlg.findChild<QAction *>("actVolumes")->trigger();
    auto *menu = v.dlg.findChild<QMenu *>("mnuVolumes");
    QVERIFY(menu && menu->isVisible());
    // Each with its label, file system and size as far as known.
    QCOMPARE(menu->actions().size(), 3);
    const QString offered = menu->actions()[1]->text();
    QVERIFY2(offered.startsWith(QString::fromStdString(v.disk) + " (BACKUP_07, vfat"), qPrintable(offered));
    menu->actions()[1]->trigger();
    menu->hide();
    QCOMPARE(v.field("txtFolder")->text(), QString::fromStdString(v.disk));
    QCOMPARE(v.field("txtDescription")->text(), QString("BACKUP_07"));
}

void ScanAddTest::browseStartsInTheMediaFolder()
{
    const QByteArray user = qgetenv("USER");
    qputenv("USER", "anna");
    QueuedPrompter p;
    VolumesWorld v;
    const QString root = QString::fromStdString(v.sys->root());
    const struct {
        std::string made; // a media folder made before Browse
        QString typed, start;
    } cases[] = {{"", "", ""}, {"/run/media/anna", "", root + "/run/media/anna"},
                 {"/media/anna", "", root + "/media/anna"}, {"", "/srv", "/srv"}}; // a typed folder first
    for (const auto &c : cases) {
        if (!c.made.empty())
            v.sys->folders({c.made});
        v.field("txtFolder")->setText(c.typed);
        p.clear();
        v.dlg.cmdBrowseClick();
        QCOMPARE(p.calls.size(), 1);
        QCOMPARE(p.calls[0].text, c.start);
    }
    qputenv("USER", user);
}

void ScanAddTest::progressWindow()
{
    World w;
    w.MakeDisk({"a.txt", "inner/z.txt"});
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    TfrmAdding &adding = Child<TfrmAdding>(main);
    QCOMPARE(adding.windowTitle(), QString("Adding..."));
    QCOMPARE(Find<QLabel>(&adding, "Label1")->text(), QString("Now adding:"));
    QVERIFY(!(adding.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(adding.windowFlags() & Qt::CustomizeWindowHint);
    QCOMPARE(adding.cursor().shape(), Qt::BusyCursor);
    ShowCounter counter;
    adding.installEventFilter(&counter);
    QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
        Find<QLineEdit>(&add, "txtFolder")->setText(QString::fromStdString(w.disk + "/inner"));
        Find<QLineEdit>(&add, "txtDescription")->setText("Inner");
        Find<QPushButton>(&add, "cmdOK")->click();
    }));
    QCOMPARE(counter.shown, 1);
    QVERIFY(counter.waitCursorWhileShown);
    QVERIFY(!adding.isVisible());
    QVERIFY(!QApplication::overrideCursor());
    // The labels keep the last names, also into the next scan.
    QCOMPARE(Find<QLabel>(&adding, "lblAddingFile")->text(), QString("z.txt"));
    QCOMPARE(w.store->Tree().diskCount(), 1);

    // Closing it while it runs stops the scan (ScanCancel_test); without a
    // scan it is simply hidden.
    adding.show();
    QVERIFY(adding.close());
    QVERIFY(!adding.isVisible());
}

void ScanAddTest::saveFailureKeepsTheDiskToWriteLater()
{
    World w;
    w.MakeDisk({"a.txt"});
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    // The volume serial number cannot be read: the save fails.
    w.store->serialSource = [](const TDisk &) -> uint32_t { throw RackmereError("The disk went away"); };
    QVERIFY(WithDialog<TfrmAddNew>([&] { TriggerAction(main, "Addnew1"); }, [&](TfrmAddNew &add) {
        Find<QLineEdit>(&add, "txtFolder")->setText(QString::fromStdString(w.disk));
        Find<QLineEdit>(&add, "txtDescription")->setText("Lost?");
        Find<QPushButton>(&add, "cmdOK")->click();
    }));
    QCOMPARE(p.messages().size(), 1);
    QCOMPARE(p.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(p.messages()[0].text.contains("The disk went away"));
    QCOMPARE(w.store->Tree().diskCount(), 1);
    TreeNode *n = w.store->Tree().disk(0);
    QCOMPARE(n->disk().FileName, std::string());
    QVERIFY(n->disk().Modified);
    QCOMPARE(main.currentNode(), n);
    QVERIFY(ListingFiles(w.programDir).empty());
    // Written with the other modified listings at the end of the run.
    w.store->serialSource = [](const TDisk &) { return 0u; };
    w.store->SaveModifiedListings();
    QCOMPARE(ListingFiles(w.programDir).size(), std::size_t(1));
}

void ScanAddTest::helpTopic()
{
    World w;
    TfrmMain &main = w.Open();
    TfrmAddNew &dlg = Child<TfrmAddNew>(main);
    QCOMPARE(HelpPageOnF1(dlg), QUrl("qrc:/help/topic3.html"));
    dlg.hide();
}

QTEST_MAIN(ScanAddTest)
#include "ScanAdd_test.moc"
