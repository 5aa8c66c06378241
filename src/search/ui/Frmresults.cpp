#include "search/ui/Frmresults.h"

#include "catalog/EntryOrder.h"
#include "gui/ResultsPanel.h"
#include "gui/WaitCursor.h"
#include "platform/Order.h"
#include "platform/Text.h"
#include "platform/TextValues.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_map>
#include <chrono>

namespace rkm {

// ---- ResultsModel -----------------------------------------------------------

ResultsModel::ResultsModel(QObject *parent) : QAbstractTableModel(parent) {}

void ResultsModel::clear()
{
    beginResetModel();
    m_hits.clear();
    m_order.clear();
    m_textKeys.clear();
    m_sizeKeys.clear();
    m_dateKeys.clear();
    m_dateOrders.clear();
    m_sortColumn = -1;
    endResetModel();
}

void ResultsModel::append(const std::vector<SearchHit> &hits)
{
    if (hits.empty())
        return;
    const std::size_t from = m_hits.size();
    const int first = static_cast<int>(m_order.size());
    beginInsertRows({}, first, first + static_cast<int>(hits.size()) - 1);
    m_hits.insert(m_hits.end(), hits.begin(), hits.end());
    for (std::size_t i = from; i < m_hits.size(); ++i)
        m_order.push_back(static_cast<int>(i));
    endInsertRows();
    if (m_sortColumn < 0)
        return;
    // Sorted: the new rows take their places among the others.
    makeKeys(from);
    std::vector<int> order = m_order;
    const auto middle = order.begin() + first;
    const auto less = [this](int a, int b) { return before(a, b); };
    std::sort(middle, order.end(), less);
    std::inplace_merge(order.begin(), middle, order.end(), less);
    reorder(order);
}

void ResultsModel::forgetDisk(const TreeNode *disk)
{
    std::vector<SearchHit> kept;
    kept.reserve(m_hits.size());
    for (const SearchHit &h : m_hits)
        if (DiskOf(h.node) != disk)
            kept.push_back(h);
    if (kept.size() == m_hits.size())
        return;
    beginResetModel();
    m_hits = std::move(kept);
    m_order.resize(m_hits.size());
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = static_cast<int>(i);
    m_dateOrders.erase(disk);
    if (m_sortColumn >= 0) {
        m_textKeys.clear();
        m_sizeKeys.clear();
        m_dateKeys.clear();
        makeKeys(0);
        std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) { return before(a, b); });
    }
    endResetModel();
}

SearchHit ResultsModel::hitAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_order.size()))
        return {};
    return m_hits[static_cast<std::size_t>(m_order[static_cast<std::size_t>(row)])];
}

std::vector<SearchHit> ResultsModel::shownHits() const
{
    std::vector<SearchHit> out;
    out.reserve(m_order.size());
    for (const int i : m_order)
        out.push_back(m_hits[static_cast<std::size_t>(i)]);
    return out;
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : COL_COUNT;
}

QString ResultsModel::text(const SearchHit &hit, int column) const
{
    const TreeNode *node = hit.node;
    const bool entry = hit.entry >= 0;
    switch (column) {
    case COL_LISTING:
        return platform::DecodeText(DisplayName(m_catalog, *DiskOf(node)));
    case COL_FOLDER:
        if (entry)
            return FolderPathOf(node);
        return node->parent() ? FolderPathOf(node->parent()) : QString();
    case COL_NAME:
        return platform::DecodeText(entry ? node->disk().Files.text(hit.entry, FT_NAME)
                                          : std::string_view(node->text()));
    case COL_SIZE:
        return entry ? platform::DecodeText(node->disk().Files.text(hit.entry, FT_SIZE)) : QString();
    case COL_DATE:
        return entry ? platform::DecodeText(node->disk().Files.text(hit.entry, FT_DATE)) : QString();
    case COL_DESCRIPTION:
        return entry ? platform::DecodeText(node->disk().Files.text(hit.entry, FT_DESCRIPTION)) : QString();
    case COL_CATEGORY:
        return entry ? platform::DecodeText(node->disk().Files.text(hit.entry, FT_CATEGORY)) : QString();
    default:
        return {};
    }
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SearchHit hit = hitAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        // Sizes as the grid shows them; the tooltip keeps the stored text.
        if (index.column() == COL_SIZE && hit.entry >= 0)
            return platform::DecodeText(platform::ShownSize(hit.node->disk().Files.text(hit.entry, FT_SIZE)));
        return text(hit, index.column());
    case Qt::ToolTipRole:
        if (index.column() == COL_LISTING && m_mountPointOf) {
            const std::string mountPoint = m_mountPointOf(DiskOf(hit.node));
            if (!mountPoint.empty())
                return text(hit, index.column()) + QLatin1Char('\n') + MountedAtText(mountPoint);
        }
        return text(hit, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == COL_SIZE)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::DecorationRole:
        if (index.column() == COL_LISTING && m_mountPointOf && !m_mountPointOf(DiskOf(hit.node)).empty())
            return OnlineMark();
        if (index.column() == COL_NAME && hit.entry < 0)
            return QApplication::style()->standardIcon(hit.node->parent() ? QStyle::SP_DirIcon
                                                                          : QStyle::SP_DriveHDIcon);
        return {};
    default:
        return {};
    }
}

void ResultsModel::onlineChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, COL_LISTING), index(rowCount() - 1, COL_LISTING),
                         {Qt::DecorationRole, Qt::ToolTipRole});
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const headers[COL_COUNT] = {
        QT_TRANSLATE_NOOP("rkm::TfrmResults", "Listing"),     QT_TRANSLATE_NOOP("rkm::TfrmResults", "Folder"),
        QT_TRANSLATE_NOOP("rkm::TfrmResults", "Name"),        QT_TRANSLATE_NOOP("rkm::TfrmResults", "Size"),
        QT_TRANSLATE_NOOP("rkm::TfrmResults", "Date"),        QT_TRANSLATE_NOOP("rkm::TfrmResults", "Description"),
        QT_TRANSLATE_NOOP("rkm::TfrmResults", "Category")};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= COL_COUNT)
        return {};
    return TfrmResults::tr(headers[section]);
}

void ResultsModel::makeKeys(std::size_t from)
{
    // The grid's keys (EntryOrder): sizes and dates by value, other texts in
    // natural order. The keys are made once, so that sorting compares bytes.
    if (m_sortColumn == COL_SIZE)
        m_sizeKeys.resize(m_hits.size());
    else if (m_sortColumn == COL_DATE)
        m_dateKeys.resize(m_hits.size());
    else
        m_textKeys.resize(m_hits.size());
    std::string scratch;
    std::unordered_map<const TreeNode *, std::string> listingNames;
    for (std::size_t i = from; i < m_hits.size(); ++i) {
        const SearchHit &h = m_hits[i];
        const FileList &files = h.node->disk().Files;
        if (m_sortColumn == COL_SIZE) {
            // A folder's row has no size: it goes with the texts that are none.
            m_sizeKeys[i] = h.entry >= 0 ? SizeSortKey(files.text(h.entry, FT_SIZE)) : std::nullopt;
            continue;
        }
        if (m_sortColumn == COL_DATE) {
            std::optional<int64_t> key;
            if (h.entry >= 0) {
                const TreeNode *disk = DiskOf(h.node);
                auto it = m_dateOrders.find(disk);
                if (it == m_dateOrders.end())
                    it = m_dateOrders.emplace(disk, DateOrderOfListing(*disk)).first;
                key = DateSortKey(files.text(h.entry, FT_DATE), it->second);
            }
            m_dateKeys[i] = key;
            continue;
        }
        TextKey &k = m_textKeys[i];
        std::string_view text;
        if (m_sortColumn == COL_LISTING) {
            // Each listing's name is worked out once: it asks the catalogue.
            const TreeNode *disk = DiskOf(h.node);
            auto it = listingNames.find(disk);
            if (it == listingNames.end())
                it = listingNames.emplace(disk, DisplayName(m_catalog, *disk)).first;
            text = it->second;
        } else {
            text = storedText(h, m_sortColumn, scratch);
        }
        k.keyAndText.clear();
        k.keyAndText.reserve(2 * text.size() + 4);
        platform::AppendNaturalOrderKey(k.keyAndText, text);
        k.keyLength = k.keyAndText.size();
        k.keyAndText += text;
    }
}

std::string_view ResultsModel::storedText(const SearchHit &hit, int column, std::string &scratch) const
{
    const TreeNode *node = hit.node;
    const bool entry = hit.entry >= 0;
    switch (column) {
    case COL_LISTING:
        scratch = DisplayName(m_catalog, *DiskOf(node));
        return scratch;
    case COL_FOLDER:
        scratch = text(hit, column).toStdString();
        return scratch;
    case COL_NAME:
        return entry ? node->disk().Files.text(hit.entry, FT_NAME) : std::string_view(node->text());
    case COL_DESCRIPTION:
        return entry ? node->disk().Files.text(hit.entry, FT_DESCRIPTION) : std::string_view();
    case COL_CATEGORY:
        return entry ? node->disk().Files.text(hit.entry, FT_CATEGORY) : std::string_view();
    default:
        return {};
    }
}

bool ResultsModel::before(int a, int b) const
{
    const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    int c = 0;
    if (m_sortColumn == COL_SIZE) {
        c = CompareRows(m_sizeKeys[ia], m_sizeKeys[ib], descending);
    } else if (m_sortColumn == COL_DATE) {
        c = CompareRows(m_dateKeys[ia], m_dateKeys[ib], descending);
    } else {
        const TextKey &ka = m_textKeys[ia], &kb = m_textKeys[ib];
        c = CompareTextKeys(ka.key(), ka.text(), kb.key(), kb.text());
        if (descending)
            c = -c;
    }
    if (c == 0)
        return a < b; // equal keys keep the order they came in
    return c < 0;
}

void ResultsModel::sort(int column, Qt::SortOrder order)
{
    const WaitCursor wait; // a tenth of a second for 100,000 rows of names
    std::vector<int> fresh(m_hits.size());
    for (std::size_t i = 0; i < fresh.size(); ++i)
        fresh[i] = static_cast<int>(i);
    m_textKeys.clear();
    m_sizeKeys.clear();
    m_dateKeys.clear();
    if (column < 0 || column >= COL_COUNT) {
        m_sortColumn = -1;
    } else {
        m_sortColumn = column;
        m_sortOrder = order;
        makeKeys(0);
        std::sort(fresh.begin(), fresh.end(), [this](int a, int b) { return before(a, b); });
    }
    reorder(fresh);
}

void ResultsModel::reorder(const std::vector<int> &order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> rowOf(m_hits.size());
    for (std::size_t r = 0; r < order.size(); ++r)
        rowOf[static_cast<std::size_t>(order[r])] = static_cast<int>(r);
    const QModelIndexList was = persistentIndexList();
    QModelIndexList now;
    now.reserve(was.size());
    for (const QModelIndex &i : was) {
        const int id = m_order[static_cast<std::size_t>(i.row())];
        now.append(index(rowOf[static_cast<std::size_t>(id)], i.column()));
    }
    m_order = order;
    changePersistentIndexList(was, now);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// ---- TfrmResults ------------------------------------------------------------

TfrmResults::TfrmResults(QWidget *parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("frmResults"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);

    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto *bar = new QHBoxLayout;
    auto *queryLabel = new QLabel(tr("Query:"));
    m_query = new QLineEdit;
    m_query->setObjectName(QStringLiteral("txtQuery"));
    m_query->setReadOnly(true);
    m_query->setFrame(false);
    m_query->setToolTip(tr("The query this search runs; type it in the search box to change it"));
    queryLabel->setBuddy(m_query);
    bar->addWidget(queryLabel);
    bar->addWidget(m_query, 1);
    m_stop = new QPushButton(tr("S&top"));
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    m_stop->setEnabled(false);
    m_stop->setAutoDefault(false);
    bar->addWidget(m_stop);
    layout->addLayout(bar);

    m_model = new ResultsModel(this);
    m_view = new QTableView;
    m_view->setObjectName(QStringLiteral("lvResults"));
    m_view->setAccessibleName(tr("Find all results"));
    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false); // Tab leaves the rows, as from the grid
    m_view->setWordWrap(false);
    m_view->setShowGrid(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 4);
    QHeaderView *header = m_view->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    const int widths[ResultsModel::COL_COUNT] = {110, 200, 170, 70, 80, 150, 80};
    for (int c = 0; c < ResultsModel::COL_COUNT; ++c)
        m_view->setColumnWidth(c, widths[c]);
    layout->addWidget(m_view);
    setWidget(body);
    setFocusProxy(m_view);

    m_poll = new QTimer(this);
    m_poll->setInterval(4);
    connect(m_poll, &QTimer::timeout, this, &TfrmResults::poll);
    connect(m_stop, &QPushButton::clicked, this, &TfrmResults::stop);
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex &i) {
        const SearchHit hit = m_model->hitAt(i.row());
        if (hit)
            emit matchActivated(hit.node, hit.entry);
    });
    updateTitle();
}

TfrmResults::~TfrmResults()
{
    stop();
}

void TfrmResults::start(SearchOptions options, std::vector<const TreeNode *> disks, std::string_view listingName)
{
    // One listing: only its disk is walked (another listing may have the
    // same disk name, which disk: alone would take too).
    if (options.listing) {
        const TreeNode *listing = options.listing;
        std::erase_if(disks, [listing](const TreeNode *d) { return d != listing; });
    }
    const std::string text = QueryTextOf(options, listingName);
    QueryError error;
    std::optional<Query> query = Query::Parse(text, error, QueryOptions{options.caseSensitive});
    if (query) {
        auto q = std::make_shared<const Query>(std::move(*query));
        run([q, disks = std::move(disks)](const std::function<void(TreeNode *, int)> &found,
                                          const std::atomic<bool> *stop) { FindAllMatching(*q, disks, found, stop); },
            QString::fromStdString(text));
        return;
    }
    // The dialog's choices always make a query; should one not parse, the
    // search still runs by the choices themselves.
    auto finder = std::make_shared<const Finder>(std::move(options));
    run(
        [finder, disks = std::move(disks)](const std::function<void(TreeNode *, int)> &found,
                                           const std::atomic<bool> *stop) {
            finder->findAll(
                disks, [&](const SearchHit &h) { found(h.node, h.entry); }, stop);
        },
        QString::fromStdString(text));
}

bool TfrmResults::startQuery(const QString &text, std::vector<const TreeNode *> disks, QueryError *error,
                             QueryOptions options)
{
    QueryError e;
    std::optional<Query> query = Query::Parse(text.toStdString(), e, options);
    if (!query) {
        if (error)
            *error = e;
        return false;
    }
    auto q = std::make_shared<const Query>(std::move(*query));
    run([q, disks = std::move(disks)](const std::function<void(TreeNode *, int)> &found,
                                      const std::atomic<bool> *stop) { FindAllMatching(*q, disks, found, stop); },
        text);
    return true;
}

void TfrmResults::run(Search search, const QString &queryText)
{
    // A running search is let go, not waited for: it stops at its next
    // folder and its thread is joined once it has ended.
    letGo();
    m_model->clear();
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_queryText = queryText;
    m_query->setText(queryText);
    m_query->setCursorPosition(0);
    m_stopped = false;
    m_finished = false;
    m_stop->setEnabled(true);
    updateTitle();
    auto worker = std::make_shared<Worker>();
    m_current = worker;
    // The thread touches nothing but its worker: the panel looks at the
    // worker every few milliseconds (m_poll), so no thread of the search
    // calls into Qt. The panel joins every thread it started before it goes.
    Worker *w = worker.get();
    worker->thread = std::thread([w, search = std::move(search)] {
        using Clock = std::chrono::steady_clock;
        std::vector<SearchHit> batch;
        Clock::time_point last = Clock::now();
        bool first = true;
        // The first match goes at once, then batches of at most 20 ms.
        const auto flush = [&] {
            if (batch.empty())
                return;
            {
                const std::lock_guard<std::mutex> lock(w->mutex);
                w->pending.insert(w->pending.end(), batch.begin(), batch.end());
            }
            batch.clear();
            last = Clock::now();
        };
        search(
            [&](TreeNode *node, int entry) {
                batch.push_back(SearchHit{node, entry});
                if (first || batch.size() >= 4096 || Clock::now() - last > std::chrono::milliseconds(20)) {
                    first = false;
                    flush();
                }
            },
            &w->stopRequested);
        flush();
        // A walk that the stop request cut short did not come to its end.
        const std::lock_guard<std::mutex> lock(w->mutex);
        w->done = !w->stopRequested;
        w->ended = true;
    });
    if (!m_poll->isActive())
        m_poll->start();
}

void TfrmResults::poll()
{
    // Searches let go that have ended are joined (at once: they have).
    std::erase_if(m_ending, [](const std::shared_ptr<Worker> &w) {
        bool ended;
        {
            const std::lock_guard<std::mutex> lock(w->mutex);
            ended = w->ended;
        }
        if (ended && w->thread.joinable())
            w->thread.join();
        return ended;
    });
    if (m_current && m_current->thread.joinable()) {
        bool ended;
        {
            const std::lock_guard<std::mutex> lock(m_current->mutex);
            ended = m_current->ended;
        }
        drain();
        if (ended) {
            m_current->thread.join();
            drain();
            m_finished = true;
            m_stop->setEnabled(false);
            updateTitle();
            emit searchEnded();
        }
    }
    if (m_ending.empty() && (!m_current || !m_current->thread.joinable()))
        m_poll->stop();
}

void TfrmResults::drain()
{
    if (!m_current)
        return;
    std::vector<SearchHit> hits;
    {
        const std::lock_guard<std::mutex> lock(m_current->mutex);
        hits.swap(m_current->pending);
    }
    if (hits.empty())
        return;
    m_model->append(hits);
    updateTitle();
}

void TfrmResults::letGo()
{
    // Rows the old search still had waiting are dropped with it.
    if (!m_current)
        return;
    m_current->stopRequested = true;
    if (m_current->thread.joinable())
        m_ending.push_back(m_current);
    m_current.reset();
    const bool wasRunning = !m_finished;
    m_finished = true;
    m_stop->setEnabled(false);
    if (wasRunning)
        emit searchEnded();
}

void TfrmResults::stop()
{
    // Every search thread is told to stop, then waited for: each looks at
    // the request at every folder, so this takes no longer than a folder.
    for (const std::shared_ptr<Worker> &w : m_ending)
        w->stopRequested = true;
    for (const std::shared_ptr<Worker> &w : m_ending)
        if (w->thread.joinable())
            w->thread.join();
    m_ending.clear();
    if (!m_current || !m_current->thread.joinable()) {
        m_poll->stop();
        return;
    }
    m_current->stopRequested = true;
    m_current->thread.join();
    bool done;
    {
        const std::lock_guard<std::mutex> lock(m_current->mutex);
        done = m_current->done;
    }
    drain();
    m_poll->stop();
    // A search that had already come to its end was not stopped.
    m_stopped = !m_finished && !done;
    m_finished = true;
    m_stop->setEnabled(false);
    updateTitle();
    emit searchEnded();
}

void TfrmResults::clear()
{
    letGo();
    m_model->clear();
    m_queryText.clear();
    m_query->clear();
    m_stopped = false;
    updateTitle();
}

void TfrmResults::forgetDisk(const TreeNode *disk)
{
    stop();
    m_model->forgetDisk(disk);
    updateTitle();
}

void TfrmResults::updateTitle()
{
    const int n = m_model->matchCount();
    QString title;
    if (n == 0 && m_finished && m_queryText.isEmpty())
        title = tr("Find all"); // nothing searched, or emptied
    else if (n == 0)
        title = tr("Find all: no match");
    else
        title = tr("Find all: %Ln matches", nullptr, n);
    if (!m_finished)
        title = tr("%1 (searching...)").arg(title);
    else if (m_stopped)
        title = tr("%1 (stopped)").arg(title);
    setWindowTitle(title);
    emit progressed(n, !m_finished);
}

} // namespace rkm
