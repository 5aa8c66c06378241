// Searching a catalogue of a million file entries that holds no match, so
// every node and entry is visited, through the code the search dialog runs;
// and grep -ci for the same text over a file of the full paths of all
// entries, measured in the same run for comparison.
#include "SyntheticCatalog.h"

#include "search/Finder.h"
#include "search/Query.h"
#include "search/TextContains.h"

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

// A text no synthetic name, folder or disk holds.
constexpr char kMissing[] = "Holiday";

struct Data {
    QTemporaryDir tmp;
    std::string dir;
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
        const std::string_view name = files.text(i, FT_NAME);
        std::fwrite(prefix.data(), 1, prefix.size(), f);
        std::fwrite(name.data(), 1, name.size(), f);
        std::fputc('\n', f);
    }
    for (int c = 0; c < node.childCount(); ++c)
        WritePaths(*node.child(c), prefix, f);
}

// The catalogue, loaded from listing files as the program loads it, and the
// paths file; made once.
Data &data()
{
    static Data d;
    if (d.store)
        return d;
    // RACKMERE_BENCH_CATALOG names a catalogue made beforehand (such as the
    // ten million entries of bench/tenmillion.sh); else the million is made.
    if (const QByteArray given = qgetenv("RACKMERE_BENCH_CATALOG"); !given.isEmpty()) {
        d.dir = given.toStdString();
    } else {
        d.dir = d.tmp.path().toStdString() + "/catalog";
        bench::WriteSyntheticCatalog(d.dir);
    }
    d.store = new CatalogStore(d.dir);
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

SearchOptions Options(std::string text, bool caseSensitive)
{
    SearchOptions o;
    o.text = std::move(text);
    o.caseSensitive = caseSensitive;
    return o; // folder names, file names and descriptions, as the dialog starts
}

void RunSearch(benchmark::State &state, const SearchOptions &o)
{
    const Data &d = data();
    for (auto _ : state) {
        // What a search from the dialog does: prepare, then walk from the top.
        const Finder finder(o);
        const SearchHit hit = finder.findFirst(d.store->Tree());
        if (hit)
            state.SkipWithError("the text was found");
        benchmark::DoNotOptimize(hit);
    }
    state.counters["entries"] = static_cast<double>(d.entries);
}

void BM_FindNothingCaseInsensitive(benchmark::State &state)
{
    RunSearch(state, Options(kMissing, false));
}
BENCHMARK(BM_FindNothingCaseInsensitive)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindNothingCaseSensitive(benchmark::State &state)
{
    RunSearch(state, Options(kMissing, true));
}
BENCHMARK(BM_FindNothingCaseSensitive)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same miss written in the query language, through the walk Find all
// and the search box run (the folder buffers are scanned for the word).
void RunQuery(benchmark::State &state, const char *text)
{
    const Data &d = data();
    const std::vector<const TreeNode *> disks = DiskNodes(d.store->Tree());
    for (auto _ : state) {
        QueryError error;
        const std::optional<Query> q = Query::Parse(text, error);
        long hits = 0;
        FindAllMatching(*q, disks, [&](TreeNode *, int) { ++hits; });
        if (hits)
            state.SkipWithError("the query matched");
    }
    state.counters["entries"] = static_cast<double>(d.entries);
}

void BM_QueryNothing(benchmark::State &state)
{
    RunQuery(state, kMissing);
}
BENCHMARK(BM_QueryNothing)->Unit(benchmark::kMillisecond)->UseRealTime();

// Two words and a field: the longest word is scanned for, the rest tested
// only where it turns up.
void BM_QueryNothingWithField(benchmark::State &state)
{
    RunQuery(state, "Holiday photos ext:jpg");
}
BENCHMARK(BM_QueryNothingWithField)->Unit(benchmark::kMillisecond)->UseRealTime();

// Either of two words: the buffers are scanned for both, each place looked
// at in buffer order.
void BM_QueryNothingEitherWord(benchmark::State &state)
{
    RunQuery(state, "Holiday OR Journey");
}
BENCHMARK(BM_QueryNothingEitherWord)->Unit(benchmark::kMillisecond)->UseRealTime();

// A short pattern: no skipping, every byte is looked at.
void BM_FindNothingShortText(benchmark::State &state)
{
    RunSearch(state, Options("q", false));
}
BENCHMARK(BM_FindNothingShortText)->Unit(benchmark::kMillisecond)->UseRealTime();

// A pattern with an accented letter: only texts with such bytes are tested.
void BM_FindNothingAccentedText(benchmark::State &state)
{
    RunSearch(state, Options("\xC3\xA9t\xC3\xA9", false));
}
BENCHMARK(BM_FindNothingAccentedText)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same, case-sensitive: the pattern is looked for in its UTF-8 and its
// Windows-1252 form in one pass (texts of listings made on Windows).
void BM_FindNothingAccentedCaseSensitive(benchmark::State &state)
{
    RunSearch(state, Options("\xC3\xA9t\xC3\xA9", true));
}
BENCHMARK(BM_FindNothingAccentedCaseSensitive)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every entry of a category nobody uses: each entry's category is looked at.
void BM_CategoryWalkNothing(benchmark::State &state)
{
    SearchOptions o = Options("", false);
    o.categoryOnly = true;
    o.category = "Games";
    RunSearch(state, o);
}
BENCHMARK(BM_CategoryWalkNothing)->Unit(benchmark::kMillisecond)->UseRealTime();

// A category with an accented letter: each entry's category is compared with
// its UTF-8 and its Windows-1252 form.
void BM_CategoryWalkAccentedNothing(benchmark::State &state)
{
    SearchOptions o = Options("", false);
    o.categoryOnly = true;
    o.category = "Vid\xC3\xA9os";
    RunSearch(state, o);
}
BENCHMARK(BM_CategoryWalkAccentedNothing)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same text with grep -ci over one file of all entry paths.
void BM_GrepCi(benchmark::State &state)
{
    const Data &d = data();
    for (auto _ : state) {
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        const char *argv[] = {"grep", "-ci", kMissing, d.pathsFile.c_str(), nullptr};
        pid_t pid = 0;
        if (posix_spawnp(&pid, "grep", &fa, nullptr, const_cast<char **>(argv), environ) != 0) {
            state.SkipWithError("cannot run grep");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&fa);
    }
    state.counters["entries"] = static_cast<double>(d.entries);
}
BENCHMARK(BM_GrepCi)->Unit(benchmark::kMillisecond)->UseRealTime();

// The substring test alone, as the print filters call it.
void BM_TextContainsShortTexts(benchmark::State &state)
{
    const std::string texts[] = {"file012_34567.jpg", "ReadMe.TXT", "Caf\xC3\xA9 Menu.doc", "volume7"};
    std::size_t n = 0;
    for (auto _ : state) {
        for (const std::string &t : texts)
            n += TextContains(t, "menu", false);
    }
    benchmark::DoNotOptimize(n);
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_TextContainsShortTexts);

} // namespace

BENCHMARK_MAIN();
