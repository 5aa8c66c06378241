#pragma once

namespace rkm {

class TfrmMain;

// The main window's search commands, with the windows they use.
class SearchCommands final {
public:
    explicit SearchCommands(TfrmMain &main);
    ~SearchCommands();
    void mnuFindClick();
    void mnuFindNextClick();
    void StringGrid1DblClick();

private:
    TfrmMain &m_main;
};

} // namespace rkm
