// The readers of typed numbers on any texts, one a line of the input.
//
// Val is the number numeroiniziale finds at the start of a text, its digits read
// as the C library reads them (0 when there are none), and a letter after the
// text changes nothing; a text is numerico exactly when that number is all of it
// but blanks. A typed list splits into contaseparatori + 1 fields that, joined
// again at the separators, are the text.
//
// The boxes of the archive windows read whole numbers from that value: a slot
// number or an insertion point is taken exactly when the value is in range, as
// that value rounded; a refused insertion point leaves the mode and the point as
// they were; a new date is taken only as a real date of the values typed, with a
// century that fits the archive's byte; a date searched for keeps to years a
// calendar has. The checks of a draw typed in the entry window store a draw only
// with the date and the numbers 0 to 90 its boxes say.
#include "cartellafuzz.h"
#include "combinatoria.h"
#include "editazione.h"
#include "nuovaestrazione.h"
#include "ricercaestrazioni.h"
#include "testo.h"

#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

bool bianco(char c) {
    return c == ' ' || c == '\t';
}
bool cifra(char c) {
    return c >= '0' && c <= '9';
}

void valore(const std::string& t) {
    const bolv::Numeroiniziale n = bolv::numeroiniziale(t);
    const double v = bolv::Val(t);
    if (bolv::Val(t + "x") != v) fuzz::violata("a letter after the number changes nothing");
    if (n.cifre.empty()) {
        if (v != 0 || bolv::numerico(t)) fuzz::violata("a text beginning with no number is 0");
        return;
    }
    // Where the digits are: after blanks and a sign, the rest of the text not digits.
    if (n.cifre.data() < t.data() || n.cifre.data() + n.cifre.size() > t.data() + t.size())
        fuzz::violata("the digits are the text's");
    const size_t inizio = static_cast<size_t>(n.cifre.data() - t.data());
    const size_t fine = inizio + n.cifre.size();
    size_t i = 0;
    while (i < inizio && bianco(t[i]))
        ++i;
    const bool segno = i < inizio && (t[i] == '+' || t[i] == '-');
    if (i + segno != inizio || n.negativo != (segno && t[i] == '-'))
        fuzz::violata("the number starts after blanks and its sign");
    if (n.punto > n.cifre.size() || (n.punto < n.cifre.size() && n.cifre[n.punto] != '.'))
        fuzz::violata("the point is where numeroiniziale says");
    for (size_t k = 0; k < n.cifre.size(); ++k)
        if (k != n.punto && !cifra(n.cifre[k])) fuzz::violata("digits around the point");
    const size_t punti = n.punto < n.cifre.size() ? 1 : 0;
    if (n.cifre.size() == punti ||
        (fine < t.size() && (cifra(t[fine]) || (t[fine] == '.' && n.punto == n.cifre.size()))))
        fuzz::violata("the number is all the digits there are");
    const double cifre = std::strtod(std::string(n.cifre).c_str(), nullptr);
    if (v != (n.negativo ? -cifre : cifre)) fuzz::violata("Val is the value of the digits");
    bool resto = true;
    for (size_t k = fine; k < t.size(); ++k)
        resto = resto && bianco(t[k]);
    if (bolv::numerico(t) != resto) fuzz::violata("numerico when nothing but blanks follows");
}

// Fields of the text at the separators, with at most a few distinct ones.
void campi(const std::string& testo, const std::string& separatori) {
    const size_t separati = bolv::contaseparatori(testo, separatori);
    const std::vector<std::string> c = bolv::dividistringa(testo, separatori);
    if (c.size() != separati + 1) fuzz::violata("one field more than separators");
    std::string unito = c[0];
    for (size_t k = 1; k < c.size(); ++k) {
        if (unito.size() >= testo.size()) fuzz::violata("the fields are the text");
        unito += testo[unito.size()];
        if (separatori.find(unito.back()) == std::string::npos)
            fuzz::violata("split at a separator");
        unito += c[k];
    }
    for (const std::string& campo : c)
        if (campo.find_first_of(separatori) != std::string::npos)
            fuzz::violata("no field holds a separator");
    if (unito != testo) fuzz::violata("the fields joined at the separators are the text");
}

// The slot number of "Vai a numero", a swap or a move, and "Inserimento Intermedio",
// in an archive of prima..ultima.
void slot(const std::string& t, int prima, int ultima) {
    bolv::Stato& s = fuzz::stato();
    s.primaestrazione = prima;
    s.numestrazioni = ultima;
    const double v = bolv::Val(t);
    const bool dentro = v >= prima && v <= ultima;
    const auto digitato = bolv::slotdigitato(s, t);
    if (digitato.has_value() != dentro) fuzz::violata("a slot is taken when in range");
    if (digitato && (*digitato != std::nearbyint(v) || *digitato < prima || *digitato > ultima))
        fuzz::violata("the slot is the value rounded");
    const bolv::Esitonumero esito = bolv::cercanumero(s, t);
    if (esito.slot != digitato.value_or(0) || esito.messaggi.empty() != dentro)
        fuzz::violata("a draw shown, or why not");

    s.puntoinserimento = 4321;
    s.modoaccoda = true;
    const bool intermedio = bolv::inserimentointermedio(s, t);
    if (intermedio != (!t.empty() && v >= 0 && v <= ultima))
        fuzz::violata("an insertion point is taken when in range");
    if (!intermedio && (s.puntoinserimento != 4321 || !s.modoaccoda))
        fuzz::violata("a refused insertion point changes nothing");
    if (intermedio && (s.puntoinserimento != std::nearbyint(v) || s.modoaccoda))
        fuzz::violata("the insertion point is the value rounded");
}

void nuovadata(const std::string& g, const std::string& m, const std::string& a) {
    const auto data = bolv::nuovadata(g, m, a);
    if (!data) return;
    double anno = std::nearbyint(bolv::Val(a));
    if (anno >= 0 && anno <= 99) anno += 1900;
    if (g.empty() || m.empty() || a.empty() ||
        bolv::Data::normalizzata(data->anno, data->mese, data->giorno) != *data ||
        data->giorno != std::nearbyint(bolv::Val(g)) ||
        data->mese != std::nearbyint(bolv::Val(m)) || data->anno != anno || data->anno < 1870)
        fuzz::violata("a new date is the real date typed, from 1870");
    bolv::Stato& s = fuzz::stato();
    bolv::ridataestrazione(s, 1, *data);
    if (s.estr(1, 0, 4) > 255 || s.estr(1, 0, 4) * 100 + s.estr(1, 0, 3) != data->anno)
        fuzz::violata("the century fits the archive's byte");
}

void datacercata(const std::string& t) {
    const auto data = bolv::leggidatacercata(t);
    if (!data) return;
    const bolv::Data d = bolv::Data::normalizzata(data->anno, data->mese, data->giorno);
    if (d.anno < 100 || d.anno > 9999) fuzz::violata("a date searched for has a calendar year");
}

// Line k of the input, empty beyond its end.
std::string riga(const std::vector<std::string>& testi, size_t k) {
    return k < testi.size() ? testi[k] : std::string();
}

// The entry window's 53 boxes: day, month, year, then the 50 numbers.
void immissione(const std::vector<std::string>& testi) {
    bolv::Immissione i{riga(testi, 0), riga(testi, 1), riga(testi, 2), {}};
    for (size_t k = 0; k < i.numeri.size(); ++k)
        i.numeri[k] = riga(testi, 3 + k);
    const bolv::Controllo c = bolv::controllaestrazione(i, {});
    if (c.passi.empty() || c.passi.back().domanda != c.estrazione.has_value())
        fuzz::violata("a draw ends with the confirmation, a refusal with its message");
    if (!c.estrazione) return;
    const bolv::Nuovaestrazione& e = *c.estrazione;
    const double anno = bolv::Val(i.anno);
    if (!bolv::numerico(i.giorno) || !bolv::numerico(i.mese) || !bolv::numerico(i.anno) ||
        e.data.giorno != bolv::Val(i.giorno) || e.data.mese != bolv::Val(i.mese) ||
        e.data.anno != (anno < 100 ? 1900 + anno : anno) ||
        e.secolo * 100 + e.anno100 != e.data.anno)
        fuzz::violata("the date stored is the one typed");
    for (size_t k = 0; k < e.numeri.size(); ++k)
        if (e.numeri[k] != std::nearbyint(bolv::Val(i.numeri[k])) || e.numeri[k] < 0 ||
            e.numeri[k] > 90)
            fuzz::violata("each number stored is its box rounded, 0 to 90");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    const std::string tutto(reinterpret_cast<const char*>(dati), quanti);
    std::vector<std::string> testi;
    for (size_t i = 0;; ++i) {
        const size_t fine = std::min(tutto.find('\n', i), tutto.size());
        testi.push_back(tutto.substr(i, fine - i));
        if (fine == tutto.size()) break;
        i = fine;
    }
    for (const std::string& t : testi) {
        valore(t);
        slot(t, 1, bolv::NUMSLOT);
        slot(t, 3, 10);
        slot(t, 1, 0);
        datacercata(t);
    }
    // The separators: "." as every list typed, and the distinct characters of the first line.
    std::string separatori;
    for (char c : testi[0])
        if (separatori.size() < 4 && separatori.find(c) == std::string::npos) separatori += c;
    campi(tutto, ".");
    if (!separatori.empty()) campi(tutto, separatori);
    nuovadata(testi[0], riga(testi, 1), riga(testi, 2));
    immissione(testi);
    return 0;
}
