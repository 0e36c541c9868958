#include "avvio.h"

#include "bolvmain.h"
#include "datifile.h"
#include "elabora.h"
#include "filedati.h"
#include "impostazioni.h"
#include "interfacciafinestre.h"
#include "nomifinestre.h"

#include "filedialog.h"
#include "messagebox.h"
#include "mousepointer.h"
#include "singleinstance.h"
#include "windowregistry.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace bolv {

namespace {

const QString ISTANZADOPPIA = QStringLiteral("Non è possibile avviare più di una sessione di Bolv "
                                             "per volta.\rPremere 'OK' per chiudere "
                                             "l'applicazione.");
const QString TITOLOISTANZADOPPIA = QStringLiteral("Bolv è già in esecuzione");
const QString BENVENUTO = QStringLiteral(
    "Benvenuto a Bolv, programma freeware per il gioco del lotto. Il programma inizia "
    "calcolando i dati statistici fondamentali al suo funzionamento. Attendere alcuni secondi. "
    "Vai al menu Opzioni->Configurazione per disabilitare questo messaggio.");
const QString FILEILLEGGIBILE = QStringLiteral(
    "Impossibile leggere un file di dati. Ripristinare il file o reinstallare il programma.");

QWidget* mostrasplash() {
    QWidget* splash = platform::registry().show(QString::fromLatin1(nomi::init));
    if (QScreen* schermo = QGuiApplication::primaryScreen()) {
        QRect posto = splash->frameGeometry();
        posto.moveCenter(schermo->availableGeometry().center());
        splash->move(posto.topLeft());
    }
    return splash;
}

void applicasfondo(const Stato& s, bolvmain& m) {
    const std::string file = s.percorso("sfondo.jpg");
    // A picture that cannot be decoded is no reason to start without a background.
    if (!QFileInfo::exists(QString::fromStdString(file)) ||
        !m.impostasfondo(VociPrincipale::Sfondo::file, file))
        m.impostasfondo(VociPrincipale::Sfondo::incorporato, {});
    m.spunta("sfondomenu", true);
}

} // namespace

Bolvavviato::Bolvavviato(Stato& stato, std::unique_ptr<platform::SingleInstance> istanza)
    : s(stato), precedente(stato.ui), blocco(std::move(istanza)) {}

Bolvavviato::~Bolvavviato() {
    s.ui = precedente;
    finestra.reset();
}

bool leggiconfig(Stato& s, bolvmain& m) {
    s.interfaccia().etichettaavvio("Lettura configurazione ...");
    if (!leggiconfigurazione(s)) return false;
    const Avvioconfigurato c = configurazioneavvio(s.configurazione);
    if (c.sfondo) applicasfondo(s, m);
    if (c.benvenuto) platform::message(BENVENUTO);
    s.annoinizio = c.annoinizio;
    m.spunta("opz" + std::to_string(c.annoinizio), true);
    if (!c.animazione) m.Timer1()->stop();
    s.stampasufile = c.stampasufile;
    m.spunta(c.stampasufile ? "stfilemenu" : "stampantemenu", true);
    m.pannellooutput(c.stampasufile ? "Output: file" : "Output: stampante");
    m.spunta("barramenu1", c.barrastandard);
    m.mostra("Toolbar1", c.barrastandard);
    m.spunta("barramenu2", c.barrafunzioni);
    m.mostra("toolbar2", c.barrafunzioni);
    s.dimensionecarattere = c.dimensionecarattere;
    m.spunta("f" + std::to_string(c.dimensionecarattere) + "menu", true);
    return true;
}

bool inizializza(Stato& s, bolvmain& m) {
    s.avvioincorso = true;
    m.spunta("tuttemenu", true);
    s.interfaccia().etichettaavvio("Inizializzazione variabili ...");
    s.ambiattivi = false;
    s.ternattivi = false;
    s.nomiruote = {"Bari",    "Cagliari", "Firenze", "Genova",  "Milano", "Napoli",
                   "Palermo", "Roma",     "Torino",  "Venezia", "Tutte"};
    if (!leggivincite(s) || !leggiformazioni(s)) return false;
    platform::commonDialog().setInitialFolder(QString::fromStdString(s.cartellaprogramma));
    s.modoaccoda = true;
    return true;
}

std::unique_ptr<Bolvavviato> avvia(Stato& s, const Parametriavvio& parametri) {
    auto istanza = std::make_unique<platform::SingleInstance>(QStringLiteral("bolv"),
                                                              parametri.cartellablocco);
    if (!istanza->acquire()) {
        platform::messageBox(ISTANZADOPPIA, platform::Buttons::Ok, platform::Icon::Critical,
                             TITOLOISTANZADOPPIA);
        return nullptr;
    }
    if (auto manca = controllafiledati(parametri.cartella.toStdString())) {
        platform::message(QString::fromStdString(*manca));
        return nullptr;
    }
    s.cartellaprogramma = parametri.cartella.toStdString();
    // Only this copy runs now, so no write of another can own what is left there.
    pulisciavanzidati(s.cartellaprogramma);

    auto avviato = std::make_unique<Bolvavviato>(s, std::move(istanza));
    avviato->finestra = std::make_unique<bolvmain>(s);
    bolvmain& m = *avviato->finestra;
    avviato->interfaccia = std::make_unique<Interfacciafinestre>(m);
    s.ui = avviato->interfaccia.get();

    QWidget* splash = mostrasplash();
    platform::setMousePointer(splash, platform::Pointer::Hourglass);
    const bool letta = leggiconfig(s, m);
    platform::setMousePointer(splash, platform::Pointer::ArrowHourglass);
    if (!letta || !inizializza(s, m)) {
        platform::message(FILEILLEGGIBILE);
        s.avvioincorso = false;
        return nullptr;
    }
    // A refused archive has been reported by the reader; there is nothing to analyse.
    if (!elabora(s)) {
        s.avvioincorso = false;
        return nullptr;
    }
    if (QWidget* rimasto = platform::registry().existing(QString::fromLatin1(nomi::init)))
        platform::setMousePointer(rimasto, platform::Pointer::Default);
    platform::registry().close(QString::fromLatin1(nomi::init));
    m.primadimensione();
    m.show();
    s.avvioincorso = false;
    return avviato;
}

} // namespace bolv
