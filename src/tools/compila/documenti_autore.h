#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "compiler/modello.h"
#include "documents/documenti_generati.h"
#include "platform/file_system.h"

namespace strumento_compila {

struct documenti_autore {
  bool riusciti = false;
  documenti::documenti_generati documenti;
  std::size_t avvisi = 0;
};

// The three crew documents of the compiled scenario `m`, with what the author
// filled in in BASE_CODICE_documenti.txt in `cartella`, when that file is
// there. Warnings and errors go to `errori` as `programma` shows them: a line
// of that file that cannot be read by file, line and column.
documenti_autore prepara_documenti(piattaforma::file_system& fs, const std::string& cartella,
                                   const compilatore::modello& m, std::string_view programma, std::ostream& errori);

}  // namespace strumento_compila
