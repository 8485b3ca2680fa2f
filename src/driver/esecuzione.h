#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "driver/sorgente_scenario.h"
#include "platform/piattaforma.h"

namespace guida {

inline constexpr std::string_view titolo_programma = "genera_scenario";
inline constexpr std::string_view messaggio_attesa = "Attendere";

// The whole run (the window's load handler): takes the scenario from
// `sorgente`, writes the description files and the crew documents, compiles
// the scenario and writes the binary files, in the program's directory.
// Returns the process's exit status: 0 on success, 1 after a failure has been
// shown through the message box.
int esegui(piattaforma::sistema& sistema, sorgente_scenario& sorgente);

// The run of genera_scenario, on its embedded scenario.
int esegui(piattaforma::sistema& sistema);

// The report of a compile error: " Errore n. " and the number, then the
// position where the error has one, then its description, one per line.
std::string testo_errore(std::int32_t numero, std::int32_t posizione);

}  // namespace guida
