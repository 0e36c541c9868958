#include "filepronostici.h"

#include "filesicuri.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace bolv {

const char* const CODICIRUOTE[10] = {"Ba", "Ca", "Fi", "Ge", "Mi", "Na", "Pa", "Ro", "To", "Ve"};
const char CODICISORTI[5] = {'M', 'A', 'T', 'Q', 'C'};

namespace {

constexpr int RECORD = 3 * MAXPRONOSTICI;
// The longest forecast texts: ten wheels, ten numbers, five sorti. No valid
// file needs more bytes than this to hold its 300 records.
constexpr size_t MASSIMOUTILE = 2 * RECORD + MAXPRONOSTICI * (29 + 29 + 9);

// The items of a text of fixed-width items joined by "."; nullopt when the
// text is not such a list (an empty text is no list).
std::optional<std::vector<std::string>> elementi(const std::string& t, size_t larghezza) {
    if ((t.size() + 1) % (larghezza + 1) != 0) return std::nullopt;
    std::vector<std::string> v;
    for (size_t i = 0; i < t.size(); i += larghezza + 1) {
        if (i + larghezza < t.size() && t[i + larghezza] != '.') return std::nullopt;
        v.push_back(t.substr(i, larghezza));
    }
    return v;
}

bool distinti(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return std::adjacent_find(v.begin(), v.end()) == v.end();
}

bool numerovalido(const std::string& e) {
    if (!std::isdigit(static_cast<unsigned char>(e[0])) ||
        !std::isdigit(static_cast<unsigned char>(e[1])))
        return false;
    const int n = (e[0] - '0') * 10 + (e[1] - '0');
    return n >= 1 && n <= 90;
}

bool ruotavalida(const std::string& e) {
    return std::any_of(std::begin(CODICIRUOTE), std::end(CODICIRUOTE),
                       [&](const char* c) { return e == c; });
}

// The order of a sorte letter (1 ambata .. 5 cinquina), 0 for any other text.
int ordinesorte(const std::string& e) {
    const auto* p = std::find(std::begin(CODICISORTI), std::end(CODICISORTI), e[0]);
    return p == std::end(CODICISORTI) ? 0 : static_cast<int>(p - CODICISORTI) + 1;
}

void aggiungirecord(std::vector<uint8_t>& img, const std::string& t) {
    if (t.size() > 0xFFFF) throw std::length_error("testo di pronostico troppo lungo");
    img.push_back(static_cast<uint8_t>(t.size() & 0xFF));
    img.push_back(static_cast<uint8_t>(t.size() >> 8));
    img.insert(img.end(), t.begin(), t.end());
}

// The 300 texts of an image in record order, or nullopt when it ends first.
std::optional<std::vector<std::string>> record(std::span<const uint8_t> img) {
    std::vector<std::string> testi;
    size_t pos = 0;
    for (int k = 0; k < RECORD; ++k) {
        if (img.size() - pos < 2) return std::nullopt;
        const size_t l = img[pos] | static_cast<size_t>(img[pos + 1]) << 8;
        pos += 2;
        if (img.size() - pos < l) return std::nullopt;
        testi.emplace_back(img.begin() + pos, img.begin() + pos + l);
        pos += l;
    }
    return testi;
}

} // namespace

bool pronosticovalido(const Pronostico& p) {
    const auto ruote = elementi(p.ruote, 2);
    const auto numeri = elementi(p.numeri, 2);
    const auto sorti = elementi(p.sorti, 1);
    if (!ruote || !numeri || !sorti || ruote->size() > 10 || numeri->size() > MAXNUMERIPRONOSTICO ||
        sorti->size() > 5)
        return false;
    const auto quanti = static_cast<int>(numeri->size());
    return distinti(*ruote) && distinti(*numeri) && distinti(*sorti) &&
           std::all_of(ruote->begin(), ruote->end(), ruotavalida) &&
           std::all_of(numeri->begin(), numeri->end(), numerovalido) &&
           std::all_of(sorti->begin(), sorti->end(), [&](const std::string& e) {
               const int s = ordinesorte(e);
               return s > 0 && s <= quanti;
           });
}

std::vector<uint8_t> codificagruppo(const std::vector<Pronostico>& gruppo) {
    if (gruppo.size() > MAXPRONOSTICI) throw std::length_error("gruppo di pronostici oltre 100");
    std::vector<uint8_t> img;
    for (auto campo : {&Pronostico::ruote, &Pronostico::numeri, &Pronostico::sorti})
        for (size_t i = 0; i < MAXPRONOSTICI; ++i)
            aggiungirecord(img, i < gruppo.size() ? gruppo[i].*campo : std::string());
    return img;
}

std::optional<std::vector<Pronostico>> decodificagruppo(std::span<const uint8_t> immagine) {
    const auto testi = record(immagine);
    if (!testi) return std::nullopt;
    std::vector<Pronostico> gruppo;
    for (int i = 0; i < MAXPRONOSTICI; ++i) {
        Pronostico p{(*testi)[i], (*testi)[MAXPRONOSTICI + i], (*testi)[2 * MAXPRONOSTICI + i]};
        if (p.ruote.empty()) {
            if (p != Pronostico{}) return std::nullopt;
            continue;
        }
        // The system writes forecasts from the first slot on, with no gap.
        if (gruppo.size() != static_cast<size_t>(i) || !pronosticovalido(p)) return std::nullopt;
        gruppo.push_back(std::move(p));
    }
    return gruppo;
}

bool scrivigruppo(const std::string& path, const std::vector<Pronostico>& gruppo) {
    std::vector<uint8_t> img;
    try {
        img = codificagruppo(gruppo);
    } catch (const std::length_error&) {
        return false;
    }
    return scrivifilesicuro(path, img);
}

std::optional<std::vector<Pronostico>> leggigruppo(const std::string& path) {
    // Only the first bytes a valid file can need are read, so a large foreign
    // file costs nothing.
    const auto img = leggiinizio(path, MASSIMOUTILE);
    if (!img) return std::nullopt;
    return decodificagruppo(*img);
}

} // namespace bolv
