#pragma once

// What the three dialogs share: a fixed-size modal frame with a title and close box only, in the
// windows' face, and the OK button that ends the modal loop with the OK result. And the save
// dialog of the export and of the PDF print.

#include <QString>

class QDialog;
class QWidget;
class QPushButton;
class QRect;
class QSize;

namespace cruciverba {

void PreparaDialogo(QDialog& dialogo, const QString& titolo, const QSize& dimensioni);
QPushButton* CreaPulsanteOk(QDialog& dialogo, const QRect& posto);

// Qt's own save dialog (the desktop's may speak another language), opened on proposta (a folder,
// or a file name in one), asking before it overwrites; the chosen path, or empty when cancelled.
QString SceltaFileDaSalvare(QWidget* parent, const QString& titolo, const QString& proposta,
                            const QString& filtro, const QString& estensione);

} // namespace cruciverba
