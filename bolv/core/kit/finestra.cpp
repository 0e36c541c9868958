#include "finestra.h"

#include "definizionefinestra.h"
#include "lavorolungo.h"
#include "occupato.h"

#include "windowregistry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace bolv {

QString nomecontrollo(const QString& base, int indice) {
    return QStringLiteral("%1(%2)").arg(base).arg(indice);
}

Finestra::Finestra(Stato& stato, const char* nome, QWidget* genitore)
    : QWidget(genitore), s(stato), modificabile(stato), nomefinestra(nome) {
    setObjectName(QString::fromLatin1(nome));
}

int Finestra::contesto() const {
    const Definizionefinestra* d = definizione(nomefinestra);
    return d ? d->contesto : 0;
}

bool Finestra::cambia(const std::function<void(Stato&)>& cambiamento) {
    if (occupato()) return false;
    cambiamento(modificabile);
    return true;
}

void Finestra::Esci() {
    auto& registro = platform::registry();
    const QString nome = QString::fromLatin1(nomefinestra);
    if (registro.existing(nome) == this)
        registro.close(nome);
    else
        close();
    if (QMainWindow* principale = registro.mainWindow()) principale->activateWindow();
}

void Finestra::chiudicornice() {
    const QString nome = QString::fromLatin1(nomefinestra);
    QWidget* cornice =
        platform::registry().existing(nome) == this ? platform::registry().frame(nome) : nullptr;
    if (cornice)
        cornice->close();
    else
        close();
}

void Finestra::guida() const {
    mostraguida(contesto());
}

void Finestra::stampaosalva(const platform::GridContent& griglia, const Righe& righe,
                            const std::vector<int>& colonne) const {
    stampaosalva(rapportogriglia(s, griglia, righe, colonne));
}

void Finestra::stampaosalva(const Rapportotesto& rapporto) const {
    stampaosalvatesto(s, rapporto);
}

QLabel* Finestra::etichetta(const QString& nome, const QString& testo, QWidget* padre) {
    auto* l = new QLabel(testo, contenitore(padre));
    l->setObjectName(nome);
    return l;
}

QPushButton* Finestra::pulsante(const QString& nome, const QString& testo,
                                const std::function<void()>& azione, QWidget* padre) {
    auto* b = new QPushButton(testo, contenitore(padre));
    b->setObjectName(nome);
    if (azione) connect(b, &QPushButton::clicked, this, azione);
    return b;
}

QPushButton* Finestra::pulsanteguida(const QString& nome, QWidget* padre) {
    QPushButton* b = pulsante(
        nome, QStringLiteral("?"), [this] { guida(); }, padre);
    b->setToolTip(QStringLiteral("Guida"));
    return b;
}

QPushButton* Finestra::pulsanteesci(const QString& nome, QWidget* padre) {
    return pulsante(
        nome, QStringLiteral("Esci"), [this] { Esci(); }, padre);
}

QCheckBox* Finestra::casella(const QString& nome, const QString& testo, QWidget* padre) {
    auto* c = new QCheckBox(testo, contenitore(padre));
    c->setObjectName(nome);
    return c;
}

QRadioButton* Finestra::opzione(const QString& base, int indice, const QString& testo,
                                QWidget* padre) {
    auto* o = new QRadioButton(testo, contenitore(padre));
    o->setObjectName(nomecontrollo(base, indice));
    return o;
}

QLineEdit* Finestra::casellatesto(const QString& nome, QWidget* padre) {
    auto* t = new QLineEdit(contenitore(padre));
    t->setObjectName(nome);
    return t;
}

void Finestra::closeEvent(QCloseEvent* evento) {
    // Closed directly, not through its frame: the same rule as the registry's.
    QPointer<Finestra> questa(this);
    if (Lavorolungo::rimandachiusura(this, [questa] {
            if (questa) questa->chiudicornice();
        })) {
        evento->ignore();
        return;
    }
    QWidget::closeEvent(evento);
}

} // namespace bolv
