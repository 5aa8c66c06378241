#pragma once

namespace rkm {

class TfrmMain;
class TfrmAddNew;
class TfrmAdding;
class TfrmProps;

// The main window's listing commands (Add new, Update, Delete, Rename,
// Properties), with the windows they use.
class ScanCommands final {
public:
    explicit ScanCommands(TfrmMain &main);
    ~ScanCommands();
    void addListing();
    void updateListing();
    void deleteListing();
    void renameListing();
    void showProperties();

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
