#pragma once

#include <optional>

#include "compiler/errore_compilazione.h"
#include "compiler/modello.h"
#include "compiler/opzioni.h"
#include "platform/file_system.h"

namespace compilatore {

// A model that compiled without error: the only kind the binary files are
// written from. Only a clean compilato makes one; it refers to that
// compilato's model, which must outlive it.
class modello_pulito {
 public:
  const modello& m() const { return m_; }

 private:
  friend struct compilato;
  explicit modello_pulito(const modello& m) : m_(m) {}

  const modello& m_;
};

// What a compile gives: the model as far as it got, and beside it the error
// record. The model is there for diagnostics even when the compile failed.
struct compilato {
  modello m;
  errore_compilazione errore;

  // The model to write out: none unless the compile was clean.
  std::optional<modello_pulito> pulito() const {
    if (errore.presente()) return std::nullopt;
    return modello_pulito(m);
  }
};

// Compiles the two description files into a finished model: clears the table,
// parses both files, completes the grid and stamps the identification codes.
// The outcome is in errore: none, a recorded error of the parse or the
// post-processing, or 1250 / 1251 when the reserved places were taken.
// A failure that is not the input's nor the platform's (a fault of the
// program) is not an outcome: it leaves as an exception, and no description
// file is deleted because of it.
[[nodiscard]] compilato compila(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o);

}  // namespace compilatore
