#include "about.h"

#include "immagini.h"
#include "init.h"
#include "nomifinestre.h"

#include <QLabel>
#include <QVBoxLayout>

namespace bolv {

about::about(Stato& s) : Finestra(s, nomi::about) {
    costruisci();
}

void about::costruisci() {
    setWindowTitle(QStringLiteral("Informazioni su Bolv"));
    auto* colonna = new QVBoxLayout(this);
    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo());
    Image1->setAlignment(Qt::AlignCenter);
    colonna->addWidget(Image1);
    const QString testi[] = {
        QStringLiteral("Bolv"), testoversione(),
        QStringLiteral("Programma statistico freeware per il gioco del lotto")};
    for (int i = 0; i < 3; ++i) {
        auto* etichetta = new QLabel(testi[i], this);
        etichetta->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        etichetta->setAlignment(Qt::AlignCenter);
        colonna->addWidget(etichetta);
    }
}

} // namespace bolv
