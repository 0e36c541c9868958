#include "estremi.h"

#include "elabora.h"
#include "nomifinestre.h"
#include "opzioni.h"

#include "messagebox.h"
#include "textformat.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <algorithm>

namespace bolv {

namespace {
// Wide enough that one step of the mouse is a few draws, not dozens.
constexpr int LARGHEZZACURSORE = 360;
} // namespace

estremi::estremi(Stato& s) : Finestra(s, nomi::estremi) {
    costruisci();
}

void estremi::costruisci() {
    setWindowTitle(QStringLiteral("Impostazione estremi dell'archivio"));
    // With no draws there is nothing to choose: the sliders still need a range of one.
    const int massimo = std::max(1, s.numestrazioni);
    const bool vuoto = s.numestrazioni < 1;

    auto* griglia = new QGridLayout(this);
    QSlider* cursori[2];
    const int valori[2] = {s.primaestrazione, s.ultimaestrazione};
    for (int i = 0; i < 2; ++i) {
        cursori[i] = new QSlider(Qt::Horizontal, this);
        cursori[i]->setObjectName(QStringLiteral("Slider%1").arg(i + 1));
        cursori[i]->setMinimumWidth(LARGHEZZACURSORE);
        cursori[i]->setRange(1, massimo);
        cursori[i]->setValue(std::clamp(valori[i], 1, massimo));
        cursori[i]->setEnabled(!vuoto);
    }
    Slider1 = cursori[0];
    Slider2 = cursori[1];
    Label3 = etichetta(QStringLiteral("Label3"));
    Label4 = etichetta(QStringLiteral("Label4"));
    Label5 = etichetta(QStringLiteral("Label5"));
    Label6 = etichetta(QStringLiteral("Label6"));
    Label7 = etichetta(QStringLiteral("Label7"));
    griglia->addWidget(etichetta(QStringLiteral("Label1"), QStringLiteral("Inizio estrazioni")), 0,
                       0);
    griglia->addWidget(Slider1, 0, 1);
    griglia->addWidget(Label3, 0, 2);
    griglia->addWidget(Label4, 0, 3);
    griglia->addWidget(etichetta(QStringLiteral("Label2"), QStringLiteral("Fine estrazioni")), 1,
                       0);
    griglia->addWidget(Slider2, 1, 1);
    griglia->addWidget(Label5, 1, 2);
    griglia->addWidget(Label6, 1, 3);
    griglia->addWidget(etichetta(QStringLiteral("Label8"), QStringLiteral("Numero estrazioni:")), 2,
                       0);
    griglia->addWidget(Label7, 2, 1);

    Command1 = pulsante(QStringLiteral("Command1"), QStringLiteral("Imposta"),
                        [this] { Command1_Click(); });
    Command1->setEnabled(!vuoto);
    griglia->addWidget(Command1, 3, 1);
    griglia->addWidget(
        pulsante(QStringLiteral("Command2"), QStringLiteral("Annulla"), [this] { Esci(); }), 3, 2);
    griglia->addWidget(pulsanteguida(QStringLiteral("Command3")), 3, 3);

    connect(Slider1, &QSlider::valueChanged, this, &estremi::allineafine);
    connect(Slider2, &QSlider::valueChanged, this, &estremi::allineainizio);
    aggiornaestremi();
}

void estremi::aggiornaestremi() {
    const int prima = Slider1->value();
    const int ultima = Slider2->value();
    if (s.numestrazioni < 1) {
        for (QLabel* l : {Label3, Label4, Label5, Label6})
            l->clear();
        Label7->setText(platform::plainText(0));
        return;
    }
    const QString formato = QStringLiteral("ddd dd.mm.yyyy");
    Label3->setText(platform::plainText(prima));
    Label5->setText(platform::plainText(ultima));
    Label4->setText(platform::formatDate(s.dateestrazioni[prima], formato));
    Label6->setText(platform::formatDate(s.dateestrazioni[ultima], formato));
    Label7->setText(platform::plainText(ultima - prima + 1));
}

void estremi::allineafine() {
    if (Slider2->value() < Slider1->value()) Slider2->setValue(Slider1->value());
    aggiornaestremi();
}

void estremi::allineainizio() {
    if (Slider2->value() < Slider1->value()) Slider1->setValue(Slider2->value());
    aggiornaestremi();
}

void estremi::Command1_Click() {
    if ((s.ambiattivi || s.ternattivi) &&
        !platform::ask(QString::fromUtf8(DOMANDACAMBIOINIZIO), QStringLiteral("Attenzione")))
        return;
    const int prima = Slider1->value(), ultima = Slider2->value();
    // The recomputation also closes this window; no start year is checked any more.
    if (cambia([prima, ultima](Stato& st) { impostaestremi(st, prima, ultima); }))
        spuntaanno(vociprincipale(), 0);
}

} // namespace bolv
