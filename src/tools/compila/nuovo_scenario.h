#pragma once

#include <ostream>

#include "platform/file_system.h"
#include "tools/compila/argomenti.h"

namespace strumento_compila {

// --nuovo: writes the starter scenario's two description files into the
// folder, which is made when missing. Files already there are kept, and
// nothing is written, unless the request says to replace them. Returns the
// tool's exit status; what was written and how to compile it go to `uscita`.
int scrivi_scenario_nuovo(piattaforma::file_system& fs, const scenario_nuovo& n, std::ostream& uscita,
                          std::ostream& errori);

}  // namespace strumento_compila
