#include "opzioni.h"

#include "ambiterni.h"
#include "bolvmain.h"
#include "copie.h"
#include "copiearchivio.h"
#include "elabora.h"
#include "filesicuri.h"
#include "nomifinestre.h"
#include "nuovaestrazione.h"
#include "testo.h"

#include "filedialog.h"
#include "messagebox.h"
#include "windowregistry.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>
#include <filesystem>

namespace bolv {

const char* const DOMANDACAMBIOINIZIO =
    "Il cambio dell'estrazione iniziale causerà la disattivazione degli ambi e dei terni, se "
    "sono attivi, e sarà successivamente necessaria una riattivazione. Procedere comunque?";

namespace {

const int ANNI[] = {1871, 1939, 1945};
const char* const VOCIMODO[] = {"tuttemenu", "sabatomenu", "solomercoledimenu"};
const char* const VOCIINSERIMENTO[] = {"insmenu", "insintmenu", "insfondo", "insint", "incolla"};

const char* const FINALE = "L'estrazione finale verrà impostata automaticamente all'ultima "
                           "disponibile. L'estrazione iniziale verra' impostata alla prima.";
const char* const NIENTEINSERIMENTO = "Non sarà possibile inserire nuove estrazioni fino a che "
                                      "non si ripristinerà il modo continuo dell'archivio.";

std::string voceanno(int anno) {
    return "opz" + std::to_string(anno);
}

std::string messaggiomodo(int modo) {
    switch (modo) {
    case 0:
        return FINALE;
    case 1:
        return std::string(NIENTEINSERIMENTO) + FINALE;
    default:
        return "Come estrazione iniziale viene impostata la prima estrazione avvenuta di "
               "mercoledi. Non sarà possibile inserire nuove estrazioni fino a che non si "
               "ripristinerà il modo contiinuo dell'archivio.";
    }
}

// Every mode but Wednesday's starts the window at the first draw and ends it at the last;
// the Wednesday reader starts it at 1 itself and the recomputation keeps its end in range.
void impostamodo(Stato& s, int modo) {
    s.modoestrazioni = modo;
    if (modo == 2) return;
    s.reimpostaultima = true;
    s.primaestrazione = 1;
    s.annoinizio = 0;
}

} // namespace

void spuntaanno(VociPrincipale& v, int anno) {
    for (int a : ANNI)
        v.spunta(voceanno(a), a == anno);
}

void sceglianno(Stato& s, VociPrincipale& v, int anno) {
    s.annoinizio = anno;
    spuntaanno(v, anno);
    elabora(s);
}

bool sceglimodo(Stato& s, VociPrincipale& v, int modo) {
    if (modo < 0 || modo > 2 || s.modoestrazioni == modo) return false;
    for (int m = 0; m <= 2; ++m)
        v.spunta(VOCIMODO[m], m == modo);
    impostamodo(s, modo);
    s.interfaccia().avviso(messaggiomodo(modo));
    elabora(s);
    abilitainserimento(v, modo == 0);
    if (modo == 2) {
        for (int a : ANNI)
            v.abilita(voceanno(a), false);
        return true;
    }
    v.abilita("inifinmenu", true);
    for (int a : ANNI)
        v.abilita(voceanno(a), true);
    spuntaanno(v, 1871);
    return true;
}

void abilitainserimento(VociPrincipale& v, bool attiva) {
    for (const char* voce : VOCIINSERIMENTO)
        v.abilita(voce, attiva);
}

void attivaambi(Stato& s, VociPrincipale& v) {
    if (s.ambiattivi) return;
    s.ambiattivi = true;
    calcolaambi(s);
    s.interfaccia().aggiornastato();
    v.abilita("maxritmenu", true);
    s.interfaccia().chiudianalisi();
    v.abilita("classifica", true);
    v.mostra("attivaa", false);
    v.abilita("attambi_menu", false);
}

// The ranking window's menu entry is left as it was: the ranking of triples alone is
// reached from the toolbar only.
void attivaterni(Stato& s, VociPrincipale& v) {
    if (s.ternattivi) return;
    s.ternattivi = true;
    calcolaterni(s);
    s.interfaccia().aggiornastato();
    s.interfaccia().chiudianalisi();
    v.mostra("attivat", false);
    v.abilita("attterni_menu", false);
    v.abilita("ternimenu", true);
    v.abilita("tvergini", true);
    v.abilita("classifica", true);
}

std::string testooutput(bool sufile) {
    return sufile ? "Output: file" : "Output: stampante";
}

void sceglioutput(Stato& s, VociPrincipale& v, bool sufile) {
    v.spunta("stampantemenu", !sufile);
    v.spunta("stfilemenu", sufile);
    s.stampasufile = sufile;
    v.pannellooutput(testooutput(sufile));
}

void sceglicarattere(Stato& s, VociPrincipale& v, int dimensione) {
    s.dimensionecarattere = dimensione;
    for (int d = 5; d <= 10; ++d)
        v.spunta("f" + std::to_string(d) + "menu", d == dimensione);
}

void mostrabarra(VociPrincipale& v, int barra, bool visibile) {
    v.spunta("barramenu" + std::to_string(barra), visibile);
    v.mostra(barra == 1 ? "Toolbar1" : "toolbar2", visibile);
}

bool caricasfondo(const Stato& s, VociPrincipale& v, const std::string& scelto) {
    const std::string sfondo = s.percorso("sfondo.jpg");
    // Copying the picture onto itself would empty it.
    if (!stessofile(scelto, sfondo)) {
        if (!copiafile(scelto, sfondo)) return false;
    }
    if (!v.impostasfondo(VociPrincipale::Sfondo::file, sfondo)) return false;
    v.spunta("sfondomenu", true);
    return true;
}

void mostrasfondo(const Stato& s, VociPrincipale& v, bool visibile) {
    using Sfondo = VociPrincipale::Sfondo;
    v.spunta("sfondomenu", visibile);
    if (!visibile) {
        v.impostasfondo(Sfondo::nessuno, {});
        return;
    }
    const std::string sfondo = s.percorso("sfondo.jpg");
    std::error_code errore;
    if (!std::filesystem::exists(sfondo, errore) || !v.impostasfondo(Sfondo::file, sfondo))
        v.impostasfondo(Sfondo::incorporato, {});
}

namespace {

// What the dialogs see while no main window is registered (a dialog tested on its own).
class Nessunavoce : public VociPrincipale {
  public:
    void abilita(const std::string&, bool) override {}
    void spunta(const std::string&, bool) override {}
    bool spuntata(const std::string&) const override { return false; }
    void mostra(const std::string&, bool) override {}
    void pannellooutput(const std::string&) override {}
    bool impostasfondo(Sfondo, const std::string&) override { return false; }
};

const QString INSERIMENTO = QString::fromLatin1(nomi::inserimento);

// Qt flips the mark of a checkable entry before its command runs. A No to the start-year
// question must leave every mark as it was, so the flip is remembered as it happens and
// forgotten when the event loop turns again: only the flip of the click being handled is
// ever undone, never a mark set by a command.
QPointer<QAction> ultimoscatto;

// The folder of the last picture chosen in this run.
QString ultimacartellaimmagini;

void ricordascatto(QAction* voce) {
    ultimoscatto = voce;
    QTimer::singleShot(0, voce, [] { ultimoscatto = nullptr; });
}

} // namespace

VociPrincipale& vociprincipale() {
    static Nessunavoce nessuna;
    auto* v = dynamic_cast<VociPrincipale*>(platform::registry().mainWindow());
    return v ? *v : nessuna;
}

void comandoanno(bolvmain& m, int anno) {
    QAction* voce = m.voce(QString::fromStdString(voceanno(anno)));
    const bool scattata = voce && ultimoscatto == voce;
    const bool procedi =
        platform::ask(QString::fromUtf8(DOMANDACAMBIOINIZIO), QStringLiteral("Attenzione"));
    if (!procedi && scattata) voce->setChecked(!voce->isChecked());
    if (procedi) sceglianno(m.stato(), m, anno);
    ultimoscatto = nullptr;
}

QString cartellaimmagini() {
    if (!ultimacartellaimmagini.isEmpty() && QFileInfo(ultimacartellaimmagini).isDir())
        return ultimacartellaimmagini;
    const QString immagini = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(immagini).isDir() ? immagini : QDir::homePath();
}

void comandocaricasfondo(bolvmain& m) {
    platform::FileDialog& dialogo = platform::commonDialog();
    dialogo.setTitle(QStringLiteral("Carica immagine di sfondo"));
    dialogo.setFilter(QStringLiteral("Immagine jpeg|*.jpg"));
    dialogo.setDefaultExtension(QStringLiteral("*.jpg"));
    // A picture is looked for among the user's pictures, never under a name another command
    // left in the dialog; the other commands keep opening in the program folder.
    const QString cartellaprecedente = dialogo.initialFolder();
    dialogo.setInitialFolder(cartellaimmagini());
    dialogo.setFileName({});
    const bool scelto = dialogo.showOpen();
    dialogo.setInitialFolder(cartellaprecedente);
    if (!scelto) return;
    ultimacartellaimmagini = QFileInfo(dialogo.fileName()).absolutePath();
    caricasfondo(m.stato(), m, dialogo.fileName().toStdString());
}

void comandoinserimento(bolvmain& m, bool dabarra) {
    inserimentoaccoda(m.stato());
    if (dabarra)
        m.visform(INSERIMENTO);
    else
        platform::registry().show(INSERIMENTO);
}

void comandointermedio(bolvmain& m) {
    const QString risposta = platform::inputBox(
        QString::fromUtf8("Indicare il numero dell'estrazione dopo la quale ne verrà inserita "
                          "una nuova:"),
        QStringLiteral("Inserimento intermedio di estrazione"));
    if (inserimentointermedio(m.stato(), risposta.toStdString()))
        platform::registry().show(INSERIMENTO);
}

void registraopzioni(bolvmain& m) {
    Stato& s = m.stato();
    const auto comando = [&m](const std::string& nome, bolvmain::Comando c,
                              bolvmain::Durante durante = bolvmain::riservato) {
        m.registracomando(QString::fromStdString(nome), std::move(c), durante);
    };
    const auto libero = [&comando](const std::string& nome, bolvmain::Comando c) {
        comando(nome, std::move(c), bolvmain::libero);
    };
    for (int anno : ANNI) {
        comando(voceanno(anno), [&m, anno] { comandoanno(m, anno); });
        if (QAction* voce = m.voce(QString::fromStdString(voceanno(anno))))
            QObject::connect(voce, &QAction::toggled, voce, [voce] { ricordascatto(voce); });
    }
    for (int modo = 0; modo <= 2; ++modo)
        comando(VOCIMODO[modo], [&m, &s, modo] { sceglimodo(s, m, modo); });
    comando("attambi_menu", [&m, &s] { attivaambi(s, m); });
    comando("attterni_menu", [&m, &s] { attivaterni(s, m); });
    // The output, the toolbars, the background, a backup and the export change nothing a
    // window's computation reads.
    libero("stampantemenu", [&m, &s] { sceglioutput(s, m, false); });
    libero("stfilemenu", [&m, &s] { sceglioutput(s, m, true); });
    for (int d = 5; d <= 10; ++d)
        libero("f" + std::to_string(d) + "menu", [&m, &s, d] { sceglicarattere(s, m, d); });
    for (int barra = 1; barra <= 2; ++barra) {
        const std::string voce = "barramenu" + std::to_string(barra);
        libero(voce, [&m, barra, voce] { mostrabarra(m, barra, m.spuntata(voce)); });
    }
    libero("menucaricasf", [&m] { comandocaricasfondo(m); });
    libero("sfondomenu", [&m, &s] { mostrasfondo(s, m, m.spuntata("sfondomenu")); });
    libero("cbmenu", [] { creabackup(); });
    comando("rbmenu", [] { ripristinabackup(); });
    libero("esportamenu", [] { esportamenu_Click(); });
    if (!platform::registry().isDefined(INSERIMENTO)) return;
    comando("insmenu", [&m] { comandoinserimento(m, false); });
    comando("insfondo", [&m] { comandoinserimento(m, true); });
    comando("insintmenu", [&m] { comandointermedio(m); });
    comando("insint", [&m] { comandointermedio(m); });
}

} // namespace bolv
