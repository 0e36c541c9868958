#pragma once

// The about box "Chi siamo ?": the maker, its notices and links, two animations, and the hidden
// credits, which a double click on the lottery ball shows one time in three and the box's own
// timer about once in fifty ticks.
//
// The chance draws from the program's pseudo-random state, reseeded from a seed source at every
// draw: the clock in the program, a fixed sequence in the tests.

#include <QDialog>

#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;
class TAnimImage;
class TBevelPanel;
class TCreditsPanel;
class TUrlLabel;

namespace cruciverba {

using SorgenteSeme = std::function<std::uint32_t()>;
std::uint32_t SemeDallOrologio();

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    static constexpr int IntervalloTimer1 = 22000;
    static constexpr double ProbabilitaDoppioClic = 0.33;
    static constexpr double ProbabilitaTimer = 0.02;

    explicit TAboutBox(QWidget* parent = nullptr, SorgenteSeme seme = SemeDallOrologio);

    void AnimImage1DblClick();
    void Timer1Timer();

  private:
    void CreaControlli();
    void CreaPannello();
    void CreaIndirizzi();
    void CreaAvviso();
    void CreaInvito();
    void CreaAnimazioneEOk();
    void AlternaCrediti(double probabilita);

    SorgenteSeme seme_;
    TBevelPanel* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    TUrlLabel* UrlLabel1 = nullptr;
    TCreditsPanel* CreditsPanel1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label4 = nullptr;
    TUrlLabel* UrlLabel2 = nullptr;
    TBevelPanel* Bevel2 = nullptr;
    QLabel* Label7 = nullptr;
    TAnimImage* AnimImage2 = nullptr;
    TAnimImage* AnimImage1 = nullptr;
    QPushButton* btnOk = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace cruciverba
