// Where each disk is kept, as the desktop program shows it: the listing's
// properties write the location, "lent to" and what to do when the disk is
// mounted, and View > Disks lists every disk with them.
#include "support/GuiTestSupport.h"

#include "app/DisksOverview.h"
#include "catalog/CatalogStore.h"
#include "catalog/Shelf.h"
#include "scan/ui/Frmprops.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace rkm;
using namespace rkm::test;

namespace {

// Writes listings with their shelves, as a program that ran before would.
void AddListings(const std::string &programDir, std::vector<std::pair<std::unique_ptr<TreeNode>, Shelf>> disks)
{
    CatalogStore store(programDir);
    store.writer = true;
    store.serialSource = [](const TDisk &) { return 0u; };
    store.volumeSource = [](const std::string &) { return std::optional<platform::Volume>(); };
    QVERIFY(store.LoadCatalog().empty());
    for (auto &[disk, shelf] : disks)
        store.AddListing(std::move(disk), WithShelf({}, shelf));
}

QString Cell(const QTableView *table, int row, int column)
{
    return table->model()->index(row, column).data().toString();
}

} // namespace

class ShelfWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void propertiesWriteTheShelf_data();
    void propertiesWriteTheShelf();
    void disksOverviewListsEveryDisk();
};

void ShelfWindowsTest::propertiesWriteTheShelf_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("lentTo");
    QTest::addColumn<int>("onMount"); // the combo's row
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("kept"); // location|lent to|on-mount word
    QTest::newRow("typed") << "Shelf B3,\nbox 2 " << "Ann, 3 May" << 1 << false << "Shelf B3, box 2|Ann, 3 May|update";
    QTest::newRow("cleared") << "" << "" << 0 << false << "||ask";
    QTest::newRow("unchanged") << "Old place" << "" << 2 << false << "Old place||ignore";
    QTest::newRow("too long") << QString(1001, u'x') << "Bob" << 1 << true << "Old place||ignore";
    QTest::newRow("too long in letters") << QString(501, u'é') << "" << 0 << true << "Old place||ignore";
}

void ShelfWindowsTest::propertiesWriteTheShelf()
{
    QFETCH(QString, location);
    QFETCH(QString, lentTo);
    QFETCH(int, onMount);
    QFETCH(bool, refused);
    QFETCH(QString, kept);
    Sandbox w;
    std::vector<std::pair<std::unique_ptr<TreeNode>, Shelf>> disks;
    disks.emplace_back(MakeDisk("Photos", 2), Shelf{"Old place", "", OnMount::Ignore});
    AddListings(w.programDir, std::move(disks));
    TfrmMain &main = w.Open();
    QueuedPrompter p; // the root drive is not mounted here: its warning is answered
    TreeNode *disk = w.store->Tree().findByName("Photos");
    main.selectNode(disk);
    QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(main, "mnuProperties"); }, [&](TfrmProps &dlg) {
        // Shows what is kept.
        QCOMPARE(Find<QLineEdit>(&dlg, "txtLocation")->text(), QString("Old place"));
        QCOMPARE(Find<QLineEdit>(&dlg, "txtLentTo")->text(), QString());
        QCOMPARE(Find<QComboBox>(&dlg, "cboOnMount")->currentText(), QString("Do nothing"));
        Find<QLineEdit>(&dlg, "txtLocation")->setText(location);
        Find<QLineEdit>(&dlg, "txtLentTo")->setText(lentTo);
        Find<QComboBox>(&dlg, "cboOnMount")->setCurrentIndex(onMount);
        Find<QPushButton>(&dlg, "OKBtn")->click();
        QCOMPARE(dlg.isVisible(), refused);
        if (refused) {
            QVERIFY2(dlg.message().contains("The location is 1,00"), qPrintable(dlg.message()));
            QVERIFY(dlg.message().contains("at most 1,000 bytes are kept"));
            Find<QPushButton>(&dlg, "CancelBtn")->click();
        }
    }));
    const QString unchangedKept = "Old place||ignore";
    QCOMPARE(disk->disk().IsModified(), kept != unchangedKept);

    // Written with the listing, as every property is.
    w.store->SaveModifiedListings();
    CatalogStore again(w.programDir);
    QVERIFY(again.LoadCatalog().empty());
    const Shelf shelf = ShelfOf(again.ExtrasOf(again.Tree().findByName("Photos")));
    QCOMPARE(QString::fromStdString(shelf.location + "|" + shelf.lentTo + "|" + OnMountWord(shelf.onMount)), kept);
}

void ShelfWindowsTest::disksOverviewListsEveryDisk()
{
    Sandbox w;
    std::vector<std::pair<std::unique_ptr<TreeNode>, Shelf>> disks;
    disks.emplace_back(MakeDisk("Disk 10", 3), Shelf{"Shelf B3", "Ann, 3 May", OnMount::Ask});
    disks.emplace_back(MakeDisk("Disk 9", 1, {{"Docs", 4}}), Shelf{"Attic", "", OnMount::Ask});
    disks.emplace_back(MakeDisk("Disk 2", 0), Shelf{});
    AddListings(w.programDir, std::move(disks));
    TfrmMain &main = w.Open();
    QueuedPrompter p;
    main.show();
    TriggerAction(main, "mnuDisks");
    auto &overview = Child<DisksOverview>(main);
    QVERIFY(overview.isVisible());
    QTableView *table = overview.table();
    QCOMPARE(table->model()->rowCount(), 3);

    // In the tree's order at first: numbers by their value.
    const QStringList rows[] = {
        {"Disk 2", "", "", "0", "", "Online"},
        {"Disk 9", "Attic", "", "5", "", "Online"},
        {"Disk 10", "Shelf B3", "Ann, 3 May", "3", "", "Online"},
    };
    for (int r = 0; r < 3; ++r) {
        for (int c : {DisksOverview::ColName, DisksOverview::ColLocation, DisksOverview::ColLentTo,
                      DisksOverview::ColFiles})
            QCOMPARE(Cell(table, r, c), rows[r][c]);
        // Each was read just now.
        QVERIFY(!Cell(table, r, DisksOverview::ColRead).isEmpty());
        QVERIFY(Cell(table, r, DisksOverview::ColOnline).isEmpty());
    }

    // Sorted by each column; numbers by their value.
    const struct {
        int column;
        Qt::SortOrder order;
        QStringList names;
    } sorts[] = {
        {DisksOverview::ColLocation, Qt::AscendingOrder, {"Disk 2", "Disk 9", "Disk 10"}},
        {DisksOverview::ColLocation, Qt::DescendingOrder, {"Disk 10", "Disk 9", "Disk 2"}},
        {DisksOverview::ColFiles, Qt::DescendingOrder, {"Disk 9", "Disk 10", "Disk 2"}},
        {DisksOverview::ColLentTo, Qt::DescendingOrder, {"Disk 10", "Disk 2", "Disk 9"}},
        {DisksOverview::ColName, Qt::DescendingOrder, {"Disk 10", "Disk 9", "Disk 2"}},
    };
    for (const auto &s : sorts) {
        table->sortByColumn(s.column, s.order);
        QStringList names;
        for (int r = 0; r < 3; ++r)
            names << Cell(table, r, DisksOverview::ColName);
        // Lent to: the two empty ones keep no order of their own.
        if (s.column == DisksOverview::ColLentTo)
            QCOMPARE(names.first(), s.names.first());
        else
            QCOMPARE(names, s.names);
    }

    // Where a disk is mounted now, when it is.
    TreeNode *nine = w.store->Tree().findByName("Disk 9");
    overview.setOnline([nine](const TreeNode *disk) { return disk == nine ? QString("/media/nine") : QString(); });
    table->sortByColumn(DisksOverview::ColOnline, Qt::DescendingOrder);
    QCOMPARE(Cell(table, 0, DisksOverview::ColName), QString("Disk 9"));
    QCOMPARE(Cell(table, 0, DisksOverview::ColOnline), QString("/media/nine"));

    // A double-click, or Enter, selects the disk in the main tree.
    TreeNode *ten = w.store->Tree().findByName("Disk 10");
    table->sortByColumn(DisksOverview::ColName, Qt::AscendingOrder);
    table->setCurrentIndex(table->model()->index(2, DisksOverview::ColName));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(main.currentNode(), ten);
    QVERIFY(overview.isVisible());
    const QPoint at = table->visualRect(table->model()->index(1, DisksOverview::ColLocation)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(main.currentNode(), nine);

    if (qEnvironmentVariableIsSet("RACKMERE_SCREENSHOTS"))
        overview.grab().save(qEnvironmentVariable("RACKMERE_SCREENSHOTS") + "/disks-overview.png");

    // A location changed in the properties shows at once.
    QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(main, "mnuProperties"); }, [&](TfrmProps &dlg) {
        Find<QLineEdit>(&dlg, "txtLocation")->setText("Cellar");
        if (qEnvironmentVariableIsSet("RACKMERE_SCREENSHOTS"))
            dlg.grab().save(qEnvironmentVariable("RACKMERE_SCREENSHOTS") + "/properties.png");
        Find<QPushButton>(&dlg, "OKBtn")->click();
    }));
    QStringList locations;
    for (int r = 0; r < 3; ++r)
        locations << Cell(table, r, DisksOverview::ColLocation);
    QVERIFY2(locations.contains("Cellar"), qPrintable(locations.join(',')));
    QVERIFY(!locations.contains("Attic"));
}

QTEST_MAIN(ShelfWindowsTest)
#include "ShelfWindows_test.moc"
