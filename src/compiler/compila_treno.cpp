#include <cstdint>
#include <string>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"
#include "compiler/parole_chiave.h"

namespace compilatore::lettura {
namespace {

using testo_scenario::contiene;
using testo_scenario::lettore_voci;

void salta_a_generale(lettore_voci& l) {
  while (!l.alla_fine()) {
    if (contiene(l.leggi_testo(), "[generale]")) return;
  }
}

seguito massa_frenata(contesto& c, lettore_voci& l, const std::string&) {
  return leggi_in(l, c.m.tabella[formato::voce_lunghezza].inizio);
}

seguito vetture(contesto& c, lettore_voci& l, const std::string&) {
  return leggi_in(l, c.m.tabella[formato::voce_lunghezza].progressiva);
}

seguito limite_velocita(contesto& c, lettore_voci& l, const std::string& chiave) {
  return voce_elenco(c, l, c.velocita, chiave);
}

seguito aderenza(contesto& c, lettore_voci& l, const std::string& chiave) {
  return voce_elenco(c, l, c.aderenze, chiave);
}

seguito orologio(contesto& c, lettore_voci& l, const std::string&) {
  voce& v = c.m.tabella[formato::voce_ripetizione];
  return leggi_in(l, v.gruppo_b1, v.gruppo_b2, v.gruppo_b3);
}

seguito sabbia(contesto& c, lettore_voci& l, const std::string&) { return leggi_in(l, c.m.tabella[formato::voce_ripetizione].gruppo_a1); }

seguito segnale(contesto& c, lettore_voci& l, const std::string&) {
  std::int32_t v[11];
  for (auto& valore : v) valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, v[0], 100)) return fuori_griglia(c, v[0]);
  const std::int32_t codice = memo_segnale(c.m, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
  if (codice != 0) return ferma(c, codice, v[0]);
  ++c.m.n_segnali;
  return seguito::prosegui;
}

seguito rallentamento(contesto& c, lettore_voci& l, const std::string&) {
  std::int32_t v[6];
  for (auto& valore : v) valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, v[0], 100)) return fuori_griglia(c, v[0]);
  const std::int32_t codice = memo_rallentamento(c.m, v[0], v[1], v[2], v[3], v[4], v[5]);
  if (codice != 0) return ferma(c, codice, v[0]);
  // Placed, so both cells lie inside the grid.
  c.m.rallentamenti.push_back({static_cast<std::int32_t>(cella_inizio_rallentamento(v[0])),
                               static_cast<std::int32_t>(cella_avviso_rallentamento(v[0])),
                               {c.in_file, c.voce_chiave.riga, c.voce_chiave.colonna},
                               v[0],
                               v[1],
                               v[2]});
  return seguito::prosegui;
}

seguito abbattimento(contesto& c, lettore_voci& l, const std::string&) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t w = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t i = indice_cella(p / 50.0);
  if (i < 0) return ferma(c, errore::posizione_negativa, p);
  cella& cl = cella_in(c.m, i);
  if (!libera(cl)) return ferma(c, errore::abbattimento_su_cella_occupata, p);
  if (w < 1) {
    cl.evento = evento::abbattimento_senza_valore;
  } else {
    cl.evento = evento::abbattimento;
    cl.dato1 = bassi_16(w);
  }
  return seguito::prosegui;
}

// The service file's records, tested in this order on every keyword item.
constexpr parola_chiave chiavi_treno[] = {
    {{"percentuale massa frenata"}, {"frenata", "massa"}, massa_frenata},
    {{"numero vetture"}, {"vetture"}, vetture},
    {{"velocita"}, {"velocit"}, limite_velocita},
    {{"aderenza"}, {"aderenza"}, aderenza},
    {{"orologio"}, {"orologio"}, orologio},
    {{"sabbia"}, {"sabbia"}, sabbia},
    {{"segnale"}, {"segnale"}, segnale},
    {{"rallentamento"}, {"rallentamento"}, rallentamento},
    {{"abbattimento"}, {"abbattimento"}, abbattimento},
    {{"stazione"}, {"stazione"}, memorizza_stazione},
};

// Returns false when an error ends the parse; error 15 only ends the loop.
bool voci(contesto& c, lettore_voci& l) {
  std::string chiave;
  while (chiave_record(c, l, chiave)) {
    avverti_se_sconosciuta(c, chiavi_treno, chiave);
    const seguito esito = leggi_record(chiavi_treno, c, l, chiave);
    annota_riservati(c);
    if (esito == seguito::fine_file) avverti_record_perso(c, chiave);
    if (esito == seguito::fermati) return false;
    if (esito == seguito::fuori_griglia || esito == seguito::fine_file) break;
  }
  return true;
}

bool multiplo_di_50(std::int32_t valore) { return valore % 50 == 0; }

void completa_treno(contesto& c) {
  elimina_descrizione(c, c.file.treno);
  const std::int64_t ultima = std::int64_t{c.m.n_celle} - 2;
  riempi_elenco(c.m, c.velocita, ultima);
  riempi_elenco(c.m, c.aderenze, ultima);
  for (int i = formato::voce_progressiva_tre; i <= formato::voce_progressiva_uno; ++i) {
    const voce& v = c.m.tabella[i];
    if (!multiplo_di_50(v.inizio) || !multiplo_di_50(v.fine)) {
      // Found after the file has gone: no record to point at.
      c.errore.codice_errore = errore::progressiva_non_multipla;
      c.errore.origine_errore = {};
    }
  }
}

}  // namespace

void compila_treno(contesto& c) {
  c.in_file = origine::file::treno;
  c.voce_chiave = {};
  const std::string testo = leggi_descrizione(c, c.file.treno);
  lettore_voci l(testo);
  salta_a_generale(l);
  if (!voci(c, l)) return;
  completa_treno(c);
}

}  // namespace compilatore::lettura
