#include "finestregioco.h"

#include "calcvinc.h"
#include "nomifinestre.h"
#include "progress.h"
#include "pronostici.h"
#include "simul.h"
#include "sistemi.h"
#include "stampa.h"
#include "superena.h"
#include "vincite.h"

namespace bolv {

namespace {

using platform::WindowKind;

// A window still to be built has no factory yet: its entries stay disabled.
const Definizionefinestra tabella[] = {
    {nomi::progress, WindowKind::MdiChild, 29, 15, crea<progress>},
    {nomi::pronostici, WindowKind::MdiChild, 18, 16, crea<pronostici>},
    {nomi::vincite, WindowKind::MdiChild, 0, 0, crea<vincite>},
    {nomi::calcvinc, WindowKind::MdiChild, 19, 0, crea<calcvinc>},
    {nomi::simul, WindowKind::MdiChild, 16, 0, crea<simul>},
    {nomi::superena, WindowKind::MdiChild, 17, 0, crea<superena>},
    {nomi::stampa, WindowKind::MdiChild, 21, 0, crea<stampa>},
    {nomi::sistemi, WindowKind::MdiChild, 34, 0, crea<sistemi>},
};

} // namespace

std::span<const Definizionefinestra> finestregioco() {
    return tabella;
}

} // namespace bolv
