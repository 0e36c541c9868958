// The wait window shown during long computations: caption "Bolv ", the wait
// text in Label1 and the percentage done in ProgressBar1 (0..100). One exists
// at a time; mostramessaggio creates or reuses it, chiudimessaggio closes it.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace bolv {

class messager : public QWidget {
    Q_OBJECT
  public:
    explicit messager(QWidget* parent = nullptr);
    QLabel* Label1() const { return label_; }
    QProgressBar* ProgressBar1() const { return progress_; }

  private:
    void setupUi();
    QLabel* label_;
    QProgressBar* progress_;
};

// Shows the wait window with testo, repaints it at once and sets the main
// window's pointer to the hourglass.
void mostramessaggio(const QString& testo);
// Closes the wait window (if any) and restores the main window's pointer.
void chiudimessaggio();
// The wait window's label and progress bar, when it is open (else nothing).
void etichettamessaggio(const QString& testo);
void progressomessaggio(double percento);
// The open wait window, or null.
messager* finestramessaggio();

} // namespace bolv
