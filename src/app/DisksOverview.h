#pragma once

#include <QDialog>

#include <functional>

class QStandardItemModel;
class QTableView;

namespace rkm {

class CatalogStore;
class TreeNode;

// View > Disks: every listing of the catalogue in a table, with where its
// disk is kept, to whom it is lent, its counts, when it was last read and
// where it is mounted now. Sorted by any column; a row double-clicked (or
// Enter) asks for its disk to be selected in the main tree. It stays open
// beside the main window and is filled again when the listings change.
class DisksOverview final : public QDialog {
    Q_OBJECT

public:
    enum Column { ColName, ColLocation, ColLentTo, ColFiles, ColSize, ColRead, ColOnline, ColumnCount };

    explicit DisksOverview(CatalogStore &store, QWidget *parent = nullptr);
    ~DisksOverview() override;

    // Where a disk is mounted now (empty when it is not online), such as
    // DiskPresence::volumeOf tells it. Without it the Online column stays
    // empty. Whoever gives it calls refreshOnline() when it changes (connected
    // to DiskPresence::changed).
    void setOnline(std::function<QString(const TreeNode *disk)> mountPointOf);
    // Fills the table again from the catalogue, keeping the sort order and
    // the disk that was current.
    void refresh();
    // Fills the Online column again.
    void refreshOnline();

    QTableView *table() const { return m_table; }
    // The disk of a row of the table as it is sorted now, or null.
    TreeNode *diskAt(int row) const;

signals:
    // The user chose this disk (one of the catalogue's now).
    void diskChosen(rkm::TreeNode *disk);

private:
    void choose(int row);

    CatalogStore &m_store;
    QStandardItemModel *m_model;
    QTableView *m_table;
    std::function<QString(const TreeNode *)> m_mountPointOf;
};

} // namespace rkm
