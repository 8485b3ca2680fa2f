#include "compiler/scrivi_binari.h"

#include "formato/scrivi_binari.h"

namespace compilatore {

piattaforma::esito prepara_compilato(piattaforma::sostituzioni& s, const file_binari& file,
                                     const modello_pulito& pulito) {
  const modello& m = pulito.m();
  if (m.calcola_tracciato && m.punti.esiste()) {
    formato::pezzi_tracciato pezzi(m.punti);
    const auto esito = s.prepara(file.tracciato, pezzi);
    if (!esito.riuscito()) return esito;
  }
  const auto esito = s.prepara(file.tabella, formato::contenuto_tabella(m.tabella));
  if (!esito.riuscito()) return esito;
  return s.prepara(file.celle, formato::contenuto_celle(m.celle));
}

piattaforma::esito scrivi_compilato(piattaforma::file_system& fs, const file_binari& file,
                                    const modello_pulito& pulito) {
  piattaforma::sostituzioni s(fs);
  const auto preparati = prepara_compilato(s, file, pulito);
  return preparati.riuscito() ? s.conferma() : preparati;
}

}  // namespace compilatore
