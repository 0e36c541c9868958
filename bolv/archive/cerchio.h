// The cyclometric circle of the archive browser: a circle and the red polygon of one
// wheel's numbers, drawn in the twips of a 1815 x 1335 area scaled to the widget.
#pragma once

#include "sodi.h"

#include <QWidget>
#include <array>

namespace bolv {

class Cerchio : public QWidget {
  public:
    explicit Cerchio(QWidget* genitore = nullptr);

    void disegna(const std::array<Punto, 5>& vertici);
    const std::array<Punto, 5>& vertici() const { return corners; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    std::array<Punto, 5> corners{};
    bool disegnato = false;
};

} // namespace bolv
