#pragma once

#include <ostream>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace strumento_impacchetta {

inline constexpr int uscita_riuscita = 0;
inline constexpr int uscita_errori = 1;  // a scenario that does not compile, a missing file, a failed write
inline constexpr int uscita_uso = 2;     // a command line of the wrong form

// The name of the runner an installer is built on, in `cartella_programmi`:
// installatore_scenario, or installatore_scenario.exe for Windows.
inline constexpr const char* nome_installatore = "installatore_scenario";

// The whole tool on the arguments after the program's name. The runners are
// looked for in `cartella_programmi`, the tool's own folder. Diagnostics go
// to `errori`, the help, the version and what was written to `uscita`.
int esegui_impacchetta(std::span<const std::string> argomenti, piattaforma::file_system& fs,
                       const std::string& cartella_programmi, std::ostream& uscita, std::ostream& errori);

}  // namespace strumento_impacchetta
