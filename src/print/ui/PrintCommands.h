#pragma once

namespace rkm {

class TfrmMain;

// The main window's print commands, with the windows they use.
class PrintCommands final {
public:
    explicit PrintCommands(TfrmMain &main);
    ~PrintCommands();
    void mnuPrintClick();

private:
    TfrmMain &m_main;
};

} // namespace rkm
