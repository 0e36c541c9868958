// The scheme generator: the worst case (ten failed attempts on 10 x 10 with fewer numbers than
// a row is long, every repair search failing) and the common case (15 numbers on 8 x 8).

#include "CalcoliCruciverba.h"

#include <benchmark/benchmark.h>

namespace {

cruciverba::NumeriInGioco PrimiNumeri(int n) {
    cruciverba::NumeriInGioco numeri{};
    for (int i = 0; i < n; ++i)
        numeri[static_cast<size_t>(i)] = 3 * i + 2;
    return numeri;
}

void BM_GeneraCruciverba_Fallimento10x10(benchmark::State& state) {
    const auto numeri = PrimiNumeri(9);
    for (auto _ : state)
        benchmark::DoNotOptimize(cruciverba::GeneraCruciverba(numeri, 10, 10));
}
BENCHMARK(BM_GeneraCruciverba_Fallimento10x10)->Unit(benchmark::kMillisecond);

void BM_GeneraCruciverba_15Numeri8x8(benchmark::State& state) {
    const auto numeri = PrimiNumeri(15);
    for (auto _ : state)
        benchmark::DoNotOptimize(cruciverba::GeneraCruciverba(numeri, 8, 8));
}
BENCHMARK(BM_GeneraCruciverba_15Numeri8x8)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
