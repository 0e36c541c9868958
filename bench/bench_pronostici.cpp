// The forecast manager's work per slider step: a full group of 100 forecasts, each on all
// ten wheels with ten numbers, checked against one draw of the shipped archive; and the
// reading of a full group file.
#include "elabora.h"
#include "filepronostici.h"
#include "gestorepronostici.h"
#include "spedito.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

std::vector<bolv::Pronostico> gruppopieno() {
    std::vector<bolv::Pronostico> g;
    for (int i = 0; i < bolv::MAXPRONOSTICI; ++i) {
        std::string numeri;
        for (int j = 0; j < 10; ++j) {
            const int n = (i * 7 + j * 9) % 90 + 1;
            numeri += (j ? "." : "") + std::string(n < 10 ? "0" : "") + std::to_string(n);
        }
        g.push_back({"Ba.Ca.Fi.Ge.Mi.Na.Pa.Ro.To.Ve", numeri, "M.A.T.Q.C"});
    }
    return g;
}

void VerificaGruppo(benchmark::State& state) {
    bolv::Stato s;
    banco::caricaspedito(s, false);
    const auto g = gruppopieno();
    for (auto _ : state)
        for (const auto& p : g)
            benchmark::DoNotOptimize(bolv::verificapronostico(s, s.ultimaestrazione, p));
}

void LetturaGruppo(benchmark::State& state) {
    const auto img = bolv::codificagruppo(gruppopieno());
    for (auto _ : state)
        benchmark::DoNotOptimize(bolv::decodificagruppo(img));
}

} // namespace

BENCHMARK(VerificaGruppo)->Unit(benchmark::kMicrosecond);
BENCHMARK(LetturaGruppo)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
