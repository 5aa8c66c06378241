#pragma once

#include "gui/Prompter.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace rkm {

// A prompter for tests: answers are queued per kind of call, and every call is
// recorded for assertions. It installs itself while it lives.
//
//   QueuedPrompter p;
//   p.answers.enqueue(QMessageBox::Yes);
//   ... run the command ...
//   QCOMPARE(p.calls.size(), 1);
//   QCOMPARE(p.calls[0].caption, "Rackmere");
class QueuedPrompter final : public Prompter {
public:
    enum Kind { Message, Beep, ExistingDirectory, ChoosePrinter, OpenUrl, SaveFileName, OpenFileNames };

    struct Call {
        Kind kind;
        QString caption;  // message box or picker caption
        QString text;     // message text; for a picker its start folder; for OpenUrl the address
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        bool richText = false; // the program's own HTML (richMessage)
    };

    QueuedPrompter();
    ~QueuedPrompter() override;
    QueuedPrompter(const QueuedPrompter &) = delete;
    QueuedPrompter &operator=(const QueuedPrompter &) = delete;

    // Answers, taken in order. With none queued: a message returns its default
    // button, else its first button; a picker returns empty (cancelled); the
    // printer dialog returns false; opening a document returns true.
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> directories;
    QQueue<QString> saveFiles;
    QQueue<QStringList> openFiles;
    QQueue<bool> printerAnswers;
    QQueue<bool> openAnswers;

    QList<Call> calls;
    // The name filter of each save-file picker shown, in order.
    QStringList saveFilters;

    int count(Kind kind) const;
    // The messages shown so far (kind Message only).
    QList<Call> messages() const;
    void clear() { calls.clear(); }

    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    void richMessage(QWidget *parent, const QString &caption, const QString &html) override;
    void beep() override;
    QString existingDirectory(QWidget *parent, const QString &caption, const QString &start) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter) override;
    QStringList openFileNames(QWidget *parent, const QString &caption, const QString &start) override;
    bool choosePrinter(QWidget *parent, QPrinter *printer) override;
    bool openUrl(const QUrl &url) override;
};

} // namespace rkm
