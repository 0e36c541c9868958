// The random-draw simulation: a group of up to ten numbers played for one sorte against a
// long run of random five-number draws, and the longest delays ever met, kept per count of
// numbers and sorte in "simul.dat".
//
// The random source is a seam: the program draws from one generator that is never seeded
// from the clock, so every start of the program replays the same sequence; tests give a
// seeded generator or a scripted one.
#pragma once

#include "avanzamento.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace bolv {

constexpr int MAXNUMERISIMULATI = 10;
constexpr long MAXESTRAZIONISIMULATE = 1000000;
constexpr int PASSOSIMULAZIONE = 10000; // the step of "+" and "-"
constexpr int DIMSIMUL = 264;           // bytes of "simul.dat"

// Uniform values in [0, 1).
class Sorgentecasuale {
  public:
    virtual ~Sorgentecasuale() = default;
    virtual double valore() = 0;
};

// A fixed sequence for each seed: without one, the sequence every start of the program plays.
class Generatore : public Sorgentecasuale {
  public:
    explicit Generatore(uint64_t seme = 5489u);
    double valore() override;

  private:
    std::mt19937_64 motore;
};

// The program's one generator, never reseeded: runs follow one another along its sequence.
Sorgentecasuale& generatoreprogramma();

// Five distinct numbers 1..90 in drawing order: a value repeating an earlier one of the same
// draw is drawn again.
std::array<int, 5> Estrai(Sorgentecasuale& g);

// The numbers typed for a run ("." between them) checked against the sorte (1..5).
enum class Errorenumeri {
    nessuno,
    numeri, // "Errore nell'inserimento dei numeri."
    nullo,  // "Errore: è stato inserito un valore nullo o un punto finale."
};
struct Numerisimulati {
    Errorenumeri errore = Errorenumeri::nessuno;
    std::vector<int> numeri; // in the order typed, when there is no error
};
Numerisimulati leggenumeri(const std::string& testo, int sorte);

// The counters a window shows while a run goes: the state after the last hundredth draw.
struct Contatori {
    long ritardoattuale = 0;
    long ritardostorico = 0; // the longest delay closed by a win so far
    long presenze = 0;       // winning combinations counted
    long simulate = 0;
};

// Where a run on a worker thread posts its counters for the window to read.
class Bacheca {
  public:
    void pubblica(const Contatori& c);
    std::optional<Contatori> leggi() const;
    void svuota(); // before a new run

  private:
    mutable std::mutex guardia;
    std::optional<Contatori> ultimi;
};

struct Esitosimulazione {
    long ritardostorico = 0;           // of the whole run (or up to its stop)
    std::optional<Contatori> mostrati; // at the last multiple of 100 reached; none below 100
};

// Plays numeri for sorte over estrazioni random draws. A draw holding h >= sorte of the
// numbers is a win that counts C(h, sorte) combinations and closes the current delay; the
// delay still open at the end takes no part in the longest delay. Every 100 draws the
// progress is reported (the run stops when asked) and the counters posted on bacheca.
Esitosimulazione simula(const std::vector<int>& numeri, int sorte, long estrazioni,
                        Sorgentecasuale& g, Avanzamento& a, Bacheca* bacheca = nullptr);

// The longest delays kept, by count of numbers k 0..10 and sorte s 0..5 at k + 11 s.
using Massimi = std::array<int32_t, 66>;
constexpr int indicemassimo(int k, int s) {
    return k + 11 * s;
}
// The 264 bytes of "simul.dat": little-endian 32-bit values in index order.
std::vector<uint8_t> immaginemassimi(const Massimi& m);
// The first 264 bytes of a file (a short file's missing bytes read as 0). A file no run
// could have written (a negative delay, or one where sorte and count allow none) is damaged:
// nullopt.
std::optional<Massimi> decodificamassimi(const std::vector<uint8_t>& dati);

enum class Letturamassimi { letti, danneggiati, noncreati };
// Reads the first 264 bytes of the file at percorso into m, nothing beyond them however long
// the file; a missing file is created empty. Anything but letti leaves m all zero.
Letturamassimi caricamassimi(const std::string& percorso, Massimi& m);
// Writes the table over the first 264 bytes of the file, keeping any bytes beyond them
// (carried over block by block, never read whole), through a temporary file; false (the
// file untouched) when it cannot be written.
bool salvamassimi(const std::string& percorso, const Massimi& m);

} // namespace bolv
