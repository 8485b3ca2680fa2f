#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"

namespace compilatore::lettura {
namespace {

using testo_scenario::contiene;
using testo_scenario::lettore_voci;

// The running lists of the service file.
struct stato_treno {
  std::int64_t indice_velocita = 0;
  std::int32_t velocita_precedente = 0;
  std::int64_t indice_aderenza = 0;
  std::int32_t aderenza_precedente = 0;
  std::int32_t n = 1;  // table entry of the next station
  // Where each running list has got to, for the warnings.
  std::optional<std::int32_t> ultima_velocita;
  std::optional<std::int32_t> ultima_aderenza;
};

// The keywords a near miss is compared with: the writer's own.
constexpr std::string_view parole_treno[] = {
    "percentuale massa frenata", "numero vetture", "velocita", "aderenza", "orologio", "sabbia",
    "segnale", "rallentamento", "abbattimento", "stazione"};

// The record tests, shared by the reading and by the check for unknown keywords.
bool e_massa_frenata(const std::string& k) { return contiene(k, "frenata") && contiene(k, "massa"); }
bool e_vetture(const std::string& k) { return contiene(k, "vetture"); }
bool e_velocita(const std::string& k) { return contiene(k, "velocit"); }
bool e_aderenza(const std::string& k) { return contiene(k, "aderenza"); }
bool e_orologio(const std::string& k) { return contiene(k, "orologio"); }
bool e_sabbia(const std::string& k) { return contiene(k, "sabbia"); }
bool e_segnale(const std::string& k) { return contiene(k, "segnale"); }
bool e_rallentamento(const std::string& k) { return contiene(k, "rallentamento"); }
bool e_abbattimento(const std::string& k) { return contiene(k, "abbattimento"); }
bool e_stazione(const std::string& k) { return contiene(k, "stazione"); }

bool nota_treno(const std::string& k) {
  return e_massa_frenata(k) || e_vetture(k) || e_velocita(k) || e_aderenza(k) || e_orologio(k) || e_sabbia(k) ||
         e_segnale(k) || e_rallentamento(k) || e_abbattimento(k) || e_stazione(k);
}

seguito fuori_griglia(contesto& c, std::int32_t p) {
  registra(c, errore::oltre_la_griglia, p);
  return seguito::fuori_griglia;
}

void salta_a_generale(lettore_voci& l) {
  while (!l.alla_fine()) {
    if (contiene(l.leggi_testo(), "[generale]")) return;
  }
}

std::uint8_t velocita_in_celle(std::int32_t velocita) { return converti_byte(velocita / 5.0); }

// Writes the speed in force from the running cell up to the cell before k, at least one cell.
void riempi_velocita(modello& m, stato_treno& s, std::int64_t fino_a) {
  do {
    cella_in(m, s.indice_velocita).vel_limite = velocita_in_celle(s.velocita_precedente);
    ++s.indice_velocita;
  } while (s.indice_velocita < fino_a && s.indice_velocita < m.n_celle);
}

void riempi_aderenza(modello& m, stato_treno& s, std::int64_t fino_a) {
  do {
    cella_in(m, s.indice_aderenza).aderenza = bassi_8(s.aderenza_precedente);
    ++s.indice_aderenza;
  } while (s.indice_aderenza < fino_a);
}

seguito velocita(contesto& c, lettore_voci& l, stato_treno& s, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t v = l.leggi_numero();
  if (troncato(l)) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t k = indice_cella(p / 50.0);
  if (k < 0) return ferma(c, errore::posizione_negativa, p);
  avverti_se_indietro(c, chiave, p, s.ultima_velocita);
  if (k > 0) riempi_velocita(c.m, s, k);
  s.velocita_precedente = v;
  return seguito::prosegui;
}

seguito aderenza(contesto& c, lettore_voci& l, stato_treno& s, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t a = l.leggi_numero();
  if (troncato(l)) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t k = indice_cella(p / 50.0);
  if (k < 0) return ferma(c, errore::posizione_negativa, p);
  avverti_se_indietro(c, chiave, p, s.ultima_aderenza);
  if (k > 0) riempi_aderenza(c.m, s, k);
  s.aderenza_precedente = a;
  return seguito::prosegui;
}

seguito segnale(contesto& c, lettore_voci& l) {
  std::int32_t v[11];
  for (auto& valore : v) valore = l.leggi_numero();
  if (troncato(l)) return seguito::fine_file;
  if (oltre_la_griglia(c.m, v[0], 100)) return fuori_griglia(c, v[0]);
  const std::int32_t codice = memo_segnale(c.m, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
  if (codice != 0) return ferma(c, codice, v[0]);
  ++c.m.n_segnali;
  return seguito::prosegui;
}

seguito rallentamento(contesto& c, lettore_voci& l) {
  std::int32_t v[6];
  for (auto& valore : v) valore = l.leggi_numero();
  if (troncato(l)) return seguito::fine_file;
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

seguito abbattimento(contesto& c, lettore_voci& l) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t w = l.leggi_numero();
  if (troncato(l)) return seguito::fine_file;
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

// A field read whole, stored unless it was the file's last item.
template <typename T>
seguito leggi_campo(lettore_voci& l, T& campo, T (lettore_voci::*leggi)()) {
  const T valore = (l.*leggi)();
  if (troncato(l)) return seguito::fine_file;
  campo = valore;
  return seguito::prosegui;
}

seguito leggi_orologio(lettore_voci& l, voce& v) {
  const std::int16_t ore = l.leggi_corto();
  const std::int16_t minuti = l.leggi_corto();
  const std::int16_t secondi = l.leggi_corto();
  if (troncato(l)) return seguito::fine_file;
  v.gruppo_b1 = ore;
  v.gruppo_b2 = minuti;
  v.gruppo_b3 = secondi;
  return seguito::prosegui;
}

seguito voce_treno(contesto& c, lettore_voci& l, stato_treno& s, const std::string& chiave) {
  auto& t = c.m.tabella;
  seguito esito = seguito::prosegui;
  const auto prosegui = [&] { return esito == seguito::prosegui; };
  if (e_massa_frenata(chiave)) esito = leggi_campo(l, t[84].inizio, &lettore_voci::leggi_numero);
  if (prosegui() && e_vetture(chiave)) esito = leggi_campo(l, t[84].progressiva, &lettore_voci::leggi_numero);
  if (prosegui() && e_velocita(chiave)) esito = velocita(c, l, s, chiave);
  if (prosegui() && e_aderenza(chiave)) esito = aderenza(c, l, s, chiave);
  if (prosegui() && e_orologio(chiave)) esito = leggi_orologio(l, t[86]);
  if (prosegui() && e_sabbia(chiave)) esito = leggi_campo(l, t[86].gruppo_a1, &lettore_voci::leggi_corto);
  if (prosegui() && e_segnale(chiave)) esito = segnale(c, l);
  if (prosegui() && e_rallentamento(chiave)) esito = rallentamento(c, l);
  if (prosegui() && e_abbattimento(chiave)) esito = abbattimento(c, l);
  if (prosegui() && e_stazione(chiave)) esito = memorizza_stazione(c, l, s.n);
  return esito;
}

// Returns false when an error ends the parse; error 15 only ends the loop.
bool voci(contesto& c, lettore_voci& l, stato_treno& s) {
  std::string chiave;
  while (chiave_record(c, l, chiave)) {
    if (!nota_treno(chiave)) avverti_se_sconosciuta(c, chiave, parole_treno);
    const seguito esito = voce_treno(c, l, s, chiave);
    annota_riservati(c);
    if (esito == seguito::fine_file) avverti_record_perso(c, chiave);
    if (esito == seguito::fermati) return false;
    if (esito == seguito::fuori_griglia || esito == seguito::fine_file) break;
  }
  return true;
}

bool multiplo_di_50(std::int32_t valore) { return valore % 50 == 0; }

void completa_treno(contesto& c, stato_treno& s) {
  elimina_descrizione(c, c.file.treno);
  const std::int64_t ultima = std::int64_t{c.m.n_celle} - 2;
  do {
    cella_in(c.m, s.indice_velocita).vel_limite = velocita_in_celle(s.velocita_precedente);
    ++s.indice_velocita;
  } while (s.indice_velocita < ultima);
  riempi_aderenza(c.m, s, ultima);
  for (std::size_t i = 81; i <= 83; ++i) {
    const voce& v = c.m.tabella[i];
    if (!multiplo_di_50(v.inizio) || !multiplo_di_50(v.fine)) {
      // Found after the file has gone: no record to point at.
      c.m.codice_errore = errore::progressiva_non_multipla;
      c.m.origine_errore = {};
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
  stato_treno s;
  if (!voci(c, l, s)) return;
  completa_treno(c, s);
}

}  // namespace compilatore::lettura
