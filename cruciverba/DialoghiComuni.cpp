#include "DialoghiComuni.h"

#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace cruciverba {

namespace {

// Qt centres a dialog over its parent as it shows it and pushes it back from the screen's edges,
// but counts the window frame only in part: near the bottom the frame's lower edge stays off the
// screen. Right after Qt placed it, the whole frame is moved onto the screen.
class SulloSchermo : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Show)
            QMetaObject::invokeMethod(
                this, [finestra = static_cast<QWidget*>(oggetto)] { Rientra(finestra); },
                Qt::QueuedConnection);
        return false;
    }

  private:
    static void Rientra(QWidget* finestra) {
        const QRect area = finestra->screen()->availableGeometry();
        const QRect cornice = finestra->frameGeometry();
        const int dx = qMax(area.left() - cornice.left(), qMin(0, area.right() - cornice.right()));
        const int dy = qMax(area.top() - cornice.top(), qMin(0, area.bottom() - cornice.bottom()));
        if (dx != 0 || dy != 0) finestra->move(finestra->pos() + QPoint(dx, dy));
    }
};

} // namespace

void PreparaDialogo(QDialog& dialogo, const QString& titolo, const QSize& dimensioni) {
    dialogo.setWindowTitle(titolo);
    dialogo.installEventFilter(new SulloSchermo(&dialogo));
    QFont carattere(QStringLiteral("MS Sans Serif"));
    carattere.setPointSize(8);
    dialogo.setFont(carattere);
    dialogo.setFixedSize(dimensioni);
    dialogo.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

QPushButton* CreaPulsanteOk(QDialog& dialogo, const QRect& posto) {
    auto* pulsante = new QPushButton(QStringLiteral("OK"), &dialogo);
    pulsante->setObjectName(QStringLiteral("btnOk"));
    pulsante->setIcon(QIcon::fromTheme(QStringLiteral("dialog-ok"),
                                       dialogo.style()->standardIcon(QStyle::SP_DialogOkButton)));
    pulsante->setGeometry(posto);
    pulsante->setDefault(true);
    QObject::connect(pulsante, &QPushButton::clicked, &dialogo, &QDialog::accept);
    return pulsante;
}

QString SceltaFileDaSalvare(QWidget* parent, const QString& titolo, const QString& proposta,
                            const QString& filtro, const QString& estensione) {
    QFileDialog dialogo(parent, titolo, proposta, filtro);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(estensione);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

} // namespace cruciverba
