#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

class QPrinter;
class QWidget;

namespace rkm {

// Everything that waits for the user or talks to the desktop goes through
// here: message boxes, the warning beep, folder pickers, the printer dialog
// and opening documents. Tests install a QueuedPrompter with queued answers,
// so nothing modal blocks them.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A modal message box; returns the button pressed. The text is shown as
    // it is, never as markup: it may hold names from a listing, the file
    // system or the user.
    virtual QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                                const QString &text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    // A message box whose text is the program's own HTML (the about box);
    // every text from elsewhere in it must be escaped.
    virtual void richMessage(QWidget *parent, const QString &caption, const QString &html)
    {
        message(parent, QMessageBox::NoIcon, caption, html, QMessageBox::Ok);
    }
    // The warning (exclamation) beep.
    virtual void beep() = 0;
    // A folder picker; empty when cancelled.
    virtual QString existingDirectory(QWidget *parent, const QString &caption, const QString &start) = 0;
    // A picker for a file to write, starting at `start` (a folder, or a
    // suggested file), offering the name filter `filter` ("CSV files
    // (*.csv)"); it asks before an existing file is replaced. Empty when
    // cancelled (what a prompter that offers no such picker answers).
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &start,
                                 const QString &filter)
    {
        (void)parent, (void)caption, (void)start, (void)filter;
        return {};
    }
    // A picker for one or more existing files to read, starting in the
    // folder `start`; empty when cancelled (what a prompter that offers no
    // such picker answers).
    virtual QStringList openFileNames(QWidget *parent, const QString &caption, const QString &start)
    {
        (void)parent, (void)caption, (void)start;
        return {};
    }
    // The printer selection dialog; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter *printer) = 0;
    // Opens a document or web address with the desktop's default application;
    // false when nothing could open it (for a file: no program is set up for
    // its type, or the desktop has no opener).
    virtual bool openUrl(const QUrl &url) = 0;
};

// The prompter in use (the real desktop one unless a test set another).
Prompter &prompter();
// Installs a prompter (not owned); null restores the desktop one.
void setPrompter(Prompter *p);

} // namespace rkm
