// Exporting the synthetic catalogue of a million file entries, from memory
// (the catalogue loaded once): to a sink that only counts, and to a file.
#include "SyntheticCatalog.h"

#include "export/Export.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rkm;

namespace {

CatalogStore &catalogue()
{
    static QTemporaryDir tmp;
    static CatalogStore store = [] {
        const std::string dir = tmp.path().toStdString() + "/catalog";
        bench::WriteSyntheticCatalog(dir);
        return CatalogStore(dir);
    }();
    static const bool loaded = store.LoadCatalog().empty();
    (void)loaded;
    return store;
}

std::vector<const TreeNode *> allListings()
{
    std::vector<const TreeNode *> disks;
    for (int i = 0; i < catalogue().Tree().diskCount(); ++i)
        disks.push_back(catalogue().Tree().disk(i));
    return disks;
}

struct CountingSink final : ExportSink {
    std::size_t bytes = 0;
    void write(std::string_view b) override { bytes += b.size(); }
};

void BM_ExportInMemory(benchmark::State &state)
{
    const auto format = static_cast<ExportFormat>(state.range(0));
    const auto disks = allListings();
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        ExportListings(disks, format, sink);
        bytes = sink.bytes;
    }
    state.SetLabel(ExportFormatExtension(format));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ExportInMemory)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportToFile(benchmark::State &state)
{
    const auto format = static_cast<ExportFormat>(state.range(0));
    const auto disks = allListings();
    QTemporaryDir out;
    const std::string path = out.path().toStdString() + "/export." + ExportFormatExtension(format);
    for (auto _ : state)
        ExportToFile(disks, format, path);
    state.SetLabel(ExportFormatExtension(format));
}
BENCHMARK(BM_ExportToFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
