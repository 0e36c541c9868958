#include "voci.h"

namespace bolv {

namespace {

constexpr Azione finestra(const char* nome) {
    return {Tipoazione::finestra, nome};
}
constexpr Azione comando(const char* nome) {
    return {Tipoazione::comando, nome};
}
constexpr Azione formazione(int gruppo, int famiglia) {
    return {Tipoazione::formazione, FINESTRAFORMAZIONI, gruppo, famiglia};
}
constexpr Azione nulla{};

const Menuprincipale menu[] = {
    {"&File", "filemenu", false},         {"&Modifica", "modificamenu", false},
    {"&Archivio", "archiviomenu", false}, {"Fu&nzioni", "funzionimenu", false},
    {"&Tabelle", "tabellemenu", false},   {"&Utility", "utilitymenu", false},
    {"&Opzioni", "opzionimenu", false},   {"Fi&nestra", "finestramenu", false},
    {"&Help", "helpmenu", false},         {"menunumero", "menunumero", true},
    {"menuricerca", "menuric", true},
};

#define AMBI "&Tabelle|Ambi|Omogenei"
#define OPZ "&Opzioni"

const Vocemenu voci[] = {
    {"&File", "Crea Backup...", "cbmenu", nullptr, comando("cbmenu")},
    {"&File", "Ripristina Backup...", "rbmenu", nullptr, comando("rbmenu")},
    {"&File", nullptr, nullptr, nullptr, nulla},
    {"&File", "Esporta Archivio...", "esportamenu", nullptr, comando("esportamenu")},
    {"&File", "Stampa Schedina...", "stampamenu", nullptr, finestra(nomi::stampa)},
    {"&File", nullptr, nullptr, nullptr, nulla},
    {"&File", "Esci", "escmenu", nullptr, comando("escmenu")},

    {"&Modifica", "Copia", "copiamenu", "Ctrl+C", comando("copiamenu")},
    {"&Modifica", "Incolla estrazione dagli appunti", "incollamenu", "Ctrl+E",
     comando("incollamenu")},
    {"&Modifica", "Svuota Appunti", "clearmenu", nullptr, comando("clearmenu")},

    {"&Archivio", "Archivio Estrazioni", "arcreadmenu", "F5", finestra(nomi::archivio2)},
    {"&Archivio", "Visualizza un anno di estrazioni", "estrannomenu", nullptr,
     finestra(nomi::archesteso)},
    {"&Archivio", nullptr, nullptr, nullptr, nulla},
    {"&Archivio", "Inserimento Estrazioni", "insmenu", "F8", comando("insmenu")},
    {"&Archivio", "Inserimento Intermedio", "insintmenu", nullptr, comando("insintmenu")},
    {"&Archivio", nullptr, nullptr, nullptr, nulla},
    {"&Archivio", "Informazioni", "infarcmenu", nullptr, finestra(nomi::info)},

    {"Fu&nzioni", "Situazione Estrazionale", "tabanamenu", nullptr, finestra(nomi::situ)},
    {"Fu&nzioni", "Ricerca Statistica", "ricritmenu", nullptr, finestra(nomi::ricerca)},
    {"Fu&nzioni", "Ricerca Estrazionale", "riceestrazmenu", nullptr, finestra(nomi::estrazionale)},
    {"Fu&nzioni", "Classifica Ritardi e Presenze", "maxritmenu", "Ctrl+M", finestra(nomi::massimi),
     disattivata},
    {"Fu&nzioni", "Capogioco", "capomenu", "Ctrl+G", finestra(nomi::capogioco)},
    {"Fu&nzioni", "Sincronismi", "sincromenu", nullptr, finestra(nomi::sincro)},
    {"Fu&nzioni", "Generatore Sistemi", "sistemimenu", nullptr, finestra(nomi::sistemi)},
    {"Fu&nzioni", nullptr, nullptr, nullptr, nulla},
    {"Fu&nzioni", "Terni Vergini", "ternimenu", nullptr, finestra(nomi::terni), disattivata},
    {"Fu&nzioni", nullptr, nullptr, nullptr, nulla},
    {"Fu&nzioni", "Simulazione Estrazioni", "simulmenu", "Ctrl+U", finestra(nomi::simul)},
    {"Fu&nzioni", "Super EnaBolv", "superformmenu", "F3", finestra(nomi::superena)},
    {"Fu&nzioni", nullptr, nullptr, nullptr, nulla},
    {"Fu&nzioni", "Processore Metodi", "Validamenu", nullptr, nulla, mai},

    {"&Tabelle", "Ambate", "ambmenu", "F6", finestra(nomi::estratti)},
    {"&Tabelle", nullptr, nullptr, nullptr, nulla},
    {"&Tabelle|Ambi", "Tutti gli ambi", "tuttiambi_menu", "F7", comando("tuttiambi_menu")},
    {AMBI, "Gemelli", "gemmenu", nullptr, formazione(0, 0)},
    {AMBI, "Vertibili", "vertmenu", nullptr, formazione(0, 1)},
    {AMBI, "Consecutivi", "consmenu", nullptr, formazione(0, 2)},
    {AMBI, "Complementari", "compmenu", nullptr, formazione(0, 3)},
    {AMBI, "Biunivoci", "biumenu", nullptr, formazione(0, 4)},
    {AMBI, "Triplicati", "trimenu", nullptr, formazione(0, 5)},
    {AMBI, "Simmetrici", "simmenu", nullptr, formazione(0, 6)},
    {AMBI, "Diametrali", "diamenu", nullptr, formazione(0, 7)},
    {"&Tabelle", nullptr, nullptr, nullptr, nulla},
    {"&Tabelle|Terzine", "Triangolari", "triamenu", nullptr, formazione(1, 0)},
    {"&Tabelle|Terzine", "Consecutive", "cons3menu", nullptr, formazione(1, 1)},
    {"&Tabelle|Terzine", "Pari", "parmenu", nullptr, formazione(1, 2)},
    {"&Tabelle|Terzine", "Dispari", "dispmenu", nullptr, formazione(1, 3)},
    {"&Tabelle", nullptr, nullptr, nullptr, nulla},
    {"&Tabelle|Quartine", "Cifra Composta", "cifrcommenu", nullptr, formazione(2, 0)},
    {"&Tabelle|Quartine", "Cifra Zerata", "cifrzermenu", nullptr, formazione(2, 1)},
    {"&Tabelle|Quartine", "Radicali", "qradmenu", nullptr, formazione(2, 2)},
    {"&Tabelle|Quartine", "Bicifriche", "qbicmenu", nullptr, formazione(2, 3)},
    {"&Tabelle|Quartine", "Cifra Complementare", "cifcommenu", nullptr, formazione(2, 4)},
    {"&Tabelle|Quartine", "Numero Raddoppiato", "numradmenu", nullptr, formazione(2, 5)},
    {"&Tabelle", nullptr, nullptr, nullptr, nulla},
    {"&Tabelle|Cinquine", "Consecutive", "ccmenu", nullptr, formazione(3, 0)},
    {"&Tabelle|Cinquine", "Dispari", "cdmenu", nullptr, formazione(3, 1)},
    {"&Tabelle|Cinquine", "Pari", "cpmenu", nullptr, formazione(3, 2)},
    {"&Tabelle|Cinquine", "Pentagonali", "pentamenu", nullptr, nulla},
    {"&Tabelle", nullptr, nullptr, nullptr, nulla},
    {"&Tabelle|Sestine", "Somma 273", "ssduesettetremenu", nullptr, formazione(4, 0)},
    {"&Tabelle|Sestine", "Cifra composta", "sccmenu", nullptr, formazione(4, 1)},
    {"&Tabelle|Sestine", "Tricifriche", "stricmenu", nullptr, formazione(4, 2)},
    {"&Tabelle|Sestine", "Circolari", "scmenu", nullptr, formazione(4, 3)},
    {"&Tabelle|Sestine", "Passo Multiplo", "smultimenu", nullptr, formazione(4, 4)},
    {"&Tabelle|Sestine", "Consecutive", "sconsmnu", nullptr, formazione(4, 5)},
    {"&Tabelle|Sestine", "Esagonali", "sesagmenu", nullptr, formazione(4, 6)},
    {"&Tabelle|Sestine", "Distanza 45", "sdistmenu", nullptr, formazione(4, 7)},
    {"&Tabelle", nullptr, nullptr, nullptr, nulla},
    {"&Tabelle|Lunghette", "Decine naturali", "decmenu", nullptr, formazione(5, 0)},
    {"&Tabelle|Lunghette", "Decine Simmetriche", "dsmenu", nullptr, formazione(5, 1)},
    {"&Tabelle|Lunghette", "Cadenze", "cadmenu", nullptr, formazione(5, 2)},
    {"&Tabelle|Lunghette", "Figure", "figmenu", nullptr, formazione(5, 3)},
    {"&Tabelle|Lunghette", "Controfigure", "ctfgmenu", nullptr, formazione(5, 4)},
    {"&Tabelle|Lunghette", "Lunghe A Base Gemellare", "Labgmenu", nullptr, formazione(5, 5)},
    {"&Tabelle|Lunghette", "Cifra Pura", "lcpmenu", nullptr, formazione(5, 6)},
    {"&Tabelle|Lunghette", "Cifra Impura", "cimenu", nullptr, formazione(5, 7)},

    {"&Utility", "Gestore Pronostici", "pronomenu", nullptr, finestra(nomi::pronostici)},
    {"&Utility", "Progressioni", "progress_menu", nullptr, finestra(nomi::progress)},
    {"&Utility", "Glossario", "glomenu", nullptr, comando("glomenu")},
    {"&Utility", "Tabelle Statistiche", "combmenu", nullptr, finestra(nomi::combinazioni)},
    {"&Utility|Vincite", "Tabella Vincite", "tabvinmenu", nullptr, finestra(nomi::vincite)},
    {"&Utility|Vincite", "Calcolo Vincite", "calcvincmenu", nullptr, finestra(nomi::calcvinc)},

    {OPZ, "Attiva Ambi", "attambi_menu", "Ctrl+A", comando("attambi_menu")},
    {OPZ, "Attiva Terni", "attterni_menu", "Ctrl+T", comando("attterni_menu")},
    {OPZ "|Sfondo", "Carica sfondo...", "menucaricasf", nullptr, comando("menucaricasf")},
    {OPZ "|Sfondo", nullptr, nullptr, nullptr, nulla},
    {OPZ "|Sfondo", "Visualizza sfondo", "sfondomenu", "Ctrl+S", comando("sfondomenu"), spuntabile},
    {OPZ "|Barre dei pulsanti", "Standard", "barramenu1", nullptr, comando("barramenu1"),
     spuntabile},
    {OPZ "|Barre dei pulsanti", "Funzioni", "barramenu2", nullptr, comando("barramenu2"),
     spuntabile},
    {OPZ "|Output di Stampa", "Stampante", "stampantemenu", nullptr, comando("stampantemenu"),
     spuntabile, "output"},
    {OPZ "|Output di Stampa", "File", "stfilemenu", nullptr, comando("stfilemenu"), spuntabile,
     "output"},
    {OPZ "|Output di Stampa", nullptr, nullptr, nullptr, nulla},
    {OPZ "|Output di Stampa|Dimensione carattere", "5", "f5menu", nullptr, comando("f5menu"),
     spuntabile, "dimensione"},
    {OPZ "|Output di Stampa|Dimensione carattere", "6", "f6menu", nullptr, comando("f6menu"),
     spuntabile, "dimensione"},
    {OPZ "|Output di Stampa|Dimensione carattere", "7", "f7menu", nullptr, comando("f7menu"),
     spuntabile, "dimensione"},
    {OPZ "|Output di Stampa|Dimensione carattere", "8", "f8menu", nullptr, comando("f8menu"),
     spuntabile, "dimensione"},
    {OPZ "|Output di Stampa|Dimensione carattere", "9", "f9menu", nullptr, comando("f9menu"),
     spuntabile, "dimensione"},
    {OPZ "|Output di Stampa|Dimensione carattere", "10", "f10menu", nullptr, comando("f10menu"),
     spuntabile, "dimensione"},
    {OPZ, nullptr, nullptr, nullptr, nulla},
    {OPZ, "Impostazione estremi dell'archivio", "inifinmenu", nullptr, finestra(nomi::estremi)},
    {OPZ "|Inizio estrazioni", "1871", "opz1871", nullptr, comando("opz1871"), spuntabile},
    {OPZ "|Inizio estrazioni", "1939", "opz1939", nullptr, comando("opz1939"), spuntabile},
    {OPZ "|Inizio estrazioni", "1945", "opz1945", nullptr, comando("opz1945"), spuntabile},
    {OPZ "|Estrazioni alterne", "Tutte", "tuttemenu", nullptr, comando("tuttemenu"), spuntabile,
     "alterne"},
    {OPZ "|Estrazioni alterne", "Solo sabato", "sabatomenu", nullptr, comando("sabatomenu"),
     spuntabile, "alterne"},
    {OPZ "|Estrazioni alterne", "Solo mercoledi", "solomercoledimenu", nullptr,
     comando("solomercoledimenu"), spuntabile, "alterne"},
    {OPZ, nullptr, nullptr, nullptr, nulla},
    {OPZ, "Configurazione", "configmenu", nullptr, finestra(nomi::cfgform)},

    {"Fi&nestra", "Sovrapponi", "mnuWCascade", nullptr, comando("mnuWCascade")},
    {"Fi&nestra", "Disponi icone", "mnuWArrange", nullptr, comando("mnuWArrange")},

    {"&Help", "Guida di Bolv...", "guidamenu", nullptr, comando("guidamenu")},
    {"&Help", "Indice...", "indexmenu", nullptr, comando("indexmenu")},
    {"&Help", nullptr, nullptr, nullptr, nulla},
    {"&Help", "About", "Aboutmenu", nullptr, finestra(nomi::about)},

    {"menunumero", "titolomenu", "titolomenu", nullptr, nulla},
    {"menunumero", "ritmenu", "ritmenu", nullptr, nulla},
    {"menunumero", "stomenu", "stomenu", nullptr, nulla},
    {"menunumero", "premenu", "premenu", nullptr, nulla},
    {"menuricerca", "Ricerca Statistica", "ricstatmenu", nullptr, comando("ricstatmenu")},
};

#undef AMBI
#undef OPZ

const Pulsante separatore{nullptr, nullptr, nullptr, nulla};

const Pulsante standard[] = {
    {"archivio", "Lettura Archivio", nullptr, finestra(nomi::archivio2)},
    {"archesteso", "Archivio In Visualizzazione Estesa", nullptr, finestra(nomi::archesteso)},
    {"insfondo", "Inserimento Estrazioni", nullptr, comando("insfondo")},
    {"info", "Informazioni sull'archivio", "dialog-information", finestra(nomi::info)},
    {"estremi", "Impostazione Estremi", nullptr, finestra(nomi::estremi)},
    {"insint", "Inserimento Intermedio", nullptr, comando("insint")},
    {"incolla", "Incolla Estrazione", "edit-paste", comando("incolla")},
    separatore,
    {"creab", "Crea Backup", "document-save", comando("cbmenu")},
    {"ripristinab", "Ripristina Backup", "document-open", comando("rbmenu")},
    {"esporta", "Esporta Archivio", "document-save-as", comando("esportamenu")},
    separatore,
    {"tabelleest", "Tabella Ambate", nullptr, finestra(nomi::estratti)},
    {"tutti", "Tutti i 4005 ambi", nullptr, comando("tutti")},
    {"tabelle", "Tabelle Combinazioni Omogenee", nullptr, formazione(0, 0)},
    separatore,
    {"glossario", "Glossario", nullptr, comando("glomenu")},
    {"statistiche", "Tabelle Statistiche", nullptr, finestra(nomi::combinazioni)},
    {"vincite", "Tabella Vincite", nullptr, finestra(nomi::vincite)},
    {"calcolo", "Calcolo Vincite", nullptr, finestra(nomi::calcvinc)},
    {"sfondo", "Carica sfondo", nullptr, comando("menucaricasf")},
    {"config", "Configurazione", nullptr, finestra(nomi::cfgform)},
    separatore,
    {"attivaa", "Attiva la sorte di ambo", nullptr, comando("attambi_menu")},
    {"attivat", "Attiva la sorte di terno", nullptr, comando("attterni_menu")},
    {"ini1871", "Imposta l'inizio al 1871", nullptr, comando("opz1871")},
    {"ini1939", "Imposta l'inizio al 1939", nullptr, comando("opz1939")},
    {"ini1945", "Imposta l'inizio al 1945", nullptr, comando("opz1945")},
    separatore,
    {"help", "Guida di Bolv", "help-contents", comando("guidamenu")},
};

const Pulsante funzioni[] = {
    {"situ", "Situazione Estrazionale", nullptr, finestra(nomi::situ)},
    {"ricerca", "Ricerca Statistica", nullptr, finestra(nomi::ricerca)},
    {"estrazionale", "Ricerca Estrazionale", nullptr, finestra(nomi::estrazionale)},
    {"classifica", "Classifica Ritardi e Presenze", nullptr, finestra(nomi::massimi), disattivata},
    {"capogioco", "Capogioco", nullptr, finestra(nomi::capogioco)},
    {"simulazione", "Simulazione Estrazioni", nullptr, finestra(nomi::simul)},
    {"processore", "Processore Metodi", nullptr, nulla},
    {"progressioni", "Progressioni", nullptr, finestra(nomi::progress)},
    {"super", "Super EnaBolv", nullptr, finestra(nomi::superena)},
    {"tvergini", "Terni Vergini", nullptr, finestra(nomi::terni), disattivata},
    {"sincro", "Sincronismi", nullptr, finestra(nomi::sincro)},
    {"prono", "Gestore Pronostici", nullptr, finestra(nomi::pronostici)},
    {"sistemi", "Generatore Sistemi", nullptr, finestra(nomi::sistemi)},
    {"stampa", "Stampa Schedina", "document-print", finestra(nomi::stampa)},
};

// The menu entries of standard actions carry their picture too (the toolbar's where there
// is one).
const Iconavoce iconevoci[] = {
    {"cbmenu", "creab", "document-save"},
    {"rbmenu", "ripristinab", "document-open"},
    {"esportamenu", "esporta", "document-save-as"},
    {"stampamenu", "stampa", "document-print"},
    {"escmenu", "esci", "application-exit"},
    {"copiamenu", "copia", "edit-copy"},
    {"incollamenu", "incolla", "edit-paste"},
    {"infarcmenu", "info", "dialog-information"},
    {"configmenu", "config", nullptr},
    {"guidamenu", "help", "help-contents"},
    {"Aboutmenu", "info", "help-about"},
};

} // namespace

std::span<const Iconavoce> iconemenu() {
    return iconevoci;
}

std::span<const Menuprincipale> menuprincipali() {
    return menu;
}
std::span<const Vocemenu> vocimenu() {
    return voci;
}
std::span<const Pulsante> pulsantistandard() {
    return standard;
}
std::span<const Pulsante> pulsantifunzioni() {
    return funzioni;
}

} // namespace bolv
