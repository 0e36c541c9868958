// The configuration dialog: shows the slots of "bolv.cfg" in its controls and writes them
// back when saved. The new settings act at the next start.
#pragma once

#include "finestra.h"
#include "impostazioni.h"

#include <array>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace bolv {

class cfgform : public Finestra {
  public:
    explicit cfgform(Stato& s);

    Sceltedialogo scelte() const;

  private:
    void costruisci();
    QGroupBox* riquadro(const QString& titolo);
    QCheckBox* casellatristato(const QString& nome, const QString& testo, QWidget* padre);
    void Form_Load();
    void Command1_Click();
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check6 = nullptr;
    std::array<QCheckBox*, 10> Check5{};
    std::array<QRadioButton*, 3> Option1{};
    std::array<QRadioButton*, 2> Option2{};
    std::array<QRadioButton*, 6> Option3{};
};

} // namespace bolv
