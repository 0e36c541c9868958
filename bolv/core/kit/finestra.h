// What every window of Bolv shares: its name and help context from the window tables, the
// program state to read, the one door through which it changes the state, and the buttons
// and controls every window has.
//
// A window derives from Finestra, passes its name (a constant of nomifinestre.h) and builds
// its controls with the builders below, which name them as a form designer of the window
// would: single controls by kind and number ("Command1", "Text4"), members of a control
// array by their index in brackets ("Check1(3)", "Option1(0)").
#pragma once

#include "servizi.h"
#include "stato.h"

#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace platform {
class GridContent;
}

namespace bolv {

// "Check1" and 3 give "Check1(3)".
QString nomecontrollo(const QString& base, int indice);

class Finestra : public QWidget {
  public:
    Finestra(Stato& s, const char* nome, QWidget* genitore = nullptr);

    const char* nome() const { return nomefinestra; }
    int contesto() const;

  protected:
    // Runs an engine function that changes the program state. Refused, with a message, while
    // a long computation reads the state; false then.
    bool cambia(const std::function<void(Stato&)>& cambiamento);

    // "Esci": closes the window and gives the focus back to the main window. During a run of
    // this window the run is stopped first and the window closes once it has ended.
    void Esci();
    // "?": the help topic of the window's context.
    void guida() const;
    // "Stampa": the grid report on the printer or appended to a text file, by the current
    // output setting.
    void stampaosalva(const platform::GridContent& griglia, const Righe& righe,
                      const std::vector<int>& colonne) const;
    // A text report, the same way.
    void stampaosalva(const Rapportotesto& rapporto) const;

    // Builders: the control, named, parented to padre (the window when null).
    QLabel* etichetta(const QString& nome, const QString& testo = {}, QWidget* padre = nullptr);
    QPushButton* pulsante(const QString& nome, const QString& testo,
                          const std::function<void()>& azione, QWidget* padre = nullptr);
    QPushButton* pulsanteguida(const QString& nome, QWidget* padre = nullptr); // "?"
    QPushButton* pulsanteesci(const QString& nome, QWidget* padre = nullptr);  // "Esci"
    QCheckBox* casella(const QString& nome, const QString& testo, QWidget* padre = nullptr);
    QRadioButton* opzione(const QString& base, int indice, const QString& testo,
                          QWidget* padre = nullptr);
    QLineEdit* casellatesto(const QString& nome, QWidget* padre = nullptr);

    void closeEvent(QCloseEvent* evento) override;

    const Stato& s;

  private:
    QWidget* contenitore(QWidget* padre) { return padre ? padre : this; }
    // Closes the window as its frame's close button does.
    void chiudicornice();

    Stato& modificabile;
    const char* nomefinestra;
};

} // namespace bolv
