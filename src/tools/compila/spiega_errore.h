#pragma once

#include <ostream>
#include <string>

namespace strumento_compila {

// --spiega: the catalogue's entry for the error number `numero` (as written
// on the command line) on `uscita`; exit status 0, or 2 with the numbers
// that exist on `errori` when it is not one of them.
int spiega_errore(const std::string& numero, std::ostream& uscita, std::ostream& errori);

}  // namespace strumento_compila
