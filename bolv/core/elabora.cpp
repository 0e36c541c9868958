#include "elabora.h"

#include "archivio.h"
#include "testo.h"

#include <algorithm>

namespace bolv {

namespace {

void fissafinestra(Stato& s) {
    const int n = contaestrazioni(s);
    if (n >= 0) s.numestrazioni = n;
    if (s.annoinizio != 0) {
        s.primaestrazione = slotanno(s, s.annoinizio);
        s.annoinizio = 0;
    }
    s.primaestrazione = std::clamp(s.primaestrazione, 1, std::max(1, s.numestrazioni));
    if (s.numestrazioni < s.ultimaestrazione) s.ultimaestrazione = s.numestrazioni;
    if (s.reimpostaultima || s.avvioincorso || s.ultimaestrazione < s.primaestrazione) {
        s.ultimaestrazione = s.numestrazioni;
        s.reimpostaultima = false;
    }
}

// Numbers each wheel's draws within the window and returns the last counter of
// each wheel; outside the window the counter stays 0 (the reader cleared it).
std::array<int, 12> indicizza(Stato& s) {
    std::array<int, 12> finali{};
    for (int w = 1; w <= 10; ++w) {
        int16_t* contatore = &s.estr(1, w, 0);
        const int16_t* primo = &s.estr(1, w, 1);
        int c = 0;
        for (int d = s.primaestrazione; d <= s.ultimaestrazione; ++d)
            if (primo[d - 1] != 0) contatore[d - 1] = static_cast<int16_t>(++c);
        finali[w] = c;
    }
    finali[RUOTATUTTE] = std::max(0, s.ultimaestrazione - s.primaestrazione + 1);
    return finali;
}

// The ordinal of every draw held within its year and its month. Computed over
// the whole archive, not just the window, so a draw has the same ordinals
// whatever window was analysed last.
void calcolaprogressivi(Stato& s) {
    uint8_t* anno = s.progressivi.data();
    uint8_t* mese = anno + NUMSLOT;
    for (int d = 1; d <= s.numestrazioni; ++d) {
        const int i = d - 1;
        const bool stessoanno = d > 1 && s.dateestrazioni[d].anno == s.dateestrazioni[d - 1].anno;
        const bool stessomese =
            stessoanno && s.dateestrazioni[d].mese == s.dateestrazioni[d - 1].mese;
        anno[i] = stessoanno ? static_cast<uint8_t>(anno[i - 1] + 1) : 1;
        mese[i] = stessomese ? static_cast<uint8_t>(mese[i - 1] + 1) : 1;
    }
}

// One pass over the window: presences, the delay of every number drawn
// (ritardiuscita) and the historical delays; ultime receives the last
// appearance of each number (wheel counter, or slot for the all-wheels column).
void scansiona(Stato& s, std::array<int32_t, 990>& ultime) {
    Interfaccia& ui = s.interfaccia();
    const int prima = s.primaestrazione, ultima = s.ultimaestrazione;
    std::fill(ultime.begin(), ultime.end(), 0);
    // A number not yet drawn counts its all-wheels delay from the window's start.
    std::fill(ultime.begin() + indicenumero(1, RUOTATUTTE), ultime.end(), prima - 1);
    for (int d = prima; d <= ultima; ++d) {
        ui.eventi();
        if (!s.avvioincorso && d % 35 == 0) ui.progresso(percentuale(d - prima, ultima - prima));
        for (int w = 1; w <= 10; ++w) {
            const int t = s.estr(d, w, 0);
            for (int p = 1; p <= 5; ++p) {
                const int n = s.estr(d, w, p);
                if (n == 0) break;
                const int iw = indicenumero(n, w), it = indicenumero(n, RUOTATUTTE);
                ++s.presenzenumeri[iw];
                ++s.presenzenumeri[it];
                const int rw = t - ultime[iw] - 1;
                s.ritardiuscita[indicearchivio(d, w, p)] = static_cast<int16_t>(rw);
                s.storicinumeri[iw] = std::max(s.storicinumeri[iw], rw);
                // A second hit in the same draw gives -1, which changes nothing.
                s.storicinumeri[it] = std::max(s.storicinumeri[it], d - ultime[it] - 1);
                ultime[iw] = t;
                ultime[it] = d;
            }
        }
    }
}

void ritardicorrenti(Stato& s, const std::array<int32_t, 990>& ultime,
                     const std::array<int, 12>& finali) {
    for (int w = 1; w <= 10; ++w)
        for (int n = 1; n <= 90; ++n)
            s.ritardinumeri[indicenumero(n, w)] = finali[w] - ultime[indicenumero(n, w)];
    for (int n = 1; n <= 90; ++n)
        s.ritardinumeri[indicenumero(n, RUOTATUTTE)] =
            s.ultimaestrazione - ultime[indicenumero(n, RUOTATUTTE)];
}

void etichetta(Stato& s, const char* testo) {
    if (s.avvioincorso) s.interfaccia().etichettaavvio(testo);
}

} // namespace

int percentuale(int fatto, int totale) {
    if (totale <= 0) return 100;
    return std::clamp(static_cast<int>(static_cast<long long>(fatto) * 100 / totale), 0, 100);
}

std::array<int, 12> contatorifinali(const Stato& s) {
    std::array<int, 12> finali{};
    for (int w = 1; w <= 10; ++w)
        for (int d = s.ultimaestrazione; d >= std::max(1, s.primaestrazione) && finali[w] == 0; --d)
            finali[w] = s.estr(d, w, 0);
    finali[RUOTATUTTE] = std::max(0, s.ultimaestrazione - s.primaestrazione + 1);
    return finali;
}

bool elabora(Stato& s) {
    Interfaccia& ui = s.interfaccia();
    const bool avvio = s.avvioincorso;
    if (!avvio) ui.clessidra(true);
    etichetta(s, "Inizializzazione matrici...");
    // Read before anything is dropped: a refused file leaves every table as it was.
    if (!leggiarchivio(s)) {
        if (!avvio) ui.clessidra(false);
        return false;
    }
    disattivaambiterni(s);
    s.presenzenumeri.fill(0);
    s.ritardinumeri.fill(0);
    s.storicinumeri.fill(0);
    std::fill(s.ritardiuscita.begin(), s.ritardiuscita.end(), 0);

    etichetta(s, "Conteggio estrazioni...");
    fissafinestra(s);
    etichetta(s, "Indicizzazione estrazioni...");
    const auto finali = indicizza(s);
    calcolaprogressivi(s);

    etichetta(s, "Conteggio proprietà...");
    if (!avvio) ui.mostramessaggio("Elaborazione archivio in corso...");
    std::array<int32_t, 990> ultime;
    scansiona(s, ultime);
    etichetta(s, "Finalizzazione ritardi...");
    ritardicorrenti(s, ultime, finali);

    if (!avvio) {
        ui.clessidra(false);
        ui.progresso(0);
        ui.chiudimessaggio();
    }
    ui.aggiornastato();
    ui.chiudianalisi();
    if (!avvio) ui.clessidra(false);
    return true;
}

bool impostaestremi(Stato& s, int prima, int ultima) {
    s.primaestrazione = prima;
    s.ultimaestrazione = ultima;
    s.annoinizio = 0;
    return elabora(s);
}

void disattivaambiterni(Stato& s) {
    s.ambiattivi = false;
    s.ternattivi = false;
    // Swapping with empty vectors gives the 5 MB of the triple tables back.
    std::vector<int16_t>().swap(s.ritarditerni);
    std::vector<int16_t>().swap(s.presenzeterni);
    std::vector<int16_t>().swap(s.ritardiambi);
    std::vector<int16_t>().swap(s.presenzeambi);
    std::vector<int16_t>().swap(s.storiciambi);
    s.interfaccia().disattivaambiterni();
}

std::string testostato(const Stato& s) {
    const auto data = [&](int d) {
        return formatodata(s.dateestrazioni[std::clamp(d, 0, NUMSLOT)], "dd.mm.yy");
    };
    std::string testo = Str(s.primaestrazione) + " (" + data(s.primaestrazione) + " )" + " --> " +
                        Str(s.ultimaestrazione) + " (" + data(s.ultimaestrazione) + " )" +
                        "     <" + Str(s.ultimaestrazione - s.primaestrazione + 1) +
                        " estrazioni >";
    static const char* const MODI[] = {" TUTTE", " SABATO", " MERCOLEDI"};
    if (s.modoestrazioni >= 0 && s.modoestrazioni <= 2) testo += MODI[s.modoestrazioni];
    return testo;
}

} // namespace bolv
