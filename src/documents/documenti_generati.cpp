#include "documents/documenti_generati.h"

#include <stdexcept>

#include "documents/generazione.h"
#include "documents/note_generate.h"
#include "documents/rallentamenti_generati.h"
#include "documents/scheda_generata.h"

namespace documenti {

documenti_generati genera_documenti(const compilatore::modello& m, const dati_autore& autore) {
  documenti_generati d;
  avvisi_documenti avvisi;
  try {
    d.scheda = scheda_generata(m, autore, avvisi).contenuto();
    d.rallentamenti = rallentamenti_generati(m, avvisi).contenuto();
    d.note = note_generate(m, autore).contenuto();
  } catch (const errore_documento& e) {
    d.errore = e.what();
  } catch (const std::length_error& e) {
    // A form whose rows or fields do not fit: more rows than the line table holds.
    d.errore = e.what();
  }
  d.avvisi = std::move(avvisi.elenco);
  return d;
}

}  // namespace documenti
