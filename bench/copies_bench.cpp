// Copies by contents over the synthetic catalogue (20 listings of 50,000
// file entries, every file fingerprinted; in listings 2 to 20 every fourth
// file has the same contents as the file in its place in the others, under
// another name): reading the fingerprints from the
// store, and grouping them (FindDuplicatesByContents, one walk per listing),
// beside FindDuplicates by name and size over the same listings.
#include "SyntheticCatalog.h"

#include "search/Duplicates.h"
#include "search/Finder.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rkm;

namespace {

struct Data {
    QTemporaryDir tmp;
    std::unique_ptr<CatalogStore> store;
    long entries = 0;
};

Data &data()
{
    static Data d = [] {
        Data made;
        made.store = std::make_unique<CatalogStore>(made.tmp.path().toStdString() + "/");
        std::mt19937 rng(7);
        for (int i = 0; i < 20; ++i) {
            std::unique_ptr<TreeNode> disk = bench::SyntheticDisk(i, 2500, 20, rng);
            ContentRecords records;
            long n = 0;
            for (const TreeNode *f = disk.get(); f; f = NextInDisk(disk.get(), f))
                for (int k = 0; k < f->disk().Files.count(); ++k, ++n) {
                    ContentRecord r;
                    r.path = ContentPath(*f, k);
                    r.size = 1 + static_cast<uint64_t>(rng() % 4000000);
                    const uint64_t id = n % 4 == 0 && i > 0 ? uint64_t(n) : (uint64_t(i) << 32) | uint64_t(n);
                    r.fingerprint = Fingerprint{id * 0x9E3779B97F4A7C15ull, id};
                    if (n % 4 == 0 && i > 0)
                        r.size = uint64_t(n) + 1;
                    records.push_back(std::move(r));
                }
            made.entries += n;
            made.store->AddListing(std::move(disk), {}, {}, std::make_shared<MemoryContents>(std::move(records)));
        }
        return made;
    }();
    return d;
}

void BM_ContentsRead(benchmark::State &state)
{
    Data &d = data();
    const std::vector<const TreeNode *> disks = DiskNodes(d.store->Tree());
    DuplicateOptions o;
    o.minSize = 0;
    std::size_t records = 0;
    for (auto _ : state) {
        records = 0;
        for (const DiskContents &c : ContentsForDuplicates(*d.store, disks, o))
            records += c.records.size();
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_ContentsRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_DuplicatesByContents(benchmark::State &state)
{
    Data &d = data();
    const std::vector<const TreeNode *> disks = DiskNodes(d.store->Tree());
    DuplicateOptions o;
    o.minSize = 0;
    const std::vector<DiskContents> contents = ContentsForDuplicates(*d.store, disks, o);
    std::size_t groups = 0;
    for (auto _ : state)
        groups = FindDuplicatesByContents(contents, o).size();
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["entries"] = static_cast<double>(d.entries);
}
BENCHMARK(BM_DuplicatesByContents)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DuplicatesByName(benchmark::State &state)
{
    Data &d = data();
    const std::vector<const TreeNode *> disks = DiskNodes(d.store->Tree());
    DuplicateOptions o;
    o.minSize = 0;
    std::size_t groups = 0;
    for (auto _ : state)
        groups = FindDuplicates(disks, o).size();
    state.counters["groups"] = static_cast<double>(groups);
}
BENCHMARK(BM_DuplicatesByName)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
