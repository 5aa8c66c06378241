// Every dialog of the program, as a user meets it with the keyboard: it
// opens with the focus on its first field, and Tab goes through the fields
// in reading order, then through the buttons, and round again. Reading order
// is worked out from where the controls are, not from a list kept here, so
// a control moved or added in the .ui file is checked by itself.
#include "support/AllDialogs.h"
#include "support/GuiTestSupport.h"

#include "scan/ui/Frmprops.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace rkm;
using namespace rkm::test;

namespace {

// A widget's rectangle in the dialog's coordinates.
QRect RectIn(const QWidget *w, const QWidget *dialog)
{
    return QRect(w->mapTo(dialog, QPoint(0, 0)), w->size());
}

// Two rectangles are on one line when each one's middle lies within the
// other's height: a label-high check box beside a taller box still is.
bool OnOneLine(const QRect &a, const QRect &b)
{
    return (a.center().y() >= b.top() && a.center().y() <= b.bottom()) ||
           (b.center().y() >= a.top() && b.center().y() <= a.bottom());
}

// Orders rectangles as text is read: line by line from the top, and each
// line from the left.
template <class T> void SortReading(std::vector<T> &items, const std::function<QRect(const T &)> &rect)
{
    std::sort(items.begin(), items.end(), [&](const T &a, const T &b) { return rect(a).top() < rect(b).top(); });
    std::vector<T> out;
    while (!items.empty()) {
        // The line of the topmost item left: everything on one line with it.
        const QRect first = rect(items.front());
        std::vector<T> line, rest;
        for (const T &i : items)
            (OnOneLine(rect(i), first) ? line : rest).push_back(i);
        std::sort(line.begin(), line.end(), [&](const T &a, const T &b) { return rect(a).left() < rect(b).left(); });
        out.insert(out.end(), line.begin(), line.end());
        items = rest;
    }
    items = out;
}

// Whether Tab stops at `w`: shown, enabled, taking the focus by Tab. Of a
// group of option buttons only the chosen one is a stop (the arrow keys
// move within the group).
bool TabStop(const QWidget *w, const QWidget *dialog)
{
    if (const auto *option = qobject_cast<const QAbstractButton *>(w);
        option && option->isCheckable() && option->autoExclusive() && !option->isChecked())
        return false;
    return w != dialog && w->isVisibleTo(dialog) && w->isEnabled() && !w->focusProxy() &&
           (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The layout that holds `w` itself, among the layouts below `layout`.
const QLayout *LayoutHolding(const QLayout *layout, const QWidget *w)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(w) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        const QLayout *inner = item->layout() ? item->layout() : item->widget() ? item->widget()->layout() : nullptr;
        if (const QLayout *found = LayoutHolding(inner, w))
            return found;
    }
    return nullptr;
}

// The dialog's buttons: the row (or column) of push buttons that holds the
// one that ends the dialog, OK or Cancel. Push buttons elsewhere (Browse
// beside a box, Add beside a list) belong to the fields they serve.
std::vector<QWidget *> DialogButtons(const QDialog *dialog)
{
    const QList<QPushButton *> pushButtons = dialog->findChildren<QPushButton *>();
    const QPushButton *closing = nullptr;
    for (const QPushButton *b : pushButtons)
        if (!closing && b->isVisibleTo(dialog) &&
            (b->isDefault() || QString(b->text()).remove(QLatin1Char('&')) == QLatin1String("Cancel")))
            closing = b;
    std::vector<QWidget *> buttons;
    const QLayout *row = closing ? LayoutHolding(dialog->layout(), closing) : nullptr;
    for (QPushButton *b : pushButtons)
        if (row && row->indexOf(b) >= 0 && TabStop(b, dialog))
            buttons.push_back(b);
    return buttons;
}

// The controls Tab should visit, in the order it should: the fields in
// reading order, then the buttons in reading order. A group of controls
// (a group box, a frame, a page) is read as one block where it stands and
// its controls one after another, as a reader finishes a box before the
// next.
std::vector<QWidget *> ExpectedOrder(QDialog *dialog)
{
    const std::vector<QWidget *> buttons = DialogButtons(dialog);
    std::function<std::vector<QWidget *>(QWidget *)> read = [&](QWidget *parent) {
        // The blocks right below `parent`: a control, or a widget holding some.
        struct Block {
            QWidget *widget;
            std::vector<QWidget *> stops;
        };
        std::vector<Block> blocks;
        for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisibleTo(dialog) || child->isWindow())
                continue;
            std::vector<QWidget *> stops;
            // The inner parts of a control (the line edit of a combo box,
            // the arrows of a tab bar) are no stops of their own.
            if (TabStop(child, dialog))
                stops.push_back(child);
            else
                stops = read(child);
            std::erase_if(stops,
                          [&](QWidget *w) { return std::find(buttons.begin(), buttons.end(), w) != buttons.end(); });
            if (!stops.empty())
                blocks.push_back({child, stops});
        }
        SortReading<Block>(blocks, [&](const Block &b) { return RectIn(b.widget, dialog); });
        std::vector<QWidget *> out;
        for (const Block &b : blocks)
            out.insert(out.end(), b.stops.begin(), b.stops.end());
        return out;
    };
    std::vector<QWidget *> order = read(dialog);
    std::vector<QWidget *> sortedButtons = buttons;
    SortReading<QWidget *>(sortedButtons, [&](QWidget *const &w) { return RectIn(w, dialog); });
    order.insert(order.end(), sortedButtons.begin(), sortedButtons.end());
    return order;
}

QString Names(const std::vector<QWidget *> &widgets)
{
    QStringList names;
    for (const QWidget *w : widgets)
        names << (w ? (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
                    : QStringLiteral("(none)"));
    return names.join(QStringLiteral(", "));
}

// Where the focus is, as the control a user sees focused: a combo box for
// the line edit inside it.
QWidget *Focused(QDialog *dialog)
{
    QWidget *w = QApplication::focusWidget();
    if (!w || w->window() != dialog)
        return nullptr;
    QWidget *shown = w;
    for (QWidget *up = w->parentWidget(); up && up != dialog; up = up->parentWidget())
        if (TabStop(up, dialog))
            shown = up;
    return shown;
}

} // namespace

class DialogFocusTest : public QObject {
    Q_OBJECT

private slots:
    void everyDialogOpensOnItsFirstFieldAndTabsInReadingOrder();
};

void DialogFocusTest::everyDialogOpensOnItsFirstFieldAndTabsInReadingOrder()
{
    QueuedPrompter prompter;
    AllDialogs all;
    const auto &dialogs = all.makers();

    // Every dialog of the program is here.
    const QStringList found = AllDialogs::InSources();
    QVERIFY(!found.isEmpty());
    for (const QString &name : found)
        QVERIFY2(dialogs.count(name), qPrintable(name + " is not opened by this test"));

    // The dialogs made once and shown again and again: each showing starts
    // at the first field, wherever the focus was left the time before.
    const QStringList madeOnce = {"TfrmAddNew",     "TfrmAdding",         "TfrmProps",
                                  "TfrmDuplicates", "TfrmListProperties", "TfrmSearch"};

    QStringList wrong;
    for (const auto &[name, make] : dialogs) {
        std::unique_ptr<QDialog> dialog = make();
        for (int showing = 1; showing <= (madeOnce.contains(name) ? 2 : 1); ++showing) {
            if (name == "TfrmProps")
                static_cast<TfrmProps &>(*dialog).FormShow(); // as the command does before each showing
            dialog->show();
            QApplication::setActiveWindow(dialog.get());
            QVERIFY2(QTest::qWaitForWindowActive(dialog.get()), qPrintable(name));
            QCoreApplication::processEvents();
            const std::vector<QWidget *> expected = ExpectedOrder(dialog.get());
            QVERIFY2(!expected.empty(), qPrintable(name));
            // Tab round the dialog and back to where it started.
            std::vector<QWidget *> visited = {Focused(dialog.get())};
            for (size_t i = 0; i < expected.size() + 2; ++i) {
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get(), Qt::Key_Tab);
                QWidget *now = Focused(dialog.get());
                if (now == visited.front())
                    break;
                visited.push_back(now);
            }
            const QString trace = name + (showing == 2 ? " (shown again)" : "") + "\n   expected: " + Names(expected) +
                                  "\n   visited:  " + Names(visited);
            if (visited.front() != expected.front())
                wrong << "focus on opening: " + trace, qInfo("%s", qPrintable(wrong.back()));
            else if (visited != expected)
                wrong << "Tab order: " + trace, qInfo("%s", qPrintable(wrong.back()));
            // Left with the focus on its last control.
            expected.back()->setFocus(Qt::TabFocusReason);
            dialog->reject();
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
}

QTEST_MAIN(DialogFocusTest)
#include "DialogFocus_test.moc"
