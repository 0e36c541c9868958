// The hit lists of the search windows: up to tens of thousands of text lines of one height,
// handed over at once and laid out at once, telling which line is chosen (by mouse or keys).
#pragma once

#include <QListView>
#include <functional>

class QStringListModel;

namespace bolv {

class listarighe : public QListView {
  public:
    listarighe(const QString& nome, QWidget* genitore, std::function<void(int)> scelta);

    // Replaces every line; no line is chosen afterwards.
    void imposta(QStringList righe);

  private:
    QStringListModel* modello;
};

} // namespace bolv
