#pragma once

// The pictures of the shops, help and about dialogs, drawn in code. The animation strips and the
// credits glyph sit on a key colour, which the widgets treat as transparent: the strips and
// glyph are drawn without antialiasing so no blend of the key colour survives at an edge.

#include <QColor>
#include <QIcon>
#include <QImage>

namespace cruciverba {

// The program's picture: a small number crossword.
QImage ImmagineProgramma();
// The picture shown with the credits.
QImage ImmagineCrediti();
// The credits glyph: a star on the fuchsia key colour.
QImage GlifoCrediti();
// Two frames of a lottery ball, lit and unlit, on the fuchsia key colour.
QImage StrisciaPallina();
inline constexpr int FotogrammiPallina = 2;
// Five frames of a betting slip being marked, on the lime key colour.
QImage StrisciaSchedina();
inline constexpr int FotogrammiSchedina = 5;
inline const QColor ColoreTrasparenteSchedina{0, 255, 0};
// A globe, for the button that opens the shops' web pages.
QIcon GlifoRicevitorie();

} // namespace cruciverba
