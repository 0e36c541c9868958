// The statistics that complete a ranked row, on a small archive where Cagliari is not drawn
// in every draw: its delays count only its own draws, and the last hit is a slot of the
// archive, never worked out from a delay.
#include "completamento.h"

#include "ambiterni.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

using prova::Estrazione;

constexpr std::array<int, 5> VUOTA{};
constexpr std::array<int, 5> ALTRI{1, 2, 3, 4, 6};

// Six draws. Bari: 5 17 20 at 1, 5 17 at 3. Cagliari: drawn only at 4 (5 17) and 5.
std::vector<Estrazione> archivio() {
    std::vector<Estrazione> a(6);
    const int giorni[6] = {7, 11, 14, 18, 21, 25};
    for (int d = 0; d < 6; ++d) {
        a[d].data = Data{1939, 1, giorni[d]};
        a[d].ruote.fill(ALTRI);
        a[d].ruote[1] = VUOTA;
    }
    a[0].ruote[0] = {5, 17, 20, 30, 40};
    a[2].ruote[0] = {9, 17, 10, 5, 11};
    a[3].ruote[1] = {1, 17, 2, 3, 5};
    a[4].ruote[1] = ALTRI;
    return a;
}

// The state read from the small archive.
struct Programma {
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    Programma() {
        prova::prepara(s, cartella, ui);
        prova::scrivi(cartella / "archivio.dat", prova::immagine(archivio()));
        elabora(s);
    }
};

struct Caso {
    const char* nome;
    std::vector<int> numeri;
    int sorte, ruota;
    Statcombinazione atteso;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

class Completamento : public ::testing::TestWithParam<Caso> {};

TEST_P(Completamento, StatisticheDelGruppo) {
    const Caso& c = GetParam();
    Programma p;
    const Stato& s = p.s;
    ASSERT_EQ(s.ultimaestrazione, 6);
    const Statcombinazione st = statcombinazione(s, c.numeri, c.sorte, c.ruota);
    EXPECT_EQ(st.presenze, c.atteso.presenze);
    EXPECT_EQ(st.storico, c.atteso.storico);
    EXPECT_EQ(st.ritardo, c.atteso.ritardo);
    EXPECT_EQ(st.ultima, c.atteso.ultima);
}

INSTANTIATE_TEST_SUITE_P(
    Gruppi, Completamento,
    ::testing::Values(Caso{"ambo_bari", {5, 17}, 2, 1, {2, 1, 3, 3}},
                      // Three numbers of the group in one draw are three pairs.
                      Caso{"tre_numeri_tre_ambi", {5, 17, 20}, 2, 1, {4, 1, 3, 3}},
                      Caso{"terno_bari", {5, 17, 20}, 3, 1, {1, 0, 5, 1}},
                      // Out at draw 4; of the two draws since, Cagliari was drawn in one.
                      Caso{"cagliari_non_estratta", {5, 17}, 2, 2, {1, 0, 1, 4}},
                      // Never out on Cagliari: a delay of 2 draws, far from the window's 6.
                      Caso{"cagliari_mai_uscito", {5, 20}, 2, 2, {0, 0, 2, 0}},
                      // Every draw counts for all wheels together; hits at 1, 3 and 4.
                      Caso{"tutte", {5, 17}, 2, 11, {3, 1, 2, 4}},
                      Caso{"ultima_estrazione", {1, 2}, 2, 1, {4, 1, 0, 6}}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST(Ritardomedio, MediaDeiRitardiDegliAmbiEDeiTerni) {
    Programma p;
    Stato& s = p.s;
    EXPECT_FALSE(ritardomedio(s, {5, 17}, 2, 1).has_value());
    calcolaambi(s);
    calcolaterni(s);
    // Bari: 5-17 out at 3 (delay 3), 5-20 and 17-20 at 1 (delay 5).
    EXPECT_DOUBLE_EQ(*ritardomedio(s, {5, 17}, 2, 1), 3.0);
    EXPECT_DOUBLE_EQ(*ritardomedio(s, {5, 17, 20}, 2, 1), 13.0 / 3);
    EXPECT_DOUBLE_EQ(*ritardomedio(s, {5, 17, 20}, 3, 1), 5.0);
}

} // namespace
} // namespace bolv
