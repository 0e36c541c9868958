// "Ricerca Statistica" on the shipped archive: twenty numbers for ambata on all ten wheels
// over the whole archive, the heaviest search the window allows (its hit list overflows).
// Once the engine alone, once as "Elabora" does it: search, results, list and time axis.
#include "elabora.h"
#include "mainfinestre.h"
#include "ricerca.h"
#include "ricercastatistica.h"
#include "spedito.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

const char VENTI[] = "3.7.11.18.22.27.31.36.40.44.49.53.58.62.66.71.75.80.84.89";

bolv::Stato& stato() {
    static bolv::Stato& s = []() -> bolv::Stato& {
        banco::caricaspedito(bolv::programma(), false);
        return bolv::programma();
    }();
    return s;
}

void Motore(benchmark::State& state) {
    const bolv::Stato& s = stato();
    std::array<bool, 10> tutte;
    tutte.fill(true);
    const auto c = bolv::readinput(VENTI, 1, tutte);
    if (!c) std::abort();
    for (auto _ : state) {
        const auto e = bolv::ricercaroutine(s, *c);
        benchmark::DoNotOptimize(e.presenze);
    }
}

void Elabora(benchmark::State& state) {
    bolv::ricerca f(stato());
    f.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QString::fromLatin1(VENTI));
    f.findChild<QRadioButton*>(QStringLiteral("Option1(0)"))->setChecked(true);
    f.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    auto* elabora = f.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
        elabora->click();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(Motore)->Unit(benchmark::kMillisecond);
BENCHMARK(Elabora)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return banco::mainfinestre(argc, argv);
}
