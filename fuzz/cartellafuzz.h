// What every fuzz target of Bolv's readers shares: a scratch program folder for
// the run, and a way to put the input there as a data file.
#pragma once

#include "stato.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// A folder of its own under the system's temporary folder, removed at exit.
const std::string& cartella();

// Writes the input as the file nome of that folder.
void metti(const std::string& nome, const uint8_t* dati, size_t quanti);

// A state whose data files are in cartella(), with a screen that shows nothing.
bolv::Stato& stato();

// Ends the run as a crash, so that libFuzzer keeps the input that broke a property.
[[noreturn]] void violata(const char* proprieta);

} // namespace fuzz
