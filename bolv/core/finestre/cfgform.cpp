#include "cfgform.h"

#include "nomifinestre.h"

#include "messagebox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bolv {

namespace {

// The file's 1 is checked and 2 greyed; Qt numbers them the other way round.
Qt::CheckState statocasella(Spunta v) {
    switch (v) {
    case Spunta::si:
        return Qt::Checked;
    case Spunta::grigio:
        return Qt::PartiallyChecked;
    case Spunta::no:
        break;
    }
    return Qt::Unchecked;
}

Spunta valorecasella(const QCheckBox* c) {
    switch (c->checkState()) {
    case Qt::Checked:
        return Spunta::si;
    case Qt::PartiallyChecked:
        return Spunta::grigio;
    case Qt::Unchecked:
        break;
    }
    return Spunta::no;
}

template <size_t N> int sceltaindice(const std::array<QRadioButton*, N>& opzioni) {
    for (size_t i = 0; i < N; ++i)
        if (opzioni[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

} // namespace

cfgform::cfgform(Stato& s) : Finestra(s, nomi::cfgform) {
    costruisci();
    Form_Load();
}

QGroupBox* cfgform::riquadro(const QString& titolo) {
    return new QGroupBox(titolo, this);
}

QCheckBox* cfgform::casellatristato(const QString& nome, const QString& testo, QWidget* padre) {
    QCheckBox* c = casella(nome, testo, padre);
    // A greyed value read from the file can be shown, but a click only checks or unchecks.
    connect(c, &QCheckBox::clicked, c, [c] { c->setTristate(false); });
    return c;
}

void cfgform::costruisci() {
    setWindowTitle(QStringLiteral("Configurazione"));
    auto* griglia = new QGridLayout(this);

    auto* generali = new QVBoxLayout;
    Check2 = casellatristato(QStringLiteral("Check2"), QStringLiteral("Immagine di sfondo"), this);
    Check1 = casellatristato(QStringLiteral("Check1"),
                             QStringLiteral("Mostra il messaggio di benvenuto all'avvio."), this);
    Check3 = casellatristato(QStringLiteral("Check3"), QStringLiteral("Rotazione icona"), this);
    for (QWidget* w : {Check2, Check1, Check3})
        generali->addWidget(w);
    griglia->addLayout(generali, 0, 0, 1, 2);

    QGroupBox* inizio = riquadro(QStringLiteral("Estrazione di inizio archivio"));
    auto* colonnainizio = new QVBoxLayout(inizio);
    const char* anni[] = {"1871", "1939", "1945"};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = opzione(QStringLiteral("Option1"), i, QString::fromLatin1(anni[i]), inizio);
        colonnainizio->addWidget(Option1[i]);
    }
    griglia->addWidget(inizio, 1, 0);

    QGroupBox* output = riquadro(QStringLiteral("Output di stampa"));
    auto* colonnaoutput = new QVBoxLayout(output);
    const char* uscite[] = {"Stampante", "File"};
    for (int i = 0; i < 2; ++i) {
        Option2[i] = opzione(QStringLiteral("Option2"), i, QString::fromLatin1(uscite[i]), output);
        colonnaoutput->addWidget(Option2[i]);
    }
    griglia->addWidget(output, 1, 1);

    QGroupBox* barre = riquadro(QStringLiteral("Barre dei pulsanti all'avvio"));
    auto* colonnabarre = new QVBoxLayout(barre);
    Check4 = casellatristato(QStringLiteral("Check4"), QStringLiteral("Standard"), barre);
    Check6 = casellatristato(QStringLiteral("Check6"), QStringLiteral("Funzioni"), barre);
    colonnabarre->addWidget(Check4);
    colonnabarre->addWidget(Check6);
    griglia->addWidget(barre, 2, 0);

    QGroupBox* dimensioni = riquadro(QStringLiteral("Dimensione fonts"));
    auto* righedimensioni = new QGridLayout(dimensioni);
    for (int i = 0; i < 6; ++i) {
        Option3[i] = opzione(QStringLiteral("Option3"), i, QString::number(i + 5), dimensioni);
        righedimensioni->addWidget(Option3[i], i / 3, i % 3);
    }
    griglia->addWidget(dimensioni, 2, 1);

    QGroupBox* ruote = riquadro(QStringLiteral("Ruote di default"));
    auto* righeruote = new QGridLayout(ruote);
    for (int i = 0; i < 10; ++i) {
        Check5[i] = casellatristato(nomecontrollo(QStringLiteral("Check5"), i), {}, ruote);
        righeruote->addWidget(Check5[i], i % 5, i / 5);
    }
    griglia->addWidget(ruote, 0, 2, 3, 1);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Salva configurazione"),
                                 [this] { Command1_Click(); }));
    pulsanti->addWidget(
        pulsante(QStringLiteral("Command3"), QStringLiteral("Annulla"), [this] { Esci(); }));
    pulsanti->addWidget(pulsanteguida(QStringLiteral("Command2")));
    griglia->addLayout(pulsanti, 3, 0, 1, 3);
}

void cfgform::Form_Load() {
    for (int i = 0; i < 10; ++i)
        Check5[i]->setText(QString::fromStdString(s.nomiruote[i]));
    const Sceltedialogo d = sceltedaconfigurazione(s.configurazione);
    Check2->setChecked(d.sfondo);
    Check1->setChecked(d.benvenuto);
    Check3->setChecked(d.rotazione);
    Option1[d.inizio]->setChecked(true);
    Option2[d.output]->setChecked(true);
    Check4->setCheckState(statocasella(d.standard));
    Check6->setCheckState(statocasella(d.funzioni));
    for (int i = 0; i < 10; ++i)
        Check5[i]->setCheckState(statocasella(d.ruote[i]));
    Option3[d.dimensione]->setChecked(true);
}

Sceltedialogo cfgform::scelte() const {
    Sceltedialogo d;
    d.sfondo = Check2->isChecked();
    d.benvenuto = Check1->isChecked();
    d.rotazione = Check3->isChecked();
    d.inizio = sceltaindice(Option1);
    d.output = sceltaindice(Option2);
    d.standard = valorecasella(Check4);
    d.funzioni = valorecasella(Check6);
    for (int i = 0; i < 10; ++i)
        d.ruote[i] = valorecasella(Check5[i]);
    d.dimensione = sceltaindice(Option3);
    return d;
}

void cfgform::Command1_Click() {
    const Slotconfigurazione nuova = configurazionedascelte(scelte(), s.configurazione);
    bool salvata = false;
    if (!cambia([&](Stato& stato) { salvata = salvaconfigurazione(stato, nuova); })) return;
    if (!salvata) {
        platform::message(QStringLiteral("Impossibile scrivere il file di configurazione "
                                         "bolv.cfg: le impostazioni non sono state salvate."));
        return;
    }
    Esci();
    platform::message(QStringLiteral("Le impostazioni di configurazione sono state salvate. "
                                     "Per rendere attivi i cambiamenti chiudere e riavviare il "
                                     "programma."));
}

} // namespace bolv
