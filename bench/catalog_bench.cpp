// Loading and saving a catalogue of a million file entries.
#include "SyntheticCatalog.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <benchmark/benchmark.h>

using namespace rkm;

namespace {

const std::string &catalogDir()
{
    static QTemporaryDir tmp;
    static const std::string dir = [] {
        std::string d = tmp.path().toStdString() + "/catalog";
        bench::WriteSyntheticCatalog(d);
        return d;
    }();
    return dir;
}

void BM_LoadCatalog(benchmark::State &state)
{
    long entries = 0;
    for (auto _ : state) {
        CatalogStore store(catalogDir());
        if (!store.LoadCatalog().empty())
            state.SkipWithError("load error");
        state.PauseTiming();
        entries = 0;
        for (int i = 0; i < store.Tree().diskCount(); ++i)
            store.Tree().disk(i)->forEach([&](const TreeNode &n) { entries += n.disk().Files.count(); });
        state.ResumeTiming();
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_LoadCatalog)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveAllListings(benchmark::State &state)
{
    CatalogStore store(catalogDir());
    store.LoadCatalog();
    for (auto _ : state)
        for (int i = 0; i < store.Tree().diskCount(); ++i)
            store.SaveListing(store.Tree().disk(i), store.Tree().disk(i)->disk().FileName);
}
BENCHMARK(BM_SaveAllListings)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same bytes written with Qt's QSaveFile (temporary file, flush to the
// disk, rename), side by side with the program's own writer above, which
// also flushes the folder so the rename itself survives a power cut.
void BM_SaveAllListingsQSaveFile(benchmark::State &state)
{
    CatalogStore store(catalogDir());
    store.LoadCatalog();
    for (auto _ : state)
        for (int i = 0; i < store.Tree().diskCount(); ++i) {
            const TreeNode &disk = *store.Tree().disk(i);
            const std::string bytes = WriteListing(disk, disk.disk().SerialNumber);
            QSaveFile f(QString::fromStdString(store.PathOf(disk.disk().FileName)));
            if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
                f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !f.commit())
                state.SkipWithError("cannot write");
        }
}
BENCHMARK(BM_SaveAllListingsQSaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteListingInMemory(benchmark::State &state)
{
    CatalogStore store(catalogDir());
    store.LoadCatalog();
    for (auto _ : state)
        for (int i = 0; i < store.Tree().diskCount(); ++i)
            benchmark::DoNotOptimize(WriteListing(*store.Tree().disk(i), 0));
}
BENCHMARK(BM_WriteListingInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// `catalog_bench --write-catalog DIR [--listings N]` only writes the synthetic
// catalogue, for the scripts that time rackmere-cli on it: N listings of 50,000
// file entries (20 by default, a million entries; 200 make ten million).
int main(int argc, char **argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--write-catalog") {
        int listings = 20;
        if (argc == 5 && std::string(argv[3]) == "--listings") {
            listings = std::atoi(argv[4]);
        } else if (argc != 3) {
            std::fprintf(stderr, "usage: catalog_bench --write-catalog DIR [--listings N]\n");
            return 2;
        }
        if (listings < 1 || listings > 100000) {
            std::fprintf(stderr, "catalog_bench: --listings takes a number from 1 to 100000\n");
            return 2;
        }
        bench::WriteSyntheticCatalog(argv[2], listings);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
