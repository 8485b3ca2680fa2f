#pragma once

#include <string>
#include <vector>

#include "compiler/modello.h"
#include "documents/documenti_generati.h"
#include "platform/file_system.h"
#include "tools/compila/compilazione_autore.h"

namespace strumento_compila {

struct documenti_autore {
  bool riusciti = false;
  documenti::documenti_generati documenti;
};

// The three crew documents of the compiled scenario `m`, with what the author
// filled in in BASE_CODICE_documenti.txt in `cartella`, when that file is
// there. Warnings and errors are added to `diagnostiche`: a line of that file
// that cannot be read by file, line and column.
documenti_autore prepara_documenti(piattaforma::file_system& fs, const std::string& cartella,
                                   const compilatore::modello& m, std::vector<diagnostico>& diagnostiche);

}  // namespace strumento_compila
