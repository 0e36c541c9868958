#include "calcvinc.h"

#include "nomifinestre.h"

#include "messagebox.h"
#include "textformat.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace bolv {

namespace {

QString lire(int64_t valore, const char* schema) {
    return platform::formatInteger(valore, QString::fromLatin1(schema));
}

std::string testo(const QString& t) {
    return t.toStdString();
}

} // namespace

calcvinc::calcvinc(Stato& s) : Finestra(s, nomi::calcvinc) {
    costruisci();
}

void calcvinc::costruisci() {
    setWindowTitle(QStringLiteral("Calcolo Vincite"));
    auto* colonna = new QVBoxLayout(this);
    auto* scelte = new QGridLayout;
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    scelte->addWidget(
        etichetta(QStringLiteral("Label4"), QStringLiteral("Quantità numeri giocati:")), 0, 0);
    scelte->addWidget(Combo1, 0, 1);
    scelte->addWidget(
        etichetta(QStringLiteral("Label5"), QStringLiteral("Quantità numeri sortiti:")), 1, 0);
    scelte->addWidget(Combo2, 1, 1);
    scelte->setColumnStretch(2, 1);
    colonna->addLayout(scelte);
    colonna->addWidget(costruiscipuntate());

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Calcola"),
                                [this] { Command1_Click(); }));
    comandi->addWidget(pulsante(QStringLiteral("Command2"), QStringLiteral("Stampa"),
                                [this] { Command2_Click(); }));
    comandi->addWidget(pulsanteguida(QStringLiteral("Command3")));
    colonna->addLayout(comandi);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &calcvinc::Combo1_Click);
    for (int n = 1; n <= 10; ++n)
        Combo1->addItem(QString::number(n));
}

QWidget* calcvinc::costruiscipuntate() {
    auto* Frame1 = new QGroupBox(QStringLiteral("Puntate"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* g = new QGridLayout(Frame1);
    const auto label1 = [&](int i, const char* t) {
        return etichetta(nomecontrollo(QStringLiteral("Label1"), i), QString::fromUtf8(t), Frame1);
    };
    g->addWidget(label1(9, "N.ro comb. uscite"), 0, 2);
    g->addWidget(label1(10, "Vincita"), 0, 3);
    for (int i = 0; i < 5; ++i) {
        Text1[i] = casellatesto(nomecontrollo(QStringLiteral("Text1"), i), Frame1);
        connect(Text1[i], &QLineEdit::textChanged, this, &calcvinc::Text1_Change);
        Label2[i] = etichetta(nomecontrollo(QStringLiteral("Label2"), i), {}, Frame1);
        Label3[i] = etichetta(nomecontrollo(QStringLiteral("Label3"), i), {}, Frame1);
        g->addWidget(label1(i, NOMISORTI[i]), i + 1, 0);
        g->addWidget(Text1[i], i + 1, 1);
        g->addWidget(Label2[i], i + 1, 2);
        g->addWidget(Label3[i], i + 1, 3);
    }
    Totale = label1(6, "0");
    g->addWidget(label1(5, "Totale"), 6, 0);
    g->addWidget(Totale, 6, 1);
    const char* risultati[3] = {"Vincita lorda:", "- 3 % :", "- cap. investito:"};
    for (int i = 0; i < 3; ++i) {
        Label3[5 + i] = etichetta(nomecontrollo(QStringLiteral("Label3"), 5 + i), {}, Frame1);
        g->addWidget(label1(11 + i, risultati[i]), 7 + i, 2);
        g->addWidget(Label3[5 + i], 7 + i, 3);
    }
    // The net result stands out: red-orange on light grey.
    Label3[7]->setAutoFillBackground(true);
    QPalette p = Label3[7]->palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    p.setColor(QPalette::WindowText, QColor(0xC0, 0x40, 0x00));
    Label3[7]->setPalette(p);
    // The win column holds the widest sum of lire there is.
    const QString massima = lire(std::numeric_limits<int64_t>::min(), "#,##0");
    g->setColumnMinimumWidth(3, Frame1->fontMetrics().horizontalAdvance(massima));
    return Frame1;
}

void calcvinc::Combo1_Click() {
    const int n = Combo1->currentText().toInt();
    const int giocabili = std::min(n, 5);
    // A stake the count no longer allows is cleared, so the total, the checks and the
    // report hold only what can be played.
    for (int i = 0; i < 5; ++i) {
        Text1[i]->setEnabled(i < giocabili);
        if (i >= giocabili) Text1[i]->clear();
    }
    Combo2->clear();
    for (int k = 1; k <= giocabili; ++k)
        Combo2->addItem(QString::number(k));
    Combo2->setCurrentIndex(0);
}

Puntate calcvinc::puntate() const {
    Puntate p;
    for (int i = 0; i < 5; ++i)
        p[i] = testo(Text1[i]->text());
    return p;
}

void calcvinc::Text1_Change() {
    const auto totale = totalepuntate(puntate(), Combo1->currentText().toInt());
    // A stake beyond any sum leaves no total to show; "Calcola" says why.
    Totale->setText(totale ? lire(*totale, "#,##0") : QString());
}

void calcvinc::Command1_Click() {
    giocati = Combo1->currentText().toInt();
    sortiti = Combo2->currentText().toInt();
    const Calcolovincite c = calcolavincite(s.tabellavincite, giocati, sortiti, puntate());
    if (!c.messaggio.empty()) {
        platform::message(QString::fromStdString(c.messaggio));
        return;
    }
    for (int i = 0; i < 5; ++i) {
        const bool giocabile = c.combinazioni[i] != "---";
        Label2[i]->setText(QString::fromStdString(c.combinazioni[i]));
        Label3[i]->setText(giocabile ? lire(c.vincite[i], "#,##0") : QString());
    }
    Label3[5]->setText(lire(c.lorda, "#,##0"));
    Label3[6]->setText(lire(c.netta, "#,###"));
    Label3[7]->setText(lire(c.risultato, "#,###"));
}

Rapportovincite calcvinc::rapporto() const {
    Rapportovincite r;
    r.giocati = giocati;
    r.sortiti = sortiti;
    r.puntate = puntate();
    for (int i = 0; i < 5; ++i) {
        r.combinazioni[i] = testo(Label2[i]->text());
        r.vincite[i] = testo(Label3[i]->text());
    }
    r.lorda = testo(Label3[5]->text());
    r.netta = testo(Label3[6]->text());
    r.risultato = testo(Label3[7]->text());
    return r;
}

void calcvinc::Command2_Click() {
    Rapportotesto r;
    for (const std::string& l : righetesto(rapportovincite(rapporto())))
        r.linee << QString::fromStdString(l);
    r.dimensionescelta = false;
    r.titolo = QStringLiteral("Salva su file di testo");
    r.proposto = QStringLiteral("vincite.txt");
    r.seesiste = QStringLiteral("Appendere al file ?");
    stampaosalva(r);
}

} // namespace bolv
