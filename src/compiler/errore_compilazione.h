#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/modello.h"
#include "platform/esito.h"

namespace compilatore {

// The error record of a compile: the parse, the post-processing and the
// stamps write it, a later error over an earlier one. It travels beside the
// model, never inside it, so that nothing can write a model without having
// looked at it.
struct errore_compilazione {
  // The number of the last error (0 = none) and its position in metres.
  std::int32_t codice_errore = 0;
  std::int32_t posizione_errore = 0;
  // Where in the description files the error arose, for diagnostics by line.
  origine origine_errore;
  // What the generic error ran into, in words: a value of the wrong kind, or the
  // platform's "<file>: <reason>" for a description file it could not read.
  std::string causa_errore;
  // More words for the author's tool, which the main program does not show:
  // what stood where a value was wanted, what already holds an occupied
  // cell, which of an error's conditions it was.
  std::string dettaglio;
  // A description file the compile could not delete once read: its name and
  // the system's reason. Not an error of the scenario, so it has no number;
  // the compile goes on, and nothing is written from it.
  std::string descrizione_rimasta;

  bool presente() const { return codice_errore != 0 || !descrizione_rimasta.empty(); }
};

// One error of a compile that goes on after errors (opzioni::errori).
struct errore_raccolto {
  errore_compilazione errore;
  // How many warnings the compile had given before it, to show both in the
  // order the compile met them.
  std::size_t avvisi_prima = 0;
  // The error ended the reading: what follows it was not checked.
  bool finale = false;
};

// How a description file that would not go is told: its name, then why.
inline std::string testo_non_eliminato(const piattaforma::esito& e) {
  return e.percorso() + ": impossibile eliminarlo: " + e.ragione();
}

}  // namespace compilatore
