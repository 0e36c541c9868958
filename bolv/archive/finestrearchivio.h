// The archive-maintenance windows: draw entry, archive browser and editor, year view.
#pragma once

#include "definizionefinestra.h"

namespace bolv {

std::span<const Definizionefinestra> finestrearchivio();

} // namespace bolv
