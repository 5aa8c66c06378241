#include "app/CatalogTreeModel.h"
#include "support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

using namespace rkm;
using rkm::test::MakeDisk;

class ModelsTest : public QObject {
    Q_OBJECT

private:
    static std::array<QIcon, 7> numberedImages()
    {
        // Pictures told apart by their size: picture i is (i + 1) pixels wide.
        std::array<QIcon, 7> out;
        for (int i = 0; i < 7; ++i) {
            QPixmap p(i + 1, 1);
            p.fill(Qt::red);
            out[std::size_t(i)] = QIcon(p);
        }
        return out;
    }
    static int pictureOf(const QVariant &v)
    {
        const QIcon icon = v.value<QIcon>();
        return icon.isNull() ? -1 : icon.availableSizes().value(0).width() - 1;
    }

private slots:
    void treeShowsARepeatedNameWithItsListingFile()
    {
        // Each step changes the catalogue; the rows it shows then, and
        // whether the first disk, left alone, was told to show itself anew.
        Catalog catalog;
        const auto add = [&](const char *name, const char *file) {
            TreeNode *d = catalog.appendDisk(MakeDisk(name, 0));
            d->disk().FileName = file;
            return d;
        };
        add("Archives", "1.rkm");
        // No QAbstractItemModelTester here: it wants the rows beside an
        // inserted or removed one to show what they showed, and a name that
        // comes to repeat changes its twin's row (told by dataChanged).
        CatalogTreeModel model(catalog);
        TreeNode *second = nullptr;
        struct Step {
            const char *what;
            std::function<void()> change;
            QStringList shown;
        };
        const std::vector<Step> steps = {
            {"a second scan", [&] { second = add("Archives", "2.rkm"); }, {"Archives (1.rkm)", "Archives (2.rkm)"}},
            {"another letter case",
             [&] { add("archives", "3.rkm"); },
             {"Archives (1.rkm)", "Archives (2.rkm)", "archives"}},
            {"renamed",
             [&] {
                 second->setText("Other");
                 model.nodeChanged(second);
             },
             {"Archives", "Other", "archives"}},
            {"renamed back",
             [&] {
                 second->setText("Archives");
                 model.nodeChanged(second);
             },
             {"Archives (1.rkm)", "Archives (2.rkm)", "archives"}},
            {"the first goes", [&] { catalog.removeDisk(0); }, {"Archives", "archives"}},
        };
        for (const Step &s : steps) {
            QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
            s.change();
            QStringList shown;
            for (int row = 0; row < model.rowCount(); ++row)
                shown << model.index(row, 0).data().toString();
            QCOMPARE(shown, s.shown);
            QVERIFY(model.index(0, 0).data(Qt::ToolTipRole).toString().contains(">" + s.shown.front() + "<"));
            const bool firstTold = std::any_of(changed.begin(), changed.end(), [](const QList<QVariant> &args) {
                return args[0].value<QModelIndex>().row() == 0 && !args[0].value<QModelIndex>().parent().isValid();
            });
            QVERIFY2(firstTold, s.what);
        }
    }

    void treeModelPassesTheTesterThroughEveryChange()
    {
        Catalog catalog;
        catalog.appendDisk(MakeDisk("One", 2, {{"A", 1}, {"B", 0}}));
        CatalogTreeModel model(catalog);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        TreeNode *two = catalog.appendDisk(MakeDisk("Two", 0, {{"C", 3}}));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Two"));
        QCOMPARE(model.nodeOf(model.index(0, 0, model.indexOf(two))), two->child(0));

        TreeNode *three = catalog.appendDisk(MakeDisk("Three", 1));
        const int row = two->row();
        catalog.removeDisk(row);
        TreeNode *fresh = catalog.insertDisk(row, MakeDisk("Two again", 5, {{"D", 0}, {"E", 0}}));
        QCOMPARE(fresh->row(), 1);
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Two again"));
        QCOMPARE(model.rowCount(model.index(1, 0)), 2);
        QCOMPARE(model.indexOf(three).row(), 2);

        fresh->setText("Renamed");
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.nodeChanged(fresh);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Renamed"));

        catalog.removeDisk(0);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.indexOf(three).row(), 1);
        catalog.removeDisk(three->row());
        catalog.removeDisk(fresh->row());
        QCOMPARE(model.rowCount(), 0);
    }

    void indexOfAndNodeOfAgree()
    {
        Catalog catalog;
        catalog.appendDisk(MakeDisk("One", 0, {{"A", 0}, {"B", 0}}));
        TreeNode *b = catalog.disk(0)->child(1);
        TreeNode *deep = b->appendChild("Deep");
        CatalogTreeModel model(catalog);
        for (TreeNode *n : {catalog.disk(0), b, deep}) {
            const QModelIndex i = model.indexOf(n);
            QVERIFY(i.isValid());
            QCOMPARE(model.nodeOf(i), n);
            QCOMPARE(model.index(i.row(), 0, i.parent()), i);
        }
        QCOMPARE(model.indexOf(deep).parent(), model.indexOf(b));
        // A disk still being built (not in the catalogue) has no index.
        auto detached = MakeDisk("Scanning", 0, {{"X", 0}});
        QVERIFY(!model.indexOf(detached.get()).isValid());
        QVERIFY(!model.indexOf(detached->child(0)).isValid());
        QVERIFY(!model.indexOf(nullptr).isValid());
        QCOMPARE(model.nodeOf(QModelIndex()), nullptr);
    }

    void pictures_data()
    {
        QTest::addColumn<int>("driveType");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("picture");
        QTest::newRow("CD-ROM disk") << 5 << false << false << 5;
        QTest::newRow("CD-ROM disk selected") << 5 << false << true << 5;
        QTest::newRow("network disk") << 4 << false << false << 4;
        QTest::newRow("unknown drive type") << 9 << false << false << 0;
        QTest::newRow("negative drive type") << -3 << false << true << 0;
        QTest::newRow("folder") << 3 << true << false << 0;
        QTest::newRow("selected folder") << 3 << true << true << 6;
    }
    void pictures()
    {
        QFETCH(int, driveType);
        QFETCH(bool, folder);
        QFETCH(bool, selected);
        QFETCH(int, picture);
        Catalog catalog;
        catalog.appendDisk(MakeDisk("Disk", 0, {{"F", 0}}, driveType));
        CatalogTreeModel model(catalog);
        model.setImages(numberedImages());
        TreeNode *n = folder ? catalog.disk(0)->child(0) : catalog.disk(0);
        if (selected)
            model.setSelectedNode(n);
        QCOMPARE(pictureOf(model.indexOf(n).data(Qt::DecorationRole)), picture);
    }

    void textsAreDecodedForDisplay()
    {
        Catalog catalog;
        catalog.appendDisk(MakeDisk("x", 0));
        catalog.disk(0)->setText("Caf\xC3\xA9"); // UTF-8
        catalog.disk(0)->appendChild("Men\xFC"); // Windows-1252
        CatalogTreeModel model(catalog);
        QCOMPARE(model.index(0, 0).data().toString(), QString::fromUtf8("Café"));
        QCOMPARE(model.index(0, 0, model.index(0, 0)).data().toString(), QString::fromUtf8("Menü"));
    }

    void gridModelAlwaysHasARow()
    {
        FileGridModel grid;
        QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(grid.rowCount(), 1);
        QCOMPARE(grid.columnCount(), 5);
        QCOMPARE(grid.index(0, 0).data().toString(), QString());

        auto disk = MakeDisk("D", 3, {{"Empty", 0}});
        grid.setNode(disk.get());
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(grid.entryCount(), 3);
        QCOMPARE(grid.index(2, 0).data().toString(), QStringLiteral("D-file2.txt"));
        // Sizes as people read them, the stored text in the tooltip.
        QCOMPARE(grid.index(2, 3).data().toString(), QStringLiteral("3.0 KB"));
        QVERIFY(grid.index(2, 3).data(Qt::ToolTipRole).toString().contains(QStringLiteral(">3 Kb<")));

        grid.setNode(disk->child(0));
        QCOMPARE(grid.rowCount(), 1);
        QCOMPARE(grid.entryCount(), 0);

        grid.setNode(disk.get());
        disk->disk().Files.setText(1, FT_DESCRIPTION, "edited");
        QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);
        grid.entryChanged(1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>().row(), 1);
        QCOMPARE(grid.index(1, 1).data().toString(), QStringLiteral("edited"));
        grid.entryChanged(7); // no such entry: nothing to tell
        QCOMPARE(changed.count(), 1);
        grid.setNode(nullptr);
        QCOMPARE(grid.rowCount(), 1);
    }
};

QTEST_MAIN(ModelsTest)
#include "Models_test.moc"
