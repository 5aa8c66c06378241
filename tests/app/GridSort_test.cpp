// Sorting the file grid by a column's header: the three clicks, the values of
// size and date texts, the rows mapped to their entries for every command
// that uses the current row, and the choice kept with the window settings.
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QTest>

#include "app/CatalogTreeModel.h"
#include "app/Mainfrm.h"
#include "gui/QueuedPrompter.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmsearch.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace rkm;
using namespace rkm::test;

namespace {

std::string ShortDate(int y, int m, int d)
{
    return QLocale::system().toString(QDate(y, m, d), QLocale::ShortFormat).toStdString();
}

// Entries in stored order: name, date, size.
struct Row {
    const char *name;
    std::string date;
    const char *size;
};

} // namespace

class GridSortTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<QueuedPrompter> m_prompter;
    std::string m_listing;

    TfrmMain &start()
    {
        m_sandbox->Open();
        m_sandbox->main->show();
        if (!QTest::qWaitForWindowExposed(m_sandbox->main.get()))
            qWarning("main window not exposed");
        m_sandbox->main->selectNode(m_sandbox->store->Tree().disk(0));
        return *m_sandbox->main;
    }
    QStringList column(int c) const
    {
        QStringList out;
        QAbstractItemModel *m = Grid(*m_sandbox->main)->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, c).data().toString();
        return out;
    }
    void clickHeader(int section)
    {
        QHeaderView *h = Grid(*m_sandbox->main)->horizontalHeader();
        const QPoint at(h->sectionViewportPosition(section) + h->sectionSize(section) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        m_prompter = std::make_unique<QueuedPrompter>();
        auto disk = MakeDiskNode("Disk");
        disk->disk().RootPath = "/media/disk";
        const Row rows[] = {
            {"b10.txt", ShortDate(2020, 3, 1), "2 Kb"},
            {"B2.txt", "31.12.1999", "1024 bytes"},
            {"a.txt", "no date", "17 bytes"},
            {"c.txt", ShortDate(2001, 7, 9), "3145728 Kb"},
            {"d.txt", ShortDate(2020, 3, 1), "?"},
        };
        for (const Row &s : rows)
            disk->disk().Files.append(FileEntry{s.name, "", s.date, s.size, ""});
        WriteDisk(m_sandbox->programDir, "5.rkm", *disk);
        m_listing = ReadBytes(m_sandbox->programDir + "5.rkm");
    }
    void cleanup()
    {
        m_sandbox->main.reset();
        m_sandbox->store.reset();
        m_prompter.reset();
        m_sandbox.reset();
    }

    void threeClicksSortReverseAndRestore_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QStringList>("ascending");
        QTest::addColumn<QStringList>("descending");
        const QStringList stored = {"b10.txt", "B2.txt", "a.txt", "c.txt", "d.txt"};
        // Texts that are no size or date stay last both ways; equal values
        // keep the stored order.
        QTest::newRow("size") << 3 << QStringList{"a.txt", "B2.txt", "b10.txt", "c.txt", "d.txt"}
                              << QStringList{"c.txt", "b10.txt", "B2.txt", "a.txt", "d.txt"};
        QTest::newRow("date") << 2 << QStringList{"B2.txt", "c.txt", "b10.txt", "d.txt", "a.txt"}
                              << QStringList{"b10.txt", "d.txt", "c.txt", "B2.txt", "a.txt"};
        QTest::newRow("name, natural order") << 0 << QStringList{"a.txt", "B2.txt", "b10.txt", "c.txt", "d.txt"}
                                             << QStringList{"d.txt", "c.txt", "b10.txt", "B2.txt", "a.txt"};
    }
    void threeClicksSortReverseAndRestore()
    {
        QFETCH(int, section);
        QFETCH(QStringList, ascending);
        QFETCH(QStringList, descending);
        TfrmMain &w = start();
        QHeaderView *h = Grid(w)->horizontalHeader();
        const QStringList stored = column(0);
        QCOMPARE(stored, QStringList({"b10.txt", "B2.txt", "a.txt", "c.txt", "d.txt"}));
        QVERIFY(!h->isSortIndicatorShown() || h->sortIndicatorSection() < 0);

        clickHeader(section);
        QCOMPARE(column(0), ascending);
        QVERIFY(h->isSortIndicatorShown());
        QCOMPARE(h->sortIndicatorSection(), section);
        QCOMPARE(h->sortIndicatorOrder(), Qt::AscendingOrder);
        clickHeader(section);
        QCOMPARE(column(0), descending);
        QCOMPARE(h->sortIndicatorOrder(), Qt::DescendingOrder);
        clickHeader(section);
        QCOMPARE(column(0), stored);
        QVERIFY(h->sortIndicatorSection() < 0);

        // Only the rows moved: the listing is not modified, its file not touched.
        QVERIFY(!m_sandbox->store->Tree().disk(0)->disk().IsModified());
        QCOMPARE(m_sandbox->store->Tree().disk(0)->disk().Files.text(0, FT_NAME), std::string_view("b10.txt"));
        m_sandbox->main.reset();
        QCOMPARE(ReadBytes(m_sandbox->programDir + "5.rkm"), m_listing);
    }

    void theCurrentRowMeansItsEntryForEveryCommand()
    {
        TfrmMain &w = start();
        clickHeader(3); // by size: a, B2, b10, c, d
        clickHeader(3); // reversed: c, b10, B2, a, d
        QCOMPARE(column(0).first(), QStringLiteral("c.txt"));
        // Row 0 shows entry 3 (c.txt) and entry 3 shows in row 0.
        w.setGridEntryIndex(3);
        QCOMPARE(Grid(w)->currentIndex().row(), 0);
        QCOMPARE(w.gridEntryIndex(), 3);

        // File entry properties open for the entry the row shows; the edit
        // lands on that entry and the row shows it.
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TfrmListProperties *>(QApplication::activeModalWidget());
            QVERIFY(d);
            shown = Find<QLabel>(d, "lblFilename")->text() == QStringLiteral("c.txt");
            Find<QLineEdit>(d, "txtDescription")->setText(QStringLiteral("the big one"));
            Find<QPushButton>(d, "OKBtn")->click();
        });
        TriggerAction(w, "popLstProperties");
        QVERIFY(shown);
        const FileList &files = m_sandbox->store->Tree().disk(0)->disk().Files;
        QCOMPARE(files.text(3, FT_DESCRIPTION), std::string_view("the big one"));
        QCOMPARE(Grid(w)->model()->index(0, 1).data().toString(), QStringLiteral("the big one"));
        QCOMPARE(w.gridEntryIndex(), 3);

        // Find next goes on after the current entry in the stored order.
        w.setGridEntryIndex(1);
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TfrmSearch *>(QApplication::activeModalWidget());
            QVERIFY(d);
            Find<QLineEdit>(d, "txtSearch")->setText(QStringLiteral(".txt"));
            Find<QPushButton>(d, "OKBtn")->click();
        });
        TriggerAction(w, "mnuFind");
        QCOMPARE(w.gridEntryIndex(), 0);
        QCOMPARE(Grid(w)->currentIndex().row(), 1); // b10.txt
        TriggerAction(w, "mnuFindNext");
        QCOMPARE(w.gridEntryIndex(), 1);
        QCOMPARE(Grid(w)->currentIndex().row(), 2); // B2.txt

        // Another folder is shown sorted the same way, without a current row.
        w.selectNode(nullptr);
        w.selectNode(m_sandbox->store->Tree().disk(0));
        QCOMPARE(column(0).first(), QStringLiteral("c.txt"));
        QCOMPARE(w.gridEntryIndex(), -1);
    }

    void sortKeptWithTheWindowSettings()
    {
        start();
        clickHeader(2);
        clickHeader(2);
        m_sandbox->main.reset();
        TfrmMain &w = start();
        QHeaderView *h = Grid(w)->horizontalHeader();
        QCOMPARE(h->sortIndicatorSection(), 2);
        QCOMPARE(h->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(column(0), QStringList({"b10.txt", "d.txt", "c.txt", "B2.txt", "a.txt"}));
        // The third click clears it for the next start too.
        clickHeader(2);
        m_sandbox->main.reset();
        start();
        QCOMPARE(column(0), QStringList({"b10.txt", "B2.txt", "a.txt", "c.txt", "d.txt"}));
        QCOMPARE(Grid(*m_sandbox->main)->model()->headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(Grid(*m_sandbox->main)->model()->index(0, 3).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
    }
};

QTEST_MAIN(GridSortTest)
#include "GridSort_test.moc"
