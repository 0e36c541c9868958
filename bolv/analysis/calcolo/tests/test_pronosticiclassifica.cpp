// The ranked groups as a forecast file, byte for byte.
#include "pronosticiclassifica.h"

#include "supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace bolv;

namespace {

std::vector<uint8_t> record(const std::string& testo) {
    std::vector<uint8_t> r(2 + testo.size(), 0);
    r[0] = static_cast<uint8_t>(testo.size());
    std::copy(testo.begin(), testo.end(), r.begin() + 2);
    return r;
}

void accoda(std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
}

// Records of two forecasts followed by 98 empty ones, for each of the three columns.
std::vector<uint8_t> dueprevisioni(const std::string (&testi)[3][2]) {
    std::vector<uint8_t> atteso;
    for (const auto& colonna : testi) {
        accoda(atteso, record(colonna[0]));
        accoda(atteso, record(colonna[1]));
        accoda(atteso, std::vector<uint8_t>(2 * 98, 0));
    }
    return atteso;
}

// A folder of each test's own: ctest runs these tests side by side, a process each.
class Filepronostici : public ::testing::Test {
  protected:
    prova::Cartella cartella;
    std::string file() const { return (cartella / "pronostico.pro").string(); }
};

TEST_F(Filepronostici, NessunGruppoSeicentoZeri) {
    ASSERT_TRUE(scrivisopra(file(), pronosticiclassifica({}, 2)));
    EXPECT_EQ(prova::leggi(file()), std::vector<uint8_t>(600, 0));
}

// A Bari row and an all-wheels row of a terno ranking; a row without a group adds nothing.
TEST_F(Filepronostici, RigaDiBariERigaDiTutte) {
    const std::vector<Riga> righe = {
        {1, {5, 17, 33}, 4, true}, {11, {1, 2, 90}, 3, true}, {0, {}, INIZIOMINIMI, true}};
    ASSERT_TRUE(scrivisopra(file(), pronosticiclassifica(righe, 3)));
    const std::string testi[3][2] = {
        {"Ba", "Ba.Ca.Fi.Ge.Mi.Na.Pa.Ro.To.Ve"}, {"05.17.33", "01.02.90"}, {"T", "T"}};
    const std::vector<uint8_t> atteso = dueprevisioni(testi);
    EXPECT_EQ(atteso.size(), 600u + 2 + 29 + 8 + 8 + 1 + 1);
    EXPECT_EQ(prova::leggi(file()), atteso);
}

// Written in place over a longer file: its bytes past the new end stay.
TEST_F(Filepronostici, SopraUnFilePiuLungoNeRestaLaCoda) {
    std::vector<uint8_t> vecchio(1000, 0xAB);
    prova::scrivi(file(), vecchio);
    const std::vector<Riga> righe = {{6, {1, 2}, 9, true}, {6, {3, 4}, 8, true}};
    ASSERT_TRUE(scrivisopra(file(), pronosticiclassifica(righe, 2)));
    const std::string testi[3][2] = {{"Na", "Na"}, {"01.02", "03.04"}, {"A", "A"}};
    std::vector<uint8_t> atteso = dueprevisioni(testi);
    atteso.insert(atteso.end(), vecchio.begin() + static_cast<ptrdiff_t>(atteso.size()),
                  vecchio.end());
    EXPECT_EQ(prova::leggi(file()), atteso);
}

// Over a file of a gigabyte, almost all hole: the tail is carried over without being read
// or filled, down to its last byte.
TEST_F(Filepronostici, SopraUnFileEnormeLaCodaRestaSenzaRiempirne) {
    constexpr long long LUNGHEZZA = 1LL << 30;
    constexpr long long POCO = 16LL << 20;
    if (!prova::scrivisparso(file(), std::vector<uint8_t>(700, 0xAB), LUNGHEZZA, 0x5A))
        GTEST_SKIP() << "this file system keeps no holes";
    const long long letti = prova::byteletti();
    ASSERT_TRUE(scrivisopra(file(), pronosticiclassifica({}, 2)));
    EXPECT_LT(prova::byteletti() - letti, POCO);
    EXPECT_EQ(std::filesystem::file_size(file()), static_cast<std::uintmax_t>(LUNGHEZZA));
    EXPECT_LT(prova::occupati(file()), POCO);
    std::vector<uint8_t> atteso(700, 0xAB); // an empty group is 600 zeros
    std::fill_n(atteso.begin(), 600, 0);
    EXPECT_EQ(prova::leggi(file(), 0, 700), atteso);
    EXPECT_EQ(prova::leggi(file(), LUNGHEZZA - 1, 1), std::vector<uint8_t>{0x5A});
}

} // namespace
