#include "compiler/compilatore.h"

#include "compiler/codici_gara.h"
#include "compiler/errori.h"
#include "compiler/memorizza_dati.h"
#include "compiler/post_elaborazione.h"

namespace compilatore {

modello compila(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o) {
  modello m;
  m.calcola_tracciato = o.calcola_tracciato;
  m.codice_errore = errore::nessuno;
  m.svuota_tabella();
  memorizza_dati(fs, file, o, m);
  // A parse that stopped before the line length leaves no grid to complete.
  if (!m.ha_griglia()) return m;
  post_elabora(m);
  const std::int32_t timbro = timbra_codici(m);
  if (timbro != 0) {
    m.codice_errore = timbro;
    m.origine_errore = m.origine_riservati;
  }
  return m;
}

}  // namespace compilatore
