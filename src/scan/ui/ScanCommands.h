#pragma once

#include <memory>

namespace rkm {

class TfrmMain;
class TfrmAddNew;
class TfrmAdding;
class TfrmProps;

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

    // The windows that live as long as the main window.
    TfrmAddNew &frmAddNew() { return *m_addNew; }
    TfrmAdding &frmAdding() { return *m_adding; }
    TfrmProps &frmProps() { return *m_props; }

private:
    TfrmMain &m_main;
    TfrmAddNew *m_addNew;
    TfrmAdding *m_adding;
    TfrmProps *m_props;
};

} // namespace rkm
