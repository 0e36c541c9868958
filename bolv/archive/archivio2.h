// "Archivio Estrazioni": the archive one draw at a time, with its filter, sums and means,
// the table of pairwise sums or distances and the cyclometric circle; the searches by date
// and number, and the print of a draw.
#pragma once

#include "finestra.h"

#include <QString>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace platform {
class Grid;
}

namespace bolv {

class Cerchio;

class archivio2 : public Finestra {
  public:
    explicit archivio2(Stato& s);

  private:
    void costruisci();
    QWidget* costruiscitestata();
    QWidget* costruiscinavigazione();
    QWidget* costruiscitabella();
    void impostatabestr();
    void intestatabestr();
    void impostasodi();

    void visualizzaestrazione();
    void mostranumeri(int d, int filtro);
    void riempisodi(int d);
    void disegnacerchio(int d);

    void VScroll1_Change();
    void Command9_Click(int indice);
    void Command2_Click(); // "Vai a data"
    void Command3_Click(); // "Vai a numero"
    void Command1_Click(); // "Stampa Estrazione"
    void Command10_Click();
    void Check4_Click();
    void Option1_Click(int indice);
    QStringList righeruote() const;
    void salvaestrazione(const QString& titolo);

    int estrazionecorrente = 0;
    bool mostrasodi = true;
    bool archiviomodificato = false;
    uint8_t ruotacerchio = 1;

    platform::Grid* tabestr = nullptr;
    platform::Grid* sodi = nullptr;
    Cerchio* Picture1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label1_1 = nullptr; // Label1(1), the title of the table
};

} // namespace bolv
