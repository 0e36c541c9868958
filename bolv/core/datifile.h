// "bolv.cfg", "vincite.dat" and "tab.dat": fixed-size little-endian images.
#pragma once

#include "stato.h"

#include <optional>
#include <string>

namespace bolv {

// Each reader refuses a file of the wrong size (nullopt / false).
bool leggiconfigurazione(Stato& s);
bool scriviconfigurazione(const Stato& s);  // through a temporary file
bool leggivincite(Stato& s);
bool leggiformazioni(Stato& s);

std::vector<uint8_t> immagineconfigurazione(const std::array<int16_t, NUMCONFIG>& c);

}  // namespace bolv
