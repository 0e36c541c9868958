#include "finestrenucleo.h"

#include "about.h"
#include "cfgform.h"
#include "estremi.h"
#include "info.h"
#include "init.h"
#include "nomifinestre.h"

namespace bolv {

namespace {

using platform::WindowKind;

const Definizionefinestra tabella[] = {
    {nomi::init, WindowKind::TopLevel, 0, 14, crea<init>},
    {nomi::estremi, WindowKind::MdiChild, 27, 12, crea<estremi>},
    {nomi::info, WindowKind::MdiChild, 23, 0, crea<info>},
    {nomi::cfgform, WindowKind::TopLevel, 22, 0, crea<cfgform>},
    {nomi::about, WindowKind::TopLevel, 0, 0, crea<about>},
};

} // namespace

std::span<const Definizionefinestra> finestrenucleo() {
    return tabella;
}

} // namespace bolv
