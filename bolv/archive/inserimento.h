// The draw entry window "Inserimento estrazioni": the date and the 50 numbers of a new
// draw, typed or pasted from the clipboard, checked and stored after the last draw or after
// a given one (the mode and the point are the program's, set by whoever opens the window).
//
// The current-box marker (casellacorrente) is a help for typing: the current number box is
// white, the others grey, and Enter in a number box moves the marker on and the focus with
// it. The checks and the storing are the engine's (nuovaestrazione.h).
#pragma once

#include "finestra.h"
#include "nuovaestrazione.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace bolv {

class inserimento : public Finestra {
  public:
    explicit inserimento(Stato& s);

    // Fills the date and the 50 boxes from the draw on the clipboard, or says why not.
    void incolla();

    int casellacorrente() const { return corrente; }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

  private:
    void costruisci();
    QWidget* costruiscidata();
    QWidget* costruisciruote();
    void ordinetab();
    void colora(int i, bool bianca);
    void sposta(int nuova); // the marker to box nuova, the old one grey
    void Text4_Enter(int i);
    void Command3_Click();
    void Command2_Click();
    Immissione immissione() const;

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    std::array<QLineEdit*, 51> Text4{}; // 1..50
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    int corrente = 1;
    bool attivazionelegata = false;
};

} // namespace bolv
