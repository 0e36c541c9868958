// What every test of Bolv shares, without Qt: a scratch program folder, archive images built
// from a list of draws, and an Interfaccia that records what the engine asks of the screen.
// The window tests add their own part on top (provafinestre.h, archiviodiprova.h).
#pragma once

#include "stato.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace prova {

using bolv::Data;
using bolv::Stato;

// One draw: its date and the five numbers of each wheel (all 0: not drawn).
struct Estrazione {
    Data data;
    std::array<std::array<int, 5>, 10> ruote{};
};

// The byte image of "archivio.dat" holding these draws in slots 1..n.
std::vector<uint8_t> immagine(const std::vector<Estrazione>& estrazioni);

std::vector<uint8_t> leggi(const std::filesystem::path& p);
// quanti bytes of a file from byte da on (fewer at its end).
std::vector<uint8_t> leggi(const std::filesystem::path& p, long long da, size_t quanti);
void scrivi(const std::filesystem::path& p, const std::vector<uint8_t>& dati);

// The names in a folder, sorted: what a write left behind beside its target.
std::vector<std::string> nomi(const std::filesystem::path& cartella);

// Bytes this process has read from files so far (Linux's /proc/self/io), or -1
// when the system does not say.
long long byteletti();

// A sparse file of lunghezza bytes: testa at its start, the byte segno as its last byte and
// a hole between; false when the folder's file system keeps no holes (the test then has
// nothing to show there).
bool scrivisparso(const std::filesystem::path& p, const std::vector<uint8_t>& testa,
                  long long lunghezza, uint8_t segno);
// The bytes a file takes on the disk (its blocks, not its length).
long long occupati(const std::filesystem::path& p);

// A FIFO at a path, for a reader that must refuse it at once. Should the reader wait on it
// instead, a guard opens and closes its other end after some seconds, over and over, so that
// the reader sees an empty FIFO and the test ends in a failure rather than hanging;
// aspettato() then says so.
class Fifo {
  public:
    explicit Fifo(std::filesystem::path p);
    ~Fifo();
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;
    bool aspettato() const { return aspettato_; }

  private:
    std::filesystem::path percorso;
    std::atomic<bool> aspettato_{false};
    std::mutex m;
    std::condition_variable cv;
    bool fermo = false;
    std::thread guardia;
};

// While it lives, no file of this process can grow past limite bytes: a write
// beyond it fails as on a full disk (even for root), without the signal that
// would otherwise end the process.
class Discopieno {
  public:
    explicit Discopieno(long long limite);
    ~Discopieno();
    Discopieno(const Discopieno&) = delete;
    Discopieno& operator=(const Discopieno&) = delete;

  private:
    long long precedente;
    void (*gestore)(int);
};

// A program folder of its own under the system's temporary folder, removed at
// the end of the test.
class Cartella {
  public:
    Cartella();
    ~Cartella();
    Cartella(const Cartella&) = delete;
    Cartella& operator=(const Cartella&) = delete;
    std::filesystem::path operator/(const std::string& nome) const { return percorso / nome; }
    std::string testo() const { return percorso.string(); }

  private:
    std::filesystem::path percorso;
};

// Records every call, one text each ("avviso:<text>", "progresso:<n>", ...), and keeps
// count of the recomputations (each drops the pair and triple tables first), the status-bar
// updates, the messages and the wait-window texts.
class Registratore : public bolv::Interfaccia {
  public:
    std::vector<std::string> chiamate;
    int eventi_ = 0;
    std::vector<int> progressi;
    int ricalcoli = 0;
    int aggiornamenti = 0;
    std::vector<std::string> avvisi, attese;

    void mostramessaggio(const std::string& t) override {
        chiamate.push_back("mostramessaggio:" + t);
        attese.push_back(t);
    }
    void chiudimessaggio() override { chiamate.push_back("chiudimessaggio"); }
    void etichettamessaggio(const std::string& t) override {
        chiamate.push_back("etichettamessaggio:" + t);
    }
    void progresso(int p) override { progressi.push_back(p); }
    void etichettaavvio(const std::string& t) override {
        chiamate.push_back("etichettaavvio:" + t);
    }
    void clessidra(bool attesa) override { chiamate.push_back(attesa ? "clessidra" : "freccia"); }
    void eventi() override { ++eventi_; }
    void avviso(const std::string& t) override {
        chiamate.push_back("avviso:" + t);
        avvisi.push_back(t);
    }
    void disattivaambiterni() override {
        chiamate.push_back("disattivaambiterni");
        ++ricalcoli;
    }
    void aggiornastato() override {
        chiamate.push_back("aggiornastato");
        ++aggiornamenti;
    }
    void chiudianalisi() override { chiamate.push_back("chiudianalisi"); }

    // The messages among the calls, counted since chiamate was last cleared.
    int contaavvisi() const;
};

// A state whose program folder is cartella and whose screen is ui.
void prepara(Stato& s, const Cartella& cartella, Registratore& ui);

// n draws from Saturday 7 January 1939, with numbers from a seeded generator:
// each wheel is missing from a draw with probability assente (never all ten).
std::vector<Estrazione> casuali(int n, unsigned seme, double assente);

} // namespace prova
