// The archive file: byte round trip, weekday reading modes, and the reads and
// writes that must be refused without touching the file or memory.
#include "archivio.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace bolv {
namespace {

using prova::Estrazione;

// A draw on date whose Bari numbers begin with marca (to tell draws apart).
Estrazione estrazione(const Data& data, int marca) {
    Estrazione e{data, {}};
    for (int w = 0; w < 10; ++w)
        for (int p = 0; p < 5; ++p)
            e.ruote[w][p] = (marca + 17 * p + w) % 90 + 1;
    return e;
}

// Draws on consecutive days of the week named by each weekday (1 Sunday .. 7
// Saturday), starting in the week of Sunday 1 January 1939.
std::vector<Estrazione> settimane(const std::vector<int>& giorni) {
    std::vector<Estrazione> estrazioni;
    int settimana = -1, precedente = 8;
    for (int g : giorni) {
        if (g <= precedente) ++settimana;
        precedente = g;
        estrazioni.push_back(estrazione(Data::normalizzata(1939, 1, 7 * settimana + g),
                                        static_cast<int>(estrazioni.size()) + 1));
    }
    return estrazioni;
}

class Archivio : public ::testing::Test {
  protected:
    void SetUp() override { prova::prepara(s, cartella, ui); }
    void metti(const std::vector<uint8_t>& img) {
        prova::scrivi(file(), img);
        sulfile = img;
    }
    std::filesystem::path file() const { return cartella / "archivio.dat"; }
    // Archive slots held in memory, in order, told by their Bari mark.
    std::vector<int> tenuti() const {
        std::vector<int> marche;
        for (int k = 1; k <= NUMSLOT && s.estr(k, 0, 1) != 0; ++k)
            marche.push_back((s.estr(k, 1, 1) + 89) % 90);
        return marche;
    }
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    std::vector<uint8_t> sulfile;
};

TEST_F(Archivio, ReadingAllDrawsKeepsEverySlotAndDate) {
    auto estrazioni = prova::casuali(7000, 11, 0.1);
    metti(prova::immagine(estrazioni));
    ASSERT_TRUE(leggiarchivio(s));
    EXPECT_EQ(contaestrazioni(s), 7000);
    EXPECT_EQ(s.dateestrazioni[1], estrazioni[0].data);
    EXPECT_EQ(s.dateestrazioni[7000], estrazioni[6999].data);
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(s.estr(4321, w, p), estrazioni[4320].ruote[w - 1][p - 1]);
    EXPECT_EQ(s.estr(7001, 0, 1), 0);
    for (int d = 7001; d <= NUMSLOT; ++d)
        for (int r = 0; r < NUMRIGHE; ++r)
            for (int p = 0; p < NUMPOSIZIONI; ++p)
                ASSERT_EQ(s.estr(d, r, p), 0);
    EXPECT_EQ(s.archiviofile, sulfile);
}

TEST_F(Archivio, WeekdayModes) {
    const int MER = 4, SAB = 7, GIO = 5, MAR = 3, VEN = 6;
    struct Caso {
        const char* nome;
        std::vector<int> giorni;
        int modo;
        std::vector<int> attesi; // archive slots held, in order
    };
    const Caso casi[] = {
        // Weekly Saturdays, then strictly alternating Wednesday and Saturday.
        {"alterne sabato",
         {SAB, SAB, SAB, SAB, SAB, MER, SAB, MER, SAB, MER, SAB},
         1,
         {1, 2, 3, 4, 5, 7, 9, 11}},
        {"alterne mercoledi",
         {SAB, SAB, SAB, SAB, SAB, MER, SAB, MER, SAB, MER, SAB},
         2,
         {6, 8, 10}},
        // Like the real archive: a Friday first, later Thursdays and Tuesdays too.
        {"reale sabato", {VEN, SAB, MER, GIO, SAB, MAR, MER, SAB}, 1, {1, 2, 5, 8}},
        {"reale mercoledi", {VEN, SAB, MER, GIO, SAB, MAR, MER, SAB}, 2, {3, 7}},
        {"senza mercoledi sabato", {SAB, GIO, SAB}, 1, {1, 2, 3}},
        {"senza mercoledi mercoledi", {SAB, GIO, SAB}, 2, {1, 2, 3}},
        {"tutte", {VEN, SAB, MER, GIO}, 0, {1, 2, 3, 4}},
        {"modo sconosciuto", {SAB, MER, SAB}, 3, {}},
    };
    for (const auto& c : casi) {
        metti(prova::immagine(settimane(c.giorni)));
        s.modoestrazioni = c.modo;
        s.primaestrazione = 2;
        ASSERT_TRUE(leggiarchivio(s)) << c.nome;
        EXPECT_EQ(tenuti(), c.attesi) << c.nome;
        EXPECT_EQ(contaestrazioni(s), static_cast<int>(c.attesi.size())) << c.nome;
        EXPECT_EQ(s.primaestrazione, c.modo == 2 ? 1 : 2) << c.nome;
        EXPECT_EQ(s.archiviofile, sulfile) << c.nome; // the file's image is whole
        for (size_t k = 0; k < c.attesi.size(); ++k)
            EXPECT_EQ(s.dateestrazioni[k + 1].giornosettimana(), c.giorni[c.attesi[k] - 1]);
    }
}

TEST_F(Archivio, ByteRoundTrip) {
    auto img = prova::immagine(prova::casuali(500, 3, 0.2));
    for (int d = 1; d <= 500; ++d)
        img[indicearchivio(d, 0, 5)] = static_cast<uint8_t>(d * 7);
    metti(img);
    ASSERT_TRUE(leggiarchivio(s));
    ASSERT_TRUE(scriviarchivio(s));
    EXPECT_EQ(prova::leggi(file()), img);
    EXPECT_EQ(prova::nomi(cartella / ""), std::vector<std::string>{"archivio.dat"});
    EXPECT_EQ(ui.contaavvisi(), 0);
}

TEST_F(Archivio, PositionZeroIsNeverStoredAndCountsKeepTheirLow8Bits) {
    auto img = prova::immagine(prova::casuali(20, 4, 0));
    auto sporca = img;
    for (int d = 1; d <= 20; ++d)
        sporca[indicearchivio(d, 3, 0)] = 99;
    metti(sporca);
    ASSERT_TRUE(leggiarchivio(s));
    EXPECT_EQ(s.estr(5, 3, 0), 0);
    s.estr(2, 0, 5) = 300;
    s.estr(3, 4, 0) = 1234; // a wheel counter
    ASSERT_TRUE(scriviarchivio(s));
    img[indicearchivio(2, 0, 5)] = 44;
    EXPECT_EQ(prova::leggi(file()), img);
}

TEST_F(Archivio, RefusedReadsLeaveMemoryAndFileAlone) {
    auto estrazioni = prova::casuali(30, 5, 0.1);
    const auto buono = prova::immagine(estrazioni);
    const auto con = [&](int d, int r, int p, int valore) {
        auto img = buono;
        img[indicearchivio(d, r, p)] = static_cast<uint8_t>(valore);
        return img;
    };
    const auto condata = [&](int d, int giorno, int mese, int anno) {
        auto img = con(d, 0, 1, giorno);
        img[indicearchivio(d, 0, 2)] = static_cast<uint8_t>(mese);
        img[indicearchivio(d, 0, 3)] = static_cast<uint8_t>(anno % 100);
        img[indicearchivio(d, 0, 4)] = static_cast<uint8_t>(anno / 100);
        return img;
    };
    estrazioni[14] = Estrazione{{0, 0, 0}, {}};
    const auto buco = prova::immagine(estrazioni);
    const auto lunga = prova::immagine(prova::casuali(NUMSLOT, 6, 0));
    const auto ripetuto = con(12, 7, 4, buono[indicearchivio(12, 7, 2)]);
    struct Caso {
        const char* nome;
        std::optional<std::vector<uint8_t>> contenuto; // nullopt: no file
    };
    const Caso casi[] = {
        {"mancante", std::nullopt},
        {"vuoto", std::vector<uint8_t>{}},
        {"corto", std::vector<uint8_t>(buono.begin(), buono.end() - 1)},
        {"lungo",
         [&] {
             auto v = buono;
             v.push_back(0);
             return v;
         }()},
        {"numero 91", con(9, 3, 5, 91)},
        {"numero 255", con(1, 10, 1, 255)},
        {"ripetuto", ripetuto},
        {"30 febbraio", condata(4, 30, 2, 1939)},
        {"29 febbraio 1900", condata(4, 29, 2, 1900)},
        {"mese 13", condata(4, 1, 13, 1939)},
        {"mese 0", condata(4, 1, 0, 1939)},
        {"giorno 32", condata(4, 32, 1, 1939)},
        {"anno 1869", condata(4, 1, 3, 1869)},
        {"secolo 0", condata(4, 1, 3, 39)},
        {"dati dopo la fine", con(35, 2, 3, 40)},
        {"conteggio dopo la fine", con(35, 0, 5, 1)},
        {"estrazione dopo uno spazio vuoto", buco},
        {"8000 estrazioni", lunga},
    };

    const auto valido = prova::immagine(prova::casuali(40, 8, 0.1));
    for (const auto& c : casi) {
        metti(valido);
        ASSERT_TRUE(elabora(s));
        const auto estrazioni = s.estrazioni;
        const auto date = s.dateestrazioni;
        const auto presenze = s.presenzenumeri;
        const int numero = s.numestrazioni;
        s.ambiattivi = true;
        ui.chiamate.clear();

        if (c.contenuto)
            prova::scrivi(file(), *c.contenuto);
        else
            std::filesystem::remove(file());
        EXPECT_FALSE(elabora(s)) << c.nome;
        EXPECT_EQ(ui.contaavvisi(), 1) << c.nome;
        EXPECT_EQ(s.estrazioni, estrazioni) << c.nome;
        EXPECT_EQ(s.dateestrazioni, date) << c.nome;
        EXPECT_EQ(s.archiviofile, valido) << c.nome;
        EXPECT_EQ(s.presenzenumeri, presenze) << c.nome;
        EXPECT_EQ(s.numestrazioni, numero) << c.nome;
        EXPECT_TRUE(s.ambiattivi) << c.nome;
        if (c.contenuto) {
            EXPECT_EQ(prova::leggi(file()), *c.contenuto) << c.nome;
        }
        EXPECT_LE(prova::nomi(cartella / "").size(), 1u) << c.nome;
    }
}

TEST_F(Archivio, AcceptsWhatTheEntryWindowCanStore) {
    auto estrazioni = prova::casuali(5, 9, 0);
    estrazioni[1].ruote[3] = {0, 5, 0, 7, 8}; // zeros are places not drawn, not numbers
    estrazioni[2].ruote = {};                 // no wheel drawn at all
    estrazioni[3].data = {2100, 3, 1};        // a later century
    estrazioni[4].data = {2104, 2, 29};
    metti(prova::immagine(estrazioni));
    EXPECT_TRUE(leggiarchivio(s));
    EXPECT_EQ(ui.contaavvisi(), 0);
}

TEST_F(Archivio, RefusedWritesLeaveTheFileByteIdentical) {
    metti(prova::immagine(settimane({6, 7, 4, 7, 4, 7})));
    struct Caso {
        const char* nome;
        int modo;
        bool discopieno;
        int numero; // put as the first Bari number of draw 1 in memory
    };
    // Bari of draw 1 holds 2, 19, 36, 53, 70: the low 8 bits of 346 and -166
    // (90) and of 300 (44) would pass as numbers of their own.
    const Caso casi[] = {
        {"solo sabato", 1, false, 33},
        {"solo mercoledi", 2, false, 33},
        {"disco pieno", 0, true, 33},
        {"numero 91 in memoria", 0, false, 91},
        {"numero 346 in memoria", 0, false, 346},
        {"numero 300 in memoria", 0, false, 300},
        {"numero -166 in memoria", 0, false, -166},
    };
    for (const auto& c : casi) {
        s.modoestrazioni = c.modo;
        ASSERT_TRUE(leggiarchivio(s)) << c.nome;
        s.estr(1, 1, 1) = static_cast<int16_t>(c.numero);
        ui.chiamate.clear();
        {
            std::optional<prova::Discopieno> pieno;
            if (c.discopieno) pieno.emplace(1000);
            EXPECT_FALSE(scriviarchivio(s)) << c.nome;
        }
        EXPECT_EQ(ui.contaavvisi(), 1) << c.nome;
        if (c.numero != 33) {
            EXPECT_NE(ui.chiamate.back().find(" il numero " + std::to_string(c.numero) + ","),
                      std::string::npos)
                << ui.chiamate.back();
        }
        EXPECT_EQ(prova::leggi(file()), sulfile) << c.nome;
        EXPECT_EQ(s.archiviofile, sulfile) << c.nome;
        EXPECT_EQ(prova::nomi(cartella / ""), std::vector<std::string>{"archivio.dat"}) << c.nome;
    }
}

// A date field the file cannot hold is refused too, not stored as its low 8 bits
// (a century of 276 would be written as 20).
TEST_F(Archivio, DateFieldsAreCheckedBeforeNarrowing) {
    metti(prova::immagine(prova::casuali(3, 2, 0)));
    for (const auto& [posizione, valore] : {std::pair{4, 276}, {1, 257}, {2, -255}}) {
        ASSERT_TRUE(leggiarchivio(s));
        s.estr(2, 0, posizione) = static_cast<int16_t>(valore);
        ui.chiamate.clear();
        EXPECT_FALSE(scriviarchivio(s)) << posizione;
        EXPECT_EQ(ui.contaavvisi(), 1);
        EXPECT_EQ(prova::leggi(file()), sulfile);
    }
}

TEST_F(Archivio, AddingADrawNeedsRoomAndTheWholeArchive) {
    struct Caso {
        int modo, numero;
        bool atteso;
    };
    const Caso casi[] = {
        {0, 0, true}, {0, 7998, true}, {0, 7999, false}, {1, 10, false}, {2, 10, false}};
    for (const auto& c : casi) {
        s.modoestrazioni = c.modo;
        s.numestrazioni = c.numero;
        ui.chiamate.clear();
        EXPECT_EQ(puoaggiungere(s), c.atteso) << c.modo << " " << c.numero;
        EXPECT_EQ(ui.contaavvisi(), c.atteso ? 0 : 1);
    }
}

TEST_F(Archivio, StartYearSlotsComeFromTheArchiveHeld) {
    std::vector<Estrazione> estrazioni;
    for (const Data& data : {Data{1938, 12, 31}, Data{1939, 1, 4}, Data{1944, 12, 30},
                             Data{1945, 1, 3}, Data{1946, 1, 5}})
        estrazioni.push_back(estrazione(data, static_cast<int>(estrazioni.size()) + 1));
    for (int d : {0, 1})
        estrazioni[d].ruote[1] = estrazioni[d].ruote[3] = {}; // Cagliari, Genova
    estrazioni[2].ruote[1] = {}; // Genova alone is drawn first, at draw 3
    metti(prova::immagine(estrazioni));
    ASSERT_TRUE(leggiarchivio(s));
    s.numestrazioni = contaestrazioni(s);
    EXPECT_EQ(s.slot1939, 2);
    EXPECT_EQ(s.slot1945, 4);
    EXPECT_EQ(s.slotcagliarigenova, 3);
    struct Caso {
        int anno, slot;
    };
    for (const Caso c : {Caso{1871, 1}, Caso{1939, 2}, Caso{1945, 4}, Caso{1946, 5}, Caso{2000, 5}})
        EXPECT_EQ(slotanno(s, c.anno), c.slot) << c.anno;
    s.numestrazioni = 0;
    EXPECT_EQ(slotanno(s, 1945), 1);
}

} // namespace
} // namespace bolv
