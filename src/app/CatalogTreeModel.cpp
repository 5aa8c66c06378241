#include "app/CatalogTreeModel.h"

#include "catalog/EntryOrder.h"
#include "gui/PlainText.h"
#include "platform/Text.h"
#include "platform/TextValues.h"
#include "scan/Archive.h"
#include "search/Finder.h"

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
    diskNamesChanged();
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
    diskNamesChanged();
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
    diskNamesChanged();
}

void CatalogTreeModel::diskNamesChanged()
{
    // A disk that comes, goes or is renamed may make another one's name
    // repeat, or no longer repeat.
    if (!m_catalog.empty())
        emit dataChanged(index(0, 0), index(m_catalog.diskCount() - 1, 0), {Qt::DisplayRole, Qt::ToolTipRole});
}

void CatalogTreeModel::nodeChanged(TreeNode *node)
{
    const QModelIndex i = indexOf(node);
    if (!i.isValid())
        return;
    // A disk's new name may repeat another's, or no longer: every disk row.
    if (!node->parent())
        emit dataChanged(index(0, 0), index(m_catalog.diskCount() - 1, 0));
    else
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
    m_marked = {};
    if (!m_catalog.empty())
        emit dataChanged(index(0, 0), index(m_catalog.diskCount() - 1, 0), {Qt::DecorationRole});
}

void CatalogTreeModel::setOnline(MountPointLookup mountPointOf, std::function<std::string(const TreeNode *)> shelf)
{
    m_mountPointOf = std::move(mountPointOf);
    m_shelf = std::move(shelf);
    onlineChanged();
}

void CatalogTreeModel::onlineChanged()
{
    if (!m_catalog.empty())
        emit dataChanged(index(0, 0), index(m_catalog.diskCount() - 1, 0), {Qt::DecorationRole, Qt::ToolTipRole});
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
        return platform::DecodeText(n->parent() ? n->text() : m_catalog.displayName(*n));
    case Qt::ToolTipRole: {
        QString tip = platform::DecodeText(n->parent() ? n->text() : m_catalog.displayName(*n));
        if (!n->parent()) {
            // A disk: where it is mounted now, and where it is kept.
            const std::string mountPoint = m_mountPointOf ? m_mountPointOf(n) : std::string();
            if (!mountPoint.empty())
                tip += QLatin1Char('\n') + MountedAtText(mountPoint);
            const std::string shelf = m_shelf ? m_shelf(n) : std::string();
            if (!shelf.empty())
                tip += QLatin1Char('\n') + platform::DecodeText(shelf);
        }
        return PlainToolTip(tip);
    }
    case Qt::DecorationRole: {
        if (n->parent() && !m_archiveImage.isNull() && IsArchiveFolder(*n))
            return m_archiveImage;
        const std::size_t picture = static_cast<std::size_t>(n == m_selected ? n->selectedIndex() : n->imageIndex());
        if (!n->parent() && m_mountPointOf && !m_mountPointOf(n).empty()) {
            if (m_marked[picture].isNull())
                m_marked[picture] = WithOnlineMark(m_images[picture]);
            return m_marked[picture];
        }
        return m_images[picture];
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
    if (!node || DiskOf(node) != m_dateDisk)
        m_dateDisk = nullptr;
    computeOrder();
    endResetModel();
}

void FileGridModel::computeOrder()
{
    m_order.clear();
    m_rowOf.clear();
    if (!m_node || m_sortColumn < 0)
        return;
    if (m_sortColumn == FT_DATE && !m_dateDisk) {
        m_dateDisk = DiskOf(m_node);
        m_dateOrder = DateOrderOfListing(*m_dateDisk);
    }
    m_order = SortedEntries(m_node->disk().Files, m_sortColumn, m_sortOrder == Qt::DescendingOrder, m_dateOrder);
    m_rowOf.assign(m_order.size(), -1);
    for (std::size_t row = 0; row < m_order.size(); ++row)
        m_rowOf[static_cast<std::size_t>(m_order[row])] = static_cast<int>(row);
}

void FileGridModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= I_STRINGS_IN_LIST)
        column = -1;
    if (column == m_sortColumn && (column < 0 || order == m_sortOrder))
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    reorder();
}

void FileGridModel::reorder()
{
    // The rows move; the current row and the selection stay on their entries.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> entries;
    entries.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex &i : before)
        entries.push_back(entryAt(i.row()));
    computeOrder();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int entry = entries[static_cast<std::size_t>(k)];
        after.append(entry < 0 ? before[k] : index(rowOf(entry), before[k].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FileGridModel::entryCount() const
{
    return m_node ? m_node->disk().Files.count() : 0;
}

int FileGridModel::entryAt(int row) const
{
    if (row < 0 || row >= entryCount())
        return -1;
    return m_order.empty() ? row : m_order[static_cast<std::size_t>(row)];
}

int FileGridModel::rowOf(int entry) const
{
    if (entry < 0 || entry >= entryCount())
        return -1;
    return m_rowOf.empty() ? entry : m_rowOf[static_cast<std::size_t>(entry)];
}

void FileGridModel::entryChanged(int index)
{
    if (index < 0 || index >= entryCount())
        return;
    // The edited text may belong elsewhere now.
    if (m_sortColumn == FT_DESCRIPTION || m_sortColumn == FT_CATEGORY)
        reorder();
    const int row = rowOf(index);
    emit dataChanged(this->index(row, 0), this->index(row, I_STRINGS_IN_LIST - 1));
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
    if (index.isValid() && role == Qt::TextAlignmentRole && index.column() == FT_SIZE)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int entry = entryAt(index.row());
    if (entry < 0)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    const std::string_view stored = m_node->disk().Files.text(entry, index.column());
    // Sizes as people read them; the tooltip keeps the text the listing holds.
    if (index.column() == FT_SIZE && role == Qt::DisplayRole)
        return platform::DecodeText(platform::ShownSize(stored));
    const QString text = platform::DecodeText(stored);
    return role == Qt::ToolTipRole ? PlainToolTip(text) : text;
}

QVariant FileGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const headers[I_STRINGS_IN_LIST] = {
        QT_TRANSLATE_NOOP("rkm::FileGridModel", "Filename"), QT_TRANSLATE_NOOP("rkm::FileGridModel", "Description"),
        QT_TRANSLATE_NOOP("rkm::FileGridModel", "Date"), QT_TRANSLATE_NOOP("rkm::FileGridModel", "Size"),
        QT_TRANSLATE_NOOP("rkm::FileGridModel", "Category")};
    // Sizes are right-aligned, their heading too.
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal && section == FT_SIZE)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < I_STRINGS_IN_LIST ? tr(headers[section]) : QVariant();
    return section + 1;
}

Qt::ItemFlags FileGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace rkm
