// The long-run helper: runs a window's long computation so that the interface stays live,
// its progress shows and its "Interrompi" takes effect at once.
//
// The computation is a plain function of the engine over inputs it owns or that outlive
// the call, given an Avanzamento to report progress and learn of a stop. esegui() runs it
// on a worker thread and waits for it in a local event loop, so the window repaints and
// every click is handled meanwhile; it returns the computation's result (also when it was
// stopped: the result is then what was found so far). For the length of the run the
// program is busy (occupato.h): the commands that would change the data are refused, so
// nothing the computation reads is changed or freed. Closing the window that runs it, or
// the main window, stops the run first and closes once it has ended.
//
// One run at a time: esegui() called during another run refuses with the busy message and
// returns nothing.
#pragma once

#include "avanzamento.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

class QAbstractButton;
class QProgressBar;
class QWidget;

namespace bolv {

class Lavorolungo {
  public:
    // finestra: the window the run belongs to. barra: its progress bar (null: the wait
    // window shows attesa and the progress). interrompi: its "Interrompi" button (may be
    // null), enabled only while a run is going.
    Lavorolungo(QWidget* finestra, QProgressBar* barra, QAbstractButton* interrompi,
                const QString& attesa = {});
    ~Lavorolungo();
    Lavorolungo(const Lavorolungo&) = delete;
    Lavorolungo& operator=(const Lavorolungo&) = delete;

    template <class F> auto esegui(F&& calcolo) {
        using Risultato = std::invoke_result_t<F&, Avanzamento&>;
        std::optional<Risultato> esito;
        avvia([&](Avanzamento& a) { esito.emplace(calcolo(a)); });
        return esito;
    }

    // Asks the running computation to stop (nothing when none is running).
    void interrompi();
    bool incorso() const { return avanzamento != nullptr; }
    // The last run ended on a stop request.
    bool interrotto() const { return fermato; }

    // The run going now, of whatever window, or null.
    static Lavorolungo* corrente();
    // Stops the run going now, if any, and runs azione once it has ended (at once when
    // none is going). For the closing of a window or of the program during a run.
    static void dopointerruzione(std::function<void()> azione);
    // The one rule for closing a window during a run: a window that holds the running
    // computation (it is, or contains, its owner) is not closed now; the run is stopped
    // and riprova closes it once the run has ended. True when the close is so put off.
    // Every Lavorolungo makes it the window registry's close guard, so each way of
    // closing a window goes through it.
    static bool rimandachiusura(QWidget* finestra, std::function<void()> riprova);

  private:
    bool avvia(const std::function<void(Avanzamento&)>& corpo);
    void mostraprogresso();

    QPointer<QWidget> finestra;
    QPointer<QProgressBar> barra;
    QPointer<QAbstractButton> pulsante;
    QString attesa;
    Avanzamento* avanzamento = nullptr;
    bool fermato = false;
    std::vector<std::function<void()>> inattesa; // to run once the run has ended
};

} // namespace bolv
