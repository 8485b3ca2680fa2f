#include "compiler/lettura_dati.h"

#include <cstdint>
#include <limits>
#include <new>

#include "compiler/avvisi.h"
#include "compiler/errori.h"
#include "formato/arrotonda.h"

namespace compilatore::lettura {
namespace {

origine qui(const contesto& c) { return {c.in_file, c.voce_chiave.riga, c.voce_chiave.colonna}; }

const std::string& file_in_lettura(const contesto& c) {
  return c.in_file == origine::file::linea ? c.file.linea : c.file.treno;
}

// A warning at the current keyword item; the caller has checked that warnings are wanted.
avviso& aggiungi(contesto& c, avviso::genere tipo, const std::string& chiave) {
  avviso& a = c.o.avvisi->emplace_back();
  a.tipo = tipo;
  a.dove = qui(c);
  a.voce = chiave;
  return a;
}

bool senza_dati(const std::string& chiave) {
  const auto primo = chiave.find_first_not_of(" \t");
  if (primo == std::string::npos) return true;
  const bool intestazione = chiave[primo] == '[' && chiave.find(']') != std::string::npos;
  return intestazione || chiave.find('-') != std::string::npos;
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

void registra(contesto& c, std::int32_t codice) {
  c.errore.codice_errore = codice;
  c.errore.origine_errore = qui(c);
}

void registra(contesto& c, std::int32_t codice, std::int32_t posizione) {
  registra(c, codice);
  c.errore.posizione_errore = posizione;
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

bool chiave_record(contesto& c, testo_scenario::lettore_voci& l, std::string& chiave) {
  if (l.alla_fine()) return false;
  chiave = leggi_chiave(c, l);
  for (int volta = 0; volta < 2 && testo_scenario::contiene(chiave, "-"); ++volta) {
    if (l.alla_fine()) return false;
    chiave = leggi_chiave(c, l);
  }
  return !l.alla_fine();
}

void avverti_sconosciuta(contesto& c, const std::string& chiave, std::span<const std::string_view> grafie) {
  if (c.o.avvisi == nullptr || senza_dati(chiave)) return;
  const origine dove = qui(c);
  const bool stessa_riga = c.ultima_sconosciuta.in_file == dove.in_file && c.ultima_sconosciuta.riga == dove.riga;
  c.ultima_sconosciuta = dove;
  if (stessa_riga) return;
  aggiungi(c, avviso::genere::voce_sconosciuta, chiave).suggerimento = parola_vicina(chiave, grafie);
}

void tace_riga(contesto& c) { c.ultima_sconosciuta = qui(c); }

void avverti_record_perso(contesto& c, const std::string& chiave) {
  if (c.o.avvisi == nullptr) return;
  aggiungi(c, avviso::genere::record_perso, chiave);
}

void avverti_se_indietro(contesto& c, const std::string& chiave, std::int32_t p,
                         std::optional<std::int32_t>& precedente) {
  if (precedente && p < *precedente) {
    if (c.o.avvisi != nullptr) {
      avviso& a = aggiungi(c, avviso::genere::posizione_indietro, chiave);
      a.posizione = p;
      a.precedente = *precedente;
    }
    return;
  }
  precedente = p;
}

void annota_riservati(contesto& c) {
  if (c.m.origine_riservati.nota() || c.m.celle.size() < 2) return;
  const cella& prima = c.m.celle[1];
  if (prima.dato1 != 0 || prima.dato2 != 0) c.m.origine_riservati = qui(c);
}

void dimensiona_griglia(modello& m, std::int32_t lunghezza) {
  try {
    m.dimensiona(lunghezza);
  } catch (const std::bad_alloc&) {
    throw guasto("memoria insufficiente per una linea di " + std::to_string(lunghezza) + " m");
  }
}

bool oltre_la_griglia(const modello& m, std::int32_t p, std::int32_t margine) {
  return m.n_celle < (static_cast<double>(p) + margine) / 50;
}

seguito fuori_griglia(contesto& c, std::int32_t p) {
  registra(c, errore::oltre_la_griglia, p);
  return seguito::fuori_griglia;
}

std::int64_t indice_cella(double quoziente) { return static_cast<std::int64_t>(formato::arrotonda(quoziente)); }

cella& cella_in(modello& m, std::int64_t indice) {
  if (indice < 0 || indice > m.n_celle || m.celle.empty()) throw guasto("cella fuori dalla griglia");
  return m.celle[static_cast<std::size_t>(indice)];
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
