#include "compiler/scrivi_binari.h"

#include "formato/scrivi_binari.h"

namespace compilatore {

piattaforma::esito scrivi_compilato(piattaforma::file_system& fs, const file_binari& file,
                                    const modello_pulito& pulito) {
  const modello& m = pulito.m();
  if (m.calcola_tracciato && m.punti.esiste()) {
    formato::pezzi_tracciato pezzi(m.punti);
    const auto esito = piattaforma::sostituisci_file(fs, file.tracciato, pezzi);
    if (!esito.riuscito()) return esito;
  }
  const auto esito = piattaforma::sostituisci_file(fs, file.tabella, formato::contenuto_tabella(m.tabella));
  if (!esito.riuscito()) return esito;
  return piattaforma::sostituisci_file(fs, file.celle, formato::contenuto_celle(m.celle));
}

}  // namespace compilatore
