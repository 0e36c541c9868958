// Bolv's help pages, a resource of the kit (the folder guida/): the contents, the index and
// one topic for each help context of the window tables. The program gives them to the
// platform's help window at start-up.
#pragma once

#include "help.h"

namespace bolv {

inline void usaguida() {
    platform::setHelpPages(QStringLiteral(":/guida"));
}

} // namespace bolv
