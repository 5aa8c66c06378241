#pragma once

#include <QString>

#include <exception>

class QDockWidget;
class QWidget;

namespace rkm {

class TDisk;
class TreeNode;

// What the commands see of the main window: its selection, its grid's current
// entry, its panels, and where edits, errors and dialogs go. The window
// (TfrmMain) implements it; tests may give a window of their own.
class MainView {
public:
    virtual ~MainView() = default;

    // The selected node and the root record of its disk; null when nothing is
    // selected.
    virtual TreeNode *currentNode() const = 0;
    virtual TDisk *currentDisk() const = 0;
    // Selects a node in the tree (null clears the selection).
    virtual void selectNode(TreeNode *node) = 0;
    // Selects a search match: the node, and the row of file entry `entry`
    // (-1 for a match of the node's own name), with the focus on the tree
    // for a name and on the grid for a file.
    virtual void showMatch(TreeNode *node, int entry) = 0;

    // The file entry of the grid's current row, or -1 when there is none.
    virtual int gridEntryIndex() const = 0;
    // Makes the row of file entry `index` the grid's current row (-1: none).
    virtual void setGridEntryIndex(int index) = 0;
    // Shows a file entry again after its texts changed.
    virtual void refreshGridEntry(int index) = 0;

    // Shows a results panel docked under the grid, beside the other panels
    // shown, and brings it to the front.
    virtual void showPanel(QDockWidget *panel) = 0;

    // Every edit of a listing comes here (file entry properties, listing
    // properties, rename, drive change): the listing is marked modified, the
    // tree shows the record's node again, and the modified listings are
    // written about two seconds after the last edit.
    virtual void listingEdited(TDisk &record) = 0;
    // Tells, once, which texts the last saves had to shorten to fit a listing.
    virtual void tellShortenedTexts() = 0;

    // The general error report.
    virtual void reportError(const QString &message) = 0;
    // Runs a command's work; an error it does not catch reaches the general
    // error report and the program carries on.
    template <class F> void guarded(F &&f);

    // The window the commands' dialogs and questions belong to.
    virtual QWidget *dialogParent() = 0;
};

template <class F> void MainView::guarded(F &&f)
{
    try {
        f();
    } catch (const std::exception &e) {
        reportError(QString::fromUtf8(e.what()));
    }
}

} // namespace rkm
