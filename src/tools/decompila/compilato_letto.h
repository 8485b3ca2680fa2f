#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "formato/nomi_file.h"
#include "formato/strutture.h"
#include "platform/file_system.h"
#include "tools/decompila/anomalie.h"

namespace decompila {

// The three compiled files of a scenario, each read on its own: a missing or
// damaged file leaves its part empty and the others are still used.
struct compilato_letto {
  formato::nomi_file nomi;
  // The names the files are known by, which a compile of the description takes.
  std::string nome_base;
  std::string codice_treno;
  std::optional<std::array<formato::voce, formato::voci_tabella>> tabella;
  std::optional<std::vector<formato::cella>> celle;
  std::optional<formato::tracciato> punti;
  // No geometry file at all: the scenario was compiled without one.
  bool senza_tracciato = false;
};

// Reads the files named by `nomi`. A file that is missing (the geometry
// excepted), unreadable or malformed is a fault, named with the reader's
// byte offset and what was expected there.
compilato_letto leggi_compilato(piattaforma::file_system& fs, const std::string& cartella, const std::string& nome_base,
                                const std::string& codice_treno, anomalie& a);

}  // namespace decompila
