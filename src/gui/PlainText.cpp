#include "gui/PlainText.h"

#include <QLabel>
#include <QTextDocument>
#include <QWidget>

namespace rkm {

void ShowLabelsAsPlainText(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

QString PlainToolTip(const QString &text)
{
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap);
}

} // namespace rkm
