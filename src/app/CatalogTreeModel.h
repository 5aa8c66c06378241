#pragma once

#include "catalog/Disks.h"
#include "gui/Online.h"
#include "platform/TextValues.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <array>
#include <functional>
#include <string>
#include <memory>
#include <vector>

namespace rkm {

// The catalogue tree as a Qt model: one row per disk at the top, folder nodes
// below. The model holds no copy of the catalogue; every index points at its
// TreeNode. It follows every change to the list of disks as the catalogue's
// observer, so whoever adds, replaces or removes a disk goes through the
// catalogue and the views follow.
class CatalogTreeModel final : public QAbstractItemModel, private CatalogObserver {
    Q_OBJECT

public:
    explicit CatalogTreeModel(Catalog &catalog, QObject *parent = nullptr);
    ~CatalogTreeModel() override;

    Catalog &catalog() const { return m_catalog; }

    // A node's text or picture changed.
    void nodeChanged(TreeNode *node);

    QModelIndex indexOf(const TreeNode *node) const;
    TreeNode *nodeOf(const QModelIndex &index) const;

    // The seven pictures, by index (drive type for a disk node).
    void setImages(const std::array<QIcon, 7> &images);
    // The picture of a folder that holds an archive's contents.
    void setArchiveImage(const QIcon &image) { m_archiveImage = image; }
    // Where each disk is mounted now: an online disk's picture has the mark
    // of a mounted disk and its tooltip says where. `shelf` gives the lines
    // on where a disk is kept, for every disk's tooltip.
    void setOnline(MountPointLookup mountPointOf, std::function<std::string(const TreeNode *disk)> shelf);
    // The disks that are online changed: the disk rows are shown again.
    void onlineChanged();
    // The selected node shows its selected picture.
    void setSelectedNode(const TreeNode *node);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void disksAboutToBeInserted(int first, int last) override;
    void disksInserted() override;
    void disksAboutToBeRemoved(int first, int last) override;
    void disksRemoved() override;
    void diskAboutToBeMoved(int from, int to) override;
    void diskMoved() override;
    // Every disk row shows its name anew (CatalogTreeModel::data shows a
    // name that repeats with its listing file).
    void diskNamesChanged();

    Catalog &m_catalog;
    std::array<QIcon, 7> m_images;
    QIcon m_archiveImage;
    const TreeNode *m_selected = nullptr;
    MountPointLookup m_mountPointOf;
    std::function<std::string(const TreeNode *)> m_shelf;
    // The pictures with the mark of a mounted disk, made when first shown.
    mutable std::array<QIcon, 7> m_marked;
};

// The file entries of one node as a table of five columns. Like the grid it
// shows, it always has at least one row: with no node or no files, one empty
// row. The rows show the entries in their stored order, or sorted by a
// column (sort(); column -1 is the stored order again). Sorting changes only
// the rows: entryAt() and rowOf() map between rows and entry indices.
class FileGridModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FileGridModel(QObject *parent = nullptr);

    TreeNode *node() const { return m_node; }
    // Shows a node's entries, sorted as before.
    void setNode(TreeNode *node);
    // Number of file entries shown (0 for the empty row).
    int entryCount() const;
    // Entry `index` was edited; in a sorted grid its row may move.
    void entryChanged(int index);

    // The entry a row shows, or -1 (the empty row); the row of an entry, or -1.
    int entryAt(int row) const;
    int rowOf(int entry) const;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    // The rows' order for the node's entries as they are now.
    void computeOrder();
    // computeOrder() for the rows shown, which keep their current row and selection.
    void reorder();

    TreeNode *m_node = nullptr;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    std::vector<int> m_order; // entry of each row; empty in the stored order
    std::vector<int> m_rowOf; // row of each entry, likewise
    // The order of the date texts of the shown node's listing, read from its
    // texts when first sorted by date (forgotten when another listing is shown).
    const TreeNode *m_dateDisk = nullptr;
    platform::DateOrder m_dateOrder = platform::DateOrder::DayMonthYear;
};

} // namespace rkm
