#pragma once

#include <cstdint>
#include <string>

#include "compiler/modello.h"
#include "compiler/opzioni.h"
#include "platform/file_system_memoria.h"

namespace misura {

// The two description files of a measured scenario, held in memory.
struct descrizioni {
  std::string linea;
  std::string treno;
};

// Length 0 is the embedded scenario (152 km); any other is a generated line
// of that many km.
const descrizioni& descrizioni_di(std::int64_t km);

// An in-memory folder holding both files, and the options that keep them there
// so the same folder serves every iteration.
struct cartella {
  piattaforma::file_system_memoria fs;
  compilatore::sorgenti file{"misura/linea.txt", "misura/treno-.txt"};
  compilatore::opzioni o{"Ostrale_Fiorna", "40817", 1, false};

  explicit cartella(const descrizioni& d);
};

// The compiled model of a scenario, built once per length.
const compilatore::modello& compilato_di(std::int64_t km);

}  // namespace misura
