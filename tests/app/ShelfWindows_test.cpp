// Where each disk is kept, as the desktop program shows it: the listing's
// properties write the location, "lent to" and what to do when the disk is
// mounted, and View > Disks lists every disk with them.
#include "support/GuiTestSupport.h"

#include "app/DisksOverview.h"
#include "catalog/CatalogStore.h"
#include "catalog/Shelf.h"
#include "scan/ui/Frmprops.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace rkm;
using namespace rkm::test;

namespace {

using O = DisksOverview; // its columns

struct Listing {
    const char *name;
    int rootFiles, docsFiles;
    Shelf shelf;
};

// Opens the main window over listings written with their shelves, as by a program that ran before.
TfrmMain &OpenWith(Sandbox &w, std::initializer_list<Listing> listings)
{
    CatalogStore store(w.programDir);
    store.writer = true;
    store.serialSource = [](const TDisk &) { return 0u; };
    store.volumeSource = [](const std::string &) { return std::optional<platform::Volume>(); };
    [&] { QVERIFY(store.LoadCatalog().empty()); }();
    for (const Listing &l : listings)
        store.AddListing(MakeDisk(l.name, l.rootFiles,
                                  l.docsFiles ? std::vector<FolderSpec>{{"Docs", l.docsFiles}}
                                              : std::vector<FolderSpec>{}),
                         WithShelf({}, l.shelf));
    return w.Open();
}

// Each row of the table as it is sorted now, its cells of `columns` joined by '|'.
QStringList Rows(const QTableView *table, std::initializer_list<int> columns = {
                                              O::ColName, O::ColLocation, O::ColLentTo, O::ColFiles, O::ColOnline})
{
    QStringList out;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        QStringList cells;
        for (int column : columns)
            cells << table->model()->index(row, column).data().toString();
        out << cells.join('|');
    }
    return out;
}

// Runs Properties over the disk selected in `main`; `answer` has the dialog.
bool InProperties(TfrmMain &main, const std::function<void(TfrmProps &)> &answer)
{
    return WithDialog<TfrmProps>([&] { TriggerAction(main, "mnuProperties"); }, answer);
}

} // namespace

class ShelfWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void propertiesWriteTheShelf()
    {
        const struct {
            QString location, lentTo;
            int onMount; // the combo's row
            bool refused;
            QString kept; // location|lent to|on-mount word
        } cases[] = {
            {"Shelf B3,\nbox 2 ", "Ann, 3 May", 1, false, "Shelf B3, box 2|Ann, 3 May|update"},
            {"", "", 0, false, "||ask"},
            {"Old place", "", 2, false, "Old place||ignore"},
            {QString(1001, u'x'), "Bob", 1, true, "Old place||ignore"},
            {QString(501, u'é'), "", 0, true, "Old place||ignore"}, // too long in bytes, not in letters
        };
        for (const auto &c : cases) {
            Sandbox w;
            TfrmMain &main = OpenWith(w, {{"Photos", 2, 0, Shelf{"Old place", "", OnMount::Ignore}}});
            QueuedPrompter p; // the root drive is not mounted here: its warning is answered
            TreeNode *disk = w.store->Tree().findByName("Photos");
            main.selectNode(disk);
            QVERIFY(InProperties(main, [&](TfrmProps &dlg) {
                auto *location = Find<QLineEdit>(&dlg, "txtLocation"), *lentTo = Find<QLineEdit>(&dlg, "txtLentTo");
                auto *onMount = Find<QComboBox>(&dlg, "cboOnMount");
                QCOMPARE(location->text() + '|' + lentTo->text() + '|' + onMount->currentText(),
                         QString("Old place||Do nothing")); // shows what is kept
                location->setText(c.location);
                lentTo->setText(c.lentTo);
                onMount->setCurrentIndex(c.onMount);
                Find<QPushButton>(&dlg, "OKBtn")->click();
                QCOMPARE(dlg.isVisible(), c.refused);
                if (c.refused) {
                    QVERIFY2(dlg.message().contains("The location is 1,00"), qPrintable(dlg.message()));
                    QVERIFY(dlg.message().contains("at most 1,000 bytes are kept"));
                    Find<QPushButton>(&dlg, "CancelBtn")->click();
                }
            }));
            QCOMPARE(disk->disk().IsModified(), c.kept != "Old place||ignore");
            w.store->SaveModifiedListings(); // written with the listing, as every property is
            CatalogStore again(w.programDir);
            QVERIFY(again.LoadCatalog().empty());
            const Shelf shelf = ShelfOf(again.ExtrasOf(again.Tree().findByName("Photos")));
            QCOMPARE(QString::fromStdString(shelf.location + "|" + shelf.lentTo + "|" + OnMountWord(shelf.onMount)),
                     c.kept);
        }
    }

    void disksOverviewListsEveryDisk()
    {
        Sandbox w;
        TfrmMain &main = OpenWith(w, {{"Disk 10", 3, 0, Shelf{"Shelf B3", "Ann, 3 May", OnMount::Ask}},
                                      {"Disk 9", 1, 4, Shelf{"Attic", "", OnMount::Ask}},
                                      {"Disk 2", 0, 0, Shelf{}}});
        QueuedPrompter p;
        main.show();
        TriggerAction(main, "mnuDisks");
        auto &overview = Child<DisksOverview>(main);
        QVERIFY(overview.isVisible());
        QTableView *table = overview.table();
        // In the tree's order at first, numbers by their value; each was read just now and is not online.
        QCOMPARE(Rows(table), (QStringList{"Disk 2|||0|", "Disk 9|Attic||5|", "Disk 10|Shelf B3|Ann, 3 May|3|"}));
        QVERIFY(!Rows(table, {O::ColRead}).contains(""));

        // Sorted by a column of words and by one of numbers, names numbers by their value.
        for (const auto &[column, order, names] :
             {std::tuple{O::ColLocation, Qt::AscendingOrder, QStringList{"Disk 2", "Disk 9", "Disk 10"}},
              std::tuple{O::ColFiles, Qt::DescendingOrder, QStringList{"Disk 9", "Disk 10", "Disk 2"}},
              std::tuple{O::ColName, Qt::DescendingOrder, QStringList{"Disk 10", "Disk 9", "Disk 2"}}}) {
            table->sortByColumn(column, order);
            QCOMPARE(Rows(table, {O::ColName}), names);
        }

        // Where a disk is mounted now, when it is.
        TreeNode *nine = w.store->Tree().findByName("Disk 9");
        overview.setOnline([nine](const TreeNode *disk) { return disk == nine ? QString("/media/nine") : QString(); });
        table->sortByColumn(O::ColOnline, Qt::DescendingOrder);
        QCOMPARE(Rows(table).first(), QString("Disk 9|Attic||5|/media/nine"));

        // A double-click, or Enter, selects the disk in the main tree.
        table->sortByColumn(O::ColName, Qt::AscendingOrder);
        table->setCurrentIndex(table->model()->index(2, O::ColName));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(main.currentNode(), w.store->Tree().findByName("Disk 10"));
        QVERIFY(overview.isVisible());
        const QPoint at = table->visualRect(table->model()->index(1, O::ColLocation)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(main.currentNode(), nine);

        // A location changed in the properties shows at once.
        QVERIFY(InProperties(main, [](TfrmProps &dlg) {
            Find<QLineEdit>(&dlg, "txtLocation")->setText("Cellar");
            Find<QPushButton>(&dlg, "OKBtn")->click();
        }));
        QCOMPARE(Rows(table, {O::ColLocation}), (QStringList{"", "Cellar", "Shelf B3"}));
    }
};

QTEST_MAIN(ShelfWindowsTest)
#include "ShelfWindows_test.moc"
