// Binomial coefficients, win probabilities and typed number lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bolv {

// C(n, k) exactly in 64 bits.
int64_t numcombinazioni(int n, int k);
double probabilita(int n, int k);
double ciclicita(int n, int k);

// How many characters of testo are separators, once for each character of
// separatori that they are: the fields of dividistringa less one when no
// character is in separatori twice (every caller passes ".").
size_t contaseparatori(const std::string& testo, const std::string& separatori);
// Fields of testo split at any separator character; campi[0] is field 1.
std::vector<std::string> dividistringa(const std::string& testo, const std::string& separatori);

} // namespace bolv
