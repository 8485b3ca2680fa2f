#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "driver/sorgente_scenario.h"
#include "platform/piattaforma.h"

namespace guida {

inline constexpr std::string_view titolo_programma = "genera_scenario";
inline constexpr std::string_view messaggio_attesa = "Attendere";

// Exit statuses of the run.
inline constexpr int uscita_riuscita = 0;
inline constexpr int uscita_errore = 1;          // a compile error or a failure of the platform
inline constexpr int uscita_errore_interno = 3;  // a fault of the program itself

// The whole run (the window's load handler): takes the scenario from
// `sorgente`, writes the description files and the crew documents, compiles
// the scenario and writes the binary files, in the program's directory.
// Returns the process's exit status; every failure has been shown through the
// message box first.
int esegui(piattaforma::sistema& sistema, sorgente_scenario& sorgente);

// The run of genera_scenario, on its embedded scenario.
int esegui(piattaforma::sistema& sistema);

// The report of a compile error: " Errore n. " and the number, then the
// position where the error has one, then its description, one per line.
std::string testo_errore(std::int32_t numero, std::int32_t posizione);

// The report of a fault of the program: this, then what it ran into.
inline constexpr std::string_view inizio_errore_interno = "Errore interno del programma: ";
std::string testo_errore_interno(std::string_view causa);

}  // namespace guida
