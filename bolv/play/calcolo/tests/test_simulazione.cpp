// The random-draw simulation: scripted draws, a seeded run repeated exactly, the typed
// numbers refused, and "simul.dat" byte for byte, damaged or unwritable.
#include "simulazione.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace bolv {
namespace {

// Draws the numbers it is given, in order (each value falls in the middle of its number's
// slice of [0, 1)).
class Copione : public Sorgentecasuale {
  public:
    explicit Copione(std::vector<int> numeri) : coda(numeri.begin(), numeri.end()) {}
    double valore() override {
        const int n = coda.front();
        coda.pop_front();
        return (n - 0.5) / 90;
    }
    void estrazione(std::array<int, 5> e) { coda.insert(coda.end(), e.begin(), e.end()); }
    void perdenti(int quante) { // draws holding none of 1..10
        for (int i = 0; i < quante; ++i)
            estrazione({81, 82, 83, 84, 85});
    }
    size_t rimasti() const { return coda.size(); }

  private:
    std::deque<int> coda;
};

TEST(Simulazione, RepeatedNumberIsDrawnAgainInPlace) {
    Copione c({7, 7, 9, 7, 9, 1, 2, 3});
    EXPECT_EQ(Estrai(c), (std::array<int, 5>{7, 9, 1, 2, 3}));
    EXPECT_EQ(c.rimasti(), 0u);
}

// Three numbers played for "Ambo": a draw holding all three counts 3 combinations, one
// holding two counts 1; the delay still open at the end is not a longest delay.
TEST(Simulazione, ScriptedDraws) {
    Copione c({});
    c.perdenti(4);
    c.estrazione({1, 2, 3, 40, 50}); // draw 5: closes a delay of 4, three combinations
    c.perdenti(2);
    c.estrazione({50, 2, 60, 3, 70});  // draw 8: closes a delay of 2, one combination
    c.estrazione({1, 60, 61, 62, 63}); // a single number is no ambo
    c.perdenti(241);                   // to draw 250; the last shown is draw 200
    Avanzamento a;
    Bacheca b;
    const Esitosimulazione e = simula({1, 2, 3}, 2, 250, c, a, &b);
    EXPECT_EQ(c.rimasti(), 0u);
    EXPECT_EQ(e.ritardostorico, 4);
    ASSERT_TRUE(e.mostrati);
    EXPECT_EQ(e.mostrati->simulate, 200);
    EXPECT_EQ(e.mostrati->ritardoattuale, 192);
    EXPECT_EQ(e.mostrati->ritardostorico, 4);
    EXPECT_EQ(e.mostrati->presenze, 4);
    ASSERT_TRUE(b.leggi());
    EXPECT_EQ(b.leggi()->simulate, 200);
    EXPECT_EQ(a.percento(), 80);
}

TEST(Simulazione, FewerThanHundredDrawsShowNothing) {
    Copione c({});
    c.estrazione({5, 1, 2, 3, 4});
    c.perdenti(8);
    c.estrazione({5, 1, 2, 3, 4});
    Avanzamento a;
    const Esitosimulazione e = simula({5}, 1, 10, c, a);
    EXPECT_FALSE(e.mostrati);
    EXPECT_EQ(e.ritardostorico, 8);
}

TEST(Simulazione, StopEndsAtTheNextHundred) {
    Generatore g(1);
    Avanzamento a;
    a.interrompi();
    const Esitosimulazione e = simula({1, 2}, 1, 100000, g, a);
    ASSERT_TRUE(e.mostrati);
    EXPECT_EQ(e.mostrati->simulate, 100);
}

TEST(Simulazione, SeededRunRepeatsExactly) {
    const auto corsa = [](Sorgentecasuale& g) {
        Avanzamento a;
        return simula({4, 17, 33, 58, 90}, 2, 20000, g, a);
    };
    Generatore g1(77), g2(77);
    const Esitosimulazione a = corsa(g1), b = corsa(g2);
    ASSERT_TRUE(a.mostrati && b.mostrati);
    EXPECT_EQ(a.ritardostorico, b.ritardostorico);
    EXPECT_EQ(a.mostrati->presenze, b.mostrati->presenze);
    EXPECT_EQ(a.mostrati->ritardoattuale, b.mostrati->ritardoattuale);
    // About one draw in 44 holds an ambo of five numbers.
    EXPECT_GT(a.mostrati->presenze, 300);
    EXPECT_LT(a.mostrati->presenze, 700);
    // Each start of the program plays the sequence of an unseeded generator.
    Generatore fresco;
    Generatore& programma = static_cast<Generatore&>(generatoreprogramma());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(programma.valore(), fresco.valore());
}

TEST(Simulazione, TypedNumbers) {
    struct Caso {
        const char* testo;
        int sorte;
        Errorenumeri errore;
        std::vector<int> numeri;
    };
    using enum Errorenumeri;
    const Caso casi[] = {
        {"1.2.3", 3, nessuno, {1, 2, 3}},
        {"90.007", 1, nessuno, {90, 7}},
        {"1.2", 3, numeri, {}},                     // fewer numbers than the sorte
        {"1.2.", 1, nullo, {}},                     // final point
        {".1", 1, nullo, {}},                       // leading point
        {"1..2", 1, nullo, {}},                     // two points in a row
        {"", 1, nullo, {}},                         // nothing typed
        {"1.0", 1, nullo, {}},                      // a zero
        {"1,2", 1, numeri, {}},                     // comma
        {"1 2", 1, numeri, {}},                     // blank
        {"1.a", 1, numeri, {}},                     // letter
        {"91", 1, numeri, {}},                      // above 90
        {"346", 1, numeri, {}},                     // would be 90 in a byte
        {"99999999999999999999", 1, numeri, {}},    // beyond any integer
        {"5.6.5", 1, numeri, {}},                   // repeated
        {"1.2.3.4.5.6.7.8.9.10.11", 1, numeri, {}}, // eleven
        {"1.2.3.4.5.6.7.8.9.10", 5, nessuno, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const Caso& c : casi) {
        const Numerisimulati r = leggenumeri(c.testo, c.sorte);
        EXPECT_EQ(r.errore, c.errore) << c.testo;
        EXPECT_EQ(r.numeri, c.numeri) << c.testo;
    }
}

TEST(Simulazione, MaximaFileBytes) {
    Massimi m{};
    m[indicemassimo(3, 3)] = 0x01020304;
    m[indicemassimo(10, 5)] = 70000;
    const auto dati = immaginemassimi(m);
    ASSERT_EQ(dati.size(), 264u);
    const size_t terno = 4 * (3 + 11 * 3), cinquina = 4 * (10 + 11 * 5);
    for (size_t i = 0; i < dati.size(); ++i) {
        uint8_t atteso = 0;
        if (i >= terno && i < terno + 4) atteso = static_cast<uint8_t>(4 - (i - terno));
        if (i >= cinquina && i < cinquina + 4)
            atteso = static_cast<uint8_t>(70000 >> (8 * (i - cinquina)));
        EXPECT_EQ(dati[i], atteso) << i;
    }
    EXPECT_EQ(decodificamassimi(dati), m);
    // A short file: what it lacks reads as 0.
    std::vector<uint8_t> corto(dati.begin(), dati.begin() + terno + 2);
    Massimi attesi{};
    attesi[indicemassimo(3, 3)] = 0x0304;
    EXPECT_EQ(decodificamassimi(corto), attesi);
    EXPECT_EQ(decodificamassimi({}), Massimi{});
}

TEST(Simulazione, DamagedMaximaRefused) {
    struct Caso {
        int k, s, valore;
    };
    const Caso casi[] = {{2, 2, -1}, {2, 3, 5}, {0, 0, 1}, {5, 0, 9}, {10, 1, -7}};
    for (const Caso& c : casi) {
        Massimi m{};
        m[indicemassimo(c.k, c.s)] = c.valore;
        EXPECT_FALSE(decodificamassimi(immaginemassimi(m))) << c.k << " " << c.s;
    }
}

TEST(Simulazione, MaximaFileOnDisk) {
    prova::Cartella cartella;
    const std::string percorso = (cartella / "simul.dat").string();
    Massimi m{};
    m[indicemassimo(1, 1)] = 3;
    // Missing: created empty, read as zeros.
    EXPECT_EQ(caricamassimi(percorso, m), Letturamassimi::letti);
    EXPECT_EQ(m, Massimi{});
    EXPECT_TRUE(prova::leggi(percorso).empty());
    // Written: a longer file keeps its further bytes.
    std::vector<uint8_t> lungo(300, 0xAA);
    prova::scrivi(percorso, lungo);
    m[indicemassimo(4, 2)] = 123;
    ASSERT_TRUE(salvamassimi(percorso, m));
    auto scritto = prova::leggi(percorso);
    ASSERT_EQ(scritto.size(), 300u);
    EXPECT_EQ(std::vector<uint8_t>(scritto.begin(), scritto.begin() + 264), immaginemassimi(m));
    EXPECT_EQ(std::vector<uint8_t>(scritto.begin() + 264, scritto.end()),
              std::vector<uint8_t>(36, 0xAA));
    Massimi riletti{};
    EXPECT_EQ(caricamassimi(percorso, riletti), Letturamassimi::letti);
    EXPECT_EQ(riletti, m);
    // Damaged: refused and not read.
    Massimi rotto{};
    rotto[indicemassimo(1, 4)] = 9;
    prova::scrivi(percorso, immaginemassimi(rotto));
    EXPECT_EQ(caricamassimi(percorso, riletti), Letturamassimi::danneggiati);
    EXPECT_EQ(riletti, Massimi{});
    // Unwritable: said, not pretended.
    const std::string altrove = (cartella / "manca" / "simul.dat").string();
    EXPECT_FALSE(salvamassimi(altrove, m));
    EXPECT_EQ(caricamassimi(altrove, riletti), Letturamassimi::noncreati);
}

// A "simul.dat" of a gigabyte, almost all hole, with a mark in its last byte: opening the
// window reads the table only, and a save writes the table and carries the rest over
// without filling the hole.
TEST(Simulazione, AHugeMaximaFileIsNeitherReadNorFilled) {
    constexpr long long LUNGHEZZA = 1LL << 30;
    constexpr long long POCO = 16LL << 20;
    prova::Cartella cartella;
    const std::filesystem::path percorso = cartella / "simul.dat";
    std::vector<uint8_t> testa(300, 0xAA);
    std::fill_n(testa.begin(), DIMSIMUL, 0);
    if (!prova::scrivisparso(percorso, testa, LUNGHEZZA, 0x5A))
        GTEST_SKIP() << "this file system keeps no holes";
    Massimi m{};
    const long long letti = prova::byteletti();
    ASSERT_EQ(caricamassimi(percorso.string(), m), Letturamassimi::letti);
    EXPECT_LT(prova::byteletti() - letti, 64 * 1024);
    EXPECT_EQ(m, Massimi{});
    m[indicemassimo(3, 2)] = 77;
    ASSERT_TRUE(salvamassimi(percorso.string(), m));
    EXPECT_EQ(std::filesystem::file_size(percorso), static_cast<std::uintmax_t>(LUNGHEZZA));
    EXPECT_LT(prova::occupati(percorso), POCO);
    EXPECT_EQ(prova::leggi(percorso, 0, DIMSIMUL), immaginemassimi(m));
    EXPECT_EQ(prova::leggi(percorso, DIMSIMUL, 36), std::vector<uint8_t>(36, 0xAA));
    EXPECT_EQ(prova::leggi(percorso, LUNGHEZZA - 1, 1), std::vector<uint8_t>{0x5A});
}

} // namespace
} // namespace bolv
