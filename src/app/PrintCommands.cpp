#include "app/PrintCommands.h"

#include "app/MainView.h"
#include "catalog/CatalogStore.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "print/PageLayout.h"
#include "print/PrintSelection.h"
#include "print/render/QtPrintSurface.h"
#include "print/ui/Frmprint.h"
#include "print/ui/Frmprintpreview.h"

#include <QGuiApplication>
#include <QPrinter>

namespace rkm {

PrintCommands::PrintCommands(CatalogStore &store, MainView &view)
    : settings(&ProgramSettings()), m_store(store), m_view(view), m_commands(view.dialogParent())
{
    m_commands.add("mnuPrint", QT_TRANSLATE_NOOP("Commands", "&Print..."), CommandNeeds::Selection, CommandKind::Reads, [this] { print(); });
    m_commands.add("popPrint", QT_TRANSLATE_NOOP("Commands", "&Print..."), CommandNeeds::Selection, CommandKind::Reads, [this] { print(); });
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::print()
{
    if (!m_view.currentDisk())
        return;
    TfrmPrint dialog(m_store.ProgramDir(), *settings, m_view.dialogParent());
    if (!dialog.loadError().isEmpty())
        m_view.reportError(dialog.loadError());
    for (;;) {
        const int result = dialog.exec();
        if (result != TfrmPrint::RESULT_PRINT && result != TfrmPrint::RESULT_PREVIEW)
            return;
        std::vector<std::string> FileLines, FolderLines;
        try {
            WaitCursor wait;
            if (dialog.saveAsDefault())
                dialog.SaveDefaults();
            const TPrintSelection selection = ReadPrintSelection(dialog.options());
            CollectPrintLines(*m_view.currentDisk()->Node, FileLines, FolderLines, selection);
        } catch (const std::exception &e) {
            // A filter file that cannot be written, a level that is no number:
            // the command ends here.
            m_view.reportError(QString::fromUtf8(e.what()));
            return;
        }
        bool finished = true;
        m_view.guarded([&] {
            finished = RenderPrintout(result == TfrmPrint::RESULT_PREVIEW, FileLines, FolderLines, dialog);
        });
        if (finished)
            return;
    }
}

bool PrintCommands::RenderPrintout(bool preview, const std::vector<std::string> &FileLines,
                                   const std::vector<std::string> &FolderLines, const TfrmPrint &dialog)
{
    const PrintOptions o = dialog.options();
    const PageRequest request{ChosenLayout(o), ChosenFrame(o), preview,
                              PageTitle(&m_store.Tree(), *m_view.currentDisk()->Node, ChosenLayout(o))};
    if (preview) {
        TfrmPrintPreview window(m_view.dialogParent());
        // Drawn at the screen's pixel ratio, so that it is sharp on a scaled screen.
        const qreal ratio = window.devicePixelRatioF();
        QImage image;
        int pages = 1;
        {
            WaitCursor wait;
            image = RenderPreviewImage(request, FolderLines, FileLines, ratio, &pages);
        }
        window.PreviewBitmap = &image;
        window.setPages(pages, [&](int page) {
            WaitCursor wait;
            PageRequest r = request;
            r.page = page;
            return RenderPreviewImage(r, FolderLines, FileLines, ratio);
        });
        if (window.exec() != QDialog::Accepted)
            return false;
        // "Print" in the preview prints the page anew, printer dialog included.
        RenderPrintout(false, FileLines, FolderLines, dialog);
        return true;
    }

    QPrinter printer(QPrinter::HighResolution);
    if (!printFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
    }
    if (!prompter().choosePrinter(m_view.dialogParent(), &printer))
        return true;
    WaitCursor wait;
    printer.setDocName(JobTitle(request.title));
    return PrintPage(printer, request, FolderLines, FileLines, [this] {
        // The question gets the normal pointer back while it is open.
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        const bool abort = prompter().message(m_view.dialogParent(), QMessageBox::Warning, tr("Abort"),
                                              tr("Listing does not fit to the print area, abort printing?"),
                                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        QGuiApplication::restoreOverrideCursor();
        return abort;
    });
}

} // namespace rkm
