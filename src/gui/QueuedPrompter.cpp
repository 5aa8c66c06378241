#include "gui/QueuedPrompter.h"

namespace rkm {

QueuedPrompter::QueuedPrompter()
{
    setPrompter(this);
}

QueuedPrompter::~QueuedPrompter()
{
    if (&prompter() == this)
        setPrompter(nullptr);
}

int QueuedPrompter::count(Kind kind) const
{
    int n = 0;
    for (const Call &c : calls)
        n += c.kind == kind ? 1 : 0;
    return n;
}

QList<QueuedPrompter::Call> QueuedPrompter::messages() const
{
    QList<Call> out;
    for (const Call &c : calls)
        if (c.kind == Message)
            out.append(c);
    return out;
}

QMessageBox::StandardButton QueuedPrompter::message(QWidget *, QMessageBox::Icon icon, const QString &caption,
                                                    const QString &text, QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    calls.append({Message, caption, text, icon, buttons, defaultButton});
    if (!answers.isEmpty())
        return answers.dequeue();
    if (defaultButton != QMessageBox::NoButton)
        return defaultButton;
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1)
        if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
            return static_cast<QMessageBox::StandardButton>(bit);
    return QMessageBox::NoButton;
}

void QueuedPrompter::richMessage(QWidget *, const QString &caption, const QString &html)
{
    calls.append({Message, caption, html, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, true});
}

void QueuedPrompter::beep()
{
    calls.append({Beep, {}, {}});
}

QString QueuedPrompter::existingDirectory(QWidget *, const QString &caption, const QString &start)
{
    calls.append({ExistingDirectory, caption, start});
    return directories.isEmpty() ? QString() : directories.dequeue();
}

QString QueuedPrompter::saveFileName(QWidget *, const QString &caption, const QString &start, const QString &filter)
{
    calls.append({SaveFileName, caption, start});
    saveFilters.append(filter);
    return saveFiles.isEmpty() ? QString() : saveFiles.dequeue();
}

QStringList QueuedPrompter::openFileNames(QWidget *, const QString &caption, const QString &start)
{
    calls.append({OpenFileNames, caption, start});
    return openFiles.isEmpty() ? QStringList() : openFiles.dequeue();
}

bool QueuedPrompter::choosePrinter(QWidget *, QPrinter *)
{
    calls.append({ChoosePrinter, {}, {}});
    return printerAnswers.isEmpty() ? false : printerAnswers.dequeue();
}

bool QueuedPrompter::openUrl(const QUrl &url)
{
    calls.append({OpenUrl, {}, url.toString()});
    return openAnswers.isEmpty() ? true : openAnswers.dequeue();
}

} // namespace rkm
