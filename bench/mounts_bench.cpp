// Which listings a newly mounted volume holds, among 1,000: the DiskMatcher
// a DiskPresence keeps (900 listings of whole volumes by UUID, 50 made on
// Windows by serial, 50 of sub-folders), and making it again after the
// catalogue changed. Target: under 1 ms a match.
#include "catalog/Disks.h"
#include "catalog/Presence.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>

using namespace rkm;

namespace {

struct Listings {
    Catalog tree;
    std::vector<std::pair<const TreeNode *, DiskIdentity>> identities;
    QTemporaryDir tmp;
    std::string mountPoint;
};

std::string Uuid(uint32_t n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X-%04X", n >> 16, n & 0xFFFFu);
    return text;
}

Listings &listings()
{
    static Listings made;
    static const bool filled = [] {
        made.mountPoint = made.tmp.path().toStdString();
        std::filesystem::create_directories(made.mountPoint + "/photos/2019");
        std::mt19937 rng(11);
        for (int i = 0; i < 1000; ++i) {
            TreeNode *disk = made.tree.appendDisk("Disk " + std::to_string(i));
            DiskIdentity id;
            if (i < 900) {
                id = {Uuid(static_cast<uint32_t>(i) * 7919u), static_cast<uint32_t>(rng()), "/media/u/D" + std::to_string(i)};
            } else if (i < 950) {
                id = {"", static_cast<uint32_t>(rng()), "E:\\"};
            } else {
                // Sub-folder listings of one volume: their folders are looked for.
                id = {Uuid(0xC0FFEEu), 0, made.mountPoint + (i % 2 ? "/photos/2019" : "/gone/" + std::to_string(i))};
            }
            made.identities.emplace_back(disk, id);
        }
        return true;
    }();
    (void)filled;
    return made;
}

DiskMatcher MakeMatcher()
{
    DiskMatcher matcher;
    for (const auto &[disk, id] : listings().identities)
        matcher.add(disk, id);
    return matcher;
}

// A volume of a known listing, one nobody catalogued, and one that holds
// 25 sub-folder listings whose folders are looked for on it.
void BM_MatchVolume(benchmark::State &state)
{
    const DiskMatcher matcher = MakeMatcher();
    const int which = static_cast<int>(state.range(0));
    MountedVolume volume{"/media/u/NEW", which == 0 ? Uuid(500u * 7919u) : which == 1 ? "ABCD-0000" : Uuid(0xC0FFEEu),
                         "NEW", "vfat", "/dev/sdb1", 1 << 30, 0, true};
    if (which == 2)
        volume.mountPoint = listings().mountPoint;
    volume.serial = SerialOfVolume(volume);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<const TreeNode *> disks = matcher.match(volume);
        found = disks.size();
        benchmark::DoNotOptimize(disks.data());
    }
    state.counters["listings found"] = static_cast<double>(found);
}
BENCHMARK(BM_MatchVolume)->Arg(0)->Arg(1)->Arg(2)->ArgName("known_stranger_subfolders")->Unit(benchmark::kMicrosecond);

// Making the matcher again, as DiskPresence does when the listings change.
void BM_MakeMatcher(benchmark::State &state)
{
    listings();
    for (auto _ : state) {
        DiskMatcher matcher = MakeMatcher();
        benchmark::DoNotOptimize(matcher.size());
    }
}
BENCHMARK(BM_MakeMatcher)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
