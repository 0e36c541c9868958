// "Stampa Schedina": a replica of the paper Lotto slip whose boxes are marked by clicking;
// "Stampa" has the printer mark the real slip, shifted by two offsets the user adjusts and
// may keep in "bolv.cfg".
#pragma once

#include "finestra.h"
#include "schedina.h"

#include <array>
#include <vector>

class QLabel;

namespace bolv {

class Casellaschedina;

class stampa : public Finestra {
  public:
    explicit stampa(Stato& s);

  private:
    void costruisci();
    void caselle();
    void didascalie();
    QWidget* parametri();
    Casellaschedina* casella(const QString& base, int indice, int x, int y, Casella c);
    void Command2_Click(int indice);
    void Command3_Click();
    void Command1_Click();
    int offset(int i) const; // 0 horizontal, 1 vertical, as its display shows it

    std::array<Casellaschedina*, 2> Label1{};
    std::vector<Casellaschedina*> scatole; // in the order a print scans them
};

} // namespace bolv
