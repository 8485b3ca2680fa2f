#pragma once

#include <string>
#include <vector>

#include "compiler/modello.h"
#include "documents/dati_autore.h"

namespace documenti {

// The three crew documents of a compiled scenario, as the files' bytes.
struct documenti_generati {
  std::string scheda;
  std::string rallentamenti;
  std::string note;
  // A name from the descriptions cut to fit its column, one line each.
  std::vector<std::string> avvisi;
  // Why the documents cannot be made (a chainage or a value their forms have
  // no room for); empty when they were.
  std::string errore;
};

// `m` must be a model that compiled without error.
documenti_generati genera_documenti(const compilatore::modello& m, const dati_autore& autore);

}  // namespace documenti
