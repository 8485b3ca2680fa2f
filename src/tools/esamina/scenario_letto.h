#pragma once

#include <array>
#include <vector>

#include "compiler/modello.h"
#include "driver/nomi_file.h"
#include "platform/file_system.h"

namespace strumenti {

// A compiled scenario as found on disk. The geometry is optional: a scenario
// compiled without it has no geometry file.
struct scenario_letto {
  std::array<compilatore::voce, compilatore::voci_tabella> tabella{};
  std::vector<compilatore::cella> celle;
  compilatore::tracciato punti;
  bool con_tracciato = false;
};

// Reads the table, the cell grid and, when present, the geometry named by `nomi`.
piattaforma::esito carica_scenario(piattaforma::file_system& fs, const guida::nomi_file& nomi, scenario_letto& letto);

}  // namespace strumenti
