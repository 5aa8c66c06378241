// Find all in the desktop program over the synthetic catalogue of a million
// file entries, for a text with about 100,000 matches: the time until the
// first rows are in the results panel and until all are in and painted, with
// the window's event loop running all along. Run under
// QT_QPA_PLATFORM=offscreen. The targets: first rows under 50 ms, the whole
// panel under 0.3 s.
//
// BM_KeystrokeToFirstRows types into the search box over ten million
// entries (RACKMERE_BENCH_CATALOG names a catalogue made beforehand, such
// as `catalog_bench --write-catalog DIR --listings 200`; else 200 synthetic
// listings are written to a temporary folder): for each keystroke, the time
// from the key event to the first rows of its query in the panel, each key
// typed while the search of the one before still runs. Target: under 50 ms.
#include "SyntheticCatalog.h"

#include "app/Application.h"
#include "app/Frmsplash.h"
#include "app/Mainfrm.h"
#include "search/ui/Frmresults.h"
#include "search/IndexWriter.h"
#include "search/ui/SearchBox.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace rkm;

namespace {

const std::string &catalogDir()
{
    static QTemporaryDir tmp;
    static const std::string dir = [] {
        const std::string d = tmp.path().toStdString() + "/catalog";
        bench::WriteSyntheticCatalog(d);
        return d;
    }();
    return dir;
}

void BM_FindAllTenthOfAMillion(benchmark::State &state)
{
    TfrmSplash::setMinimumMillisecondsForTests(0);
    index::RefreshIndex(catalogDir()); // the window's keeper then only checks it
    CatalogStore store(catalogDir());
    TfrmMain window(store);
    window.show();
    QCoreApplication::processEvents();
    TfrmResults &results = *window.findChild<TfrmResults *>();
    SearchOptions o;
    o.text = ".jpg";
    double first = 0, all = 0, most = 0;
    int rows = 0, iterations = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        bool firstSeen = false;
        const QMetaObject::Connection c = QObject::connect(&results.model(), &QAbstractItemModel::rowsInserted,
                                                           &results, [&] {
                                                               if (!firstSeen) {
                                                                   firstSeen = true;
                                                                   first += static_cast<double>(t.nsecsElapsed()) / 1e6;
                                                               }
                                                           });
        t.start();
        results.start(o, DiskNodes(store.Tree()));
        window.showPanel(&results);
        while (results.running())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
        results.view().viewport()->repaint();
        const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
        all += ms;
        most = std::max(most, ms);
        state.SetIterationTime(ms / 1000);
        QObject::disconnect(c);
        rows = results.model().rowCount();
        ++iterations;
    }
    state.counters["rows"] = rows;
    state.counters["first_rows_ms"] = first / iterations;
    state.counters["all_rows_ms"] = all / iterations;
    state.counters["slowest_ms"] = most;
}
BENCHMARK(BM_FindAllTenthOfAMillion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// Sorting the 100,048 rows by a text column (collation keys made for every
// row) and by size (values read from the size texts).
void BM_SortTenthOfAMillion(benchmark::State &state)
{
    TfrmSplash::setMinimumMillisecondsForTests(0);
    CatalogStore store(catalogDir());
    TfrmMain window(store);
    window.show();
    QCoreApplication::processEvents();
    TfrmResults &results = *window.findChild<TfrmResults *>();
    SearchOptions o;
    o.text = ".jpg";
    results.start(o, DiskNodes(store.Tree()));
    window.showPanel(&results);
    while (results.running())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        results.model().sort(column, Qt::AscendingOrder);
        state.PauseTiming();
        results.model().sort(-1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortTenthOfAMillion)
    ->Arg(ResultsModel::COL_NAME)
    ->Arg(ResultsModel::COL_SIZE)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

const std::string &tenMillionDir()
{
    static QTemporaryDir tmp;
    static const std::string dir = []() -> std::string {
        if (const QByteArray given = qgetenv("RACKMERE_BENCH_CATALOG"); !given.isEmpty())
            return given.toStdString();
        const std::string d = tmp.path().toStdString() + "/catalog";
        bench::WriteSyntheticCatalog(d, 200);
        return d;
    }();
    return dir;
}

void BM_KeystrokeToFirstRows(benchmark::State &state)
{
    TfrmSplash::setMinimumMillisecondsForTests(0);
    SearchBox::setDelaysForTests(5, 60000);
    // The index is up to date, as after the first start: the window's
    // keeper only checks it. RACKMERE_BENCH_FIRST_START=1 leaves it to be
    // built while the keys are typed, as at the first start.
    if (qgetenv("RACKMERE_BENCH_FIRST_START") != "1")
        index::RefreshIndex(tenMillionDir());
    CatalogStore store(tenMillionDir());
    TfrmMain window(store);
    window.show();
    QCoreApplication::processEvents();
    TfrmResults &results = *window.findChild<TfrmResults *>();
    QLineEdit &edit = window.findChild<SearchBox *>()->edit();
    edit.setFocus();
    // From a word that matches every name down to one that matches about
    // one name in 100,000 (the numbers are random).
    const QString typed = QStringLiteral("_12345.jpg");
    std::vector<double> latencies;
    std::vector<double> slowestAt(static_cast<std::size_t>(typed.size()), 0.0); // by key
    int lastRows = 0;
    for (auto _ : state) {
        edit.clear();
        QCoreApplication::processEvents();
        for (qsizetype k = 0; k < typed.size(); ++k) {
            const QChar c = typed[k];
            const QString expected = edit.text() + c;
            QElapsedTimer t;
            t.start();
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&edit, &press);
            QCoreApplication::sendEvent(&edit, &release);
            // The first rows of this query, or its end without any.
            while (!(results.queryText() == expected && (results.model().rowCount() > 0 || !results.running())) &&
                   t.elapsed() < 30000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            results.view().viewport()->repaint();
            latencies.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
            double &slowest = slowestAt[static_cast<std::size_t>(k)];
            slowest = std::max(slowest, latencies.back());
            lastRows = results.model().rowCount();
        }
        while (results.running())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        lastRows = results.model().rowCount();
    }
    long entries = 0;
    for (int i = 0; i < store.Tree().diskCount(); ++i)
        store.Tree().disk(i)->forEach([&](const TreeNode &n) { entries += n.disk().Files.count(); });
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (const double l : latencies)
        sum += l;
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["keystrokes"] = static_cast<double>(latencies.size());
    state.counters["mean_ms"] = sum / static_cast<double>(latencies.size());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["slowest_ms"] = latencies.back();
    state.counters["last_query_rows"] = lastRows;
    // The slowest time of each key, for the queries that match little.
    for (std::size_t k = 0; k < slowestAt.size(); ++k)
        state.counters["key" + std::to_string(k + 1) + "_ms"] = slowestAt[k];
}
BENCHMARK(BM_KeystrokeToFirstRows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // The search index the window keeps goes to a cache of the run's own.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    RackmereApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
