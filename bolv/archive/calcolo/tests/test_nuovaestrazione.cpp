// A new draw: the checks of the entry in the order the user meets them, its storing
// appended or inserted (and refused without a trace), and the draw read from a pasted text.
#include "archivio.h"
#include "elabora.h"
#include "nuovaestrazione.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bolv {
namespace {

// The steps by letter: D date not valid, G not a draw day, N numbers not valid, Z zeros,
// R repeat (with the wheel after it), C final confirmation.
std::string codice(const Passo& p) {
    const auto inizia = [&](const char* t) { return p.testo.rfind(t, 0) == 0; };
    if (p.testo == "La data inserita non è valida.") return "D";
    if (inizia("La data immessa non corrisponde a un sabato o un mercoledi. Procedere comunque?"))
        return p.domanda && p.titolo == "Attenzione" ? "G" : "G?";
    if (p.testo == "Ci sono numeri non validi\ro non tutti i numeri sono stati inseriti.")
        return "N";
    if (p.testo == "Avvertenza: sono stati inseriti degli zeri.") return "Z";
    const std::string ripetuto = "Impossibile procedere.\rCi sono due estratti uguali in una "
                                 "stessa ruota (";
    if (inizia(ripetuto.c_str()))
        return "R" + p.testo.substr(ripetuto.size(), p.testo.size() - ripetuto.size() - 2);
    if (p.testo == "Il programma ora salverà l'estrazione nell'archivio e aggiornerà i ritardi e "
                   "le frequenze.\rSi consiglia un frequente backup dei dati.\rProcedere?")
        return p.domanda && p.titolo == "Attenzione" ? "C" : "C?";
    return "?" + p.testo;
}

std::string codici(const Controllo& c) {
    std::string r;
    for (const Passo& p : c.passi)
        r += (r.empty() ? "" : " ") + codice(p);
    return r;
}

// Saturday 22 August 2026, wheel w holding w, w+10, .. w+40.
Immissione valida() {
    Immissione i{"22", "08", "2026", {}};
    for (int k = 0; k < 50; ++k)
        i.numeri[k] = std::to_string(k / 5 + 1 + 10 * (k % 5));
    return i;
}

std::array<std::string, 11> nomiruote() {
    std::array<std::string, 11> n;
    std::copy(NOMIRUOTE.begin(), NOMIRUOTE.end(), n.begin());
    return n;
}

TEST(Nuovaestrazione, ChecksInTheirOrder) {
    struct Caso {
        const char* perche;
        const char *giorno, *mese, *anno;
        std::vector<std::pair<int, const char*>> numeri; // box index 0..49, text
        const char* passi;
        Data data{}; // of the draw to store, when it passes
        int anno100 = 0, secolo = 0;
    };
    const Caso casi[] = {
        {"a Saturday", "22", "08", "2026", {}, "C", {2026, 8, 22}, 26, 20},
        {"a Wednesday, blanks around", " 19 ", "8", "2026", {}, "C", {2026, 8, 19}, 26, 20},
        {"a Tuesday is asked about", "18", "08", "2026", {}, "G C", {2026, 8, 18}, 26, 20},
        {"29 February of a leap year", "29", "02", "2024", {}, "G C", {2024, 2, 29}, 24, 20},
        {"31 April", "31", "04", "2026", {}, "D"},
        {"29 February of a common year", "29", "02", "2025", {}, "D"},
        {"month 13", "01", "13", "2026", {}, "D"},
        {"month 0", "01", "0", "2026", {}, "D"},
        {"the boxes as they open", "Giorno", "Mese", "Anno", {}, "D"},
        {"an empty day", "", "08", "2026", {}, "D"},
        {"a day with a decimal part", "22.5", "08", "2026", {}, "D"},
        {"a year above 9999", "01", "01", "10000", {}, "D"},
        {"a year of twelve digits", "01", "01", "202620262026", {}, "D"},
        {"1869 after the weekday question", "01", "01", "1869", {}, "G D"},
        {"1870 is the first year", "01", "01", "1870", {}, "C", {1870, 1, 1}, 70, 18},
        {"year 100 is no archive year", "01", "01", "100", {}, "G D"},
        {"year 1500 asked, then refused", "01", "01", "1500", {}, "G D"},
        {"a two-digit year is 19yy", "06", "01", "99", {}, "C", {1999, 1, 6}, 99, 19},
        {"2001", "03", "01", "2001", {}, "C", {2001, 1, 3}, 1, 20},
        {"91 stops at the range", "22", "08", "2026", {{7, "91"}}, "N"},
        {"-1 stops at the range", "22", "08", "2026", {{49, "-1"}}, "N"},
        {"90.5 stops at the range", "22", "08", "2026", {{0, "90.5"}}, "N"},
        {"a huge run of digits", "22", "08", "2026", {{3, "123456789012"}}, "N"},
        {"12 followed by letters reads 12",
         "22",
         "08",
         "2026",
         {{0, "12abc"}},
         "C",
         {2026, 8, 22},
         26,
         20},
        {"5 0 0 7 8 is a repeat",
         "22",
         "08",
         "2026",
         {{0, "5"}, {1, "0"}, {2, "0"}, {3, "7"}, {4, "8"}},
         "Z RBari"},
        {"0 5 5 7 8 is a wheel not examined",
         "22",
         "08",
         "2026",
         {{0, "0"}, {1, "5"}, {2, "5"}, {3, "7"}, {4, "8"}},
         "Z C",
         {2026, 8, 22},
         26,
         20},
        {"a repeat on Venezia", "22", "08", "2026", {{49, "10"}}, "RVenezia"},
        {"2.5 rounds to 2, a repeat of Cagliari's 2",
         "22",
         "08",
         "2026",
         {{6, "2.5"}},
         "RCagliari"},
        {"0.4 rounds to 0", "22", "08", "2026", {{20, "0.4"}}, "Z C", {2026, 8, 22}, 26, 20},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.perche);
        Immissione i = valida();
        i.giorno = c.giorno;
        i.mese = c.mese;
        i.anno = c.anno;
        for (const auto& [k, testo] : c.numeri)
            i.numeri[k] = testo;
        const Controllo r = controllaestrazione(i, nomiruote());
        EXPECT_EQ(codici(r), c.passi);
        const bool passa = std::string(c.passi).ends_with("C");
        ASSERT_EQ(r.estrazione.has_value(), passa);
        if (!passa) continue;
        EXPECT_EQ(r.estrazione->data, c.data);
        EXPECT_EQ(r.estrazione->anno100, c.anno100);
        EXPECT_EQ(r.estrazione->secolo, c.secolo);
    }
}

TEST(Nuovaestrazione, NumbersStoredAsRead) {
    Immissione i = valida();
    i.numeri[0] = "12abc";
    i.numeri[6] = " 4.5"; // to the even neighbour
    const auto e = controllaestrazione(i, nomiruote()).estrazione;
    ASSERT_TRUE(e);
    EXPECT_EQ(e->numeri[0], 12);
    EXPECT_EQ(e->numeri[6], 4);
    EXPECT_EQ(e->numeri[49], 50);
}

TEST(Nuovaestrazione, EveryBoxEmptyIsADrawOfNoWheel) {
    Immissione i = valida();
    i.numeri = {};
    const Controllo r = controllaestrazione(i, nomiruote());
    EXPECT_EQ(codici(r), "Z C");
    ASSERT_TRUE(r.estrazione);
    EXPECT_EQ(r.estrazione->numeri, (std::array<int, 50>{}));
}

TEST(Nuovaestrazione, NumericText) {
    for (const char* si : {"0", "90", " 12 ", "+3", "-1", "2.5", ".5", "5."})
        EXPECT_TRUE(numerico(si)) << si;
    for (const char* no : {"", "  ", "12abc", "1.2.3", "+", ".", "1 2", "1e3", "Giorno"})
        EXPECT_FALSE(numerico(no)) << no;
}

// ---- Storing ----

class Inserimento : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::prepara(s, cartella, ui);
        estrazioni = prova::casuali(6, 11, 0.2);
        prima = prova::immagine(estrazioni);
        prova::scrivi(cartella / "archivio.dat", prima);
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        s.avvioincorso = false;
        s.ultimaestrazione = 3; // the analysis window ends before the last draw
        ui.chiamate.clear();
        nuova = *controllaestrazione(valida(), nomiruote()).estrazione;
    }
    std::vector<uint8_t> file() const { return prova::leggi(cartella / "archivio.dat"); }

    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    std::vector<prova::Estrazione> estrazioni;
    std::vector<uint8_t> prima;
    Nuovaestrazione nuova;
};

const char* const SUCCESSO =
    "avviso:L'aggiornamento è stato completato con successo. L'estrazione finale e' stata "
    "reimpostata all'ultima dell'archivio. Il programma provvederà ora alla rilettura "
    "dell'archivio.";

// Slot d of the written file holds old slot d below the new draw, the new draw at punto + 1,
// old slot d - 1 above it, then the end marker and nothing more.
TEST_F(Inserimento, AppendedOrInsertedAfterAGivenDraw) {
    struct Caso {
        const char* perche;
        bool accoda;
        int punto;
    };
    const Caso casi[] = {
        {"appended", true, 2}, // the point is not read in append mode
        {"before the first draw", false, 0},
        {"in the middle", false, 3},
        {"after the last draw", false, 6},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.perche);
        SetUp();
        s.modoaccoda = c.accoda;
        s.puntoinserimento = c.punto;
        const int n = c.accoda ? 7 : c.punto + 1;
        ASSERT_TRUE(inserisciestrazione(s, nuova));
        const auto dopo = file();
        for (int d = 1; d <= 7; ++d)
            for (int r = 0; r <= 10; ++r)
                for (int p = 1; p <= 5; ++p) {
                    if (d == n) continue;
                    const int origine = d < n ? d : d - 1;
                    ASSERT_EQ(dopo[indicearchivio(d, r, p)], prima[indicearchivio(origine, r, p)])
                        << d << " " << r << " " << p;
                }
        const int giorno[] = {22, 8, 26, 20};
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(dopo[indicearchivio(n, 0, p)], giorno[p - 1]);
        for (int k = 0; k < 50; ++k)
            EXPECT_EQ(dopo[indicearchivio(n, k / 5 + 1, k % 5 + 1)], nuova.numeri[k]);
        for (int d = 8; d <= NUMSLOT; ++d)
            for (int r = 0; r <= 10; ++r)
                for (int p = 1; p <= 5; ++p)
                    ASSERT_EQ(dopo[indicearchivio(d, r, p)], 0) << d;
        // Memory as read back from the file; the window ends at the last draw of the archive.
        EXPECT_EQ(s.numestrazioni, 7);
        EXPECT_EQ(s.archiviofile, dopo);
        EXPECT_EQ(s.dateestrazioni[n], (Data{2026, 8, 22}));
        if (n > 1) {
            EXPECT_EQ(s.dateestrazioni[n - 1], estrazioni[n - 2].data);
        }
        if (n < 7) {
            EXPECT_EQ(s.dateestrazioni[n + 1], estrazioni[n - 1].data);
        }
        EXPECT_EQ(s.ultimaestrazione, 7);
        EXPECT_TRUE(s.modoaccoda);
        const auto& ch = ui.chiamate;
        const auto successo = std::find(ch.begin(), ch.end(), SUCCESSO);
        ASSERT_NE(successo, ch.end());
        EXPECT_LT(successo, std::find(ch.begin(), ch.end(), "chiudianalisi"));
        EXPECT_EQ(ui.contaavvisi(), 1);
    }
}

// A draw that cannot be stored says why, once, and leaves memory, file and mode alone.
TEST_F(Inserimento, RefusedWithoutATrace) {
    struct Caso {
        const char* perche;
        int modo;
        int punto; // -2: append
        bool senzacartella;
    };
    const Caso casi[] = {
        {"a weekday mode", 1, -2, false},          {"a point past the draws held", 0, 7, false},
        {"a point far past them", 0, 7998, false}, {"a negative point", 0, -1, false},
        {"an unwritable folder", 0, -2, true},     {"an unwritable folder, inserting", 0, 2, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.perche);
        SetUp();
        s.modoestrazioni = c.modo;
        s.modoaccoda = c.punto == -2;
        s.puntoinserimento = c.punto;
        if (c.senzacartella) s.cartellaprogramma = (cartella / "non-esiste").string();
        const auto memoria = s.estrazioni;
        const auto date = s.dateestrazioni;
        EXPECT_FALSE(inserisciestrazione(s, nuova));
        EXPECT_EQ(s.estrazioni, memoria);
        EXPECT_EQ(s.dateestrazioni, date);
        EXPECT_EQ(file(), prima);
        EXPECT_EQ(s.modoaccoda, c.punto == -2);
        EXPECT_EQ(s.ultimaestrazione, 3);
        EXPECT_EQ(ui.contaavvisi(), 1);
        EXPECT_EQ(std::find(ui.chiamate.begin(), ui.chiamate.end(), SUCCESSO), ui.chiamate.end());
        EXPECT_EQ(std::count(ui.chiamate.begin(), ui.chiamate.end(), "chiudianalisi"), 0);
    }
}

TEST_F(Inserimento, AFullArchiveTakesNoMore) {
    prima = prova::immagine(prova::casuali(7999, 5, 0));
    prova::scrivi(cartella / "archivio.dat", prima);
    ASSERT_TRUE(elabora(s));
    ASSERT_EQ(s.numestrazioni, 7999);
    for (bool accoda : {true, false}) {
        ui.chiamate.clear();
        s.modoaccoda = accoda;
        s.puntoinserimento = 10;
        const auto memoria = s.estrazioni;
        EXPECT_FALSE(inserisciestrazione(s, nuova));
        EXPECT_EQ(s.estrazioni, memoria);
        EXPECT_EQ(file(), prima);
        EXPECT_EQ(ui.contaavvisi(), 1);
    }
}

// ---- The draw in a pasted text ----

std::string corse(int quante, int primo = 1) {
    std::string t;
    for (int i = 0; i < quante; ++i)
        t += std::to_string(primo + i) + " ";
    return t;
}

TEST(Appunti, TheFirst53RunsOfDigits) {
    struct Caso {
        const char* perche;
        std::string testo;
        std::vector<std::pair<int, const char*>> campi; // field 0..52 and its text; {} none
    };
    const std::string risultati =
        "Estrazione del 22/08/2026\nBari 5 18 33 47 90\nCagliari 1 2 3 4 5\n";
    const Caso casi[] = {
        {"52 runs", corse(52), {}},
        {"no text", "", {}},
        {"53 runs", corse(53), {{0, "01"}, {2, "03"}, {3, "04"}, {52, "53"}}},
        {"60 runs: the first 53", corse(60), {{0, "01"}, {52, "53"}}},
        {"the last run at the very end", corse(52) + "77", {{52, "77"}}},
        {"a date with slashes",
         "12/01/2000 " + corse(50, 40),
         {{0, "12"}, {1, "01"}, {2, "2000"}, {3, "40"}, {52, "89"}}},
        {"3.5 is two numbers", "3.5 " + corse(51), {{0, "03"}, {1, "05"}, {2, "01"}}},
        {"a twelve-digit run is kept whole",
         "123456789012 " + corse(52),
         {{0, "123456789012"}, {1, "01"}}},
        {"leading zeros go", "005 0 000 " + corse(50), {{0, "05"}, {1, "00"}, {2, "00"}}},
        {"a minus only separates", "-7 " + corse(52), {{0, "07"}}},
        {"a results page",
         risultati + corse(40, 50),
         {{0, "22"},
          {1, "08"},
          {2, "2026"},
          {3, "05"},
          {7, "90"},
          {8, "01"},
          {13, "50"},
          {52, "89"}}},
        {"letters beside digits", "a1b2c3 " + corse(50), {{0, "01"}, {1, "02"}, {2, "03"}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.perche);
        const auto campi = campiappunti(c.testo);
        ASSERT_EQ(campi.has_value(), !c.campi.empty());
        for (const auto& [k, testo] : c.campi)
            EXPECT_EQ((*campi)[k], testo) << k;
    }
}

// A number too big for its field is pasted as it is and refused when the draw is checked.
TEST(Appunti, ARunTooLongIsRefusedByTheChecks) {
    const auto campi = campiappunti("22/08/2026 999999999999 " + corse(49));
    ASSERT_TRUE(campi);
    Immissione i{(*campi)[0], (*campi)[1], (*campi)[2], {}};
    std::copy(campi->begin() + 3, campi->end(), i.numeri.begin());
    EXPECT_EQ(codici(controllaestrazione(i, nomiruote())), "N");
}

} // namespace
} // namespace bolv
