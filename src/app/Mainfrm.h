#pragma once

#include "catalog/CatalogStore.h"

#include <QIcon>
#include <QMainWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QDockWidget;
class QMenu;
class QTimer;
class QPoint;
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
class TfrmSplash;
class WriterLock;

// The main window: the catalogue tree on the left, the selected folder's
// files on the right, the menus and the status line. It owns the catalogue for
// the whole run; every command works on it through here. Its views, actions
// and selection are its own: commands reach them through the few members
// below.
class TfrmMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(CatalogStore &store, QWidget *parent = nullptr);
    ~TfrmMain() override;

    CatalogStore &store() { return m_store; }
    const std::string &ProgramDir() const { return m_store.ProgramDir(); }
    std::vector<std::string> &Categories() { return m_store.Categories(); }

    // The selected node and the root record of its disk; null when nothing is
    // selected.
    TreeNode *currentNode() const { return CurrentNode; }
    TDisk *currentDisk() const { return CurrentDisk; }

    // The tree model follows every change of the catalogue's disks; a node
    // whose text changed is told to it (nodeChanged).
    CatalogTreeModel *treeModel() const { return m_treeModel; }
    FileGridModel *gridModel() const { return m_gridModel; }

    // Selects a node in the tree (null clears the selection); the tree then
    // calls TreeView1Change.
    void selectNode(TreeNode *node);
    // Selects a search match: the node, and the row of file entry `entry`
    // (-1 for a match of the node's own name), with the focus on the tree
    // for a name and on the grid for a file.
    void showMatch(TreeNode *node, int entry);
    // The file entry of the grid's current row, or -1 when there is none.
    int gridEntryIndex() const;
    // Makes the row of file entry `index` the grid's current row (-1: none).
    void setGridEntryIndex(int index);
    // Shows a file entry again after its texts changed.
    void refreshGridEntry(int index);
    // Every edit of a listing in this program comes here (file entry
    // properties, listing properties, rename, drive change): the listing is
    // marked modified, and the modified listings are written about two
    // seconds after the last edit.
    void listingEdited(TDisk &record);
    // Writes the modified listings now; each that cannot be written is
    // reported at once with its name and the reason, and stays modified (it
    // is tried again after the next edit and at exit). True when all were.
    bool saveModifiedListings();
    // Tells, once, which texts the last saves had to shorten to fit a
    // listing (an earlier program stored them longer).
    void tellShortenedTexts();
    // Whether start-up was given up: another program kept the catalogue in
    // use and the user chose not to wait. The window then holds nothing and
    // writes nothing.
    bool startAbandoned() const { return m_abandoned; }
    // The time from the last edit to the autosave, and how long start-up
    // waits for another program's writer lock before it asks (tests shorten
    // them; the program never changes them).
    static int autosaveMilliseconds();
    static void setAutosaveMillisecondsForTests(int ms);
    static void setLockWaitMillisecondsForTests(int ms);

    // Shows a results panel docked under the grid, beside the other panels
    // shown, and brings it to the front.
    void showPanel(QDockWidget *panel);
    // Runs a command's work; an error it does not catch reaches the general
    // error report and the program carries on.
    template <class F> void guarded(F &&f);
    void reportError(const QString &message);

    // Called when the tree's selection changes (also with null).
    void TreeView1Change(TreeNode *node);
    // A mouse button pressed on the tree's or the grid's viewport at `pos`:
    // the right button selects what lies under the pointer, so the pop-up
    // menu acts on it.
    void TreeView1MouseDown(Qt::MouseButton button, const QPoint &pos);
    void StringGrid1MouseDown(Qt::MouseButton button, const QPoint &pos);
    // Fits the last grid column to the grid's width.
    void FormResize();
    // The status line's text.
    QString statusText() const;
    // The pictures in use: true for the high-colour list (displays above 8 bits per pixel).
    bool usesHighColourImages() const { return m_highColour; }

    // Commands, wired to the menus.
    void Addnew1Click();
    void popUpdateClick();
    void popDeleteClick();
    void mnuRenameClick();
    void mnuPropertiesClick();
    void mnuPrintClick();
    void mnuExportClick();
    void mnuFindClick();
    void mnuFindNextClick();
    void mnuFindDuplicatesClick();
    void mnuCompareClick();
    void mnuVerifyClick();
    void StringGrid1DblClick();
    void mnuExitClick();
    void mnuHelpTopicsClick();
    void Tarnwellwebsite1Click();
    void Emailsupport1Click();
    void About1Click();

    ScanCommands &scanCommands() { return *m_scan; }
    SearchCommands &searchCommands() { return *m_search; }
    PrintCommands &printCommands() { return *m_print; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildImages(int bitsPerPixel);
    bool takeWriterLock();
    void loadCatalog();
    bool saveBeforeClosing();
    void restoreGeometry();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void diskAboutToGo(int first, int last);

    CatalogStore &m_store;
    TreeNode *CurrentNode = nullptr;
    TDisk *CurrentDisk = nullptr;

    // Controls and menu items, by their names (also their object names).
    QTreeView *TreeView1 = nullptr;
    QTableView *StringGrid1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    QAction *Addnew1 = nullptr, *mnuUpdate = nullptr, *mnuDelete = nullptr, *mnuRename = nullptr, *mnuPrint = nullptr,
            *mnuExport = nullptr, *mnuProperties = nullptr, *mnuExit = nullptr, *mnuFind = nullptr,
            *mnuFindNext = nullptr, *mnuHelpTopics = nullptr, *Tarnwellwebsite1 = nullptr, *Emailsupport1 = nullptr,
            *About2 = nullptr, *mnuCompare = nullptr, *mnuVerify = nullptr, *mnuFindDuplicates = nullptr;
    QAction *Addnew2 = nullptr, *popUpdate = nullptr, *popRename = nullptr, *popDelete = nullptr, *popPrint = nullptr,
            *popProperties = nullptr, *popLstProperties = nullptr, *popCompare = nullptr, *popVerify = nullptr;
    std::vector<QDockWidget *> m_panels;
    QMenu *popTree = nullptr, *popList = nullptr;

    TfrmSplash *m_splash = nullptr;
    bool m_highColour = true;
    bool m_shown = false;
    bool m_destroyed = false;
    int m_treeWidth = 188;
    std::array<QIcon, 7> m_images;
    QIcon m_archiveImage;
    CatalogTreeModel *m_treeModel = nullptr;
    FileGridModel *m_gridModel = nullptr;
    std::unique_ptr<ScanCommands> m_scan;
    std::unique_ptr<SearchCommands> m_search;
    std::unique_ptr<PrintCommands> m_print;
    std::unique_ptr<WriterLock> m_writerLock;
    QTimer *m_autosave = nullptr;
    bool m_abandoned = false;
    bool m_saving = false;
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
