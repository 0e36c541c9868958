// "bolv.cfg", "vincite.dat" and "tab.dat": fixed-size little-endian images.
//
// Start-up checks these files before reading them and shows its own message,
// so the readers say nothing: each refuses a file it cannot read or of the
// wrong size (false) and then leaves its table as it was. A family of "tab.dat" that does
// not fit its table is read as empty (validaformazioni).
#pragma once

#include "stato.h"

#include <array>
#include <cstdint>
#include <vector>

namespace bolv {

bool leggiconfigurazione(Stato& s);
bool leggivincite(Stato& s);
bool leggiformazioni(Stato& s);

std::vector<uint8_t> immagineconfigurazione(const std::array<int16_t, NUMCONFIG>& c);

} // namespace bolv
