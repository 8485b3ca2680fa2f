#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/avvisi.h"

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
};

}  // namespace compilatore
