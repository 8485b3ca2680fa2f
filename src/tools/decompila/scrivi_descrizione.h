#pragma once

#include <string>

#include "tools/decompila/descrizione.h"

namespace decompila {

// The two description files, from "[generale]" to "[fine]", in the sections
// and with the keywords genera_scenario writes; records in line order
// within each section (the boards in the order of their table entries, the
// signals in the order their approach codes need).
std::string testo_linea(const descrizione_linea& d);
std::string testo_treno(const descrizione_treno& d);

}  // namespace decompila
