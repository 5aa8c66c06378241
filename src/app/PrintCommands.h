#pragma once

#include "print/PrintSettings.h"

#include <QString>

#include <string>
#include <vector>

namespace rkm {

class TfrmMain;
class TfrmPrint;

// The main window's print command: the options dialog, the selection of
// the lines, the page on the printer or in the preview.
class PrintCommands final {
public:
    explicit PrintCommands(TfrmMain &main);
    ~PrintCommands();
    void print();

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
    TfrmMain &m_main;
};

} // namespace rkm
