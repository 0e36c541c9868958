// What the window tests share: a control found by its name (or the test ends), a click or a
// choice on it, the lines of a list, and a window opened from an entry of a started program.
#pragma once

#include "archiviodiprova.h"
#include "finestra.h"

#include "windowregistry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
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

// Clicks the option button base(i).
inline void scegli(QWidget* f, const char* base, int i) {
    controllo<QRadioButton>(f, bolv::nomecontrollo(QString::fromLatin1(base), i))->click();
}

// How a cell of a grid or list stands across: left, centred or right.
inline Qt::Alignment allineamento(const QAbstractItemView* v, int riga, int colonna) {
    return Qt::Alignment(v->model()->index(riga, colonna).data(Qt::TextAlignmentRole).toInt()) &
           Qt::AlignHorizontal_Mask;
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
