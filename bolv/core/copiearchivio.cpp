#include "copiearchivio.h"

#include "archivio.h"
#include "filesicuri.h"

#include <cstdio>
#include <filesystem>

namespace bolv {

namespace {

const char* const NOMEARCHIVIO = "archivio.dat";
const char* const NOMEESPORTAZIONE = "archivio.txt";
const char* const INTATTO = "L'archivio corrente non è stato modificato.";

int byte(const std::vector<uint8_t>& immagine, int d, int r, int p) {
    return immagine[indicearchivio(d, r, p)];
}

Data dataslot(const std::vector<uint8_t>& immagine, int d) {
    return Data::normalizzata(byte(immagine, d, 0, 4) * 100 + byte(immagine, d, 0, 3),
                              byte(immagine, d, 0, 2), byte(immagine, d, 0, 1));
}

std::string rigaestrazione(const std::vector<uint8_t>& immagine, int d,
                           const FormatoDataLunga& datalunga) {
    std::string riga = datalunga(dataslot(immagine, d)) + " | ";
    char numero[8];
    for (int ruota = 1; ruota <= 10; ++ruota) {
        for (int p = 1; p <= 5; ++p) {
            std::snprintf(numero, sizeof numero, "%02d ", byte(immagine, d, ruota, p));
            riga += numero;
        }
        riga += " | ";
    }
    return riga;
}

} // namespace

// Compares the files, not the names: another spelling of the path or a link to the
// archive would pass a comparison of the names.
bool stessofile(const std::string& a, const std::string& b) {
    std::error_code errore;
    return std::filesystem::equivalent(a, b, errore);
}

std::optional<std::string> copiabackup(const Stato& s, const std::string& destinazione) {
    const std::string archivio = s.percorso(NOMEARCHIVIO);
    if (stessofile(destinazione, archivio))
        return "Il file scelto è l'archivio corrente di Bolv: scegliere un altro file per il "
               "backup.";
    const auto dati = leggifile(archivio, DIMARCHIVIO);
    if (!dati) return "Impossibile leggere l'archivio corrente: il backup non è stato creato.";
    if (!scrivifilesicuro(destinazione, *dati))
        return "Impossibile scrivere il file di backup scelto: il backup non è stato creato.";
    return std::nullopt;
}

std::optional<std::string> ripristinadabackup(const Stato& s, const std::string& sorgente) {
    const std::string archivio = s.percorso(NOMEARCHIVIO);
    if (stessofile(sorgente, archivio))
        return "Il file scelto è l'archivio corrente di Bolv: non c'è nulla da ripristinare.";
    // The size is looked at before anything is read: a huge file is refused at once.
    std::uintmax_t dimensione = DIMARCHIVIO;
    const auto dati = leggifile(sorgente, DIMARCHIVIO, &dimensione);
    if (!dati && dimensione != DIMARCHIVIO)
        return std::string("Il file scelto non è un archivio di Bolv: la sua dimensione non è "
                           "di 528.000 byte. ") +
               INTATTO;
    if (!dati) return std::string("Impossibile leggere il file scelto. ") + INTATTO;
    if (const auto motivo = verificaarchivio(*dati))
        return "Il file scelto non è un archivio di Bolv valido: " + *motivo + "\n" + INTATTO;
    if (!scrivifilesicuro(archivio, *dati))
        return std::string("Impossibile scrivere l'archivio di Bolv. ") + INTATTO;
    return std::nullopt;
}

std::vector<std::string> righeesportazione(const std::vector<uint8_t>& immagine,
                                           const FormatoDataLunga& datalunga) {
    std::vector<std::string> righe;
    for (int d = 1; d <= NUMSLOT && byte(immagine, d, 0, 1) != 0; ++d)
        righe.push_back(rigaestrazione(immagine, d, datalunga));
    return righe;
}

bool esportaarchivio(const Stato& s, const FormatoDataLunga& datalunga) {
    Interfaccia& ui = s.interfaccia();
    ui.mostramessaggio("Esportazione in corso...");
    const auto righe = righeesportazione(s.archiviofile, datalunga);
    std::string testo;
    testo.reserve(righe.size() * 200);
    for (size_t i = 0; i < righe.size(); ++i) {
        const size_t d = i + 1;
        if (d % 80 == 0) ui.progresso(static_cast<int>(d / 80));
        testo += righe[i];
        testo += "\r\n";
    }
    const bool scritto = scrivifilesicuro(s.percorso(NOMEESPORTAZIONE),
                                          std::vector<uint8_t>(testo.begin(), testo.end()));
    ui.chiudimessaggio();
    return scritto;
}

} // namespace bolv
