#pragma once

// A printer that records what the listing does with it, with simple metrics: a character is
// 6 x size wide and a line 10 x size high, on a page 4000 units wide. Its font settings persist
// from one document to the next, as a real printer's do.

#include "CalcoliCruciverbaStampa.h"

#include <string>
#include <vector>

struct Operazione {
    enum Tipo { Inizio, Fine, NuovaPagina, Testo, Linea } tipo = Inizio;
    int x = 0, y = 0, x2 = 0, y2 = 0;
    std::string testo;
    int punti = 0;
    std::string faccia;
    cruciverba::FontStyle stile = cruciverba::FontStyle::Regular;
    int penna = 0;
};

class StampanteRegistrata : public cruciverba::PrintSurface {
  public:
    int copie = 1;
    bool copieDelDriver = true;
    bool avvioRiuscito = true; // false: the printer cannot start a document
    std::vector<Operazione> operazioni;

    std::vector<Operazione> Di(Operazione::Tipo tipo) const {
        std::vector<Operazione> scelte;
        for (const Operazione& o : operazioni)
            if (o.tipo == tipo) scelte.push_back(o);
        return scelte;
    }

    bool beginDocument(const std::string& title) override {
        if (!avvioRiuscito) return false;
        Registra(Operazione::Inizio, title);
        return true;
    }
    void endDocument() override { Registra(Operazione::Fine); }
    void newPage() override { Registra(Operazione::NuovaPagina); }
    int copies() const override { return copie; }
    bool driverMakesCopies() const override { return copieDelDriver; }
    int pageWidth() const override { return 4000; }
    void setFontSize(int points) override { punti = points; }
    void setFontFace(const std::string& face) override { faccia = face; }
    void setFontStyle(cruciverba::FontStyle style) override { stile = style; }
    void setPen(int width) override { penna = width; }
    int textWidth(const std::string& text) override {
        return static_cast<int>(text.size()) * 6 * punti;
    }
    int textHeight(const std::string&) override { return 10 * punti; }
    void textOut(int x, int y, const std::string& text) override {
        Registra(Operazione::Testo, text, x, y);
    }
    void line(int x1, int y1, int x2, int y2) override {
        Operazione o;
        o.tipo = Operazione::Linea;
        o.x = x1, o.y = y1, o.x2 = x2, o.y2 = y2;
        o.penna = penna;
        operazioni.push_back(o);
    }

  private:
    void Registra(Operazione::Tipo tipo, const std::string& testo = {}, int x = 0, int y = 0) {
        Operazione o;
        o.tipo = tipo;
        o.x = x, o.y = y;
        o.testo = testo;
        o.punti = punti;
        o.faccia = faccia;
        o.stile = stile;
        operazioni.push_back(o);
    }

    int punti = 0;
    std::string faccia = "iniziale";
    cruciverba::FontStyle stile = cruciverba::FontStyle::Regular;
    int penna = 0;
};
