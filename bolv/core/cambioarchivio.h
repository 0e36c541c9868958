// The one road of every change to the draws: the draw entry and its paste, the archive
// browser's edits and the restore of a backup all go through cambiaarchivio.
//
// The road, in order: the archive file is written (for an edit, the draws are changed in
// memory and written with scriviarchivio, which refuses in a weekday mode and reports a
// failed write); the caller's announcement runs (the entry window moves the end of the
// analysis window and tells the user); the data windows are closed; everything is read
// again and recomputed, which also rewrites the status bar. When the file is not written
// nothing after it happens, the draws in memory are as they were before the change, and
// the result is false, so the caller never reports a change that was not made.
#pragma once

#include "stato.h"

#include <functional>

namespace bolv {

// Writes the archive file (and, for an edit, changes the draws first); false when it was
// not written, its reason already told the user.
using Scritturaarchivio = std::function<bool(Stato&)>;
using Annuncio = std::function<void(Stato&)>;

bool cambiaarchivio(Stato& s, const Scritturaarchivio& scrivi, const Annuncio& annuncio = {});

// The writing of an edit: modifica changes estrazioni and dateestrazioni, then the archive
// is written. A refused or failed write puts both back as they were.
Scritturaarchivio modificaestrazioni(std::function<void(Stato&)> modifica);

} // namespace bolv
