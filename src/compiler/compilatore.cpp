#include "compiler/compilatore.h"

#include "compiler/codici_gara.h"
#include "compiler/errori.h"
#include "compiler/memorizza_dati.h"
#include "compiler/post_elaborazione.h"

namespace compilatore {

compilato compila(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o) {
  compilato c;
  c.m.calcola_tracciato = o.calcola_tracciato;
  c.m.svuota_tabella();
  memorizza_dati(fs, file, o, c.m, c.errore);
  // A parse that stopped before the line length leaves no grid to complete.
  if (!c.m.ha_griglia()) return c;
  post_elabora(c.m, c.errore);
  const std::int32_t timbro = timbra_codici(c.m);
  if (timbro != 0) {
    c.errore.codice_errore = timbro;
    c.errore.origine_errore = c.m.origine_riservati;
  }
  return c;
}

}  // namespace compilatore
