#include "provafinestre.h"

#include "catalogo.h"

#include "windowregistry.h"

#include <QGuiApplication>
#include <QLocale>

namespace prova {

void Provafinestre::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Bolv"));
    bolv::aggiungitabelle();
    platform::registry().reset();
}

void Provafinestre::init() {
    platform::registry().reset();
}

void Provafinestre::cleanup() {
    platform::registry().reset();
}

void Provafinestre::cleanupTestCase() {
    platform::registry().reset();
}

} // namespace prova
