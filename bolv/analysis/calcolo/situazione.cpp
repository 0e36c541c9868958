#include "situazione.h"

#include "testo.h"

#include <algorithm>
#include <cmath>

namespace bolv {

namespace {

int cella(int w, int p) {
    return 5 * (w - 1) + p - 1;
}
int colonnagriglia(int w, int p) {
    return 6 * (w - 1) + p;
}
constexpr int NUM = COLONNESITU - 1;

// The progress of the fill in three phases, told only when it changes.
class Progresso {
  public:
    explicit Progresso(const Stato& s, int totale) : ui(s.interfaccia()), totale(totale) {}
    void fase(int inizio, int ampiezza, int d) {
        const int p = inizio + (totale > 0 ? d * ampiezza / totale : ampiezza);
        if (p != ultimo) ui.progresso(ultimo = p);
    }

  private:
    Interfaccia& ui;
    int totale;
    int ultimo = -1;
};

int massimoritardo(const Stato& s) {
    int massimo = 0;
    for (int w = 1; w <= 10; ++w)
        for (int n = 1; n <= 90; ++n)
            massimo = std::max(massimo, static_cast<int>(s.ritardinumeri[indicenumero(n, w)]));
    return massimo;
}

int contarighe(const std::array<uint8_t, 50>& riga, int w) {
    int quanti = 0;
    for (int p = 1; p <= 5; ++p)
        quanti += riga[cella(w, p)] != 0;
    return quanti;
}

int colonnastampa(int c) {
    return c == 0 ? 0 : 2 * c + 4;
}

void tab(std::string& riga, int colonna) {
    const size_t posizione = static_cast<size_t>(std::max(colonna, 1) - 1);
    if (riga.size() < posizione) riga.append(posizione - riga.size(), ' ');
}

} // namespace

Situazione riempisitu(const Stato& s) {
    Situazione sit;
    sit.ritardomassimo = massimoritardo(s);
    const int righe = sit.ritardomassimo + 1;
    sit.numeri.assign(righe, {});
    sit.rossi.assign(righe, {});
    Progresso progresso(s, sit.ritardomassimo);
    for (int d = 0; d < righe; ++d) {
        progresso.fase(0, 20, d);
        // A delay reaching before the first slot of the archive has no draw to show.
        const int x = s.ultimaestrazione - d;
        if (x < 1 || x > NUMSLOT) continue;
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p) {
                const int n = s.estr(x, w, p) & 0xff;
                sit.numeri[d][cella(w, p)] = static_cast<uint8_t>(n <= 90 ? n : 0);
            }
    }
    bool giavisti[91][11] = {};
    for (int d = 0; d < righe; ++d) {
        progresso.fase(20, 20, d);
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p) {
                uint8_t& n = sit.numeri[d][cella(w, p)];
                if (n == 0) continue;
                if (giavisti[n][w])
                    n = 0;
                else
                    giavisti[n][w] = true;
            }
    }
    for (int d = 0; d < righe; ++d) {
        progresso.fase(40, 60, d);
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                if (const int n = sit.numeri[d][cella(w, p)])
                    sit.rossi[d][cella(w, p)] =
                        s.ritardinumeri[indicenumero(n, w)] > s.storicinumeri[indicenumero(n, w)];
    }
    return sit;
}

double attesi(int i) {
    // The ratio in single precision, the power and the product in double.
    const double q = static_cast<double>(17.0f / 18.0f);
    return 90.0 * std::pow(q, i);
}

std::vector<std::array<Anomalia, 10>> critici(const Situazione& sit, int modo, int grado) {
    const int righe = static_cast<int>(sit.numeri.size());
    std::vector<std::array<Anomalia, 10>> segni(righe);
    for (auto& r : segni)
        r.fill(Anomalia::nessuna);
    if (modo != 1 && modo != 2) return segni;
    for (int w = 1; w <= 10; ++w) {
        int attesa = 90; // numbers of the wheel with a delay beyond the rows counted so far
        for (int d = 0; d < righe; ++d) {
            attesa -= contarighe(sit.numeri[d], w);
            // The count is of the delays from d + 1 on: it marks the row of delay d + 1,
            // which the last row does not have.
            if (d + 1 >= righe) break;
            const double e = std::floor(attesi(d + 1));
            if (modo == 1 && attesa > e + grado + 1) segni[d + 1][w - 1] = Anomalia::eccesso;
            if (modo == 2 && attesa < e - grado - 1) segni[d + 1][w - 1] = Anomalia::carenza;
        }
    }
    return segni;
}

Cellesitu cellesitu(const Situazione& sit, const std::array<std::string, 11>& nomiruote) {
    Cellesitu celle(sit.numeri.size() + 2);
    celle[0][0] = "Rit";
    celle[0][NUM] = "Num";
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p) {
            celle[0][colonnagriglia(w, p)] = nomiruote[w - 1];
            celle[1][colonnagriglia(w, p)] = std::to_string(p);
        }
    celle[1][NUM] = Str(50);
    for (size_t d = 0; d < sit.numeri.size(); ++d) {
        auto& riga = celle[d + 2];
        riga[0] = Str(static_cast<long>(d));
        int quanti = 0;
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                if (const int n = sit.numeri[d][cella(w, p)]) {
                    riga[colonnagriglia(w, p)] = std::to_string(n);
                    ++quanti;
                }
        if (quanti > 0) riga[NUM] = Str(quanti);
    }
    return celle;
}

std::vector<std::string> reportsitu(const Cellesitu& celle, const std::string& aggiornamento) {
    const std::string regola(colonnastampa(NUM) + celle.at(1)[NUM].size(), '-');
    std::vector<std::string> linee = {"Bolv",
                                      regola,
                                      "Situazione estrazionale",
                                      regola,
                                      "Dati aggiornati all' estrazione del " + aggiornamento,
                                      regola};
    std::string intestazione;
    for (int c = 1; c < COLONNESITU; ++c)
        if (c % 6 == 1 || c == NUM) {
            tab(intestazione, colonnastampa(c));
            intestazione += celle[0][c];
        }
    linee.push_back(intestazione);
    linee.push_back(regola);
    for (size_t r = 1; r < celle.size(); ++r) {
        std::string riga;
        for (int c = 0; c < COLONNESITU; ++c) {
            tab(riga, colonnastampa(c));
            riga += celle[r][c];
        }
        linee.push_back(riga);
    }
    for (const std::string& l : {std::string(), regola, std::string(), std::string()})
        linee.push_back(l);
    return linee;
}

} // namespace bolv
