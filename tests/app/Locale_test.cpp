// The texts the desktop program composes itself (counts, sizes, dates) come
// out in the user's locale, while the texts a listing stores are shown as
// they were stored.
#include "MainWindowFixture.h"

#include "app/DisksOverview.h"

#include <QLocale>
#include <QRegularExpression>

using namespace rkm;
using namespace rkm::test;

class LocaleTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup()
    {
        tearDown();
        QLocale::setDefault(QLocale::c());
    }

    void composedTextsFollowTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("date"); // a pattern

        // "Small" holds 4 KB: a file listed as 1 Kb and one as 2 Kb.
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "1.234"
                                << "1.234 items listed"
                                << "4,0 KB"
                                << R"(^\d\d\.\d\d\.\d\d \d\d:\d\d$)";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "1,234"
                                 << "1,234 items listed"
                                 << "4.0 KB"
                                 << R"(^\d{1,2}/\d{1,2}/\d\d,? \d{1,2}:\d\d[\s\x{202F}]?[AP]M$)";
    }
    void composedTextsFollowTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, files);
        QFETCH(QString, status);
        QFETCH(QString, size);
        QFETCH(QString, date);
        QLocale::setDefault(locale);

        const std::string dir = m_sandbox->programDir;
        WriteDisk(dir, "100.rkm", *MakeDisk("Big", 1234));
        WriteDisk(dir, "200.rkm", *MakeDisk("Small", 2));
        TfrmMain &w = start();
        // The read date is kept when Add new or Update reads a disk.
        ListingExtras extras = m_sandbox->store->ExtrasOf(disk("Big"));
        extras[EXTRA_READ_AT] = "2024-11-30T17:05:00Z";
        m_sandbox->store->SetExtras(disk("Big"), extras);
        w.selectNode(disk("Big"));
        QCOMPARE(w.statusText(), status);

        // The listing's own date and size texts are shown as stored.
        QVERIFY2(gridRow(0).contains("1/2/2024"), qPrintable(gridRow(0).join('|')));

        TriggerAction(w, "mnuDisks");
        auto &overview = Child<DisksOverview>(w);
        QTableView *table = overview.table();
        QCOMPARE(overview.diskAt(0), disk("Big"));
        const auto cell = [table](int column) { return table->model()->index(0, column).data().toString(); };
        QCOMPARE(cell(DisksOverview::ColFiles), files);
        QVERIFY2(QRegularExpression(date).match(cell(DisksOverview::ColRead)).hasMatch(),
                 qPrintable(cell(DisksOverview::ColRead)));
        // Sorted by the value, not the text: 745 MB after 4 KB.
        table->sortByColumn(DisksOverview::ColSize, Qt::AscendingOrder);
        QCOMPARE(overview.diskAt(0), disk("Small"));
        QCOMPARE(cell(DisksOverview::ColSize), size);
    }
};

QTEST_MAIN(LocaleTest)
#include "Locale_test.moc"
