#pragma once

#include <string>

#include "compiler/compilatore.h"
#include "platform/file_system.h"

namespace compilatore {

// Where the compiled scenario goes.
struct file_binari {
  std::string tracciato;  // written only when the model has a geometry
  std::string tabella;
  std::string celle;
};

// Prepares the geometry (when built), the table and the cell grid, in that
// order, as temporary files in `s`, renamed only when `s` is confirmed;
// stops at the first failure. Only a clean compile gives a model to write.
piattaforma::esito prepara_compilato(piattaforma::sostituzioni& s, const file_binari& file,
                                     const modello_pulito& pulito);

// Writes the three files together: all replaced, or, on a failure, none.
piattaforma::esito scrivi_compilato(piattaforma::file_system& fs, const file_binari& file,
                                    const modello_pulito& pulito);

}  // namespace compilatore
