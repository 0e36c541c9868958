// The windows of the main window's own subsystem: splash, dialogs, archive information.
#pragma once

#include "definizionefinestra.h"

namespace bolv {

std::span<const Definizionefinestra> finestrenucleo();

} // namespace bolv
