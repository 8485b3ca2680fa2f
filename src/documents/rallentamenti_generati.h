#pragma once

#include "compiler/modello.h"
#include "documents/generazione.h"
#include "scenario_text/tabella_righe.h"

namespace documenti {

// The slowdown order of a compiled scenario: one row for each slowdown of
// the service description, in its order, with the stations it lies between,
// the kilometre post passed before its start, its speed and its length.
testo_scenario::tabella_righe rallentamenti_generati(const compilatore::modello& m, avvisi_documenti& avvisi);

}  // namespace documenti
