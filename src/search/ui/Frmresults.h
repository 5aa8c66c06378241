#pragma once

#include "gui/Online.h"
#include "search/Finder.h"
#include "search/Query.h"

#include <QAbstractTableModel>
#include <QDockWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

class QLineEdit;
class QPushButton;
class QTimer;
class QTableView;

namespace rkm {

// The matches of a Find all as a table: listing, folder, name, size, date,
// description, category. Each row is a match (a node's own name, or a file
// entry) and reads its texts from the catalogue when shown, so an edited
// description shows at once. Rows stay in the order they came (Find next's)
// until the table is sorted by a column, by the grid's keys (EntryOrder):
// size and date by value, rows without one (folders, texts that are no size
// or date) last in either direction; other texts in natural order.
class ResultsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { COL_LISTING, COL_FOLDER, COL_NAME, COL_SIZE, COL_DATE, COL_DESCRIPTION, COL_CATEGORY, COL_COUNT };

    explicit ResultsModel(QObject *parent = nullptr);

    void clear();
    void append(const std::vector<SearchHit> &hits);
    // Leaves out the rows of a disk that is about to go.
    void forgetDisk(const TreeNode *disk);
    // The catalogue the listings are shown by the names of (a name that
    // repeats there comes with its listing file); not owned.
    void setCatalog(const Catalog *catalog) { m_catalog = catalog; }
    // Where each listing's disk is mounted now: the listing of a match on
    // a mounted disk shows the mark of a mounted disk and says where.
    void setOnline(MountPointLookup mountPointOf) { m_mountPointOf = std::move(mountPointOf); }
    // The disks that are mounted changed: the listing column is shown again.
    void onlineChanged();
    int matchCount() const { return static_cast<int>(m_hits.size()); }
    // The match a row shows.
    SearchHit hitAt(int row) const;
    // The matches in the order the rows show them.
    std::vector<SearchHit> shownHits() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // A column below 0 gives back the order the matches came in.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QString text(const SearchHit &hit, int column) const;
    // The bytes a text column sorts by: the stored text, or the folder's path
    // as UTF-8 (made in `scratch`).
    std::string_view storedText(const SearchHit &hit, int column, std::string &scratch) const;
    void makeKeys(std::size_t from);
    bool before(int a, int b) const;
    void reorder(const std::vector<int> &order);

    const Catalog *m_catalog = nullptr;
    MountPointLookup m_mountPointOf;
    std::vector<SearchHit> m_hits; // in the order they came
    std::vector<int> m_order;      // the rows as shown: indices into m_hits
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    // Sort keys of every match for the sort column (EntryOrder's keys, made
    // for the matches in the order they came, so they are only ever appended).
    struct TextKey {
        std::string keyAndText; // the natural order key, then the text (for ties)
        std::size_t keyLength = 0;
        std::string_view key() const { return std::string_view(keyAndText).substr(0, keyLength); }
        std::string_view text() const { return std::string_view(keyAndText).substr(keyLength); }
    };
    std::vector<TextKey> m_textKeys;
    std::vector<std::optional<uint64_t>> m_sizeKeys;
    std::vector<std::optional<int64_t>> m_dateKeys;
    mutable std::unordered_map<const TreeNode *, platform::DateOrder> m_dateOrders;
};

// The results panel of Find all and of the search box, docked under the
// grid. The search is a query (search/Query.h), shown on the panel's query
// line; the choices of the Find dialog are turned into one. It runs on a
// thread of its own and the rows stream in, the first at once; Stop ends it.
// Enter or a double click on a row asks for its match to be shown
// (matchActivated).
//
// The search reads the catalogue while the window goes on: the catalogue is
// only ever changed on the user-interface thread, and every change waits
// for every running search to stop first (stop(), which the main window
// calls before any command that edits, and forgetDisk() before a disk goes).
// The search goes over the disks as they were when it started. A search
// started while one runs (the next keystroke in the search box) does not
// wait for it: the older one is told to stop, its rows are dropped, and its
// thread is joined once it has ended (or by stop()).
class TfrmResults final : public QDockWidget {
    Q_OBJECT

public:
    explicit TfrmResults(QWidget *parent = nullptr);
    ~TfrmResults() override;

    // Starts a Find all over `disks` by the Find dialog's choices, as the
    // query they make (QueryTextOf; `listingName` names options.listing).
    void start(SearchOptions options, std::vector<const TreeNode *> disks, std::string_view listingName = {});
    // Starts a search for `text` over `disks`. A text that is no query
    // starts nothing: false, with the reason in `error`.
    bool startQuery(const QString &text, std::vector<const TreeNode *> disks, QueryError *error = nullptr,
                    QueryOptions options = {});
    // Ends the running searches and waits for their threads; the rows found stay.
    void stop();
    // Stops the running search without waiting and empties the panel.
    void clear();
    bool running() const { return m_current != nullptr && !m_finished; }
    // A disk is about to leave the catalogue: the search stops and its rows go.
    void forgetDisk(const TreeNode *disk);
    // The query the rows are the matches of (empty when none).
    const QString &queryText() const { return m_queryText; }
    // Searches still winding down after a newer one started (tests).
    int endingSearches() const { return static_cast<int>(m_ending.size()); }

    ResultsModel &model() { return *m_model; }
    QTableView &view() { return *m_view; }

signals:
    void matchActivated(TreeNode *node, int entry);
    // The search ended (finished, stopped, or none was running).
    void searchEnded();
    // The rows or the state of the search changed (the title was updated).
    void progressed(int matches, bool running);

private:
    // What a search thread shares with the panel.
    struct Worker {
        std::atomic<bool> stopRequested{false};
        std::mutex mutex;
        std::vector<SearchHit> pending; // found, not yet in the model
        bool done = false;              // came to its end (not cut short)
        bool ended = false;             // the thread has nothing more to do
        std::thread thread;
    };
    using Search = std::function<void(const std::function<void(TreeNode *, int)> &, const std::atomic<bool> *)>;
    void run(Search search, const QString &queryText);
    // Takes in what the searches found, and joins the threads that ended.
    void poll();
    void drain();
    // Tells the running search to stop and leaves its thread to end alone.
    void letGo();
    void updateTitle();

    ResultsModel *m_model;
    QTableView *m_view;
    QLineEdit *m_query;
    QPushButton *m_stop;
    QTimer *m_poll; // runs while a search thread runs
    QString m_queryText;
    std::shared_ptr<Worker> m_current;             // the search the rows come from
    std::vector<std::shared_ptr<Worker>> m_ending; // told to stop, not yet joined
    bool m_finished = true;
    bool m_stopped = false;
};

} // namespace rkm
