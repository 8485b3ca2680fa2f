#pragma once

#include <ostream>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace strumenti {

inline constexpr int uscita_riuscita = 0;
inline constexpr int uscita_file = 1;  // a file is missing, unreadable or malformed, or the picture not written
inline constexpr int uscita_uso = 2;   // the command line is wrong

// esamina_scenario CARTELLA BASE TRENO [--json] [--svg FILE] [--html FILE] [--confronta ...], `argomenti`
// without the program's name. The dump or the JSON goes to `out`, the
// picture to FILE, failures to `err`; returns the exit status.
int esegui_esamina(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& out,
                   std::ostream& err);

}  // namespace strumenti
