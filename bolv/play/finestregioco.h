// The play and betting tools.
#pragma once

#include "definizionefinestra.h"

namespace bolv {

std::span<const Definizionefinestra> finestregioco();

} // namespace bolv
