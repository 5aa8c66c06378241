// Find all, its results panel, the search dialog's filters, and Find
// duplicates, through the main window as a user drives them.
#include "search/ui/SearchUiSupport.h"

#include "catalog/EntryOrder.h"
#include "search/ui/Frmduplicatelist.h"
#include "search/ui/Frmduplicates.h"
#include "search/ui/Frmresults.h"
#include "search/ui/Frmsearch.h"
#include "scan/ui/Frmcompare.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>

using namespace rkm;
using namespace rkm::test;
using namespace rkm::searchtest;

namespace {

void Add(TreeNode *n, std::string name, std::string size, std::string date, std::string desc = {})
{
    n->disk().Files.append(FileEntry{std::move(name), std::move(desc), std::move(date), std::move(size), ""});
}

} // namespace

class FindAllTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<QueuedPrompter> m_prompter;
    CatalogStore *m_store = nullptr;
    TfrmMain *m_main = nullptr;

    TfrmResults &results() { return Child<TfrmResults>(*m_main); }

    // Opens the Search dialog, fills it, and presses `button`.
    bool find(const std::function<void(TfrmSearch &)> &fill, const char *button = "cmdFindAll", bool next = false)
    {
        m_prompter->clear();
        return WithDialog<TfrmSearch>([&] { next ? TriggerAction(*m_main, "mnuFindNext") : TriggerAction(*m_main, "mnuFind"); },
                                      [&](TfrmSearch &d) {
                                          if (fill)
                                              fill(d);
                                          Find<QPushButton>(&d, button)->click();
                                      });
    }
    static void text(TfrmSearch &d, const QString &t, bool wildcards = false)
    {
        Find<QLineEdit>(&d, "txtSearch")->setText(t);
        Find<QCheckBox>(&d, "chkWildcards")->setChecked(wildcards);
    }
    // The search's matches as "path" or "path#entry".
    static QString Where(const TreeNode *n, int entry)
    {
        QString path;
        for (const TreeNode *p = n; p; p = p->parent())
            path = QString::fromStdString(p->text()) + (path.isEmpty() ? "" : "/") + path;
        return entry < 0 ? path : path + "#" + QString::number(entry);
    }
    // The rows once the search is over (none if it does not end).
    QStringList rows()
    {
        QElapsedTimer t;
        t.start();
        while (results().running() && t.elapsed() < 10000)
            QTest::qWait(5);
        QStringList out;
        if (results().running())
            return out;
        for (const SearchHit &h : results().model().shownHits())
            out << Where(h.node, h.entry);
        return out;
    }
    // The main window anew over the program folder as it is.
    void reopen()
    {
        m_sandbox->main.reset(); // the window goes before the catalogue it shows
        m_main = &m_sandbox->Open();
        m_store = m_sandbox->store.get();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    QString cell(int row, int column) { return results().model().index(row, column).data().toString(); }

private slots:
    void init()
    {
        m_prompter = std::make_unique<QueuedPrompter>();
        m_sandbox = std::make_unique<Sandbox>();
        const std::string dir = m_sandbox->programDir;
        WriteSample(dir, "/media/Work");
        // A third listing, made where dates are written month first.
        auto old = MakeDiskNode("Old");
        old->disk().RootPath = "/media/Old";
        Add(old.get(), "Big.avi", "716800 Kb", "12/31/2023");
        Add(old.get(), "tiny.txt", "10 bytes", "01/13/2024", "read me");
        Add(old->appendChild("Reads"), "two.txt", "2 Kb", "02/29/2024");
        WriteDisk(dir, "300.rkm", *old);
        reopen();
    }
    void cleanup()
    {
        m_sandbox.reset();
        m_prompter.reset();
    }

    // The rows of Find all are the matches of Find and repeated Find next.
    void findAllAgreesWithRepeatedFindNext()
    {
        const std::vector<std::function<void(TfrmSearch &)>> searches = {
            [](TfrmSearch &d) { text(d, "read"); },
            [](TfrmSearch &d) { text(d, "*.t?t", true); },
            [](TfrmSearch &d) {
                text(d, "");
                Find<QLineEdit>(&d, "txtSizeFrom")->setText("2");
                Find<QComboBox>(&d, "cboSizeFromUnit")->setCurrentIndex(1); // KB
            },
        };
        for (const auto &fill : searches) {
            QVERIFY(find(fill));
            const QStringList all = rows();
            QVERIFY(!all.isEmpty());
            QStringList stepped;
            QVERIFY(find(fill, "OKBtn"));
            while (m_prompter->messages().isEmpty() && stepped.size() < 50) {
                stepped << Where(m_main->currentNode(), m_main->gridEntryIndex());
                QVERIFY(!find({}, "OKBtn", true));
            }
            QCOMPARE(all, stepped);
        }
    }

    // The panel sorts a folder's files as the grid does (the same keys and
    // rule, EntryOrder), in both directions, odd texts included; a folder's
    // own row has no size or date and goes last.
    void panelSortsAsTheGrid()
    {
        auto disk = MakeDiskNode("Odd");
        Add(disk.get(), "IMG_10.jpg", "1 Kb", "31.12.1999", "Zebra 2");
        Add(disk.get(), "img_9.jpg", "1024 bytes", "05.06.2024", "zebra 10");
        Add(disk.get(), "b.txt", "-1294967296 bytes", "2024-06-04", "");
        Add(disk.get(), "B.txt", "1,234 bytes", "garbage", "apple");
        Add(disk.get(), "c.txt", "5 MB", "", "Apple");
        Add(disk.get(), "d.txt", "garbage", "9 Dec 2026", "\xE9t\xE9");
        Add(disk.get(), "e.txt", "", "1/2/29", "\xC3\xA9t\xC3\xA9 2");
        Add(disk.get(), "f.txt", "12 KB", "13.01.2020", "\xC3\x89T\xC3\x89 10");
        const int files = disk->disk().Files.count();
        std::vector<SearchHit> hits{{disk.get(), -1}};
        for (int i = 0; i < files; ++i)
            hits.push_back({disk.get(), i});
        ResultsModel model;
        model.append(hits);
        const std::pair<int, int> columns[] = {{ResultsModel::COL_NAME, FT_NAME},
                                               {ResultsModel::COL_SIZE, FT_SIZE},
                                               {ResultsModel::COL_DATE, FT_DATE},
                                               {ResultsModel::COL_DESCRIPTION, FT_DESCRIPTION}};
        for (const auto &[column, field] : columns) {
            for (const bool descending : {false, true}) {
                model.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
                std::vector<int> shown;
                for (const SearchHit &h : model.shownHits())
                    if (h.entry >= 0)
                        shown.push_back(h.entry);
                const std::vector<int> grid =
                    SortedEntries(disk->disk().Files, field, descending, DateOrderOfListing(*disk));
                QCOMPARE(shown, grid);
                if (column != ResultsModel::COL_SIZE && column != ResultsModel::COL_DATE)
                    continue;
                // The folder's row heads the rows without a key (it came first).
                int keyed = 0;
                for (int i = 0; i < files; ++i) {
                    const std::string_view t = disk->disk().Files.text(i, field);
                    keyed += (field == FT_SIZE ? SizeSortKey(t).has_value()
                                               : DateSortKey(t, DateOrderOfListing(*disk)).has_value())
                                 ? 1
                                 : 0;
                }
                QCOMPARE(model.hitAt(keyed).entry, -1);
            }
        }
    }

    void panelCountsSortsByValueAndShowsAMatch()
    {
        // Every file name holds a full stop, no folder name does.
        QVERIFY(find([](TfrmSearch &d) { text(d, "."); }));
        const QStringList all = rows();
        QCOMPARE(all.size(), 9);
        QVERIFY(results().isVisible());
        QCOMPARE(results().windowTitle(), QStringLiteral("Find all: %1 matches").arg(all.size()));
        const int n = static_cast<int>(all.size());

        // Size by value: "10 bytes" < "2 Kb" < "12 Kb" < "716800 Kb", folders first.
        QHeaderView *header = results().view().horizontalHeader();
        header->setSortIndicator(ResultsModel::COL_SIZE, Qt::AscendingOrder);
        QStringList sizes;
        for (int r = 0; r < n; ++r)
            if (!cell(r, ResultsModel::COL_SIZE).isEmpty())
                sizes << cell(r, ResultsModel::COL_SIZE);
        // Shown as the grid shows them.
        QCOMPARE(sizes.first(), QStringLiteral("10 bytes"));
        QCOMPARE(sizes.last(), QStringLiteral("700 MB"));
        QVERIFY(sizes.indexOf(QStringLiteral("2.0 KB")) < sizes.indexOf(QStringLiteral("12.0 KB")));
        // Dates by the day, each listing read in its own order.
        header->setSortIndicator(ResultsModel::COL_DATE, Qt::DescendingOrder);
        QCOMPARE(cell(0, ResultsModel::COL_DATE), QStringLiteral("02/29/2024"));
        QCOMPARE(cell(1, ResultsModel::COL_DATE), QStringLiteral("01/13/2024"));
        // Names as people read them, letter case aside.
        header->setSortIndicator(ResultsModel::COL_NAME, Qt::AscendingOrder);
        QCOMPARE(cell(0, ResultsModel::COL_NAME), QStringLiteral("Big.avi"));
        QCOMPARE(cell(1, ResultsModel::COL_NAME), QStringLiteral("notes.txt"));
        QCOMPARE(cell(n - 1, ResultsModel::COL_NAME), QStringLiteral("two.txt"));
        // Clearing the sort gives back Find next's order.
        header->setSortIndicator(-1, Qt::AscendingOrder);
        QStringList again;
        for (const SearchHit &h : results().model().shownHits())
            again << Where(h.node, h.entry);
        QCOMPARE(again, all);

        // Enter on a row selects its match as Find next does.
        const int row = static_cast<int>(all.indexOf(QStringLiteral("Old/Reads#0")));
        QVERIFY(row >= 0);
        results().view().setFocus();
        results().view().setCurrentIndex(results().model().index(row, 0));
        QTest::keyClick(&results().view(), Qt::Key_Return);
        QCOMPARE(Where(m_main->currentNode(), m_main->gridEntryIndex()), QStringLiteral("Old/Reads#0"));
        QCOMPARE(m_main->focusWidget(), static_cast<QWidget *>(Grid(*m_main)));
        // Find next goes on from there (the order of the disks is that of
        // the program folder's files).
        QVERIFY(!find({}, "OKBtn", true));
        if (row + 1 < n)
            QCOMPARE(Where(m_main->currentNode(), m_main->gridEntryIndex()), all[row + 1]);
        else
            QVERIFY(noMatch());

        // Closed, and back with the next Find all.
        results().close();
        QVERIFY(!results().isVisible());
        QVERIFY(find([](TfrmSearch &d) { text(d, "pic"); }));
        QCOMPARE(rows(), QStringList{"Photos#0"});
        QVERIFY(results().isVisible());
        QCOMPARE(results().windowTitle(), QStringLiteral("Find all: 1 match"));
    }

    void badFilterInputIsRefusedInTheDialog()
    {
        QString message;
        bool stillOpen = false;
        QVERIFY(WithDialog<TfrmSearch>([&] { TriggerAction(*m_main, "mnuFind"); },
                                       [&](TfrmSearch &d) {
                                           Find<QLineEdit>(&d, "txtSizeFrom")->setText(QStringLiteral("lots"));
                                           Find<QPushButton>(&d, "cmdFindAll")->click();
                                           message = d.message();
                                           stillOpen = d.isVisible();
                                           Find<QLineEdit>(&d, "txtSizeFrom")->setText(QStringLiteral("5"));
                                           Find<QLineEdit>(&d, "txtSizeTo")->setText(QStringLiteral("1"));
                                           Find<QPushButton>(&d, "OKBtn")->click();
                                           QCOMPARE(d.message(),
                                                    QStringLiteral("The smallest size is larger than the largest."));
                                           QVERIFY(d.isVisible());
                                           Find<QLineEdit>(&d, "txtSizeFrom")->clear();
                                           Find<QLineEdit>(&d, "txtSizeTo")->clear();
                                       }));
        QVERIFY(stillOpen);
        QCOMPARE(message, QStringLiteral("The size \"lots\" is not a number."));
        QCOMPARE(m_prompter->count(QueuedPrompter::Beep), 2);
    }

    void onlyInThisListingOffersTheSelectedDisk()
    {
        m_main->selectNode(NodeAt(m_store->Tree(), QStringLiteral("Old/Reads")));
        QVERIFY(find([](TfrmSearch &d) {
            text(d, "");
            Find<QCheckBox>(&d, "chkListing")->setChecked(true);
            QCOMPARE(Find<QComboBox>(&d, "cboListings")->currentText(), QStringLiteral("Old"));
        }));
        QCOMPARE(rows(), (QStringList{"Old#0", "Old#1", "Old/Reads#0"}));
    }

    void aListingDeletedMeanwhileLeavesThePanel()
    {
        QVERIFY(find([](TfrmSearch &d) { text(d, ""); }));
        const QStringList all = rows();
        m_main->selectNode(NodeAt(m_store->Tree(), QStringLiteral("Old")));
        m_prompter->answers.enqueue(QMessageBox::Yes);
        TriggerAction(*m_main, "mnuDelete");
        QStringList left;
        for (int r = 0; r < results().model().rowCount(); ++r)
            left << cell(r, ResultsModel::COL_LISTING) + "/" + cell(r, ResultsModel::COL_NAME);
        QVERIFY(!left.join(',').contains(QStringLiteral("Old/")));
        QCOMPARE(results().model().rowCount(), all.size() - 3);
    }

    void duplicatesGoToTheCopyChosen()
    {
        // notes.txt is in Work, a copy of it in Copy; readme.txt has a copy
        // in Work itself.
        {
            auto copy = MakeDiskNode("Copy");
            Add(copy.get(), "NOTES.TXT", "12 Kb", "01.02.2020");
            WriteDisk(m_sandbox->programDir, "400.rkm", *copy);
        }
        reopen();
        QVERIFY(WithDialog<TfrmDuplicates>([&] { TriggerAction(*m_main, "mnuFindDuplicates"); },
                                           [](TfrmDuplicates &d) {
                                               Find<QLineEdit>(&d, "txtMinSize")->setText(QStringLiteral("12"));
                                               Find<QComboBox>(&d, "cboMinSizeUnit")->setCurrentIndex(1); // KB
                                               Find<QPushButton>(&d, "OKBtn")->click();
                                           }));
        TfrmDuplicateList &list = Child<TfrmDuplicateList>(*m_main);
        QVERIFY(list.isVisible());
        QTRY_VERIFY(!list.running());
        QCOMPARE(list.windowTitle(), QStringLiteral("Duplicates: 2 groups, 24.0 KB wasted"));
        DuplicatesModel &model = list.model();
        QCOMPARE(model.rowCount(), 2);
        const QModelIndex group = model.index(0, 0);
        QCOMPARE(group.data().toString().toLower(), QStringLiteral("notes.txt")); // equal waste: by name
        QCOMPARE(model.rowCount(group), 2);
        const int copy = model.index(0, DuplicatesModel::COL_LISTING, group).data().toString() == "Copy" ? 0 : 1;
        QCOMPARE(model.index(copy, DuplicatesModel::COL_LISTING, group).data().toString(), QStringLiteral("Copy"));
        list.view().setFocus();
        list.view().setCurrentIndex(model.index(copy, 0, group));
        QTest::keyClick(&list.view(), Qt::Key_Return);
        QCOMPARE(Where(m_main->currentNode(), m_main->gridEntryIndex()), QStringLiteral("Copy#0"));
    }

    void newDialogsOpenTheirHelpTopics()
    {
        QCOMPARE(HelpPageOnF1(Child<TfrmDuplicates>(*m_main)),
                 QUrl(QStringLiteral("qrc:/help/topic11.html")));
        Child<TfrmDuplicates>(*m_main).hide();
        TfrmCompare compare(m_main);
        QCOMPARE(HelpPageOnF1(compare), QUrl(QStringLiteral("qrc:/help/topic12.html")));
    }

private:
    bool noMatch() const
    {
        const QList<QueuedPrompter::Call> m = m_prompter->messages();
        return m.size() == 1 && m[0].text == "No matching entry was found";
    }
};

QTEST_MAIN(FindAllTest)
#include "FindAll_test.moc"
