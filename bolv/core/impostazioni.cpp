#include "impostazioni.h"

#include "datifile.h"
#include "filesicuri.h"

namespace bolv {

namespace {

constexpr int annidinizio[] = {1871, 1939, 1945};
constexpr int dimensionepredefinita = 3; // the option "8"

bool inintervallo(int valore, int minimo, int massimo) {
    return valore >= minimo && valore <= massimo;
}

Spunta spunta(int16_t valore) {
    return inintervallo(valore, 0, 2) ? static_cast<Spunta>(valore) : Spunta::no;
}

int indicedimensione(int16_t valore) {
    return inintervallo(valore, 0, 5) ? valore : dimensionepredefinita;
}

} // namespace

bool salvaconfigurazione(Stato& s, const Slotconfigurazione& nuova) {
    if (!scrivifilesicuro(s.percorso("bolv.cfg"), immagineconfigurazione(nuova))) return false;
    s.configurazione = nuova;
    return true;
}

int annodaopzione(int indice) {
    return annidinizio[inintervallo(indice, 0, 2) ? indice : 0];
}

Avvioconfigurato configurazioneavvio(const Slotconfigurazione& c) {
    Avvioconfigurato a;
    a.sfondo = c[1] == 1;
    a.benvenuto = c[2] == 1;
    a.annoinizio = annodaopzione(c[3]);
    a.animazione = c[4] != 0;
    a.stampasufile = c[5] != 0;
    a.barrastandard = c[8] == 1;
    a.barrafunzioni = c[9] == 1;
    a.dimensionecarattere = indicedimensione(c[21]) + 5;
    return a;
}

Sceltedialogo sceltedaconfigurazione(const Slotconfigurazione& c) {
    Sceltedialogo s;
    s.sfondo = c[1] == 1;
    s.benvenuto = c[2] == 1;
    s.inizio = inintervallo(c[3], 0, 2) ? c[3] : 0;
    s.rotazione = c[4] == 1;
    // The program prints to a file for every value but 0, so that is what the dialog shows.
    s.output = c[5] == 0 ? 0 : 1;
    s.standard = spunta(c[8]);
    s.funzioni = spunta(c[9]);
    for (int i = 0; i < 10; ++i)
        s.ruote[i] = spunta(c[11 + i]);
    s.dimensione = indicedimensione(c[21]);
    return s;
}

Slotconfigurazione configurazionedascelte(const Sceltedialogo& s,
                                          const Slotconfigurazione& precedente) {
    Slotconfigurazione c = precedente;
    c[1] = s.sfondo ? 1 : 0;
    c[2] = s.benvenuto ? 1 : 0;
    c[3] = static_cast<int16_t>(s.inizio);
    c[4] = s.rotazione ? 1 : 0;
    c[5] = static_cast<int16_t>(s.output);
    c[8] = static_cast<int16_t>(s.standard);
    c[9] = static_cast<int16_t>(s.funzioni);
    for (int i = 0; i < 10; ++i)
        c[11 + i] = static_cast<int16_t>(s.ruote[i]);
    c[21] = static_cast<int16_t>(s.dimensione);
    return c;
}

} // namespace bolv
