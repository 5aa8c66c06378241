#pragma once

#include "app/Command.h"

#include "search/ui/Frmsavedsearches.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAbstractItemView;
class QMenu;

namespace rkm {

class CatalogStore;
class DiskPresence;
class MainView;
class TfrmSearch;
class TfrmListProperties;
class TfrmResults;
class TfrmDuplicates;
class TfrmDuplicateList;
class TreeNode;
class SearchBox;

// The main window's search commands, with the windows they use: Find, Find
// next and Find all over every listing, the search box and its saved
// searches, Find duplicates, and the file entry properties of the grid,
// with their menu items.
class SearchCommands final {
    Q_DECLARE_TR_FUNCTIONS(rkm::SearchCommands)

public:
    SearchCommands(CatalogStore &store, MainView &view);
    ~SearchCommands();

    // Find, Find next and Find duplicates of the Search menu, and the
    // Properties of the grid's pop-up menu.
    const CommandList &commands() const { return m_commands; }
    // The search box (a child of the main window, which places it) and the
    // Saved searches menu (the window puts it in the Search menu).
    SearchBox &searchBox() { return *m_box; }
    QMenu *savedSearchesMenu() { return m_savedMenu; }

    void find();
    void findNext();
    void findDuplicates();
    // Asks for local files and tells where the catalogue holds their contents.
    void isArchived();
    // The file entry properties of the grid's current row.
    void editFileEntry();
    // Opens the folder that holds the grid's current file, where its disk is
    // mounted now (or asks for the disk).
    void openContainingFolder();
    // Where the listings' disks are mounted now: Launch, Open containing
    // folder and the panels' marks of matches on mounted disks follow it.
    void setPresence(const DiskPresence *presence);
    // The disks that are mounted changed: the panels show their marks again.
    void onlineChanged();

    // Ends a running Find all and Find duplicates and waits for their
    // threads: every change of the catalogue comes after this.
    void stopSearches();
    // A disk is about to leave the catalogue: the panels let go of it.
    void forgetDisk(const TreeNode *disk);
    // While a command that edits runs (its dialogs run events), the search
    // box starts no search; the query typed meanwhile runs after.
    void holdSearches(bool hold);

private:
    // Opens the folder holding a file entry (or a folder, entry -1).
    void openFolderOf(const TreeNode *node, int entry);
    // Gives a results panel's view a pop-up menu with Open containing
    // folder of its current row (`current`: its node and entry, or null).
    void addPanelMenu(QAbstractItemView &view, std::function<std::pair<const TreeNode *, int>()> current);
    void search(bool next);
    void findAll();
    // Where Find next goes on in the selected node's files.
    int continuationEntry() const;
    // The search box's query changed, was confirmed or was emptied.
    void boxQueryChanged(const QString &text);
    void boxQueryConfirmed();
    void boxQueryCleared();
    // Shows the first match of the box's search once there is one.
    void jumpToFirstMatch();
    void saveSearch();
    void manageSavedSearches();
    void fillSavedSearchesMenu();

    CatalogStore &m_store;
    MainView &m_view;
    const DiskPresence *m_presence = nullptr;
    CommandList m_commands;
    std::unique_ptr<TfrmSearch> m_frmSearch;
    std::unique_ptr<TfrmListProperties> m_frmListProperties;
    // Children of the main window, which deletes them.
    TfrmResults *m_results;
    TfrmDuplicates *m_duplicates;
    TfrmDuplicateList *m_duplicateList;
    SearchBox *m_box;
    QMenu *m_savedMenu;
    std::vector<SavedSearch> m_saved;
    bool m_boxSearch = false;   // the panel shows the search box's search
    bool m_jumpPending = false; // Enter was pressed before the first match came
    int m_hold = 0;             // commands that edit, running
    QString m_heldQuery;        // typed while searches were held (empty: none)
    // The receiver of the connections to the window's children: they end
    // with this object, before the children go.
    std::unique_ptr<QObject> m_context;
};

// The search box's history and the saved searches, kept in the user's
// settings.
QStringList LoadSearchHistory();
void StoreSearchHistory(const QStringList &history);
std::vector<SavedSearch> LoadSavedSearches();
void StoreSavedSearches(const std::vector<SavedSearch> &searches);

} // namespace rkm
