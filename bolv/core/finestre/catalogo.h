// The windows the menus and toolbars open and the commands they run, made known to the
// window registry and to the main window in one place.
#pragma once

namespace bolv {

class bolvmain;

// Defines every window that exists so far and registers every command. An entry or a
// button whose window or command is not listed here stays disabled: a window or command
// family built later enables its own entries by adding its lines to this function.
void registracatalogo(bolvmain& principale);

} // namespace bolv
