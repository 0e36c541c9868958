#include "DialoghiComuni.h"

#include <QDialog>
#include <QPushButton>
#include <QStyle>

namespace cruciverba {

void PreparaDialogo(QDialog& dialogo, const QString& titolo, const QSize& dimensioni) {
    dialogo.setWindowTitle(titolo);
    dialogo.setFixedSize(dimensioni);
    dialogo.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

QPushButton* CreaPulsanteOk(QDialog& dialogo, const QRect& posto) {
    auto* pulsante = new QPushButton(QStringLiteral("OK"), &dialogo);
    pulsante->setObjectName(QStringLiteral("btnOk"));
    pulsante->setIcon(dialogo.style()->standardIcon(QStyle::SP_DialogOkButton));
    pulsante->setGeometry(posto);
    pulsante->setDefault(true);
    QObject::connect(pulsante, &QPushButton::clicked, &dialogo, &QDialog::accept);
    return pulsante;
}

} // namespace cruciverba
