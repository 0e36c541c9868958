#pragma once

// The printed listing of a scheme, the one-page "Prospetto Cruciverba": header, rule of the game,
// the scheme in a large fixed-pitch face, two notices and the ordering footer, separated by
// full-width rules. The layout is computed here against PrintSurface, a small printer interface
// (text at positions, fonts, lines, page metrics, copies); the program prints through a QPrinter
// behind it and the tests read a recording one.

#include "CalcoliCruciverba.h"

#include <string>

namespace cruciverba {

enum class FontStyle { Regular, Bold, Italic };

// A printer page in device units, origin at the top left. Font settings persist on the surface
// from one document to the next, as a printer's do.
class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    // False when the printer cannot start the document (no printer, a file that cannot be
    // written): then nothing is printed and the document needs no end.
    virtual bool beginDocument(const std::string& title) = 0;
    virtual void endDocument() = 0;
    virtual void newPage() = 0;
    virtual int copies() const = 0;
    virtual bool driverMakesCopies() const = 0; // one pass prints every copy
    virtual int pageWidth() const = 0;          // printable width in device pixels

    virtual void setFontSize(int points) = 0;
    virtual void setFontFace(const std::string& face) = 0;
    virtual void setFontStyle(FontStyle style) = 0;
    // Black, solid pen of the given width for lines; text is drawn on a clear background.
    virtual void setPen(int width) = 0;

    virtual int textWidth(const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;
    // Text with its top-left corner at (x, y); texts are UTF-8.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};

inline constexpr const char* TitoloProspetto = "Prospetto Cruciverba";
inline constexpr const char* IntestazioneProspetto =
    "CRUCIVERBA v. 1.0 - 2026 - progetto cruciverba";
inline constexpr const char* RegolaProspetto =
    "SI VINCE AL SUPER ENALOTTO IN ORIZZONTALE ED IN VERTICALE";
inline constexpr const char* GaranzieProspetto =
    "Le garanzie sono valide se tutte le condizioni sono rispettate.Il giocatore è l'unico "
    "responsabile della correttezza della giocata.";
inline constexpr const char* LicenzaProspetto =
    "Vale, inoltre, quanto specificato nella licenza d'uso del programma e nella finestra "
    "\"Chi siamo ?\"";
inline constexpr const char* PiedeProspetto =
    "Ricevitorie: i prodotti del progetto cruciverba si ordinano dalla finestra \"Chi siamo ?\" "
    "del programma.";

// Prints the grid's rows 1..righe and columns 1..colonne under the title "CRUCIVERBA " +
// testoSchema (the chosen item of the size list, for example "6 x 7 = 39.200 Lire"). One pass
// when the driver makes the copies, else one page per copy in the same document. False when the
// printer could not start the document.
bool StampaCruciverba(PrintSurface& stampante, const Griglia& griglia, int righe, int colonne,
                      const std::string& testoSchema);

// One printed row of the scheme: every number padded to two characters, each followed by three
// blanks.
std::string RigaSchema(const Griglia& griglia, int riga, int colonne);

} // namespace cruciverba
