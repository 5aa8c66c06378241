#include "gui/Prompter.h"

#include "platform/Opener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace rkm {

namespace {

class DesktopPrompter final : public Prompter {
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        return show(icon, caption, text, Qt::PlainText, buttons, defaultButton, parent);
    }

    void richMessage(QWidget *parent, const QString &caption, const QString &html) override
    {
        show(QMessageBox::NoIcon, caption, html, Qt::RichText, QMessageBox::Ok, QMessageBox::Ok, parent);
    }

    void beep() override { QApplication::beep(); }

    QString existingDirectory(QWidget *parent, const QString &caption, const QString &start) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, start);
    }

    QString saveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, start, filter);
    }

    QStringList openFileNames(QWidget *parent, const QString &caption, const QString &start) override
    {
        return QFileDialog::getOpenFileNames(parent, caption, start);
    }

    bool choosePrinter(QWidget *parent, QPrinter *printer) override
    {
        QPrintDialog dialog(printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool openUrl(const QUrl &url) override
    {
        // A file of a type no program is set up for would only make the
        // desktop's opener fail where nobody sees it.
        if (url.isLocalFile() && platform::DefaultApplicationForFile(QFile::encodeName(url.toLocalFile()).toStdString(),
                                                                     platform::SessionOpenerDirs())
                                     .empty())
            return false;
        return QDesktopServices::openUrl(url);
    }

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                            Qt::TextFormat format, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton, QWidget *parent)
    {
        QMessageBox box(icon, caption, QString(), buttons, parent);
        box.setTextFormat(format);
        box.setText(text);
        if (icon == QMessageBox::NoIcon && !QApplication::windowIcon().isNull())
            box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
        if (defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

Prompter *g_installed = nullptr;

} // namespace

Prompter &prompter()
{
    static DesktopPrompter desktop;
    return g_installed ? *g_installed : desktop;
}

void setPrompter(Prompter *p)
{
    g_installed = p;
}

} // namespace rkm
