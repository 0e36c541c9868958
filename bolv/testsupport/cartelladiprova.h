// A program folder for the window tests: a temporary folder holding copies of the shipped
// data files, which a test may remove, cut or change.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace prova {

inline const QStringList filedati = {"bolv.cfg", "archivio.dat", "tab.dat", "vincite.dat"};

class Cartelladiprova {
  public:
    Cartelladiprova() {
        for (const QString& nome : filedati)
            QFile::copy(QStringLiteral(BOLV_DATA_DIR "/") + nome, percorso(nome));
    }
    QString percorso(const QString& nome = {}) const { return cartella.filePath(nome); }
    QString radice() const { return cartella.path(); }

    QByteArray leggi(const QString& nome) const {
        QFile f(percorso(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool scrivi(const QString& nome, const QByteArray& dati) const {
        QFile f(percorso(nome));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dati) == dati.size();
    }
    // Every file of the folder with its bytes, to tell that nothing was written.
    QMap<QString, QByteArray> contenuto() const {
        QMap<QString, QByteArray> tutto;
        for (const QString& nome : QDir(radice()).entryList(QDir::Files))
            tutto[nome] = leggi(nome);
        return tutto;
    }

  private:
    QTemporaryDir cartella;
};

} // namespace prova
