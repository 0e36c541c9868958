#include "interfacciafinestre.h"

#include "bolvmain.h"
#include "init.h"
#include "messager.h"
#include "nomifinestre.h"
#include "occupato.h"
#include "servizi.h"

#include "messagebox.h"
#include "mousepointer.h"
#include "windowregistry.h"

#include <QCoreApplication>

namespace bolv {

namespace {

QString qs(const std::string& testo) {
    return QString::fromStdString(testo);
}

} // namespace

void Interfacciafinestre::mostramessaggio(const std::string& testo) {
    bolv::mostramessaggio(qs(testo));
}

void Interfacciafinestre::chiudimessaggio() {
    bolv::chiudimessaggio();
}

void Interfacciafinestre::etichettamessaggio(const std::string& testo) {
    bolv::etichettamessaggio(qs(testo));
}

void Interfacciafinestre::progresso(int percento) {
    progressomessaggio(percento);
}

void Interfacciafinestre::etichettaavvio(const std::string& testo) {
    if (auto* splash =
            dynamic_cast<init*>(platform::registry().existing(QString::fromLatin1(nomi::init))))
        splash->progresso(qs(testo));
}

void Interfacciafinestre::clessidra(bool attesa) {
    platform::setMousePointer(&m,
                              attesa ? platform::Pointer::Hourglass : platform::Pointer::Default);
}

void Interfacciafinestre::eventi() {
    Occupazione ricalcolo(Attivita::ricalcolo);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Interfacciafinestre::avviso(const std::string& testo) {
    platform::message(qs(testo));
}

void Interfacciafinestre::disattivaambiterni() {
    m.disattivaambiterni();
}

void Interfacciafinestre::aggiornastato() {
    m.aggiornastato();
}

void Interfacciafinestre::chiudianalisi() {
    bolv::chiudianalisi();
}

} // namespace bolv
