#include "finestreanalisi.h"

#include "massimi.h"
#include "nomifinestre.h"

namespace bolv {

namespace {

using platform::WindowKind;

// A window still to be built has no factory yet: its entries stay disabled.
const Definizionefinestra tabella[] = {
    {nomi::ricerca, WindowKind::MdiChild, 13, 3, nullptr},
    {nomi::estrazionale, WindowKind::MdiChild, 20, 4, nullptr},
    {nomi::situ, WindowKind::MdiChild, 11, 5, nullptr},
    {nomi::massimi, WindowKind::MdiChild, 12, 6, crea<massimi>},
    {nomi::terni, WindowKind::MdiChild, 24, 7, nullptr},
    {nomi::ambi, WindowKind::MdiChild, 70, 8, nullptr},
    {nomi::capogioco, WindowKind::MdiChild, 14, 10, nullptr},
    {nomi::tabform, WindowKind::MdiChild, 26, 11, nullptr},
    {nomi::estratti, WindowKind::MdiChild, 25, 13, nullptr},
    {nomi::combinazioni, WindowKind::MdiChild, 32, 0, nullptr},
    {nomi::sincro, WindowKind::MdiChild, 15, 0, nullptr},
};

} // namespace

std::span<const Definizionefinestra> finestreanalisi() {
    return tabella;
}

} // namespace bolv
