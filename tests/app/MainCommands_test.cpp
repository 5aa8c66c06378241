// The main window's commands: where their menu items are, when they are
// enabled, the keys that reach them, and the one guard they all go through.
#include "MainWindowFixture.h"

#include "catalog/Errors.h"
#include "gui/ErrorReport.h"
#include "scan/ui/Formrename.h"
#include "search/ui/Frmresults.h"
#include "search/ui/Frmsearch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace rkm;
using namespace rkm::test;

class MainCommandsTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void enablingTable_data()
    {
        QTest::addColumn<bool>("withDisks");
        QTest::addColumn<bool>("select");
        QTest::addColumn<bool>("selectionCommands");
        QTest::addColumn<bool>("find");
        QTest::newRow("empty tree") << false << false << false << false;
        QTest::newRow("disks, nothing selected") << true << false << false << true;
        QTest::newRow("node selected") << true << true << true << true;
    }
    void enablingTable()
    {
        QFETCH(bool, withDisks);
        QFETCH(bool, select);
        QFETCH(bool, selectionCommands);
        QFETCH(bool, find);
        if (withDisks)
            writeTwoDisks();
        TfrmMain &w = start();
        if (select)
            w.selectNode(folder("Alpha", "Empty"));
        for (QAction *a : this->selectionCommands())
            QCOMPARE(a->isEnabled(), selectionCommands);
        QCOMPARE(Action(&w, "mnuFind")->isEnabled(), find);
        QCOMPARE(Action(&w, "mnuFindNext")->isEnabled(), find);
        for (QAction *a : {Action(&w, "Addnew1"), Action(&w, "Addnew2"), Action(&w, "mnuExit"), Action(&w, "mnuHelpTopics"), Action(&w, "Tarnwellwebsite1"), Action(&w, "Emailsupport1"),
                           Action(&w, "About2"), Action(&w, "popLstProperties")})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

    void enablingFollowsTreeChanges()
    {
        TfrmMain &w = start();
        QVERIFY(!Action(&w, "mnuFind")->isEnabled());
        // A disk in the catalogue is enough for the commands over every listing.
        TreeNode *added = m_sandbox->store->Tree().appendDisk(MakeDisk("New", 1));
        for (const char *name : {"mnuFind", "mnuFindNext", "mnuFindDuplicates", "mnuExport"})
            QVERIFY2(Action(&w, name)->isEnabled(), name);
        QVERIFY(!Action(&w, "mnuDelete")->isEnabled());
        w.selectNode(added);
        QVERIFY(Action(&w, "mnuDelete")->isEnabled());
        // Removing the selected disk leaves nothing selected and nothing dangling.
        m_sandbox->store->Tree().removeDisk(added->row());
        QVERIFY(!w.currentNode());
        QVERIFY(!w.currentDisk());
        QVERIFY(!Action(&w, "mnuDelete")->isEnabled());
        QCOMPARE(Grid(w)->model()->rowCount(), 1);
        for (const char *name : {"mnuFind", "mnuFindNext", "mnuFindDuplicates", "mnuExport"})
            QVERIFY2(!Action(&w, name)->isEnabled(), name);
    }

    void menusAndShortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabledAtStart");
        const QKeySequence none;
        QTest::newRow("Addnew1") << "Addnew1" << "&Add new..." << none << true;
        QTest::newRow("mnuUpdate") << "mnuUpdate" << "&Update..." << none << false;
        QTest::newRow("mnuDelete") << "mnuDelete" << "&Delete" << none << false;
        QTest::newRow("mnuRename") << "mnuRename" << "&Rename..." << QKeySequence(Qt::Key_F2) << false;
        QTest::newRow("mnuPrint") << "mnuPrint" << "&Print..." << none << false;
        QTest::newRow("mnuExport") << "mnuExport" << "&Export..." << none << true;
        QTest::newRow("mnuProperties") << "mnuProperties" << "Pr&operties..." << none << false;
        QTest::newRow("mnuExit") << "mnuExit" << "E&xit" << QKeySequence("Ctrl+Q") << true;
        QTest::newRow("mnuFind") << "mnuFind" << "&Find..." << QKeySequence("Ctrl+F") << true;
        QTest::newRow("mnuFindNext") << "mnuFindNext" << "Find ne&xt" << QKeySequence("F3") << true;
        QTest::newRow("mnuDisks") << "mnuDisks" << "&Disks" << none << true;
        QTest::newRow("mnuHelpTopics") << "mnuHelpTopics" << "&Help Topics" << none << true;
        QTest::newRow("Tarnwellwebsite1") << "Tarnwellwebsite1" << "&Tarnwell website" << none << true;
        QTest::newRow("Emailsupport1") << "Emailsupport1" << "&Email support" << none << true;
        QTest::newRow("About2") << "About2" << "&About" << none << true;
        QTest::newRow("Addnew2") << "Addnew2" << "&Add new..." << QKeySequence(Qt::Key_Insert) << true;
        QTest::newRow("popUpdate") << "popUpdate" << "&Update..." << none << false;
        QTest::newRow("popRename") << "popRename" << "&Rename" << none << false;
        QTest::newRow("popDelete") << "popDelete" << "&Delete" << QKeySequence(Qt::Key_Delete) << false;
        QTest::newRow("popPrint") << "popPrint" << "&Print..." << none << false;
        QTest::newRow("popProperties") << "popProperties" << "Pr&operties..." << QKeySequence(Qt::Key_Enter) << false;
        QTest::newRow("popLstProperties") << "popLstProperties" << "&Properties" << QKeySequence(Qt::Key_Enter) << true;
    }
    void menusAndShortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabledAtStart);
        writeTwoDisks();
        TfrmMain &w = start();
        QAction *a = Action(&w, name);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut(), shortcut);
        QCOMPARE(a->isEnabled(), enabledAtStart);
    }

    void mainMenuOrder()
    {
        TfrmMain &w = start();
        QStringList titles;
        for (QAction *m : w.menuBar()->actions())
            titles << m->text();
        QCOMPARE(titles, QStringList({"&Disk", "&Search", "&View", "&Help"}));
        auto names = [](QMenu *m) {
            QStringList out;
            for (QAction *a : m->actions())
                out << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            return out;
        };
        QCOMPARE(names(Menu(&w, "Disk1")),
                 QStringList({"Addnew1", "mnuUpdate", "mnuDelete", "mnuRename", "mnuPrint", "mnuExport",
                              "mnuProperties", "mnuCompare", "mnuVerify", "-", "mnuExit"}));
        QCOMPARE(names(Menu(&w, "Search1")), QStringList({"mnuSearchBox", "mnuFind", "mnuFindNext", "mnuFindDuplicates",
                                                          "mnuIsArchived", "-", "mnuSavedSearchesItem"}));
        QCOMPARE(names(Menu(&w, "View1")), QStringList({"mnuPictures", "mnuDisks", "-", "mnuOfferOnMount", "-", "mnuLanguageItem"}));
        QCOMPARE(names(Menu(&w, "About1")),
                 QStringList({"mnuHelpTopics", "-", "Tarnwellwebsite1", "Emailsupport1", "-", "About2"}));
        QCOMPARE(names(Menu(&w, "popTree")), QStringList({"Addnew2", "popUpdate", "popRename", "popDelete", "popPrint",
                                                          "popProperties", "popCompare", "popVerify"}));
        QCOMPARE(names(Menu(&w, "popList")), QStringList({"popLstProperties", "popLstOpenFolder"}));
    }

    void keysReachTheCommands_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("action");
        QTest::newRow("Enter in the grid") << "StringGrid1" << int(Qt::Key_Return) << "popLstProperties";
        QTest::newRow("Insert in the tree") << "TreeView1" << int(Qt::Key_Insert) << "Addnew2";
        QTest::newRow("Delete in the tree") << "TreeView1" << int(Qt::Key_Delete) << "popDelete";
        QTest::newRow("Enter in the tree") << "TreeView1" << int(Qt::Key_Return) << "popProperties";
    }
    void keysReachTheCommands()
    {
        QFETCH(QString, widget);
        QFETCH(int, key);
        QFETCH(QString, action);
        writeTwoDisks();
        TfrmMain &w = start();
        w.activateWindow();
        w.selectNode(folder("Alpha", "Docs"));
        QAction *a = Action(&w, action);
        // Only that the key reaches the item: the command itself is not run here.
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        QSignalSpy spy(a, &QAction::triggered);
        auto *target = Find<QWidget>(&w, widget);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(spy.count(), 1);
    }

    void errorReportFullStopRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "NULL node in save" << "NULL node in save.";
        QTest::newRow("digit") << "Error 42" << "Error 42.";
        QTest::newRow("full stop") << "Invalid disk listing file." << "Invalid disk listing file.";
        QTest::newRow("exclamation sorts before") << "Unable to find unused filename.!" << "Unable to find unused filename.!";
        QTest::newRow("closing bracket sorts before") << "bad (x)" << "bad (x)";
        QTest::newRow("space sorts before") << "trailing " << "trailing ";
        QTest::newRow("comma sorts before") << "a," << "a,";
        QTest::newRow("slash sorts after") << "cannot open /tmp/" << "cannot open /tmp/.";
        QTest::newRow("colon sorts after") << "Error loading file:" << "Error loading file:.";
        QTest::newRow("accented letter") << QString::fromUtf8("Fehler: Datei ä") << QString::fromUtf8("Fehler: Datei ä.");
        QTest::newRow("empty") << "" << "";
    }
    void errorReportFullStopRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorReportText(message), shown);
        TfrmMain &w = start(false);
        m_prompter->clear();
        w.guarded([&] { throw RackmereError(message.toStdString()); });
        const auto messages = m_prompter->messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].caption, QStringLiteral("Rackmere V1.0"));
        QCOMPARE(messages[0].icon, QMessageBox::Critical);
        QCOMPARE(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(messages[0].text, shown);
    }

    void exitClosesTheWindow()
    {
        TfrmMain &w = start();
        QVERIFY(w.isVisible());
        Action(&w, "mnuExit")->trigger();
        QVERIFY(!w.isVisible());
    }
    // Every command that edits waits for a running Find all to stop before it
    // touches the catalogue; the edit then happens as asked.
    void editsStopFindAllFirst_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("ok");
        QTest::newRow("Disk > Rename") << "mnuRename" << "rkm::TFormRename" << "txtName" << "cmdOK";
        QTest::newRow("tree's Rename") << "popRename" << "rkm::TFormRename" << "txtName" << "cmdOK";
        QTest::newRow("grid's Properties") << "popLstProperties" << "rkm::TfrmListProperties" << "txtDescription"
                                           << "OKBtn";
    }
    void editsStopFindAllFirst()
    {
        QFETCH(QString, action);
        QFETCH(QString, dialog);
        QFETCH(QString, field);
        QFETCH(QString, ok);
        // Big enough that Find all is still reading when the edit comes.
        writeTwoDisks();
        for (int i = 0; i < 4; ++i)
            WriteDisk(m_sandbox->programDir, std::to_string(300 + i) + ".rkm",
                      *MakeDisk("Big" + std::to_string(i), 100000));
        TfrmMain &w = start();
        w.selectNode(folder("Alpha", "Docs"));
        w.setGridEntryIndex(1);
        TfrmResults &results = Child<TfrmResults>(w);
        QStringList events;
        connect(&results, &TfrmResults::searchEnded, &w, [&] { events << "search ended"; });
        QVERIFY(WithDialog<TfrmSearch>([&] { TriggerAction(w, "mnuFind"); },
                                       [](TfrmSearch &d) {
                                           Find<QLineEdit>(&d, "txtSearch")->setText(".txt");
                                           Find<QPushButton>(&d, "cmdFindAll")->click();
                                       }));
        QVERIFY(results.running());

        ModalScript script;
        const QByteArray dialogClass = dialog.toLatin1();
        script.then(dialogClass.constData(), [&](QDialog *d) {
            events << (results.running() ? "edit while searching" : "edit");
            Find<QLineEdit>(d, field)->setText(QStringLiteral("Renamed"));
            Find<QPushButton>(d, ok)->click();
        });
        TriggerAction(w, action);
        QCoreApplication::processEvents();
        ReportUnexpected(script);
        QVERIFY(script.done());

        QCOMPARE(events, QStringList({"search ended", "edit"}));
        QVERIFY2(results.windowTitle().endsWith(QStringLiteral("(stopped)")), qPrintable(results.windowTitle()));
        if (action == QStringLiteral("popLstProperties"))
            QCOMPARE(folder("Alpha", "Docs")->disk().Files.text(1, FT_DESCRIPTION), std::string_view("Renamed"));
        else
            QVERIFY(disk("Renamed") && !disk("Alpha"));
    }
};

QTEST_MAIN(MainCommandsTest)
#include "MainCommands_test.moc"
