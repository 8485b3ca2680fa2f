#pragma once

#include <string>

#include "platform/esito.h"
#include "platform/file_system.h"
#include "scenario_text/tabella_righe.h"

namespace documenti {

// The slowdown order handed to the driver: the form "Modulo M. 3" with the
// route's two speed restrictions and the legend of special prescriptions, 45 lines.
testo_scenario::tabella_righe righe_dati_rallentamenti();

piattaforma::esito dati_rallentamenti(piattaforma::file_system& fs, const std::string& percorso);

}  // namespace documenti
