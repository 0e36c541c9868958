#include "StampanteQt.h"

#include "DialoghiComuni.h"

#include <QDir>
#include <QFontMetrics>
#include <QPen>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace cruciverba {

// The canvas's initial face is the platform's default face of the windows, until the listing
// sets its own.
QtPrintSurface::QtPrintSurface(QPrinter& printer)
    : printer_(printer), font_(QStringLiteral("MS Sans Serif")) {}

bool QtPrintSurface::beginDocument(const std::string& title) {
    printer_.setDocName(QString::fromStdString(title));
    if (!painter_.begin(&printer_)) return false;
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setBrush(Qt::NoBrush);
    applyFont();
    return true;
}

void QtPrintSurface::endDocument() {
    painter_.end();
}

void QtPrintSurface::newPage() {
    printer_.newPage();
}

int QtPrintSurface::copies() const {
    return printer_.copyCount();
}

bool QtPrintSurface::driverMakesCopies() const {
    return printer_.supportsMultipleCopies();
}

int QtPrintSurface::pageWidth() const {
    return printer_.width();
}

void QtPrintSurface::setFontSize(int points) {
    font_.setPointSize(points);
    applyFont();
}

// The faces the listing asks for may be missing here; the style hint keeps a fixed-pitch
// fallback for the scheme, so its columns stay aligned.
void QtPrintSurface::setFontFace(const std::string& face) {
    font_.setFamily(QString::fromStdString(face));
    const bool fisso = face == "Courier New";
    font_.setStyleHint(fisso ? QFont::TypeWriter : QFont::SansSerif);
    font_.setFixedPitch(fisso);
    applyFont();
}

void QtPrintSurface::setFontStyle(FontStyle style) {
    font_.setBold(style == FontStyle::Bold);
    font_.setItalic(style == FontStyle::Italic);
    applyFont();
}

void QtPrintSurface::setPen(int width) {
    painter_.setPen(QPen(Qt::black, width, Qt::SolidLine));
}

int QtPrintSurface::textWidth(const std::string& text) {
    return QFontMetrics(font_, &printer_).horizontalAdvance(QString::fromStdString(text));
}

int QtPrintSurface::textHeight(const std::string&) {
    return QFontMetrics(font_, &printer_).height();
}

QFont QtPrintSurface::fontFor(int x, const std::string& text) const {
    QString inchiostro = QString::fromStdString(text);
    while (inchiostro.endsWith(QLatin1Char(' ')))
        inchiostro.chop(1);
    QFont adatto = font_;
    const int spazio = pageWidth() - qMax(0, x);
    while (adatto.pointSizeF() > 1 &&
           QFontMetrics(adatto, &printer_).horizontalAdvance(inchiostro) > spazio)
        adatto.setPointSizeF(adatto.pointSizeF() - 0.5);
    return adatto;
}

// A shrunk line keeps the baseline of the font it was laid out in, so the lines below it stay
// where the layout put them. A line centred on a page narrower than itself starts at the left
// edge of the printable area instead of before it.
void QtPrintSurface::textOut(int x, int y, const std::string& text) {
    painter_.setFont(fontFor(x, text));
    painter_.drawText(qMax(0, x), y + QFontMetrics(font_, &printer_).ascent(),
                      QString::fromStdString(text));
    painter_.setFont(font_);
}

void QtPrintSurface::line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void QtPrintSurface::applyFont() {
    if (painter_.isActive()) painter_.setFont(font_);
}

ScelteStampante ScelteDelDesktop() {
    ScelteStampante scelte;
    scelte.stampantiInstallate = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    scelte.dialogoStampa = [](QPrintDialog& dialogo) {
        return dialogo.exec() == QDialog::Accepted;
    };
    scelte.filePdf = [](QWidget* parent) {
        const QString documenti =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString cartella = QDir(documenti).exists() ? documenti : QDir::homePath();
        return SceltaFileDaSalvare(parent, QStringLiteral("Stampa il cruciverba su un file PDF"),
                                   QDir(cartella).filePath(QStringLiteral("cruciverba.pdf")),
                                   QStringLiteral("File PDF (*.pdf)"), QStringLiteral("pdf"));
    };
    return scelte;
}

bool ScegliStampante(QPrinter& printer, QWidget* parent, const ScelteStampante& scelte) {
    if (!scelte.stampantiInstallate()) {
        const QString file = scelte.filePdf(parent);
        if (file.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }
    QPrintDialog dialogo(&printer, parent);
    // Qt's dialog then lists a PDF file beside the printers.
    dialogo.setOption(QAbstractPrintDialog::PrintToFile, true);
    return scelte.dialogoStampa(dialogo);
}

} // namespace cruciverba
