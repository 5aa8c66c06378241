// The desktop program with a catalogue of a million file entries: from start
// to a usable main window (the splash's least time left out), selecting a
// folder of 100,000 files, and Exit. Run under QT_QPA_PLATFORM=offscreen.
#include "SyntheticCatalog.h"

#include "app/Application.h"
#include "app/CatalogTreeModel.h"
#include "app/Frmsplash.h"
#include "app/Mainfrm.h"

#include <QTableView>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <fstream>

using namespace rkm;

namespace {

constexpr int BIG_FOLDER_FILES = 100000;

// 18 listings of 50,000 entries and one whose folder "big" holds 100,000:
// a million entries in all.
const std::string &catalogDir()
{
    static QTemporaryDir tmp;
    static const std::string dir = []() -> std::string {
        // RACKMERE_BENCH_CATALOG names a catalogue made beforehand (such as
        // the ten million entries of bench/tenmillion.sh).
        if (const QByteArray given = qgetenv("RACKMERE_BENCH_CATALOG"); !given.isEmpty())
            return given.toStdString();
        const std::string d = tmp.path().toStdString() + "/catalog";
        bench::WriteSyntheticCatalog(d, 18);
        auto disk = MakeDiskNode("Big disk");
        disk->disk().RootPath = "/media/big";
        disk->disk().DriveType = DRIVE_CDROM;
        TreeNode *big = disk->appendChild("big");
        for (int i = 0; i < BIG_FOLDER_FILES; ++i)
            big->disk().Files.append(FileEntryView{"photo" + std::to_string(i) + ".jpg", "", "01/02/2024", "512 Kb", ""});
        WriteFileAtomically(d + "/9999.rkm", WriteListing(*disk, 0));
        return d;
    }();
    return dir;
}

bool waitExposed(QWidget *w)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000) {
        QCoreApplication::processEvents();
        if (w->windowHandle() && w->windowHandle()->isExposed())
            return true;
    }
    return false;
}

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

long countEntries(const Catalog &c)
{
    long n = 0;
    for (int i = 0; i < c.diskCount(); ++i)
        c.disk(i)->forEach([&](const TreeNode &node) { n += node.disk().Files.count(); });
    return n;
}

void BM_StartToUsableWindow(benchmark::State &state)
{
    const std::string dir = catalogDir();
    TfrmSplash::setMinimumMillisecondsForTests(0);
    long entries = 0;
    for (auto _ : state) {
        auto store = std::make_unique<CatalogStore>(dir);
        auto window = std::make_unique<TfrmMain>(*store);
        window->show();
        if (!waitExposed(window.get()))
            state.SkipWithError("window not shown");
        QCoreApplication::processEvents();
        state.PauseTiming();
        entries = countEntries(store->Tree());
        window.reset();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_StartToUsableWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_SelectFolderOf100000Files(benchmark::State &state)
{
    TfrmSplash::setMinimumMillisecondsForTests(0);
    CatalogStore store(catalogDir());
    TfrmMain window(store);
    window.show();
    if (!waitExposed(&window))
        state.SkipWithError("window not shown");
    TreeNode *bigDisk = store.Tree().findByName("Big disk");
    if (!bigDisk) {
        state.SkipWithError("the catalogue has no folder of 100,000 files");
        return;
    }
    TreeNode *big = bigDisk->child(0);
    TreeNode *small = store.Tree().disk(0)->child(0);
    for (auto _ : state) {
        window.selectNode(big);
        window.findChild<QTableView *>(QStringLiteral("StringGrid1"))->viewport()->repaint(); // the rows on screen are drawn
        state.PauseTiming();
        if (window.findChild<QTableView *>(QStringLiteral("StringGrid1"))->model()->rowCount() != BIG_FOLDER_FILES)
            state.SkipWithError("grid not filled");
        window.selectNode(small);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectFolderOf100000Files)->Unit(benchmark::kMillisecond)->UseRealTime();

// Exit with nothing modified: from closing the main window to the window and
// the catalogue gone, as the program's main ends; with the catalogue freed
// entry by entry (0) and, as the program does, left to the system (1).
void BM_ExitWithNothingModified(benchmark::State &state)
{
    const std::string dir = catalogDir();
    TfrmSplash::setMinimumMillisecondsForTests(0);
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<CatalogStore>(dir);
        auto window = std::make_unique<TfrmMain>(*store);
        window->show();
        if (!waitExposed(window.get()))
            state.SkipWithError("window not shown");
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window->close();
        QCoreApplication::processEvents();
        SetProcessEnding(state.range(0) == 1);
        window.reset();
        store.reset();
        SetProcessEnding(false);
    }
}
BENCHMARK(BM_ExitWithNothingModified)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// What the window adds to the loaded catalogue, per file entry: the resident
// memory of catalogue and window less that of the catalogue alone.
void BM_WindowMemoryPerEntry(benchmark::State &state)
{
    TfrmSplash::setMinimumMillisecondsForTests(0);
    double perEntry = 0;
    for (auto _ : state) {
        ::malloc_trim(0);
        const long before = residentBytes();
        CatalogStore plain(catalogDir());
        plain.LoadCatalog();
        const long core = residentBytes() - before;
        const long entries = countEntries(plain.Tree());

        CatalogStore store(catalogDir());
        const long beforeWindow = residentBytes();
        TfrmMain window(store);
        window.show();
        waitExposed(&window);
        window.selectNode(store.Tree().findByName("Big disk")->child(0));
        window.findChild<QTableView *>(QStringLiteral("StringGrid1"))->viewport()->repaint();
        QCoreApplication::processEvents();
        const long withWindow = residentBytes() - beforeWindow;
        perEntry = static_cast<double>(withWindow - core) / static_cast<double>(entries);
        state.counters["core_bytes_per_entry"] = static_cast<double>(core) / static_cast<double>(entries);
    }
    state.counters["gui_bytes_per_entry"] = perEntry;
}
BENCHMARK(BM_WindowMemoryPerEntry)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

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
