// The random-draw simulation at its largest: one million draws, ten numbers for each sorte
// (the window's counters are read from the run's board, never more often than every 50 ms).
#include "simulazione.h"

#include <benchmark/benchmark.h>

namespace {

void Milioneestrazioni(benchmark::State& state) {
    const int sorte = static_cast<int>(state.range(0));
    const std::vector<int> numeri{3, 14, 15, 26, 35, 58, 62, 79, 81, 90};
    bolv::Generatore g;
    bolv::Bacheca bacheca;
    for (auto _ : state) {
        bolv::Avanzamento a;
        const auto esito = bolv::simula(numeri, sorte, bolv::MAXESTRAZIONISIMULATE, g, a, &bacheca);
        benchmark::DoNotOptimize(esito.ritardostorico);
    }
}

BENCHMARK(Milioneestrazioni)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
