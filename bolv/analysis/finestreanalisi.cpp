#include "finestreanalisi.h"

#include "ambi.h"
#include "capogioco.h"
#include "combinazioni.h"
#include "estratti.h"
#include "estrazionale.h"
#include "massimi.h"
#include "nomifinestre.h"
#include "ricerca.h"
#include "sincro.h"
#include "situ.h"
#include "tabform.h"
#include "terni.h"

namespace bolv {

namespace {

using platform::WindowKind;

// A window still to be built has no factory yet: its entries stay disabled.
const Definizionefinestra tabella[] = {
    {nomi::ricerca, WindowKind::MdiChild, 13, 3, crea<ricerca>},
    {nomi::estrazionale, WindowKind::MdiChild, 20, 4, crea<estrazionale>},
    {nomi::situ, WindowKind::MdiChild, 11, 5, crea<situ>},
    {nomi::massimi, WindowKind::MdiChild, 12, 6, crea<massimi>},
    {nomi::terni, WindowKind::MdiChild, 24, 7, crea<terni>},
    {nomi::ambi, WindowKind::MdiChild, 70, 8, crea<ambi>},
    {nomi::capogioco, WindowKind::MdiChild, 14, 10, crea<capogioco>},
    {nomi::tabform, WindowKind::MdiChild, 26, 11, crea<tabform>},
    {nomi::estratti, WindowKind::MdiChild, 25, 13, crea<estratti>},
    {nomi::combinazioni, WindowKind::MdiChild, 32, 0, crea<combinazioni>},
    {nomi::sincro, WindowKind::MdiChild, 15, 0, crea<sincro>},
};

} // namespace

std::span<const Definizionefinestra> finestreanalisi() {
    return tabella;
}

} // namespace bolv
