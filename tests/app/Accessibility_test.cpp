// The desktop program as a screen reader and a keyboard user meet it: every
// control of the main window and of every dialog has a name the reader can
// say (and a picture-only button a description too), and in every menu and
// dialog each item and button has an Alt letter that no other item or
// button shown with it has; in English and in German, where no text may be
// cut.
#include "MainWindowFixture.h"
#include "service/Language.h"
#include "support/AllDialogs.h"
#include "support/Readability.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <map>

using namespace rkm;
using namespace rkm::test;

namespace {

QString NameOf(const QObject *o)
{
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

// The Alt letter of a caption ("&Open" -> 'o'); 0 when it has none ("&&" is
// an ampersand shown as it is).
QChar Mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '&') {
            if (text[i + 1] != '&')
                return text[i + 1].toLower();
            ++i;
        }
    return {};
}

// A part of another control (the line edit of a combo box, the viewport of
// a list) is said as that control, not on its own.
bool PartOfControl(const QWidget *w, const QWidget *window)
{
    for (const QWidget *up = w->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractSpinBox *>(up) ||
            qobject_cast<const QAbstractItemView *>(up))
            return true;
    return false;
}

// The controls of `window` that take the focus and that a screen reader
// cannot name: "window: control (what is missing)".
QStringList Unnamed(const QWidget *window, const QString &windowName)
{
    QStringList out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || w->focusPolicy() == Qt::NoFocus || w->focusProxy() || PartOfControl(w, window))
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        const QString where = windowName + ": " + NameOf(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            out << where + " (no name)";
        const auto *button = qobject_cast<const QToolButton *>(w);
        if (button && button->text().isEmpty() && !button->icon().isNull() &&
            (!a || a->text(QAccessible::Description).trimmed().isEmpty()))
            out << where + " (a picture without a description)";
    }
    return out;
}

// The captions with Alt letters shown together in `window` as it stands:
// its buttons, the labels that lead to a field, the titles of its group
// boxes and tabs. Buttons must have a letter.
struct Caption {
    QString text;
    QString owner;
    bool needsLetter;
};

std::vector<Caption> CaptionsShown(const QWidget *window)
{
    std::vector<Caption> out;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        if (const auto *b = qobject_cast<const QAbstractButton *>(w);
            b && !b->text().isEmpty() && !qobject_cast<const QToolButton *>(w))
            out.push_back({b->text(), NameOf(w), true});
        else if (const auto *l = qobject_cast<const QLabel *>(w); l && l->buddy())
            out.push_back({l->text(), NameOf(w), false});
        else if (const auto *g = qobject_cast<const QGroupBox *>(w); g && g->isCheckable())
            out.push_back({g->title(), NameOf(w), true});
        else if (const auto *t = qobject_cast<const QTabWidget *>(w))
            for (int i = 0; i < t->count(); ++i)
                out.push_back({t->tabText(i), NameOf(w) + "/" + QString::number(i), false});
    }
    return out;
}

std::vector<Caption> CaptionsOf(const QList<QAction *> &actions, bool onlyVisible)
{
    std::vector<Caption> out;
    for (const QAction *a : actions)
        if (!a->isSeparator() && !a->text().isEmpty() && (!onlyVisible || a->isVisible()))
            out.push_back({a->text(), NameOf(a), true});
    return out;
}

// What is wrong with the Alt letters of captions shown together: one
// missing, or two the same.
QStringList LetterFaults(const std::vector<Caption> &captions, const QString &where)
{
    QStringList out;
    std::map<QChar, QString> taken;
    for (const Caption &c : captions) {
        const QChar letter = Mnemonic(c.text);
        if (letter.isNull()) {
            // A caption of signs alone ("...") has no letter to give.
            if (c.needsLetter && std::any_of(c.text.begin(), c.text.end(), [](QChar ch) { return ch.isLetter(); }))
                out << where + ": " + c.owner + " \"" + c.text + "\" has no Alt letter";
        } else if (auto [it, added] = taken.emplace(letter, c.owner + " \"" + c.text + "\""); !added) {
            out << where + ": " + c.owner + " \"" + c.text + "\" takes Alt+" + letter + " of " + it->second;
        }
    }
    return out;
}

// Every state of `window` a user can bring about by turning its tabs:
// `check` runs with each page of each tab widget, the others as they were.
void EachPage(QWidget *window, const std::function<void()> &check)
{
    check();
    for (QTabWidget *t : window->findChildren<QTabWidget *>()) {
        const int was = t->currentIndex();
        for (int i = 0; i < t->count(); ++i)
            if (i != was)
                t->setCurrentIndex(i), check();
        t->setCurrentIndex(was);
    }
}

QStringList Sorted(QStringList list)
{
    list.removeDuplicates();
    list.sort();
    return list;
}

} // namespace

class AccessibilityTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void everyControlHasANameAndEveryCaptionItsOwnAltLetter_data();
    void everyControlHasANameAndEveryCaptionItsOwnAltLetter();
};

void AccessibilityTest::everyControlHasANameAndEveryCaptionItsOwnAltLetter_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("en");
    QTest::newRow("German") << QStringLiteral("de");
}

void AccessibilityTest::everyControlHasANameAndEveryCaptionItsOwnAltLetter()
{
    QFETCH(QString, language);
    QCOMPARE(InstallTranslations(language), language);
    const auto english = qScopeGuard([] { InstallTranslations(QStringLiteral("en")); });
    writeTwoDisks();
    TfrmMain &main = start();
    QCoreApplication::processEvents();

    QStringList faults;
    faults << Unnamed(&main, "main window");
    // The menu bar's titles and the controls of the window are reached by
    // Alt together: with the welcome and the offer of a mounted disk shown,
    // all their buttons, and with each panel in turn.
    const auto shownWith = [&](QWidget *part) {
        part->show();
        for (QAbstractButton *b : part->findChildren<QAbstractButton *>())
            b->show();
        std::vector<Caption> shown = CaptionsOf(main.menuBar()->actions(), true);
        for (const Caption &c : CaptionsShown(&main))
            shown.push_back(c);
        faults << LetterFaults(shown, "main window with " + NameOf(part));
    };
    shownWith(Find<QWidget>(&main, "pnlWelcome"));
    shownWith(Find<QWidget>(&main, "pnlMountOffer"));
    for (QDockWidget *panel : main.findChildren<QDockWidget *>()) {
        shownWith(panel);
        panel->hide();
    }
    // Each menu, the bar's and the pop-up ones, by itself.
    for (const QMenu *menu : main.findChildren<QMenu *>())
        faults << LetterFaults(CaptionsOf(menu->actions(), false), "menu " + NameOf(menu));

    AllDialogs all;
    for (const QString &name : AllDialogs::InSources())
        QVERIFY2(all.makers().count(name), qPrintable(name + " is not opened by this test"));
    for (const auto &[name, make] : all.makers()) {
        std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        QVERIFY2(QTest::qWaitForWindowExposed(dialog.get()), qPrintable(name));
        EachPage(dialog.get(), [&, name = name] {
            faults << Unnamed(dialog.get(), name);
            faults << LetterFaults(CaptionsShown(dialog.get()), name);
            // Longer words (German) still fit their labels and buttons.
            for (const QString &cut : CutTexts(dialog.get()))
                faults << name + ": " + cut + " is cut";
        });
        dialog->reject();
    }
    faults = Sorted(faults);
    for (const QString &f : faults)
        qInfo("%s", qPrintable(f));
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults, listed above"));
}

QTEST_MAIN(AccessibilityTest)
#include "Accessibility_test.moc"
