#pragma once

// The computation of cruciverba, apart from any window: the scheme generator, the table of the
// 25 scheme sizes and the binomial count (this header), the printed listing
// (CalcoliCruciverbaStampa.h) and the ".SCH" export (CalcoliCruciverbaEsporta.h). Everything is
// plain C++: the main window gathers the picked numbers and the size, calls in and renders.
//
// The generator must give the same grid for the same input on every machine, because the print
// command and the export command each generate afresh and the printout must match the file the
// shop reads. It therefore uses its own fixed pseudo-random generator, reseeded at every call,
// and draws from it in one fixed order.

#include <array>
#include <cstdint>
#include <functional>

namespace cruciverba {

// The program-wide pseudo-random state. The generator leaves it where its last draw left it; the
// about box reseeds it from the clock before drawing.
inline uint32_t RandSeed = 0;

// Linear congruential generator: state x 134775813 + 1 modulo 2^32; Random(m) is the high 32
// bits of the 64-bit product state x m, a value in 0..m-1.
struct Casuale {
    uint32_t stato;

    uint32_t Random(uint32_t m) {
        stato = stato * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(stato) * m) >> 32);
    }
    // A value in [0, 1): the next state divided by 2^32.
    double Reale() {
        stato = stato * 134775813u + 1u;
        return stato / 4294967296.0;
    }
    // Advances the state by 100 draws at once, as if 100 draws had been made and thrown away.
    void Salta100();
};

inline constexpr int MassimoLato = 10;

// The scheme grid, rows and columns counted from 1 as the program speaks of them. Cells hold
// the picked numbers (1..90); 0 is an empty cell.
class Griglia {
  public:
    int32_t& operator()(int riga, int colonna) { return celle[riga - 1][colonna - 1]; }
    int32_t operator()(int riga, int colonna) const { return celle[riga - 1][colonna - 1]; }
    void Svuota() { celle = {}; }
    bool operator==(const Griglia&) const = default;

  private:
    std::array<std::array<int32_t, MassimoLato>, MassimoLato> celle{};
};

// Positions 1..90 of the picked numbers (index 0 is position 1): the first n hold the picked
// numbers in ascending order, the rest 0, as the main window builds it.
using NumeriInGioco = std::array<int32_t, 90>;

enum class EsitoGenerazione {
    Completo,       // no repeats, every picked number placed
    NumeriMancanti, // no repeats, but some picked number is missing (the user is told)
    Fallito         // no grid without repeats after ten attempts, or nothing picked
};

struct Generazione {
    Griglia griglia; // the last attempt, also after a failure
    EsitoGenerazione esito;
};

inline constexpr const char* MessaggioNumeriMancanti =
    "Attenzione. Non tutti i numeri del pronostico sono presenti.Se vuoi, togli dei numeri o "
    "aumenta le dimensioni del cruciverba";
inline constexpr const char* MessaggioGenerazioneFallita =
    "Attenzione. Non riesco a generare il cruciverba.Aumenta i numeri in gioco o riduci il "
    "cruciverba !";

// Fills a righe x colonne grid (each 6..10) with the picked numbers so that no row and no column
// holds a number twice. gestisciMessaggi is called once at the start and once after each attempt,
// so the caller's window can repaint during a long run. With nothing picked the result is a
// failure. Leaves RandSeed after the last draw.
Generazione GeneraCruciverba(const NumeriInGioco& numeri, uint8_t colonne, uint8_t righe,
                             const std::function<void()>& gestisciMessaggi = {});

// The generator's steps, public so that the tests can hold them against the plain reading of
// the rules. All work on rows 1..righe and columns 1..colonne only.
void ScambiaCelle(Griglia& griglia, int righe, int colonne, Casuale& casuale);
void CorreggiDoppioni(Griglia& griglia, int righe, int colonne, Casuale& casuale);
bool SchemaValido(const Griglia& griglia, int righe, int colonne);

// The number of k-element subsets of n elements, capped at 2147483647.
int32_t NumeroCombinazioni(uint8_t n, uint8_t k);

// The sizes offered by the main window's list, by item index 1..25 (item 0 is the prompt).
struct VoceSchema {
    const char* testo;
    int righe;
    int colonne;
};
inline constexpr int NumeroSchemi = 25;
extern const std::array<VoceSchema, NumeroSchemi + 1> TabellaSchemi;

} // namespace cruciverba
