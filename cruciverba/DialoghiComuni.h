#pragma once

// What the three dialogs share: a fixed-size modal frame with a title and close box only, and
// the OK button that ends the modal loop with the OK result.

#include <QString>

class QDialog;
class QPushButton;
class QRect;
class QSize;

namespace cruciverba {

void PreparaDialogo(QDialog& dialogo, const QString& titolo, const QSize& dimensioni);
QPushButton* CreaPulsanteOk(QDialog& dialogo, const QRect& posto);

} // namespace cruciverba
