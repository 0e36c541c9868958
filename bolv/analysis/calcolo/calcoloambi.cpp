#include "calcoloambi.h"

#include <algorithm>
#include <cctype>

namespace bolv {

std::vector<Ambo> copiaambi(const Vistaambi& v) {
    std::vector<Ambo> ambi;
    ambi.reserve(4005);
    for (int a = 1; a <= 89; ++a)
        for (int b = a + 1; b <= 90; ++b) {
            Ambo x{a, b, {}};
            for (int w = 1; w <= RUOTATUTTE; ++w) {
                x.valori[0][w - 1] = v.ritardo(w, a, b);
                x.valori[1][w - 1] = v.storico(w, a, b);
                x.valori[2][w - 1] = v.presenze(w, a, b);
            }
            ambi.push_back(x);
        }
    return ambi;
}

std::optional<int> capogiocoambi(const std::string& testo) {
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string::npos) return std::nullopt;
    const std::string t = testo.substr(inizio, testo.find_last_not_of(' ') - inizio + 1);
    if (t == "Nessuno") return 0;
    if (t.size() > 2 ||
        !std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int n = std::stoi(t);
    if (n < 1 || n > 90) return std::nullopt;
    return n;
}

std::vector<int> righeambi(const std::vector<Ambo>& ambi, int h, int statistica, int colonna) {
    std::vector<int> righe;
    for (int k = 0; k < static_cast<int>(ambi.size()); ++k)
        if (h == 0 || ambi[k].a == h || ambi[k].b == h) righe.push_back(k);
    if (colonna >= 1 && colonna <= 11)
        std::stable_sort(righe.begin(), righe.end(), [&](int x, int y) {
            return ambi[x].valori[statistica][colonna - 1] >
                   ambi[y].valori[statistica][colonna - 1];
        });
    return righe;
}

} // namespace bolv
