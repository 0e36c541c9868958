#include "Ambiente.h"

#include "ImmaginiDialoghi.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace cruciverba {

const QList<SostituzioneCarattere>& SostituzioniCaratteri() {
    static const QList<SostituzioneCarattere> tabella = {
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
        {"Courier", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Small Fonts", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    };
    return tabella;
}

void SostituisciCaratteri() {
    for (const SostituzioneCarattere& s : SostituzioniCaratteri())
        QFont::insertSubstitutions(QLatin1String(s.nome), s.sostituti);
}

bool ImpostaItaliano() {
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italiano);
    // One translator for the whole run: Qt reads its texts from it as long as it is installed.
    static QTranslator traduzione;
    if (!traduzione.isEmpty()) return true;
    if (!traduzione.load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&traduzione);
}

QIcon IconaProgramma() {
    QIcon icona(QStringLiteral(":/cruciverba/cruciverba.svg"));
    if (icona.isNull()) icona = QIcon(QPixmap::fromImage(ImmagineProgramma()));
    return icona;
}

void PreparaProgramma(QApplication& app) {
    ImpostaItaliano();
    SostituisciCaratteri();
    app.setWindowIcon(IconaProgramma());
}

} // namespace cruciverba
