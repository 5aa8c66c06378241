#pragma once

namespace rkm {

class TfrmMain;

// The main window's scan commands, with the windows they use.
class ScanCommands final {
public:
    explicit ScanCommands(TfrmMain &main);
    ~ScanCommands();
    void Addnew1Click();
    void popUpdateClick();
    void popDeleteClick();
    void mnuRenameClick();
    void mnuPropertiesClick();

private:
    TfrmMain &m_main;
};

} // namespace rkm
