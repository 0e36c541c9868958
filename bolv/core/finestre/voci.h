// The menus and toolbars of the main window as tables: what each entry is called, where it
// stands and what it does. The main window builds its widgets from these rows and sends
// every choice to one dispatcher, so an entry is one row here and nothing in the window.
#pragma once

#include "nomifinestre.h"

#include <span>

namespace bolv {

enum class Tipoazione {
    nessuna,    // does nothing when chosen
    finestra,   // a menu entry shows the window modeless (created hidden on first use); a
                // toolbar button brings it up: shown, restored to normal and focused
    formazione, // the formations window, then its group and family buttons
    comando,    // a named command
};

struct Azione {
    Tipoazione tipo = Tipoazione::nessuna;
    const char* bersaglio = nullptr; // window name or command name
    int gruppo = 0;                  // formations window: Option3(gruppo)
    int famiglia = 0;                // formations window: Option5(famiglia)
};

// The formations window, which the formation selectors open.
inline constexpr const char* FINESTRAFORMAZIONI = nomi::tabform;

enum Proprieta : unsigned {
    spuntabile = 1,  // the entry carries a check mark
    disattivata = 2, // disabled when the window is created (the recomputation governs it)
    mai = 4,         // never enabled
};

struct Menuprincipale {
    const char* testo;
    const char* nome;
    bool invisibile; // popped up by other windows only, never in the menu bar
};

struct Vocemenu {
    const char* percorso; // the menu and its submenus, captions joined by '|'
    const char* testo;    // nullptr for a separator line
    const char* nome;
    const char* tasto; // shortcut, or nullptr
    Azione azione;
    unsigned proprieta = 0;
    const char* esclusivo = nullptr; // entries of one radio group share this name
};

// A button's picture is the program's own pictogram named after its key (icone/*.svg);
// where a standard action exists, the desktop theme's icon of that name comes first.
struct Pulsante {
    const char* chiave; // nullptr for a separator
    const char* suggerimento;
    const char* tema; // freedesktop icon name, or nullptr
    Azione azione;
    unsigned proprieta = 0;
};

// The picture of a menu entry: a pictogram of icone/*.svg and the theme's name for it.
struct Iconavoce {
    const char* nome;
    const char* icona;
    const char* tema;
};

std::span<const Iconavoce> iconemenu();
std::span<const Menuprincipale> menuprincipali();
std::span<const Vocemenu> vocimenu();
std::span<const Pulsante> pulsantistandard(); // Toolbar1
std::span<const Pulsante> pulsantifunzioni(); // toolbar2

} // namespace bolv
