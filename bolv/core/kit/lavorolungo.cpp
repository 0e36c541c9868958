#include "lavorolungo.h"

#include "messager.h"
#include "occupato.h"
#include "windowregistry.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <memory>
#include <utility>

namespace bolv {

namespace {

// Often enough that the bar moves smoothly, seldom enough to cost nothing.
constexpr int INTERVALLOPROGRESSO = 50; // ms

Lavorolungo* inesecuzione = nullptr;

} // namespace

Lavorolungo::Lavorolungo(QWidget* f, QProgressBar* b, QAbstractButton* interrompi,
                         const QString& testo)
    : finestra(f), barra(b), pulsante(interrompi), attesa(testo) {
    platform::registry().setCloseGuard(&Lavorolungo::rimandachiusura);
    if (pulsante) {
        pulsante->setEnabled(false);
        QObject::connect(pulsante, &QAbstractButton::clicked, pulsante,
                         [this] { this->interrompi(); });
    }
}

Lavorolungo::~Lavorolungo() {
    if (pulsante) QObject::disconnect(pulsante, nullptr, pulsante, nullptr);
}

Lavorolungo* Lavorolungo::corrente() {
    return inesecuzione;
}

void Lavorolungo::interrompi() {
    if (avanzamento) avanzamento->interrompi();
}

void Lavorolungo::dopointerruzione(std::function<void()> azione) {
    if (!inesecuzione) {
        azione();
        return;
    }
    inesecuzione->inattesa.push_back(std::move(azione));
    inesecuzione->interrompi();
}

bool Lavorolungo::rimandachiusura(QWidget* chiusa, std::function<void()> riprova) {
    const QWidget* proprietaria = inesecuzione ? inesecuzione->finestra.data() : nullptr;
    if (!proprietaria || (proprietaria != chiusa && !chiusa->isAncestorOf(proprietaria)))
        return false;
    dopointerruzione(std::move(riprova));
    return true;
}

void Lavorolungo::mostraprogresso() {
    const int percento = avanzamento->percento();
    if (barra)
        barra->setValue(percento);
    else
        progressomessaggio(percento);
}

bool Lavorolungo::avvia(const std::function<void(Avanzamento&)>& corpo) {
    if (occupato()) return false;
    Occupazione occupazione(Attivita::elaborazione);
    Avanzamento stato;
    avanzamento = &stato;
    inesecuzione = this;
    fermato = false;
    if (pulsante) pulsante->setEnabled(true);
    if (!barra) mostramessaggio(attesa);

    std::exception_ptr errore;
    std::unique_ptr<QThread> lavoratore(QThread::create([&] {
        try {
            corpo(stato);
        } catch (...) {
            errore = std::current_exception();
        }
    }));
    QEventLoop attendi;
    QObject::connect(lavoratore.get(), &QThread::finished, &attendi, &QEventLoop::quit);
    QTimer orologio;
    orologio.setInterval(INTERVALLOPROGRESSO);
    QObject::connect(&orologio, &QTimer::timeout, &attendi, [this] { mostraprogresso(); });
    orologio.start();
    lavoratore->start();
    attendi.exec();
    // The program leaving its event loops ends this one too: the computation is then
    // stopped rather than waited for to its end.
    if (lavoratore->isRunning()) stato.interrompi();
    lavoratore->wait();
    orologio.stop();
    mostraprogresso();

    if (!barra) chiudimessaggio();
    if (pulsante) pulsante->setEnabled(false);
    fermato = stato.interrotto();
    avanzamento = nullptr;
    inesecuzione = nullptr;
    // What waited for the end (a window or the program closing) runs once the handler that
    // started the run has returned, never under its feet.
    for (auto& azione : std::exchange(inattesa, {}))
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(azione));
    if (errore) std::rethrow_exception(errore);
    return true;
}

} // namespace bolv
