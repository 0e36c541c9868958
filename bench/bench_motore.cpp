// The engine on the shipped archive: reading it with the number statistics,
// then the pair and the triple tables over the whole archive.
#include "ambiterni.h"
#include "elabora.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

bolv::Stato& stato() {
    static bolv::Stato s = [] {
        bolv::Stato nuovo;
        nuovo.cartellaprogramma = BOLV_DATA_DIR;
        nuovo.reimpostaultima = true;
        return nuovo;
    }();
    return s;
}

void elaborato(bolv::Stato& s) {
    if (!bolv::elabora(s)) std::abort();
}

void LetturaENumeri(benchmark::State& state) {
    bolv::Stato& s = stato();
    for (auto _ : state) {
        elaborato(s);
        benchmark::DoNotOptimize(s.ritardinumeri.data());
    }
}

// One table build ("Attiva Ambi" or "Attiva Terni") over the whole archive.
void Tabelle(benchmark::State& state, void (*calcola)(bolv::Stato&)) {
    bolv::Stato& s = stato();
    elaborato(s);
    for (auto _ : state) {
        calcola(s);
        benchmark::DoNotOptimize(s.estrazioni.data());
    }
}

// What "Attiva Ambi" and "Attiva Terni" cost after a recomputation, together.
void TuttoInsieme(benchmark::State& state) {
    bolv::Stato& s = stato();
    for (auto _ : state) {
        elaborato(s);
        bolv::calcolaambi(s);
        bolv::calcolaterni(s);
        benchmark::DoNotOptimize(s.ritarditerni.data());
    }
}

BENCHMARK(LetturaENumeri)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tabelle, Ambi, bolv::calcolaambi)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tabelle, Terni, bolv::calcolaterni)->Unit(benchmark::kMillisecond);
BENCHMARK(TuttoInsieme)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
