// The statistics of a typed combination: what input is accepted, the counts on small
// archives worked out by hand, and a delay known from the real draws.
#include "elabora.h"
#include "ricercastatistica.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

constexpr int BARI = 1, CAGLIARI = 2, VENEZIA = 10;

std::array<bool, 10> ruote(std::initializer_list<int> quali) {
    std::array<bool, 10> r{};
    for (int w : quali)
        r[w - 1] = true;
    return r;
}

struct CasoInput {
    const char* nome;
    std::string testo;
    int sorte;
    std::array<bool, 10> ruote;
    std::vector<int> numeri; // empty: refused
};

std::string numeridauno(int quanti) {
    std::string t;
    for (int i = 1; i <= quanti; ++i)
        t += (i > 1 ? "." : "") + std::to_string(i);
    return t;
}

TEST(ReadInput, AcceptedAndRefused) {
    const auto bari = ruote({BARI});
    std::vector<int> venti;
    for (int i = 1; i <= 20; ++i)
        venti.push_back(i);
    const CasoInput casi[] = {
        {"three numbers for ambo", "5.17.33", 2, bari, {5, 17, 33}},
        {"typed order kept", "33.5.17", 3, bari, {33, 5, 17}},
        {"leading zeros", "005.17", 2, bari, {5, 17}},
        {"one number, ambata, 90", "90", 1, bari, {90}},
        {"twenty numbers", numeridauno(20), 5, ruote({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), venti},
        {"twenty-one numbers", numeridauno(21), 1, bari, {}},
        {"fewer numbers than the sorte", "5.17", 3, bari, {}},
        {"empty field", "5..17", 2, bari, {}},
        {"zero field", "5.0.17", 2, bari, {}},
        {"zeros only", "5.000", 1, bari, {}},
        {"above 90", "5.91", 1, bari, {}},
        {"300 is not 44", "5.300", 1, bari, {}},
        {"256 is not 0", "5.256", 1, bari, {}},
        {"a number too long for any integer", "5.1000000000000000000000000", 1, bari, {}},
        {"repeated", "5.5", 1, bari, {}},
        {"a blank", "5 17", 1, bari, {}},
        {"a comma", "5,17", 1, bari, {}},
        {"a sign", "-5", 1, bari, {}},
        {"empty text", "", 1, bari, {}},
        {"trailing separator", "5.", 1, bari, {}},
        {"no wheel ticked", "5.17", 1, ruote({}), {}},
    };
    for (const CasoInput& c : casi) {
        const auto esito = readinput(c.testo, c.sorte, c.ruote);
        ASSERT_EQ(esito.has_value(), !c.numeri.empty()) << c.nome;
        if (!esito) continue;
        EXPECT_EQ(esito->numeri, c.numeri) << c.nome;
        EXPECT_EQ(esito->sorte, c.sorte) << c.nome;
        EXPECT_EQ(esito->ruote, c.ruote) << c.nome;
    }
}

// A draw given by the numbers of Bari and Cagliari; every other wheel holds 81..85.
// Numbers {} leave the wheel undrawn.
struct Bozza {
    std::array<int, 5> bari, cagliari;
};

void prepara(Stato& s, const std::vector<Bozza>& bozze) {
    s = Stato();
    int d = 0;
    for (const Bozza& b : bozze) {
        ++d;
        s.dateestrazioni[d] = Data::normalizzata(1939, 1, 7 * d);
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                s.estr(d, w, p) = static_cast<int16_t>(w == BARI       ? b.bari[p - 1]
                                                       : w == CAGLIARI ? b.cagliari[p - 1]
                                                                       : 80 + p);
    }
    s.numestrazioni = d;
    s.primaestrazione = 1;
    s.ultimaestrazione = d;
}

constexpr std::array<int, 5> NULLA{1, 2, 3, 4, 6}, NONESTRATTA{};

struct CasoRicerca {
    const char* nome;
    std::vector<Bozza> archivio;
    std::string testo;
    int sorte;
    std::array<bool, 10> ruote;
    int64_t presenze;
    std::vector<std::pair<int, int>> uscite; // (draw, wheel)
    std::vector<int> segni;                  // draws marked on the time axis
    int ritardoattuale, ritardomassimo, estrazionemassimo;
    bool storicoassente;
    std::vector<int> frequenze; // by delay length
    int inizioperiodo;
};

TEST(RicercaRoutine, HandCheckedArchives) {
    const CasoRicerca casi[] = {
        {"three numbers drawn together, ambo, add three",
         {{NULLA, NULLA}, {{5, 17, 33, 40, 41}, NULLA}, {NULLA, NULLA}},
         "5.17.33",
         2,
         ruote({BARI}),
         3,
         {{2, BARI}},
         {2},
         1,
         1,
         2,
         false,
         {0, 1},
         1},
        {"two wheels in one draw: two lines, one mark, one delay",
         {{NULLA, NULLA}, {{9, 5, 7, 8, 10}, {5, 11, 12, 13, 14}}, {NULLA, NULLA}},
         "5",
         1,
         ruote({BARI, CAGLIARI}),
         2,
         {{2, BARI}, {2, CAGLIARI}},
         {2},
         1,
         1,
         2,
         false,
         {0, 1},
         1},
        {"a draw without the wheel adds no delay",
         {{NULLA, NONESTRATTA},
          {NULLA, NULLA},
          {NULLA, NONESTRATTA},
          {NULLA, {5, 6, 7, 8, 9}},
          {NULLA, NULLA}},
         "5",
         1,
         ruote({CAGLIARI}),
         1,
         {{4, CAGLIARI}},
         {4},
         1,
         1,
         4,
         false,
         {0, 1},
         2},
        {"no hit at all",
         {{NULLA, NULLA}, {NULLA, NULLA}, {NULLA, NULLA}},
         "5.17",
         2,
         ruote({BARI, CAGLIARI}),
         0,
         {},
         {},
         3,
         2,
         0,
         true,
         {},
         1},
        {"out at every draw: delay 0 closed, not never drawn",
         {{{5, 1, 2, 3, 4}, NULLA}, {{1, 2, 3, 4, 5}, NULLA}},
         "5",
         1,
         ruote({BARI}),
         2,
         {{1, BARI}, {2, BARI}},
         {1, 2},
         0,
         0,
         1,
         false,
         {2},
         1},
        {"earliest of equal delays",
         {{NULLA, NULLA}, {{5, 1, 2, 3, 4}, NULLA}, {NULLA, NULLA}, {{5, 1, 2, 3, 4}, NULLA}},
         "5",
         1,
         ruote({BARI}),
         2,
         {{2, BARI}, {4, BARI}},
         {2, 4},
         0,
         1,
         2,
         false,
         {0, 2},
         1},
    };
    for (const CasoRicerca& c : casi) {
        Stato s;
        prepara(s, c.archivio);
        const auto comb = readinput(c.testo, c.sorte, c.ruote);
        ASSERT_TRUE(comb) << c.nome;
        const Esitoricerca e = ricercaroutine(s, *comb);
        EXPECT_EQ(e.presenze, c.presenze) << c.nome;
        std::vector<std::pair<int, int>> uscite;
        for (const Uscita& u : e.uscite)
            uscite.emplace_back(u.estrazione, u.ruota);
        EXPECT_EQ(uscite, c.uscite) << c.nome;
        EXPECT_FALSE(e.oltre) << c.nome;
        EXPECT_EQ(e.estrazioniuscita, c.segni) << c.nome;
        EXPECT_EQ(e.ritardoattuale, c.ritardoattuale) << c.nome;
        EXPECT_EQ(e.ritardomassimo, c.ritardomassimo) << c.nome;
        EXPECT_EQ(e.estrazionemassimo, c.estrazionemassimo) << c.nome;
        EXPECT_EQ(e.storicoassente, c.storicoassente) << c.nome;
        EXPECT_EQ(e.frequenzeritardi, c.frequenze) << c.nome;
        EXPECT_EQ(e.inizioperiodo, c.inizioperiodo) << c.nome;
        EXPECT_EQ(e.ciclicitaeffettiva.has_value(), c.presenze > 0) << c.nome;
    }
}

// The cyclicities: theoretical over the wheels chosen; effective over the span from the
// first draw of a chosen wheel, never zero or negative however late that wheel starts.
TEST(RicercaRoutine, Cyclicities) {
    Stato s;
    std::vector<Bozza> a(10, {NULLA, NONESTRATTA});
    a[6].cagliari = a[9].cagliari = {5, 6, 7, 8, 9};
    a[7].cagliari = a[8].cagliari = NULLA;
    prepara(s, a);
    const auto sololei = readinput("5", 1, ruote({CAGLIARI}));
    Esitoricerca e = ricercaroutine(s, *sololei);
    EXPECT_EQ(e.inizioperiodo, 7);
    EXPECT_DOUBLE_EQ(e.ciclicitateorica, 18);
    ASSERT_TRUE(e.ciclicitaeffettiva);
    EXPECT_DOUBLE_EQ(*e.ciclicitaeffettiva, (10 - 7 + 1) / 2.0);
    EXPECT_DOUBLE_EQ(*e.scompenso, 2 - 18.0);
    EXPECT_EQ(e.ritardomassimo, 2); // draws 8 and 9: before 7 there was no Cagliari

    // The window starts after the wheel's first draw: the span starts with the window.
    s.primaestrazione = 8;
    e = ricercaroutine(s, *sololei);
    EXPECT_EQ(e.inizioperiodo, 8);
    EXPECT_DOUBLE_EQ(*e.ciclicitaeffettiva, 3.0);

    // Bari with it: drawn from the first draw; the theoretical cyclicity halves.
    s.primaestrazione = 1;
    e = ricercaroutine(s, *readinput("5", 1, ruote({BARI, CAGLIARI})));
    EXPECT_EQ(e.inizioperiodo, 1);
    EXPECT_DOUBLE_EQ(e.ciclicitateorica, 9);

    // No chosen wheel ever drawn in the window: no span past its end, no presences.
    s.ultimaestrazione = 5;
    e = ricercaroutine(s, *sololei);
    EXPECT_EQ(e.inizioperiodo, 1);
    EXPECT_FALSE(e.ciclicitaeffettiva);
    EXPECT_EQ(e.ritardoattuale, 0);
}

// Past the list's capacity every hit still counts, none is listed.
TEST(RicercaRoutine, HitsBeyondTheListStillCount) {
    Stato s;
    prepara(s, std::vector<Bozza>(3300, {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}));
    const auto tutte = readinput("1", 1, ruote({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    const auto e = ricercaroutine(s, *tutte);
    EXPECT_EQ(e.presenze, 3300 * 2);
    EXPECT_EQ(e.uscite.size(), 6600u);
    EXPECT_FALSE(e.oltre);
    const auto ottanta = readinput("1.81", 1, ruote({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    const auto f = ricercaroutine(s, *ottanta);
    EXPECT_EQ(f.presenze, 3300 * 10);
    EXPECT_EQ(f.uscite.size(), static_cast<size_t>(MAXRIGHEPRESENZE));
    EXPECT_TRUE(f.oltre);
    EXPECT_EQ(f.estrazioniuscita.size(), 3300u);
}

// 53 on Venezia was absent 182 draws until 9 February 2005.
TEST(RicercaRoutine, Number53OnVeneziaOnTheShippedArchive) {
    prova::Registratore ui;
    Stato s;
    s.cartellaprogramma = BOLV_DATA_DIR;
    s.ui = &ui;
    s.avvioincorso = true;
    ASSERT_TRUE(elabora(s));
    ASSERT_EQ(s.primaestrazione, 1);
    ASSERT_EQ(s.ultimaestrazione, s.numestrazioni);
    const auto e = ricercaroutine(s, *readinput("53", 1, ruote({VENEZIA})));
    EXPECT_EQ(e.ritardomassimo, 182);
    EXPECT_EQ(s.dateestrazioni[e.estrazionemassimo], (Data{2005, 2, 9}));
    EXPECT_EQ(e.presenze, s.presenzenumeri[indicenumero(53, VENEZIA)]);
    EXPECT_EQ(e.ritardoattuale, s.ritardinumeri[indicenumero(53, VENEZIA)]);
    // The hit before it, 183 draws of Venezia earlier.
    const auto chiusa =
        std::find(e.estrazioniuscita.begin(), e.estrazioniuscita.end(), e.estrazionemassimo);
    ASSERT_NE(chiusa, e.estrazioniuscita.begin());
    EXPECT_EQ(e.estrazionemassimo - *(chiusa - 1), 183);
}

} // namespace
} // namespace bolv
