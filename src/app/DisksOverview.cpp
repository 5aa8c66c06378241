#include "app/DisksOverview.h"
#include "gui/LocaleText.h"

#include "catalog/CatalogStore.h"
#include "catalog/Shelf.h"
#include "gui/Focus.h"
#include "gui/WaitCursor.h"
#include "platform/Text.h"
#include "platform/TextValues.h"
#include "scan/Props.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace rkm {

namespace {

// What each column sorts by: a number where it shows one, the text lower-cased elsewhere.
constexpr int SortRole = Qt::UserRole;
// The disk of a row (on its Name cell).
constexpr int DiskRole = Qt::UserRole + 1;

QStandardItem *Cell(const QString &text, const QVariant &sortKey)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(sortKey, SortRole);
    return item;
}

QStandardItem *TextCell(const QString &text)
{
    return Cell(text, text.toLower());
}

QStandardItem *NumberCell(const QString &text, qlonglong key)
{
    QStandardItem *item = Cell(text, key);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

DisksOverview::DisksOverview(CatalogStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_model(new QStandardItemModel(this)), m_table(new QTableView(this))
{
    setObjectName(QStringLiteral("frmDisks"));
    setWindowTitle(tr("Disks"));
    setModal(false);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_model->setHorizontalHeaderLabels(
        {tr("Name"), tr("Location"), tr("Lent to"), tr("Files"), tr("Size"), tr("Last updated"), tr("Online")});
    m_model->setSortRole(SortRole);
    m_table->setObjectName(QStringLiteral("tblDisks"));
    m_table->setAccessibleName(tr("Disks"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ColName, Qt::AscendingOrder);
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex &index) { choose(index.row()); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setText(tr("&Close"));
    // Enter in the table chooses a disk; it does not close the window.
    close->setAutoDefault(false);
    close->setDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(760, 360);
}

DisksOverview::~DisksOverview() = default;

void DisksOverview::setOnline(std::function<QString(const TreeNode *)> mountPointOf)
{
    m_mountPointOf = std::move(mountPointOf);
    refreshOnline();
}

void DisksOverview::refresh()
{
    // The counts and sizes of a large catalogue take a moment.
    WaitCursor wait;
    const TreeNode *current = diskAt(m_table->currentIndex().row());
    const int sortColumn = m_table->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder sortOrder = m_table->horizontalHeader()->sortIndicatorOrder();
    m_table->setSortingEnabled(false);
    m_model->removeRows(0, m_model->rowCount());
    const QLocale locale;
    const Catalog &tree = m_store.Tree();
    for (int i = 0; i < tree.diskCount(); ++i) {
        TreeNode *disk = tree.disk(i);
        const Shelf shelf = ShelfOf(m_store.ExtrasOf(disk));
        long folders = 0, files = 0;
        CountSubtree(*disk, folders, files);
        const SubtreeSize size = SizeOfSubtree(*disk);
        const QDateTime read = m_store.LastRead(disk);
        // The tree keeps its disks in the natural order of their names.
        QStandardItem *name = Cell(platform::DecodeText(tree.displayName(*disk)), i);
        name->setData(QVariant::fromValue(static_cast<void *>(disk)), DiskRole);
        const QList<QStandardItem *> row = {
            name,
            TextCell(QString::fromStdString(shelf.location)),
            TextCell(QString::fromStdString(shelf.lentTo)),
            NumberCell(locale.toString(qlonglong(files)), files),
            NumberCell(SizeForPeople(size.bytes), qlonglong(size.bytes)),
            Cell(read.isValid() ? locale.toString(read.toLocalTime(), QLocale::ShortFormat) : QString(),
                 read.isValid() ? read.toMSecsSinceEpoch() : qlonglong(-1)),
            TextCell(QString()),
        };
        m_model->appendRow(row);
    }
    refreshOnline();
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(sortColumn, sortOrder);
    m_table->resizeColumnsToContents();
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (current && diskAt(row) == current)
            m_table->setCurrentIndex(m_model->index(row, ColName));
}

void DisksOverview::refreshOnline()
{
    const bool sorted = m_table->isSortingEnabled();
    m_table->setSortingEnabled(false);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QString mountPoint = m_mountPointOf ? m_mountPointOf(diskAt(row)) : QString();
        QStandardItem *item = m_model->item(row, ColOnline);
        item->setText(mountPoint);
        item->setData(mountPoint.toLower(), SortRole);
    }
    m_table->setSortingEnabled(sorted);
}

TreeNode *DisksOverview::diskAt(int row) const
{
    const QStandardItem *item = row >= 0 ? m_model->item(row, ColName) : nullptr;
    return item ? static_cast<TreeNode *>(item->data(DiskRole).value<void *>()) : nullptr;
}

void DisksOverview::choose(int row)
{
    TreeNode *disk = diskAt(row);
    // A row outlives its disk until the table is filled again.
    const Catalog &tree = m_store.Tree();
    for (int i = 0; disk && i < tree.diskCount(); ++i)
        if (tree.disk(i) == disk) {
            emit diskChosen(disk);
            return;
        }
}

} // namespace rkm
