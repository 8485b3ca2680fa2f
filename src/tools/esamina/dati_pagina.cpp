#include "tools/esamina/dati_pagina.h"

#include <array>
#include <cmath>

#include <nlohmann/json.hpp>

#include "tools/esamina/codifica.h"
#include "tools/esamina/geometria_pianta.h"
#include "tools/esamina/progressiva_linea.h"
#include "tools/esamina/rallentamenti.h"
#include "tools/esamina/segni.h"

namespace strumenti {
namespace {

using json = nlohmann::json;

// A level for each tenfold zoom: the page picks the coarsest one whose
// tolerance is below half a pixel. A centimetre is finer than any zoom needs.
constexpr std::array<double, 4> tolleranze = {0.1, 1.0, 10.0, 100.0};

double al_centimetro(double v) { return std::round(v * 100.0) / 100.0; }

json tipi_json() {
  json lista = json::array();
  for (const tipo_segno& t : tipi_segno()) {
    lista.push_back({{"chiave", t.chiave}, {"nome", in_utf8(t.nome)}, {"colore", t.colore}, {"forma", t.forma}});
  }
  return lista;
}

json progressive_json(const resoconto& r) {
  json lista = json::array();
  const progressiva_linea progressiva(r.testa.progressive);
  for (const tratto_progressiva& t : progressiva.tratti()) {
    lista.push_back({{"da", t.da}, {"origine", t.origine}, {"verso", t.verso}});
  }
  return lista;
}

json punti_json(const std::vector<punto_linea>& punti) {
  json piatti = json::array();
  for (const punto_linea& p : punti) {
    piatti.push_back(p.metro);
    piatti.push_back(al_centimetro(p.x));
    piatti.push_back(al_centimetro(p.y));
  }
  return piatti;
}

json tracciato_json(const resoconto& r, const formato::tracciato& punti) {
  if (!r.con_tracciato || punti.assegnati < 2) return nullptr;
  const std::vector<punto_linea> linea = punti_della_linea(punti, ultimo_metro(punti, r.testa.lunghezza_linea));
  json livelli = json::array();
  std::vector<punto_linea> livello = linea;
  for (const double t : tolleranze) {
    livello = semplifica(livello, t);  // each level from the finer one: far fewer points to scan
    livelli.push_back({{"tolleranza", t}, {"punti", punti_json(livello)}});
  }
  json curve = json::array();
  for (const curva_letta& c : curve_della_linea(linea)) {
    curve.push_back({{"da", c.da}, {"a", c.a}, {"raggio", std::round(c.raggio)}, {"sinistra", c.sinistra}});
  }
  return {{"livelli", livelli}, {"curve", curve}};
}

json stazioni_json(const resoconto& r) {
  json lista = json::array();
  for (const stazione_letta& s : r.stazioni) {
    lista.push_back({{"nome", in_utf8(s.nome)},
                     {"voce", s.voce},
                     {"tipo", s.tipo},
                     {"m", s.progressiva},
                     {"inizio", s.inizio},
                     {"fine", s.fine},
                     {"sosta", s.sosta},
                     {"orario", s.orario == 0 ? std::string() : ora_del_giorno(s.orario)},
                     {"capolinea", s.capolinea != 0}});
  }
  return lista;
}

json eventi_json(const resoconto& r) {
  json lista = json::array();
  for (const evento_letto& e : r.eventi) {
    json valori = json::array();
    for (const valore_evento& v : e.valori) valori.push_back({v.nome, v.numero});
    lista.push_back({{"m", e.metri},
                     {"cella", e.cella},
                     {"tipo", chiave_evento(e)},
                     {"nome", in_utf8(e.nome)},
                     {"valori", valori},
                     {"testo", in_utf8(e.testo)},
                     {"etichetta", in_utf8(etichetta_evento(e))}});
  }
  return lista;
}

json gallerie_json(const resoconto& r) {
  json lista = json::array();
  for (const tratto& t : r.montagne) {
    if (t.valore != 0) lista.push_back({{"da", t.da}, {"a", t.a}, {"tipo", t.valore}});
  }
  return lista;
}

json rallentamenti_json(const resoconto& r) {
  json lista = json::array();
  for (const rallentamento_letto& s : rallentamenti_di(r)) {
    lista.push_back({{"da", s.da},
                     {"a", s.a},
                     {"v", s.v},
                     {"d_v", s.d_v},
                     {"f_tt", s.f_tt},
                     {"avviso", s.avviso ? json(*s.avviso) : json(nullptr)}});
  }
  return lista;
}

json tratti_json(const std::vector<tratto>& tratti) {
  json lista = json::array();
  for (const tratto& t : tratti) lista.push_back({t.da, t.a, t.valore});
  return lista;
}

}  // namespace

double lunghezza_mostrata(const resoconto& r) {
  return r.testa.lunghezza_linea > 0 ? r.testa.lunghezza_linea : r.n_celle * 50.0;
}

std::string componi_dati_pagina(const resoconto& r, const formato::tracciato& punti,
                                const std::optional<vista_linea>& vista) {
  const json dati = {
      {"scenario", {{"nome_base", in_utf8(r.testa.nome_base)}, {"codice_treno", in_utf8(r.testa.codice_treno)}}},
      {"lunghezza", lunghezza_mostrata(r)},
      {"vista", vista ? json{{"da", vista->da}, {"a", vista->a}} : json(nullptr)},
      {"progressive", progressive_json(r)},
      {"tipi", tipi_json()},
      {"tracciato", tracciato_json(r, punti)},
      {"stazioni", stazioni_json(r)},
      {"eventi", eventi_json(r)},
      {"gallerie", gallerie_json(r)},
      {"rallentamenti", rallentamenti_json(r)},
      {"profili",
       {{"velocita", tratti_json(r.velocita)},
        {"pendenze", tratti_json(r.pendenze)},
        {"aderenze", tratti_json(r.aderenze)}}}};
  return dati.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace strumenti
