// "Super EnaBolv": the SuperEnalotto combination derived from every Lotto draw from slot
// 4000 on, 500 draws a page, and the delays and frequencies of the 90 numbers in each
// column. Computed once when the window opens, from the draws, dates and analysis window of
// that moment: a later recomputation leaves the window as it was.
#pragma once

#include "finestra.h"
#include "sestine.h"

#include <array>
#include <vector>

class QLabel;
class QPushButton;

namespace platform {
class Grid;
}

namespace bolv {

class superena : public Finestra {
  public:
    explicit superena(Stato& s);

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    void costruisci();
    void Form_Load();
    void Command2_Click();
    void Command3_Click(int indice);
    void Command4_Click();
    void mostraarchivio();
    void mostraritardi();
    void nuovagriglia(int righe, int colonne, int fissere, int larghezza0, int larghezza);
    void dimensiona();

    Tabellasestine tabella;
    std::vector<Data> date; // the dates of the draws up to ultimaestrazione, when opened
    std::array<std::string, 11> nomiruote;
    int ultimaestrazione = 0;
    int fineperiodo = 0;

    QLabel* Label1 = nullptr;
    std::array<QPushButton*, 2> Command3{};
    platform::Grid* msf = nullptr;
};

} // namespace bolv
