#include "bolvmain.h"

#include "catalogo.h"
#include "elabora.h"
#include "filesicuri.h"
#include "immagini.h"
#include "info.h"
#include "interfacciafinestre.h"
#include "lavorolungo.h"
#include "nomifinestre.h"
#include "occupato.h"
#include "servizi.h"
#include "tabform.h"

#include "clipboard.h"
#include "messagebox.h"
#include "popupmenu.h"
#include "windowregistry.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace bolv {

// The client area: child windows over a picture drawn centred on the workspace colour.
class areadilavoro : public QMdiArea {
  public:
    using QMdiArea::QMdiArea;
    void impostaimmagine(const QPixmap& immagine) {
        sfondo = immagine;
        viewport()->update();
    }
    const QPixmap& immagine() const { return sfondo; }

  protected:
    void paintEvent(QPaintEvent* evento) override {
        QMdiArea::paintEvent(evento);
        if (sfondo.isNull()) return;
        QPainter p(viewport());
        QRect posto(QPoint(), sfondo.size());
        posto.moveCenter(viewport()->rect().center());
        p.drawPixmap(posto, sfondo);
    }

  private:
    QPixmap sfondo;
};

namespace {

const QString TITOLO = QStringLiteral("Bolv per Windows 95/98 ");
constexpr int INTERVALLOANIMAZIONE = 70;     // ms
constexpr size_t MASSIMOSFONDO = 256u << 20; // bytes of a background picture, far above any photo

struct Descrizionepannello {
    const char* suggerimento;
    const char* testo;
    int estensione;
};

const Descrizionepannello descrizionipannelli[6] = {
    {"Data", "", 0},
    {"Ora", "", 0},
    {"Impostazioni dei limiti di archivio", "", 1},
    {"Indica se la sorte di ambo è attiva", "AMBI", 0},
    {"Indica se la sorte di terno è attiva", "TERNI", 0},
    {"Output per la stampa", "Output: stampante", 0},
};

QString qs(const std::string& testo) {
    return QString::fromStdString(testo);
}

} // namespace

bolvmain::bolvmain(Stato& stato, QWidget* genitore) : QMainWindow(genitore), s(stato) {
    costruisci();
    platform::registry().setMainWindow(this, lavoro);
    registracatalogo(*this);
    aggiornadisponibilita();
}

bolvmain::~bolvmain() {
    // The base destructors still send events and focus changes: nothing of this class may
    // run from them.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    disconnect(lavoro, nullptr, this, nullptr);
    lavoro->viewport()->removeEventFilter(this);
    if (platform::registry().mainWindow() == this)
        platform::registry().setMainWindow(nullptr, nullptr);
}

void bolvmain::costruisci() {
    setObjectName(QStringLiteral("bolvmain"));
    setWindowTitle(TITOLO);
    setWindowIcon(fotogrammianimazione().first());
    // The message boxes, file dialogs and windows of their own show the program's icon at rest.
    QApplication::setWindowIcon(fotogrammianimazione().first());
    lavoro = new areadilavoro(this);
    lavoro->setObjectName(QStringLiteral("MDIClient"));
    lavoro->viewport()->installEventFilter(this);
    // A child window larger than the client area is reached by scrolling, never cut.
    lavoro->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lavoro->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(lavoro);
    costruiscimenu();
    barrastandard = costruiscibarra(QStringLiteral("Toolbar1"), pulsantistandard());
    addToolBarBreak();
    barrafunzioni = costruiscibarra(QStringLiteral("toolbar2"), pulsantifunzioni());
    costruiscistato();

    timeranimazione = new QTimer(this);
    timeranimazione->setObjectName(QStringLiteral("Timer1"));
    timeranimazione->setInterval(INTERVALLOANIMAZIONE);
    connect(timeranimazione, &QTimer::timeout, this, &bolvmain::animaicona);
    timeranimazione->start();

    connect(menupernome.value(QStringLiteral("modificamenu")), &QMenu::aboutToShow, this,
            &bolvmain::aggiornamodifica);
    connect(menupernome.value(QStringLiteral("finestramenu")), &QMenu::aboutToShow, this,
            &bolvmain::elencafinestre);
    // Ctrl+C and Ctrl+E follow the same rule between two openings of the menu.
    connect(qApp, &QApplication::focusChanged, this, &bolvmain::aggiornamodifica);
    connect(lavoro, &QMdiArea::subWindowActivated, this, &bolvmain::aggiornamodifica);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &bolvmain::aggiornamodifica);
    resize(1000, 700);
}

void bolvmain::costruiscimenu() {
    for (const auto& m : menuprincipali()) {
        auto* menu = new QMenu(QString::fromUtf8(m.testo), this);
        menu->setObjectName(QString::fromLatin1(m.nome));
        if (!m.invisibile) menuBar()->addMenu(menu);
        menuperpercorso.insert(menu->title(), menu);
        menupernome.insert(menu->objectName(), menu);
    }
    QHash<QString, QActionGroup*> gruppi;
    for (const auto& v : vocimenu()) {
        QMenu* contenitore = sottomenu(QString::fromUtf8(v.percorso));
        if (!v.testo) {
            contenitore->addSeparator();
            continue;
        }
        QAction* a = contenitore->addAction(QString::fromUtf8(v.testo));
        a->setObjectName(QString::fromLatin1(v.nome));
        if (v.tasto) a->setShortcut(QKeySequence(QString::fromLatin1(v.tasto)));
        if (v.esclusivo) {
            QActionGroup*& g = gruppi[QString::fromLatin1(v.esclusivo)];
            if (!g) g = new QActionGroup(this);
            g->addAction(a);
        }
        lega(a, v.azione, v.proprieta, false);
    }
    for (const auto& i : iconemenu())
        if (QAction* a = azioni.value(QString::fromLatin1(i.nome)))
            a->setIcon(iconapulsante(QString::fromLatin1(i.icona), i.tema));
}

QMenu* bolvmain::sottomenu(const QString& percorso) {
    if (QMenu* m = menuperpercorso.value(percorso)) return m;
    const int taglio = percorso.lastIndexOf(QLatin1Char('|'));
    QMenu* padre = sottomenu(percorso.left(taglio));
    QMenu* m = padre->addMenu(percorso.mid(taglio + 1));
    menuperpercorso.insert(percorso, m);
    return m;
}

QToolBar* bolvmain::costruiscibarra(const QString& nome, std::span<const Pulsante> pulsanti) {
    QToolBar* barra = addToolBar(nome);
    barra->setObjectName(nome);
    barra->setIconSize(QSize(24, 24));
    for (const auto& p : pulsanti) {
        if (!p.chiave) {
            barra->addSeparator();
            continue;
        }
        QAction* a = barra->addAction(iconapulsante(QString::fromLatin1(p.chiave), p.tema),
                                      QString::fromUtf8(p.suggerimento));
        a->setObjectName(QString::fromLatin1(p.chiave));
        a->setToolTip(QString::fromUtf8(p.suggerimento));
        barra->widgetForAction(a)->setObjectName(a->objectName());
        lega(a, p.azione, p.proprieta, true);
    }
    return barra;
}

void bolvmain::costruiscistato() {
    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 6; ++i) {
        const auto& d = descrizionipannelli[i];
        auto* p = new QLabel(QString::fromUtf8(d.testo), barra);
        p->setObjectName(QStringLiteral("Panels(%1)").arg(i + 1));
        p->setToolTip(QString::fromUtf8(d.suggerimento));
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        p->setContentsMargins(4, 0, 4, 0);
        barra->addPermanentWidget(p, d.estensione);
        pannelli[i] = p;
    }
    pannelli[3]->setEnabled(false);
    pannelli[4]->setEnabled(false);
    // The date and time panels keep themselves current.
    auto* orologio = new QTimer(this);
    connect(orologio, &QTimer::timeout, this, &bolvmain::aggiornaorologio);
    orologio->start(1000);
    aggiornaorologio();
}

void bolvmain::aggiornaorologio() {
    const QDateTime adesso = QDateTime::currentDateTime();
    pannelli[0]->setText(QLocale().toString(adesso.date(), QLocale::ShortFormat));
    pannelli[1]->setText(QLocale().toString(adesso.time(), QLocale::ShortFormat));
}

void bolvmain::lega(QAction* azione, const Azione& cosa, unsigned proprieta, bool dabarra) {
    azione->setCheckable(proprieta & spuntabile);
    legami.insert(azione, cosa);
    if (proprieta & mai) maiattive.insert(azione);
    if (proprieta & disattivata) negate.insert(azione);
    azioni.insert(azione->objectName(), azione);
    connect(azione, &QAction::triggered, this, [this, cosa, dabarra] { esegui(cosa, dabarra); });
}

bool bolvmain::disponibile(const Azione& cosa) const {
    const QString bersaglio = QString::fromLatin1(cosa.bersaglio);
    switch (cosa.tipo) {
    case Tipoazione::nessuna:
        return true;
    case Tipoazione::finestra:
    case Tipoazione::formazione:
        return platform::registry().isDefined(bersaglio);
    case Tipoazione::comando:
        return comandi.contains(bersaglio);
    }
    return false;
}

void bolvmain::riapplica(QAction* azione) {
    azione->setEnabled(!maiattive.contains(azione) && !negate.contains(azione) &&
                       disponibile(legami.value(azione)));
}

void bolvmain::aggiornadisponibilita() {
    aggiornamodifica();
    for (QAction* a : legami.keys())
        riapplica(a);
}

void bolvmain::registracomando(const QString& nome, Comando comando, Durante durante) {
    comandi.insert(nome, std::move(comando));
    if (durante == libero)
        comandiliberi.insert(nome);
    else
        comandiliberi.remove(nome);
    aggiornadisponibilita();
}

void bolvmain::esegui(const Azione& azione, bool dabarra) {
    // While the recomputation lets pending events run, nothing may reach the archive or
    // the tables it is rebuilding. During a window's computation the windows open (they
    // only read) and the free commands run; the others are refused.
    if (attivitaincorso() == Attivita::ricalcolo) return;
    const QString bersaglio = QString::fromLatin1(azione.bersaglio);
    switch (azione.tipo) {
    case Tipoazione::nessuna:
        break;
    case Tipoazione::finestra:
        apri(bersaglio, dabarra);
        break;
    case Tipoazione::formazione:
        apriformazione(azione, dabarra);
        break;
    case Tipoazione::comando:
        if (!comandiliberi.contains(bersaglio) && occupato()) return;
        if (auto c = comandi.value(bersaglio)) c();
        break;
    }
}

void bolvmain::apri(const QString& finestra, bool dabarra) {
    if (dabarra)
        visform(finestra);
    else
        platform::registry().show(finestra);
}

void bolvmain::visform(const QString& finestra) {
    platform::registry().visform(finestra);
}

void bolvmain::apriformazione(const Azione& cosa, bool dabarra) {
    apri(QString::fromLatin1(cosa.bersaglio), dabarra);
    if (auto* f = qobject_cast<tabform*>(
            platform::registry().existing(QString::fromLatin1(cosa.bersaglio))))
        f->scegli(cosa.gruppo, cosa.famiglia);
}

void bolvmain::primadimensione() {
    // The ranking window is the largest of the child windows: made to be measured only.
    auto& registro = platform::registry();
    const QString figlia = QString::fromLatin1(nomi::massimi);
    if (registro.isOpen(figlia) || !registro.isDefined(figlia)) return;
    registro.window(figlia);
    const QSize serve = registro.frame(figlia)->sizeHint();
    registro.close(figlia);
    layout()->activate();
    platform::growToHold(this, lavoro, serve);
}

QAction* bolvmain::voce(const QString& nome) const {
    return azioni.value(nome);
}
QMenu* bolvmain::menu(const QString& nome) const {
    return menupernome.value(nome);
}
QMdiArea* bolvmain::area() const {
    return lavoro;
}
QPixmap bolvmain::sfondo() const {
    return lavoro->immagine();
}

void bolvmain::disattivaambiterni() {
    for (const char* chiave : {"attivaa", "attivat"})
        mostra(chiave, true);
    for (const char* nome : {"attterni_menu", "attambi_menu"})
        abilita(nome, true);
    for (const char* nome : {"ternimenu", "tvergini", "classifica", "maxritmenu"})
        abilita(nome, false);
}

void bolvmain::aggiornastato() {
    // "Informazioni" stays open through a recomputation: it shows the new window's figures.
    if (auto* i =
            dynamic_cast<info*>(platform::registry().existing(QString::fromLatin1(nomi::info))))
        i->aggiorna();
    pannelli[2]->setText(qs(testostato(s)));
    pannelli[3]->setEnabled(s.ambiattivi);
    pannelli[4]->setEnabled(s.ternattivi);
}

void bolvmain::abilita(const std::string& nome, bool attiva) {
    QAction* a = voce(qs(nome));
    if (!a) return;
    if (attiva)
        negate.remove(a);
    else
        negate.insert(a);
    riapplica(a);
}

void bolvmain::spunta(const std::string& nome, bool spuntata) {
    if (QAction* a = voce(qs(nome))) a->setChecked(spuntata);
}

bool bolvmain::spuntata(const std::string& nome) const {
    QAction* a = voce(qs(nome));
    return a && a->isChecked();
}

void bolvmain::mostra(const std::string& nome, bool visibile) {
    const QString n = qs(nome);
    if (n == barrastandard->objectName())
        barrastandard->setVisible(visibile);
    else if (n == barrafunzioni->objectName())
        barrafunzioni->setVisible(visibile);
    else if (QAction* a = voce(n))
        a->setVisible(visibile);
}

void bolvmain::pannellooutput(const std::string& testo) {
    pannelli[5]->setText(qs(testo));
}

bool bolvmain::impostasfondo(Sfondo sfondo, const std::string& file) {
    switch (sfondo) {
    case Sfondo::nessuno:
        lavoro->impostaimmagine({});
        return true;
    case Sfondo::incorporato:
        lavoro->impostaimmagine(sfondopredefinito());
        return true;
    case Sfondo::file: {
        // The bytes go through the file road, so a FIFO or a huge file cannot stall start-up.
        const auto dati = leggiinizio(file, MASSIMOSFONDO + 1);
        QPixmap immagine;
        if (!dati || dati->size() > MASSIMOSFONDO ||
            !immagine.loadFromData(dati->data(), static_cast<uint>(dati->size())))
            return false;
        lavoro->impostaimmagine(immagine);
        return true;
    }
    }
    return false;
}

void bolvmain::esci() {
    if (Lavorolungo::corrente()) {
        Lavorolungo::dopointerruzione([this] { esci(); });
        return;
    }
    if (!platform::ask(QStringLiteral("Sicuro di voler uscire?"))) return;
    uscitaconfermata = true;
    close();
}

void bolvmain::animaicona() {
    if (++fotogramma == NUMFOTOGRAMMI) fotogramma = 0;
    setWindowIcon(fotogrammianimazione().at(fotogramma));
}

void bolvmain::aggiornamodifica() {
    abilita("copiamenu", controllocopiabile() != nullptr);
    abilita("incollamenu", platform::clipboardHasText());
}

void bolvmain::elencafinestre() {
    QMenu* m = menupernome.value(QStringLiteral("finestramenu"));
    qDeleteAll(vocifinestre);
    vocifinestre.clear();
    const auto figlie = lavoro->subWindowList();
    if (figlie.isEmpty()) return;
    vocifinestre.append(m->addSeparator());
    for (QMdiSubWindow* figlia : figlie) {
        if (!figlia->isVisible()) continue;
        QAction* a = m->addAction(figlia->windowTitle());
        a->setCheckable(true);
        a->setChecked(figlia == lavoro->activeSubWindow());
        connect(a, &QAction::triggered, figlia,
                [this, figlia] { lavoro->setActiveSubWindow(figlia); });
        vocifinestre.append(a);
    }
}

void bolvmain::closeEvent(QCloseEvent* evento) {
    if (Lavorolungo::corrente()) {
        evento->ignore();
        Lavorolungo::dopointerruzione([this] { close(); });
        return;
    }
    if (attivitaincorso() == Attivita::ricalcolo ||
        (!uscitaconfermata && !platform::ask(QStringLiteral("Sicuro di voler uscire da Bolv ?")))) {
        evento->ignore();
        return;
    }
    uscitaconfermata = false;
    evento->accept();
    // The windows of their own (dialogs, help) go with the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && !qobject_cast<QMenu*>(w)) w->close();
}

bool bolvmain::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == lavoro->viewport() && evento->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::RightButton) {
        platform::popup(menupernome.value(QStringLiteral("funzionimenu")));
        return true;
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

} // namespace bolv
