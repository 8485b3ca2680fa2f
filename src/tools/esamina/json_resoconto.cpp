#include "tools/esamina/json_resoconto.h"

#include <nlohmann/json.hpp>

#include "tools/esamina/codifica.h"

namespace strumenti {
namespace {

// Keys in the order they are written, like the dump.
using json = nlohmann::ordered_json;

// Paths come from the command line in the system's own encoding, not from the
// scenario: they go out as given, any invalid UTF-8 replaced when dumped.
json file_json(const formato::nomi_file& nomi, const resoconto& r) {
  json tracciato = nullptr;
  if (r.con_tracciato) {
    tracciato = {{"nome", nomi.tracciato_dat},
                 {"punti", r.punti_tracciato},
                 {"assegnati", r.punti_assegnati}};
  }
  return {{"tabella", nomi.tabella_sim},
          {"celle", {{"nome", nomi.celle_dat}, {"numero", r.n_celle}}},
          {"tracciato", tracciato}};
}

json identificazione_json(const identificazione& i) { return {{"segnaposto", i.segnaposto}, {"codice", i.codice}}; }

json intestazione_json(const intestazione& t) {
  json progressive = json::array();
  for (const progressiva_letta& p : t.progressive) {
    progressive.push_back({{"voce", p.voce}, {"da", p.da}, {"valore", p.valore}, {"flag", p.flag}});
  }
  return {{"lunghezza_linea", t.lunghezza_linea},
          {"vetture", t.vetture},
          {"massa_frenata", t.massa_frenata},
          {"progressive", progressive},
          {"sfondi", {{"uno", t.sfondo_uno}, {"due", t.sfondo_due}, {"tre", t.sfondo_tre}}},
          {"ripetizione_segnali",
           {{"inizio", t.ripetizione_inizio}, {"fine", t.ripetizione_fine}, {"codici", t.ripetizione_codici}}},
          {"orologio", {{"ore", t.ore}, {"minuti", t.minuti}, {"secondi", t.secondi}}},
          {"sabbia", t.sabbia},
          {"identificazione",
           {{"tabella", identificazione_json(t.tabella)},
            {"celle", t.celle ? identificazione_json(*t.celle) : json(nullptr)}}}};
}

json stazioni_json(const std::vector<stazione_letta>& stazioni) {
  json lista = json::array();
  for (const stazione_letta& s : stazioni) {
    lista.push_back({{"voce", s.voce},
                     {"nome", in_utf8(s.nome)},
                     {"tipo", s.tipo},
                     {"progressiva", s.progressiva},
                     {"inizio", s.inizio},
                     {"fine", s.fine},
                     {"sosta", s.sosta},
                     {"orario", ora_del_giorno(s.orario)},
                     {"orario_secondi", s.orario},
                     {"capolinea", s.capolinea}});
  }
  return lista;
}

json cartelli_json(const std::vector<cartello_letto>& cartelli) {
  json lista = json::array();
  for (const cartello_letto& c : cartelli) lista.push_back({{"voce", c.voce}, {"testo", in_utf8(c.testo)}});
  return lista;
}

json eventi_json(const std::vector<evento_letto>& eventi) {
  json lista = json::array();
  for (const evento_letto& e : eventi) {
    json valori = json::object();
    for (const valore_evento& v : e.valori) valori[v.nome] = v.numero;
    json voce = {{"cella", e.cella},
                 {"metri", e.metri},
                 {"codice", e.codice},
                 {"evento", in_utf8(e.nome)},
                 {"dati", {e.dati[0], e.dati[1], e.dati[2], e.dati[3]}},
                 {"tempo_segnale", e.tempo_segnale},
                 {"valori", valori}};
    if (!e.testo.empty()) voce["testo"] = in_utf8(e.testo);
    lista.push_back(voce);
  }
  return lista;
}

json tratti_json(const std::vector<tratto>& tratti) {
  json lista = json::array();
  for (const tratto& t : tratti) {
    lista.push_back({{"da", t.da},
                     {"a", t.a},
                     {"prima_cella", t.prima_cella},
                     {"ultima_cella", t.ultima_cella},
                     {"valore", t.valore}});
  }
  return lista;
}

}  // namespace

std::string componi_json(const formato::nomi_file& nomi, const resoconto& r) {
  const json documento = {
      {"scenario", {{"nome_base", in_utf8(r.testa.nome_base)}, {"codice_treno", in_utf8(r.testa.codice_treno)}}},
      {"file", file_json(nomi, r)},
      {"intestazione", intestazione_json(r.testa)},
      {"stazioni", stazioni_json(r.stazioni)},
      {"cartelli", cartelli_json(r.cartelli)},
      {"eventi", eventi_json(r.eventi)},
      {"vel_limite", tratti_json(r.velocita)},
      {"pendenza", tratti_json(r.pendenze)},
      {"aderenza", tratti_json(r.aderenze)}};
  return documento.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace strumenti
