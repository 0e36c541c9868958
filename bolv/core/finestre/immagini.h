// The pictures of Bolv: the toolbar keys' pictograms (SVG files in the program's resources,
// one style for all), and, drawn in code, the frames of the icon animation, the logo of the
// splash and the built-in background of the main window.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace bolv {

// The picture of a toolbar key or menu entry: the desktop theme's icon named tema when the
// theme has one (tema may be null), else the program's pictogram icone/<nome>.svg. Its
// disabled form is grey and faint, so a disabled key is plain to see on any style.
QIcon iconapulsante(const QString& nome, const char* tema = nullptr);

// The 21 frames of the icon animation; frame 0 is the icon at rest (image 1 of the list).
constexpr int NUMFOTOGRAMMI = 21;
const QVector<QIcon>& fotogrammianimazione();

QPixmap logo();
QPixmap sfondopredefinito();

} // namespace bolv
