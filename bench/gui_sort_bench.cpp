// Sorting the grid of a folder of 100,000 files by a column, as a click on
// its header does (the rows on screen drawn again), and the order alone
// (SortedEntries). Sizes and dates vary as on a real disk. Run under
// QT_QPA_PLATFORM=offscreen. The target: by size under 100 ms.
#include "app/Application.h"
#include "app/Frmsplash.h"
#include "app/Mainfrm.h"
#include "catalog/EntryOrder.h"
#include "platform/Text.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <random>

using namespace rkm;

namespace {

constexpr int FILES = 100000;

// One disk whose root holds 100,000 files with names, sizes and dates as a
// camera's card or a download folder has them.
std::unique_ptr<TreeNode> BigFolder()
{
    auto disk = MakeDiskNode("Big disk");
    disk->disk().RootPath = "/media/big";
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> days(0, 3 * 365);
    std::lognormal_distribution<double> size(11.0, 2.5);
    for (int i = 0; i < FILES; ++i) {
        const auto bytes = static_cast<uint64_t>(size(rng));
        const int64_t when = 1600000000 + int64_t(days(rng)) * 86400;
        disk->disk().Files.append(FileEntry{"IMG_" + std::to_string(rng() % 100000) + ".jpg", "",
                                            platform::DateText(when), platform::SizeText(bytes), ""});
    }
    return disk;
}

struct Window {
    QTemporaryDir dir;
    std::unique_ptr<CatalogStore> store;
    std::unique_ptr<TfrmMain> main;
    QTableView *grid = nullptr;
    Window()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
        TfrmSplash::setMinimumMillisecondsForTests(0);
        store = std::make_unique<CatalogStore>(dir.path().toStdString() + "/catalog");
        QDir().mkpath(QString::fromStdString(store->ProgramDir()));
        main = std::make_unique<TfrmMain>(*store);
        main->show();
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000 && !(main->windowHandle() && main->windowHandle()->isExposed()))
            QCoreApplication::processEvents();
        main->selectNode(store->AddDisk(BigFolder()));
        grid = main->findChild<QTableView *>(QStringLiteral("StringGrid1"));
        grid->viewport()->repaint();
    }
};

// Each iteration sorts by the column, ascending or descending in turn, and
// draws the rows on screen; going back to the stored order is not timed.
void SortGridBy(benchmark::State &state, int column)
{
    Window w;
    QHeaderView *header = w.grid->horizontalHeader();
    bool descending = false;
    for (auto _ : state) {
        w.grid->sortByColumn(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        w.grid->viewport()->repaint();
        state.PauseTiming();
        if (header->sortIndicatorSection() != column)
            state.SkipWithError("not sorted");
        w.grid->sortByColumn(-1, Qt::AscendingOrder);
        QCoreApplication::processEvents();
        descending = !descending;
        state.ResumeTiming();
    }
}

void BM_SortGridBySize(benchmark::State &state) { SortGridBy(state, FT_SIZE); }
void BM_SortGridByDate(benchmark::State &state) { SortGridBy(state, FT_DATE); }
void BM_SortGridByName(benchmark::State &state) { SortGridBy(state, FT_NAME); }
BENCHMARK(BM_SortGridBySize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SortGridByDate)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SortGridByName)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortedEntriesBySize(benchmark::State &state)
{
    const auto disk = BigFolder();
    for (auto _ : state)
        benchmark::DoNotOptimize(SortedEntries(disk->disk().Files, FT_SIZE, false));
}
BENCHMARK(BM_SortedEntriesBySize)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    RackmereApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
