#include "archivio.h"

#include "filesicuri.h"

#include <algorithm>
#include <cstdio>

namespace bolv {

const std::array<const char*, 11> NOMIRUOTE = {"Bari",   "Cagliari", "Firenze", "Genova",
                                               "Milano", "Napoli",   "Palermo", "Roma",
                                               "Torino", "Venezia",  "Tutte"};

namespace {

const char* const NOMEARCHIVIO = "archivio.dat";
constexpr int MERCOLEDI = 4;
constexpr int SABATO = 7;
constexpr int MASSIMOESTRAZIONI = NUMSLOT - 1; // the end marker needs a free slot

std::string formato(const char* schema, auto... valori) {
    char testo[256];
    std::snprintf(testo, sizeof testo, schema, valori...);
    return testo;
}

int byte(const std::vector<uint8_t>& img, int d, int r, int p) {
    return img[indicearchivio(d, r, p)];
}

Data datadirecord(int giorno, int mese, int anno100, int secolo) {
    return Data::normalizzata(secolo * 100 + anno100, mese, giorno);
}

Data dataimmagine(const std::vector<uint8_t>& img, int d) {
    return datadirecord(byte(img, d, 0, 1), byte(img, d, 0, 2), byte(img, d, 0, 3),
                        byte(img, d, 0, 4));
}

// The checks below read an archive through valore(d, r, p): the bytes of a file
// or the 16-bit draws in memory before they are narrowed to bytes, so a value
// that the file cannot hold is refused rather than written as its low 8 bits.
template <typename Valore> std::optional<std::string> verificadata(const Valore& valore, int d) {
    const int giorno = valore(d, 0, 1), mese = valore(d, 0, 2);
    const int anno100 = valore(d, 0, 3), secolo = valore(d, 0, 4);
    const int anno = secolo * 100 + anno100;
    const bool inbyte = std::min({giorno, mese, anno100, secolo}) >= 0 &&
                        std::max({giorno, mese, anno100, secolo}) <= 255;
    // normalizzata moves an impossible day or month elsewhere: a real date is
    // one it leaves as it is.
    if (inbyte && anno >= 1870 &&
        Data::normalizzata(anno, mese, giorno) == Data{anno, mese, giorno})
        return std::nullopt;
    return formato("l'estrazione n. %d ha una data impossibile (%02d.%02d.%d).", d, giorno, mese,
                   anno);
}

template <typename Valore>
std::optional<std::string> verificaruota(const Valore& valore, int d, int w) {
    uint64_t visti[2] = {0, 0}; // one bit per number 1..90
    for (int p = 1; p <= 5; ++p) {
        const int n = valore(d, w, p);
        if (n < 0 || n > 90)
            return formato("l'estrazione n. %d contiene sulla ruota di %s il numero %d, fuori "
                           "dall'intervallo da 1 a 90.",
                           d, NOMIRUOTE[w - 1], n);
        if (n == 0) continue;
        const uint64_t bit = uint64_t{1} << (n % 64);
        if (visti[n / 64] & bit)
            return formato("l'estrazione n. %d contiene due volte il numero %d sulla ruota di %s.",
                           d, n, NOMIRUOTE[w - 1]);
        visti[n / 64] |= bit;
    }
    return std::nullopt;
}

template <typename Valore> bool slotvuoto(const Valore& valore, int d) {
    for (int r = 0; r < NUMRIGHE; ++r)
        for (int p = 1; p < NUMPOSIZIONI; ++p)
            if (valore(d, r, p) != 0) return false;
    return true;
}

// Draws up to the first empty slot (a day of 0).
template <typename Valore> int estrazionifino(const Valore& valore) {
    int d = 1;
    while (d <= NUMSLOT && valore(d, 0, 1) != 0)
        ++d;
    return d - 1;
}

template <typename Valore> std::optional<std::string> verifica(const Valore& valore) {
    const int estrazioni = estrazionifino(valore);
    if (estrazioni > MASSIMOESTRAZIONI)
        return std::string(
            "il file contiene 8000 estrazioni, mentre Bolv ne può gestire al massimo 7999.");
    for (int d = 1; d <= estrazioni; ++d) {
        if (auto motivo = verificadata(valore, d)) return motivo;
        for (int w = 1; w <= 10; ++w)
            if (auto motivo = verificaruota(valore, d, w)) return motivo;
    }
    for (int d = estrazioni + 1; d <= NUMSLOT; ++d)
        if (!slotvuoto(valore, d))
            return formato("dopo la fine delle estrazioni (n. %d) la posizione n. %d contiene dati "
                           "che non appartengono a nessuna estrazione.",
                           estrazioni, d);
    return std::nullopt;
}

// The first slot of the draws held that satisfies condizione, or 0.
template <typename Condizione> int primoslot(int estrazioni, Condizione condizione) {
    for (int d = 1; d <= estrazioni; ++d)
        if (condizione(d)) return d;
    return 0;
}

int primoslotanno(const Stato& s, int estrazioni, int anno) {
    const int d = primoslot(estrazioni, [&](int k) { return s.dateestrazioni[k].anno >= anno; });
    return std::max(1, d == 0 ? estrazioni : d);
}

// Whether memory holds archive slot d in weekday mode modo. Before the first
// Wednesday every draw is kept (mode 1) or none (mode 2); from it on, a draw
// is kept when it falls on the mode's own weekday. The real archive does not
// alternate Wednesdays and Saturdays, so the weekday of each draw decides. An
// archive without a Wednesday is held whole.
bool tenuto(int modo, int d, int primomercoledi, int giorno) {
    switch (modo) {
    case 0:
        return true;
    case 1:
        return primomercoledi == 0 || d < primomercoledi ||
               (d > primomercoledi && giorno == SABATO);
    case 2:
        return primomercoledi == 0 || (d >= primomercoledi && giorno == MERCOLEDI);
    default:
        return false;
    }
}

std::vector<int> slottenuti(const std::vector<uint8_t>& img, int estrazioni, int modo) {
    std::vector<int> giorni(static_cast<size_t>(estrazioni) + 1);
    int primomercoledi = 0;
    for (int d = 1; d <= estrazioni; ++d) {
        giorni[d] = dataimmagine(img, d).giornosettimana();
        if (giorni[d] == MERCOLEDI && primomercoledi == 0) primomercoledi = d;
    }
    std::vector<int> tenuti;
    tenuti.reserve(static_cast<size_t>(estrazioni));
    for (int d = 1; d <= estrazioni; ++d)
        if (tenuto(modo, d, primomercoledi, giorni[d])) tenuti.push_back(d);
    return tenuti;
}

// Copies archive slots tenuti[k] into memory slots k + 1, plane by plane so
// that reads and writes both run along the slots. Position 0 (the wheel
// counters) is never stored in the file and stays 0.
void copiaslot(Stato& s, const std::vector<uint8_t>& img, const std::vector<int>& tenuti) {
    for (int p = 1; p < NUMPOSIZIONI; ++p)
        for (int r = 0; r < NUMRIGHE; ++r) {
            const uint8_t* da = img.data() + indicearchivio(1, r, p) - 1;
            int16_t* a = &s.estr(1, r, p);
            for (size_t k = 0; k < tenuti.size(); ++k)
                a[k] = da[tenuti[k]];
        }
}

// Draws in the byte image (verified: the first empty slot ends them).
int estrazioniimmagine(const std::vector<uint8_t>& img) {
    return estrazionifino([&](int d, int r, int p) { return byte(img, d, r, p); });
}

void trovaslotnotevoli(Stato& s, int estrazioni) {
    s.slot1939 = primoslotanno(s, estrazioni, 1939);
    s.slot1945 = primoslotanno(s, estrazioni, 1945);
    const int cg =
        primoslot(estrazioni, [&](int k) { return s.estr(k, 2, 1) != 0 || s.estr(k, 4, 1) != 0; });
    s.slotcagliarigenova = std::max(1, cg);
}

} // namespace

std::optional<std::string> verificaarchivio(const std::vector<uint8_t>& img) {
    if (img.size() != static_cast<size_t>(DIMARCHIVIO))
        return formato("il file è di %zu byte invece di 528000.", img.size());
    return verifica([&](int d, int r, int p) { return byte(img, d, r, p); });
}

bool leggiarchivio(Stato& s) {
    Interfaccia& ui = s.interfaccia();
    if (s.avvioincorso) ui.etichettaavvio("Apertura archivio...");
    std::uintmax_t dimensione = DIMARCHIVIO;
    auto dati = leggifile(s.percorso(NOMEARCHIVIO), DIMARCHIVIO, &dimensione);
    std::optional<std::string> motivo;
    if (!dati && dimensione != DIMARCHIVIO)
        motivo = formato("il file è di %ju byte invece di 528000.", dimensione);
    else if (!dati)
        motivo = "il file non si può leggere.";
    else
        motivo = verificaarchivio(*dati);
    if (motivo) {
        ui.avviso("L'archivio delle estrazioni (archivio.dat) non è stato letto: " + *motivo +
                  "\nIl file non è stato modificato e i dati in memoria restano quelli di prima.");
        return false;
    }
    if (s.avvioincorso)
        ui.etichettaavvio("Lettura archivio... ");
    else
        ui.mostramessaggio("Lettura archivio in corso...");

    s.archiviofile = std::move(*dati);
    const auto& img = s.archiviofile;
    const auto tenuti = slottenuti(img, estrazioniimmagine(img), s.modoestrazioni);
    std::fill(s.estrazioni.begin(), s.estrazioni.end(), 0);
    copiaslot(s, img, tenuti);
    if (!s.avvioincorso) ui.progresso(100);
    const Data vuota = datadirecord(0, 0, 0, 0);
    for (int k = 1; k <= NUMSLOT; ++k)
        s.dateestrazioni[k] = s.estr(k, 0, 1) == 0 ? vuota
                                                   : datadirecord(s.estr(k, 0, 1), s.estr(k, 0, 2),
                                                                  s.estr(k, 0, 3), s.estr(k, 0, 4));
    if (s.modoestrazioni == 2) s.primaestrazione = 1;
    trovaslotnotevoli(s, static_cast<int>(tenuti.size()));
    return true;
}

std::vector<uint8_t> immaginearchivio(const Stato& s) {
    std::vector<uint8_t> img(DIMARCHIVIO, 0);
    for (int p = 1; p < NUMPOSIZIONI; ++p)
        for (int r = 0; r < NUMRIGHE; ++r)
            for (int d = 1; d <= NUMSLOT; ++d)
                img[indicearchivio(d, r, p)] = static_cast<uint8_t>(s.estr(d, r, p) & 0xff);
    return img;
}

bool scriviarchivio(Stato& s) {
    Interfaccia& ui = s.interfaccia();
    if (s.modoestrazioni != 0) {
        ui.avviso("Con le estrazioni alterne attive la memoria contiene solo una parte "
                  "dell'archivio, che quindi non può essere salvato. Ripristinare il modo "
                  "continuo (Estrazioni alterne: Tutte) e ripetere l'operazione. Il file "
                  "archivio.dat non è stato modificato.");
        return false;
    }
    // The new-triple counts (row 0, position 5) keep their low 8 bits by design;
    // every other value is checked as it stands in memory.
    if (auto motivo = verifica([&](int d, int r, int p) { return int{s.estr(d, r, p)}; })) {
        ui.avviso("L'archivio non è stato salvato: " + *motivo +
                  "\nIl file archivio.dat non è stato modificato.");
        return false;
    }
    auto img = immaginearchivio(s);
    ui.mostramessaggio("Scrittura archivio...");
    const bool scritto = scrivifilesicuro(s.percorso(NOMEARCHIVIO), img);
    ui.progresso(100);
    ui.chiudimessaggio();
    if (!scritto) {
        ui.avviso("Impossibile scrivere il file archivio.dat: le modifiche non sono state salvate "
                  "e il file precedente è rimasto intatto.");
        return false;
    }
    s.archiviofile = std::move(img);
    return true;
}

int contaestrazioni(const Stato& s) {
    for (int d = 1; d <= NUMSLOT; ++d)
        if (s.estr(d, 0, 1) == 0) return d - 1;
    return -1;
}

int slotanno(const Stato& s, int anno) {
    return primoslotanno(s, std::max(0, s.numestrazioni), anno);
}

bool puoaggiungere(Stato& s) {
    if (s.modoestrazioni != 0) {
        s.interfaccia().avviso("Con le estrazioni alterne attive non è possibile inserire nuove "
                               "estrazioni: ripristinare prima il modo continuo dell'archivio.");
        return false;
    }
    if (s.numestrazioni >= MASSIMOESTRAZIONI) {
        s.interfaccia().avviso("L'archivio è pieno: può contenere al massimo 7999 estrazioni, "
                               "quindi non è possibile aggiungerne altre.");
        return false;
    }
    return true;
}

} // namespace bolv
