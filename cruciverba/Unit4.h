#pragma once

// The help dialog "Aiuto": what a crossword scheme is, how to build, print and export one, and
// the link to the maker's list of shops.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TUrlLabel;

namespace cruciverba {

class TAiutoDlg : public QDialog {
    Q_OBJECT

  public:
    explicit TAiutoDlg(QWidget* parent = nullptr);

  private:
    void CreaControlli();

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TUrlLabel* UrlLabel1 = nullptr;
    QPushButton* btnOk = nullptr;
};

} // namespace cruciverba
