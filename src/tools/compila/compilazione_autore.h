#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "compiler/avvisi.h"
#include "compiler/compilatore.h"
#include "platform/file_system.h"

namespace strumento_compila {

// An author's scenario to compile: the two description files as named on the
// command line, and the names the compiled scenario carries.
struct scenario_autore {
  std::string linea;
  std::string treno;
  std::string nome_base;
  std::string codice_treno;
  bool calcola_tracciato = true;
};

struct compilazione_autore {
  compilatore::compilato esito;
  std::size_t avvisi = 0;
  bool riuscita() const { return esito.pulito().has_value(); }
  const compilatore::modello& m() const { return esito.m; }
};

// Compiles the author's files, which are only read, and shows every warning
// and the error, if any, on `errori` by file, line and column.
compilazione_autore compila_autore(piattaforma::file_system& fs, const scenario_autore& s, std::ostream& errori);

}  // namespace strumento_compila
