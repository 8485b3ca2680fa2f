#include "compiler/lettura_dati.h"

#include <cstdint>
#include <limits>
#include <new>

#include "compiler/errori.h"
#include "formato/arrotonda.h"

namespace compilatore::lettura {
namespace {

const std::string& file_in_lettura(const contesto& c) {
  return c.in_file == origine::file::linea ? c.file.linea : c.file.treno;
}

// Rounds and range-checks in double, before any conversion that could overflow.
double arrotonda_entro(double valore, double minimo, double massimo) {
  const double r = formato::arrotonda(valore);
  if (!(r >= minimo && r <= massimo)) fuori_dai_limiti();
  return r;
}

piattaforma::esito leggi_intero(contesto& c, const std::string& percorso, std::string& testo) {
  try {
    return c.fs.leggi(percorso, testo);
  } catch (const std::bad_alloc&) {
    // The text is the reader's to hold: a file too large for it is the input's failure.
    throw guasto(percorso + ": file troppo grande per la memoria");
  }
}

}  // namespace

origine qui(const contesto& c) { return {c.in_file, c.voce_chiave.riga, c.voce_chiave.colonna}; }

origine al_valore(const contesto& c, std::size_t indice) {
  if (c.lettore == nullptr) return qui(c);
  const testo_scenario::posizione_testo p = c.lettore->inizio_voce_numero(c.numero_chiave + 1 + indice);
  return {c.in_file, p.riga, p.colonna};
}

void registra(contesto& c, std::int32_t codice) {
  c.errore.codice_errore = codice;
  c.errore.origine_errore = qui(c);
}

void registra(contesto& c, std::int32_t codice, std::int32_t posizione) {
  registra(c, codice);
  c.errore.posizione_errore = posizione;
}

namespace {

// A record whose line ends before its values: the read went on to a later
// line and failed there. The error belongs to the record's line, where the
// values are missing.
void valori_mancanti(contesto& c, const testo_scenario::errore_lettura& e) {
  const testo_scenario::posizione_testo fine = c.lettore->ultima_fine_riga();
  c.errore.origine_errore = qui(c);
  if (fine.riga == c.voce_chiave.riga) c.errore.origine_errore.colonna = fine.colonna;
  std::string& d = c.errore.dettaglio;
  d = "la riga " + std::to_string(c.voce_chiave.riga) + " finisce prima dei valori del record; ";
  d += "il valore seguente, alla riga " + std::to_string(e.dove().riga) + ", e' ";
  d += e.trovato().empty() ? std::string("mancante") : e.trovato();
  if (c.chiave.find('\t') != std::string::npos) {
    d += " (i valori vanno separati da virgole: la voce contiene un tabulatore)";
  }
}

}  // namespace

void registra_generico(contesto& c, const std::exception& causa, const testo_scenario::errore_lettura* lettura) {
  c.errore.codice_errore = errore::generico;
  c.errore.origine_errore = qui(c);
  c.errore.causa_errore = causa.what();
  c.errore.dettaglio.clear();
  if (lettura != nullptr) {
    // A bad item is pinned more precisely by the reader than by its record.
    const bool riga_dopo = c.lettore != nullptr && lettura->dove().riga > c.voce_chiave.riga;
    if (riga_dopo && !lettura->alla_fine()) {
      valori_mancanti(c, *lettura);
    } else {
      c.errore.origine_errore.riga = lettura->dove().riga;
      c.errore.origine_errore.colonna = lettura->dove().colonna;
      if (!lettura->trovato().empty()) c.errore.dettaglio = "trovato " + lettura->trovato();
    }
  } else if (c.valore_in_esame) {
    c.errore.origine_errore = *c.valore_in_esame;
  }
}

void raccogli(contesto& c, bool finale) {
  if (c.o.errori == nullptr) return;
  c.o.errori->push_back({c.errore, c.avvisi() ? c.o.avvisi->size() : 0, finale});
}

void elimina_descrizione(contesto& c, const std::string& percorso) {
  if (!c.o.elimina_descrizioni) return;
  const auto e = c.fs.elimina(percorso);
  // A file already gone is what was wanted. One that stays is no fault of
  // the scenario: said apart from any error of the compile, the first one only.
  if (e.riuscito() || e.mancante() || !c.errore.descrizione_rimasta.empty()) return;
  c.errore.descrizione_rimasta = testo_non_eliminato(e);
}

std::string leggi_descrizione(contesto& c, const std::string& percorso) {
  std::string testo;
  const auto e = leggi_intero(c, percorso, testo);
  if (!e.riuscito()) throw guasto(e.messaggio());  // the platform's own "<file>: <reason>"
  return testo;
}

std::optional<std::string> leggi_se_presente(contesto& c, const std::string& percorso) {
  std::string testo;
  const auto e = leggi_intero(c, percorso, testo);
  if (e.mancante()) return std::nullopt;
  if (!e.riuscito()) throw guasto(e.messaggio());
  return testo;
}

std::string leggi_chiave(contesto& c, testo_scenario::lettore_voci& l) {
  std::string chiave = l.leggi_testo();
  c.voce_chiave = l.inizio_voce();
  c.numero_chiave = l.voci_lette() - 1;
  return chiave;
}

seguito ferma(contesto& c, std::int32_t codice) {
  registra(c, codice);
  elimina_descrizione(c, file_in_lettura(c));
  return seguito::fermati;
}

seguito ferma(contesto& c, std::int32_t codice, std::int32_t posizione) {
  registra(c, codice, posizione);
  elimina_descrizione(c, file_in_lettura(c));
  return seguito::fermati;
}

seguito ferma_al_valore(contesto& c, std::int32_t codice, std::size_t indice) {
  const seguito s = ferma(c, codice);
  c.errore.origine_errore = al_valore(c, indice);
  return s;
}

seguito ferma_al_valore(contesto& c, std::int32_t codice, std::int32_t posizione, std::size_t indice) {
  const seguito s = ferma(c, codice, posizione);
  c.errore.origine_errore = al_valore(c, indice);
  return s;
}

seguito ferma_su_cella(contesto& c, std::int32_t codice, std::int32_t posizione, std::int64_t cella) {
  const seguito s = ferma(c, codice, posizione);
  if (cella >= 0 && static_cast<std::size_t>(cella) < c.m.occupanti.size()) {
    const std::string chi = descrivi_occupante(c, c.m.occupanti[static_cast<std::size_t>(cella)].evento);
    if (!chi.empty()) c.errore.dettaglio = "nella cella " + std::to_string(cella) + " c'e' gia' " + chi;
  }
  return s;
}

bool chiave_record(contesto& c, testo_scenario::lettore_voci& l, std::string& chiave) {
  if (l.alla_fine()) return false;
  chiave = leggi_chiave(c, l);
  for (int volta = 0; volta < 2 && testo_scenario::contiene(chiave, "-"); ++volta) {
    if (l.alla_fine()) return false;
    chiave = leggi_chiave(c, l);
  }
  return !l.alla_fine();
}

void annota_riservati(contesto& c) {
  if (c.m.origine_riservati.nota() || c.m.celle.size() < 2) return;
  const cella& prima = c.m.celle[1];
  if (prima.dato1 != 0 || prima.dato2 != 0) c.m.origine_riservati = qui(c);
}

void dimensiona_griglia(contesto& c, std::int32_t lunghezza) {
  try {
    c.m.dimensiona(lunghezza);
    c.m.occupanti.clear();
    if (c.avvisi()) c.m.occupanti.resize(c.m.celle.size());
  } catch (const std::bad_alloc&) {
    throw guasto("memoria insufficiente per una linea di " + std::to_string(lunghezza) + " m");
  }
}

std::int32_t lunghezza_linea(const modello& m) { return m.tabella[formato::voce_lunghezza].fine; }

void annota_evento(contesto& c, std::int64_t indice, occupante::tipo cosa) {
  if (indice < 0 || static_cast<std::size_t>(indice) >= c.m.occupanti.size()) return;
  c.m.occupanti[static_cast<std::size_t>(indice)].evento = {cosa, qui(c)};
}

void annota_preavviso(contesto& c, std::int64_t indice, occupante::tipo cosa) {
  if (indice < 0 || static_cast<std::size_t>(indice) >= c.m.occupanti.size()) return;
  c.m.occupanti[static_cast<std::size_t>(indice)].preavviso = {cosa, qui(c)};
}

std::string descrivi_occupante(const contesto& c, const occupante& o) {
  using tipo = occupante::tipo;
  const char* cosa = nullptr;
  switch (o.cosa) {
    case tipo::nessuno: return {};
    case tipo::segnale: cosa = "il segnale"; break;
    case tipo::indicatore: cosa = "l'indicatore di velocita'"; break;
    case tipo::cartello: cosa = "il cartello indicatore"; break;
    case tipo::abbattimento: cosa = "l'abbattimento"; break;
    case tipo::avviso_rallentamento: cosa = "l'avviso del rallentamento"; break;
    case tipo::inizio_rallentamento: cosa = "l'inizio del rallentamento"; break;
    case tipo::fine_rallentamento: cosa = "la fine del rallentamento"; break;
    case tipo::preavviso_rallentamento: cosa = "i preavvisi del rallentamento"; break;
    case tipo::fermata: cosa = "la fermata della stazione"; break;
    case tipo::preavviso_segnale: cosa = "i preavvisi del segnale"; break;
    case tipo::preavviso_fermata: cosa = "i preavvisi della stazione"; break;
  }
  std::string testo = std::string(cosa) + " della riga " + std::to_string(o.da.riga);
  if (o.da.in_file != c.in_file) {
    testo += " di " + (o.da.in_file == origine::file::linea ? c.file.linea : c.file.treno);
  }
  return testo;
}

bool oltre_la_griglia(const modello& m, std::int32_t p, std::int32_t margine) {
  return m.n_celle < (static_cast<double>(p) + margine) / 50;
}

seguito fuori_griglia(contesto& c, std::int32_t p) {
  registra(c, errore::oltre_la_griglia, p);
  // Every record's position is its first value.
  c.errore.origine_errore = al_valore(c, 0);
  return seguito::fuori_griglia;
}

std::int64_t indice_cella(double quoziente) { return static_cast<std::int64_t>(formato::arrotonda(quoziente)); }

cella& cella_in(modello& m, std::int64_t indice) {
  if (indice < 0 || indice > m.n_celle || m.celle.empty()) throw guasto("cella fuori dalla griglia");
  const auto i = static_cast<std::size_t>(indice);
  if (m.registro != nullptr) {
    const occupanti_cella chi = i < m.occupanti.size() ? m.occupanti[i] : occupanti_cella{};
    m.registro->voci.push_back({indice, m.celle[i], chi});
  }
  return m.celle[i];
}

void fuori_dai_limiti() { throw guasto("valore convertito fuori dai limiti del campo"); }

std::uint8_t converti_byte(double valore) { return static_cast<std::uint8_t>(arrotonda_entro(valore, 0, 255)); }

std::int32_t converti_numero(double valore) {
  return static_cast<std::int32_t>(arrotonda_entro(valore, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
}

void verifica_testo(const std::string& testo) {
  if (testo.size() > 65535) throw guasto("testo piu' lungo di 65535 caratteri");
}

}  // namespace compilatore::lettura
