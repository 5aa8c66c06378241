#include "search/ui/SearchUiSupport.h"

#include "search/ui/Frmsearch.h"

#include "gui/Help.h"

#include <QCheckBox>
#include <QShortcut>
#include <QTextBrowser>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>

using namespace rkm;
using namespace rkm::test;
using namespace rkm::searchtest;

class SearchDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QueuedPrompter> m_prompter;
    std::unique_ptr<Sandbox> m_sandbox;
    CatalogStore *m_store = nullptr;
    TfrmMain *m_main = nullptr;

    TfrmSearch &dialog() { return Child<TfrmSearch>(*m_main); }
    TreeNode *node(const char *path) { return NodeAt(m_store->Tree(), QString::fromUtf8(path)); }

    // Find or Find next; `fill` sets up the dialog if it is shown, which is
    // then closed with OK (or Cancel). Returns whether it was shown.
    bool command(bool next, const std::function<void(TfrmSearch &)> &fill = {}, bool ok = true)
    {
        m_prompter->clear();
        return WithDialog<TfrmSearch>(
            [&] {
                if (next)
                    TriggerAction(*m_main, "mnuFindNext");
                else
                    TriggerAction(*m_main, "mnuFind");
            },
            [&](TfrmSearch &d) {
                if (fill)
                    fill(d);
                (ok ? Find<QPushButton>(&d, "OKBtn") : Find<QPushButton>(&d, "CancelBtn"))->click();
            });
    }
    static void set(TfrmSearch &d, const QString &text, bool cs, bool folders, bool names, bool descs)
    {
        Find<QLineEdit>(&d, "txtSearch")->setText(text);
        Find<QCheckBox>(&d, "chkCS")->setChecked(cs);
        Find<QCheckBox>(&d, "chkFolderNames")->setChecked(folders);
        Find<QCheckBox>(&d, "chkFilename")->setChecked(names);
        Find<QCheckBox>(&d, "chkDescription")->setChecked(descs);
    }
    // The selection as "path" or "path#entry", for comparisons.
    QString position() const
    {
        const TreeNode *n = m_main->currentNode();
        if (!n)
            return QStringLiteral("none");
        QString path;
        for (const TreeNode *p = n; p; p = p->parent())
            path = QString::fromStdString(p->text()) + (path.isEmpty() ? "" : "/") + path;
        const int row = m_main->gridEntryIndex();
        return row < 0 ? path : path + "#" + QString::number(row);
    }
    bool noMatchReported() const
    {
        const QList<QueuedPrompter::Call> m = m_prompter->messages();
        return m.size() == 1 && m[0].caption == "Search" && m[0].text == "No matching entry was found" &&
               m[0].buttons == QMessageBox::Ok;
    }

private slots:
    void init()
    {
        m_prompter = std::make_unique<QueuedPrompter>();
        m_sandbox = std::make_unique<Sandbox>();
        WriteSample(m_sandbox->programDir, "/media/Work");
        m_main = &m_sandbox->Open();
        m_store = m_sandbox->store.get();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup()
    {
        m_sandbox.reset();
        m_prompter.reset();
    }

    void dialogLooksAndEnablesAsDesigned()
    {
        TfrmSearch &d = dialog();
        QCOMPARE(d.windowTitle(), QStringLiteral("Search"));
        QCOMPARE(Find<QLabel>(&d, "lblSearch")->text(), QStringLiteral("&Search for entry containing this text: "));
        QCOMPARE(Find<QLabel>(&d, "Label1")->text(), QStringLiteral("Search in:"));
        QCOMPARE(Find<QCheckBox>(&d, "chkCategory")->text(), QStringLiteral("Only in this ca&tegory:"));
        QVERIFY(Find<QLineEdit>(&d, "txtSearch")->text().isEmpty());
        QVERIFY(!Find<QCheckBox>(&d, "chkCS")->isChecked());
        QVERIFY(Find<QCheckBox>(&d, "chkFolderNames")->isChecked() && Find<QCheckBox>(&d, "chkFilename")->isChecked() && Find<QCheckBox>(&d, "chkDescription")->isChecked());
        QVERIFY(!Find<QCheckBox>(&d, "chkCategory")->isChecked());
        QVERIFY(!Find<QComboBox>(&d, "cboCategories")->isEnabled());
        QVERIFY(!Find<QComboBox>(&d, "cboCategories")->isEditable());
        QVERIFY(Find<QPushButton>(&d, "OKBtn")->isDefault());

        // OK needs one of the three boxes; the category list follows its box.
        const struct {
            bool folders, names, descs, okEnabled;
        } cases[] = {{false, false, false, false}, {true, false, false, true}, {false, true, false, true},
                     {false, false, true, true}, {true, true, true, true}};
        for (const auto &c : cases) {
            Find<QCheckBox>(&d, "chkFolderNames")->setChecked(c.folders);
            Find<QCheckBox>(&d, "chkFilename")->setChecked(c.names);
            Find<QCheckBox>(&d, "chkDescription")->setChecked(c.descs);
            QCOMPARE(Find<QPushButton>(&d, "OKBtn")->isEnabled(), c.okEnabled);
        }
        Find<QCheckBox>(&d, "chkCategory")->setChecked(true);
        QVERIFY(Find<QComboBox>(&d, "cboCategories")->isEnabled());
        Find<QCheckBox>(&d, "chkCategory")->setChecked(false);
        QVERIFY(!Find<QComboBox>(&d, "cboCategories")->isEnabled());

        // Tab order, starting from the text box that has the focus when shown.
        QStringList order;
        const bool shown = command(false, [&](TfrmSearch &dlg) {
            Find<QCheckBox>(&dlg, "chkCategory")->setChecked(true); // so the category list takes part
            QWidget *w = dlg.focusWidget();
            for (int i = 0; i < 9 && w; ++i) {
                order << w->objectName();
                w = w->nextInFocusChain();
                while (w && (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || w == &dlg))
                    w = w->nextInFocusChain();
            }
        }, false);
        QVERIFY(shown);
        QCOMPARE(order, (QStringList{"txtSearch", "chkCS", "chkFolderNames", "chkFilename", "chkDescription",
                                     "chkCategory", "cboCategories", "chkWildcards", "txtSizeFrom"}));
    }

    void f1OpensTheSearchTopic()
    {
        QString topic;
        QVERIFY(command(false, [&](TfrmSearch &d) {
            auto *f1 = Find<QShortcut>(&d, "rkmHelpShortcut", Qt::FindDirectChildrenOnly);
            QCOMPARE(f1->key(), QKeySequence(QKeySequence::HelpContents));
            emit f1->activated();
            topic = HelpBrowser() ? HelpBrowser()->source().toString() : QString();
            CloseHelp();
        }, false));
        QCOMPARE(topic, QStringLiteral("qrc:/help/topic4.html"));
    }

    void readFindsTheFolderFirstThenEachFileThenReportsTheEnd()
    {
        QVERIFY(command(false, [](TfrmSearch &d) { set(d, "READ", false, true, true, true); }));
        QCOMPARE(position(), QStringLiteral("Work/Readings"));
        QCOMPARE(m_main->focusWidget(), static_cast<QWidget *>(Tree(*m_main)));
        const QString expected[] = {"Work/Readings#0", "Work/Readings#1", "Work/Readings/Deep#0"};
        for (const QString &e : expected) {
            QVERIFY(!command(true));
            QCOMPARE(position(), e);
            QCOMPARE(m_main->focusWidget(), static_cast<QWidget *>(Grid(*m_main)));
            QVERIFY(m_prompter->messages().isEmpty());
        }
        for (int again = 0; again < 2; ++again) {
            QVERIFY(!command(true));
            QVERIFY(noMatchReported());
            QCOMPARE(position(), QStringLiteral("Work/Readings/Deep#0"));
        }
    }

    void caseSensitiveReadFindsNeitherFileName()
    {
        m_main->selectNode(node("Photos"));
        QVERIFY(command(false, [](TfrmSearch &d) { set(d, "READ", true, false, true, false); }));
        QVERIFY(noMatchReported());
        QCOMPARE(position(), QStringLiteral("Photos"));
    }

    void findNextGoesOnFromTheRowTheUserPicked()
    {
        QVERIFY(command(false, [](TfrmSearch &d) { set(d, "o", false, false, true, false); }));
        QCOMPARE(position(), QStringLiteral("Work#0"));
        // A fresh selection has no current row: the search starts with its
        // first file.
        m_main->selectNode(node("Photos"));
        m_main->selectNode(node("Work"));
        QCOMPARE(position(), QStringLiteral("Work"));
        QVERIFY(!command(true));
        QCOMPARE(position(), QStringLiteral("Work#0"));
        // The first row picked by the user: the search goes on after it.
        m_main->selectNode(node("Work"));
        m_main->setGridEntryIndex(0);
        QVERIFY(!command(true));
        QCOMPARE(position(), QStringLiteral("Work#1"));
    }

    void emptyTextFindsTheFirstEntryButNoFolder()
    {
        // Photos comes first in the tree.
        QVERIFY(command(false, [](TfrmSearch &d) { set(d, "", false, true, true, false); }));
        QCOMPARE(position(), QStringLiteral("Photos#0"));
        QVERIFY(command(false, [](TfrmSearch &d) { set(d, "", false, true, false, false); }));
        QVERIFY(noMatchReported());
    }

    void categoryWalkVisitsEveryEntryOfTheCategory()
    {
        QVERIFY(command(false, [](TfrmSearch &d) {
            set(d, "", false, true, true, true);
            Find<QCheckBox>(&d, "chkCategory")->setChecked(true);
            QCOMPARE(Find<QComboBox>(&d, "cboCategories")->count(), 3);
            QCOMPARE(Find<QComboBox>(&d, "cboCategories")->currentIndex(), -1);
            Find<QComboBox>(&d, "cboCategories")->setCurrentIndex(0); // Docs
        }));
        QCOMPARE(position(), QStringLiteral("Work#0"));
        QVERIFY(!command(true));
        QCOMPARE(position(), QStringLiteral("Work/Readings#1"));
        QVERIFY(!command(true));
        QVERIFY(noMatchReported());
        // A new Find asks for the category afresh.
        QVERIFY(command(false, [](TfrmSearch &d) {
            QVERIFY(!Find<QCheckBox>(&d, "chkCategory")->isChecked());
            QVERIFY(!Find<QComboBox>(&d, "cboCategories")->isEnabled());
            QCOMPARE(Find<QComboBox>(&d, "cboCategories")->currentIndex(), -1);
        }, false));
    }

    void categoryWithNonePickedMeansEntriesWithoutOne()
    {
        QVERIFY(command(false, [](TfrmSearch &d) {
            set(d, "", false, false, true, true);
            Find<QCheckBox>(&d, "chkCategory")->setChecked(true);
        }));
        QCOMPARE(position(), QStringLiteral("Work/Readings#0"));
        // With no text and no category picked there is nothing to go on
        // with: Find next is a new search and shows the dialog.
        QVERIFY(command(true, {}, false));
    }

    void cancelKeepsTheTypedTextForFindNext()
    {
        m_main->selectNode(node("Photos"));
        const QString before = position();
        QVERIFY(command(false, [](TfrmSearch &d) { Find<QLineEdit>(&d, "txtSearch")->setText("pic"); }, false));
        QCOMPARE(position(), before);
        QVERIFY(m_prompter->messages().isEmpty());
        QCOMPARE(Find<QLineEdit>(&dialog(), "txtSearch")->text(), QStringLiteral("pic"));
        QVERIFY(!command(true));
        QCOMPARE(position(), QStringLiteral("Photos#0"));
    }

    void firstFindNextOfARunShowsTheDialog()
    {
        QVERIFY(command(true, {}, false));
    }

    void findNextFromAChosenFolderStartsWithItsFirstEntry()
    {
        QVERIFY(command(false, [](TfrmSearch &d) { set(d, "e", false, false, true, false); }));
        QCOMPARE(position(), QStringLiteral("Work#0")); // notes.txt
        m_main->selectNode(node("Work/Readings"));
        QVERIFY(!command(true));
        QCOMPARE(position(), QStringLiteral("Work/Readings#0")); // readme.txt, not skipped
        // Find next with nothing selected searches from the top.
        m_main->selectNode(nullptr);
        QVERIFY(!command(true));
        QCOMPARE(position(), QStringLiteral("Work#0"));
    }

    void findNextGoesOnAfterARowTheUserPicked()
    {
        QVERIFY(command(false, [](TfrmSearch &d) { set(d, "e", false, false, true, false); }));
        QCOMPARE(position(), QStringLiteral("Work#0")); // notes.txt
        m_main->selectNode(node("Work/Readings"));
        m_main->setGridEntryIndex(1); // other.doc
        QVERIFY(!command(true));
        QCOMPARE(position(), QStringLiteral("Work/Readings/Deep#0"));
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialog_test.moc"
