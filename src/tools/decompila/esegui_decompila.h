#pragma once

#include <ostream>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace decompila {

inline constexpr int uscita_riuscita = 0;
inline constexpr int uscita_anomalie = 1;  // something not reproduced, or a file not read or written
inline constexpr int uscita_uso = 2;
inline constexpr int uscita_interna = 3;  // a fault of the program itself

// The whole tool on the arguments after the program's name: the summary
// goes to `uscita`, faults and notices to `errori`, every file through `fs`.
int esegui_decompila(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& uscita,
                     std::ostream& errori);

}  // namespace decompila
