#include "editazione.h"

#include "testo.h"

#include <algorithm>
#include <cmath>

namespace bolv {

namespace {

// The largest year whose century still fits the byte the file keeps it in.
constexpr int ANNOMASSIMO = 25599;

// Copies the date and numbers (positions 1..5 of rows 0..10) of slot da to slot a.
void copiaslot(Stato& s, int da, int a) {
    for (int r = 0; r < NUMRIGHE; ++r)
        for (int p = 1; p < NUMPOSIZIONI; ++p)
            s.estr(a, r, p) = s.estr(da, r, p);
    s.dateestrazioni[a] = s.dateestrazioni[da];
}

struct Slot {
    std::array<int16_t, NUMRIGHE * NUMPOSIZIONI> valori{};
    Data data;
};

Slot leggislot(const Stato& s, int d) {
    Slot c;
    for (int r = 0; r < NUMRIGHE; ++r)
        for (int p = 1; p < NUMPOSIZIONI; ++p)
            c.valori[r * NUMPOSIZIONI + p] = s.estr(d, r, p);
    c.data = s.dateestrazioni[d];
    return c;
}

void scrivislot(Stato& s, int d, const Slot& c) {
    for (int r = 0; r < NUMRIGHE; ++r)
        for (int p = 1; p < NUMPOSIZIONI; ++p)
            s.estr(d, r, p) = c.valori[r * NUMPOSIZIONI + p];
    s.dateestrazioni[d] = c.data;
}

bool interoin(double v, int minimo, int massimo) {
    return v >= minimo && v <= massimo;
}

} // namespace

bool archiviomodificabile(const Stato& s) {
    if (s.modoestrazioni == 0) return true;
    s.interfaccia().avviso("Con le estrazioni alterne attive la memoria contiene solo una parte "
                           "dell'archivio, che quindi non può essere modificato. Ripristinare il "
                           "modo continuo (Estrazioni alterne: Tutte) e ripetere l'operazione.");
    return false;
}

void inserimentodopo(Stato& s, int d) {
    s.puntoinserimento = d;
    s.modoaccoda = false;
}

void cancellaestrazione(Stato& s, int c) {
    for (int d = c; d < NUMSLOT; ++d) {
        for (int r = 0; r < NUMRIGHE; ++r)
            for (int p = 0; p < NUMPOSIZIONI; ++p) {
                s.estr(d, r, p) = s.estr(d + 1, r, p);
                s.ritardiuscita[indicearchivio(d, r, p)] =
                    s.ritardiuscita[indicearchivio(d + 1, r, p)];
            }
        s.dateestrazioni[d] = s.dateestrazioni[d + 1];
    }
    for (int r = 0; r < NUMRIGHE; ++r)
        for (int p = 0; p < NUMPOSIZIONI; ++p) {
            s.estr(NUMSLOT, r, p) = 0;
            s.ritardiuscita[indicearchivio(NUMSLOT, r, p)] = 0;
        }
    s.dateestrazioni[NUMSLOT] = Data{};
}

Scritturaarchivio scritturacancellazione(int c) {
    const Scritturaarchivio scrivi =
        modificaestrazioni([c](Stato& st) { cancellaestrazione(st, c); });
    return [scrivi](Stato& s) {
        auto ritardi = s.ritardiuscita;
        if (scrivi(s)) return true;
        s.ritardiuscita = std::move(ritardi);
        return false;
    };
}

void scambiaestrazioni(Stato& s, int a, int b) {
    const Slot copia = leggislot(s, a);
    copiaslot(s, b, a);
    scrivislot(s, b, copia);
}

void spostaestrazione(Stato& s, int a, int b) {
    const Slot copia = leggislot(s, a);
    if (b <= a)
        for (int d = a; d > b; --d)
            copiaslot(s, d - 1, d);
    else
        for (int d = a; d < b; ++d)
            copiaslot(s, d + 1, d);
    scrivislot(s, b, copia);
}

std::optional<Data> nuovadata(const std::string& giorno, const std::string& mese,
                              const std::string& anno) {
    if (giorno.empty() || mese.empty() || anno.empty()) return std::nullopt;
    const double g = std::nearbyint(Val(giorno));
    const double m = std::nearbyint(Val(mese));
    double a = std::nearbyint(Val(anno));
    if (interoin(a, 0, 99)) a += 1900;
    if (!interoin(g, 1, 31) || !interoin(m, 1, 12) || !interoin(a, 1870, ANNOMASSIMO))
        return std::nullopt;
    const Data data = Data::normalizzata(int(a), int(m), int(g));
    // A day beyond the end of its month would carry over: not a real date.
    if (data.giorno != int(g)) return std::nullopt;
    return data;
}

void ridataestrazione(Stato& s, int d, const Data& data) {
    s.estr(d, 0, 1) = static_cast<int16_t>(data.giorno);
    s.estr(d, 0, 2) = static_cast<int16_t>(data.mese);
    s.estr(d, 0, 3) = static_cast<int16_t>(data.anno % 100);
    s.estr(d, 0, 4) = static_cast<int16_t>(data.anno / 100);
    s.dateestrazioni[d] = data;
}

void modificanumero(Stato& s, int d, int w, int p, int n) {
    s.estr(d, w, p) = static_cast<int16_t>(n);
}

std::optional<int> slotdigitato(const Stato& s, const std::string& risposta) {
    const double v = Val(risposta);
    if (!(v >= s.primaestrazione && v <= s.numestrazioni)) return std::nullopt;
    return static_cast<int>(std::nearbyint(v));
}

} // namespace bolv
