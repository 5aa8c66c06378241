// Find duplicates and Compare with run while the window goes on: the panel
// shows at once with the hourglass and a Cancel, Cancel ends the search and
// leaves the panel ready for the next, and a command that edits ends it
// before it changes anything.
#include "search/ui/SearchUiSupport.h"

#include "scan/ui/Frmcompare.h"
#include "scan/ui/Frmdifferences.h"
#include "search/ui/Frmduplicatelist.h"
#include "search/ui/Frmduplicates.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace rkm;
using namespace rkm::test;

namespace {

// Listings "A" and "B" of 4,000 folders of 50 files each, each name in four
// folders of each: 75,000 groups of copies; every other folder of B changed.
void WriteBigListings(const std::string &dir)
{
    for (int variant = 0; variant < 2; ++variant) {
        auto disk = MakeDiskNode(variant == 0 ? "A" : "B");
        for (int f = 0; f < 4000; ++f) {
            TreeNode *folder = disk->appendChild("folder" + std::to_string(f));
            for (int k = 0; k < 50; ++k)
                folder->disk().Files.append(FileEntry{
                    "file" + std::to_string(k) + "_" + std::to_string(f % 1000) + ".txt", "", "01.02.2024",
                    std::to_string(k + 1 + variant * (f % 2)) + " Kb", ""});
        }
        WriteDisk(dir, std::to_string(100 + variant) + ".rkm", *disk);
    }
}

// A panel's search as the user starts it, and what the test reads of it.
struct PanelSearch {
    const char *name;
    QDockWidget &(*panel)(TfrmMain &main);
    bool (*start)(TfrmMain &main, const Catalog &tree);
    bool (*running)(TfrmMain &main);
    int (*results)(TfrmMain &main); // rows found
    // The first rows are open, the rest closed until asked.
    bool (*openAsFarAsShort)(TfrmMain &main);
};

TfrmDuplicateList &Duplicates(TfrmMain &main)
{
    return Child<TfrmDuplicateList>(main);
}

TfrmDifferences &Differences(TfrmMain &main)
{
    return Child<TfrmDifferences>(main);
}

const PanelSearch kSearches[] = {
    {"Find duplicates", [](TfrmMain &main) -> QDockWidget & { return Duplicates(main); },
     [](TfrmMain &main, const Catalog &) {
         return WithDialog<TfrmDuplicates>([&] { TriggerAction(main, "mnuFindDuplicates"); },
                                           [](TfrmDuplicates &d) {
                                               Find<QLineEdit>(&d, "txtMinSize")->setText(QStringLiteral("0"));
                                               Find<QPushButton>(&d, "OKBtn")->click();
                                           });
     },
     [](TfrmMain &main) { return Duplicates(main).running(); },
     [](TfrmMain &main) { return Duplicates(main).model().rowCount(); },
     [](TfrmMain &main) {
         TfrmDuplicateList &list = Duplicates(main);
         const auto open = [&](int row) { return list.view().isExpanded(list.model().index(row, 0)); };
         return open(0) && open(TfrmDuplicateList::OPEN_GROUPS - 1) && !open(TfrmDuplicateList::OPEN_GROUPS);
     }},
    {"Compare with", [](TfrmMain &main) -> QDockWidget & { return Differences(main); },
     [](TfrmMain &main, const Catalog &tree) {
         main.selectNode(tree.findByName("A"));
         return WithDialog<TfrmCompare>([&] { TriggerAction(main, "mnuCompare"); },
                                        [](TfrmCompare &d) { Find<QPushButton>(&d, "OKBtn")->click(); });
     },
     [](TfrmMain &main) { return Differences(main).running(); },
     [](TfrmMain &main) { return static_cast<int>(Differences(main).model().diff().items.size()); },
     [](TfrmMain &main) {
         // 100,000 changed files: that heading stays closed.
         TfrmDifferences &panel = Differences(main);
         return !panel.view().isExpanded(panel.model().index(2, 0));
     }},
};

} // namespace

class PanelSearchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<QueuedPrompter> m_prompter;
    TfrmMain *m_main = nullptr;

private slots:
    void initTestCase()
    {
        m_prompter = std::make_unique<QueuedPrompter>();
        m_sandbox = std::make_unique<Sandbox>();
        WriteBigListings(m_sandbox->programDir);
        m_main = &m_sandbox->Open();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanupTestCase()
    {
        m_sandbox.reset();
        m_prompter.reset();
    }

    void searchRunsWhileTheWindowAnswers_data()
    {
        QTest::addColumn<int>("search");
        for (int i = 0; i < int(std::size(kSearches)); ++i)
            QTest::newRow(kSearches[i].name) << i;
    }
    void searchRunsWhileTheWindowAnswers()
    {
        QFETCH(int, search);
        const PanelSearch &s = kSearches[search];
        TfrmMain &main = *m_main;
        QDockWidget &panel = s.panel(main);
        auto *cancel = Find<QPushButton>(&panel, "cmdCancel");

        QVERIFY(s.start(main, m_sandbox->store->Tree()));
        QVERIFY(panel.isVisible());
        // The window goes on: a timer fires while the search runs, under
        // the hourglass, with Cancel at hand.
        bool fired = false;
        QTimer::singleShot(0, &main, [&] { fired = true; });
        QTRY_VERIFY(fired);
        QVERIFY(s.running(main));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QVERIFY(cancel->isVisible());

        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!s.running(main));
        QVERIFY(panel.windowTitle().endsWith(QStringLiteral(": cancelled")));
        QCOMPARE(s.results(main), 0);
        QVERIFY(!cancel->isVisible());
        QVERIFY(!QGuiApplication::overrideCursor());

        // The next search comes to its end.
        QVERIFY(s.start(main, m_sandbox->store->Tree()));
        QTRY_VERIFY_WITH_TIMEOUT(!s.running(main), 60000);
        QVERIFY(s.results(main) > 0);
        QVERIFY(s.openAsFarAsShort(main));
        QVERIFY(!panel.windowTitle().endsWith(QStringLiteral(": cancelled")));
        QVERIFY(!cancel->isVisible());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void anEditEndsTheSearchFirst_data() { searchRunsWhileTheWindowAnswers_data(); }
    void anEditEndsTheSearchFirst()
    {
        QFETCH(int, search);
        const PanelSearch &s = kSearches[search];
        TfrmMain &main = *m_main;
        QVERIFY(s.start(main, m_sandbox->store->Tree()));
        QVERIFY(s.running(main));
        // Delete, answered No, changes nothing; the search has ended all the same.
        main.selectNode(m_sandbox->store->Tree().findByName("B"));
        m_prompter->clear();
        m_prompter->answers.enqueue(QMessageBox::No);
        TriggerAction(main, "mnuDelete");
        QCOMPARE(m_prompter->messages().size(), 1);
        QVERIFY(!s.running(main));
        QVERIFY(s.panel(main).windowTitle().endsWith(QStringLiteral(": cancelled")));
    }
};

QTEST_MAIN(PanelSearchTest)
#include "PanelSearch_test.moc"
