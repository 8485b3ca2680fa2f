#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/avvisi.h"
#include "compiler/errore_compilazione.h"

namespace compilatore {

// The two description files to compile.
struct sorgenti {
  std::string linea;  // line description
  std::string treno;  // service description
};

struct opzioni {
  std::string nome_base;     // copied into entry 85, part of the identification codes
  std::string codice_treno;  // copied into entry 86
  bool calcola_tracciato = true;
  // The main program deletes its intermediate description files as it reads
  // them; an author's own files are never touched.
  bool elimina_descrizioni = true;
  // Where the parser puts its warnings; none are collected without one.
  std::vector<avviso>* avvisi = nullptr;
  // When given, the compile goes on after an error, to find every error in
  // one run: a record that fails is reported here, undone and skipped, so
  // that the model is as if it were absent. The model and the error record
  // of such a compile are for diagnostics only, never to be written; the
  // main program never sets it, and a compile that meets no error builds
  // the same model with it as without it.
  std::vector<errore_raccolto>* errori = nullptr;
};

}  // namespace compilatore
