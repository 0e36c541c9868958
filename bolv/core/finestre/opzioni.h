// The run-time option commands of the main window: start year, weekday reading mode,
// activation of the pair and triple tables, print output and font size, the toolbars, the
// background picture and the two ways of entering a draw.
//
// Each command is a plain function over the program state and `VociPrincipale`, the face
// of the main window the options change (entries and toolbar keys by object name), so a
// test drives it without any window. The questions, file dialog and input box that come
// before some commands are asked by the handlers that registraopzioni gives the main
// window, which then call these.
#pragma once

#include "stato.h"

#include <QString>
#include <optional>
#include <string>

namespace bolv {

class bolvmain;

// What the options change on the main window. A name is the object name of a menu entry,
// of a toolbar key or of a toolbar ("Toolbar1", "toolbar2").
class VociPrincipale {
  public:
    enum class Sfondo { nessuno, incorporato, file };

    virtual ~VociPrincipale() = default;
    virtual void abilita(const std::string& nome, bool attiva) = 0;
    virtual void spunta(const std::string& nome, bool spuntata) = 0;
    virtual bool spuntata(const std::string& nome) const = 0;
    virtual void mostra(const std::string& nome, bool visibile) = 0;
    virtual void pannellooutput(const std::string& testo) = 0; // status-bar panel 6
    // False when the picture file cannot be loaded.
    virtual bool impostasfondo(Sfondo sfondo, const std::string& file) = 0;
};

// The main window registered with the window registry, as the options see it (does
// nothing while there is none).
VociPrincipale& vociprincipale();

// The question asked before a start year replaces the analysis window (and by `estremi`).
extern const char* const DOMANDACAMBIOINIZIO;

// "1871", "1939", "1945", after a Yes to DOMANDACAMBIOINIZIO: the next recomputation starts
// at the first draw of that year in the archive held.
void sceglianno(Stato& s, VociPrincipale& v, int anno);
// Checks the start-year entry of anno and unchecks the others (all of them for 0).
void spuntaanno(VociPrincipale& v, int anno);

// "Tutte" (0), "Solo sabato" (1), "Solo mercoledi" (2). False, with nothing done, when that
// mode is already in force; else message, recomputation and the entries the mode allows.
bool sceglimodo(Stato& s, VociPrincipale& v, int modo);

// The commands that open the draw-entry window: enabled only with the whole archive in
// memory (mode 0) and when that window exists.
void abilitainserimento(VociPrincipale& v, bool attiva);

// "Attiva Ambi" / "Attiva Terni": build the tables once; nothing while they are active.
void attivaambi(Stato& s, VociPrincipale& v);
void attivaterni(Stato& s, VociPrincipale& v);

// "Stampante" (false) / "File" (true).
void sceglioutput(Stato& s, VociPrincipale& v, bool sufile);
std::string testooutput(bool sufile); // "Output: stampante" / "Output: file"
// "5" .. "10".
void sceglicarattere(Stato& s, VociPrincipale& v, int dimensione);
// "Standard" (barra 1) and "Funzioni" (barra 2): the entry's mark and its toolbar shown or
// hidden together. The entry has already toggled its own mark when its command runs, so the
// handler passes the mark it now carries.
void mostrabarra(VociPrincipale& v, int barra, bool visibile);

// "Carica sfondo..." once a picture is chosen: copied over "sfondo.jpg" (left alone when it
// is that file) and shown. False when the copy or the load fails; the command is silent.
bool caricasfondo(const Stato& s, VociPrincipale& v, const std::string& scelto);
// "Visualizza sfondo" with the mark the entry now carries: "sfondo.jpg" when it exists and
// loads, else the built-in picture; nothing when unchecked.
void mostrasfondo(const Stato& s, VociPrincipale& v, bool visibile);

// The handlers of the entries and toolbar keys, with their questions and dialogs.
void comandoanno(bolvmain& m, int anno); // question, then sceglianno
void comandocaricasfondo(bolvmain& m);   // file dialog, then caricasfondo
// Where "Carica sfondo..." opens: the folder of the last picture chosen, else the user's
// pictures folder, else the home folder.
QString cartellaimmagini();
void comandoinserimento(bolvmain& m, bool dabarra); // append mode, then the entry window
void comandointermedio(bolvmain& m);                // input box, then the entry window

// Gives the main window the commands of the options and of the archive file (backup,
// restore, export), which enables their entries.
// The insertion entries stay disabled while no entry window `inserimento` is defined.
void registraopzioni(bolvmain& m);

} // namespace bolv
