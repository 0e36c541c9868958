// The archive commands of the "&File" menu and of the standard toolbar: "Crea Backup...",
// "Ripristina Backup..." and "Esporta Archivio...". They ask the user through the file
// dialog and message boxes; the copies themselves are copiearchivio's.
#pragma once

namespace bolv {

// Copies "archivio.dat" to a ".bolv" file the user chooses.
void creabackup();
// Replaces "archivio.dat" with a backup the user chooses, then re-reads and recomputes.
void ripristinabackup();
// Writes "archivio.txt" in the program folder once the user agrees.
void esportamenu_Click();

} // namespace bolv
