#pragma once

#include "app/Command.h"

#include <memory>

namespace rkm {

class CatalogStore;
class MainView;
class TfrmSearch;
class TfrmListProperties;
class TfrmResults;
class TfrmDuplicates;
class TfrmDuplicateList;
class TreeNode;

// The main window's search commands, with the windows they use: Find, Find
// next and Find all over every listing, Find duplicates, and the file entry
// properties of the grid, with their menu items.
class SearchCommands final {
public:
    SearchCommands(CatalogStore &store, MainView &view);
    ~SearchCommands();

    // Find, Find next and Find duplicates of the Search menu, and the
    // Properties of the grid's pop-up menu.
    const CommandList &commands() const { return m_commands; }

    void find();
    void findNext();
    void findDuplicates();
    // The file entry properties of the grid's current row.
    void editFileEntry();

    // Ends a running Find all and Find duplicates and waits for their
    // threads: every change of the catalogue comes after this.
    void stopSearches();
    // A disk is about to leave the catalogue: the panels let go of it.
    void forgetDisk(const TreeNode *disk);

private:
    void search(bool next);
    void findAll();
    // Where Find next goes on in the selected node's files.
    int continuationEntry() const;

    CatalogStore &m_store;
    MainView &m_view;
    CommandList m_commands;
    std::unique_ptr<TfrmSearch> m_frmSearch;
    std::unique_ptr<TfrmListProperties> m_frmListProperties;
    // Children of the main window, which deletes them.
    TfrmResults *m_results;
    TfrmDuplicates *m_duplicates;
    TfrmDuplicateList *m_duplicateList;
};

} // namespace rkm
