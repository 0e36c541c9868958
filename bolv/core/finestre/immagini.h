// The pictures of Bolv, drawn in code: toolbar buttons, the frames of the icon animation,
// the logo of the splash and the built-in background of the main window.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace bolv {

// A toolbar picture: a short glyph on a rounded tile of the given colour.
QIcon immaginepulsante(const QString& glifo, QColor colore);

// The 21 frames of the icon animation; frame 0 is the icon at rest (image 1 of the list).
constexpr int NUMFOTOGRAMMI = 21;
const QVector<QIcon>& fotogrammianimazione();

QPixmap logo();
QPixmap sfondopredefinito();

} // namespace bolv
