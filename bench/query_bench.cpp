// Find all with and without filters, name patterns, duplicates and the
// comparison of two listings, over the synthetic catalogue of a million file
// entries; grep over a file of all entry paths for the same texts, in the
// same run, as the peer.
//
// `query_bench --write-diff-pair DIR` only writes two listings of 500,000
// entries (the second the first with 1 % of its files removed, added or
// changed) and a file of each one's paths, sizes and dates, for
// bench/queries_vs_peers.sh. Both listings have the same disk name: name
// them by their files, 1.rkm and 2.rkm.
#include "SyntheticCatalog.h"

#include "search/Compare.h"
#include "search/Duplicates.h"
#include "search/Finder.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using namespace rkm;

namespace {

// About 100,000 of the synthetic names end in it.
constexpr char kTenth[] = ".jpg";

struct Data {
    QTemporaryDir tmp;
    std::string pathsFile;
    CatalogStore *store = nullptr;
    long entries = 0;
};

void WritePaths(const TreeNode &node, std::string prefix, std::FILE *f)
{
    prefix += node.text();
    prefix += '/';
    const FileList &files = node.disk().Files;
    for (int i = 0; i < files.count(); ++i) {
        const FileEntryView e = files.entry(i);
        std::fprintf(f, "%s%.*s %.*s %.*s\n", prefix.c_str(), static_cast<int>(e[FT_NAME].size()), e[FT_NAME].data(),
                     static_cast<int>(e[FT_SIZE].size()), e[FT_SIZE].data(), static_cast<int>(e[FT_DATE].size()),
                     e[FT_DATE].data());
    }
    for (int c = 0; c < node.childCount(); ++c)
        WritePaths(*node.child(c), prefix, f);
}

Data &data()
{
    static Data d;
    if (d.store)
        return d;
    const std::string dir = d.tmp.path().toStdString() + "/catalog";
    bench::WriteSyntheticCatalog(dir);
    d.store = new CatalogStore(dir);
    d.store->LoadCatalog();
    d.pathsFile = d.tmp.path().toStdString() + "/paths.txt";
    std::FILE *f = std::fopen(d.pathsFile.c_str(), "wb");
    for (int i = 0; i < d.store->Tree().diskCount(); ++i) {
        WritePaths(*d.store->Tree().disk(i), {}, f);
        d.store->Tree().disk(i)->forEach([&](const TreeNode &n) { d.entries += n.disk().Files.count(); });
    }
    std::fclose(f);
    return d;
}

SearchOptions Text(std::string text)
{
    SearchOptions o;
    o.text = std::move(text);
    return o;
}

void RunFindAll(benchmark::State &state, const SearchOptions &o)
{
    const Data &d = data();
    const std::vector<const TreeNode *> disks = DiskNodes(d.store->Tree());
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<SearchHit> hits;
        Finder(o).findAll(disks, [&](const SearchHit &h) { hits.push_back(h); });
        found = hits.size();
        benchmark::DoNotOptimize(hits.data());
    }
    state.counters["matches"] = static_cast<double>(found);
    state.counters["entries"] = static_cast<double>(d.entries);
}

// A tenth of all entries match.
void BM_FindAllPlain(benchmark::State &state)
{
    RunFindAll(state, Text(kTenth));
}
BENCHMARK(BM_FindAllPlain)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same text with a size range no file is in.
void BM_FindAllSizeNone(benchmark::State &state)
{
    SearchOptions o = Text(kTenth);
    o.minSize = uint64_t(1) << 40;
    RunFindAll(state, o);
}
BENCHMARK(BM_FindAllSizeNone)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same text with a date range no file is in (every date text is read).
void BM_FindAllDateNone(benchmark::State &state)
{
    SearchOptions o = Text(kTenth);
    o.fromDate = QDate(1990, 1, 1);
    o.toDate = QDate(1990, 12, 31);
    RunFindAll(state, o);
}
BENCHMARK(BM_FindAllDateNone)->Unit(benchmark::kMillisecond)->UseRealTime();

// A name pattern for the same files.
void BM_FindAllGlob(benchmark::State &state)
{
    SearchOptions o = Text("*.jpg");
    o.wildcards = true;
    RunFindAll(state, o);
}
BENCHMARK(BM_FindAllGlob)->Unit(benchmark::kMillisecond)->UseRealTime();

// No match at all: the plain text, then a pattern with every filter.
void BM_FindAllPlainNothing(benchmark::State &state)
{
    RunFindAll(state, Text("Holiday"));
}
BENCHMARK(BM_FindAllPlainNothing)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindAllFilteredNothing(benchmark::State &state)
{
    SearchOptions o = Text("*Holiday*.jp?");
    o.wildcards = true;
    o.minSize = 1024;
    o.maxSize = uint64_t(1) << 30;
    o.fromDate = QDate(2011, 1, 1);
    o.toDate = QDate(2023, 12, 31);
    RunFindAll(state, o);
}
BENCHMARK(BM_FindAllFilteredNothing)->Unit(benchmark::kMillisecond)->UseRealTime();

// An empty text: every entry matches; and the same with a size range that
// none is in, so every entry is tested on its size alone.
void BM_FindAllEverything(benchmark::State &state)
{
    RunFindAll(state, Text(""));
}
BENCHMARK(BM_FindAllEverything)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindAllSizeOnlyNothing(benchmark::State &state)
{
    SearchOptions o = Text("");
    o.minSize = uint64_t(1) << 40;
    RunFindAll(state, o);
}
BENCHMARK(BM_FindAllSizeOnlyNothing)->Unit(benchmark::kMillisecond)->UseRealTime();

void Grep(benchmark::State &state, std::vector<const char *> args)
{
    const Data &d = data();
    args.push_back(d.pathsFile.c_str());
    args.push_back(nullptr);
    // Into a file: grep stops at the first match when it writes to /dev/null.
    const std::string out = d.tmp.path().toStdString() + "/grep.txt";
    for (auto _ : state) {
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t pid = 0;
        if (posix_spawnp(&pid, args[0], &fa, nullptr, const_cast<char **>(args.data()), environ) != 0) {
            state.SkipWithError("cannot run grep");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&fa);
    }
}

// The peers: grep printing the lines with ".jpg", and a grep that matches none.
void BM_GrepTenth(benchmark::State &state)
{
    Grep(state, {"grep", "-iF", kTenth});
}
BENCHMARK(BM_GrepTenth)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GrepNothing(benchmark::State &state)
{
    Grep(state, {"grep", "-ciF", "Holiday"});
}
BENCHMARK(BM_GrepNothing)->Unit(benchmark::kMillisecond)->UseRealTime();

void RunDuplicates(benchmark::State &state, uint64_t minSize)
{
    const Data &d = data();
    const std::vector<const TreeNode *> disks = DiskNodes(d.store->Tree());
    std::size_t groups = 0;
    for (auto _ : state) {
        DuplicateOptions o;
        o.minSize = minSize;
        groups = FindDuplicates(disks, o).size();
    }
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["entries"] = static_cast<double>(d.entries);
}

void BM_DuplicatesAll(benchmark::State &state)
{
    RunDuplicates(state, 0);
}
BENCHMARK(BM_DuplicatesAll)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Duplicates1MB(benchmark::State &state)
{
    RunDuplicates(state, uint64_t(1) << 20);
}
BENCHMARK(BM_Duplicates1MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// A copy of a disk with one file in a hundred removed, one in a hundred
// added, one in a hundred of another size.
std::unique_ptr<TreeNode> Changed(const TreeNode &disk)
{
    auto copy = MakeDiskNode(disk.text());
    copy->disk().RootPath = disk.disk().RootPath;
    long n = 0;
    const std::function<void(const TreeNode &, TreeNode &)> fill = [&](const TreeNode &from, TreeNode &to) {
        const FileList &files = from.disk().Files;
        for (int i = 0; i < files.count(); ++i, ++n) {
            FileEntryView e = files.entry(i);
            if (n % 100 == 17)
                continue;
            std::string size;
            if (n % 100 == 42) {
                size = "1 bytes";
                e[FT_SIZE] = size;
            }
            to.disk().Files.append(e);
            if (n % 100 == 71) {
                std::string name = std::string(e[FT_NAME]) + ".new";
                e[FT_NAME] = name;
                to.disk().Files.append(e);
            }
        }
        for (int c = 0; c < from.childCount(); ++c)
            fill(*from.child(c), *to.appendChild(from.child(c)->text()));
    };
    fill(disk, *copy);
    return copy;
}

std::unique_ptr<TreeNode> HalfMillion()
{
    std::mt19937 rng(11);
    return bench::SyntheticDisk(0, 25000, 20, rng);
}

void BM_Compare500kListings(benchmark::State &state)
{
    const std::unique_ptr<TreeNode> a = HalfMillion();
    const std::unique_ptr<TreeNode> b = Changed(*a);
    std::size_t items = 0;
    for (auto _ : state)
        items = CompareListings(*a, *b).items.size();
    state.counters["differences"] = static_cast<double>(items);
}
BENCHMARK(BM_Compare500kListings)->Unit(benchmark::kMillisecond)->UseRealTime();

int WriteDiffPair(const std::string &dir)
{
    QDir().mkpath(QString::fromStdString(dir));
    const std::unique_ptr<TreeNode> a = HalfMillion();
    const std::unique_ptr<TreeNode> b = Changed(*a);
    WriteFileAtomically(dir + "/1.rkm", WriteListing(*a, 0));
    WriteFileAtomically(dir + "/2.rkm", WriteListing(*b, 0));
    for (const auto &[node, name] : {std::pair{a.get(), "a.txt"}, std::pair{b.get(), "b.txt"}}) {
        std::FILE *f = std::fopen((dir + "/../" + name).c_str(), "wb");
        if (!f)
            return 1;
        WritePaths(*node, {}, f);
        std::fclose(f);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write-diff-pair")
        return WriteDiffPair(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
