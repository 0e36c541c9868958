#include "CalcoliCruciverbaStampa.h"

namespace cruciverba {

namespace {

// The layout's running state, shared by the steps of one page.
struct Pagina {
    PrintSurface& stampante;
    int larghezza; // page width
    int x = 0;     // left position
    int y = 10;    // current vertical position
    int altezzaRiga = 0;

    void Carattere(int punti) {
        stampante.setFontSize(punti);
        altezzaRiga = stampante.textHeight("E");
    }
};

void TracciaLinea(Pagina& p, int y) {
    p.stampante.line(0, y, p.larghezza, y);
}

void StampaIntestazione(Pagina& p) {
    p.Carattere(14);
    p.stampante.setFontStyle(FontStyle::Bold);
    p.stampante.textOut(0, p.y, IntestazioneProspetto);
}

void StampaRegola(Pagina& p) {
    p.Carattere(14);
    p.stampante.setFontStyle(FontStyle::Italic);
    p.stampante.textOut(10, p.y, RegolaProspetto);
}

void StampaSchema(Pagina& p, const Griglia& griglia, int righe, int colonne,
                  const std::string& testoSchema) {
    p.stampante.setFontSize(18);
    p.stampante.setFontFace("Courier New");
    p.altezzaRiga = p.stampante.textHeight("E");
    p.stampante.setFontStyle(FontStyle::Bold);
    const int cella = p.stampante.textWidth("E");
    const int lunghezzaTitolo = static_cast<int>(testoSchema.size()) + 11;
    p.x = (p.larghezza - lunghezzaTitolo * cella) / 2;
    p.stampante.textOut(p.x, p.y, "CRUCIVERBA " + testoSchema);
    p.y += 2 * p.altezzaRiga - 8;
    // W two-character numbers with three blanks between them; the trailing blanks of each line
    // lie outside the centred block.
    p.x = (p.larghezza - cella * (5 * colonne - 3)) / 2;
    for (int r = 1; r <= righe; ++r) {
        p.stampante.textOut(p.x, p.y, RigaSchema(griglia, r, colonne));
        p.y += 2 * p.altezzaRiga - 8;
    }
    p.x = 0;
    p.stampante.setFontFace("Arial");
}

void StampaAvvertenze(Pagina& p) {
    p.stampante.setFontStyle(FontStyle::Regular);
    p.Carattere(10);
    p.stampante.textOut(0, p.y, GaranzieProspetto);
    p.stampante.textOut(0, p.y + p.altezzaRiga, LicenzaProspetto);
    p.y += 2 * p.altezzaRiga;
    TracciaLinea(p, p.y);
}

void StampaPiede(Pagina& p) {
    p.Carattere(12);
    p.stampante.setFontStyle(FontStyle::Italic);
    p.stampante.textOut(0, p.y, PiedeProspetto);
}

void StampaPagina(PrintSurface& stampante, const Griglia& griglia, int righe, int colonne,
                  const std::string& testoSchema) {
    Pagina p{stampante, stampante.pageWidth()};
    stampante.setPen(8);
    StampaIntestazione(p);
    p.y += p.altezzaRiga;
    TracciaLinea(p, p.y);
    StampaRegola(p);
    p.y += p.altezzaRiga;
    TracciaLinea(p, p.y);
    p.y += p.altezzaRiga;
    StampaSchema(p, griglia, righe, colonne, testoSchema);
    TracciaLinea(p, p.y);
    StampaAvvertenze(p);
    StampaPiede(p);
}

} // namespace

std::string RigaSchema(const Griglia& griglia, int riga, int colonne) {
    std::string testo;
    for (int c = 1; c <= colonne; ++c) {
        const int32_t x = griglia(riga, c);
        if (x < 10) testo += ' ';
        testo += std::to_string(x) + "   ";
    }
    return testo;
}

bool StampaCruciverba(PrintSurface& stampante, const Griglia& griglia, int righe, int colonne,
                      const std::string& testoSchema) {
    if (!stampante.beginDocument(TitoloProspetto)) return false;
    const int copie = stampante.copies();
    const int prima = stampante.driverMakesCopies() ? copie : 1;
    for (int i = prima; i <= copie; ++i) {
        StampaPagina(stampante, griglia, righe, colonne, testoSchema);
        if (i < copie) stampante.newPage();
    }
    stampante.endDocument();
    return true;
}

} // namespace cruciverba
