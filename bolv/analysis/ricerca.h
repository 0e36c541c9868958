// "Ricerca Statistica": the statistics of a typed combination of 1..20 numbers for a sorte
// on the ticked wheels, over the analysis window: the results, the frequency of every
// delay, the list of hits with the draw of the one selected, and the time axis.
#pragma once

#include "finestra.h"
#include "ricercastatistica.h"

#include <QString>
#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;

namespace platform {
class Grid;
}

namespace bolv {

class assetemporale;
class listarighe;

// What "Ricerca Statistica" of a grid's popup copies from a row of another window: the
// group's numbers as the grid shows them, the sorte and the wheels.
struct Richiestaricerca {
    QString numeri;
    int sorte = 2; // 1 ambata .. 5 cinquina
    std::array<bool, 10> ruote{};
};

// The wheels of a row computed on wheel 1..10, or on all of them (11).
std::array<bool, 10> ruotedi(int ruota);

class ricerca : public Finestra {
  public:
    explicit ricerca(Stato& s);

    // Takes the numbers, sorte and wheels of a grid row in place of the user's; the results
    // shown stay until "Elabora" is pressed.
    void imposta(const Richiestaricerca& r);

  private:
    void costruisci();
    QWidget* costruiscidati();
    QWidget* costruisciesiti();
    QWidget* costruisciestrazione();
    void Command1_Click();
    void spunta(bool valore); // "Seleziona tutte" / "Deseleziona tutte"
    void mostra(const Combinazione& c, const Esitoricerca& e);
    void mostrarisultati(const Esitoricerca& e);
    void List1_Click(int riga);

    QLineEdit* Text1 = nullptr;
    std::array<QRadioButton*, 5> Option1{};
    std::array<QCheckBox*, 10> Check1{};
    platform::Grid* MSFlexGrid1 = nullptr;
    platform::Grid* MSFlexGrid2 = nullptr;
    listarighe* List1 = nullptr;
    std::array<QLabel*, 10> Label4{};
    std::array<QLabel*, 50> Label5{};
    QLabel* Label3 = nullptr;
    QLabel* Label6 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    assetemporale* asse = nullptr;

    // Of the last run: the listed hits and the numbers to mark in a hit's draw.
    std::vector<Uscita> uscite;
    std::vector<int> numeri;
};

} // namespace bolv
