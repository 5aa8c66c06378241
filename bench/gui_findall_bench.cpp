// Find all in the desktop program over the synthetic catalogue of a million
// file entries, for a text with about 100,000 matches: the time until the
// first rows are in the results panel and until all are in and painted, with
// the window's event loop running all along. Run under
// QT_QPA_PLATFORM=offscreen. The targets: first rows under 50 ms, the whole
// panel under 0.3 s.
#include "SyntheticCatalog.h"

#include "app/Application.h"
#include "app/Frmsplash.h"
#include "app/Mainfrm.h"
#include "search/ui/Frmresults.h"

#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

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

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    RackmereApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
