#pragma once

#include "compiler/modello.h"
#include "documents/dati_autore.h"
#include "scenario_text/tabella_righe.h"

namespace documenti {

// The notes sheet in the embedded one's form: "Simulazione del treno ..."
// with the class, the train code and the route, then the author's lines of
// description, the greeting, and the signature, contact, timetable edition and
// last line where the author gave them.
testo_scenario::tabella_righe note_generate(const compilatore::modello& m, const dati_autore& autore);

}  // namespace documenti
