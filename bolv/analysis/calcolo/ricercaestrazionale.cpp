#include "ricercaestrazionale.h"

#include "elabora.h"
#include "testo.h"

namespace bolv {

bool cellavalida(const std::string& testo) {
    const double v = Val(testo);
    return v >= 0 && v <= 90;
}

namespace {

struct Cella {
    double valore;
    int distanza; // of its draw from n
    int ruota, posizione;
};

// The filled cells in the order they are examined: wheel by wheel, position by position,
// the middle draw before the earlier and the later.
std::vector<Cella> celleattive(const Modelloestrazionale& m) {
    std::vector<Cella> celle;
    const int blocchi[] = {1, 0, 2};
    const int distanze[] = {-m.distanzaprima, 0, m.distanzadopo};
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            for (int b : blocchi) {
                const double v = m.celle[Modelloestrazionale::indice(b, w, p)];
                if (v != 0) celle.push_back({v, distanze[b], w, p});
            }
    return celle;
}

bool soddisfatta(const Stato& s, const Cella& c, int n, bool posizione) {
    const int d = n + c.distanza;
    if (posizione) return s.estr(d, c.ruota, c.posizione) == c.valore;
    for (int p = 1; p <= 5; ++p)
        if (s.estr(d, c.ruota, p) == c.valore) return true;
    return false;
}

} // namespace

std::vector<int> ricercaestrazionale(const Stato& s, const Modelloestrazionale& m) {
    const std::vector<Cella> celle = celleattive(m);
    const int prima = s.primaestrazione + m.distanzaprima;
    const int ultima = s.ultimaestrazione - m.distanzadopo;
    std::vector<int> trovate;
    for (int n = prima; n <= ultima; ++n) {
        if (n % 80 == 0) s.interfaccia().progresso(percentuale(n - prima, ultima - prima));
        bool uscita = true;
        for (const Cella& c : celle)
            if (!soddisfatta(s, c, n, m.posizione)) {
                uscita = false;
                break;
            }
        if (uscita) trovate.push_back(n);
    }
    return trovate;
}

} // namespace bolv
