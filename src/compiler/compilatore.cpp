#include "compiler/compilatore.h"

#include <algorithm>

#include "compiler/codici_gara.h"
#include "compiler/errori.h"
#include "compiler/memorizza_dati.h"
#include "compiler/post_elaborazione.h"

namespace compilatore {

namespace {

// A compile that goes on after errors does not complete a parse that had to
// stop: its points and stamps would only repeat what stopped it.
bool lettura_interrotta(const opzioni& o) {
  return o.errori != nullptr &&
         std::any_of(o.errori->begin(), o.errori->end(), [](const errore_raccolto& r) { return r.finale; });
}

}  // namespace

compilato compila(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o) {
  compilato c;
  c.m.calcola_tracciato = o.calcola_tracciato;
  c.m.svuota_tabella();
  memorizza_dati(fs, file, o, c.m, c.errore);
  // A parse that stopped before the line length leaves no grid to complete.
  if (!c.m.ha_griglia() || lettura_interrotta(o)) return c;
  const std::size_t avvisi = o.avvisi != nullptr ? o.avvisi->size() : 0;
  post_elabora(c.m, c.errore, o.errori, avvisi);
  const std::int32_t timbro = timbra_codici(c.m);
  if (timbro != 0) {
    c.errore.codice_errore = timbro;
    c.errore.origine_errore = c.m.origine_riservati;
    if (o.errori != nullptr) {
      errore_compilazione proprio;
      proprio.codice_errore = timbro;
      proprio.origine_errore = c.m.origine_riservati;
      o.errori->push_back({proprio, avvisi, false});
    }
  }
  return c;
}

}  // namespace compilatore
