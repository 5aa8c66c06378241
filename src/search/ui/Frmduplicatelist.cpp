#include "search/ui/Frmduplicatelist.h"
#include "gui/LocaleText.h"

#include "gui/BackgroundSearch.h"
#include "gui/ResultsPanel.h"
#include "platform/Text.h"
#include "platform/TextValues.h"
#include "search/Finder.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>
#include <memory>

namespace rkm {

namespace {

// Group rows have no parent; a copy's index carries its group number + 1.
constexpr quintptr GROUP = 0;


} // namespace

DuplicatesModel::DuplicatesModel(QObject *parent) : QAbstractItemModel(parent) {}

void DuplicatesModel::setGroups(std::vector<DuplicateGroup> groups)
{
    beginResetModel();
    m_groups = std::move(groups);
    endResetModel();
}

std::vector<DuplicateGroup> DuplicatesModel::takeGroups()
{
    beginResetModel();
    std::vector<DuplicateGroup> groups = std::move(m_groups);
    m_groups.clear();
    endResetModel();
    return groups;
}

void DuplicatesModel::forgetDisk(const TreeNode *disk)
{
    bool touched = false;
    for (const DuplicateGroup &g : m_groups)
        for (const EntryRef &r : g.entries)
            touched = touched || DiskOf(r.node) == disk;
    if (!touched)
        return;
    beginResetModel();
    std::vector<DuplicateGroup> kept;
    for (DuplicateGroup &g : m_groups) {
        std::erase_if(g.entries, [&](const EntryRef &r) { return DiskOf(r.node) == disk; });
        if (g.entries.size() >= 2) {
            g.wasted = g.size * (g.entries.size() - 1);
            kept.push_back(std::move(g));
        }
    }
    m_groups = std::move(kept);
    endResetModel();
}

EntryRef DuplicatesModel::entryAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.internalId() == GROUP)
        return {};
    const DuplicateGroup &g = m_groups[static_cast<std::size_t>(index.internalId() - 1)];
    return g.entries[static_cast<std::size_t>(index.row())];
}

QModelIndex DuplicatesModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column < 0 || column >= COL_COUNT)
        return {};
    if (!parent.isValid())
        return row < static_cast<int>(m_groups.size()) ? createIndex(row, column, GROUP) : QModelIndex();
    if (parent.internalId() != GROUP)
        return {};
    const DuplicateGroup &g = m_groups[static_cast<std::size_t>(parent.row())];
    if (row >= static_cast<int>(g.entries.size()))
        return {};
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex DuplicatesModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == GROUP)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, GROUP);
}

int DuplicatesModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_groups.size());
    if (parent.internalId() != GROUP || parent.column() != 0)
        return 0;
    return static_cast<int>(m_groups[static_cast<std::size_t>(parent.row())].entries.size());
}

int DuplicatesModel::columnCount(const QModelIndex &) const
{
    return COL_COUNT;
}

QVariant DuplicatesModel::data(const QModelIndex &index, int role) const
{
    // A copy on a disk mounted now: marked, and the tooltip says where.
    if (index.isValid() && index.internalId() != GROUP && index.column() == COL_LISTING && m_mountPointOf &&
        (role == Qt::DecorationRole || role == Qt::ToolTipRole)) {
        const EntryRef r = entryAt(index);
        const std::string mountPoint = m_mountPointOf(DiskOf(r.node));
        if (!mountPoint.empty())
            return role == Qt::DecorationRole ? QVariant(OnlineMark())
                                              : QVariant(platform::DecodeText(DisplayName(m_catalog, *DiskOf(r.node))) +
                                                         QLatin1Char('\n') + MountedAtText(mountPoint));
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    if (index.internalId() == GROUP) {
        const DuplicateGroup &g = m_groups[static_cast<std::size_t>(index.row())];
        const EntryRef &first = g.entries.front();
        const FileEntryView e = first.node->disk().Files.entry(first.entry);
        switch (index.column()) {
        case COL_NAME:
            return platform::DecodeText(e[FT_NAME]);
        case COL_LISTING:
            return TfrmDuplicateList::tr("%Ln copies", nullptr, static_cast<int>(g.entries.size()));
        case COL_SIZE:
            return platform::DecodeText(e[FT_SIZE]);
        case COL_WASTED:
            return SizeForPeople(g.wasted);
        default:
            return {};
        }
    }
    const EntryRef r = entryAt(index);
    const FileEntryView e = r.node->disk().Files.entry(r.entry);
    switch (index.column()) {
    case COL_NAME:
        return platform::DecodeText(e[FT_NAME]);
    case COL_LISTING:
        return platform::DecodeText(DisplayName(m_catalog, *DiskOf(r.node)));
    case COL_FOLDER:
        return FolderPathOf(r.node);
    case COL_SIZE:
        return platform::DecodeText(e[FT_SIZE]);
    case COL_DATE:
        return platform::DecodeText(e[FT_DATE]);
    default:
        return {};
    }
}

void DuplicatesModel::onlineChanged()
{
    // The copies' rows, below each group.
    for (int g = 0; g < rowCount(); ++g) {
        const QModelIndex group = index(g, 0);
        const int copies = rowCount(group);
        if (copies > 0)
            emit dataChanged(index(0, COL_LISTING, group), index(copies - 1, COL_LISTING, group),
                             {Qt::DecorationRole, Qt::ToolTipRole});
    }
}

QVariant DuplicatesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const headers[COL_COUNT] = {
        QT_TRANSLATE_NOOP("rkm::TfrmDuplicateList", "Name"),   QT_TRANSLATE_NOOP("rkm::TfrmDuplicateList", "Listing"),
        QT_TRANSLATE_NOOP("rkm::TfrmDuplicateList", "Folder"), QT_TRANSLATE_NOOP("rkm::TfrmDuplicateList", "Size"),
        QT_TRANSLATE_NOOP("rkm::TfrmDuplicateList", "Date"),   QT_TRANSLATE_NOOP("rkm::TfrmDuplicateList", "Wasted")};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= COL_COUNT)
        return {};
    return TfrmDuplicateList::tr(headers[section]);
}

TfrmDuplicateList::TfrmDuplicateList(QWidget *parent) : QDockWidget(parent)
{
    m_model = new DuplicatesModel(this);
    m_view = SetUpResultsPanel(*this, QStringLiteral("frmDuplicateList"), QStringLiteral("tvDuplicates"),
                               tr("Duplicates"), m_model);
    const int widths[DuplicatesModel::COL_COUNT] = {200, 110, 200, 80, 80, 80};
    for (int c = 0; c < DuplicatesModel::COL_COUNT; ++c)
        m_view->setColumnWidth(c, widths[c]);
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex &i) {
        const EntryRef r = m_model->entryAt(i);
        if (r.node)
            emit entryActivated(r.node, r.entry);
    });
    m_cancel = AddCancelButton(*this);
    m_search = new BackgroundSearch(this);
    connect(m_search, &BackgroundSearch::runningChanged, m_cancel, &QWidget::setVisible);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmDuplicateList::cancel);
    updateTitle();
}

void TfrmDuplicateList::search(std::vector<const TreeNode *> disks, DuplicateOptions options,
                               std::vector<DiskContents> contents)
{
    m_search->cancel();
    // The groups shown before (a hundred thousand take a while to free) go
    // on the search's thread.
    auto old = std::make_shared<std::vector<DuplicateGroup>>(m_model->takeGroups());
    m_state = State::Searching;
    updateTitle();
    auto found = std::make_shared<std::vector<DuplicateGroup>>();
    auto read = std::make_shared<std::vector<DiskContents>>(std::move(contents));
    m_search->start(
        [found, old, read, disks = std::move(disks), options](const std::atomic<bool> &stop) {
            std::vector<DuplicateGroup>().swap(*old);
            *found = options.byContents ? FindDuplicatesByContents(*read, options, &stop)
                                        : FindDuplicates(disks, options, &stop);
            std::vector<DiskContents>().swap(*read);
        },
        [this, found](std::exception_ptr error) {
            if (error) {
                m_state = State::Failed;
                updateTitle();
                try {
                    std::rethrow_exception(error);
                } catch (const std::exception &e) {
                    emit searchFailed(QString::fromUtf8(e.what()));
                } catch (...) {
                    emit searchFailed(tr("The search for duplicates failed."));
                }
                return;
            }
            setGroups(std::move(*found));
        });
}

bool TfrmDuplicateList::cancel()
{
    if (!m_search->cancel())
        return false;
    m_state = State::Cancelled;
    updateTitle();
    return true;
}

bool TfrmDuplicateList::running() const
{
    return m_search->running();
}

void TfrmDuplicateList::setGroups(std::vector<DuplicateGroup> groups)
{
    m_model->setGroups(std::move(groups));
    m_state = State::Shown;
    openFirstGroups();
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, 0));
    updateTitle();
}

void TfrmDuplicateList::forgetDisk(const TreeNode *disk)
{
    m_model->forgetDisk(disk);
    openFirstGroups();
    updateTitle();
}

void TfrmDuplicateList::openFirstGroups()
{
    // Opening every group of a hundred thousand would hold the window for
    // most of a minute.
    const int open = std::min(m_model->rowCount(), OPEN_GROUPS);
    for (int r = 0; r < open; ++r)
        m_view->expand(m_model->index(r, 0));
}

void TfrmDuplicateList::updateTitle()
{
    switch (m_state) {
    case State::Searching:
        setWindowTitle(tr("Duplicates: searching..."));
        return;
    case State::Cancelled:
        setWindowTitle(tr("Duplicates: cancelled"));
        return;
    case State::Failed:
        setWindowTitle(tr("Duplicates: the search failed"));
        return;
    case State::Shown:
        break;
    }
    const std::vector<DuplicateGroup> &groups = m_model->groups();
    if (groups.empty()) {
        setWindowTitle(tr("Duplicates: none found"));
        return;
    }
    uint64_t wasted = 0;
    for (const DuplicateGroup &g : groups)
        wasted += g.wasted;
    setWindowTitle(tr("Duplicates: %Ln groups, %1 wasted", nullptr, static_cast<int>(groups.size()))
                       .arg(SizeForPeople(wasted)));
}

} // namespace rkm
