#pragma once

// The shops dialog "Dove giocare ?", shown after every export: the user picks a region and opens
// the web page that lists the maker's shops there.

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;
class QToolButton;

namespace cruciverba {

// The page of the shops of a region, by its item in the region list (1 Piemonte .. 19 Sardegna),
// written with backslashes as the shell takes it; empty for any other item.
QString IndirizzoRicevitorie(int regione);

class TfrmRicevitorie : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmRicevitorie(QWidget* parent = nullptr);

    void ComboBox2Change(int indice);
    void BitBtn3Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreaControlli();

    QComboBox* ComboBox2 = nullptr;
    QToolButton* BitBtn3 = nullptr;
    QPushButton* btnOk = nullptr;
};

} // namespace cruciverba
