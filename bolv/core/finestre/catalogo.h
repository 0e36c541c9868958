// The windows the menus and toolbars open and the commands they run, made known to the
// window registry and to the main window in one place.
#pragma once

namespace bolv {

class bolvmain;

// Adds the window tables of every subsystem, defines the windows that have a factory and
// registers every command. An entry or a button whose window has no factory yet, or whose
// command is not registered here or by registraopzioni, stays disabled: a window built
// later enables its entries by giving its row of its subsystem's table a factory.
void registracatalogo(bolvmain& principale);

// Makes the window table of every subsystem known (what the data windows are, each
// window's help), without defining any window.
void aggiungitabelle();

} // namespace bolv
