#include "cfgform.h"

#include "archivio.h"
#include "datifile.h"
#include "servizi.h"

#include "messagebox.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bolv {

namespace {

constexpr int CONTESTOGUIDA = 22;

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

cfgform::cfgform(Stato& stato, QWidget* genitore) : QWidget(genitore), s(stato) {
    costruisci();
    Form_Load();
}

QGroupBox* cfgform::riquadro(const QString& titolo) {
    return new QGroupBox(titolo, this);
}

QCheckBox* cfgform::casella(const QString& nome, const QString& testo, QWidget* padre) {
    auto* c = new QCheckBox(testo, padre);
    c->setObjectName(nome);
    // A greyed value read from the file can be shown, but a click only checks or unchecks.
    connect(c, &QCheckBox::clicked, c, [c] { c->setTristate(false); });
    return c;
}

QRadioButton* cfgform::opzione(const QString& base, int indice, const QString& testo,
                               QWidget* padre) {
    auto* o = new QRadioButton(testo, padre);
    o->setObjectName(QStringLiteral("%1(%2)").arg(base).arg(indice));
    return o;
}

void cfgform::costruisci() {
    setObjectName(QStringLiteral("cfgform"));
    setWindowTitle(QStringLiteral("Configurazione"));
    auto* griglia = new QGridLayout(this);

    auto* generali = new QVBoxLayout;
    Check2 = casella(QStringLiteral("Check2"), QStringLiteral("Immagine di sfondo"), this);
    Check1 = casella(QStringLiteral("Check1"),
                     QStringLiteral("Mostra il messaggio di benvenuto all'avvio."), this);
    Check3 = casella(QStringLiteral("Check3"), QStringLiteral("Rotazione icona"), this);
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
    Check4 = casella(QStringLiteral("Check4"), QStringLiteral("Standard"), barre);
    Check6 = casella(QStringLiteral("Check6"), QStringLiteral("Funzioni"), barre);
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
        Check5[i] = casella(QStringLiteral("Check5(%1)").arg(i), {}, ruote);
        righeruote->addWidget(Check5[i], i % 5, i / 5);
    }
    griglia->addWidget(ruote, 0, 2, 3, 1);

    auto* pulsanti = new QHBoxLayout;
    const struct {
        const char* nome;
        const char* testo;
        void (cfgform::*gestore)();
    } comandi[] = {{"Command1", "Salva configurazione", &cfgform::Command1_Click},
                   {"Command3", "Annulla", &cfgform::Command3_Click},
                   {"Command2", "?", &cfgform::Command2_Click}};
    for (const auto& c : comandi) {
        auto* b = new QPushButton(QString::fromLatin1(c.testo), this);
        b->setObjectName(QString::fromLatin1(c.nome));
        connect(b, &QPushButton::clicked, this, c.gestore);
        pulsanti->addWidget(b);
    }
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
    if (!scrivifilesicuro(s.percorso("bolv.cfg"), immagineconfigurazione(nuova))) {
        platform::message(QStringLiteral("Impossibile scrivere il file di configurazione "
                                         "bolv.cfg: le impostazioni non sono state salvate."));
        return;
    }
    s.configurazione = nuova;
    platform::registry().close(QStringLiteral("cfgform"));
    platform::message(QStringLiteral("Le impostazioni di configurazione sono state salvate. "
                                     "Per rendere attivi i cambiamenti chiudere e riavviare il "
                                     "programma."));
}

void cfgform::Command2_Click() {
    mostraguida(CONTESTOGUIDA);
}

void cfgform::Command3_Click() {
    platform::registry().close(QStringLiteral("cfgform"));
}

} // namespace bolv
