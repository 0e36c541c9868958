// Reading and writing "archivio.dat", the weekday reading modes and the
// checks that keep a damaged file from reaching memory.
#pragma once

#include "stato.h"

#include <optional>
#include <string>
#include <vector>

namespace bolv {

// Why a byte image is not an archive; empty when it is one.
std::optional<std::string> verificaarchivio(const std::vector<uint8_t>& immagine);

// Re-reads the file into estrazioni / dateestrazioni, filtered by modoestrazioni.
// A file that fails verificaarchivio is refused with a message: memory is left
// exactly as it was and the result is false.
bool leggiarchivio(Stato& s);

// Writes estrazioni to the file through a temporary file renamed over it.
// Refused (false, with a message) in a weekday mode; a failed write leaves the
// old file intact and says so.
bool scriviarchivio(Stato& s);

// The byte image of the draws in memory (position 0 plane zero, low 8 bits).
std::vector<uint8_t> immaginearchivio(const Stato& s);

// Writes bytes to path through "path.tmp" and a rename; false on any failure.
bool scrivifilesicuro(const std::string& path, const std::vector<uint8_t>& dati);
// Whole file, or nullopt when it cannot be read.
std::optional<std::vector<uint8_t>> leggifile(const std::string& path);

// The first slot of the archive held whose date is in anno or later, clamped
// to 1..numestrazioni (1 for 1871 and for an empty archive).
int slotanno(const Stato& s, int anno);

// A draw can be added: false (with its message) at capacity or in a weekday mode.
bool puoaggiungere(Stato& s);

}  // namespace bolv
