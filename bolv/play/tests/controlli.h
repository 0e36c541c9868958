// What the play windows' tests share: a control found by its name, or the test ends.
#pragma once

#include <QPushButton>
#include <QWidget>

namespace prova {

template <class W> W* controllo(QWidget* f, const QString& nome) {
    auto* w = f->findChild<W*>(nome);
    if (!w) qFatal("no control %s", qPrintable(nome));
    return w;
}

inline void clic(QWidget* f, const QString& nome) {
    controllo<QPushButton>(f, nome)->click();
}

} // namespace prova
