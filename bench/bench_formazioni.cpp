// Opening the formations and situation windows on the shipped archive and formations table
// ("tab.dat") with the pair and triple tables active: from the construction of the window to
// its table filled and shown.
// The formations window is opened as the "Tabelle" menu does, by a group and a family,
// for its lightest family (Ambi Gemelli, ambo) and its heaviest (Lunghette, terno: 120
// triples a formation on eleven wheels).
#include "ambiterni.h"
#include "elabora.h"
#include "mainfinestre.h"
#include "situ.h"
#include "spedito.h"
#include "tabform.h"

#include <QAbstractButton>
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void scegli(QWidget& f, const QString& nome) {
    if (auto* b = f.findChild<QAbstractButton*>(nome)) b->setChecked(true);
}

void Tabform(benchmark::State& state, int gruppo, int famiglia, bool terno) {
    bolv::Stato& s = banco::statoconstabelle();
    for (auto _ : state) {
        bolv::tabform f(s);
        if (terno) scegli(f, QStringLiteral("Option2(2)"));
        scegli(f, QStringLiteral("Option3(%1)").arg(gruppo));
        scegli(f, QStringLiteral("Option5(%1)").arg(famiglia));
        f.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(&f);
    }
}

void Situ(benchmark::State& state) {
    bolv::Stato& s = banco::statoconstabelle();
    for (auto _ : state) {
        bolv::situ f(s);
        f.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(&f);
    }
}

BENCHMARK_CAPTURE(Tabform, AmbiGemelliAmbo, 0, 0, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tabform, LunghetteDecineTerno, 5, 0, true)->Unit(benchmark::kMillisecond);
BENCHMARK(Situ)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return banco::mainfinestre(argc, argv, [] { banco::statoconstabelle(); });
}
