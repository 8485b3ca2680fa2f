#pragma once

#include <string>

#include "platform/esito.h"
#include "platform/file_system.h"
#include "scenario_text/tabella_righe.h"

namespace testo_scenario {

// The line description of the embedded scenario: 122 fixed lines, from
// "[generale]" to "[fine]".
tabella_righe righe_dati_linea();

// Writes the line description to `percorso`, replacing any older file whole.
piattaforma::esito dati_linea(piattaforma::file_system& fs, const std::string& percorso);

}  // namespace testo_scenario
