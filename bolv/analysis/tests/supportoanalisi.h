// What the tests of the analysis windows share: controls found by their names, the lines of
// a list, and a window opened from a menu entry or toolbar key of a started program.
#pragma once

#include "archiviodiprova.h"

#include "windowregistry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QStringList>

namespace prova {

template <class W> W* controllo(QWidget* f, const QString& nome) {
    auto* w = f->findChild<W*>(nome);
    if (!w) qFatal("no control %s", qPrintable(nome));
    return w;
}

inline QStringList listato(QWidget* f) {
    auto* l = controllo<QAbstractItemView>(f, QStringLiteral("List1"));
    QStringList r;
    for (int i = 0; i < l->model()->rowCount(); ++i)
        r << l->model()->index(i, 0).data().toString();
    return r;
}

// The window nome shown by the entry or key voce, which must be enabled.
inline QWidget* apertada(const Avviato& a, const QString& voce, const char* nome) {
    QAction* azione = a.voce(voce.toLatin1().constData());
    if (!azione || !azione->isEnabled()) qFatal("%s not enabled", qPrintable(voce));
    azione->trigger();
    QWidget* f = platform::registry().existing(QString::fromLatin1(nome));
    if (!f || !f->isVisible()) qFatal("%s not shown", nome);
    return f;
}

} // namespace prova
