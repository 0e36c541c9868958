#include "desktop.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

const QList<FontMapping>& fontMappings() {
    // Liberation has the advance widths of Arial, Courier New and Times New Roman, so a
    // line laid out for those faces keeps its length. The old bitmap faces have no
    // metric twin; Liberation Sans is the closest in width.
    static const QList<FontMapping> mappings = {
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")}},
        {QStringLiteral("Courier"), {QStringLiteral("Liberation Mono")}},
        {QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")}},
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Small Fonts"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
    };
    return mappings;
}

bool setUpDesktop() {
    QLocale::setDefault(programLocale);
    for (const FontMapping& m : fontMappings())
        QFont::insertSubstitutions(m.family, m.substitutes);
    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool loaded =
        translator->load(programLocale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return loaded;
}

} // namespace platform
