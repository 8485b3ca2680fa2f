#pragma once

#include "compiler/modello.h"
#include "compiler/opzioni.h"
#include "platform/file_system.h"

namespace compilatore {

// Compiles the two description files into a finished model: clears the table,
// parses both files, completes the grid and stamps the identification codes.
// The outcome is in codice_errore: 0, a recorded error of the parse or the
// post-processing, or 1250 / 1251 when the reserved places were taken. Only a
// model with codice_errore 0 may be written out.
modello compila(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o);

}  // namespace compilatore
