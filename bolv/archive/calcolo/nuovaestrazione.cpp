#include "nuovaestrazione.h"

#include "archivio.h"
#include "testo.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace bolv {

namespace {

const char* const DATANONVALIDA = "La data inserita non è valida.";
const char* const ATTENZIONE = "Attenzione";

Passo avviso(std::string testo) {
    return {false, std::move(testo), {}};
}
Passo domanda(std::string testo) {
    return {true, std::move(testo), ATTENZIONE};
}

bool spazio(char c) {
    return c == ' ' || c == '\t';
}

// A whole number typed as such (numeric, no decimal part), or nothing. The value stays a
// double so that a long run of digits compares as the huge number it is.
std::optional<double> intero(const std::string& testo) {
    if (!numerico(testo)) return std::nullopt;
    const double v = Val(testo);
    if (v != std::floor(v)) return std::nullopt;
    return v;
}

// The calendar date of the typed texts; a year below 100 is 19yy, one above 9999 no date.
std::optional<Data> datacalendario(const Immissione& i) {
    const auto giorno = intero(i.giorno), mese = intero(i.mese), anno = intero(i.anno);
    if (!giorno || !mese || !anno) return std::nullopt;
    if (*anno < 0 || *anno > 9999 || *mese < 1 || *mese > 12 || *giorno < 1 || *giorno > 31)
        return std::nullopt;
    const int a = static_cast<int>(*anno) + (*anno < 100 ? 1900 : 0);
    const Data d{a, static_cast<int>(*mese), static_cast<int>(*giorno)};
    if (Data::normalizzata(d.anno, d.mese, d.giorno) != d) return std::nullopt;
    return d;
}

bool giornodigioco(const Data& d) {
    const int g = d.giornosettimana();
    return g == 4 || g == 7; // Wednesday, Saturday
}

// The wheel (1..10) whose first number is not 0 and that holds a number twice, or 0.
int ruotaconripetizioni(const std::array<int, 50>& numeri) {
    for (int w = 0; w < 10; ++w) {
        const int* r = &numeri[w * 5];
        if (r[0] == 0) continue;
        for (int i = 0; i < 5; ++i)
            for (int k = i + 1; k < 5; ++k)
                if (r[i] == r[k]) return w + 1;
    }
    return 0;
}

// Slots punto+1 .. 7999 move up one, dates with them; slot 8000 is free below capacity.
void spostaavanti(Stato& s, int punto) {
    if (punto >= NUMSLOT - 1) return;
    for (int r = 0; r < NUMRIGHE; ++r)
        for (int p = 0; p < NUMPOSIZIONI; ++p) {
            auto piano = s.estrazioni.begin() + indicearchivio(1, r, p);
            std::copy_backward(piano + punto, piano + NUMSLOT - 1, piano + NUMSLOT);
        }
    auto date = s.dateestrazioni.begin();
    std::copy_backward(date + punto + 1, date + NUMSLOT, date + NUMSLOT + 1);
}

void scrivislot(Stato& s, int n, const Nuovaestrazione& e) {
    s.estr(n, 0, 1) = static_cast<int16_t>(e.data.giorno);
    s.estr(n, 0, 2) = static_cast<int16_t>(e.data.mese);
    s.estr(n, 0, 3) = static_cast<int16_t>(e.anno100);
    s.estr(n, 0, 4) = static_cast<int16_t>(e.secolo);
    s.dateestrazioni[n] = Data{e.secolo * 100 + e.anno100, e.data.mese, e.data.giorno};
    for (int w = 1; w <= 10; ++w)
        for (int k = 1; k <= 5; ++k)
            s.estr(n, w, k) = static_cast<int16_t>(e.numeri[(w - 1) * 5 + k - 1]);
}

// Where the new draw goes after (0 = first), or nothing with its message.
std::optional<int> puntodiinserimento(Stato& s) {
    if (s.modoaccoda) return s.numestrazioni;
    if (s.puntoinserimento >= 0 && s.puntoinserimento <= s.numestrazioni) return s.puntoinserimento;
    s.interfaccia().avviso(
        "L'estrazione dopo la quale inserire la nuova (n. " + std::to_string(s.puntoinserimento) +
        ") non è più nell'archivio, che ora ne contiene " + std::to_string(s.numestrazioni) +
        ": l'estrazione non è stata inserita.");
    return std::nullopt;
}

std::string normalizzacifre(const std::string& cifre) {
    const size_t primo = std::min(cifre.find_first_not_of('0'), cifre.size() - 1);
    std::string t = cifre.substr(primo);
    return t.size() < 2 ? "0" + t : t;
}

} // namespace

bool numerico(const std::string& testo) {
    size_t i = 0, fine = testo.size();
    while (i < fine && spazio(testo[i]))
        ++i;
    while (fine > i && spazio(testo[fine - 1]))
        --fine;
    if (i < fine && (testo[i] == '+' || testo[i] == '-')) ++i;
    bool cifra = false, punto = false;
    for (; i < fine; ++i) {
        const char c = testo[i];
        if (std::isdigit(static_cast<unsigned char>(c)))
            cifra = true;
        else if (c == '.' && !punto)
            punto = true;
        else
            return false;
    }
    return cifra;
}

Controllo controllaestrazione(const Immissione& immissione,
                              const std::array<std::string, 11>& nomiruote) {
    Controllo c;
    const auto data = datacalendario(immissione);
    if (!data) {
        c.passi.push_back(avviso(DATANONVALIDA));
        return c;
    }
    if (!giornodigioco(*data))
        c.passi.push_back(domanda("La data immessa non corrisponde a un sabato o un mercoledi. "
                                  "Procedere comunque?"));
    // The archive starts in 1871; a year below 100 stands for 19yy, so 100 itself is no year
    // the archive can hold either.
    const int annoscritto = static_cast<int>(Val(immissione.anno));
    if (annoscritto >= 100 && annoscritto < 1870) {
        c.passi.push_back(avviso(DATANONVALIDA));
        return c;
    }
    Nuovaestrazione e;
    for (size_t i = 0; i < immissione.numeri.size(); ++i) {
        const double v = Val(immissione.numeri[i]);
        if (v < 0 || v > 90) {
            c.passi.push_back(
                avviso("Ci sono numeri non validi\ro non tutti i numeri sono stati inseriti."));
            return c;
        }
        e.numeri[i] = static_cast<int>(std::nearbyint(v)); // halves to the even one
    }
    if (std::find(e.numeri.begin(), e.numeri.end(), 0) != e.numeri.end())
        c.passi.push_back(avviso("Avvertenza: sono stati inseriti degli zeri."));
    if (const int w = ruotaconripetizioni(e.numeri)) {
        c.passi.push_back(avviso("Impossibile procedere.\rCi sono due estratti uguali in una "
                                 "stessa ruota (" +
                                 nomiruote[w - 1] + ")."));
        return c;
    }
    c.passi.push_back(
        domanda("Il programma ora salverà l'estrazione nell'archivio e aggiornerà i ritardi e le "
                "frequenze.\rSi consiglia un frequente backup dei dati.\rProcedere?"));
    e.data = *data;
    e.anno100 = annoscritto % 100;
    e.secolo = annoscritto < 100 ? 19 : annoscritto / 100;
    c.estrazione = e;
    return c;
}

bool inserisciestrazione(Stato& s, const Nuovaestrazione& e) {
    if (!puoaggiungere(s)) return false;
    const auto punto = puntodiinserimento(s);
    if (!punto) return false;
    const int p = *punto;
    const auto modifica = modificaestrazioni([p, e](Stato& st) {
        spostaavanti(st, p);
        scrivislot(st, p + 1, e);
    });
    const auto annuncio = [](Stato& st) {
        st.ultimaestrazione = st.numestrazioni + 1;
        st.interfaccia().avviso(
            "L'aggiornamento è stato completato con successo. L'estrazione finale e' stata "
            "reimpostata all'ultima dell'archivio. Il programma provvederà ora alla rilettura "
            "dell'archivio.");
    };
    if (!cambiaarchivio(s, modifica, annuncio)) return false;
    s.modoaccoda = true;
    return true;
}

std::optional<std::array<std::string, 53>> campiappunti(const std::string& testo) {
    std::array<std::string, 53> campi;
    size_t trovati = 0;
    std::string corsa;
    for (size_t i = 0; i <= testo.size() && trovati < campi.size(); ++i) {
        const bool cifra = i < testo.size() && testo[i] >= '0' && testo[i] <= '9';
        if (cifra) {
            corsa += testo[i];
        } else if (!corsa.empty()) {
            campi[trovati++] = normalizzacifre(corsa);
            corsa.clear();
        }
    }
    if (trovati < campi.size()) return std::nullopt;
    return campi;
}

void inserimentoaccoda(Stato& s) {
    s.modoaccoda = true;
}

bool inserimentointermedio(Stato& s, const std::optional<std::string>& risposta) {
    if (!risposta || risposta->empty()) return false;
    const double valore = Val(*risposta);
    if (valore < 0 || valore > s.numestrazioni) {
        s.interfaccia().avviso("Il valore inserito non è valido.");
        return false;
    }
    s.puntoinserimento = static_cast<int>(std::nearbyint(valore)); // halves to the even one
    s.modoaccoda = false;
    return true;
}

} // namespace bolv
