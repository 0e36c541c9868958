#include "info.h"

#include "nomifinestre.h"

#include "messagebox.h"
#include "systeminfo.h"
#include "textformat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

namespace bolv {

namespace {

// The date of a draw held, or nothing for a slot past the draws (an empty archive, a
// window starting outside it).
QString datadraw(const Stato& s, int d) {
    if (d < 1 || d > s.numestrazioni) return {};
    return platform::formatDate(s.dateestrazioni[d], QStringLiteral("dd.mm.yyyy"));
}

QString dimensionearchivio(const Stato& s) {
    std::error_code errore;
    const auto byte = std::filesystem::file_size(s.percorso("archivio.dat"), errore);
    if (errore) return {};
    return platform::formatInteger(static_cast<qint64>(byte), QStringLiteral("###,###,###")) +
           QStringLiteral(" bytes");
}

} // namespace

Massimoritardo massimoritardo(const std::array<int32_t, 990>& tabella) {
    Massimoritardo m;
    for (int w = 1; w <= 10; ++w)
        for (int n = 1; n <= 90; ++n)
            if (tabella[indicenumero(n, w)] > m.ritardo) m = {n, w, tabella[indicenumero(n, w)]};
    return m;
}

QString testomassimo(const Stato& s, const Massimoritardo& m) {
    if (m.ruota == 0) return platform::plainText(0);
    return platform::plainText(m.numero) + QStringLiteral(" su ") +
           QString::fromStdString(s.nomiruote[m.ruota - 1]) + QStringLiteral(" , ") +
           platform::plainText(m.ritardo);
}

std::array<QString, 6> valoriinfo(const Stato& s) {
    return {platform::plainText(s.numestrazioni),
            datadraw(s, s.primaestrazione),
            datadraw(s, s.numestrazioni),
            dimensionearchivio(s),
            testomassimo(s, massimoritardo(s.ritardinumeri)),
            testomassimo(s, massimoritardo(s.storicinumeri))};
}

info::info(Stato& s) : Finestra(s, nomi::info) {
    costruisci();
}

void info::costruisci() {
    setWindowTitle(QStringLiteral("Informazioni"));
    const char* const didascalie[] = {"Numero totale estrazioni in archivio",
                                      "Data prima estrazione impostata:",
                                      "Data ultima estrazione:",
                                      "Spazio occupato su disco:",
                                      "Massimo ritardo attuale di estratto :",
                                      "Massimo ritardo storico di estratto :"};
    auto* colonna = new QVBoxLayout(this);
    QGroupBox* riquadri[] = {new QGroupBox(QStringLiteral("Archivio"), this),
                             new QGroupBox(QStringLiteral("Statistica"), this)};
    QGridLayout* righe[] = {new QGridLayout(riquadri[0]), new QGridLayout(riquadri[1])};
    for (int i = 0; i < 6; ++i) {
        QGridLayout* g = righe[i < 4 ? 0 : 1];
        const int riga = i < 4 ? i : i - 4;
        g->addWidget(new QLabel(QString::fromUtf8(didascalie[i]), this), riga, 0);
        Label3[i] = etichetta(nomecontrollo(QStringLiteral("Label3"), i));
        g->addWidget(Label3[i], riga, 1);
    }
    righe[1]->addWidget(
        new QLabel(QStringLiteral("NB: dati riferiti al punto di inizio archivio impostato "
                                  "attualmente"),
                   this),
        2, 0, 1, 2);
    auto* sistema = new QGroupBox(QStringLiteral("Informazioni sul sistema"), this);
    (new QVBoxLayout(sistema))
        ->addWidget(pulsante(
            QStringLiteral("Command1"), QStringLiteral("System Info"), [this] { Command1_Click(); },
            sistema));
    QPushButton* Command2 = pulsanteguida(QStringLiteral("Command2"));
    for (QWidget* w : {static_cast<QWidget*>(riquadri[0]), static_cast<QWidget*>(riquadri[1]),
                       static_cast<QWidget*>(sistema), static_cast<QWidget*>(Command2)})
        colonna->addWidget(w);
    aggiorna();
}

void info::aggiorna() {
    const auto valori = valoriinfo(s);
    for (int i = 0; i < 6; ++i)
        Label3[i]->setText(valori[i]);
}

void info::Command1_Click() {
    if (!platform::startSystemInfo())
        platform::message(
            QStringLiteral("Informazioni di sistema non disponibili in questo momento"));
}

} // namespace bolv
