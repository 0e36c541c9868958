// The paper slip: where each box prints, the marks of a marked slip with their offsets and
// limits, and "Salva" changing slots 6 and 7 of "bolv.cfg" and nothing else.
#include "datifile.h"
#include "schedina.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

using G = Gruppocaselle;

TEST(Schedina, PosizioneDelleCaselle) {
    const struct {
        const char* nome;
        Casella casella;
        Posizionestampa posizione;
        Segno centro; // without offsets
    } casi[] = {
        {"number 1", {G::numeri, 0}, {1, 1}, {240, 240}},
        {"number 10 ends its row", {G::numeri, 9}, {10, 1}, {2400, 240}},
        {"number 11 starts the next", {G::numeri, 10}, {1, 2}, {240, 480}},
        {"number 45", {G::numeri, 44}, {5, 5}, {1200, 1200}},
        {"number 90", {G::numeri, 89}, {10, 9}, {2400, 2160}},
        {"Bari", {G::ruote, 0}, {11, 1}, {3120, 240}},
        {"Venezia", {G::ruote, 9}, {11, 10}, {3120, 2400}},
        {"Tutte", {G::ruote, 10}, {11, 13}, {3120, 3120}},
        {"first Sistemi box", {G::sistemi, 0}, {1, 11}, {240, 2640}},
        {"last Sistemi box", {G::sistemi, 9}, {10, 11}, {2400, 2640}},
        {"first Giocate multiple box", {G::multiple, 0}, {1, 13}, {240, 3120}},
        {"last Giocate multiple box", {G::multiple, 9}, {10, 13}, {2400, 3120}},
        {"50K of row T", {G::importi, 0}, {12, 1}, {4080, 240}},
        {"10K of row T, end of a block", {G::importi, 4}, {16, 1}, {5040, 240}},
        {"5K of row T, next block", {G::importi, 5}, {17, 1}, {5350, 240}},
        {"500 of row E", {G::importi, 30}, {22, 2}, {6620, 480}},
        {"50 of row A", {G::importi, 55}, {27, 3}, {7860, 720}},
        {"10 of row C", {G::importi, 119}, {31, 6}, {8820, 1440}},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(posizionecasella(c.casella), c.posizione) << c.nome;
        EXPECT_EQ(segnischedina({c.casella}, 0, 0), std::vector<Segno>{c.centro}) << c.nome;
    }
}

TEST(Schedina, SegniInOrdineDiRigaConGliOffset) {
    const std::vector<Casella> marcate = {
        {G::ruote, 10},   {G::numeri, 89}, {G::importi, 119}, {G::numeri, 0},
        {G::multiple, 9}, {G::importi, 0}, {G::numeri, 0}, // listed twice: marked once
    };
    const std::vector<Segno> attesi = {
        {240 + 30, 240 - 10},   {4080 + 30, 240 - 10},  {8820 + 30, 1440 - 10},
        {2400 + 30, 2160 - 10}, {2400 + 30, 3120 - 10}, {3120 + 30, 3120 - 10},
    };
    EXPECT_EQ(segnischedina(marcate, 30, -10), attesi);
    EXPECT_TRUE(segnischedina({}, 0, 0).empty());
}

// Offsets beyond the page are brought back to where the outermost mark is still whole.
TEST(Schedina, OffsetEntroLaPagina) {
    const std::vector<Casella> angoli = {{G::numeri, 0}, {G::multiple, 0}, {G::importi, 19}};
    const struct {
        int h, v;
        std::vector<Segno> segni;
    } casi[] = {
        {-32768, -32768, {{60, 60}, {8640, 60}, {60, 2940}}},
        {32767,
         32767,
         {{11846 - 8580, 15780 - 2880}, {11846, 15780 - 2880}, {11846 - 8580, 15780}}},
        {-180, -180, {{60, 60}, {8640, 60}, {60, 2940}}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(segnischedina(angoli, c.h, c.v), c.segni) << c.h << " " << c.v;
    EXPECT_EQ(LIMITIORIZZONTALE.limita(500), 500);
    EXPECT_EQ(LIMITIVERTICALE.limita(-10), -10);
}

std::vector<uint8_t> configurazionediprova() {
    std::vector<uint8_t> c(DIMCONFIG);
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = static_cast<uint8_t>(0xa0 + i);
    return c;
}

TEST(Schedina, SalvaCambiaSoloGliSlot6e7) {
    prova::Cartella cartella;
    Stato s;
    s.cartellaprogramma = cartella.testo();
    const std::vector<uint8_t> prima = configurazionediprova();
    prova::scrivi(cartella / "bolv.cfg", prima);
    // The configuration held differs from the file (a slot changed since it was read): the
    // file keeps its own value all the same.
    s.configurazione[3] = 1234;
    ASSERT_TRUE(salvaoffset(s, 530, -10));
    std::vector<uint8_t> attesi = prima;
    attesi[12] = 0x12;
    attesi[13] = 0x02; // 530
    attesi[14] = 0xf6;
    attesi[15] = 0xff; // -10
    EXPECT_EQ(prova::leggi(cartella / "bolv.cfg"), attesi);
    EXPECT_EQ(s.configurazione[6], 530);
    EXPECT_EQ(s.configurazione[7], -10);
    EXPECT_EQ(s.configurazione[3], 1234);
    EXPECT_EQ(prova::nomi(cartella / "."), std::vector<std::string>{"bolv.cfg"});
}

TEST(Schedina, SalvaSenzaFileLeggibileScriveLaConfigurazioneTenuta) {
    prova::Cartella cartella;
    Stato s;
    s.cartellaprogramma = cartella.testo();
    for (int i = 0; i < NUMCONFIG; ++i)
        s.configurazione[i] = static_cast<int16_t>(i);
    prova::scrivi(cartella / "bolv.cfg", std::vector<uint8_t>(5, 1)); // cut short
    ASSERT_TRUE(salvaoffset(s, 40, 50));
    EXPECT_EQ(prova::leggi(cartella / "bolv.cfg"), immagineconfigurazione(s.configurazione));
    EXPECT_EQ(s.configurazione[6], 40);
    EXPECT_EQ(s.configurazione[5], 5);
}

TEST(Schedina, SalvaNonRiuscitoNonCambiaNulla) {
    prova::Cartella cartella;
    Stato s;
    s.cartellaprogramma = (cartella / "manca").string();
    s.configurazione[6] = 7;
    EXPECT_FALSE(salvaoffset(s, 100, 100));
    EXPECT_EQ(s.configurazione[6], 7);
    EXPECT_EQ(s.configurazione[7], 0);
}

} // namespace
} // namespace bolv
