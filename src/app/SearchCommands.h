#pragma once

#include <memory>

namespace rkm {

class TfrmMain;
class TfrmSearch;
class TfrmListProperties;
class TreeNode;

// The main window's search commands, with the windows they use: Find and
// Find next over every listing, and the file entry properties of the grid.
class SearchCommands final {
public:
    explicit SearchCommands(TfrmMain &main);
    ~SearchCommands();
    void find();
    void findNext();
    // The file entry properties of the grid's current row.
    void editFileEntry();

    TfrmSearch &frmSearch() { return *m_frmSearch; }
    TfrmListProperties &frmListProperties() { return *m_frmListProperties; }

private:
    void search(bool next);
    // Where Find next goes on in the selected node's files.
    int continuationEntry() const;

    TfrmMain &m_main;
    std::unique_ptr<TfrmSearch> m_frmSearch;
    std::unique_ptr<TfrmListProperties> m_frmListProperties;
};

} // namespace rkm
