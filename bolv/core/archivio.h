// Reading and writing "archivio.dat", the weekday reading modes and the
// checks that keep a damaged file from reaching memory.
#pragma once

#include "stato.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bolv {

// The wheel names, "Bari" .. "Venezia", then "Tutte"; what nomiruote starts with.
extern const std::array<const char*, 11> NOMIRUOTE;

// Why a byte image is not an archive (an Italian phrase starting in lower case
// and ending with a full stop); empty when it is one. An archive is exactly
// 528,000 bytes; its draws fill slots 1..n (n at most 7999) up to the first
// slot whose day is 0, and every later slot is zero; each draw has a real
// date of 1870 or later and, on each wheel, numbers 0..90 with no number
// other than 0 twice. The position-0 plane is not looked at (never stored).
std::optional<std::string> verificaarchivio(const std::vector<uint8_t>& immagine);

// Re-reads the file into estrazioni / dateestrazioni, filtered by modoestrazioni,
// keeps the file's bytes in archiviofile and finds slot1939, slot1945 and
// slotcagliarigenova in the draws held. A file that cannot be read or fails
// verificaarchivio is refused with a message: memory is left exactly as it was
// and the result is false. Outside start-up the wait window is left open.
bool leggiarchivio(Stato& s);

// Writes estrazioni to the file through a temporary file renamed over it.
// Refused (false, with a message) in a weekday mode and when the draws in
// memory, as they are before narrowing to bytes, would not pass
// verificaarchivio; a failed write leaves the old file intact and says so.
bool scriviarchivio(Stato& s);

// The byte image of the draws in memory (position 0 plane zero, low 8 bits).
std::vector<uint8_t> immaginearchivio(const Stato& s);

// The draws in memory: the first slot whose day is 0, minus 1; -1 when every
// slot holds a draw.
int contaestrazioni(const Stato& s);

// The first slot of the archive held whose date is in anno or later, clamped
// to 1..numestrazioni (1 for 1871 and for an empty archive).
int slotanno(const Stato& s, int anno);

// A draw can be added: false (with its message) at capacity or in a weekday mode.
bool puoaggiungere(Stato& s);

} // namespace bolv
