// Backup, restore and text export of "archivio.dat".
//
// A backup is a byte copy of the archive file. A restore replaces the archive
// only with a file known to be an archive (exact size, accepted by
// verificaarchivio), written through a temporary file and a rename, so a
// failure at any step leaves the archive as it was. Each returns why it
// failed, in Italian, for the window to show; the window asks the questions.
#pragma once

#include "stato.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bolv {

// The two paths name one file (another spelling, a link); false when either is missing.
bool stessofile(const std::string& a, const std::string& b);

// Copies "archivio.dat" to destinazione. Empty on success, else the reason.
std::optional<std::string> copiabackup(const Stato& s, const std::string& destinazione);

// Replaces "archivio.dat" with the archive in sorgente. Empty on success,
// else the reason; the archive file is then untouched.
std::optional<std::string> ripristinadabackup(const Stato& s, const std::string& sorgente);

// The date of an export line as "ddd dd.mm.yyyy" (the weekday in the user's
// locale, which the engine does not know).
using FormatoDataLunga = std::function<std::string(const Data&)>;

// The lines of "archivio.txt" (without line ends) for the draws of a byte
// image of the archive file, up to the first empty slot.
std::vector<std::string> righeesportazione(const std::vector<uint8_t>& immagine,
                                           const FormatoDataLunga& datalunga);

// Writes "archivio.txt" in the program folder from s.archiviofile (the whole
// file, whatever the weekday mode), lines ended by CR LF, with the wait
// window's progress. False when the file could not be written.
bool esportaarchivio(const Stato& s, const FormatoDataLunga& datalunga);

} // namespace bolv
