// The table of homogeneous formations: the checks of "tab.dat" on load and the families read.
#include "datifile.h"
#include "formazioni.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace bolv {
namespace {

using Numeri = std::vector<int>;

// A formation table holding the given families (group, family, formations).
struct Famigliadiprova {
    int g, f;
    std::vector<Numeri> formazioni;
};

void metti(std::vector<int16_t>& t, const Famigliadiprova& fam) {
    t[indiceformazione(fam.g, fam.f, 0, 0)] = static_cast<int16_t>(fam.formazioni.size());
    t[indiceformazione(fam.g, fam.f, 0, 1)] = static_cast<int16_t>(fam.formazioni.at(0).size());
    for (size_t r = 0; r < fam.formazioni.size(); ++r)
        for (size_t m = 0; m < fam.formazioni[r].size(); ++m)
            t[indiceformazione(fam.g, fam.f, int(m) + 1, int(r) + 1)] =
                static_cast<int16_t>(fam.formazioni[r][m]);
}

std::vector<uint8_t> immaginetab(const std::vector<int16_t>& t) {
    std::vector<uint8_t> dati;
    for (int16_t v : t) {
        dati.push_back(static_cast<uint8_t>(v & 0xff));
        dati.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
    }
    return dati;
}

const Famigliadiprova gemelli{1, 1, {{11, 22}, {33, 44}}};
const Famigliadiprova cadenze{6, 3, {{1, 11, 21, 31, 41, 51, 61, 71, 81, 90}}};

class Caricamento : public ::testing::Test {
  protected:
    // "tab.dat" with the two families above, after change has spoiled it, read at start-up.
    Stato carica(const std::function<void(std::vector<int16_t>&)>& change = {}) {
        std::vector<int16_t> t(NUMFORMAZIONI, 0);
        metti(t, gemelli);
        metti(t, cadenze);
        if (change) change(t);
        prova::scrivi(cartella / "tab.dat", immaginetab(t));
        Stato s;
        s.cartellaprogramma = cartella.testo();
        EXPECT_TRUE(leggiformazioni(s));
        return s;
    }
    prova::Cartella cartella;
};

TEST_F(Caricamento, TwoFamiliesAreReadAndTheOthersAreEmpty) {
    const Stato s = carica();
    EXPECT_EQ(famiglia(s.tabformazioni, 1, 1), gemelli.formazioni);
    EXPECT_EQ(famiglia(s.tabformazioni, 6, 3), cadenze.formazioni);
    for (int g = 1; g <= GRUPPIFORMAZIONI; ++g)
        for (int f = 1; f <= FAMIGLIEFORMAZIONI; ++f)
            if (!(g == 1 && f == 1) && !(g == 6 && f == 3)) {
                EXPECT_TRUE(famiglia(s.tabformazioni, g, f).empty()) << g << " " << f;
            }
    // Outside the groups and families: nothing, without reading elsewhere.
    EXPECT_TRUE(famiglia(s.tabformazioni, 0, 1).empty());
    EXPECT_TRUE(famiglia(s.tabformazioni, 7, 1).empty());
    EXPECT_TRUE(famiglia(s.tabformazioni, 1, 9).empty());
}

TEST_F(Caricamento, AHostileFamilyIsEmptyAndTheOtherStays) {
    const auto vf = [](int m, int r) { return indiceformazione(6, 3, m, r); };
    struct Caso {
        const char* nome;
        int indice;
        int16_t valore;
        bool vuota;
    };
    const Caso casi[] = {
        {"45 formations, 44 of them blank", vf(0, 0), 45, true},
        {"46 formations", vf(0, 0), 46, true},
        {"negative count", vf(0, 0), -1, true},
        {"no members", vf(0, 1), 0, true},
        {"11 members", vf(0, 1), 11, true},
        {"negative size", vf(0, 1), -3, true},
        {"member 0", vf(4, 1), 0, true},
        {"member 91", vf(10, 1), 91, true},
        {"member -90", vf(1, 1), -90, true},
        {"repeated member", vf(2, 1), 1, true},
        {"fewer members, all good", vf(0, 1), 9, false},
        {"a value never read", vf(0, 2), 999, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Stato s = carica([&](std::vector<int16_t>& t) { t[c.indice] = c.valore; });
        EXPECT_EQ(famiglia(s.tabformazioni, 6, 3).empty(), c.vuota);
        EXPECT_EQ(famiglia(s.tabformazioni, 1, 1), gemelli.formazioni);
    }
}

TEST(Formazioni, TheShippedTableIsWholeAndRead) {
    Stato s;
    s.cartellaprogramma = BOLV_DATA_DIR;
    ASSERT_TRUE(leggiformazioni(s));
    std::vector<int16_t> copia = s.tabformazioni;
    EXPECT_EQ(validaformazioni(copia), 0);
    EXPECT_EQ(famiglia(s.tabformazioni, 1, 1).size(), 28u);
    for (int f = 5; f <= 8; ++f) // families 5..8 of "Terzine" have no formations
        EXPECT_TRUE(famiglia(s.tabformazioni, 2, f).empty());
}

} // namespace
} // namespace bolv
