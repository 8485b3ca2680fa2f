#pragma once

#include <array>
#include <vector>

#include "formato/nomi_file.h"
#include "formato/strutture.h"
#include "platform/file_system.h"

namespace strumenti {

// A compiled scenario as found on disk. The geometry is optional: a scenario
// compiled without it has no geometry file.
struct scenario_letto {
  std::array<formato::voce, formato::voci_tabella> tabella{};
  std::vector<formato::cella> celle;
  formato::tracciato punti;
  bool con_tracciato = false;
};

// Reads the table, the cell grid and, when present, the geometry named by `nomi`.
piattaforma::esito carica_scenario(piattaforma::file_system& fs, const formato::nomi_file& nomi,
                                   scenario_letto& letto);

}  // namespace strumenti
