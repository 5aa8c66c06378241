#pragma once

#include "app/Command.h"
#include "print/PrintSettings.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <vector>

namespace rkm {

class CatalogStore;
class MainView;
class TfrmPrint;

// The main window's print command: the options dialog, the selection of
// the lines, the page on the printer or in the preview; the Disk menu's
// item and the tree's pop-up menu item.
class PrintCommands final {
    Q_DECLARE_TR_FUNCTIONS(rkm::PrintCommands)

public:
    PrintCommands(CatalogStore &store, MainView &view);
    ~PrintCommands();
    void print();

    const CommandList &commands() const { return m_commands; }

    // Lays the lines out on the printer or in the preview window. True when
    // the command is finished; false to show the options dialog again (the
    // preview was cancelled, or the user gave up a page that does not fit).
    bool RenderPrintout(bool preview, const std::vector<std::string> &FileLines,
                        const std::vector<std::string> &FolderLines, const TfrmPrint &dialog);

    // Where the stored print defaults live (tests may give their own).
    PrintSettingsStore *settings;
    // When set, a print goes to this PDF file as the printer's preset
    // output (the printer dialog still shows and may change it).
    QString printFile;

private:
    CatalogStore &m_store;
    MainView &m_view;
    CommandList m_commands;
};

} // namespace rkm
