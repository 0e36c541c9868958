#include "ricercaestrazioni.h"

#include "testo.h"

#include <cmath>
#include <cstdlib>

namespace bolv {

namespace {

// The years a calendar date can be composed in.
constexpr int ANNOMINIMO = 100;
constexpr int ANNOMASSIMO = 9999;

double campo(const std::string& testo, size_t inizio, size_t lunghezza) {
    if (inizio >= testo.size()) return 0;
    return std::nearbyint(Val(testo.substr(inizio, lunghezza)));
}

} // namespace

int passo(int p, int indice, int prima, int ultima) {
    switch (indice) {
    case 0:
        return p <= prima ? p : p - 1;
    case 1:
        return p <= prima + 50 ? prima : p - 50;
    case 2:
        return p >= ultima - 49 ? ultima : p + 50;
    default:
        return p >= ultima ? p : p + 1;
    }
}

std::optional<Datacercata> leggidatacercata(const std::string& risposta) {
    const double giorno = campo(risposta, 0, 2);
    const double mese = campo(risposta, 3, 2);
    double anno = campo(risposta, 6, 4);
    if (anno < 100) anno += 1900;
    // Calendar carry moves the year by at most a few: beyond these bounds no date exists.
    const Data composta = Data::normalizzata(static_cast<int>(anno), static_cast<int>(mese),
                                             static_cast<int>(giorno));
    if (composta.anno < ANNOMINIMO || composta.anno > ANNOMASSIMO) return std::nullopt;
    return Datacercata{static_cast<int>(giorno), static_cast<int>(mese), static_cast<int>(anno)};
}

int cercadata(const Stato& s, const Datacercata& data) {
    int d = s.primaestrazione;
    const auto avanza = [&](auto&& trovata) {
        while (d <= s.numestrazioni && !trovata(s.dateestrazioni[d]))
            ++d;
        return d <= s.numestrazioni;
    };
    if (!avanza([&](const Data& x) { return x.anno == data.anno; })) return 0;
    if (!avanza([&](const Data& x) { return x.mese == data.mese; })) return 0;
    if (!avanza([&](const Data& x) { return std::abs(x.giorno - data.giorno) < 5; })) return 0;
    return d;
}

Esitonumero cercanumero(const Stato& s, const std::string& risposta) {
    Esitonumero esito;
    const double v = Val(risposta);
    if (v >= s.primaestrazione && v <= s.numestrazioni) {
        esito.slot = static_cast<int>(std::nearbyint(v));
        return esito;
    }
    if (v < s.primaestrazione)
        esito.messaggi.push_back("Valore non compreso nell'intervallo indicato.\rNon si possono "
                                 "visualizzare estrazioni precedenti a quella settata come "
                                 "iniziale.");
    if (v < 1) esito.messaggi.push_back("E' stato inserito un valore negativo.");
    if (v > s.numestrazioni)
        esito.messaggi.push_back(
            "E' stato inserito un valore che eccede il numero di estrazioni memorizzate.");
    return esito;
}

} // namespace bolv
