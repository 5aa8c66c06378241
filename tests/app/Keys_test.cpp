// The keys people expect: F2 renames, Ctrl+Q quits with the exit save, Esc
// closes Rename, the help window and the preview, Ctrl+W the help window;
// and every dialog can be worked by keyboard alone.
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QTextBrowser>

#include "app/Mainfrm.h"
#include "gui/Help.h"
#include "gui/QueuedPrompter.h"
#include "print/PrintSettings.h"
#include "print/ui/Frmaddfilter.h"
#include "print/ui/Frmprint.h"
#include "print/ui/Frmprintpreview.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmadding.h"
#include "scan/ui/Frmprops.h"
#include "scan/ui/Formrename.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmsearch.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <set>

using namespace rkm;
using namespace rkm::test;

namespace {

bool Activate(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    return QTest::qWaitForWindowActive(&w);
}

// The letter after a single '&' of a caption, or 0.
QChar Mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

struct MemorySettings final : PrintSettingsStore {
    std::map<std::string, int> ints;
    std::map<std::string, std::string> strings;
    int getInt(const std::string &k, int d) override { return ints.count(k) ? ints[k] : d; }
    void setInt(const std::string &k, int v) override { ints[k] = v; }
    std::string getString(const std::string &k) override { return strings[k]; }
    void setString(const std::string &k, const std::string &v) override { strings[k] = v; }
};

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<QueuedPrompter> m_prompter;

    TfrmMain &start()
    {
        m_sandbox->Open();
        if (!Activate(*m_sandbox->main))
            qWarning("main window not active");
        return *m_sandbox->main;
    }

private slots:
    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        m_prompter = std::make_unique<QueuedPrompter>();
        WriteDisk(m_sandbox->programDir, "1.rkm", *MakeDisk("Beta", 1, {{"Docs", 2}}));
        WriteDisk(m_sandbox->programDir, "2.rkm", *MakeDisk("Alpha", 1));
    }
    void cleanup()
    {
        CloseHelp();
        m_sandbox->main.reset();
        m_sandbox->store.reset();
        m_prompter.reset();
        m_sandbox.reset();
    }

    void f2RenamesEscCancelsCtrlQQuitsWithTheExitSave()
    {
        TfrmMain &w = start();
        TreeNode *beta = m_sandbox->store->Tree().findByName("Beta");
        QCOMPARE(beta->row(), 1);
        w.selectNode(beta->child(0)); // a folder: the disk is renamed
        Tree(w)->setFocus();

        // F2, then Esc: Rename opened for the disk and closed without a change.
        QString offered;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TFormRename *>(QApplication::activeModalWidget());
            QVERIFY(d);
            QVERIFY(Activate(*d));
            offered = d->name();
            Find<QLineEdit>(d, "txtName")->setText(QStringLiteral("Changed"));
            QTest::keyClick(Find<QLineEdit>(d, "txtName"), Qt::Key_Escape);
        });
        QTest::keyClick(Tree(w), Qt::Key_F2);
        QCOMPARE(offered, QStringLiteral("Beta"));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(beta->text(), std::string("Beta"));
        QVERIFY(!beta->disk().IsModified());

        // F2 from the grid too; Enter takes the name, and the disk moves to
        // the place of its new name.
        QVERIFY(Activate(w));
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TFormRename *>(QApplication::activeModalWidget());
            QVERIFY(d);
            QVERIFY(Activate(*d));
            Find<QLineEdit>(d, "txtName")->setText(QStringLiteral("Aardvark"));
            QTest::keyClick(Find<QLineEdit>(d, "txtName"), Qt::Key_Return);
        });
        QTest::keyClick(Grid(w), Qt::Key_F2);
        QCOMPARE(beta->text(), std::string("Aardvark"));
        QCOMPARE(beta->row(), 0);
        QCOMPARE(Tree(w)->model()->index(0, 0).data().toString(), QStringLiteral("Aardvark"));
        QCOMPARE(w.currentNode(), beta->child(0));

        // Ctrl+Q quits; the renamed listing is written as the program ends.
        QVERIFY(Activate(w));
        QTest::keyClick(Tree(w), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
        m_sandbox->main.reset();
        CatalogStore again(m_sandbox->programDir);
        QVERIFY(again.LoadCatalog().empty());
        QVERIFY(again.Tree().findByName("Aardvark"));
    }

    void helpWindowClosesOnEscAndCtrlW_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
    }
    void helpWindowClosesOnEscAndCtrlW()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TfrmMain &w = start();
        ShowHelp(&w, HELP_MAIN_WINDOW);
        QVERIFY(HelpWindow());
        QVERIFY(Activate(*HelpWindow()));
        HelpBrowser()->setFocus();
        QTest::keyClick(HelpBrowser(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(!HelpWindow() || !HelpWindow()->isVisible());
    }

    void previewClosesOnEsc()
    {
        TfrmPrintPreview preview;
        int result = -1;
        QTimer::singleShot(0, [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        result = preview.exec();
        QCOMPARE(result, int(QDialog::Rejected));
    }

    void renameAndFilterBoxesCarryALabel()
    {
        TFormRename rename;
        TfrmAddFilter filter;
        const std::pair<QWidget *, std::pair<const char *, const char *>> cases[] = {
            {&rename, {"lblName", "txtName"}}, {&filter, {"lblFilter", "m_pTxtFilter"}}};
        for (const auto &[dialog, names] : cases) {
            auto *label = Find<QLabel>(dialog, names.first);
            QCOMPARE(label->buddy(), Find<QLineEdit>(dialog, names.second));
            QVERIFY(!Mnemonic(label->text()).isNull());
        }
    }

    // Every dialog: Tab reaches every control that takes input, labels lead
    // to their boxes with a mnemonic, and no two mnemonics of a page clash.
    // Tab goes from the tree to the grid and from the grid on, never from
    // cell to cell of the grid; the arrow keys move in it.
    void tabLeavesTheTreeAndTheGrid()
    {
        TfrmMain &w = start();
        w.selectNode(m_sandbox->store->Tree().findByName("Beta"));
        QVERIFY(Grid(w)->model()->rowCount() > 0);
        for (QAbstractItemView *view : std::initializer_list<QAbstractItemView *>{Tree(w), Grid(w)}) {
            view->setFocus();
            view->setCurrentIndex(view->model()->index(0, 0));
            QCOMPARE(QApplication::focusWidget(), view);
            QTest::keyClick(view, Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() != view, qPrintable(view->objectName()));
        }
        // No view of the window, the results panels' included, keeps Tab to itself.
        for (const QAbstractItemView *view : w.findChildren<QAbstractItemView *>())
            QVERIFY2(!view->tabKeyNavigation(), qPrintable(view->objectName()));
    }

    void everyDialogByKeyboardAlone()
    {
        MemorySettings settings;
        TfrmAddNew addNew;
        TfrmAdding adding;
        TfrmProps props;
        TFormRename rename;
        TfrmListProperties fileProps;
        TfrmSearch search;
        TfrmPrint print(m_sandbox->programDir, settings);
        TfrmAddFilter filter;
        TfrmPrintPreview preview;
        std::vector<std::pair<QWidget *, int>> pages; // dialog and tab page (-1: none)
        for (QWidget *d : std::initializer_list<QWidget *>{&addNew, &adding, &props, &rename, &fileProps, &search,
                                                          &filter, &preview})
            pages.emplace_back(d, -1);
        for (int p = 0; p < Find<QTabWidget>(&print, "PageControl1")->count(); ++p)
            pages.emplace_back(&print, p);

        for (const auto &[dialog, page] : pages) {
            const QString what = dialog->objectName() + QStringLiteral(" page %1").arg(page);
            if (page >= 0)
                Find<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(page);
            QVERIFY2(Activate(*dialog), qPrintable(what));

            std::set<QWidget *> takesInput;
            std::map<QChar, QString> mnemonics;
            for (QWidget *c : dialog->findChildren<QWidget *>()) {
                // A control disabled now may be enabled later: its mnemonic
                // counts all the same.
                if (!c->isVisibleTo(dialog))
                    continue;
                if (c->isEnabled() && c->focusPolicy() & Qt::TabFocus && !qobject_cast<QTabWidget *>(c))
                    takesInput.insert(c);
                QString caption;
                if (auto *label = qobject_cast<QLabel *>(c); label && label->buddy()) {
                    caption = label->text();
                    QVERIFY2(!Mnemonic(caption).isNull(), qPrintable(what + QStringLiteral(": ") + caption));
                    QVERIFY2(label->buddy()->focusPolicy() & Qt::TabFocus, qPrintable(what + caption));
                } else if (auto *button = qobject_cast<QAbstractButton *>(c)) {
                    caption = button->text();
                }
                const QChar m = Mnemonic(caption);
                if (m.isNull())
                    continue;
                QVERIFY2(!mnemonics.count(m), qPrintable(what + QStringLiteral(": ") + mnemonics[m] +
                                                         QStringLiteral(" and ") + caption));
                mnemonics[m] = caption;
            }

            // Tab from the first focus round the whole dialog.
            std::set<QWidget *> reached;
            QWidget *first = QApplication::focusWidget();
            QVERIFY2(first && first->window() == dialog, qPrintable(what));
            for (int i = 0; i < 60; ++i) {
                QWidget *now = QApplication::focusWidget();
                reached.insert(now);
                QTest::keyClick(now, Qt::Key_Tab);
                if (QApplication::focusWidget() == first)
                    break;
            }
            // A composite control (a combo box with its line) counts as one;
            // Tab enters a group of radio buttons once, the arrows move in it.
            auto wasReached = [&](QWidget *c) {
                auto *radio = qobject_cast<QRadioButton *>(c);
                for (QWidget *r : reached) {
                    if (r == c || c->isAncestorOf(r) || r->isAncestorOf(c) || c->focusProxy() == r ||
                        r->focusProxy() == c)
                        return true;
                    if (radio && radio->autoExclusive() && qobject_cast<QRadioButton *>(r) &&
                        r->parentWidget() == c->parentWidget())
                        return true;
                }
                return false;
            };
            for (QWidget *c : takesInput)
                QVERIFY2(wasReached(c), qPrintable(what + QStringLiteral(": Tab never reaches ") + c->objectName()));
            dialog->hide();
        }
    }
};

QTEST_MAIN(KeysTest)
#include "Keys_test.moc"
