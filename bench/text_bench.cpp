// The texts made for every scanned file: date and size.
#include "platform/Text.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

int64_t localNoon()
{
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mon = 2;
    tm.tm_mday = 15;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&tm));
}

// A few dozen distinct times, as in a folder of files written together.
void BM_DateTextCached(benchmark::State &state)
{
    const int64_t noon = localNoon();
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rkm::platform::DateText(noon + (i++ % 64) * 900));
}
BENCHMARK(BM_DateTextCached);

// Times spread over three years: mostly misses of the quarter-hour cache.
void BM_DateTextSpread(benchmark::State &state)
{
    const int64_t base = localNoon();
    uint32_t x = 1;
    for (auto _ : state) {
        x = x * 1664525u + 1013904223u;
        benchmark::DoNotOptimize(rkm::platform::DateText(base - static_cast<int64_t>(x % (3 * 365 * 86400u))));
    }
}
BENCHMARK(BM_DateTextSpread);

void BM_SizeText(benchmark::State &state)
{
    uint64_t s = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rkm::platform::SizeText(s += 4099));
}
BENCHMARK(BM_SizeText);

} // namespace

BENCHMARK_MAIN();
