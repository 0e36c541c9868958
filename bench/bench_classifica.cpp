// The ranking of number groups on the shipped archive, as the window runs it: the copy of
// the tables the run reads, then the whole ranking of the wheels chosen. Last, how long
// "Interrompi" takes to end a run that would go on for a long time.
#include "ambiterni.h"
#include "classifica.h"
#include "elabora.h"
#include "spedito.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace {

using bolv::Impostazioni;

const std::vector<int> DIECI = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

using Corsa = bolv::Esitoclassifica (*)(const bolv::Tavole&, const Impostazioni&,
                                        bolv::Avanzamento&, bolv::Vetrina*);

// The run as the window makes it (classifica), or through the enumerators alone on one
// thread (classificasequenziale), for comparison.
void Classifica(benchmark::State& state, Corsa corsa, Impostazioni imp) {
    const bolv::Stato& s = banco::statoconstabelle();
    for (auto _ : state) {
        const bolv::Tavole t = bolv::tavoleclassifica(s, imp.sorte, imp.ritardi, imp.ruote);
        bolv::Avanzamento a;
        const auto esito = corsa(t, imp, a, nullptr);
        benchmark::DoNotOptimize(esito.righe.data());
    }
}

// From the stop request to the end of the run, in milliseconds.
void Interrompi(benchmark::State& state, Impostazioni imp) {
    const bolv::Stato& s = banco::statoconstabelle();
    const bolv::Tavole t = bolv::tavoleclassifica(s, imp.sorte, imp.ritardi, imp.ruote);
    double peggiore = 0;
    for (auto _ : state) {
        bolv::Avanzamento a;
        std::thread corsa([&] { bolv::classifica(t, imp, a); });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto inizio = std::chrono::steady_clock::now();
        a.interrompi();
        corsa.join();
        const std::chrono::duration<double, std::milli> durata =
            std::chrono::steady_clock::now() - inizio;
        peggiore = std::max(peggiore, durata.count());
        state.SetIterationTime(durata.count() / 1000);
    }
    state.counters["peggiore_ms"] = peggiore;
}

// K, N, sorte, by delay, order, wheels.
BENCHMARK_CAPTURE(Classifica, AmboRitardiK10N15DieciRuote, bolv::classifica,
                  Impostazioni{10, 15, 2, true, 1, DIECI, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, TernoRitardiK10N15Bari, bolv::classifica,
                  Impostazioni{10, 15, 3, true, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, AmboPresenzeK5N15MassimiBari, bolv::classifica,
                  Impostazioni{5, 15, 2, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, AmboPresenzeK6MassimiBari, bolv::classifica,
                  Impostazioni{6, 10, 2, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, AmboPresenzeK6MinimiBari, bolv::classifica,
                  Impostazioni{6, 10, 2, false, 2, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, TernoPresenzeK5Bari, bolv::classifica,
                  Impostazioni{5, 10, 3, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, AmboPresenzeK10MassimiBari, bolv::classifica,
                  Impostazioni{10, 10, 2, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Classifica, TernoPresenzeK6Bari, bolv::classifica,
                  Impostazioni{6, 10, 3, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Classifica, TernoRitardiK10N15DieciRuote, bolv::classifica,
                  Impostazioni{10, 15, 3, true, 1, DIECI, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, TernoPresenzeK8N15MassimiBari, bolv::classifica,
                  Impostazioni{8, 15, 3, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, TernoPresenzeK8N15MassimiTutte, bolv::classifica,
                  Impostazioni{8, 15, 3, false, 1, {11}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, TernoPresenzeK10N15MassimiBari, bolv::classifica,
                  Impostazioni{10, 15, 3, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Classifica, TernoPresenzeK10N15MassimiTutte, bolv::classifica,
                  Impostazioni{10, 15, 3, false, 1, {11}, {}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Classifica, TernoPresenzeK10N15MinimiBari, bolv::classifica,
                  Impostazioni{10, 15, 3, false, 2, {1}, {}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Classifica, TernoRitardiK10N15BariSequenziale, bolv::classificasequenziale,
                  Impostazioni{10, 15, 3, true, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Classifica, AmboPresenzeK6MassimiBariSequenziale, bolv::classificasequenziale,
                  Impostazioni{6, 10, 2, false, 1, {1}, {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Interrompi, TernoPresenzeK10Bari, Impostazioni{10, 10, 3, false, 1, {1}, {}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(Interrompi, AmboPresenzeK10MinimiDieciRuote,
                  Impostazioni{10, 10, 2, false, 2, DIECI, {}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

BENCHMARK_MAIN();
