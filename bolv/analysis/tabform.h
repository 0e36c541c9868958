// "Tabelle": one family of homogeneous formations with the delay, presences and R/P of
// every formation, for one sorte on one wheel or on all wheels.
//
// The option buttons chain as the window's users know them: a group checks its first family,
// "Terno" moves the group off "Ambi" and a pair family moves the sorte off "Terno". Every
// change asks for the table again; the requests made by one choice (the main window's
// selectors check a group and then a family) are gathered into one computation, which runs
// as soon as the choice is complete.
#pragma once

#include "calcoloformazioni.h"
#include "finestra.h"
#include "ricerca.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace platform {
class Grid;
}

namespace bolv {

class tabform : public Finestra {
    Q_OBJECT
  public:
    explicit tabform(Stato& s);

    // Recomputes the table for the buttons checked and fills Grid1.
    void compila();
    // The formation of Grid1's current cell with the sorte and wheel of the table.
    Richiestaricerca richiestaricerca() const;
    // Checks the group button Option3(gruppo), then the family button Option5(famiglia): the
    // table follows each change, as when the user clicks them.
    void scegli(int gruppo, int famiglia);

  signals:
    void compilata();

  private:
    void costruisci();
    QGroupBox* cornice(const QString& nome, const QString& titolo);
    template <size_t N>
    void opzioni(std::array<QRadioButton*, N>& pulsanti, const QString& base, QGroupBox* padre,
                 void (tabform::*gestore)(int), int colonne);
    void Form_Load();
    void Option1_Click(int Index);
    void Option2_Click(int Index);
    void Option3_Click(int Index);
    void Option4_Click(int Index);
    void Option5_Click(int Index);
    void Command1_Click();
    void Grid1_MouseDown(int riga, int colonna, Qt::MouseButton pulsante);
    void richiedi();
    void riempigriglia(const Tabellaformazioni& t, int w, Ordine ordine);
    void allargacolonne();
    int larghezzatesto(const QString& testo) const; // in twips, in the grid's font
    void evidenzia(int ruota);

    std::array<QRadioButton*, 11> Option1{};
    std::array<QRadioButton*, 3> Option2{};
    std::array<QRadioButton*, 6> Option3{};
    std::array<QRadioButton*, 4> Option4{};
    std::array<QRadioButton*, 8> Option5{};
    platform::Grid* Grid1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    bool pronta = false;
    bool richiesta = false; // a computation is due once the current choice is complete
};

} // namespace bolv
