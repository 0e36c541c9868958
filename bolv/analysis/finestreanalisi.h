// The statistical analysis windows.
#pragma once

#include "definizionefinestra.h"

namespace bolv {

std::span<const Definizionefinestra> finestreanalisi();

} // namespace bolv
