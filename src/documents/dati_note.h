#pragma once

#include <string>

#include "platform/esito.h"
#include "platform/file_system.h"
#include "scenario_text/tabella_righe.h"

namespace documenti {

// The short description of the scenario for the user, 9 lines; two of them
// carry single-byte accented letters.
testo_scenario::tabella_righe righe_dati_note();

piattaforma::esito dati_note(piattaforma::file_system& fs, const std::string& percorso);

}  // namespace documenti
