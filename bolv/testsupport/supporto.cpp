#include "supporto.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <stdexcept>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace prova {

using namespace bolv;

std::vector<uint8_t> immagine(const std::vector<Estrazione>& estrazioni) {
    std::vector<uint8_t> img(DIMARCHIVIO, 0);
    for (size_t i = 0; i < estrazioni.size(); ++i) {
        const int d = static_cast<int>(i) + 1;
        const Estrazione& e = estrazioni[i];
        const int campi[] = {e.data.giorno, e.data.mese, e.data.anno % 100, e.data.anno / 100};
        for (int p = 1; p <= 4; ++p)
            img[indicearchivio(d, 0, p)] = static_cast<uint8_t>(campi[p - 1]);
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                img[indicearchivio(d, w, p)] = static_cast<uint8_t>(e.ruote[w - 1][p - 1]);
    }
    return img;
}

std::vector<uint8_t> leggi(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> leggi(const fs::path& p, long long da, size_t quanti) {
    std::ifstream f(p, std::ios::binary);
    f.seekg(da);
    std::vector<uint8_t> dati(quanti);
    f.read(reinterpret_cast<char*>(dati.data()), static_cast<std::streamsize>(quanti));
    dati.resize(static_cast<size_t>(f.gcount()));
    return dati;
}

void scrivi(const fs::path& p, const std::vector<uint8_t>& dati) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
}

std::vector<std::string> nomi(const fs::path& cartella) {
    std::vector<std::string> elenco;
    for (const auto& voce : fs::directory_iterator(cartella))
        elenco.push_back(voce.path().filename().string());
    std::sort(elenco.begin(), elenco.end());
    return elenco;
}

long long byteletti() {
    std::ifstream io("/proc/self/io");
    std::string chiave;
    long long valore;
    while (io >> chiave >> valore)
        if (chiave == "rchar:") return valore;
    return -1;
}

bool scrivisparso(const fs::path& p, const std::vector<uint8_t>& testa, long long lunghezza,
                  uint8_t segno) {
    scrivi(p, testa);
    fs::resize_file(p, static_cast<std::uintmax_t>(lunghezza));
    {
        std::fstream f(p, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(lunghezza - 1);
        f.put(static_cast<char>(segno));
    }
    return occupati(p) < lunghezza / 2;
}

long long occupati(const fs::path& p) {
    struct stat info {};
    return ::stat(p.c_str(), &info) == 0 ? static_cast<long long>(info.st_blocks) * 512 : -1;
}

Fifo::Fifo(fs::path p) : percorso(std::move(p)) {
    if (::mkfifo(percorso.c_str(), 0600) != 0)
        throw std::runtime_error("mkfifo " + percorso.string());
    guardia = std::thread([this] {
        std::unique_lock blocco(m);
        // Long enough for any reader that does not wait; after it, every tenth of a second.
        if (cv.wait_for(blocco, std::chrono::seconds(10), [this] { return fermo; })) return;
        while (!cv.wait_for(blocco, std::chrono::milliseconds(100), [this] { return fermo; })) {
            const int fd = ::open(percorso.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) continue; // no reader waiting on the FIFO just now
            aspettato_ = true;    // before the reader can go on
            ::close(fd);
        }
    });
}

Fifo::~Fifo() {
    {
        std::lock_guard blocco(m);
        fermo = true;
    }
    cv.notify_all();
    guardia.join();
}

Discopieno::Discopieno(long long limite) : gestore(std::signal(SIGXFSZ, SIG_IGN)) {
    rlimit r;
    ::getrlimit(RLIMIT_FSIZE, &r);
    precedente = static_cast<long long>(r.rlim_cur);
    r.rlim_cur = static_cast<rlim_t>(limite);
    ::setrlimit(RLIMIT_FSIZE, &r);
}

Discopieno::~Discopieno() {
    rlimit r;
    ::getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = static_cast<rlim_t>(precedente);
    ::setrlimit(RLIMIT_FSIZE, &r);
    std::signal(SIGXFSZ, gestore);
}

Cartella::Cartella() {
    static std::atomic<int> progressivo{0};
    percorso = fs::temp_directory_path() /
               ("bolvcore-" + std::to_string(::getpid()) + "-" + std::to_string(++progressivo));
    fs::remove_all(percorso);
    fs::create_directories(percorso);
}

Cartella::~Cartella() {
    std::error_code errore;
    fs::remove_all(percorso, errore);
}

int Registratore::contaavvisi() const {
    return static_cast<int>(
        std::count_if(chiamate.begin(), chiamate.end(),
                      [](const std::string& c) { return c.rfind("avviso:", 0) == 0; }));
}

void prepara(Stato& s, const Cartella& cartella, Registratore& ui) {
    s.cartellaprogramma = cartella.testo();
    s.ui = &ui;
}

std::vector<Estrazione> casuali(int n, unsigned seme, double assente) {
    std::mt19937 generatore(seme);
    std::bernoulli_distribution manca(assente);
    std::uniform_int_distribution<int> passo(1, 4);
    std::array<int, 90> urna;
    std::iota(urna.begin(), urna.end(), 1);
    std::vector<Estrazione> estrazioni(static_cast<size_t>(n));
    int giorno = 7;
    for (auto& e : estrazioni) {
        e.data = Data::normalizzata(1939, 1, giorno);
        giorno += passo(generatore);
        bool qualcuna = false;
        for (int w = 0; w < 10; ++w) {
            if (manca(generatore) && (qualcuna || w < 9)) continue;
            qualcuna = true;
            std::shuffle(urna.begin(), urna.end(), generatore);
            std::copy_n(urna.begin(), 5, e.ruote[w].begin());
        }
    }
    return estrazioni;
}

} // namespace prova
