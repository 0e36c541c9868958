#include "finestregioco.h"

#include "nomifinestre.h"
#include "sistemi.h"
#include "stampa.h"

namespace bolv {

namespace {

using platform::WindowKind;

// A window still to be built has no factory yet: its entries stay disabled.
const Definizionefinestra tabella[] = {
    {nomi::progress, WindowKind::MdiChild, 29, 15, nullptr},
    {nomi::pronostici, WindowKind::MdiChild, 18, 16, nullptr},
    {nomi::vincite, WindowKind::MdiChild, 0, 0, nullptr},
    {nomi::calcvinc, WindowKind::MdiChild, 19, 0, nullptr},
    {nomi::simul, WindowKind::MdiChild, 16, 0, nullptr},
    {nomi::superena, WindowKind::MdiChild, 17, 0, nullptr},
    {nomi::stampa, WindowKind::MdiChild, 21, 0, crea<stampa>},
    {nomi::sistemi, WindowKind::MdiChild, 34, 0, crea<sistemi>},
};

} // namespace

std::span<const Definizionefinestra> finestregioco() {
    return tabella;
}

} // namespace bolv
