#pragma once

#include <QString>

class QAbstractItemModel;
class QDockWidget;
class QTreeView;

namespace rkm {

// Makes `panel` a panel docked under the grid (or above it, or floating)
// that shows `model` as a read-only tree of whole rows, as the panels of
// Compare with, Verify and Find duplicates do. Returns the view, which the
// panel owns and gives its focus to.
QTreeView *SetUpResultsPanel(QDockWidget &panel, const QString &panelName, const QString &viewName,
                             QAbstractItemModel *model);

} // namespace rkm
