#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "tools/compila/compilazione_autore.h"

namespace strumento_compila {

// Prints the diagnostics as compilers do, each file read once for its lines:
// "FILE:LINE:COLUMN: message", the line and a caret; one of no file as
// "programma: message".
void mostra_diagnostiche(piattaforma::file_system& fs, const std::vector<diagnostico>& diagnostiche,
                         std::string_view programma, std::ostream& uscita);

}  // namespace strumento_compila
