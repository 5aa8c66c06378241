#include "gui/LineEdits.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace rkm {

void KeepOnOneLine(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) {
        if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
            return;
        const int cursor = edit->cursorPosition();
        QString one = text;
        const int before = static_cast<int>(one.size());
        one.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        one.replace(QLatin1Char('\r'), QLatin1Char(' '));
        one.replace(QLatin1Char('\n'), QLatin1Char(' '));
        {
            const QSignalBlocker block(edit);
            edit->setText(one);
            edit->setCursorPosition(std::max(0, cursor - (before - static_cast<int>(one.size()))));
        }
        // Told once more, with the text as it stays.
        emit edit->textChanged(one);
    });
}

} // namespace rkm
