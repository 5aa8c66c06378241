// The search box above the grid, as a user drives it: typing while a big
// search runs, Esc, refused queries, the history, saved searches, the keys
// that reach the box, and the query the Find all panel shows.
#include "search/ui/SearchUiSupport.h"

#include "../../../bench/SyntheticCatalog.h"
#include "search/Query.h"
#include "search/SearchIndex.h"
#include "search/ui/Frmresults.h"
#include "search/ui/Frmsavedsearches.h"
#include "search/ui/Frmsearch.h"
#include "search/ui/SearchBox.h"
#include "app/SearchCommands.h"
#include "scan/ui/Formrename.h"
#include "scan/ui/Frmprops.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <set>

using namespace rkm;
using namespace rkm::test;
using namespace rkm::searchtest;

namespace {

// How many entries the concurrent typing test searches: RACKMERE_BOX_ENTRIES,
// else a million (a fifth of it in builds with sanitizers, which run it
// several times slower); whole listings of 50,000.
int BigEntries()
{
    const QByteArray env = qgetenv("RACKMERE_BOX_ENTRIES");
    if (!env.isEmpty())
        return std::max(env.toInt(), 50000);
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return 200000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    return 200000;
#endif
#endif
    return 1000000;
}

bool WaitFor(const std::function<bool()> &condition, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms)
        QTest::qWait(2);
    return condition();
}

using Hits = std::vector<std::pair<const TreeNode *, int>>;

// The matches of `text` over the whole catalogue, found directly.
Hits Expected(const Catalog &tree, const QString &text)
{
    QueryError error;
    const std::optional<Query> q = Query::Parse(text.toStdString(), error);
    Hits out;
    if (q)
        FindAllMatching(*q, DiskNodes(tree), [&](TreeNode *n, int e) { out.emplace_back(n, e); });
    return out;
}

Hits Shown(TfrmResults &panel)
{
    Hits out;
    for (const SearchHit &h : panel.model().shownHits())
        out.emplace_back(h.node, h.entry);
    return out;
}

} // namespace

class SearchBoxTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<QueuedPrompter> m_prompter;
    TfrmMain *m_main = nullptr;

    TfrmResults &results() { return Child<TfrmResults>(*m_main); }
    SearchBox &box() { return Child<SearchBox>(*m_main); }
    QLineEdit &edit() { return box().edit(); }
    const Catalog &tree() { return m_sandbox->store->Tree(); }

    void open()
    {
        m_sandbox->main.reset();
        m_main = &m_sandbox->Open();
        m_main->show();
        QApplication::setActiveWindow(m_main);
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }
    // Types `text` into the box as keystrokes, the box focused first.
    void type(const QString &text)
    {
        edit().setFocus();
        QTest::keyClicks(&edit(), text);
    }
    bool searchDone()
    {
        return WaitFor([this] { return !results().running(); });
    }

private slots:
    void initTestCase()
    {
        SearchBox::setDelaysForTests(1, 60000);
        TfrmMainTestAccess::setIndexDelayMilliseconds(0);
        TfrmMainTestAccess::setAutosaveMilliseconds(20);
    }
    void init()
    {
        m_prompter = std::make_unique<QueuedPrompter>();
        m_sandbox = std::make_unique<Sandbox>();
        WriteSample(m_sandbox->programDir, "/media/Work");
        open();
    }
    void cleanup()
    {
        m_sandbox.reset();
        m_prompter.reset();
    }

    // Typing one key after another while the search of a big catalogue
    // runs: every key reaches the box, each keystroke lets the search before
    // it go (without waiting for it), and the rows are those of the last
    // query, complete and in order.
    void typingWhileABigSearchRuns()
    {
        const int listings = BigEntries() / 50000;
        bench::WriteSyntheticCatalog(m_sandbox->programDir, listings);
        open();
        // Each prefix matches from every name down to about one in a hundred,
        // so most keys come while the search before still runs.
        const QString last = QStringLiteral("file _1 .jpg");
        int overlapped = 0;
        bool lettingGo = false;
        edit().setFocus();
        for (const QChar c : last) {
            QTest::keyClick(&edit(), c.toLatin1());
            lettingGo = lettingGo || results().endingSearches() > 0;
            // Once the quiet time has passed and this query's search started,
            // the next key comes at once.
            const QString now = edit().text();
            QVERIFY(WaitFor([&] { return results().queryText() == now; }, 5000));
            overlapped += results().running() ? 1 : 0;
        }
        QCOMPARE(edit().text(), last);
        QVERIFY(overlapped > 0);
        QVERIFY(WaitFor([&] { return results().queryText() == last && !results().running(); }));
        const Hits want = Expected(tree(), last);
        QVERIFY(!want.empty());
        QCOMPARE(Shown(results()), want);
        QVERIFY(results().windowTitle().contains(QLocale().toString(int(want.size()))));
        QCOMPARE(Find<QLabel>(m_main, "lblQueryCount")->text(), QStringLiteral("%L1 matches").arg(int(want.size())));
        // Every search let go has ended and been joined by now or at the stop.
        results().stop();
        QCOMPARE(results().endingSearches(), 0);
        qInfo("%d entries, %d of %d keys typed while a search ran, searches still ending while typing: %s",
              BigEntries(), overlapped, int(last.size()), lettingGo ? "yes" : "no");
    }

    // While the dialog of a command that edits is up, a query typed (or a
    // quiet time ending) starts no search: the search runs once it closes.
    void noSearchStartsWhileAnEditIsUnderway()
    {
        m_main->selectNode(NodeAt(tree(), QStringLiteral("Work")));
        QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(*m_main, "mnuProperties"); },
                                      [&](TfrmProps &d) {
                                          box().runText(QStringLiteral("notes"));
                                          QTest::qWait(20);
                                          QVERIFY(results().queryText().isEmpty());
                                          QVERIFY(!results().running());
                                          d.reject();
                                      }));
        QVERIFY(WaitFor([this] { return results().queryText() == QStringLiteral("notes") && !results().running(); }));
        QCOMPARE(Shown(results()), Expected(tree(), QStringLiteral("notes")));
    }

    // The window keeps the search index of its catalogue up to date: once
    // shown, and after an edit (here a Rename, which writes the listing
    // anew), the index answers as the loaded catalogue does, never turning
    // the search back to the load.
    void theIndexFollowsTheCatalogue()
    {
        const auto indexed = [&](const QString &text) {
            QueryError error;
            const std::optional<Query> q = Query::Parse(text.toStdString(), error);
            std::vector<std::string> names;
            const index::IndexAnswer a =
                index::AnswerFromIndex(m_sandbox->programDir, *q, [&](const index::IndexHit &h) {
                    names.emplace_back(h.fileName.empty() ? h.folders.empty() ? h.diskName : h.folders.back()
                                                          : h.fileName);
                    return true;
                });
            return a == index::IndexAnswer::Answered ? names : std::vector<std::string>{"(unusable)"};
        };
        index::IndexKeeper *keeper = TfrmMainTestAccess::indexKeeper(*m_main);
        QVERIFY(keeper);
        QVERIFY(WaitFor(
            [&] {
                keeper->waitIdle();
                return indexed(QStringLiteral("pic")) == std::vector<std::string>{"pic.jpg"};
            },
            10000));
        m_main->selectNode(NodeAt(tree(), QStringLiteral("Photos")));
        QVERIFY(WithDialog<TFormRename>([&] { TriggerAction(*m_main, "mnuRename"); },
                                        [](TFormRename &d) {
                                            Find<QLineEdit>(&d, "txtName")->setText(QStringLiteral("Pictures"));
                                            Find<QPushButton>(&d, "cmdOK")->click();
                                        }));
        QVERIFY(NodeAt(tree(), QStringLiteral("Pictures")));
        // The new name is written by the autosave, which the index follows.
        const std::vector<std::string> renamed{"Pictures", "pic.jpg"};
        QVERIFY(WaitFor(
            [&] {
                keeper->waitIdle();
                return indexed(QStringLiteral("disk:pictures")) == renamed;
            },
            10000));
        QCOMPARE(indexed(QStringLiteral("readme")), (std::vector<std::string>{"readme.txt", "ReadMe.TXT"}));
    }

    // Enter shows the first match; Esc empties the box and the panel.
    void enterShowsTheFirstMatchAndEscClears()
    {
        type(QStringLiteral("readme"));
        QTest::keyClick(&edit(), Qt::Key_Return);
        QVERIFY(searchDone());
        const Hits want = Expected(tree(), QStringLiteral("readme"));
        QCOMPARE(Shown(results()), want);
        QCOMPARE(m_main->currentNode(), want.front().first);
        QCOMPARE(m_main->gridEntryIndex(), want.front().second);
        QCOMPARE(box().history().value(0), QStringLiteral("readme"));

        type(QStringLiteral(" txt"));
        QTest::keyClick(&edit(), Qt::Key_Escape);
        QVERIFY(edit().text().isEmpty());
        QCOMPARE(results().model().rowCount(), 0);
        QVERIFY(results().queryText().isEmpty());
        QVERIFY(!results().running());
    }

    // A query that cannot be parsed runs nothing and says why beside the
    // box; the rows of the last good query stay, and a good one clears the
    // message.
    void aBadQueryShowsItsReason()
    {
        type(QStringLiteral("notes"));
        QVERIFY(WaitFor([this] { return results().queryText() == QStringLiteral("notes") && !results().running(); }));
        const int rows = results().model().rowCount();
        QVERIFY(rows > 0);
        // The place is told in characters from 1, an é counting once.
        const std::vector<std::pair<QString, QString>> bad = {
            {QStringLiteral("(notes"), QStringLiteral("At character 1: '(' without ')'")},
            {QStringLiteral("café)"), QStringLiteral("At character 5: ')' without '('")},
            {QStringLiteral("size:lots"), QString()},
            {QStringLiteral("notes OR"), QString()},
        };
        for (const auto &[text, message] : bad) {
            edit().setText(text);
            QTest::qWait(30); // the quiet time (1 ms here) passes
            QVERIFY2(!box().errorText().isEmpty(), qPrintable(text));
            if (message.isEmpty())
                QVERIFY2(box().errorText().startsWith(QStringLiteral("At character ")), qPrintable(box().errorText()));
            else
                QCOMPARE(box().errorText(), message);
            QCOMPARE(results().queryText(), QStringLiteral("notes"));
            QCOMPARE(results().model().rowCount(), rows);
            QVERIFY(m_prompter->messages().isEmpty());
        }
        edit().clear();
        type(QStringLiteral("pic"));
        QVERIFY(WaitFor([this] { return results().queryText() == QStringLiteral("pic"); }));
        QVERIFY(box().errorText().isEmpty());
    }

    // The history keeps the last 20 distinct queries, the latest first,
    // from Enter or from a query left to run for a moment, and comes back
    // with the next start.
    void historyKeepsTheLastTwentyDistinct()
    {
        QStringList confirmed;
        for (int i = 1; i <= 24; ++i)
            confirmed << QStringLiteral("q%1").arg(i);
        confirmed << QStringLiteral("q7") << QStringLiteral("q24");
        for (const QString &q : confirmed) {
            edit().clear();
            type(q);
            QTest::keyClick(&edit(), Qt::Key_Return);
        }
        SearchBox::setDelaysForTests(1, 30);
        edit().clear();
        type(QStringLiteral("left to run"));
        QVERIFY(WaitFor([this] { return box().history().value(0) == QStringLiteral("left to run"); }, 5000));
        SearchBox::setDelaysForTests(1, 60000);

        QStringList want{QStringLiteral("left to run"), QStringLiteral("q24"), QStringLiteral("q7")};
        for (int i = 23; want.size() < SearchBox::HISTORY_SIZE; --i)
            if (i != 7)
                want << QStringLiteral("q%1").arg(i);
        QCOMPARE(box().history(), want);
        open();
        QCOMPARE(box().history(), want);
    }

    // A query saved under a name runs from the Saved searches menu, stays
    // for the next start, and Manage... removes it.
    void aSavedSearchRuns()
    {
        type(QStringLiteral("ext:txt"));
        QVERIFY(WaitFor([this] { return !results().queryText().isEmpty(); }));
        {
            ModalScript script;
            script.then("QInputDialog", [](QDialog *d) {
                static_cast<QInputDialog *>(d)->setTextValue(QStringLiteral("Texts & notes"));
                d->accept();
            });
            emit Menu(m_main, "mnuSavedSearches")->aboutToShow();
            Action(m_main, "mnuSaveSearch")->trigger();
            QVERIFY(script.done());
            ReportUnexpected(script);
        }

        QTest::keyClick(&edit(), Qt::Key_Escape);
        open();
        emit Menu(m_main, "mnuSavedSearches")->aboutToShow();
        QAction *saved = Action(m_main, "mnuSavedSearch1");
        QCOMPARE(saved->text(), QStringLiteral("Texts && notes"));
        saved->trigger();
        QCOMPARE(edit().text(), QStringLiteral("ext:txt"));
        QVERIFY(searchDone());
        QCOMPARE(results().queryText(), QStringLiteral("ext:txt"));
        const Hits want = Expected(tree(), QStringLiteral("ext:txt"));
        QVERIFY(!want.empty());
        QCOMPARE(Shown(results()), want);

        QVERIFY(WithDialog<TfrmSavedSearches>([&] { Action(m_main, "mnuManageSearches")->trigger(); },
                                              [](TfrmSavedSearches &d) {
                                                  Find<QPushButton>(&d, "cmdRemove")->click();
                                                  d.accept();
                                              }));
        QCoreApplication::processEvents();
        QVERIFY(LoadSavedSearches().empty());
        QVERIFY(m_main->findChild<QAction *>(QStringLiteral("mnuSavedSearch1")) == nullptr);
    }

    // Ctrl+K reaches the box from anywhere, / from the tree and the grid
    // but not from a text field, and Ctrl+F stays the Find dialog.
    void keysReachTheBox()
    {
        struct Case {
            const char *from;
            QKeySequence key;
            bool focusesBox;
        };
        for (const Case &c : {Case{"TreeView1", QKeySequence(Qt::CTRL | Qt::Key_K), true},
                              Case{"StringGrid1", QKeySequence(Qt::Key_Slash), true},
                              Case{"TreeView1", QKeySequence(Qt::Key_Slash), true},
                              Case{"txtQuickSearch", QKeySequence(Qt::Key_Slash), false}}) {
            edit().setText(QStringLiteral("ab"));
            auto *from = Find<QWidget>(m_main, c.from);
            from->setFocus();
            QCOMPARE(QApplication::focusWidget(), from);
            QTest::keySequence(from, c.key);
            QCOMPARE(QApplication::focusWidget() == &edit(), c.focusesBox || from == &edit());
            // In the box itself the / is typed, not taken as a short cut.
            if (from == &edit())
                QCOMPARE(edit().text(), QStringLiteral("ab/"));
            else
                QCOMPARE(edit().selectedText(), QStringLiteral("ab"));
            QTest::keyClick(&edit(), Qt::Key_Escape);
        }
        Tree(*m_main)->setFocus();
        QVERIFY(WithDialog<TfrmSearch>([&] { QTest::keySequence(Tree(*m_main), QKeySequence(Qt::CTRL | Qt::Key_F)); },
                                       [](TfrmSearch &d) { d.reject(); }));
    }

    // Find all from the dialog shows the query its choices make and runs it.
    void findAllShowsItsQuery()
    {
        const auto findAll = [&](const QString &text) {
            return WithDialog<TfrmSearch>([&] { TriggerAction(*m_main, "mnuFind"); },
                                          [&](TfrmSearch &d) {
                                              Find<QLineEdit>(&d, "txtSearch")->setText(text);
                                              Find<QCheckBox>(&d, "chkCS")->setChecked(false);
                                              Find<QPushButton>(&d, "cmdFindAll")->click();
                                          });
        };
        QVERIFY(findAll(QStringLiteral("read")));
        QVERIFY(searchDone());
        SearchOptions o;
        o.text = "read";
        QCOMPARE(results().queryText(), QString::fromStdString(QueryTextOf(o)));
        QCOMPARE(Find<QLineEdit>(&results(), "txtQuery")->text(), results().queryText());
        QVERIFY(results().model().rowCount() > 0);
    }
};

QTEST_MAIN(SearchBoxTest)
#include "SearchBox_test.moc"
