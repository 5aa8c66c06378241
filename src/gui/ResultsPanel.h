#pragma once

#include <QString>

class QAbstractItemModel;
class QDockWidget;
class QPushButton;
class QTreeView;

namespace rkm {

class TreeNode;

// Makes `panel` a panel docked under the grid (or above it, or floating)
// that shows `model` as a read-only tree of whole rows, as the panels of
// Compare with, Verify and Find duplicates do. Returns the view, which the
// panel owns and gives its focus to; a screen reader calls it
// `accessibleName`.
QTreeView *SetUpResultsPanel(QDockWidget &panel, const QString &panelName, const QString &viewName,
                             const QString &accessibleName, QAbstractItemModel *model);

// Puts a bar above the panel's view with a Cancel button (`cmdCancel`) that
// shows only while `running` is called with true: the panel's search runs
// on a thread of its own, and the button ends it.
QPushButton *AddCancelButton(QDockWidget &panel);

// The folders from below the disk down to `node`, as "/A/B" ("/" for the
// disk), as a result row shows where a file is.
QString FolderPathOf(const TreeNode *node);

} // namespace rkm
