#pragma once

#include "app/Command.h"

#include <QCoreApplication>

#include <functional>
#include <string>

namespace rkm {

class CatalogStore;
class MainView;
class TfrmAddNew;
class TfrmAdding;
class TfrmProps;
class TfrmDifferences;
class TDisk;
class TreeNode;

// The main window's listing commands (Add new, Update, Delete, Rename,
// Properties, Compare with, Verify), with their menu items and the windows
// they use.
class ScanCommands final {
    Q_DECLARE_TR_FUNCTIONS(rkm::ScanCommands)

public:
    ScanCommands(CatalogStore &store, MainView &view);
    ~ScanCommands();

    // Add new, Update, Delete, Rename, Properties, Compare with and Verify,
    // each as a Disk menu item and a pop-up menu item of the tree.
    const CommandList &commands() const { return m_commands; }

    void addListing();
    // Add new with the folder and the name filled in (a disk just mounted).
    void addListingOf(const std::string &folder, const std::string &name);
    void updateListing();
    void deleteListing();
    void renameListing();
    void showProperties();
    // Compares the selected disk's listing with another one.
    void compareListing();
    // Scans the selected disk's disk again and shows what changed, changing
    // nothing.
    void verifyListing();

    // Where a listing's disk is mounted now (its root there), "" when it is
    // not known to be: Update and Verify read such a disk there, without
    // asking for it.
    void setWhereNow(std::function<std::string(const TreeNode *disk)> whereNow) { m_whereNow = std::move(whereNow); }

    // Ends a running comparison of Compare with or Verify and waits for its
    // thread: every change of the catalogue comes after this.
    void stopSearches();
    // A disk is about to leave the catalogue: the differences panel lets go
    // of it.
    void forgetDisk(const TreeNode *disk);

private:
    // The questions Update and Verify ask before they scan: the disk is in
    // its drive, its root can be entered, it is the right volume (the
    // questions name the command `reading`). False when they stop.
    enum class Reading { Update, Verify };
    bool diskReady(TDisk *root, Reading reading);

    CatalogStore &m_store;
    MainView &m_view;
    std::function<std::string(const TreeNode *)> m_whereNow;
    CommandList m_commands;
    TfrmAddNew *m_addNew;
    TfrmAdding *m_adding;
    TfrmProps *m_props;
    TfrmDifferences *m_differences;
};

} // namespace rkm
