// The ranking of number groups by delay or presences ("Classifica Ritardi e Presenze").
//
// Every group of K numbers (K = 2..10) of 1..90 on a wheel is valued from the pair or the
// triple tables: by delay, the smallest current delay of its pairs (triples); by presences,
// the sum of their presences. The groups are offered in ascending lexicographic order, wheel
// after wheel, to one ranking of N rows (Graduatoria) whose rules decide the result: a group
// must beat the threshold `soglia` (the value of row N once the ranking is full), and among
// equal values the group offered last stands highest. A delay ranking always keeps the
// largest values; a presence ranking the largest ("Massimi") or the smallest ("Minimi"), the
// latter starting each wheel from a threshold of 1,000,000.
//
// The result is defined by that sequential offer order, not by how the groups are walked.
// The walk skips what can never be offered: a partial group whose best possible completion
// (an upper bound on the sum of presences, or the smallest delay so far) cannot beat the
// threshold, and a partial group that can no longer hold every Vincoli number (such groups
// are turned away without touching the ranking). The "Massimi" runs also split the walk
// over the processor's cores; each part keeps the groups that may still reach the final
// ranking, and those are offered once, in enumeration order, to the sequential ranking.
#pragma once

#include "avanzamento.h"
#include "stato.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace bolv {

constexpr int INIZIOMINIMI = 10000000; // the starting value of the rows of a "Minimi" ranking

// ordine 1 ("Massimi"): valore > soglia; 2 ("Minimi"): valore < soglia; otherwise false.
bool confronto(long valore, long soglia, int ordine);

// What one run ranks, fixed when it starts.
struct Impostazioni {
    int k = 2;                // numbers per group, 2..10
    int n = 10;               // rows kept, 1..15
    int sorte = 2;            // 2 ambo, 3 terno
    bool ritardi = true;      // by delay (else by presences)
    int ordine = 1;           // 1 "Massimi", 2 "Minimi" (a delay run is always 1)
    std::vector<int> ruote;   // wheels in order: some of 1..10, or {11} for "Tutte"
    std::vector<int> vincoli; // numbers every ranked group must hold, in typed order
};

// The statistic a run reads, copied when the run starts for the wheels it ranks (the others
// hold zeros): the tables of the program may be released afterwards without the run noticing.
struct Tavole {
    int sorte = 2;
    bool ritardi = true;
    // Ambo: wheel w, pair a, b at (w - 1) * 8281 + 91 * a + b, both orders filled.
    // Terno: wheel w, triple rank t (indiceterno) at (w - 1) * 117481 + t.
    std::vector<int16_t> valori;
};

Tavole tavoleclassifica(const Stato& s, int sorte, bool ritardi, const std::vector<int>& ruote);

// One ranked row. A row without a group (numeri empty) may still hold a value: the
// starting value of a "Minimi" ranking.
struct Riga {
    int ruota = 0;           // 1..11
    std::vector<int> numeri; // ascending
    int valore = 0;
    bool convalore = false; // the value cell is not empty
    bool pieno() const { return !numeri.empty(); }
};

// The ranking of N rows and its threshold.
class Graduatoria {
  public:
    Graduatoria(int n, int ordine, std::vector<int> vincoli);

    // Offers a group (ascending numbers) with its value: it enters above the first row whose
    // value it reaches, unless it lacks a Vincoli number.
    void inseriscirisultato(int ruota, const int* combinazione, int k, int valore);
    // At the entry of a presence enumerator on each wheel.
    void iniziaruotapresenze();

    long soglia = 0;
    const std::vector<Riga>& righe() const { return tabella; }
    int ordine() const { return ordinamento; }
    const std::vector<int>& vincoli() const { return richiesti; }
    // The rows that hold a group, best first.
    std::vector<Riga> classificati() const;

  private:
    std::vector<Riga> tabella;
    int ordinamento;
    std::vector<int> richiesti;
};

// The best groups a run has found so far, for a window to show while the run goes on
// (filled on the run's threads, read on the window's).
class Vetrina {
  public:
    // The rows found so far, best first, when they changed since the last call.
    std::optional<std::vector<Riga>> novita();

    // For the run: the ranking of a sequential run as it stands.
    void sostituisci(std::vector<Riga> righe);
    // For a "Massimi" run that splits its walk: a group it has found. The n best are kept,
    // among equal values the later one in enumeration order above; once n are kept, only a
    // better value enters.
    void proponi(int n, int ruota, const int* numeri, int k, int valore);

  private:
    std::mutex m;
    std::vector<Riga> righe;
    bool cambiata = false;
    std::atomic<int64_t> minimo{std::numeric_limits<int64_t>::min()}; // to beat once full
};

// Where a wheel stands in its run, for a progress that advances across the wheels.
struct Progresso {
    int ruoteelaborate = 0;     // wheels of the run done before this one
    int ruoteselezionate = 1;   // wheels of the run
    Vetrina* vetrina = nullptr; // where the ranking as it stands is shown, if anywhere
};

// The four enumerators: every group of the wheel offered to the ranking in enumeration
// order. They end early, leaving the ranking of the groups offered so far, once a stop is
// asked for; true when they did. The progress is the share of the run's groups done
// (walked or passed over), and the ranking as it stands goes to the Vetrina, if any, every
// few tenths of a second.
bool classificaambiritardi(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                           Progresso p = {});
bool classificaambipresenze(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                            Progresso p = {});
bool classificaterniritardi(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                            Progresso p = {});
bool classificaternipresenze(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                             Progresso p = {});

struct Esitoclassifica {
    std::vector<Riga> righe; // the ranked groups, best first (at most N)
    bool interrotta = false;
};

// A whole run: the wheels in order, one ranking; the fastest exact way. The best groups
// found so far go to vetrina, if given.
Esitoclassifica classifica(const Tavole& t, const Impostazioni& imp, Avanzamento& a,
                           Vetrina* vetrina = nullptr);
// The same run through the four enumerators alone, on one thread.
Esitoclassifica classificasequenziale(const Tavole& t, const Impostazioni& imp, Avanzamento& a,
                                      Vetrina* vetrina = nullptr);

// The "Vincoli" text read for groups of k numbers: the numbers, or the message refusing it.
struct Erroretesto {
    std::string messaggio;
};
std::variant<std::vector<int>, Erroretesto> leggivincoli(const std::string& testo, int k);

} // namespace bolv
