#pragma once

#include "gui/Online.h"
#include "search/Duplicates.h"

#include <QAbstractItemModel>
#include <QDockWidget>

#include <vector>

class QPushButton;
class QTreeView;

namespace rkm {

class BackgroundSearch;

// The groups of copies as a tree: a row per group (name, copies, size,
// space wasted) with a row per copy below it (listing, folder, size, date).
class DuplicatesModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { COL_NAME, COL_LISTING, COL_FOLDER, COL_SIZE, COL_DATE, COL_WASTED, COL_COUNT };

    explicit DuplicatesModel(QObject *parent = nullptr);

    void setGroups(std::vector<DuplicateGroup> groups);
    // Empties the model, handing over the groups it showed.
    std::vector<DuplicateGroup> takeGroups();
    const std::vector<DuplicateGroup> &groups() const { return m_groups; }
    // Takes out the copies in a disk that is about to go; a group left with
    // one copy goes too.
    void forgetDisk(const TreeNode *disk);
    // The copy a row stands for (null node for a group row).
    EntryRef entryAt(const QModelIndex &index) const;
    // The catalogue the listings are shown by the names of; not owned.
    void setCatalog(const Catalog *catalog) { m_catalog = catalog; }
    // Where each listing's disk is mounted now: the listing of a match on
    // a mounted disk shows the mark of a mounted disk and says where.
    void setOnline(MountPointLookup mountPointOf) { m_mountPointOf = std::move(mountPointOf); }
    // The disks that are mounted changed: the listing column is shown again.
    void onlineChanged();

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<DuplicateGroup> m_groups;
    const Catalog *m_catalog = nullptr;
    MountPointLookup m_mountPointOf;
};

// The panel of "Find duplicates", docked under the grid. Enter or a double
// click on a copy asks for it to be shown (entryActivated). The search runs
// on a thread of its own (BackgroundSearch: the catalogue is not changed
// until cancel() has returned); Cancel ends it. The first groups are open,
// the others open when asked.
class TfrmDuplicateList final : public QDockWidget {
    Q_OBJECT

public:
    // How many groups are open when they are shown.
    static constexpr int OPEN_GROUPS = 100;

    explicit TfrmDuplicateList(QWidget *parent = nullptr);

    // Looks for copies among `disks` while the window goes on; the groups
    // shown before go at once. By contents (options.byContents), the copies
    // are looked for among `contents`, read from the store beforehand.
    void search(std::vector<const TreeNode *> disks, DuplicateOptions options,
                std::vector<DiskContents> contents = {});
    // Ends a running search; the panel says it was cancelled. True when one ran.
    bool cancel();
    bool running() const;
    void setGroups(std::vector<DuplicateGroup> groups);
    void forgetDisk(const TreeNode *disk);
    DuplicatesModel &model() { return *m_model; }
    QTreeView &view() { return *m_view; }

signals:
    void entryActivated(TreeNode *node, int entry);
    // The search threw: what went wrong, for the error report.
    void searchFailed(const QString &message);

private:
    void openFirstGroups();
    void updateTitle();

    DuplicatesModel *m_model;
    QTreeView *m_view;
    QPushButton *m_cancel;
    BackgroundSearch *m_search;
    enum class State { Shown, Searching, Cancelled, Failed } m_state = State::Shown;
};

} // namespace rkm
