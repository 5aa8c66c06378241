// The pictures of every file of one folder (RACKMERE_PICTURE_TREE, default
// /tmp/rackmere-bench/photos), made by the workers as a walk with pictures
// on asks for them. bench/pictures_bench.sh runs it side by side with
// vipsthumbnail and ImageMagick over the same photos.

#include "scan/Sandbox.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string Tree()
{
    const char *tree = std::getenv("RACKMERE_PICTURE_TREE");
    return tree && *tree ? tree : "/tmp/rackmere-bench/photos";
}

std::vector<std::string> NamesIn(const std::string &folder)
{
    std::vector<std::string> names;
    if (DIR *d = ::opendir(folder.c_str())) {
        while (const dirent *e = ::readdir(d))
            if (e->d_name[0] != '.')
                names.emplace_back(e->d_name);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void BM_Pictures(benchmark::State &state)
{
    const std::string tree = Tree();
    const std::vector<std::string> names = NamesIn(tree);
    const int folder = ::open(tree.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::size_t made = 0, bytes = 0;
    for (auto _ : state) {
        const auto pictures = rkm::SandboxPictures(folder, names, nullptr);
        made = bytes = 0;
        for (const rkm::PictureAnswer &p : pictures.value_or(std::vector<rkm::PictureAnswer>{})) {
            made += p.jpeg.empty() ? 0U : 1U;
            bytes += p.jpeg.size();
        }
    }
    ::close(folder);
    state.counters["files"] = double(names.size());
    state.counters["pictures"] = double(made);
    state.counters["bytes_each"] = made ? double(bytes) / double(made) : 0;
}
BENCHMARK(BM_Pictures)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
