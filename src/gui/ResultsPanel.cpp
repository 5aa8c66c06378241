#include "gui/ResultsPanel.h"

#include <QDockWidget>
#include <QHeaderView>
#include <QTreeView>

namespace rkm {

QTreeView *SetUpResultsPanel(QDockWidget &panel, const QString &panelName, const QString &viewName,
                             QAbstractItemModel *model)
{
    panel.setObjectName(panelName);
    panel.setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    panel.setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    auto *view = new QTreeView;
    view->setObjectName(viewName);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->header()->setStretchLastSection(true);
    panel.setWidget(view);
    panel.setFocusProxy(view);
    return view;
}

} // namespace rkm
