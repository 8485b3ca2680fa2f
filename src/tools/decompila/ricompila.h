#pragma once

#include <string>

#include "compiler/compilatore.h"

namespace decompila {

// The two description files as text, and the paths they are written to.
struct testi {
  std::string linea;
  std::string treno;
  std::string percorso_linea;
  std::string percorso_treno;
};

// What compila_scenario makes of the two texts, compiled in memory: the
// base name and the train code give the identification codes.
compilatore::compilato ricompila(const testi& t, const std::string& nome_base, const std::string& codice_treno,
                                 bool con_tracciato);

}  // namespace decompila
