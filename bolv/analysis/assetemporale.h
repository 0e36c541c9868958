// The time axis of "Ricerca Statistica": a line across the analysis window with a filled
// circle at every draw in which the combination came out, so that runs and droughts show
// at a glance.
#pragma once

#include <QWidget>
#include <vector>

namespace bolv {

class assetemporale : public QWidget {
  public:
    explicit assetemporale(QWidget* genitore = nullptr);

    // The draws prima..ultima span the axis; the marks already drawn stay.
    void imposta(int prima, int ultima);
    void segna(std::vector<int> estrazioni);
    void cancella();
    const std::vector<int>& segni() const { return estrazioni; }

    // The x of draw d on an axis of larghezza pixels: draw prima one step in from the left,
    // ultima at the right end. Worked in 64 bits: 8000 draws times thousands of pixels
    // would not fit 16 and a wide screen would come close in 32.
    static int posizione(int d, int prima, int ultima, int larghezza);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    int prima = 1, ultima = 1;
    std::vector<int> estrazioni;
};

} // namespace bolv
