// "Archivio Estrazioni": the archive one draw at a time, with its filter, sums and means,
// the table of pairwise sums or distances and the cyclometric circle; the searches by date
// and number, the print of a draw, and the editor of the archive (redate, delete, insert,
// swap, move, correct one number, save).
#pragma once

#include "cambioarchivio.h"
#include "finestra.h"

#include <QString>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
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
    QWidget* costruiscieditazione();
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

    void Command11_Click(); // "Modifica Data"
    void Command12_Click(); // "Salva Archivio"
    void Command4_Click();  // " Cancella Estrazione"
    void Command5_Click();  // " Inserisci Estrazione"
    void Command6_Click();  // " Scambia Estrazioni"
    void Command7_Click();  // "  Sposta  Estrazione"
    void tabestr_DblClick(int r, int c);
    // The two slot numbers typed for a swap or a move; false, after the message, when one is
    // out of range.
    bool duevalori(const QString& titolo, const QString& primo, const QString& secondo, int& a,
                   int& b);
    // Writes the archive through the one road of every change, announcing messaggio.
    bool scrivi(const Scritturaarchivio& scrittura, const QString& messaggio);

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
    QGroupBox* Frame1 = nullptr;
    QPushButton* Command5 = nullptr;
};

} // namespace bolv
