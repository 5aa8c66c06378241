#pragma once

#include <memory>

namespace rkm {

class TfrmMain;
class TfrmSearch;
class TfrmListProperties;
class TfrmResults;
class TfrmDuplicates;
class TfrmDuplicateList;
class TreeNode;

// The main window's search commands, with the windows they use: Find, Find
// next and Find all over every listing, Find duplicates, and the file entry
// properties of the grid.
class SearchCommands final {
public:
    explicit SearchCommands(TfrmMain &main);
    ~SearchCommands();
    void find();
    void findNext();
    void findDuplicates();
    // The file entry properties of the grid's current row.
    void editFileEntry();

    // Ends a running Find all and waits for its thread: every change of the
    // catalogue comes after this.
    void stopFindAll();
    // A disk is about to leave the catalogue: the panels let go of it.
    void forgetDisk(const TreeNode *disk);

    TfrmSearch &frmSearch() { return *m_frmSearch; }
    TfrmListProperties &frmListProperties() { return *m_frmListProperties; }
    TfrmResults &frmResults() { return *m_results; }
    TfrmDuplicates &frmDuplicates() { return *m_duplicates; }
    TfrmDuplicateList &frmDuplicateList() { return *m_duplicateList; }

private:
    void search(bool next);
    void findAll();
    // Where Find next goes on in the selected node's files.
    int continuationEntry() const;

    TfrmMain &m_main;
    std::unique_ptr<TfrmSearch> m_frmSearch;
    std::unique_ptr<TfrmListProperties> m_frmListProperties;
    // Children of the main window, which deletes them.
    TfrmResults *m_results;
    TfrmDuplicates *m_duplicates;
    TfrmDuplicateList *m_duplicateList;
};

} // namespace rkm
