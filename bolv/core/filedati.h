// The data files Bolv cannot start without, checked before anything is read or written.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bolv {

// The message that ends start-up when "bolv.cfg", "archivio.dat", "tab.dat" or
// "vincite.dat" (checked in that order) is missing from cartella or is not exactly the size
// of its layout; nullopt when all four are in place. A file of the wrong size is treated as
// a missing one: reading it would leave part of the tables undefined.
std::optional<std::string> controllafiledati(const std::string& cartella);

// The names of those four files, in that order: the files a new user's folder is given.
std::vector<std::string> nomifiledati();

// Removes from cartella the temporary files that interrupted writes left beside the files
// the program keeps there: those four, "simul.dat", "sfondo.jpg" and the export
// "archivio.txt" (see pulisciavanzi; nothing else is touched).
void pulisciavanzidati(const std::string& cartella);

} // namespace bolv
