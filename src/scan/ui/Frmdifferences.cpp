#include "scan/ui/Frmdifferences.h"

#include "gui/BackgroundSearch.h"
#include "gui/ResultsPanel.h"
#include "platform/Text.h"
#include "search/Finder.h"

#include <QApplication>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>

#include <memory>

namespace rkm {

namespace {

// Headings have no parent; an item's index carries its heading number + 1.
constexpr quintptr HEADING = 0;
// The group of the changed contents, after the three of DiffKind, and the
// internal id of its items.
constexpr int CONTENTS = 3;
constexpr quintptr CONTENT_ITEM = CONTENTS + 1;

QString Shown(const std::string &bytes)
{
    return platform::DecodeText(bytes);
}

} // namespace

DifferencesModel::DifferencesModel(QObject *parent) : QAbstractItemModel(parent) {}

void DifferencesModel::setDiff(ListingDiff diff, const std::array<QString, 3> &headings, DifferencesContents contents)
{
    beginResetModel();
    m_diff = std::move(diff);
    m_contents = std::move(contents);
    m_headings = headings;
    for (auto &v : m_byKind)
        v.clear();
    m_disks = {};
    for (std::size_t i = 0; i < m_diff.items.size(); ++i) {
        const DiffItem &d = m_diff.items[i];
        m_byKind[static_cast<std::size_t>(d.kind)].push_back(static_cast<int>(i));
        if (d.nodeA && !m_disks[0])
            m_disks[0] = DiskOf(d.nodeA);
        if (d.nodeB && !m_disks[1])
            m_disks[1] = DiskOf(d.nodeB);
    }
    endResetModel();
}

ListingDiff DifferencesModel::takeDiff()
{
    beginResetModel();
    ListingDiff diff = std::move(m_diff);
    m_diff = {};
    m_contents = {};
    for (auto &v : m_byKind)
        v.clear();
    m_disks = {};
    endResetModel();
    return diff;
}

const DiffItem *DifferencesModel::itemAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.internalId() == HEADING || index.internalId() == CONTENT_ITEM)
        return nullptr;
    const auto &items = m_byKind[static_cast<std::size_t>(index.internalId() - 1)];
    return &m_diff.items[static_cast<std::size_t>(items[static_cast<std::size_t>(index.row())])];
}

EntryAt DifferencesModel::contentEntryAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.internalId() != CONTENT_ITEM || !m_contents.disk)
        return {};
    return EntryOfPath(const_cast<TreeNode &>(*m_contents.disk),
                       m_contents.changes[static_cast<std::size_t>(index.row())].path);
}

void DifferencesModel::forgetDisk(const TreeNode *disk)
{
    if (m_contents.disk == disk)
        m_contents.disk = nullptr;
    for (std::size_t side = 0; side < 2; ++side) {
        if (m_disks[side] != disk)
            continue;
        m_disks[side] = nullptr;
        for (DiffItem &d : m_diff.items) {
            (side == 0 ? d.nodeA : d.nodeB) = nullptr;
            (side == 0 ? d.entryA : d.entryB) = -1;
        }
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, COL_COUNT - 1));
    }
}

QModelIndex DifferencesModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column < 0 || column >= COL_COUNT)
        return {};
    if (!parent.isValid())
        return row < groups() ? createIndex(row, column, HEADING) : QModelIndex();
    if (parent.internalId() != HEADING || row >= rowCount(parent))
        return {};
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex DifferencesModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == HEADING)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, HEADING);
}

int DifferencesModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return groups();
    if (parent.internalId() != HEADING || parent.column() != 0)
        return 0;
    if (parent.row() == CONTENTS)
        return static_cast<int>(m_contents.changes.size());
    return static_cast<int>(m_byKind[static_cast<std::size_t>(parent.row())].size());
}

int DifferencesModel::columnCount(const QModelIndex &) const
{
    return COL_COUNT;
}

QVariant DifferencesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == HEADING) {
        if (role != Qt::DisplayRole || index.column() != COL_PATH)
            return {};
        if (index.row() == CONTENTS)
            return TfrmDifferences::tr("Changed contents (%1)")
                .arg(QLocale().toString(static_cast<qulonglong>(m_contents.changes.size())));
        return QStringLiteral("%1 (%2)")
            .arg(m_headings[static_cast<std::size_t>(index.row())],
                 QLocale().toString(static_cast<qulonglong>(m_byKind[static_cast<std::size_t>(index.row())].size())));
    }
    if (index.internalId() == CONTENT_ITEM) {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        const ContentChange &c = m_contents.changes[static_cast<std::size_t>(index.row())];
        if (index.column() == COL_PATH)
            return Shown(c.path);
        if (index.column() == COL_SIZE)
            return QString::fromStdString(ContentChangeText(c));
        return {};
    }
    const DiffItem &d = *itemAt(index);
    if (role == Qt::DecorationRole && index.column() == COL_PATH && d.folder)
        return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const bool a = d.kind != DiffKind::OnlyInB;
    switch (index.column()) {
    case COL_PATH:
        return Shown(d.path);
    case COL_SIZE:
        if (d.folder)
            return TfrmDifferences::tr("%1, %2").arg(
                TfrmDifferences::tr("%Ln folders", nullptr, static_cast<int>(d.foldersBelow)),
                TfrmDifferences::tr("%Ln files", nullptr, static_cast<int>(d.filesBelow)));
        if (d.kind == DiffKind::Changed && d.sizeChanged)
            return Shown(d.sizeA) + QStringLiteral(" \u2192 ") + Shown(d.sizeB);
        return Shown(a ? d.sizeA : d.sizeB);
    case COL_DATE:
        if (d.kind == DiffKind::Changed && d.dateChanged)
            return Shown(d.dateA) + QStringLiteral(" \u2192 ") + Shown(d.dateB);
        return Shown(a ? d.dateA : d.dateB);
    default:
        return {};
    }
}

Qt::ItemFlags DifferencesModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant DifferencesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const headers[COL_COUNT] = {QT_TRANSLATE_NOOP("rkm::TfrmDifferences", "Path"),
                                                   QT_TRANSLATE_NOOP("rkm::TfrmDifferences", "Size"),
                                                   QT_TRANSLATE_NOOP("rkm::TfrmDifferences", "Date")};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= COL_COUNT)
        return {};
    return TfrmDifferences::tr(headers[section]);
}

TfrmDifferences::TfrmDifferences(QWidget *parent) : QDockWidget(parent)
{
    m_model = new DifferencesModel(this);
    m_view = SetUpResultsPanel(*this, QStringLiteral("frmDifferences"), QStringLiteral("tvDifferences"),
                               tr("Differences"), m_model);
    m_view->setColumnWidth(DifferencesModel::COL_PATH, 360);
    m_view->setColumnWidth(DifferencesModel::COL_SIZE, 160);
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex &i) {
        if (const EntryAt at = m_model->contentEntryAt(i); at.folder) {
            emit itemActivated(at.folder, at.entry);
            return;
        }
        const DiffItem *d = m_model->itemAt(i);
        if (!d)
            return;
        if (d->nodeA)
            emit itemActivated(const_cast<TreeNode *>(d->nodeA), d->entryA);
        else if (d->nodeB)
            emit itemActivated(const_cast<TreeNode *>(d->nodeB), d->entryB);
    });
    m_cancel = AddCancelButton(*this);
    m_search = new BackgroundSearch(this);
    connect(m_search, &BackgroundSearch::runningChanged, m_cancel, &QWidget::setVisible);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmDifferences::cancel);
}

void TfrmDifferences::compare(const QString &subject, Work work, TitleOf titleOf,
                              const std::array<QString, 3> &headings, DifferencesContents contents)
{
    m_search->cancel();
    m_subject = subject;
    setWindowTitle(tr("%1: comparing...").arg(subject));
    // What was shown before (100,000 items take a while to free) goes on the
    // search's thread.
    auto old = std::make_shared<ListingDiff>(m_model->takeDiff());
    m_model->setDiff({}, headings);
    auto diff = std::make_shared<ListingDiff>();
    m_search->start(
        [diff, old, work = std::move(work)](const std::atomic<bool> &stop) {
            *old = {};
            *diff = work(stop);
        },
        [this, diff, titleOf = std::move(titleOf), headings,
         contents = std::make_shared<DifferencesContents>(std::move(contents))](std::exception_ptr error) {
            if (!error) {
                const QString title = titleOf(*diff);
                showDiff(title, std::move(*diff), headings, std::move(*contents));
                return;
            }
            setWindowTitle(tr("%1: the comparison failed").arg(m_subject));
            try {
                std::rethrow_exception(error);
            } catch (const std::exception &e) {
                emit searchFailed(QString::fromUtf8(e.what()));
            } catch (...) {
                emit searchFailed(tr("The comparison failed."));
            }
        });
}

bool TfrmDifferences::cancel()
{
    if (!m_search->cancel())
        return false;
    setWindowTitle(tr("%1: cancelled").arg(m_subject));
    return true;
}

bool TfrmDifferences::running() const
{
    return m_search->running();
}

void TfrmDifferences::showDiff(const QString &title, ListingDiff diff, const std::array<QString, 3> &headings,
                               DifferencesContents contents)
{
    setWindowTitle(title);
    m_model->setDiff(std::move(diff), headings, std::move(contents));
    // Short lists open; a heading of thousands stays closed until asked.
    for (int r = 0; r < m_model->rowCount(); ++r)
        m_view->setExpanded(m_model->index(r, 0), m_model->rowCount(m_model->index(r, 0)) <= 1000);
    m_view->setCurrentIndex(m_model->index(0, 0));
}

void TfrmDifferences::forgetDisk(const TreeNode *disk)
{
    m_model->forgetDisk(disk);
}

} // namespace rkm
