#pragma once

#include "app/Command.h"
#include "app/MainView.h"
#include "catalog/CatalogStore.h"

#include <QIcon>
#include <QMainWindow>

#include <array>
#include <functional>
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
class QVBoxLayout;

namespace rkm {

class CatalogTreeModel;
class DisksOverview;
class DiskPresence;
class ExportCommand;
class MountFollower;
class MountOffers;
class FileGridModel;
class PictureView;
class ScanCommands;
class SearchCommands;
class PrintCommands;
class TfrmSplash;
class WelcomePanel;
class WriterLock;
namespace index {
class IndexKeeper;
}

// The main window: the catalogue tree on the left, the selected folder's
// files on the right, the menus and the status line. It owns the catalogue for
// the whole run. Its views and selection are its own; the command classes
// own their menu items and reach the window only as a MainView. The window
// places their items in its menus, runs them through one guard and enables
// them as the selection changes.
class TfrmMain final : public QMainWindow, public MainView {
    Q_OBJECT

public:
    explicit TfrmMain(CatalogStore &store, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // What the commands see (MainView).
    TreeNode *currentNode() const override { return CurrentNode; }
    TDisk *currentDisk() const override { return CurrentDisk; }
    // Selects a node in the tree (null clears the selection); the tree then
    // calls TreeView1Change.
    void selectNode(TreeNode *node) override;
    void showMatch(TreeNode *node, int entry) override;
    int gridEntryIndex() const override;
    void setGridEntryIndex(int index) override;
    void refreshGridEntry(int index) override;
    void showPanel(QDockWidget *panel) override;
    void listingEdited(TDisk &record) override;
    void tellShortenedTexts() override;
    void reportError(const QString &message) override;
    QWidget *dialogParent() override { return this; }

    // The models the views show.
    const CatalogTreeModel *treeModel() const { return m_treeModel; }
    const FileGridModel *gridModel() const { return m_gridModel; }
    // View > Pictures: the folder's files as pictures, over the grid's rows.
    PictureView *pictureView() const { return m_pictures; }
    bool showsPictures() const;
    // Whether start-up was given up: another program kept the catalogue in
    // use and the user chose not to wait. The window then holds nothing and
    // writes nothing.
    bool startAbandoned() const { return m_abandoned; }
    // The status line's text.
    QString statusText() const;
    // Which listings' disks are mounted now, and where (null when start-up was given up).
    DiskPresence *presence() const { return m_presence.get(); }
    // The bar that offers what to do when a disk is mounted.
    MountOffers *mountOffers() const { return m_offers; }
    // The pictures in use: true for the high-colour list (displays above 8 bits per pixel).
    bool usesHighColourImages() const { return m_highColour; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Tests shorten the autosave and the wait before the index is refreshed, and the wait for the writer lock, and give
    // the print command a settings store and a PDF file of their own.
    friend struct TfrmMainTestAccess;

    void buildWindow();
    void buildImages(int bitsPerPixel);
    // Makes the command classes and places their items in the menus
    // (MainMenus.cpp).
    void buildCommands();
    void buildMenus();
    QAction *commandAction(const char *name) const;
    // The one way every menu item runs: a command that edits waits for a
    // running Find all to stop first; an error reaches the error report.
    void runCommand(const Command &command);
    // runCommand's guard for work of that kind that is no menu item.
    void runGuarded(CommandKind kind, const std::function<void()> &work);
    // Follows the mounts for the catalogue: the presence, the marks in the
    // tree and the panels, and the bar of offers.
    void startFollowing();
    // The list of disks changed: the presence learns it once the change is
    // complete (a listing is written, and so known by its volume, after it
    // is in the tree).
    void catalogChangedLater();
    // Enables each command for the selection and the catalogue of now.
    void enableCommands();
    // The searches that read the catalogue on threads of their own (Find
    // all, Find duplicates, Compare with, Verify's comparison) stop and let
    // go of it: before every edit, every save and before a disk leaves the tree.
    void stopSearches();

    bool takeWriterLock();
    void loadCatalog();
    bool saveBeforeClosing();
    // Writes the modified listings now; each that cannot be written is
    // reported at once with its name and the reason, and stays modified (it
    // is tried again after the next edit and at exit). True when all were.
    bool saveModifiedListings();
    // The listing files changed (or were loaded): the search index is
    // brought up to date on a thread of its own.
    void listingsChanged();
    void restoreGeometry();
    void placeOnScreen(const QRect &stored);
    void FormShow();
    void FormClose();
    void FormDestroy();
    void diskAboutToGo(int first, int last);

    // Called when the tree's selection changes (also with null).
    void TreeView1Change(TreeNode *node);
    // A mouse button pressed on the tree's or the grid's viewport at `pos`:
    // the right button selects what lies under the pointer, so the pop-up
    // menu acts on it.
    void TreeView1MouseDown(Qt::MouseButton button, const QPoint &pos);
    void StringGrid1MouseDown(Qt::MouseButton button, const QPoint &pos);
    // Gives the Description column the room the other grid columns leave.
    void FormResize();
    // Widens or narrows the Filename column to the names shown.
    void fitNameColumn();

    // The window's own menu items.
    // View > Pictures: the pictures in the grid's place, or the grid again.
    void mnuPicturesClick(bool shown);
    // View > Disks: the table of every listing, beside the window.
    void mnuDisksClick();
    void buildLanguageMenu(QMenu &view);
    // The welcome in the grid's place while the catalogue holds no listing.
    void showWelcomeWhenEmpty();
    void mnuExitClick();
    void mnuHelpTopicsClick();
    void Tarnwellwebsite1Click();
    void Emailsupport1Click();
    void About1Click();

    // The time from the last edit to the autosave, and how long start-up
    // waits for another program's writer lock before it asks.
    static int s_autosaveMs;
    static int s_lockWaitMs;
    // How long after the window first shows the search index is checked.
    static int s_indexDelayMs;
    // Makes the follower of the mounts (tests give one of their own).
    static std::function<std::unique_ptr<MountFollower>()> s_followerFactory;

    CatalogStore &m_store;
    TreeNode *CurrentNode = nullptr;
    TDisk *CurrentDisk = nullptr;

    // Controls, by their names (also their object names).
    QTreeView *TreeView1 = nullptr;
    QTableView *StringGrid1 = nullptr;
    PictureView *m_pictures = nullptr; // in the grid's place while View > Pictures is ticked
    DisksOverview *m_disks = nullptr;  // View > Disks, made when first shown
    bool m_picturesChosen = false;     // View > Pictures is ticked
    WelcomePanel *m_welcome = nullptr; // in the grid's place while there is no listing
    QStatusBar *StatusBar1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    QVBoxLayout *m_centralLayout = nullptr; // the search box above the splitter
    QMenu *popTree = nullptr, *popList = nullptr;
    std::vector<QDockWidget *> m_panels;

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
    std::unique_ptr<ExportCommand> m_export;
    // The window's own items (Exit, the Help menu).
    std::unique_ptr<CommandList> m_own;
    // Every command of every class, the window's own included.
    std::vector<const Command *> m_commands;
    std::unique_ptr<WriterLock> m_writerLock;
    // Keeps the search index of the catalogue folder up to date (made once
    // the window is shown, so the load does not wait for it).
    std::unique_ptr<index::IndexKeeper> m_indexKeeper;
    std::unique_ptr<DiskPresence> m_presence;
    MountOffers *m_offers = nullptr;
    bool m_presenceDue = false; // catalogChangedLater was called and has not run yet
    QTimer *m_autosave = nullptr;
    bool m_abandoned = false;
    bool m_saving = false;
};

} // namespace rkm
