// The heaviest systems the generator accepts: the orthogonal systems of all 90 numbers in
// lines of ten, and the largest integral system a list may hold.
#include "generatoresistemi.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace {

void sistema(benchmark::State& stato, int n, int k, int sorte, bolv::Tiposistema tipo) {
    bolv::Richiestasistema r{std::vector<int>(n), k, sorte, tipo};
    std::iota(r.numeri.begin(), r.numeri.end(), 1);
    for (auto _ : stato) {
        bolv::Avanzamento a;
        const bolv::Sistema s = bolv::generasistema(r, a);
        stato.counters["righe"] = double(s.righe());
    }
}

BENCHMARK_CAPTURE(sistema, ortogonale_90_10_ambata, 90, 10, 1, bolv::Tiposistema::ortogonale)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sistema, ortogonale_90_10_ambo, 90, 10, 2, bolv::Tiposistema::ortogonale)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sistema, ortogonale_90_10_terno, 90, 10, 3, bolv::Tiposistema::ortogonale)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sistema, integrale_90_3, 90, 3, 2, bolv::Tiposistema::integrale)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sistema, integrale_20_10, 20, 10, 2, bolv::Tiposistema::integrale)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
