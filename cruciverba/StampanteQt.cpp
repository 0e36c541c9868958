#include "StampanteQt.h"

#include <QFontMetrics>
#include <QPen>

namespace cruciverba {

QtPrintSurface::QtPrintSurface(QPrinter& printer) : printer_(printer) {}

void QtPrintSurface::beginDocument(const std::string& title) {
    printer_.setDocName(QString::fromStdString(title));
    painter_.begin(&printer_);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setBrush(Qt::NoBrush);
    applyFont();
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

void QtPrintSurface::textOut(int x, int y, const std::string& text) {
    painter_.drawText(x, y + QFontMetrics(font_, &printer_).ascent(), QString::fromStdString(text));
}

void QtPrintSurface::line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void QtPrintSurface::applyFont() {
    if (painter_.isActive()) painter_.setFont(font_);
}

} // namespace cruciverba
