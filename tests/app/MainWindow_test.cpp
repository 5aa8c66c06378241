#include "MainWindowFixture.h"
#include "service/Project.h"

#include "platform/TextValues.h"

#include "app/CatalogTreeModel.h"
#include "app/Frmsplash.h"
#include "app/Mainfrm.h"
#include "catalog/Errors.h"
#include "catalog/ListingFile.h"
#include "gui/ErrorReport.h"
#include "gui/QueuedPrompter.h"
#include "service/Settings.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace rkm;
using namespace rkm::test;

class MainWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void emptyProgramDirectory()
    {
        TfrmMain &w = start();
        // The sandbox's catalogue is not in the usual folder: the title names it.
        QString folder = QString::fromStdString(m_sandbox->programDir);
        folder.chop(1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Rackmere \u2013 ") + folder);
        QCOMPARE(Tree(w)->model()->rowCount(), 0);
        QCOMPARE(Grid(w)->model()->rowCount(), 1);
        QCOMPARE(gridRow(0), QStringList({"", "", "", "", ""}));
        QCOMPARE(w.statusText(), QString());
        QVERIFY(!Action(&w, "mnuFind")->isEnabled());
        QVERIFY(!Action(&w, "mnuFindNext")->isEnabled());
        for (QAction *a : selectionCommands())
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(!w.currentNode());
        QVERIFY(!w.currentDisk());
        QCOMPARE(m_prompter->calls.size(), 0);
    }

    void gridHeaders()
    {
        TfrmMain &w = start();
        const QStringList expected = {"Filename", "Description", "Date", "Size", "Category"};
        QAbstractItemModel *m = Grid(w)->model();
        QCOMPARE(m->columnCount(), 5);
        for (int c = 0; c < 5; ++c)
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), expected[c]);
        QCOMPARE(Grid(w)->verticalHeader()->defaultSectionSize(), 16);
        QCOMPARE(Grid(w)->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(Grid(w)->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(Grid(w)->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        QCOMPARE(Tree(w)->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(Tree(w)->indentation(), 19);
        QCOMPARE(Splitter(w)->handleWidth(), 10);
        QVERIFY(!w.windowIcon().isNull());
    }

    void startWithListings()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        // The tree shows the disks in the catalogue's order (by name).
        QAbstractItemModel *m = Tree(w)->model();
        QCOMPARE(m->rowCount(), 2);
        for (int r = 0; r < 2; ++r)
            QCOMPARE(m->index(r, 0).data().toString(),
                     QString::fromStdString(m_sandbox->store->Tree().disk(r)->text()));
        const QModelIndex alpha = w.treeModel()->indexOf(disk("Alpha"));
        QCOMPARE(m->rowCount(alpha), 3);
        QCOMPARE(m->index(0, 0, alpha).data().toString(), QStringLiteral("Docs"));
        // No selection; Find enabled; the selection commands not.
        QVERIFY(!Tree(w)->selectionModel()->hasSelection());
        QVERIFY(!w.currentNode());
        QCOMPARE(w.statusText(), QString());
        QVERIFY(Action(&w, "mnuFind")->isEnabled());
        QVERIFY(Action(&w, "mnuFindNext")->isEnabled());
        for (QAction *a : selectionCommands())
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QCOMPARE(m_prompter->calls.size(), 0);
    }

    void brokenListingsAreReportedInOneMessage()
    {
        writeTwoDisks();
        const std::string dir = m_sandbox->programDir;
        // One listing cut short, one whose first text claims to be huge.
        const std::string whole = WriteListing(*MakeDisk("Gamma", 5, {{"Sub", 4}}), 7);
        WriteBytes(dir + "300.rkm", whole.substr(0, whole.size() / 2));
        WriteBytes(dir + "400.rkm", whole.substr(0, 12) + std::string("\xff\xff\xff\x7f", 4) + "abc");
        TfrmMain &w = start(false);
        const auto messages = m_prompter->messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].caption, QString::fromLatin1(APP_TITLE)); // not the title, which may name the folder
        QCOMPARE(messages[0].icon, QMessageBox::Warning);
        QCOMPARE(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QStringList lines = messages[0].text.split('\n');
        lines.sort();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("Error loading file: 300.rkm (at byte "), qPrintable(lines[0]));
        QCOMPARE(lines[1], QString("Error loading file: 400.rkm (at byte 12: a text of 2,147,483,647 bytes, more than "
                                   "any listing holds)"));
        // The good listings are all there.
        QCOMPARE(Tree(w)->model()->rowCount(), 2);
        QVERIFY(disk("Alpha") && disk("Beta"));
    }

    void brokenCategoryFileIsReported()
    {
        writeTwoDisks();
        // A folder where the category file should be cannot be read.
        QVERIFY(QDir().mkpath(QString::fromStdString(m_sandbox->programDir + "DATA.CAT")));
        start(false);
        const auto messages = m_prompter->messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].text.contains("DATA.CAT"), qPrintable(messages[0].text));
    }

    void splashStaysForItsLeastTime()
    {
        TfrmSplash::setMinimumMillisecondsForTests(400);
        QElapsedTimer t;
        t.start();
        TfrmMain &w = start(false);
        QVERIFY2(t.elapsed() >= 400, qPrintable(QString::number(t.elapsed())));
        // High-colour display: the high-colour pictures, in the tree and on the splash.
        QVERIFY(w.usesHighColourImages());
        auto *splash = w.findChild<TfrmSplash *>();
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->m_pImage16m->isVisibleTo(splash));
        QVERIFY(!splash->m_pImage256->isVisibleTo(splash));
        QCOMPARE(Find<QLabel>(splash, "Label1")->text(), QStringLiteral("Loading..."));
        QCOMPARE(splash->size(), QSize(330, 220));
        // Showing the main window removes the splash.
        w.show();
        QTRY_VERIFY(!w.findChild<TfrmSplash *>());
    }

    void splashIsHiddenBeforeALoadError()
    {
        // A prompter that looks at the splash when the message comes.
        struct Watching final : Prompter {
            bool splashVisible = true;
            int messages = 0;
            QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon, const QString &, const QString &,
                                                QMessageBox::StandardButtons, QMessageBox::StandardButton) override
            {
                ++messages;
                auto *splash = parent ? parent->findChild<TfrmSplash *>() : nullptr;
                splashVisible = splash && splash->isVisible();
                return QMessageBox::Ok;
            }
            void beep() override {}
            QString existingDirectory(QWidget *, const QString &, const QString &) override { return {}; }
            bool choosePrinter(QWidget *, QPrinter *) override { return false; }
            bool openUrl(const QUrl &) override { return false; }
        } watching;
        const std::string whole = WriteListing(*MakeDisk("Cut", 3), 1);
        WriteBytes(m_sandbox->programDir + "1.rkm", whole.substr(0, whole.size() - 5));
        setPrompter(&watching);
        start(false);
        setPrompter(m_prompter.get());
        QCOMPARE(watching.messages, 1);
        QVERIFY(!watching.splashVisible);
    }

    void firstStartGeometryDefaults()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        // At least 960 x 600 where the screen has the room, inside it and in its middle.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = w.frameGeometry();
        QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height())));
        QVERIFY(frame.width() >= std::min(960, area.width()) && frame.height() >= std::min(600, area.height()));
        QVERIFY(std::abs(frame.center().x() - area.center().x()) <= 1);
        // (a window whose least height is more than asked grows downwards by those few pixels)
        QVERIFY2(std::abs(frame.center().y() - area.center().y()) <= 4, qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                                       .arg(frame.x())
                                                                                       .arg(frame.y())
                                                                                       .arg(frame.width())
                                                                                       .arg(frame.height())));
        QCOMPARE(Tree(w)->width(), 188);
        for (int c : {0, 2, 3, 4})
            QCOMPARE(Grid(w)->columnWidth(c), 85);
        // The Description column spans the rest of the grid, less 10.
        QCOMPARE(Grid(w)->columnWidth(1), Grid(w)->viewport()->width() - 4 * 85 - 10);
    }

    void storedGeometryRestoredAndStoredAgain()
    {
        const struct {
            const char *key;
            int value;
        } stored[] = {{"Top", 40},   {"Left", 30},  {"Width", 700}, {"Height", 500}, {"TWidth", 250},
                      {"ColW0", 120}, {"ColW1", 90}, {"ColW2", 70},  {"ColW3", 60},   {"ColW4", 50}};
        for (const auto &s : stored)
            SetSettingInt(s.key, s.value);
        TfrmMain &w = start();
        QCOMPARE(w.pos(), QPoint(30, 40));
        QCOMPARE(w.size(), QSize(700, 500));
        QCOMPARE(Tree(w)->width(), 250);
        const int cols[] = {120, 0, 70, 60, 50};
        for (int c : {0, 2, 3, 4})
            QCOMPARE(Grid(w)->columnWidth(c), cols[c]);
        // FormResize widened the Description column: the others leave room.
        QCOMPARE(Grid(w)->columnWidth(1), Grid(w)->viewport()->width() - 300 - 10);

        w.move(70, 80);
        w.resize(700, 420);
        Grid(w)->setColumnWidth(4, 111);
        QCoreApplication::processEvents();
        const int tree = Tree(w)->width();
        const int col1 = Grid(w)->columnWidth(1);
        m_sandbox->main.reset(); // shutdown stores the settings
        QCOMPARE(GetSettingInt("Left", -1), 70);
        QCOMPARE(GetSettingInt("Top", -1), 80);
        QCOMPARE(GetSettingInt("Width", -1), 700);
        QCOMPARE(GetSettingInt("Height", -1), 420);
        QCOMPARE(GetSettingInt("TWidth", -1), tree);
        QCOMPARE(GetSettingInt("ColW4", -1), 111);
        QCOMPARE(GetSettingInt("ColW1", -1), col1);
    }

    // A place stored on a larger monitor, at another scale or on a screen
    // that is gone: the whole window opens inside the screen's available
    // area, status line included.
    void storedPlaceFittedIntoTheScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QSize>("size"); // the window's size, when it is kept
        QTest::newRow("from a larger monitor") << QRect(1500, 900, 2800, 1800) << QSize();
        QTest::newRow("off every screen") << QRect(9000, -9000, 640, 370) << QSize(640, 370);
        QTest::newRow("overhanging the corner") << QRect(700, 500, 400, 300) << QSize(400, 300);
    }
    void storedPlaceFittedIntoTheScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(QSize, size);
        SetSettingInt("Left", stored.x());
        SetSettingInt("Top", stored.y());
        SetSettingInt("Width", stored.width());
        SetSettingInt("Height", stored.height());
        TfrmMain &w = start();
        const QRect area = w.screen()->availableGeometry();
        QVERIFY2(area.contains(w.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                  .arg(w.frameGeometry().x())
                                                                  .arg(w.frameGeometry().y())
                                                                  .arg(w.frameGeometry().width())
                                                                  .arg(w.frameGeometry().height())));
        QStatusBar *status = w.findChild<QStatusBar *>("StatusBar1");
        QVERIFY(area.contains(QRect(status->mapToGlobal(QPoint(0, 0)), status->size())));
        if (size.isValid())
            QCOMPARE(w.size(), size);
        else
            QCOMPARE(w.frameGeometry().size(), area.size()); // as large as the screen allows
    }

    void formResizeRule()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        // When the other columns fill the grid, Description keeps its width.
        for (int c : {0, 2, 3, 4})
            Grid(w)->setColumnWidth(c, 200);
        Grid(w)->setColumnWidth(1, 33);
        w.resize(650, 380);
        QCoreApplication::processEvents();
        QCOMPARE(Grid(w)->columnWidth(1), 33);
        // When they leave room, it grows and shrinks with the window.
        for (int c : {0, 2, 3, 4})
            Grid(w)->setColumnWidth(c, 40);
        for (int width : {900, 700, 1000}) {
            w.resize(width, 380);
            QCoreApplication::processEvents();
            QCOMPARE(Grid(w)->columnWidth(1), Grid(w)->viewport()->width() - 160 - 10);
        }
    }

    void nameColumnTakesTheRoomNamesNeed()
    {
        auto names = MakeDisk("Names", 3, {{"Long", 2}});
        names->child(0)->disk().Files.setText(1, FT_NAME, std::string(200, 'n') + ".txt");
        WriteDisk(m_sandbox->programDir, "300.rkm", *names);
        TfrmMain &w = start();
        w.resize(1000, 500);
        QTableView *grid = Grid(w);
        grid->setColumnWidth(FT_CATEGORY, 70);
        const auto total = [grid] {
            int sum = 0;
            for (int c = 0; c < 5; ++c)
                sum += grid->columnWidth(c);
            return sum;
        };
        // Short names are shown whole, not in a column of 85 pixels.
        w.selectNode(disk("Names"));
        const QFontMetrics metrics(grid->font());
        for (int row = 0; row < 3; ++row)
            QVERIFY(grid->columnWidth(FT_NAME) >
                    metrics.horizontalAdvance(grid->model()->index(row, 0).data().toString()));
        QVERIFY(grid->columnWidth(FT_NAME) < grid->viewport()->width() / 2);
        QCOMPARE(grid->columnWidth(FT_CATEGORY), 70);
        QCOMPARE(total(), grid->viewport()->width() - 10);
        // A name longer than half the grid takes half, and Description the rest.
        w.selectNode(folder("Names", "Long"));
        QCOMPARE(grid->columnWidth(FT_NAME), grid->viewport()->width() / 2);
        QCOMPARE(grid->columnWidth(FT_CATEGORY), 70);
        QCOMPARE(total(), grid->viewport()->width() - 10);
    }

    void descriptionColumnNearTheEdge_data()
    {
        // Room the other columns leave in the grid; the Description column's width.
        QTest::addColumn<int>("room");
        QTest::addColumn<bool>("followsTheRule");
        QTest::newRow("plenty of room") << 200 << true;
        QTest::newRow("just enough") << 10 + 60 << true;
        QTest::newRow("exactly 10 left") << 10 << false;
        QTest::newRow("5 left") << 5 << false;
        QTest::newRow("1 left") << 1 << false;
    }
    void descriptionColumnNearTheEdge()
    {
        QFETCH(int, room);
        QFETCH(bool, followsTheRule);
        TfrmMain &w = start();
        QTableView *grid = Grid(w);
        const int least = grid->horizontalHeader()->minimumSectionSize();
        QVERIFY(least > 0 && least < 60);
        const int gridWidth = grid->viewport()->width();
        for (int c : {0, 2, 3})
            grid->setColumnWidth(c, 40);
        grid->setColumnWidth(4, gridWidth - room - 3 * 40);
        QCOMPARE(grid->columnWidth(4), gridWidth - room - 3 * 40);
        QCOMPARE(grid->viewport()->width(), gridWidth);
        // The grid's viewport is told its size again, as when the window is resized.
        QResizeEvent resize(grid->viewport()->size(), grid->viewport()->size());
        QCoreApplication::sendEvent(grid->viewport(), &resize);
        // The column never vanishes: within the last 10 pixels it keeps the least width.
        QCOMPARE(grid->columnWidth(1), followsTheRule ? room - 10 : least);
    }

    void shutdownSavesModifiedListings()
    {
        writeTwoDisks();
        TfrmMain &w = start(false);
        TreeNode *beta = disk("Beta");
        beta->disk().Comment = "annotated";
        beta->disk().SetModified(true);
        (void)w;
        m_sandbox->main.reset();
        CatalogStore again(m_sandbox->programDir);
        QVERIFY(again.LoadCatalog().empty());
        QCOMPARE(again.Tree().findByName("Beta")->disk().Comment, std::string("annotated"));
    }

    void selectionCases_data()
    {
        QTest::addColumn<QString>("diskName");
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<int>("gridRows");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("firstFile");
        QTest::newRow("folder with 3 files") << "Alpha"
                                             << "Docs" << 3 << "3 items listed"
                                             << "Docs-file0.txt";
        QTest::newRow("folder without files") << "Alpha"
                                              << "Empty" << 1 << "0 items listed"
                                              << "";
        QTest::newRow("disk lists only its root files") << "Alpha"
                                                        << "" << 2 << "2 items listed"
                                                        << "Alpha-file0.txt";
        QTest::newRow("other disk") << "Beta"
                                    << "" << 1 << "1 items listed"
                                    << "Beta-file0.txt";
    }
    void selectionCases()
    {
        QFETCH(QString, diskName);
        QFETCH(QString, folderName);
        QFETCH(int, gridRows);
        QFETCH(QString, status);
        QFETCH(QString, firstFile);
        writeTwoDisks();
        TfrmMain &w = start();
        TreeNode *d = disk(diskName.toUtf8().constData());
        TreeNode *n = folderName.isEmpty() ? d : folder(diskName.toUtf8().constData(), folderName.toUtf8().constData());
        QVERIFY(n);
        w.selectNode(n);
        QCOMPARE(w.currentNode(), n);
        QCOMPARE(w.currentDisk(), &d->disk());
        QCOMPARE(Grid(w)->model()->rowCount(), gridRows);
        QCOMPARE(w.statusText(), status);
        QCOMPARE(gridRow(0)[0], firstFile);
        if (!firstFile.isEmpty()) {
            const FileEntryView e = n->disk().Files.entry(0);
            QCOMPARE(gridRow(0)[3], QString::fromStdString(platform::ShownSize(e[FT_SIZE])));
        }
        for (QAction *a : selectionCommands())
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        // The tree follows: the node is selected there too.
        QCOMPARE(w.treeModel()->nodeOf(Tree(w)->currentIndex()), n);
    }

    void clearingTheSelection()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        w.selectNode(folder("Alpha", "Docs"));
        w.selectNode(nullptr);
        QVERIFY(!w.currentNode());
        QVERIFY(!w.currentDisk());
        QCOMPARE(Grid(w)->model()->rowCount(), 1);
        QCOMPARE(gridRow(0), QStringList({"", "", "", "", ""}));
        QCOMPARE(w.statusText(), QString());
        for (QAction *a : selectionCommands())
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(Action(&w, "mnuFind")->isEnabled());
        QVERIFY(Action(&w, "mnuFindNext")->isEnabled());
    }

    void replacingTheSelectedDisk()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        w.selectNode(folder("Alpha", "Docs"));
        TreeNode *fresh = m_sandbox->store->ReplaceDisk(disk("Alpha"), MakeDisk("Alpha2", 4));
        QVERIFY(!w.currentNode());
        QCOMPARE(fresh->row(), m_sandbox->store->Tree().findByName("Alpha2")->row());
        w.selectNode(fresh);
        QCOMPARE(w.statusText(), QStringLiteral("4 items listed"));
        QCOMPARE(Tree(w)->model()->index(fresh->row(), 0).data().toString(), QStringLiteral("Alpha2"));
    }

    void rightClickInTheTree()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        TreeNode *beta = disk("Beta");
        w.selectNode(folder("Alpha", "Docs"));
        const QRect r = Tree(w)->visualRect(w.treeModel()->indexOf(beta));
        QVERIFY(r.isValid());
        QTest::mousePress(Tree(w)->viewport(), Qt::RightButton, {}, r.center());
        closePopups();
        QCOMPARE(w.currentNode(), beta);
        QCOMPARE(w.statusText(), QStringLiteral("1 items listed"));
        // Empty space below the nodes keeps the selection.
        const QPoint below(5, Tree(w)->viewport()->height() - 3);
        QVERIFY(!Tree(w)->indexAt(below).isValid());
        QTest::mousePress(Tree(w)->viewport(), Qt::RightButton, {}, below);
        closePopups();
        QCOMPARE(w.currentNode(), beta);
    }

    void rightClickInTheGrid()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        w.selectNode(folder("Alpha", "Many"));
        // A refilled grid has no current row.
        QCOMPARE(w.gridEntryIndex(), -1);
        QTableView *grid = Grid(w);
        // Grid row 5 (under the header) is file entry 4.
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, grid->visualRect(grid->model()->index(4, 2)).center());
        closePopups();
        QCOMPARE(w.gridEntryIndex(), 4);
        QVERIFY(grid->selectionModel()->isRowSelected(4, {}));
        // On the header row the selection stays.
        QTest::mousePress(grid->horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
        closePopups();
        QCOMPARE(w.gridEntryIndex(), 4);
        // Below the last row the selection stays too.
        const QPoint below(10, grid->viewport()->height() - 2);
        QVERIFY(!grid->indexAt(below).isValid());
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, below);
        closePopups();
        QCOMPARE(w.gridEntryIndex(), 4);
        // The left button is the grid's own.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 0)).center());
        QCOMPARE(w.gridEntryIndex(), 2);
    }

    void gridEntryIndexOnEmptyFolder()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        w.selectNode(folder("Alpha", "Empty"));
        QCOMPARE(w.gridEntryIndex(), -1);
        w.selectNode(folder("Alpha", "Docs"));
        w.setGridEntryIndex(2);
        QCOMPARE(w.gridEntryIndex(), 2);
        w.setGridEntryIndex(-1);
        QCOMPARE(w.gridEntryIndex(), -1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindow_test.moc"
