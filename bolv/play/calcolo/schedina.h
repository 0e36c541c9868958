// The paper Lotto slip as the printer marks it.
//
// Every box of the slip has a place on a print grid of 31 columns by 13 rows: the numbers
// ten to a row in rows 1..9, the wheels in column 11, the "Sistemi" boxes in row 11, the
// "Giocate multiple" boxes in row 13 and the stake boxes in columns 12..31 of rows 1..6.
// A print is one round mark per marked box, centred on its grid place shifted by the
// user's offsets. Positions are in twips from the top left of the printable area.
#pragma once

#include "stato.h"

#include <vector>

namespace bolv {

enum class Gruppocaselle {
    numeri,   // 0..89: the number i + 1
    ruote,    // 0..9: Bari .. Venezia; 10: all wheels
    sistemi,  // 0..9
    multiple, // 0..9: "Giocate multiple"
    importi,  // 0..119: stake row r 1..6, column c 1..20 at 20 (r - 1) + (c - 1)
};

struct Casella {
    Gruppocaselle gruppo;
    int indice;
};

struct Posizionestampa {
    int colonna; // 1..31
    int riga;    // 1..13
    bool operator==(const Posizionestampa&) const = default;
};

struct Segno {
    int x, y; // the centre
    bool operator==(const Segno&) const = default;
};

constexpr int COLONNESCHEDINA = 31;
constexpr int RIGHESCHEDINA = 13;
constexpr int PASSORIGA = 240;  // between two rows of the print grid
constexpr int RAGGIOSEGNO = 60; // of a mark
constexpr int PASSOOFFSET = 10; // one press of "+" or "-"
// The slots of "bolv.cfg" that keep the offsets.
constexpr int SLOTORIZZONTALE = 6;
constexpr int SLOTVERTICALE = 7;

Posizionestampa posizionecasella(Casella c);
// Where column c prints before the horizontal offset.
int ascissa(int colonna);

// The offsets within which every mark stays whole on the smaller of an A4 and a Letter
// page: a mark pushed past the edge would be lost, and sums beyond 16 bits impossible.
struct Limitioffset {
    int minimo, massimo;
    int limita(int v) const { return v < minimo ? minimo : v > massimo ? massimo : v; }
};
extern const Limitioffset LIMITIORIZZONTALE;
extern const Limitioffset LIMITIVERTICALE;

// The marks of the boxes marked, row by row of the print grid and left to right within a
// row, each box once however often it is listed; the offsets are brought within their
// limits first.
std::vector<Segno> segnischedina(const std::vector<Casella>& marcate, int orizzontale,
                                 int verticale);

// "Salva": the two offsets into slots 6 and 7 of "bolv.cfg", every other byte of the file
// as it is on disk (the memory image stands in only for a file that cannot be read), and
// into the configuration held. False, with nothing changed, when the file cannot be
// written.
bool salvaoffset(Stato& s, int orizzontale, int verticale);

} // namespace bolv
