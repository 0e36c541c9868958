#include "inserimento.h"

#include "nomifinestre.h"
#include "testo.h"

#include "clipboard.h"
#include "messagebox.h"
#include "windowregistry.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace bolv {

namespace {

const QColor BIANCO(255, 255, 255);
const QColor GRIGIO(192, 192, 192);
const QColor BORDOATTIVO(212, 208, 200); // the boxes' colour until the marker first moves
constexpr int LARGHEZZANUMERO = 34;
constexpr int LARGHEZZADATA = 58;

QString qs(const std::string& t) {
    return QString::fromStdString(t);
}

void sfondo(QLineEdit* casella, const QColor& colore) {
    QPalette p = casella->palette();
    p.setColor(QPalette::Base, colore);
    casella->setPalette(p);
}

} // namespace

inserimento::inserimento(Stato& s) : Finestra(s, nomi::inserimento) {
    costruisci();
}

void inserimento::costruisci() {
    setWindowTitle(s.modoaccoda ? QStringLiteral("Inserimento estrazioni  ")
                                : QStringLiteral("Inserimento estrazione dopo la n.") +
                                      qs(Str(s.puntoinserimento)));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(costruiscidata());
    colonna->addWidget(costruisciruote());

    Command4 = pulsante(QStringLiteral("Command4"), QStringLiteral("<---"), [this] {
        if (corrente > 1) sposta(corrente - 1);
    });
    Command5 = pulsante(QStringLiteral("Command5"), QStringLiteral("--->"), [this] {
        if (corrente < 50) sposta(corrente + 1);
    });
    Command7 = pulsanteguida(QStringLiteral("Command7"));
    Command3 = pulsante(QStringLiteral("Command3"), QStringLiteral("INSERISCI"),
                        [this] { Command3_Click(); });
    Command2 = pulsante(QStringLiteral("Command2"), QStringLiteral("ANNULLA"),
                        [this] { Command2_Click(); });
    Command8 = pulsante(QStringLiteral("Command8"), QStringLiteral("Incolla dagli Appunti"),
                        [this] { incolla(); });
    auto* frecce = new QHBoxLayout;
    for (QPushButton* b : {Command4, Command5, Command7})
        frecce->addWidget(b);
    frecce->addStretch();
    frecce->addWidget(Command8);
    colonna->addLayout(frecce);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(Command3);
    comandi->addWidget(Command2);
    colonna->addLayout(comandi);
    ordinetab();
}

QWidget* inserimento::costruiscidata() {
    auto* riga = new QWidget(this);
    auto* l = new QHBoxLayout(riga);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(etichetta(QStringLiteral("Label1"), QStringLiteral("Data estrazione:"), riga));
    const QString testi[] = {QStringLiteral("Giorno"), QStringLiteral("Mese"),
                             QStringLiteral("Anno")};
    QLineEdit* caselle[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0) l->addWidget(etichetta(QStringLiteral("Label%1").arg(i + 1), " /", riga));
        caselle[i] = casellatesto(QStringLiteral("Text%1").arg(i + 1), riga);
        caselle[i]->setText(testi[i]);
        caselle[i]->setFixedWidth(LARGHEZZADATA);
        caselle[i]->installEventFilter(this);
        l->addWidget(caselle[i]);
    }
    l->addStretch();
    Text1 = caselle[0];
    Text2 = caselle[1];
    Text3 = caselle[2];
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text2->setFocus(); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { Text3->setFocus(); });
    connect(Text3, &QLineEdit::returnPressed, this, [this] {
        Text4[1]->setFocus();
        colora(1, true);
    });
    return riga;
}

QWidget* inserimento::costruisciruote() {
    auto* cornice = new QFrame(this);
    cornice->setObjectName(QStringLiteral("Frame1"));
    cornice->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* g = new QGridLayout(cornice);
    for (int w = 1; w <= 10; ++w) {
        g->addWidget(
            etichetta(QStringLiteral("Label4(%1)").arg(w), qs(s.nomiruote[w - 1]), cornice), w - 1,
            0);
        for (int k = 1; k <= 5; ++k) {
            const int i = (w - 1) * 5 + k;
            QLineEdit* t = casellatesto(nomecontrollo(QStringLiteral("Text4"), i), cornice);
            t->setFixedWidth(LARGHEZZANUMERO);
            t->setAutoFillBackground(true);
            t->installEventFilter(this);
            connect(t, &QLineEdit::returnPressed, this, [this, i] { Text4_Enter(i); });
            Text4[i] = t;
            sfondo(t, BORDOATTIVO);
            g->addWidget(t, w - 1, k);
        }
    }
    g->setColumnStretch(6, 1);
    return cornice;
}

// "ANNULLA", "INSERISCI", the date, the arrows and help, the 50 numbers, the paste last.
void inserimento::ordinetab() {
    std::vector<QWidget*> ordine = {Command2, Command3, Text1,    Text2,
                                    Text3,    Command4, Command5, Command7};
    for (int i = 1; i <= 50; ++i)
        ordine.push_back(Text4[i]);
    ordine.push_back(Command8);
    for (size_t i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void inserimento::colora(int i, bool bianca) {
    sfondo(Text4[i], bianca ? BIANCO : GRIGIO);
}

void inserimento::sposta(int nuova) {
    colora(corrente, false);
    corrente = nuova;
    colora(corrente, true);
}

bool inserimento::eventFilter(QObject* oggetto, QEvent* evento) {
    auto* casella = qobject_cast<QLineEdit*>(oggetto);
    if (!casella) return Finestra::eventFilter(oggetto, evento);
    // A text box takes Ctrl+E as "end of line"; here it is the paste of the main window's
    // menu, which these boxes always hold the focus for.
    if (evento->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(evento)->keyCombination() ==
            QKeyCombination(Qt::ControlModifier, Qt::Key_E)) {
        evento->ignore();
        return true;
    }
    const bool data = casella == Text1 || casella == Text2 || casella == Text3;
    if (evento->type() == QEvent::MouseButtonPress) {
        if (data)
            for (int i = 1; i <= 50; ++i)
                colora(i, false);
        else
            sposta(casella->objectName().section('(', 1).chopped(1).toInt());
    } else if (evento->type() == QEvent::FocusIn && !data) {
        // A box tabbed into comes with its text selected: it is cleared for the new number.
        QTimer::singleShot(0, casella, [casella] {
            if (casella->hasSelectedText()) casella->del();
        });
    }
    return Finestra::eventFilter(oggetto, evento);
}

void inserimento::showEvent(QShowEvent* evento) {
    Finestra::showEvent(evento);
    Text1->setFocus();
    if (attivazionelegata) return;
    // Whenever the window comes back to the front, typing starts again at the day.
    if (QMdiArea* area = platform::registry().mdiArea()) {
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* finestra) {
            if (finestra && finestra->widget() == this) Text1->setFocus();
        });
        attivazionelegata = true;
    }
}

void inserimento::Text4_Enter(int i) {
    const std::string testo = Text4[i]->text().toStdString();
    if (!numerico(testo)) {
        platform::message(QStringLiteral("Errore: inserire un valore numerico!"));
        return;
    }
    const double valore = Val(testo);
    if (valore < 0 || valore > 90) {
        platform::message(QStringLiteral("Errore: inserire un intero tra 0 e 90!"));
        return;
    }
    // The marker moves on from where it is, not from the box Enter was pressed in.
    sposta(corrente == 50 ? 1 : corrente + 1);
    Text4[corrente]->setFocus();
}

Immissione inserimento::immissione() const {
    Immissione i{
        Text1->text().toStdString(), Text2->text().toStdString(), Text3->text().toStdString(), {}};
    for (int k = 1; k <= 50; ++k)
        i.numeri[k - 1] = Text4[k]->text().toStdString();
    return i;
}

void inserimento::Command3_Click() {
    const Controllo controllo = controllaestrazione(immissione(), s.nomiruote);
    for (const Passo& p : controllo.passi) {
        if (!p.domanda)
            platform::message(qs(p.testo));
        else if (!platform::ask(qs(p.testo), qs(p.titolo)))
            return;
    }
    if (!controllo.estrazione) return;
    cambia([e = *controllo.estrazione](Stato& st) { inserisciestrazione(st, e); });
}

void inserimento::Command2_Click() {
    if (cambia(inserimentoaccoda)) Esci();
}

void inserimento::incolla() {
    const QString testo = platform::clipboardText();
    if (testo.isEmpty()) {
        platform::message(QStringLiteral("Gli appunti non contengono dati."));
        return;
    }
    const auto campi = campiappunti(testo.toStdString());
    if (!campi) {
        platform::message(QStringLiteral("Gli appunti non contengono un'estrazione valida."));
        return;
    }
    Text1->setText(qs((*campi)[0]));
    Text2->setText(qs((*campi)[1]));
    Text3->setText(qs((*campi)[2]));
    for (int i = 1; i <= 50; ++i)
        Text4[i]->setText(qs((*campi)[i + 2]));
}

} // namespace bolv
