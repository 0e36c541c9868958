// The about window: logo, program name and version. It has no buttons: it is closed with
// its window frame.
#pragma once

#include <QWidget>

namespace bolv {

class about : public QWidget {
  public:
    explicit about(QWidget* genitore = nullptr);

  private:
    void costruisci();
};

} // namespace bolv
