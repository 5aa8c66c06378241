#pragma once

#include "catalog/CatalogDir.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QSplitter;
class QStatusBar;
class QTableView;
class QTreeView;

namespace rkm {

class CatalogTreeModel;
class FileGridModel;
class ScanCommands;
class SearchCommands;
class PrintCommands;

// The main window: the catalogue tree on the left, the selected folder's
// files on the right, the menus and the status line. It owns the catalogue for
// the whole run; every command works on it through here.
class TfrmMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(CatalogStore &store, QWidget *parent = nullptr);
    ~TfrmMain() override;

    CatalogStore &store() { return m_store; }
    const std::string &ProgramDir() const { return m_store.ProgramDir(); }
    std::vector<std::string> &Categories() { return m_store.Categories(); }

    // The selected node and the root record of its disk; null when nothing is
    // selected. A running scan points them at the disk it builds.
    TreeNode *CurrentNode = nullptr;
    TDisk *CurrentDisk = nullptr;

    // Every change of the tree's shape or texts goes through the tree model
    // (appendDisk, replaceDisk, removeDisk, nodeChanged), which tells the views.
    CatalogTreeModel *treeModel() const { return m_treeModel; }
    FileGridModel *gridModel() const { return m_gridModel; }

    // Selects a node in the tree (null clears the selection); the tree then
    // calls TreeView1Change.
    void selectNode(TreeNode *node);
    // The file entry of the grid's current row, or -1 when there is none.
    int gridEntryIndex() const;
    // Makes the row of file entry `index` the grid's current row (-1: none).
    void setGridEntryIndex(int index);
    // Shows a file entry again after its texts changed.
    void refreshGridEntry(int index);
    // Runs a command's work; an error it does not catch reaches the general
    // error report and the program carries on.
    template <class F> void guarded(F &&f);
    void reportError(const QString &message);

    // Called when the tree's selection changes (also with null).
    void TreeView1Change(TreeNode *node);

    // Commands, wired to the menus.
    void Addnew1Click();
    void popUpdateClick();
    void popDeleteClick();
    void mnuRenameClick();
    void mnuPropertiesClick();
    void mnuPrintClick();
    void mnuFindClick();
    void mnuFindNextClick();
    void StringGrid1DblClick();
    void mnuExitClick();
    void mnuHelpTopicsClick();
    void Tarnwellwebsite1Click();
    void Emailsupport1Click();
    void About1Click();

    // Controls and menu items by their names.
    QTreeView *TreeView1 = nullptr;
    QTableView *StringGrid1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    QAction *Addnew1 = nullptr, *mnuUpdate = nullptr, *mnuDelete = nullptr, *mnuRename = nullptr,
            *mnuPrint = nullptr, *mnuProperties = nullptr, *mnuExit = nullptr, *mnuFind = nullptr,
            *mnuFindNext = nullptr, *mnuHelpTopics = nullptr, *Tarnwellwebsite1 = nullptr,
            *Emailsupport1 = nullptr, *About2 = nullptr;
    QAction *Addnew2 = nullptr, *popUpdate = nullptr, *popRename = nullptr, *popDelete = nullptr,
            *popPrint = nullptr, *popProperties = nullptr, *popLstProperties = nullptr;
    QMenu *popTree = nullptr, *popList = nullptr;

    ScanCommands &scanCommands() { return *m_scan; }
    SearchCommands &searchCommands() { return *m_search; }
    PrintCommands &printCommands() { return *m_print; }

private:
    CatalogStore &m_store;
    CatalogTreeModel *m_treeModel = nullptr;
    FileGridModel *m_gridModel = nullptr;
    std::unique_ptr<ScanCommands> m_scan;
    std::unique_ptr<SearchCommands> m_search;
    std::unique_ptr<PrintCommands> m_print;
};

template <class F> void TfrmMain::guarded(F &&f)
{
    try {
        f();
    } catch (const std::exception &e) {
        reportError(QString::fromUtf8(e.what()));
    }
}

} // namespace rkm
