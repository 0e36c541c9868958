// The forecast-group file (".pro"): 100 slots of three texts (wheels, numbers,
// sorti), written as 300 length-prefixed records, the slot varying fastest:
// the 100 wheel texts, then the 100 number texts, then the 100 sorti texts.
// Each record is a little-endian 16-bit length and that many bytes, nothing
// else: no header, no count, no terminator. Plain C++, no Qt.
//
// The forecast manager and the ranking window both write this file, and the
// manager reads it back. The reader takes nothing on trust: a file that ends
// inside its 300 records, or whose texts are not forecasts, is refused whole,
// so a damaged or foreign file never reaches a window half-read.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace bolv {

constexpr int MAXPRONOSTICI = 100; // forecasts in a group
constexpr int MAXNUMERIPRONOSTICO = 10;

// One forecast: "Ba.Na.Ro", "05.12.33", "A.T".
struct Pronostico {
    std::string ruote;
    std::string numeri;
    std::string sorti;
    bool operator==(const Pronostico&) const = default;
};

// Two-letter wheel codes "Ba" .. "Ve" (wheel w at w - 1) and the sorte
// letters "M", "A", "T", "Q", "C" (sorte s at s - 1).
extern const char* const CODICIRUOTE[10];
extern const char CODICISORTI[5];

// Whether the three texts are a forecast this system writes: 1 to 10 distinct
// wheel codes, 1 to 10 distinct two-digit numbers 01..90, 1 to 5 distinct
// sorte letters, each sorte needing at least as many numbers as its order,
// every item separated by one ".".
bool pronosticovalido(const Pronostico& p);

// The file image of a group of at most 100 forecasts, in slot order. A larger
// group, or a text longer than a record can say, throws std::length_error:
// the callers never build one.
std::vector<uint8_t> codificagruppo(const std::vector<Pronostico>& gruppo);

// The forecasts of a file image, in slot order; nullopt when the image ends
// before its 300th record, a slot holds a forecast after an empty slot, an
// empty slot holds numbers or sorti, or a forecast is not pronosticovalido.
// Bytes after the 300th record are ignored.
std::optional<std::vector<Pronostico>> decodificagruppo(std::span<const uint8_t> immagine);

// Writes the group through a temporary file renamed over path: false, and any
// old file kept, on failure or for a group codificagruppo refuses.
bool scrivigruppo(const std::string& path, const std::vector<Pronostico>& gruppo);
// Reads a group file: nullopt when it cannot be read, is not a regular file (a FIFO is
// refused at once, never waited on) or decodificagruppo refuses it.
std::optional<std::vector<Pronostico>> leggigruppo(const std::string& path);

} // namespace bolv
