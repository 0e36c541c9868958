#include "finestrearchivio.h"

#include "archesteso.h"
#include "archivio2.h"
#include "inserimento.h"
#include "nomifinestre.h"

namespace bolv {

namespace {

using platform::WindowKind;

// A window still to be built has no factory yet: its entries stay disabled.
const Definizionefinestra tabella[] = {
    {nomi::archivio2, WindowKind::MdiChild, 7, 1, crea<archivio2>},
    {nomi::inserimento, WindowKind::MdiChild, 8, 2, crea<inserimento>},
    {nomi::archesteso, WindowKind::MdiChild, 10, 9, crea<archesteso>},
};

} // namespace

std::span<const Definizionefinestra> finestrearchivio() {
    return tabella;
}

} // namespace bolv
