#include "ricercastatistica.h"

#include "combinatoria.h"
#include "testo.h"

#include <algorithm>

namespace bolv {

int Combinazione::numruote() const {
    return static_cast<int>(std::count(ruote.begin(), ruote.end(), true));
}

std::optional<Combinazione> readinput(const std::string& testo, int sorte,
                                      const std::array<bool, 10>& ruote) {
    if (!std::all_of(testo.begin(), testo.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '.'; }))
        return std::nullopt;
    Combinazione c;
    c.sorte = sorte;
    c.ruote = ruote;
    if (c.numruote() == 0) return std::nullopt;
    if (contaseparatori(testo, ".") + 1 > MAXNUMERIRICERCA) return std::nullopt;
    bool presente[91] = {};
    for (const std::string& campo : dividistringa(testo, ".")) {
        // Val reads the whole run of digits as a double: "300" stays 300, never narrowed.
        const double v = Val(campo);
        if (v == 0 || v > 90) return std::nullopt;
        const int n = static_cast<int>(v);
        if (presente[n]) return std::nullopt;
        presente[n] = true;
        c.numeri.push_back(n);
    }
    if (sorte < 1 || sorte > 5 || sorte > static_cast<int>(c.numeri.size())) return std::nullopt;
    return c;
}

namespace {

// The end of one draw: a hit closes the running delay, a draw counted without a hit
// raises it.
void chiudiestrazione(Esitoricerca& e, int d, bool uscita, bool contata) {
    if (!uscita) {
        if (contata) ++e.ritardoattuale;
        return;
    }
    e.estrazioniuscita.push_back(d);
    // Among equal delays the earliest stays; the first hit always records one, so a
    // combination out at every draw counted has its historical delay 0 with a date.
    if (e.ritardoattuale > e.ritardomassimo || e.estrazionemassimo == 0) {
        e.ritardomassimo = e.ritardoattuale;
        e.estrazionemassimo = d;
    }
    if (static_cast<size_t>(e.ritardoattuale) >= e.frequenzeritardi.size())
        e.frequenzeritardi.resize(e.ritardoattuale + 1);
    ++e.frequenzeritardi[e.ritardoattuale];
    e.ritardoattuale = 0;
}

void ciclicita(const Stato& s, const Combinazione& c, Esitoricerca& e) {
    e.ciclicitateorica = bolv::ciclicita(static_cast<int>(c.numeri.size()), c.sorte) / c.numruote();
    if (e.presenze == 0) return;
    e.ciclicitaeffettiva =
        static_cast<double>(s.ultimaestrazione - e.inizioperiodo + 1) / e.presenze;
    e.scompenso = *e.ciclicitaeffettiva - e.ciclicitateorica;
}

} // namespace

Esitoricerca ricercaroutine(const Stato& s, const Combinazione& c) {
    Esitoricerca e;
    const int prima = s.primaestrazione, ultima = s.ultimaestrazione;
    bool cercato[91] = {};
    for (int n : c.numeri)
        cercato[n] = true;
    for (int d = prima; d <= ultima; ++d) {
        bool uscita = false, contata = false;
        for (int w = 1; w <= 10; ++w) {
            if (!c.ruote[w - 1]) continue;
            int quanti = 0;
            for (int p = 1; p <= 5; ++p)
                quanti += cercato[s.estr(d, w, p)];
            if (quanti >= c.sorte) {
                uscita = true;
                e.presenze += numcombinazioni(quanti, c.sorte);
                if (e.uscite.size() < static_cast<size_t>(MAXRIGHEPRESENZE))
                    e.uscite.push_back({d, w});
                else
                    e.oltre = true;
            }
            if (s.estr(d, w, 1) != 0) contata = true;
        }
        if (contata && e.inizioperiodo == 0) e.inizioperiodo = d;
        chiudiestrazione(e, d, uscita, contata);
    }
    if (e.inizioperiodo == 0) e.inizioperiodo = prima;
    if (e.estrazioniuscita.empty()) {
        e.storicoassente = true;
        e.ritardomassimo = std::max(0, ultima - prima);
    }
    ciclicita(s, c, e);
    return e;
}

} // namespace bolv
