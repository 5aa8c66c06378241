#include "app/CatalogTreeModel.h"

#include "platform/Text.h"


namespace rkm {

CatalogTreeModel::CatalogTreeModel(Catalog &catalog, QObject *parent) : QAbstractItemModel(parent), m_catalog(catalog)
{
    m_catalog.setObserver(this);
}

CatalogTreeModel::~CatalogTreeModel()
{
    m_catalog.setObserver(nullptr);
}

void CatalogTreeModel::disksAboutToBeInserted(int first, int last)
{
    beginInsertRows({}, first, last);
}

void CatalogTreeModel::disksInserted()
{
    endInsertRows();
}

void CatalogTreeModel::disksAboutToBeRemoved(int first, int last)
{
    // The views let go of the disks' nodes before they are freed.
    beginRemoveRows({}, first, last);
    if (m_selected) {
        const int row = m_selected->disk().GetRootDisk()->Node->row();
        if (row >= first && row <= last)
            m_selected = nullptr;
    }
}

void CatalogTreeModel::disksRemoved()
{
    endRemoveRows();
}

void CatalogTreeModel::diskAboutToBeMoved(int from, int to)
{
    // Qt counts the destination before the move: below the moved row, one
    // more.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
}

void CatalogTreeModel::diskMoved()
{
    endMoveRows();
}

void CatalogTreeModel::nodeChanged(TreeNode *node)
{
    const QModelIndex i = indexOf(node);
    if (i.isValid())
        emit dataChanged(i, i);
}

QModelIndex CatalogTreeModel::indexOf(const TreeNode *node) const
{
    if (!node)
        return {};
    // A node of a detached disk (a scan in progress) is not in the model.
    const TreeNode *root = node;
    while (root->parent())
        root = root->parent();
    const int row = root->row();
    if (row < 0 || row >= m_catalog.diskCount() || m_catalog.disk(row) != root)
        return {};
    return createIndex(node->row(), 0, const_cast<TreeNode *>(node));
}

TreeNode *CatalogTreeModel::nodeOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return static_cast<TreeNode *>(index.internalPointer());
}

void CatalogTreeModel::setImages(const std::array<QIcon, 7> &images)
{
    m_images = images;
    if (!m_catalog.empty())
        emit dataChanged(index(0, 0), index(m_catalog.diskCount() - 1, 0), {Qt::DecorationRole});
}

void CatalogTreeModel::setSelectedNode(const TreeNode *node)
{
    if (node == m_selected)
        return;
    const TreeNode *was = m_selected;
    m_selected = node;
    for (const TreeNode *n : {was, node}) {
        const QModelIndex i = indexOf(n);
        if (i.isValid())
            emit dataChanged(i, i, {Qt::DecorationRole});
    }
}

QModelIndex CatalogTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid()) {
        if (row >= m_catalog.diskCount())
            return {};
        return createIndex(row, 0, m_catalog.disk(row));
    }
    const TreeNode *p = nodeOf(parent);
    if (!p || row >= p->childCount())
        return {};
    return createIndex(row, 0, p->child(row));
}

QModelIndex CatalogTreeModel::parent(const QModelIndex &child) const
{
    const TreeNode *n = nodeOf(child);
    if (!n || !n->parent())
        return {};
    TreeNode *p = n->parent();
    return createIndex(p->row(), 0, p);
}

int CatalogTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_catalog.diskCount();
    if (parent.column() != 0)
        return 0;
    const TreeNode *p = nodeOf(parent);
    return p ? p->childCount() : 0;
}

int CatalogTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool CatalogTreeModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant CatalogTreeModel::data(const QModelIndex &index, int role) const
{
    const TreeNode *n = nodeOf(index);
    if (!n)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return platform::DecodeText(n->text());
    case Qt::DecorationRole: {
        const int picture = n == m_selected ? n->selectedIndex() : n->imageIndex();
        return m_images[static_cast<std::size_t>(picture)];
    }
    default:
        return {};
    }
}

Qt::ItemFlags CatalogTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// ---------------------------------------------------------------------------

FileGridModel::FileGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void FileGridModel::setNode(TreeNode *node)
{
    beginResetModel();
    m_node = node;
    endResetModel();
}

int FileGridModel::entryCount() const
{
    return m_node ? m_node->disk().Files.count() : 0;
}

void FileGridModel::entryChanged(int index)
{
    if (index < 0 || index >= entryCount())
        return;
    emit dataChanged(this->index(index, 0), this->index(index, I_STRINGS_IN_LIST - 1));
}

int FileGridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(1, entryCount());
}

int FileGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : I_STRINGS_IN_LIST;
}

QVariant FileGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    if (index.row() >= entryCount())
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    return platform::DecodeText(m_node->disk().Files.text(index.row(), index.column()));
}

QVariant FileGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const headers[I_STRINGS_IN_LIST] = {"Filename", "Description", "Date", "Size", "Category"};
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < I_STRINGS_IN_LIST ? QString::fromLatin1(headers[section]) : QVariant();
    return section + 1;
}

Qt::ItemFlags FileGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace rkm
