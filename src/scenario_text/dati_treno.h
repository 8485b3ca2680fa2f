#pragma once

#include <string>

#include "platform/esito.h"
#include "platform/file_system.h"
#include "scenario_text/tabella_righe.h"

namespace testo_scenario {

// The service description of the embedded scenario: 134 fixed lines, from
// "[generale]" to "[fine]", the station names taken from nomi_scenario.h.
tabella_righe righe_dati_treno();

// Writes the service description to `percorso`, replacing any older file whole.
piattaforma::esito dati_treno(piattaforma::file_system& fs, const std::string& percorso);

}  // namespace testo_scenario
