#include <cstdint>
#include <string>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"

namespace compilatore::lettura {
namespace {

using genere = avviso::genere;

void avverti_se_troncato(contesto& c, const std::string& chiave, const elenco_corrente& e, std::int32_t valore) {
  if (!c.avvisi() || e.come_letto == nullptr) return;
  const std::int32_t letto = e.come_letto(valore);
  if (letto == valore) return;
  avverti(c, genere::valore_troncato, al_valore(c, 1),
          citazione(chiave) + ": " + e.descrivi(valore) + " non entra nel campo (" + e.intervallo +
              ") e viene memorizzata come " + std::to_string(letto));
}

}  // namespace

void riempi_elenco(modello& m, elenco_corrente& e, std::int64_t fino_a) {
  do {
    cella_in(m, e.indice).*e.campo = e.in_cella(e.in_vigore);
    ++e.indice;
  } while (e.indice < fino_a);
}

void riempi_elenco(contesto& c, elenco_corrente& e, std::int64_t fino_a) {
  // A value that cannot be stored fails here, at the next entry or at the
  // end of the file, but it is its own entry's error.
  c.valore_in_esame = e.origine_in_vigore;
  try {
    riempi_elenco(c.m, e, fino_a);
  } catch (const guasto& g) {
    if (c.o.errori == nullptr) throw;
    // As if the entry were absent: the value before it holds on.
    c.o.errori->push_back({{errore::generico, c.errore.posizione_errore, e.origine_in_vigore, g.what(), {}, {}},
                           c.avvisi() ? c.o.avvisi->size() : 0,
                           false});
    e.in_vigore = e.in_vigore_prima;
    e.origine_in_vigore = e.origine_prima;
    riempi_elenco(c.m, e, fino_a);
  }
  c.valore_in_esame.reset();
}

seguito voce_elenco(contesto& c, testo_scenario::lettore_voci& l, elenco_corrente& e, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  // Passed, k is at most n_celle - 2: only a list that keeps going back can
  // push its fill past the grid, one cell per entry, and cella_in refuses that.
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t k = indice_cella(p / 50.0);
  if (k < 0) return ferma_al_valore(c, errore::posizione_negativa, p, 0);
  ++e.voci_lette;
  avverti_se_troncato(c, chiave, e, valore);
  avverti_se_oltre(c, chiave, p);
  const bool fuori_ordine = indietro(e, p);
  if (k > 0) riempi_elenco(c, e, k);
  completa_avviso_sospeso(c, e, false);
  if (fuori_ordine) avverti_indietro(c, chiave, p, e, valore);
  e.in_vigore_prima = e.in_vigore;
  e.origine_prima = e.origine_in_vigore;
  e.in_vigore = valore;
  e.origine_in_vigore = al_valore(c, 1);
  return seguito::prosegui;
}

}  // namespace compilatore::lettura
