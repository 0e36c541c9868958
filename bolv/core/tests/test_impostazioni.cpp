// What start-up takes from each slot of "bolv.cfg", out-of-range values included.
#include "impostazioni.h"

#include <gtest/gtest.h>

using namespace bolv;

namespace {

Slotconfigurazione spedita() {
    Slotconfigurazione c{};
    c[1] = 1, c[4] = 1, c[8] = 1, c[9] = 1, c[21] = 3;
    return c;
}

} // namespace

TEST(Configurazioneavvio, OgniSlotNelSuoIntervallo) {
    struct Caso {
        const char* riga;
        int slot;
        int16_t valore;
        bool (*atteso)(const Avvioconfigurato&);
    };
    const Caso casi[] = {
        {"sfondo 2 spento", 1, 2, [](const Avvioconfigurato& a) { return !a.sfondo; }},
        {"benvenuto", 2, 1, [](const Avvioconfigurato& a) { return a.benvenuto; }},
        {"inizio 1939", 3, 1, [](const Avvioconfigurato& a) { return a.annoinizio == 1939; }},
        {"inizio 1945", 3, 2, [](const Avvioconfigurato& a) { return a.annoinizio == 1945; }},
        {"inizio 3: archivio intero", 3, 3,
         [](const Avvioconfigurato& a) { return a.annoinizio == 1871; }},
        {"inizio -1: archivio intero", 3, -1,
         [](const Avvioconfigurato& a) { return a.annoinizio == 1871; }},
        {"animazione 0", 4, 0, [](const Avvioconfigurato& a) { return !a.animazione; }},
        {"animazione 2", 4, 2, [](const Avvioconfigurato& a) { return a.animazione; }},
        {"output 7 su file", 5, 7, [](const Avvioconfigurato& a) { return a.stampasufile; }},
        {"barra standard grigia", 8, 2,
         [](const Avvioconfigurato& a) { return !a.barrastandard && a.barrafunzioni; }},
        {"barra funzioni 0", 9, 0, [](const Avvioconfigurato& a) { return !a.barrafunzioni; }},
        {"carattere 10", 21, 5,
         [](const Avvioconfigurato& a) { return a.dimensionecarattere == 10; }},
        {"carattere 6 fuori", 21, 6,
         [](const Avvioconfigurato& a) { return a.dimensionecarattere == 8; }},
        {"carattere -1 fuori", 21, -1,
         [](const Avvioconfigurato& a) { return a.dimensionecarattere == 8; }},
    };
    for (const auto& c : casi) {
        Slotconfigurazione cfg = spedita();
        cfg[c.slot] = c.valore;
        EXPECT_TRUE(c.atteso(configurazioneavvio(cfg))) << c.riga;
    }
}

TEST(Configurazioneavvio, FileSpedito) {
    const Avvioconfigurato a = configurazioneavvio(spedita());
    EXPECT_TRUE(a.sfondo && a.animazione && a.barrastandard && a.barrafunzioni);
    EXPECT_FALSE(a.benvenuto || a.stampasufile);
    EXPECT_EQ(a.annoinizio, 1871);
    EXPECT_EQ(a.dimensionecarattere, 8);
}
