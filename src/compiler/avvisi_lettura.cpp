#include <cstdint>
#include <string>

#include "compiler/avvisi.h"
#include "compiler/lettura_dati.h"

namespace compilatore::lettura {
namespace {

using genere = avviso::genere;

bool senza_dati(const std::string& chiave) {
  const auto primo = chiave.find_first_not_of(" \t");
  if (primo == std::string::npos) return true;
  const bool intestazione = chiave[primo] == '[' && chiave.find(']') != std::string::npos;
  return intestazione || chiave.find('-') != std::string::npos;
}

std::string metri(std::int64_t m) { return std::to_string(m) + " m"; }

}  // namespace

std::string descrivi_pendenza(std::int32_t pendenza) {
  return "la pendenza di " + std::to_string(pendenza) + " per mille";
}
std::string descrivi_velocita(std::int32_t velocita) { return "il limite di " + std::to_string(velocita) + " km/h"; }
std::string descrivi_aderenza(std::int32_t aderenza) { return "l'aderenza " + std::to_string(aderenza); }

void avverti(contesto& c, avviso::genere tipo, const origine& dove, std::string testo) {
  if (!c.avvisi()) return;
  avviso& a = c.o.avvisi->emplace_back();
  a.tipo = tipo;
  a.dove = dove;
  a.testo = std::move(testo);
}

void avverti(contesto& c, avviso::genere tipo, std::string testo) { avverti(c, tipo, qui(c), std::move(testo)); }

void avverti_sconosciuta(contesto& c, const std::string& chiave, std::span<const std::string_view> grafie) {
  if (!c.avvisi() || senza_dati(chiave)) return;
  const origine dove = qui(c);
  const bool stessa_riga = c.ultima_sconosciuta.in_file == dove.in_file && c.ultima_sconosciuta.riga == dove.riga;
  c.ultima_sconosciuta = dove;
  if (stessa_riga) return;
  std::string vicina = parola_vicina(chiave, grafie);
  std::string testo = "voce " + citazione(chiave) + " non riconosciuta, ignorata";
  if (!vicina.empty()) testo += "; forse " + citazione(vicina) + "?";
  avverti(c, genere::voce_sconosciuta, std::move(testo));
  c.o.avvisi->back().suggerimento = std::move(vicina);
}

void tace_riga(contesto& c) { c.ultima_sconosciuta = qui(c); }

void avverti_record_perso(contesto& c, const std::string& chiave) {
  if (!c.avvisi()) return;
  avverti(c, genere::record_perso, citazione(chiave) + " ignorato: il file non termina con \"[fine]\"");
}

bool indietro(elenco_corrente& e, std::int32_t p) {
  if (e.ultima_posizione && p < *e.ultima_posizione) return true;
  e.ultima_posizione = p;
  return false;
}

void avverti_indietro(contesto& c, const std::string& chiave, std::int32_t p, elenco_corrente& e, std::int32_t valore) {
  if (!c.avvisi()) return;
  // What the entry does is known once the list moves on from it.
  avverti(c, genere::fuori_ordine,
          citazione(chiave) + " a " + metri(p) + " viene dopo la voce a " + metri(*e.ultima_posizione) + ": " +
              e.descrivi(valore));
  e.sospeso = elenco_corrente::avviso_sospeso{c.o.avvisi->size() - 1, e.indice};
}

void completa_avviso_sospeso(contesto& c, elenco_corrente& e, bool alla_fine) {
  if (!e.sospeso || !c.avvisi()) return;
  const elenco_corrente::avviso_sospeso s = *e.sospeso;
  e.sospeso.reset();
  std::string& testo = (*c.o.avvisi)[s.avviso].testo;
  if (alla_fine) {
    testo += " vale da " + metri(s.inizio * 50) + " alla fine della linea";
  } else if (e.indice > s.inizio) {
    testo += " vale da " + metri(s.inizio * 50) + " a " + metri(e.indice * 50);
  } else {
    testo += " non ha effetto: la voce dopo la sostituisce subito";
  }
}

void avverti_se_oltre(contesto& c, const std::string& chiave, std::int32_t p) {
  if (!c.avvisi() || p <= lunghezza_linea(c.m)) return;
  avverti(c, genere::oltre_la_linea, al_valore(c, 0),
          citazione(chiave) + " a " + metri(p) + " sta oltre la fine della linea, a " + metri(lunghezza_linea(c.m)));
}

}  // namespace compilatore::lettura
