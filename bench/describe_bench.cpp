// The walk with media tags on, over a tree of tagged files made by
// bench/make_media.py (RACKMERE_MEDIA_TREE, default
// /tmp/rackmere-bench/media): every MP3 and JPEG described from its tags.
// bench/tags_vs_exiftool.sh runs it side by side with exiftool.

#include "catalog/Disks.h"
#include "scan/Scanner.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

std::string Tree()
{
    const char *tree = std::getenv("RACKMERE_MEDIA_TREE");
    return tree && *tree ? tree : "/tmp/rackmere-bench/media";
}

int Described(const rkm::TreeNode &node)
{
    int n = 0;
    node.forEach([&](const rkm::TreeNode &folder) {
        const rkm::FileList &files = folder.disk().Files;
        for (int i = 0; i < files.count(); ++i)
            n += files.text(i, rkm::FT_DESCRIPTION).empty() ? 0 : 1;
    });
    return n;
}

void BM_ScanWithTags(benchmark::State &state)
{
    rkm::ScanOptions options;
    options.tags = state.range(0) != 0;
    int described = 0;
    for (auto _ : state) {
        auto disk = rkm::ScanDisk(Tree(), "Media", "", nullptr, 0, options);
        described = Described(*disk);
        benchmark::DoNotOptimize(disk);
    }
    state.counters["described"] = described;
}
BENCHMARK(BM_ScanWithTags)->ArgName("tags")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
