#pragma once

#include <optional>
#include <string>

#include "compiler/errore_compilazione.h"

// A scenario of the handbook compiled twice, in memory: by the compiler, for
// the error number and position genera_scenario would show, and by
// compila_scenario --check, for the exit status and what the author reads.
namespace documentazione {

struct esito_esempio {
  compilatore::errore_compilazione errore;
  int stato = 0;
  std::string diagnostica;
};

// `linea` missing means the folder has no line file.
esito_esempio compila_esempio(const std::optional<std::string>& linea, const std::string& treno);

// The starter scenario the handbook's excerpts are added to.
const std::string& linea_base();
const std::string& treno_base();

}  // namespace documentazione
