#pragma once

// The ".SCH" export ("File Colonne Cruciverba"), the file a lottery shop's terminal reads to
// print the bets. No header, little-endian: one 12-byte number mask per row (rows 1..H), one per
// column (columns 1..W), the signed 32-bit count of 6-number combinations played, the 16-bit
// kind code (6 for a 6 x 6 scheme, 22 otherwise). 12 x (H + W) + 6 bytes in all.

#include "CalcoliCruciverba.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace cruciverba {

// The bytes of the export of the grid's rows 1..righe and columns 1..colonne.
std::vector<uint8_t> ImmagineColonne(const Griglia& griglia, int righe, int colonne);

// Writes the export at percorso, replacing any file of that name. The bytes go to a new file
// beside it that is renamed over the target only once written whole, so a failure leaves no
// half-written file and never loses the old one. False when the file could not be written.
bool EsportaColonne(const std::filesystem::path& percorso, const Griglia& griglia, int righe,
                    int colonne);

} // namespace cruciverba
