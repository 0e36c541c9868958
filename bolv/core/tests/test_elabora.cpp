// The recomputation: number statistics on a hand-checked fixture, the
// settling of the analysis window, what the screen is asked, and the empty
// and one-draw windows.
#include "ambiterni.h"
#include "archivio.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

using prova::Estrazione;

constexpr int BARI = 1, NAPOLI = 6, ROMA = 8, TORINO = 9, TUTTE = 11;

// Six draws, every wheel drawn with numbers 50..89, except:
//   1 on Bari at draws 1 and 3; 2 on Bari and Napoli at draw 2;
//   Roma not drawn at draws 2 and 3, 3 on Roma at draw 4;
//   Torino not drawn at draw 6, 4 on Torino at draw 4.
std::vector<Estrazione> fissa() {
    const Data date[] = {{1938, 12, 24}, {1938, 12, 31}, {1939, 1, 7},
                         {1939, 1, 14},  {1939, 1, 21},  {1939, 2, 4}};
    std::vector<Estrazione> estrazioni;
    for (int d = 1; d <= 6; ++d) {
        Estrazione e{date[d - 1], {}};
        for (int w = 1; w <= 10; ++w)
            for (int k = 0; k < 5; ++k)
                e.ruote[w - 1][k] = 50 + (d * 7 + w * 3 + k * 11) % 40;
        estrazioni.push_back(e);
    }
    const auto metti = [&](int n, int d, int w) { estrazioni[d - 1].ruote[w - 1][2] = n; };
    metti(1, 1, BARI);
    metti(1, 3, BARI);
    metti(2, 2, BARI);
    metti(2, 2, NAPOLI);
    estrazioni[1].ruote[ROMA - 1] = estrazioni[2].ruote[ROMA - 1] = {};
    metti(3, 4, ROMA);
    estrazioni[5].ruote[TORINO - 1] = {};
    metti(4, 4, TORINO);
    return estrazioni;
}

class Elabora : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::prepara(s, cartella, ui);
        metti(fissa());
    }
    void metti(const std::vector<Estrazione>& estrazioni) {
        prova::scrivi(cartella / "archivio.dat", prova::immagine(estrazioni));
    }
    void finestra(int prima, int ultima) {
        s.primaestrazione = prima;
        s.ultimaestrazione = ultima;
        ASSERT_TRUE(elabora(s));
    }
    int pres(int n, int w) const { return s.presenzenumeri[indicenumero(n, w)]; }
    int rit(int n, int w) const { return s.ritardinumeri[indicenumero(n, w)]; }
    int stor(int n, int w) const { return s.storicinumeri[indicenumero(n, w)]; }

    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
};

TEST_F(Elabora, HandCheckedNumberStatistics) {
    finestra(1, 6);
    struct Caso {
        int n, w, presenze, ritardo, storico;
    };
    const Caso casi[] = {
        {1, BARI, 2, 3, 1}, // last out at draw N - 3: current delay 3
        {1, TUTTE, 2, 3, 1},
        {2, BARI, 1, 4, 1},
        {2, NAPOLI, 1, 4, 1},
        {2, TUTTE, 2, 4, 1}, // two wheels at once: the second hit's -1 changes nothing
        {3, ROMA, 1, 2, 1},  // Roma's counter skips draws 2 and 3
        {9, ROMA, 0, 4, 0},  // never drawn: Roma's own draws
        {9, BARI, 0, 6, 0},
        {9, TUTTE, 0, 6, 0},
        {4, TORINO, 1, 1, 3}, // Torino missing at the last draw: its own last counter
    };
    for (const auto& c : casi) {
        EXPECT_EQ(pres(c.n, c.w), c.presenze) << c.n << " " << c.w;
        EXPECT_EQ(rit(c.n, c.w), c.ritardo) << c.n << " " << c.w;
        EXPECT_EQ(stor(c.n, c.w), c.storico) << c.n << " " << c.w;
    }
    EXPECT_EQ(s.estr(4, ROMA, 0), 2);
    EXPECT_EQ(s.estr(2, ROMA, 0), 0);
    EXPECT_EQ(s.estr(6, TORINO, 0), 0);
    EXPECT_EQ(s.ritardiuscita[indicearchivio(3, BARI, 3)], 1);
    EXPECT_EQ(s.ritardiuscita[indicearchivio(4, ROMA, 3)], 1);
    EXPECT_EQ(s.ritardiuscita[indicearchivio(4, TORINO, 3)], 3);
    for (int i = 0; i < 990; ++i)
        ASSERT_GE(s.ritardinumeri[i], 0);
}

TEST_F(Elabora, WindowNotStartingAtTheFirstDraw) {
    finestra(2, 6);
    EXPECT_EQ(s.estr(1, BARI, 0), 0);
    EXPECT_EQ(s.estr(2, BARI, 0), 1);
    EXPECT_EQ(pres(1, BARI), 1);
    EXPECT_EQ(stor(1, BARI), 1);  // draw 2 of Bari came before it in the window
    EXPECT_EQ(stor(1, TUTTE), 1); // all wheels: draws since the window's start
    EXPECT_EQ(rit(1, BARI), 3);
    EXPECT_EQ(rit(9, TUTTE), 5); // never drawn: the window's length
    EXPECT_EQ(rit(9, ROMA), 3);
    EXPECT_EQ(s.ritardiuscita[indicearchivio(1, BARI, 3)], 0); // outside the window
}

TEST_F(Elabora, OrdinalsInYearAndMonthCoverEveryDraw) {
    for (int prima : {1, 4}) {
        finestra(prima, 5);
        const int anno[] = {1, 2, 1, 2, 3, 4}, mese[] = {1, 2, 1, 2, 3, 1};
        for (int d = 1; d <= 6; ++d) {
            EXPECT_EQ(s.progressivi[d - 1], anno[d - 1]) << prima << " " << d;
            EXPECT_EQ(s.progressivi[NUMSLOT + d - 1], mese[d - 1]) << prima << " " << d;
        }
    }
}

TEST_F(Elabora, SettlesTheWindow) {
    struct Caso {
        const char* nome;
        int prima, ultima, annoinizio;
        bool reimposta, avvio;
        int primaattesa, ultimaattesa;
    };
    const Caso casi[] = {
        {"invariata", 2, 4, 0, false, false, 2, 4},
        {"reimposta l'ultima", 2, 4, 0, true, false, 2, 6},
        {"avvio", 2, 4, 0, false, true, 2, 6},
        {"oltre le estrazioni", 2, 40, 0, false, false, 2, 6},
        {"nessuna finestra", 1, 0, 0, false, false, 1, 6},
        {"inizio a 0", 0, 4, 0, false, false, 1, 4},
        {"inizio oltre la fine", 9, 9, 0, false, false, 6, 6},
        {"anno 1939", 1, 6, 1939, false, false, 3, 6},
        {"anno 1871", 5, 6, 1871, false, false, 1, 6},
    };
    for (const auto& c : casi) {
        s.reimpostaultima = c.reimposta;
        s.avvioincorso = c.avvio;
        s.annoinizio = c.annoinizio;
        finestra(c.prima, c.ultima);
        EXPECT_EQ(s.primaestrazione, c.primaattesa) << c.nome;
        EXPECT_EQ(s.ultimaestrazione, c.ultimaattesa) << c.nome;
        EXPECT_FALSE(s.reimpostaultima) << c.nome;
        EXPECT_EQ(s.annoinizio, 0) << c.nome;
        EXPECT_EQ(s.numestrazioni, 6) << c.nome;
    }
}

// The window the user sets with the two sliders stands, whatever start year was pending.
TEST_F(Elabora, TheChosenWindowStands) {
    const struct {
        int prima, ultima, annoinizio, presenze; // presences of 1 on Bari (draws 1 and 3)
    } casi[] = {{1, 3, 0, 2}, {4, 5, 1939, 0}, {3, 3, 1871, 1}, {2, 6, 0, 1}};
    for (const auto& c : casi) {
        s.annoinizio = c.annoinizio;
        ASSERT_TRUE(impostaestremi(s, c.prima, c.ultima));
        EXPECT_EQ(s.primaestrazione, c.prima);
        EXPECT_EQ(s.ultimaestrazione, c.ultima);
        EXPECT_EQ(s.annoinizio, 0);
        EXPECT_EQ(pres(1, BARI), c.presenze) << c.prima << ".." << c.ultima;
    }
}

TEST_F(Elabora, AsksTheScreenInOrder) {
    s.ambiattivi = s.ternattivi = true;
    finestra(1, 6);
    const std::vector<std::string> attese = {"clessidra",
                                             "mostramessaggio:Lettura archivio in corso...",
                                             "disattivaambiterni",
                                             "mostramessaggio:Elaborazione archivio in corso...",
                                             "freccia",
                                             "chiudimessaggio",
                                             "aggiornastato",
                                             "chiudianalisi",
                                             "freccia"};
    EXPECT_EQ(ui.chiamate, attese);
    EXPECT_EQ(ui.eventi_, 6); // once per draw of the window
    EXPECT_FALSE(s.ambiattivi);
    EXPECT_FALSE(s.ternattivi);
    EXPECT_TRUE(s.ritarditerni.empty());
}

TEST_F(Elabora, AtStartUpOnlyTheSplashLabelChanges) {
    s.avvioincorso = true;
    ASSERT_TRUE(elabora(s));
    const std::vector<std::string> attese = {"etichettaavvio:Inizializzazione matrici...",
                                             "etichettaavvio:Apertura archivio...",
                                             "etichettaavvio:Lettura archivio... ",
                                             "disattivaambiterni",
                                             "etichettaavvio:Conteggio estrazioni...",
                                             "etichettaavvio:Indicizzazione estrazioni...",
                                             "etichettaavvio:Conteggio proprietà...",
                                             "etichettaavvio:Finalizzazione ritardi...",
                                             "aggiornastato",
                                             "chiudianalisi"};
    EXPECT_EQ(ui.chiamate, attese);
    EXPECT_TRUE(ui.progressi.empty());
}

TEST_F(Elabora, OneDrawWindowsReportProgressWithoutDividingByZero) {
    auto estrazioni = prova::casuali(120, 21, 0);
    metti(estrazioni);
    for (int d : {1, 35, 60, 100, 120}) {
        ui.progressi.clear();
        finestra(d, d);
        calcolaambi(s);
        calcolaterni(s);
        for (int p : ui.progressi)
            EXPECT_TRUE(p >= 0 && p <= 100) << d;
        EXPECT_EQ(pres(estrazioni[d - 1].ruote[0][0], BARI), 1);
        EXPECT_EQ(s.storiciambi[indiceambo(TUTTE, 1, 2)], 0);
        EXPECT_EQ(s.contaternivergini[BARI], NUMTERNI - 10);
    }
}

TEST_F(Elabora, EmptyArchive) {
    metti({});
    finestra(1, 0);
    EXPECT_EQ(s.numestrazioni, 0);
    EXPECT_EQ(s.primaestrazione, 1);
    EXPECT_EQ(s.ultimaestrazione, 0);
    for (int i = 0; i < 990; ++i) {
        ASSERT_EQ(s.presenzenumeri[i], 0);
        ASSERT_EQ(s.ritardinumeri[i], 0);
    }
    calcolaambi(s);
    calcolaterni(s);
    EXPECT_EQ(s.ritardiambi[indiceambo(TUTTE, 1, 2)], 0);
    EXPECT_EQ(s.contaternivergini[TUTTE], NUMTERNI);
    EXPECT_EQ(s.ritarditerni[indicetabterni(TUTTE, 1)], 0);
    EXPECT_NE(testostato(s).find("     < 0 estrazioni > TUTTE"), std::string::npos);
}

TEST_F(Elabora, StatusText) {
    struct Caso {
        int modo;
        const char* atteso;
    };
    const Caso casi[] = {
        {0, " 2 (31.12.38 ) -->  5 (21.01.39 )     < 4 estrazioni > TUTTE"},
        {1, " 2 (31.12.38 ) -->  5 (21.01.39 )     < 4 estrazioni > SABATO"},
        {3, " 2 (31.12.38 ) -->  5 (21.01.39 )     < 4 estrazioni >"},
    };
    finestra(2, 5);
    for (const auto& c : casi) {
        s.modoestrazioni = c.modo;
        EXPECT_EQ(testostato(s), c.atteso);
    }
}

} // namespace
} // namespace bolv
