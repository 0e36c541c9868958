// The program state of Bolv: every program-wide variable the windows share.
//
// The engine (archive, recomputation, pair and triple tables, combinatorics,
// configuration and data files) is plain C++ and knows nothing of windows.
// Whatever it needs of the screen (wait window, splash label, status bar,
// closing the data windows, error messages) goes through `Interfaccia`, which
// the window layer implements and tests replace with a recorder.
#pragma once

#include "data.h"
#include "lotto.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bolv {

constexpr int NUMSLOT = 8000;                                  // draw slots 1..8000
constexpr int NUMRIGHE = RUOTE + 1;                            // row 0 date, rows 1..10 wheels
constexpr int NUMPOSIZIONI = 6;                                // positions 0..5
constexpr int NUMELEMENTI = NUMSLOT * NUMRIGHE * NUMPOSIZIONI; // 528,000
constexpr int NUMAMBI = RUOTATUTTE * NUMERI * NUMERI;          // 89,100 pair-table cells
constexpr int NUMTERNI = 117480;                               // ascending triples of 1..90
constexpr int NUMCELLETERNI = 11 * NUMTERNI;                   // 1,292,280 triple-table cells
constexpr int NUMCONFIG = 51;                                  // slots of "bolv.cfg"
constexpr int NUMVINCITE = 50;                                 // values of "vincite.dat"
constexpr int NUMFORMAZIONI = 7 * 9 * 11 * 46;                 // values of "tab.dat"

constexpr int DIMARCHIVIO = NUMELEMENTI;         // bytes of "archivio.dat"
constexpr int DIMCONFIG = NUMCONFIG * 2;         // 102
constexpr int DIMVINCITE = NUMVINCITE * 4;       // 200
constexpr int DIMFORMAZIONI = NUMFORMAZIONI * 2; // 63,756

// Element index of (slot d 1..8000, row r 0..10, position p 0..5).
constexpr int indicearchivio(int d, int r, int p) {
    return (d - 1) + NUMSLOT * r + 88000 * p;
}
// Number tables: number n 1..90, column w 1..11.
constexpr int indicenumero(int n, int w) {
    return (n - 1) + 90 * (w - 1);
}
// Pair tables: column w 1..11, a < b in 1..90.
constexpr int indiceambo(int w, int a, int b) {
    return (w - 1) + 11 * (a - 1) + 990 * (b - 1);
}
// Triple tables: column w 1..11, rank t 1..117480 from indiceterno.
constexpr int indicetabterni(int w, int t) {
    return (w - 1) + 11 * (t - 1);
}
// Formation table: group g, family f, member m, formation r.
constexpr int indiceformazione(int g, int f, int m, int r) {
    return g + 7 * f + 63 * m + 693 * r;
}

// What the engine asks of the screen. Every call has a do-nothing default.
class Interfaccia {
  public:
    virtual ~Interfaccia() = default;
    virtual void mostramessaggio(const std::string& /*testo*/) {}
    virtual void chiudimessaggio() {}
    virtual void etichettamessaggio(const std::string& /*testo*/) {} // wait-window label only
    virtual void progresso(int /*percento*/) {}                      // wait-window progress bar
    virtual void etichettaavvio(const std::string& /*testo*/) {}     // splash progress label
    virtual void clessidra(bool /*attesa*/) {}                       // hourglass or arrow
    virtual void eventi() {}                             // let pending repaints run once
    virtual void avviso(const std::string& /*testo*/) {} // message box titled "Bolv"
    virtual void disattivaambiterni() {}                 // reset the controls tied to the tables
    virtual void aggiornastato() {}                      // rewrite the status bar
    virtual void chiudianalisi() {}                      // close the windows showing archive data
};

struct Stato {
    Stato();

    // Draw archive, element (d, r, p) at indicearchivio(d, r, p).
    std::vector<int16_t> estrazioni;
    std::vector<uint8_t> archiviofile;     // byte image of "archivio.dat" as last read or written
    std::vector<Data> dateestrazioni;      // index 1..8000 (0 unused)
    std::array<std::string, 11> nomiruote; // "Bari" .. "Venezia", "Tutte"

    int numestrazioni = 0;
    int primaestrazione = 1;
    int ultimaestrazione = 0;
    bool reimpostaultima = false;
    bool avvioincorso = false;
    int modoestrazioni = 0; // 0 "Tutte", 1 "Solo sabato", 2 "Solo mercoledi"
    // Start year asked for by the configuration or the start-year commands
    // (1871, 1939, 1945; 0 none): the next elabora sets primaestrazione to the
    // first draw of that year in the archive it has just read.
    int annoinizio = 0;

    // Slots found in the archive held, by the reader.
    int slot1939 = 1;           // first draw dated 1939 or later
    int slot1945 = 1;           // first draw dated 1945 or later
    int slotcagliarigenova = 1; // first draw in which Cagliari or Genova was drawn

    // Number statistics; true values, never wrapped.
    std::vector<uint8_t> progressivi;   // (d, 0) ordinal in year, (d, 1) in month: (d-1) + 8000*i
    std::vector<int16_t> ritardiuscita; // same layout as estrazioni
    std::array<int32_t, 990> presenzenumeri{};
    std::array<int32_t, 990> ritardinumeri{};
    std::array<int32_t, 990> storicinumeri{};

    // Pair and triple tables, empty while not active.
    std::vector<int16_t> ritardiambi, storiciambi, presenzeambi;
    std::vector<int16_t> ritarditerni, presenzeterni;
    std::array<int32_t, 12> contaternivergini{};
    bool ambiattivi = false;
    bool ternattivi = false;

    std::array<float, NUMVINCITE> tabellavincite{};
    std::vector<int16_t> tabformazioni;
    std::array<int16_t, NUMCONFIG> configurazione{};

    // Run-time options.
    bool stampasufile = false;
    int dimensionecarattere = 8;
    bool modoaccoda = true;
    int puntoinserimento = 0;

    std::string cartellaprogramma = "."; // where the data files live
    Interfaccia* ui = nullptr;           // never null after construction

    std::string percorso(const std::string& nomefile) const; // cartellaprogramma + "/" + name
    Interfaccia& interfaccia() const { return *ui; }

    int16_t& estr(int d, int r, int p) { return estrazioni[indicearchivio(d, r, p)]; }
    int16_t estr(int d, int r, int p) const { return estrazioni[indicearchivio(d, r, p)]; }
};

// The one program state of the running program.
Stato& programma();

} // namespace bolv
