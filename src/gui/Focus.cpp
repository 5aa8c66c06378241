#include "gui/Focus.h"

#include <QAbstractButton>
#include <QWidget>

namespace rkm {

void FocusFirstField(QWidget *window)
{
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->focusProxy() ||
            (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            continue;
        // Of a group of options, Tab reaches only the chosen one.
        if (const auto *option = qobject_cast<const QAbstractButton *>(w);
            option && option->isCheckable() && option->autoExclusive() && !option->isChecked())
            continue;
        w->setFocus(Qt::TabFocusReason);
        return;
    }
}

} // namespace rkm
