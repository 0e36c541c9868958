// The main window of Bolv: a multiple-document window whose menus and toolbars open every
// other window of the program.
//
// The window is thin: its menus and toolbars are built from the tables of voci.h, every
// entry and button goes to one dispatcher (esegui), and what an entry runs is either a
// window of the registry or a command registered by name (catalogo.cpp is the one place
// where windows and commands are made known). An entry stays disabled until its window or
// command exists; the run-time state (pair and triple tables, weekday mode, ...) can then
// disable it again through abilita().
#pragma once

#include "opzioni.h"
#include "stato.h"
#include "voci.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <functional>

class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace bolv {

class areadilavoro;

class bolvmain : public QMainWindow, public VociPrincipale {
  public:
    explicit bolvmain(Stato& s, QWidget* genitore = nullptr);
    ~bolvmain() override;

    Stato& stato() const { return s; }

    // A named command for the entries and buttons whose action names it; they are enabled
    // from now on (unless the run-time state disables them). A reserved command changes the
    // data and is refused while a window's long computation runs; a free one touches nothing
    // a computation reads.
    using Comando = std::function<void()>;
    enum Durante { riservato, libero };
    void registracomando(const QString& nome, Comando comando, Durante durante = riservato);
    // Re-reads which windows exist, after windows were defined in the registry.
    void aggiornadisponibilita();
    // Whether the window or command an entry names exists: without it the entry stays off.
    bool disponibile(const Azione& cosa) const;

    // What a menu entry (dabarra false) or a toolbar button (true) does.
    void esegui(const Azione& azione, bool dabarra);
    // The first size: the client area holds the largest child window, within the screen.
    void primadimensione();
    // Brings a window up: shown, restored to the normal state and given the focus.
    void visform(const QString& finestra);

    // A menu entry by its name or a toolbar button by its key.
    QAction* voce(const QString& nome) const;
    // A menu by its name ("funzionimenu", "modificamenu", "menuric", ...).
    QMenu* menu(const QString& nome) const;
    QToolBar* Toolbar1() const { return barrastandard; }
    QToolBar* toolbar2() const { return barrafunzioni; }
    QMdiArea* area() const;
    QTimer* Timer1() const { return timeranimazione; }
    QLabel* pannello(int numero) const { return pannelli[numero - 1]; } // 1..6
    QPixmap sfondo() const; // the background picture shown, null when none

    // What the recomputation asks of the window.
    void disattivaambiterni();
    void aggiornastato();

    // VociPrincipale: what the option commands change on the window.
    void abilita(const std::string& nome, bool attiva) override;
    void spunta(const std::string& nome, bool spuntata) override;
    bool spuntata(const std::string& nome) const override;
    void mostra(const std::string& nome, bool visibile) override;
    void pannellooutput(const std::string& testo) override;
    bool impostasfondo(Sfondo sfondo, const std::string& file) override;

    // "Esci": asks, then ends the program without the closing question. During a window's
    // computation the computation is stopped first.
    void esci();
    // The icon animation, one frame per tick of Timer1.
    void animaicona();
    // The state of "Copia" and "Incolla estrazione dagli appunti" (run as "Modifica" opens).
    void aggiornamodifica();

  protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void costruisci();
    void costruiscimenu();
    QMenu* sottomenu(const QString& percorso);
    QToolBar* costruiscibarra(const QString& nome, std::span<const Pulsante> pulsanti);
    void costruiscistato();
    void lega(QAction* azione, const Azione& cosa, unsigned proprieta, bool dabarra);
    void riapplica(QAction* azione);
    void apri(const QString& finestra, bool dabarra);
    void apriformazione(const Azione& cosa, bool dabarra);
    void elencafinestre();
    void aggiornaorologio();

    Stato& s;
    areadilavoro* lavoro = nullptr;
    QToolBar* barrastandard = nullptr;
    QToolBar* barrafunzioni = nullptr;
    QTimer* timeranimazione = nullptr;
    QLabel* pannelli[6] = {};
    QHash<QString, QAction*> azioni; // menu entries by name, buttons by key
    QHash<QString, QMenu*> menuperpercorso;
    QHash<QString, QMenu*> menupernome;
    QHash<QAction*, Azione> legami;
    QSet<QAction*> maiattive;
    QSet<QAction*> negate; // disabled by the run-time state
    QHash<QString, Comando> comandi;
    QSet<QString> comandiliberi;
    QList<QAction*> vocifinestre; // the open child windows listed in "Fi&nestra"
    uint8_t fotogramma = 0;
    bool uscitaconfermata = false;
};

} // namespace bolv
