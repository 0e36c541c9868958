// The clipboard paste of the entry window on any text. It gives the 53 fields
// exactly when the text holds 53 runs of digits, and then each field is its run,
// written with at least two digits and no other leading zero; otherwise it gives
// nothing and the window's fields stay as they were. The checks of "INSERISCI"
// on the pasted fields store a draw only with the day, month, year and 50 numbers
// the runs say, and a refusal always ends with the message that says why.
#include "cartellafuzz.h"
#include "nuovaestrazione.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view CIFRE = "0123456789";

// The first 53 runs of digits of the text.
std::vector<std::string_view> corse(std::string_view testo) {
    std::vector<std::string_view> v;
    for (size_t i = testo.find_first_of(CIFRE); i != std::string_view::npos && v.size() < 53;) {
        const size_t fine = std::min(testo.find_first_not_of(CIFRE, i), testo.size());
        v.push_back(testo.substr(i, fine - i));
        i = testo.find_first_of(CIFRE, fine);
    }
    return v;
}

std::string_view senzazeri(std::string_view cifre) {
    return cifre.substr(std::min(cifre.find_first_not_of('0'), cifre.size()));
}

// The value of a run that the checks can accept (at most 9999), or -1.
int valore(std::string_view corsa) {
    const std::string_view c = senzazeri(corsa);
    if (c.size() > 4) return -1;
    int v = 0;
    for (char x : c)
        v = v * 10 + (x - '0');
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    const std::string testo(reinterpret_cast<const char*>(dati), quanti);
    const auto campi = bolv::campiappunti(testo);
    const auto attese = corse(testo);
    if (campi.has_value() != (attese.size() == 53)) fuzz::violata("53 runs of digits, or nothing");
    if (!campi) return 0;
    for (size_t i = 0; i < 53; ++i) {
        const std::string& c = (*campi)[i];
        if (c.size() < 2 || c.find_first_not_of(CIFRE) != std::string::npos ||
            (c[0] == '0' && c.size() > 2) || senzazeri(c) != senzazeri(attese[i]))
            fuzz::violata("each field is its run, with at least two digits");
    }

    bolv::Immissione immissione{(*campi)[0], (*campi)[1], (*campi)[2], {}};
    std::copy(campi->begin() + 3, campi->end(), immissione.numeri.begin());
    const bolv::Controllo controllo = bolv::controllaestrazione(immissione, {});
    if (controllo.passi.empty()) fuzz::violata("the checks always say something");
    if (controllo.passi.back().domanda != controllo.estrazione.has_value())
        fuzz::violata("a draw ends with the confirmation, a refusal with its message");
    if (!controllo.estrazione) return 0;
    const bolv::Nuovaestrazione& e = *controllo.estrazione;
    const int anno = valore(attese[2]);
    const int secolo = anno < 100 ? 19 : anno / 100;
    if (e.data.giorno != valore(attese[0]) || e.data.mese != valore(attese[1]) ||
        e.anno100 != anno % 100 || e.secolo != secolo || e.data.anno != secolo * 100 + anno % 100)
        fuzz::violata("the date stored is the one pasted");
    for (size_t i = 0; i < e.numeri.size(); ++i)
        if (e.numeri[i] != valore(attese[3 + i]) || e.numeri[i] > 90)
            fuzz::violata("each number stored is its run, 0 to 90");
    return 0;
}
