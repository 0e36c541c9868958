// The opening of the per-number, all-pairs, head-number, never-drawn-triples and
// synchronisms windows on the shipped archive, with the pair and triple tables active over
// the whole archive; and the two commands that compute inside them ("Ricerca" of the
// head-number window, the listing of the never-drawn triples).
#include "ambi.h"
#include "ambiterni.h"
#include "calcoloterni.h"
#include "capogioco.h"
#include "elabora.h"
#include "estratti.h"
#include "mainfinestre.h"
#include "sincro.h"
#include "spedito.h"
#include "terni.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

bolv::Stato& stato() {
    static bolv::Stato& s = []() -> bolv::Stato& {
        banco::caricaspedito(bolv::programma(), true);
        return bolv::programma();
    }();
    return s;
}

// Built, shown and painted, as the main window opens it.
template <class W> void Apertura(benchmark::State& state) {
    bolv::Stato& s = stato();
    for (auto _ : state) {
        W finestra(s);
        finestra.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&finestra);
    }
}

// A window open, then one of its buttons pressed.
template <class W> void Comando(benchmark::State& state, const char* pulsante) {
    bolv::Stato& s = stato();
    W finestra(s);
    finestra.show();
    auto* b = finestra.template findChild<QPushButton*>(QString::fromLatin1(pulsante));
    if (!b) std::abort();
    for (auto _ : state) {
        b->click();
        QApplication::processEvents();
    }
}

BENCHMARK(Apertura<bolv::estratti>)->Unit(benchmark::kMillisecond);
BENCHMARK(Apertura<bolv::ambi>)->Unit(benchmark::kMillisecond);
BENCHMARK(Apertura<bolv::capogioco>)->Unit(benchmark::kMillisecond);
BENCHMARK(Apertura<bolv::terni>)->Unit(benchmark::kMillisecond);
BENCHMARK(Apertura<bolv::sincro>)->Unit(benchmark::kMillisecond);
void RicercaCapogioco(benchmark::State& state) {
    Comando<bolv::capogioco>(state, "Command1");
}
void ElencaTerni(benchmark::State& state) {
    Comando<bolv::terni>(state, "Command1");
}
BENCHMARK(RicercaCapogioco)->Unit(benchmark::kMillisecond);
BENCHMARK(ElencaTerni)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return banco::mainfinestre(argc, argv, [] {
        const bolv::Stato& s = stato();
        const auto esito = bolv::elencaternivergini(s, *bolv::tabellaterni(s));
        std::printf("Archive: %d draws, window %d..%d. Triples never drawn on any wheel: %d "
                    "(listed: %zu%s)\n",
                    s.numestrazioni, s.primaestrazione, s.ultimaestrazione, s.contaternivergini[11],
                    esito.terni.size(), esito.troppi ? ", over the limit" : "");
    });
}
