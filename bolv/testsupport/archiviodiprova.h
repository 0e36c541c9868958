// What the tests of the option commands and of their dialogs share: a program folder
// holding a small archive, the program state pointed at it, and a recorder of what the
// engine asks of the screen.
#pragma once

#include "cartelladiprova.h"
#include "provafinestre.h"

#include "archivio.h"
#include "avvio.h"
#include "bolvmain.h"
#include "elabora.h"
#include "nomifinestre.h"
#include "stato.h"

#include "windowregistry.h"

#include <QAction>
#include <QByteArray>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

namespace prova {

// Counts the recomputations (each drops the pair and triple tables first) and keeps the
// messages and wait-window texts.
struct Registratore : bolv::Interfaccia {
    int ricalcoli = 0;
    int aggiornamenti = 0;
    std::vector<std::string> avvisi, attese;
    void disattivaambiterni() override { ++ricalcoli; }
    void aggiornastato() override { ++aggiornamenti; }
    void avviso(const std::string& testo) override { avvisi.push_back(testo); }
    void mostramessaggio(const std::string& testo) override { attese.push_back(testo); }
};

inline void metti(std::vector<uint8_t>& img, int d, int r, int p, int valore) {
    img[bolv::indicearchivio(d, r, p)] = static_cast<uint8_t>(valore);
}

// Saturday draws from 1 January 1938, a Wednesday and a Saturday draw every week from
// 1940 to the end of 1946; five distinct numbers on every wheel. Or only the first draws.
inline std::vector<uint8_t> immaginediprova(int quante = bolv::NUMSLOT) {
    std::vector<uint8_t> img(bolv::DIMARCHIVIO, 0);
    uint32_t seme = 1717;
    int d = 0;
    const auto estrai = [&](const bolv::Data& data) {
        ++d;
        metti(img, d, 0, 1, data.giorno);
        metti(img, d, 0, 2, data.mese);
        metti(img, d, 0, 3, data.anno % 100);
        metti(img, d, 0, 4, data.anno / 100);
        for (int w = 1; w <= 10; ++w) {
            bool usato[91] = {};
            for (int p = 1; p <= 5; ++p) {
                int n;
                do {
                    seme = seme * 1103515245u + 12345u;
                    n = static_cast<int>((seme >> 16) % 90) + 1;
                } while (usato[n]);
                usato[n] = true;
                metti(img, d, w, p, n);
            }
        }
    };
    for (int g = 1;; g += 7) { // Saturdays from 1 January 1938
        const bolv::Data sabato = bolv::Data::normalizzata(1938, 1, g);
        if (sabato.anno > 1946) break;
        if (sabato.anno >= 1940 && d < quante) estrai(bolv::Data::normalizzata(1938, 1, g - 3));
        if (d < quante) estrai(sabato);
    }
    return img;
}

inline std::vector<uint8_t> byte(const QByteArray& dati) {
    return {dati.begin(), dati.end()};
}
inline QByteArray dati(const std::vector<uint8_t>& byte) {
    return QByteArray(reinterpret_cast<const char*>(byte.data()), qsizetype(byte.size()));
}

// The shipped data files in a folder of their own, with the test archive in place of the
// shipped one, and a fresh program state over it. Windows tests start the program on it
// (avviaprogramma); the plain tests read and compute it as start-up would.
struct Programmadiprova {
    Cartelladiprova cartella;
    Registratore registro;
    std::vector<uint8_t> archivio;

    explicit Programmadiprova(std::vector<uint8_t> immagine = immaginediprova())
        : archivio(std::move(immagine)) {
        cartella.scrivi(QStringLiteral("archivio.dat"), dati(archivio));
        bolv::Stato& s = bolv::programma();
        s = bolv::Stato();
        s.cartellaprogramma = cartella.radice().toStdString();
        s.ui = &registro;
        s.avvioincorso = true;
        bolv::elabora(s);
        s.avvioincorso = false;
        registro = Registratore();
    }
    ~Programmadiprova() { bolv::programma() = bolv::Stato(); }

    QString percorso(const QString& nome) const { return cartella.percorso(nome); }
    bool archiviointatto() const {
        return byte(cartella.leggi(QStringLiteral("archivio.dat"))) == archivio;
    }
};

// The program started on the test archive. Unless told otherwise an entry window
// stand-in is defined first, so the insertion entries are there to be chosen.
struct Avviato {
    Programmadiprova p;
    QTemporaryDir blocchi;
    std::unique_ptr<bolv::Bolvavviato> programma;

    explicit Avviato(bool inserimento = true) {
        if (inserimento)
            platform::registry().define(QString::fromLatin1(bolv::nomi::inserimento),
                                        [] { return new QWidget; });
        programma = bolv::avvia(bolv::programma(), {p.cartella.radice(), blocchi.path()});
    }
    bolv::bolvmain& m() const { return programma->principale(); }
    QAction* voce(const char* nome) const { return m().voce(QString::fromLatin1(nome)); }
    bool aperta(const char* finestra) const {
        return platform::registry().isOpen(QString::fromLatin1(finestra));
    }
};

} // namespace prova
