#include "sodi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace bolv {

namespace {

constexpr int CADENZA0 = 8, DECINA0 = 18, FIGURA1 = 27, CIFRA1 = 36, CIFRA90 = 44;

} // namespace

bool nelfiltro(int k, int v) {
    if (k >= CIFRA1 && k < CIFRA90) return v / 10 == k - CIFRA1 + 1 || v % 10 == k - CIFRA1 + 1;
    if (k == CIFRA90) return v / 10 == 9 || v % 10 == 9 || v % 10 == 0;
    if (k >= FIGURA1) return v % 9 == (k - FIGURA1 + 1) % 9;
    if (k >= DECINA0) return v > 10 * (k - DECINA0) && v < 10 * (k - DECINA0) + 10;
    if (k >= CADENZA0) return v % 10 == k - CADENZA0;
    switch (k) {
    case 2:
        return v % 11 == 0;
    case 3:
        return v % 2 == 0;
    case 4:
        return v % 2 == 1;
    case 5:
        return v <= 30;
    case 6:
        return v >= 31 && v <= 60;
    case 7:
        return v >= 61;
    default:
        return true;
    }
}

Sommaruota sommaruota(const std::array<int, 5>& valori) {
    Sommaruota r;
    for (int v : valori)
        r.somma += v;
    r.media = r.somma / 5.0;
    return r;
}

int sommaestratti(int x, int y) {
    const int t = x + y;
    return t > 90 ? t - 90 : t;
}

int distanzaestratti(int x, int y) {
    return std::abs(x - y);
}

Tabellasodi tabellasodi(const Ruote& ruote, const Opzionisodi& opzioni) {
    Tabellasodi t;
    for (int w = 0; w < 10; ++w)
        for (int c = 0; c < 10; ++c) {
            const int x = ruote[w][COPPIE[c][0] - 1], y = ruote[w][COPPIE[c][1] - 1];
            t.valori[w][c] = opzioni.somme ? sommaestratti(x, y) : distanzaestratti(x, y);
        }
    for (int w = 0; w < 10; ++w)
        for (int c = 0; c < 10; ++c) {
            bool verde = (opzioni.somme && opzioni.somme90 && t.valori[w][c] == 90) ||
                         (!opzioni.somme && opzioni.distanze45 && t.valori[w][c] == 45);
            for (int altra = 0; altra < 10 && opzioni.isotopi && !verde; ++altra)
                verde = altra != w && t.valori[altra][c] == t.valori[w][c];
            t.evidenziate[w][c] = verde;
        }
    return t;
}

Punto puntocerchio(int n) {
    const double angolo = n * 3.1415 / 45;
    return {CENTROCERCHIO.x + RAGGIOCERCHIO * std::sin(angolo),
            CENTROCERCHIO.y - RAGGIOCERCHIO * std::cos(angolo)};
}

std::array<Punto, 5> poligonocerchio(std::array<int, 5> numeri) {
    std::sort(numeri.begin(), numeri.end(), std::greater<int>());
    std::array<Punto, 5> vertici;
    for (int i = 0; i < 5; ++i)
        vertici[i] = puntocerchio(numeri[i]);
    return vertici;
}

} // namespace bolv
