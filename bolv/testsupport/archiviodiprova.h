// What the window tests share: a program folder holding a small archive, the program state
// pointed at it with the recorder of supporto.h as its screen, and the program started on it.
#pragma once

#include "cartelladiprova.h"
#include "provafinestre.h"
#include "supporto.h"

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

inline void metti(std::vector<uint8_t>& img, int d, int r, int p, int valore) {
    img[bolv::indicearchivio(d, r, p)] = static_cast<uint8_t>(valore);
}

// Saturday draws from 1 January 1938, a Wednesday and a Saturday draw every week from
// 1940 to the end of 1946; five distinct numbers on every wheel. Or only the first draws.
inline std::vector<uint8_t> immaginediprova(int quante = bolv::NUMSLOT) {
    std::vector<Estrazione> estrazioni;
    uint32_t seme = 1717;
    const auto estrai = [&](const bolv::Data& data) {
        Estrazione e{data, {}};
        for (auto& ruota : e.ruote) {
            bool usato[91] = {};
            for (int& n : ruota) {
                do {
                    seme = seme * 1103515245u + 12345u;
                    n = static_cast<int>((seme >> 16) % 90) + 1;
                } while (usato[n]);
                usato[n] = true;
            }
        }
        estrazioni.push_back(e);
    };
    const auto ancora = [&] { return static_cast<int>(estrazioni.size()) < quante; };
    for (int g = 1;; g += 7) { // Saturdays from 1 January 1938
        const bolv::Data sabato = bolv::Data::normalizzata(1938, 1, g);
        if (sabato.anno > 1946) break;
        if (sabato.anno >= 1940 && ancora()) estrai(bolv::Data::normalizzata(1938, 1, g - 3));
        if (ancora()) estrai(sabato);
    }
    return immagine(estrazioni);
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
