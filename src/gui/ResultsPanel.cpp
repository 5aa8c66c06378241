#include "gui/ResultsPanel.h"

#include "catalog/Disks.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace rkm {

QTreeView *SetUpResultsPanel(QDockWidget &panel, const QString &panelName, const QString &viewName,
                             const QString &accessibleName, QAbstractItemModel *model)
{
    panel.setObjectName(panelName);
    panel.setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    panel.setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    auto *view = new QTreeView;
    view->setObjectName(viewName);
    view->setAccessibleName(accessibleName);
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

QPushButton *AddCancelButton(QDockWidget &panel)
{
    QWidget *view = panel.widget();
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto *bar = new QHBoxLayout;
    bar->addStretch();
    auto *cancel = new QPushButton(QCoreApplication::translate("rkm::ResultsPanel", "&Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    cancel->hide();
    bar->addWidget(cancel);
    layout->addLayout(bar);
    layout->addWidget(view);
    panel.setWidget(body);
    return cancel;
}

QString FolderPathOf(const TreeNode *node)
{
    QString path;
    for (const TreeNode *n = node; n->parent(); n = n->parent())
        path.prepend(QLatin1Char('/') + platform::DecodeText(n->text()));
    return path.isEmpty() ? QStringLiteral("/") : path;
}

} // namespace rkm
