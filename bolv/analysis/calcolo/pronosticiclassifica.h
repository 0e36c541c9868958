// The ranked groups of "Classifica Ritardi e Presenze" as a forecast-group file. Plain C++.
#pragma once

#include "classifica.h"
#include "filepronostici.h"

#include <string>
#include <vector>

namespace bolv {

// One forecast a ranked group, in rank order: its wheel's code ("Tu" becomes all ten
// wheels), its numbers, and the letter of the run's sorte (2 "A", 3 "T").
std::vector<Pronostico> pronosticiclassifica(const std::vector<Riga>& righe, int sorte);

// Writes the group over the file at path from its first byte, as a file written in place
// would be: the bytes of a longer old file beyond the group stay (carried over block by
// block, never read whole). The whole goes through a
// temporary file, so a failed write leaves the old file as it was; false then.
bool scrivisopra(const std::string& path, const std::vector<Pronostico>& gruppo);

} // namespace bolv
