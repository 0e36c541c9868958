// The configuration reader on any file, and the start-up settings drawn from
// what it read: the slots read are the file's bytes, and every slot value gives
// settings within their ranges.
#include "cartellafuzz.h"
#include "datifile.h"
#include "impostazioni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    bolv::Stato& s = fuzz::stato();
    fuzz::metti("bolv.cfg", dati, quanti);
    if (!bolv::leggiconfigurazione(s)) return 0;
    if (bolv::immagineconfigurazione(s.configurazione) != std::vector<uint8_t>(dati, dati + quanti))
        fuzz::violata("the slots read are the file");
    const bolv::Avvioconfigurato c = bolv::configurazioneavvio(s.configurazione);
    if (c.dimensionecarattere < 5 || c.dimensionecarattere > 10)
        fuzz::violata("a printer font size of 5 to 10");
    return 0;
}
