#pragma once

#include <string>

#include "platform/esito.h"
#include "platform/file_system.h"
#include "scenario_text/tabella_righe.h"

namespace documenti {

// The train sheet: two filled pages of the train's timetable along the line
// and two blank pages of the same form, 203 lines.
testo_scenario::tabella_righe righe_dati_scheda();

piattaforma::esito dati_scheda(piattaforma::file_system& fs, const std::string& percorso);

}  // namespace documenti
