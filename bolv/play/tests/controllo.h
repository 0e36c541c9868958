// What the tests of the play windows share: a control of a window found by its name.
#pragma once

#include <QWidget>

template <class W> W* controllo(QWidget* finestra, const QString& nome) {
    auto* w = finestra->findChild<W*>(nome);
    if (!w) qFatal("no control %s", qPrintable(nome));
    return w;
}
