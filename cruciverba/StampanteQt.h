#pragma once

// The listing's printer surface on a QPrinter: device pixels of the printable area, fonts in
// points scaled to the printer's resolution, text placed by its top-left corner.

#include "CalcoliCruciverbaStampa.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

namespace cruciverba {

class QtPrintSurface : public PrintSurface {
  public:
    // The printer must outlive the surface. The font persists from one document to the next.
    explicit QtPrintSurface(QPrinter& printer);

    void beginDocument(const std::string& title) override;
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

  private:
    void applyFont();

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
};

} // namespace cruciverba
