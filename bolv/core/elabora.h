// The full recomputation of the number statistics over the analysis window.
#pragma once

#include "stato.h"

#include <string>

namespace bolv {

// Re-reads the archive and recomputes everything. False when the archive file
// was refused (memory and statistics then stay as they were).
bool elabora(Stato& s);
void disattivaambiterni(Stato& s);
// Text of status-bar panel 3 (analysis window and weekday mode).
std::string testostato(const Stato& s);

}  // namespace bolv
