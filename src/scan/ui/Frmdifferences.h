#pragma once

#include "scan/Verify.h"
#include "search/Compare.h"

#include <QAbstractItemModel>
#include <QDockWidget>

#include <array>
#include <atomic>
#include <functional>

class QPushButton;
class QTreeView;

namespace rkm {

class BackgroundSearch;

// What Verify found when it read every file's contents again: shown as a
// fourth group ("Changed contents") beside the other differences.
struct DifferencesContents {
    bool compared = false;
    const TreeNode *disk = nullptr; // the listing's disk, whose files the paths name
    std::vector<ContentChange> changes;
};

// What differs between two listings, or between a listing and its disk, as
// a tree: three headings (only in A, only in B, changed) with their items.
class DifferencesModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { COL_PATH, COL_SIZE, COL_DATE, COL_COUNT };

    explicit DifferencesModel(QObject *parent = nullptr);

    // `headings` name the three groups in DiffKind order; `contents`, when
    // compared, makes a fourth.
    void setDiff(ListingDiff diff, const std::array<QString, 3> &headings, DifferencesContents contents = {});
    const DifferencesContents &contents() const { return m_contents; }
    // The place in the catalogue of a row of the changed contents, or {nullptr, -1}.
    EntryAt contentEntryAt(const QModelIndex &index) const;
    const ListingDiff &diff() const { return m_diff; }
    // Empties the model, handing over the comparison it showed.
    ListingDiff takeDiff();
    // The item a row stands for, or null for a heading.
    const DiffItem *itemAt(const QModelIndex &index) const;
    // Lets go of every place in a disk that is about to go.
    void forgetDisk(const TreeNode *disk);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    ListingDiff m_diff;
    std::array<QString, 3> m_headings;
    std::array<std::vector<int>, 3> m_byKind;  // item numbers of each kind
    std::array<const TreeNode *, 2> m_disks{}; // the disks of A and B, as far as they are in the catalogue
    DifferencesContents m_contents;
    int groups() const { return m_contents.compared ? 4 : 3; }
};

// The panel of "Compare with" and "Verify", docked under the grid. Enter or
// a double click on an item that is in the catalogue shows it (itemActivated,
// with the node and the file entry, -1 for a folder). The comparison runs on
// a thread of its own (BackgroundSearch: the catalogue is not changed until
// cancel() has returned); Cancel ends it.
class TfrmDifferences final : public QDockWidget {
    Q_OBJECT

public:
    using Work = std::function<ListingDiff(const std::atomic<bool> &stop)>;
    using TitleOf = std::function<QString(const ListingDiff &diff)>;

    explicit TfrmDifferences(QWidget *parent = nullptr);

    // Runs `work` while the window goes on, the panel titled "`subject`:
    // comparing..."; then shows its result under `titleOf(diff)`, the groups
    // under `headings`. What the panel showed before goes at once.
    void compare(const QString &subject, Work work, TitleOf titleOf, const std::array<QString, 3> &headings,
                 DifferencesContents contents = {});
    // Ends a running comparison; the panel says it was cancelled. True when one ran.
    bool cancel();
    bool running() const;
    // Shows a comparison under `title`, the groups under `headings`.
    void showDiff(const QString &title, ListingDiff diff, const std::array<QString, 3> &headings,
                  DifferencesContents contents = {});
    void forgetDisk(const TreeNode *disk);
    DifferencesModel &model() { return *m_model; }
    QTreeView &view() { return *m_view; }

signals:
    void itemActivated(TreeNode *node, int entry);
    // The comparison threw: what went wrong, for the error report.
    void searchFailed(const QString &message);

private:
    DifferencesModel *m_model;
    QTreeView *m_view;
    QPushButton *m_cancel;
    BackgroundSearch *m_search;
    QString m_subject; // of the comparison running
};

} // namespace rkm
