#include <cstdint>
#include <string>

#include "compiler/avvisi_lettura.h"
#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"
#include "compiler/parole_chiave.h"

namespace compilatore::lettura {
namespace {

using testo_scenario::contiene;
using testo_scenario::lettore_voci;

bool salta_a_generale(lettore_voci& l) {
  while (!l.alla_fine()) {
    if (contiene(l.leggi_testo(), "[generale]")) return true;
  }
  return false;
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

seguito orologio(contesto& c, lettore_voci& l, const std::string& chiave) {
  voce& v = c.m.tabella[formato::voce_ripetizione];
  const seguito s = leggi_in(l, v.gruppo_b1, v.gruppo_b2, v.gruppo_b3);
  if (s == seguito::prosegui) avverti_se_orario_non_valido(c, chiave, v.gruppo_b1, v.gruppo_b2, v.gruppo_b3);
  return s;
}

seguito sabbia(contesto& c, lettore_voci& l, const std::string&) { return leggi_in(l, c.m.tabella[formato::voce_ripetizione].gruppo_a1); }

seguito segnale(contesto& c, lettore_voci& l, const std::string& chiave) {
  std::int32_t v[11];
  for (auto& valore : v) valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, v[0], 100)) return fuori_griglia(c, v[0]);
  const std::int64_t i = indice_cella(v[0] / 50.0 + 1);
  const std::int32_t codice = memo_segnale(c.m, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
  if (codice == errore::posizione_negativa) return ferma_al_valore(c, codice, v[0], 0);
  if (codice != 0) return ferma_su_cella(c, codice, v[0], i);
  ++c.m.n_segnali;
  annota_evento(c, i, occupante::tipo::segnale);
  if (c.avvisi()) {
    avverti_se_segnale_troncato(c, chiave,
                                {.sx = v[1],
                                 .s1 = v[2],
                                 .s2 = v[3],
                                 .s3 = v[4],
                                 .rapp = v[5],
                                 .dx = v[6],
                                 .d1 = v[7],
                                 .d2 = v[8],
                                 .d3 = v[9],
                                 .tempo = v[10]},
                                c.m.celle[static_cast<std::size_t>(i)]);
    avverti_se_oltre(c, chiave, v[0]);
  }
  for (std::int32_t k = 1; k <= 4; ++k) annota_preavviso(c, i - 2 * std::int64_t{k}, occupante::tipo::preavviso_segnale);
  return seguito::prosegui;
}

// The cell of a slowdown that an error of memo_rallentamento found taken.
std::int64_t cella_occupata(const modello& m, std::int32_t codice, std::int32_t x, std::int32_t l) {
  switch (codice) {
    case errore::avviso_su_cella_occupata: return cella_avviso_rallentamento(x);
    case errore::inizio_su_cella_occupata: return cella_inizio_rallentamento(x);
    case errore::fine_su_cella_occupata: return cella_fine_rallentamento(x, l);
    case errore::preavviso_su_cella_occupata: {
      const std::int64_t h = cella_prima_avviso(x);
      for (std::int64_t j = 0; j <= 3; ++j) {
        if (!libera(m.celle[static_cast<std::size_t>(h - j)])) return h - j;
      }
      return -1;
    }
    default: return -1;
  }
}

void annota_rallentamento(contesto& c, const std::int32_t (&v)[6]) {
  if (!c.avvisi()) return;
  using tipo = occupante::tipo;
  annota_evento(c, cella_avviso_rallentamento(v[0]), tipo::avviso_rallentamento);
  annota_evento(c, cella_inizio_rallentamento(v[0]), tipo::inizio_rallentamento);
  annota_evento(c, cella_fine_rallentamento(v[0], v[2]), tipo::fine_rallentamento);
  if (v[4] != 0 && cella_avviso_rallentamento(v[0]) >= 0) {
    for (std::int64_t j = 0; j <= 3; ++j) annota_evento(c, cella_prima_avviso(v[0]) - j, tipo::preavviso_rallentamento);
  }
}

seguito rallentamento(contesto& c, lettore_voci& l, const std::string& chiave) {
  std::int32_t v[6];
  for (auto& valore : v) valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, v[0], 100)) return fuori_griglia(c, v[0]);
  const std::int32_t codice = memo_rallentamento(c.m, v[0], v[1], v[2], v[3], v[4], v[5]);
  if (codice == errore::posizione_negativa) return ferma_al_valore(c, codice, v[0], 0);
  if (codice != 0) return ferma_su_cella(c, codice, v[0], cella_occupata(c.m, codice, v[0], v[2]));
  // Placed, so both cells lie inside the grid.
  c.m.rallentamenti.push_back({static_cast<std::int32_t>(cella_inizio_rallentamento(v[0])),
                               static_cast<std::int32_t>(cella_avviso_rallentamento(v[0])),
                               {c.in_file, c.voce_chiave.riga, c.voce_chiave.colonna},
                               v[0],
                               v[1],
                               v[2]});
  annota_rallentamento(c, v);
  avverti_rallentamento(c, chiave, v);
  return seguito::prosegui;
}

seguito abbattimento(contesto& c, lettore_voci& l, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t w = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t i = indice_cella(p / 50.0);
  if (i < 0) return ferma_al_valore(c, errore::posizione_negativa, p, 0);
  cella& cl = cella_in(c.m, i);
  if (!libera(cl)) return ferma_su_cella(c, errore::abbattimento_su_cella_occupata, p, i);
  if (w < 1) {
    cl.evento = evento::abbattimento_senza_valore;
  } else {
    cl.evento = evento::abbattimento;
    cl.dato1 = bassi_16(w);
    avverti_se_corto_troncato(c, chiave, "il valore", w, 1);
  }
  annota_evento(c, i, occupante::tipo::abbattimento);
  avverti_se_oltre(c, chiave, p);
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
  std::string& chiave = c.chiave;
  while (chiave_record(c, l, chiave)) {
    avverti_se_sconosciuta(c, chiavi_treno, chiave);
    const seguito esito = leggi_voce(chiavi_treno, c, l, chiave);
    annota_riservati(c);
    if (esito == seguito::fine_file) avverti_record_perso(c, chiave);
    if (esito == seguito::fermati) return false;
    if (esito == seguito::fuori_griglia || esito == seguito::fine_file) break;
  }
  return true;
}

bool multiplo_di_50(std::int32_t valore) { return valore % 50 == 0; }

// The chainage record, as read, that ended up in entry `v` once put in order:
// its value item when the value is wrong, else its position item.
origine origine_progressiva(const contesto& c, const voce& v) {
  const std::int32_t valore = v.progressiva == 1 ? v.fine - 100 : v.fine;
  for (const progressiva_letta& p : c.progressive_lette) {
    if (p.da.nota() && p.posizione == v.inizio && p.valore == valore) {
      return multiplo_di_50(p.posizione) ? p.da_valore : p.da_posizione;
    }
  }
  return {};
}

void completa_treno(contesto& c) {
  elimina_descrizione(c, c.file.treno);
  const std::int64_t ultima = std::int64_t{c.m.n_celle} - 2;
  riempi_elenco(c, c.velocita, ultima);
  riempi_elenco(c, c.aderenze, ultima);
  completa_avviso_sospeso(c, c.velocita, true);
  completa_avviso_sospeso(c, c.aderenze, true);
  for (int i = formato::voce_progressiva_tre; i <= formato::voce_progressiva_uno; ++i) {
    const voce& v = c.m.tabella[i];
    if (!multiplo_di_50(v.inizio) || !multiplo_di_50(v.fine)) {
      // Found after the file has gone, at the chainage record of the line file.
      if (c.o.errori != nullptr) c.errore = errore_compilazione{};
      c.errore.codice_errore = errore::progressiva_non_multipla;
      c.errore.origine_errore = origine_progressiva(c, v);
      raccogli(c, false);
    }
  }
}

bool leggi_treno(contesto& c, lettore_voci& l) {
  c.generale_treno = salta_a_generale(l);
  if (!voci(c, l)) return false;
  completa_treno(c);
  return true;
}

}  // namespace

void compila_treno(contesto& c) {
  c.in_file = origine::file::treno;
  c.voce_chiave = {};
  const std::string testo = leggi_descrizione(c, c.file.treno);
  lettore_voci l(testo);
  if (!con_lettore(c, l, [&c, &l] { return leggi_treno(c, l); })) return;
  c.letti_per_intero = true;
  if (c.avvisi()) verifica_servizio(c);
}

}  // namespace compilatore::lettura
