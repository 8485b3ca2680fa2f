#include <cstdint>
#include <string>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"

namespace compilatore::lettura {

void riempi_elenco(modello& m, elenco_corrente& e, std::int64_t fino_a) {
  do {
    cella_in(m, e.indice).*e.campo = e.in_cella(e.in_vigore);
    ++e.indice;
  } while (e.indice < fino_a);
}

seguito voce_elenco(contesto& c, testo_scenario::lettore_voci& l, elenco_corrente& e, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  // Passed, k is at most n_celle - 2: only a list that keeps going back can
  // push its fill past the grid, one cell per entry, and cella_in refuses that.
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t k = indice_cella(p / 50.0);
  if (k < 0) return ferma(c, errore::posizione_negativa, p);
  avverti_se_indietro(c, chiave, p, e.ultima_posizione);
  if (k > 0) riempi_elenco(c.m, e, k);
  e.in_vigore = valore;
  return seguito::prosegui;
}

}  // namespace compilatore::lettura
