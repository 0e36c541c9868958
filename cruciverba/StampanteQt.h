#pragma once

// The listing's printer surface on a QPrinter: device pixels of the printable area, fonts in
// points scaled to the printer's resolution, text placed by its top-left corner. And how the
// program reaches a printer: the print dialog where printers are installed, a PDF file where
// none is.

#include "CalcoliCruciverbaStampa.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <functional>

class QPrintDialog;
class QWidget;

namespace cruciverba {

class QtPrintSurface : public PrintSurface {
  public:
    // The printer must outlive the surface. The font persists from one document to the next.
    explicit QtPrintSurface(QPrinter& printer);

    bool beginDocument(const std::string& title) override;
    void endDocument() override;
    void newPage() override;
    int copies() const override;
    bool driverMakesCopies() const override;
    int pageWidth() const override;
    void setFontSize(int points) override;
    void setFontFace(const std::string& face) override;
    void setFontStyle(FontStyle style) override;
    void setPen(int width) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;
    void textOut(int x, int y, const std::string& text) override;
    void line(int x1, int y1, int x2, int y2) override;

    // The font a text at x is drawn in: the current font, or, when the text (its trailing
    // blanks aside) would run past the printable width, the same face shrunk until it fits. A
    // text laid out left of the printable area (x below 0) is drawn from its edge.
    QFont fontFor(int x, const std::string& text) const;

  private:
    void applyFont();

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
};

// What choosing a printer asks of the desktop; the tests replace it so that no dialog opens.
struct ScelteStampante {
    std::function<bool()> stampantiInstallate;
    // Runs the print dialog; true when the user confirmed it.
    std::function<bool(QPrintDialog&)> dialogoStampa;
    // The PDF file to print to, or empty when the user cancelled.
    std::function<QString(QWidget*)> filePdf;
};

// The desktop's printers, Qt's print dialog and a file dialog for the PDF.
ScelteStampante ScelteDelDesktop();

// Prepares the printer for one listing. With printers installed, the print dialog, which also
// offers printing to a PDF file; with none, the listing goes to a PDF file chosen in a file
// dialog. False when the user cancelled.
bool ScegliStampante(QPrinter& printer, QWidget* parent, const ScelteStampante& scelte);

} // namespace cruciverba
