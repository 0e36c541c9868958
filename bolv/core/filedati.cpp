#include "filedati.h"

#include "filesicuri.h"
#include "stato.h"

#include <filesystem>
#include <system_error>

namespace bolv {

namespace {

const char* const MANCACONFIGURAZIONE =
    "Impossibile trovare un file di configurazione. "
    "Ripristinare il file mancante o reinstallare il programma.";
const char* const MANCADATI = "Impossibile trovare un file di dati. "
                              "Ripristinare il file mancante o reinstallare il programma.";

struct Filerichiesto {
    const char* nome;
    std::uintmax_t dimensione;
    const char* messaggio;
};

const Filerichiesto richiesti[] = {
    {"bolv.cfg", DIMCONFIG, MANCACONFIGURAZIONE},
    {"archivio.dat", DIMARCHIVIO, MANCADATI},
    {"tab.dat", DIMFORMAZIONI, MANCADATI},
    {"vincite.dat", DIMVINCITE, MANCADATI},
};

bool presente(const std::filesystem::path& percorso, std::uintmax_t dimensione) {
    std::error_code errore;
    return std::filesystem::is_regular_file(percorso, errore) &&
           std::filesystem::file_size(percorso, errore) == dimensione && !errore;
}

} // namespace

std::optional<std::string> controllafiledati(const std::string& cartella) {
    for (const auto& f : richiesti)
        if (!presente(std::filesystem::path(cartella) / f.nome, f.dimensione)) return f.messaggio;
    return std::nullopt;
}

std::vector<std::string> nomifiledati() {
    std::vector<std::string> nomi;
    for (const auto& f : richiesti)
        nomi.push_back(f.nome);
    return nomi;
}

void pulisciavanzidati(const std::string& cartella) {
    std::vector<std::string> nomi = nomifiledati();
    nomi.insert(nomi.end(), {"simul.dat", "sfondo.jpg", "archivio.txt"});
    for (const std::string& nome : nomi)
        pulisciavanzi((std::filesystem::path(cartella) / nome).string());
}

} // namespace bolv
