// The window "Classifica Ritardi e Presenze": ranks the groups of K numbers on the chosen
// wheels by delay or presences (classifica.h), completes the ranked rows with their other
// statistics, prints or saves the grid and writes the ranked groups as a forecast file.
//
// A run ("Elabora") takes its inputs once, when it starts, and locks the controls that
// would change them until it ends; it runs through the long-run helper, so "Interrompi",
// and closing the window, stop it at once and leave the ranking of the groups seen.
#pragma once

#include "classifica.h"
#include "finestra.h"
#include "lavorolungo.h"
#include "ricerca.h"

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace platform {
class Grid;
}

namespace bolv {

class massimi : public Finestra {
  public:
    explicit massimi(Stato& s);

    void totcombinazioni();
    void fatt_e_cicl();
    // The combination of griglia's current cell on its row's wheel, for the sorte of the run
    // that ranked it (the sorte box may have been changed since).
    Richiestaricerca richiestaricerca() const;

  private:
    void costruisci();
    QWidget* costruisciscelte();
    QWidget* costruisciruote();
    QWidget* costruiscipulsanti();
    QWidget* costruiscietichette();
    void intestagriglia();
    // Every column as wide as the widest text it can hold.
    void larghezzecolonne();

    void Command1_Click();
    std::optional<Impostazioni> leggiimpostazioni();
    void avviaclassifica(const Impostazioni& imp);
    void mostrarighe(const Impostazioni& imp, const std::vector<Riga>& righe, bool completa);
    void blocca(bool incorso);
    void Command2_Click();
    void Command3_Click();
    void griglia_MouseDown(int riga, int colonna, Qt::MouseButton pulsante);
    void Check1_Click(int indice);
    void Command7_Click(int indice);
    void Option1_Click();

    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QRadioButton* Option1[2] = {};
    QRadioButton* Option2[2] = {};
    QCheckBox* Check1[11] = {};
    QPushButton* Command7[2] = {};
    QLineEdit* Text1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QProgressBar* prog = nullptr;
    platform::Grid* griglia = nullptr;
    QLabel* Label4 = nullptr; // size of the search
    QLabel* Label5 = nullptr; // time of the last run
    QLabel* Label6 = nullptr; // title of the result
    QLabel* Label7 = nullptr; // theoretical cyclicity
    QLabel* Label8 = nullptr; // gain factor
    std::unique_ptr<Lavorolungo> lavoro;

    // What the last run ranked: the labels of step "fatt_e_cicl", the print-out and the
    // forecast file describe it, whatever the controls show now.
    Impostazioni ultima;
    std::vector<Riga> classificate;
};

} // namespace bolv
