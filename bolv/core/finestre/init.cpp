#include "init.h"

#include "immagini.h"
#include "nomifinestre.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace bolv {

QString testoversione() {
    return QStringLiteral("Versione %1.%2.%3")
        .arg(BOLV_VERSIONE_MAGGIORE)
        .arg(BOLV_VERSIONE_MINORE)
        .arg(BOLV_VERSIONE_REVISIONE);
}

init::init(Stato& s) : Finestra(s, nomi::init) {
    costruisci();
    progresso(QStringLiteral("Caricamento del programma in corso..."));
}

void init::costruisci() {
    setWindowTitle(QStringLiteral("Bolv per Windows 95  - Avvio del programma in corso..."));
    auto* colonna = new QVBoxLayout(this);
    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo());
    Image1->setAlignment(Qt::AlignCenter);
    auto* Label3 =
        new QLabel(QStringLiteral("Programma statistico freeware per il gioco del lotto"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    auto* Label2 = new QLabel(testoversione());
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2)})
        colonna->addWidget(w);
    // Wide enough for its title in the frame, beside the frame's icon and buttons.
    const int pertitolo =
        QFontMetrics(QApplication::font()).horizontalAdvance(windowTitle()) * 6 / 5 + 140;
    setFixedSize(std::max(sizeHint().width(), pertitolo), sizeHint().height());
}

void init::progresso(const QString& testo) {
    Label1->setText(testo);
    Label1->repaint();
}

} // namespace bolv
