// What the tests of the analysis windows share: finding a control by its name.
#pragma once

#include "finestra.h"

#include <QRadioButton>
#include <QWidget>

namespace prova {

template <class W> W* controllo(QWidget* finestra, const QString& nome) {
    auto* w = finestra->findChild<W*>(nome);
    if (!w) qFatal("no control %s", qPrintable(nome));
    return w;
}

// Clicks the option button base(i).
inline void scegli(QWidget* f, const char* base, int i) {
    controllo<QRadioButton>(f, bolv::nomecontrollo(QString::fromLatin1(base), i))->click();
}

} // namespace prova
