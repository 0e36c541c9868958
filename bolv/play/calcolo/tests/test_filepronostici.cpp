// The forecast-group file: its exact bytes, a full group read back, and the
// damaged or foreign files the reader must refuse whole.
#include "filepronostici.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace bolv {
namespace {

using Byte = std::vector<uint8_t>;

// n empty records.
Byte vuoti(int n) {
    return Byte(2 * n, 0);
}

Byte testo(const std::string& t) {
    Byte b(2 + t.size(), 0);
    b[0] = static_cast<uint8_t>(t.size());
    std::copy(t.begin(), t.end(), b.begin() + 2);
    return b;
}

Byte unisci(std::initializer_list<Byte> parti) {
    Byte b;
    for (const auto& p : parti)
        b.insert(b.end(), p.begin(), p.end());
    return b;
}

const Pronostico esempio{"Ba.Na", "05.12.33", "A.T"};
const Pronostico tutte{"Ba.Ca.Fi.Ge.Mi.Na.Pa.Ro.To.Ve", "01.02.03.04.05.06.07.08.09.90",
                       "M.A.T.Q.C"};

TEST(FilePronostici, GoldenBytes) {
    struct Caso {
        const char* nome;
        std::vector<Pronostico> gruppo;
        Byte atteso;
    };
    const Caso casi[] = {
        {"gruppo vuoto", {}, vuoti(300)},
        {"un pronostico",
         {esempio},
         unisci(
             {testo("Ba.Na"), vuoti(99), testo("05.12.33"), vuoti(99), testo("A.T"), vuoti(99)})},
        {"tutte le ruote",
         {tutte},
         unisci({testo(tutte.ruote), vuoti(99), testo(tutte.numeri), vuoti(99), testo(tutte.sorti),
                 vuoti(99)})},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const Byte img = codificagruppo(c.gruppo);
        EXPECT_EQ(img, c.atteso);
        EXPECT_EQ(decodificagruppo(img), c.gruppo);
    }
    EXPECT_EQ(codificagruppo({esempio}).size(), 616u);
    EXPECT_EQ(codificagruppo({tutte})[0], 0x1D);
}

std::vector<Pronostico> cento() {
    std::vector<Pronostico> g;
    for (int i = 0; i < MAXPRONOSTICI; ++i) {
        const int a = i % 89 + 1;
        g.push_back({CODICIRUOTE[i % 10] + std::string(".Ve").substr(0, i % 10 == 9 ? 0 : 3),
                     (a < 10 ? "0" : "") + std::to_string(a) + "." + std::to_string(90 - i % 10),
                     i % 2 ? "A" : "M.A"});
    }
    return g;
}

TEST(FilePronostici, FullGroupRoundTripThroughAFile) {
    prova::Cartella cartella;
    const auto path = (cartella / "pronostico.pro").string();
    const auto g = cento();
    ASSERT_TRUE(scrivigruppo(path, g));
    const Byte primo = prova::leggi(path);
    EXPECT_EQ(leggigruppo(path), g);
    // No empty record in the wheel block, and a second save is the same file.
    for (size_t pos = 0, k = 0; k < MAXPRONOSTICI; ++k, pos += 2 + primo[pos])
        EXPECT_NE(primo[pos], 0) << "record " << k + 1;
    ASSERT_TRUE(scrivigruppo(path, g));
    EXPECT_EQ(prova::leggi(path), primo);
    // Bytes after the 300th record are not part of the group.
    Byte lungo = primo;
    lungo.resize(primo.size() + 70000, 0xAB);
    prova::scrivi(path, lungo);
    EXPECT_EQ(leggigruppo(path), g);
}

TEST(FilePronostici, GroupsTheFileCannotHoldAreNotWritten) {
    prova::Cartella cartella;
    const auto path = (cartella / "x.pro").string();
    auto troppi = cento();
    troppi.push_back(esempio);
    EXPECT_THROW(codificagruppo(troppi), std::length_error);
    EXPECT_FALSE(scrivigruppo(path, troppi));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(FilePronostici, DamagedOrForeignImagesAreRefusedWhole) {
    const Byte buono = codificagruppo({esempio, tutte});
    auto con = [&](size_t pos, std::initializer_list<uint8_t> b) {
        Byte c = buono;
        std::copy(b.begin(), b.end(), c.begin() + pos);
        return c;
    };
    auto sostituito = [](std::vector<Pronostico> g, size_t i, Pronostico p) {
        g.resize(std::max(g.size(), i + 1));
        g[i] = std::move(p);
        return g;
    };
    struct Caso {
        const char* nome;
        Byte img;
    };
    const Caso casi[] = {
        {"file vuoto", {}},
        {"un byte", {0}},
        {"tagliato a meta' di una lunghezza", Byte(buono.begin(), buono.end() - 1)},
        {"tagliato dentro un testo", Byte(buono.begin(), buono.begin() + 5)},
        {"tagliato tra due record", Byte(buono.begin(), buono.end() - 2)},
        {"lunghezza oltre la fine", con(0, {0xFF, 0xFF})},
        {"lunghezza che scavalca il record dopo", con(0, {6, 0})},
        {"testo non ASCII", con(2, {0xE0})},
        {"pronostico dopo uno spazio vuoto",
         codificagruppo(sostituito(sostituito({}, 0, {}), 1, esempio))},
        {"spazio vuoto con numeri", codificagruppo(sostituito({esempio}, 1, {"", "05", ""}))},
        {"ruota sconosciuta", codificagruppo({{"Bx", "05", "M"}})},
        {"numero 91", codificagruppo({{"Ba", "91", "M"}})},
        {"numero 00", codificagruppo({{"Ba", "00", "M"}})},
        {"numero di una cifra", codificagruppo({{"Ba", "5.12", "A"}})},
        {"numeri ripetuti", codificagruppo({{"Ba", "05.05", "A"}})},
        {"ruote ripetute", codificagruppo({{"Ba.Ba", "05", "M"}})},
        {"sorte sconosciuta", codificagruppo({{"Ba", "05", "X"}})},
        {"sorte ripetuta", codificagruppo({{"Ba", "05.12", "A.A"}})},
        {"terno con due numeri", codificagruppo({{"Ba", "05.12", "T"}})},
        {"senza sorte", codificagruppo({{"Ba", "05", ""}})},
        {"senza numeri", codificagruppo({{"Ba", "", "M"}})},
        {"undici numeri", codificagruppo({{"Ba", "01.02.03.04.05.06.07.08.09.10.11", "M"}})},
        {"separatore sbagliato", codificagruppo({{"Ba,Na", "05", "M"}})},
        {"separatore in fondo", codificagruppo({{"Ba.", "05", "M"}})},
    };
    for (const auto& c : casi)
        EXPECT_EQ(decodificagruppo(c.img), std::nullopt) << c.nome;
}

TEST(FilePronostici, UnreadableFilesAreRefused) {
    prova::Cartella cartella;
    EXPECT_EQ(leggigruppo((cartella / "manca.pro").string()), std::nullopt);
    EXPECT_EQ(leggigruppo(cartella.testo()), std::nullopt);
    const auto path = (cartella / "corto.pro").string();
    prova::scrivi(path, Byte(599, 0));
    EXPECT_EQ(leggigruppo(path), std::nullopt);
    prova::scrivi(path, Byte(600, 0));
    EXPECT_EQ(leggigruppo(path), std::vector<Pronostico>{});
    // A FIFO is refused at once: waiting on it would hang the window.
    const prova::Fifo fifo(cartella / "fifo.pro");
    EXPECT_EQ(leggigruppo((cartella / "fifo.pro").string()), std::nullopt);
    EXPECT_FALSE(fifo.aspettato());
}

} // namespace
} // namespace bolv
