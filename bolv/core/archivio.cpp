#include "archivio.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <unistd.h>

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

std::optional<std::string> verificadata(const std::vector<uint8_t>& img, int d) {
    const int giorno = byte(img, d, 0, 1), mese = byte(img, d, 0, 2);
    const int anno = byte(img, d, 0, 4) * 100 + byte(img, d, 0, 3);
    // normalizzata moves an impossible day or month elsewhere: a real date is
    // one it leaves as it is.
    const Data data = Data::normalizzata(anno, mese, giorno);
    if (anno >= 1870 && data == Data{anno, mese, giorno}) return std::nullopt;
    return formato("l'estrazione n. %d ha una data impossibile (%02d.%02d.%d).", d, giorno, mese,
                   anno);
}

std::optional<std::string> verificaruota(const std::vector<uint8_t>& img, int d, int w) {
    uint64_t visti[2] = {0, 0}; // one bit per number 1..90
    for (int p = 1; p <= 5; ++p) {
        const int n = byte(img, d, w, p);
        if (n > 90)
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

bool slotvuoto(const std::vector<uint8_t>& img, int d) {
    for (int r = 0; r < NUMRIGHE; ++r)
        for (int p = 1; p < NUMPOSIZIONI; ++p)
            if (byte(img, d, r, p) != 0) return false;
    return true;
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
    int d = 1;
    while (d <= NUMSLOT && byte(img, d, 0, 1) != 0)
        ++d;
    return d - 1;
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
    const int estrazioni = estrazioniimmagine(img);
    if (estrazioni > MASSIMOESTRAZIONI)
        return std::string(
            "il file contiene 8000 estrazioni, mentre Bolv ne può gestire al massimo 7999.");
    for (int d = 1; d <= estrazioni; ++d) {
        if (auto motivo = verificadata(img, d)) return motivo;
        for (int w = 1; w <= 10; ++w)
            if (auto motivo = verificaruota(img, d, w)) return motivo;
    }
    for (int d = estrazioni + 1; d <= NUMSLOT; ++d)
        if (!slotvuoto(img, d))
            return formato("dopo la fine delle estrazioni (n. %d) la posizione n. %d contiene dati "
                           "che non appartengono a nessuna estrazione.",
                           estrazioni, d);
    return std::nullopt;
}

bool leggiarchivio(Stato& s) {
    Interfaccia& ui = s.interfaccia();
    if (s.avvioincorso) ui.etichettaavvio("Apertura archivio...");
    auto dati = leggifile(s.percorso(NOMEARCHIVIO));
    std::optional<std::string> motivo;
    if (!dati)
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
    auto img = immaginearchivio(s);
    if (auto motivo = verificaarchivio(img)) {
        ui.avviso("L'archivio non è stato salvato: " + *motivo +
                  "\nIl file archivio.dat non è stato modificato.");
        return false;
    }
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

bool scrivifilesicuro(const std::string& path, const std::vector<uint8_t>& dati) {
    const std::string temporaneo = path + ".tmp";
    std::FILE* f = std::fopen(temporaneo.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(dati.data(), 1, dati.size(), f) == dati.size();
    // The data must be on disk before the rename makes it the file.
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    std::error_code errore;
    if (ok) std::filesystem::rename(temporaneo, path, errore);
    if (!ok || errore) {
        std::filesystem::remove(temporaneo, errore);
        return false;
    }
    return true;
}

std::optional<std::vector<uint8_t>> leggifile(const std::string& path) {
    std::error_code errore;
    if (!std::filesystem::is_regular_file(path, errore)) return std::nullopt;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<uint8_t> dati;
    uint8_t blocco[65536];
    size_t letti;
    while ((letti = std::fread(blocco, 1, sizeof blocco, f)) > 0)
        dati.insert(dati.end(), blocco, blocco + letti);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok) return std::nullopt;
    return dati;
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
