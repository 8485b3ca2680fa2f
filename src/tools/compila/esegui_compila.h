#pragma once

#include <ostream>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace strumento_compila {

// Exit statuses of the tool.
inline constexpr int uscita_riuscita = 0;
inline constexpr int uscita_errori = 1;  // errors in the scenario, warnings under --strict, a failed write
inline constexpr int uscita_uso = 2;     // a command line or file names of the wrong form
inline constexpr int uscita_interna = 3;  // a fault of the program itself; the author's files untouched

// The whole tool on the arguments after the program's name: diagnostics go
// to `errori`, the help, the version and the summary to `uscita`. Every file
// goes through `fs`; the author's files are only read.
int esegui_compila(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& uscita,
                   std::ostream& errori);

}  // namespace strumento_compila
