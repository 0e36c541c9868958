// The tables of windows: one row per window of a subsystem, saying how it is made, where
// it stands, its help and whether a recomputation closes it.
//
// Each subsystem keeps its table in one file of its own folder (the main window's dialogs
// in finestrenucleo.cpp, the analysis windows in bolv/analysis/finestreanalisi.cpp, ...).
// The main window adds every table at start and defines in the window registry the rows
// that have a factory; the menu entries and toolbar keys of a window are enabled once it is
// defined. chiudianalisi closes the rows that have a closing place, in that order.
#pragma once

#include "windowregistry.h"

#include <QStringList>
#include <span>
#include <string_view>

class QWidget;

namespace bolv {

struct Stato;

using Fabbrica = QWidget* (*)(Stato&);

struct Definizionefinestra {
    const char* nome;          // a constant of nomifinestre.h
    platform::WindowKind tipo; // a child of the main window's client area, or its own
    int contesto;              // help context of the window's "?" (0: none)
    int chiusura;              // place among the windows a recomputation closes (0: stays)
    Fabbrica crea;             // null while the window is still to be built
};

// The factory of a window class W constructed from the program state.
template <class W> QWidget* crea(Stato& s) {
    return new W(s);
}

// Makes a table known (once; a table added again is ignored).
void aggiungitabella(std::span<const Definizionefinestra> tabella);
// The row of a window, or null when no table added so far names it.
const Definizionefinestra* definizione(std::string_view nome);
// Defines in the window registry every row of the tables that has a factory.
void definiscifinestre(Stato& s);
// The windows every recomputation closes, in their closing order.
QStringList finestredati();

} // namespace bolv
