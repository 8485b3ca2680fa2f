#pragma once

#include "compiler/modello.h"
#include "documents/dati_autore.h"
#include "documents/generazione.h"
#include "scenario_text/tabella_righe.h"

namespace documenti {

// The train sheet of a compiled scenario in the embedded sheet's form. Its
// rows run from the origin to the destination: the stations with their times,
// the kilometre boards, and the changes of the speed limit, each with its
// chainage; the speed columns carry the limit where it changes, and on the
// first row. The header's class, braked mass and classification come from the
// model and from what the author filled in.
testo_scenario::tabella_righe scheda_generata(const compilatore::modello& m, const dati_autore& autore,
                                              avvisi_documenti& avvisi);

// The place a board's text names on the sheet: its parenthesised pieces
// without the blanks that pad them, joined by a blank, a chainage piece
// "Km 345+557" written "Km 345.557", and dropped when the board says more.
std::string luogo_cartello(std::string_view testo);

// "hh.mm" of a time of day in seconds.
std::string ora_stampata(std::int32_t secondi);

}  // namespace documenti
