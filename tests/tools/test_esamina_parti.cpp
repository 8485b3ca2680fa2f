#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "esempio_scenario.h"
#include "formato/voci.h"
#include "scenario_text/nomi_scenario.h"
#include "tools/esamina/codifica.h"
#include "tools/esamina/eventi.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/svg_scenario.h"

namespace {

using namespace strumenti;

strumenti::scenario_letto letto_da(const compilatore::modello& m) {
  scenario_letto s;
  s.tabella = m.tabella;
  s.celle = m.celle;
  s.punti = m.punti;
  s.con_tracciato = m.punti.esiste();
  return s;
}

TEST(Codifica, SingleByteTextBecomesUtf8AndXmlReferences) {
  const std::string testo = "A&B <citt\xE0> \"\x80\" l'\x9D";
  EXPECT_EQ(in_utf8(testo), "A&B <citt\xC3\xA0> \"\xE2\x82\xAC\" l'\xC2\x9D");
  EXPECT_EQ(per_xml(testo), "A&amp;B &lt;citt&#224;&gt; &quot;&#8364;&quot; l&apos;&#157;");
  EXPECT_EQ(per_xml("a\tb"), "a b");
}

TEST(Resoconto, TimesOfDay) {
  const struct {
    std::int32_t secondi;
    const char* atteso;
  } casi[] = {{0, "00:00:00"}, {61830, "17:10:30"}, {86399, "23:59:59"}, {90000, "25:00:00"}, {-61, "-00:01:01"}};
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.secondi);
    EXPECT_EQ(ora_del_giorno(caso.secondi), caso.atteso);
  }
}

TEST(Eventi, CodesOutsideTheTableAndDanglingIndexesStayReadable) {
  std::array<compilatore::voce, compilatore::voci_tabella> tabella{};
  tabella[3].nome = "FIORNA";
  const struct {
    compilatore::cella c;
    const char* nome;
    std::vector<std::pair<std::string, std::int32_t>> valori;
    const char* testo;
  } casi[] = {
      {{.evento = 7, .dato1 = 1, .dato2 = -2, .dato3 = 3, .dato4 = 4},
       "evento sconosciuto", {{"dato1", 1}, {"dato2", -2}, {"dato3", 3}, {"dato4", 4}}, ""},
      {{.evento = 10, .dato1 = 3}, "fermata", {{"stazione", 3}}, "FIORNA"},
      {{.evento = 10, .dato1 = 200}, "fermata", {{"stazione", 200}}, ""},
      {{.evento = 14, .dato1 = -1}, "cartello indicatore", {{"voce", -1}}, ""},
      {{.evento = 11}, "segno montagna", {}, ""},
      {{.evento = 4, .dato1 = 60}, "avviso rallentamento", {{"v", 60}, {"d_v", 0}}, ""},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    const evento_letto e = decodifica_evento(20, caso.c, tabella);
    EXPECT_EQ(e.metri, 1000);
    EXPECT_EQ(e.nome, caso.nome);
    std::vector<std::pair<std::string, std::int32_t>> valori;
    for (const auto& v : e.valori) valori.emplace_back(v.nome, v.numero);
    EXPECT_EQ(valori, caso.valori);
    EXPECT_EQ(e.testo, caso.testo);
  }
}

TEST(Resoconto, FullSharedEntriesAndAnEmptyGridAreBounded) {
  scenario_letto s;
  const std::string nome(testo_scenario::nomi::stazioni[0]);
  // Every shared entry and the one past them.
  for (int i = formato::voce_prima_stazione; i <= formato::voce_primo_cartello + 1; ++i) s.tabella[i].nome = nome;
  const resoconto r = componi_resoconto(s);
  EXPECT_EQ(r.stazioni.size(), 80u);
  EXPECT_EQ(r.cartelli.size(), 80u);
  EXPECT_FALSE(r.testa.celle.has_value());
  EXPECT_TRUE(r.eventi.empty());
  EXPECT_TRUE(r.velocita.empty());
  const std::string svg = componi_svg(r, s.punti);
  EXPECT_NE(svg.find(">tracciato assente</text>"), std::string::npos);
  EXPECT_EQ(svg.find("<polyline"), std::string::npos);
}

struct riquadro {
  double min_x = 1e300, max_x = -1e300, min_y = 1e300, max_y = -1e300;
  void aggiungi(double x, double y) {
    min_x = std::min(min_x, x);
    max_x = std::max(max_x, x);
    min_y = std::min(min_y, y);
    max_y = std::max(max_y, y);
  }
};

std::vector<std::pair<double, double>> punti_polilinea(const std::string& svg, std::size_t quale) {
  std::size_t inizio = 0;
  for (std::size_t i = 0; i <= quale; ++i) inizio = svg.find("<polyline", inizio) + 1;
  const std::size_t da = svg.find("points=\"", inizio) + 8;
  std::istringstream in(svg.substr(da, svg.find('"', da) - da));
  std::vector<std::pair<double, double>> punti;
  double x = 0, y = 0;
  char virgola = 0;
  while (in >> x >> virgola >> y) punti.emplace_back(x, y);
  return punti;
}

TEST(Svg, PlanViewIsTheLineSampledEvery50MetresWithItsAspectRatio) {
  auto m = esempio::modello_esempio();
  const std::string svg = componi_svg(componi_resoconto(letto_da(m)), m.punti);

  // The line is 3000 m: metres 0, 50, ..., 3000.
  const auto pianta = punti_polilinea(svg, 0);
  ASSERT_EQ(pianta.size(), 61u);
  riquadro schermo, mondo;
  for (const auto& [x, y] : pianta) schermo.aggiungi(x, y);
  for (std::size_t q = 0; q <= 3000; ++q) mondo.aggiungi(m.punti.x[q], m.punti.y[q]);
  const double rapporto_schermo = (schermo.max_x - schermo.min_x) / (schermo.max_y - schermo.min_y);
  const double rapporto_mondo = (mondo.max_x - mondo.min_x) / (mondo.max_y - mondo.min_y);
  EXPECT_NEAR(rapporto_schermo, rapporto_mondo, 0.01);
  // North up: the track starts at the bottom and turns right.
  EXPECT_DOUBLE_EQ(pianta.front().second, schermo.max_y);
  EXPECT_DOUBLE_EQ(pianta.back().second, schermo.min_y);
  EXPECT_GT(pianta.back().first, pianta.front().first);
}

TEST(Svg, MarksStationsAndSignalsAndDrawsBothProfilesOverKilometres) {
  auto m = esempio::modello_esempio();
  m.tabella[2].nome = std::string(testo_scenario::nomi::stazioni[9]);  // VILLA SANT'ELIA
  const std::string svg = componi_svg(componi_resoconto(letto_da(m)), m.punti);

  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n<svg ", 0), 0u);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
  EXPECT_TRUE(std::all_of(svg.begin(), svg.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  EXPECT_NE(svg.find(">VILLA SANT&apos;ELIA</text>"), std::string::npos);
  EXPECT_NE(svg.find(">OSTRALE CENTRALE</text>"), std::string::npos);
  EXPECT_NE(svg.find(">FIORNA</text>"), std::string::npos);
  const std::regex stazione("<circle ");
  EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), stazione), std::sregex_iterator()), 3);
  const std::regex segnale("style=\"fill:#c00\"");
  EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), segnale), std::sregex_iterator()), 1);

  // Gradient then speed: level all along the line; 100 km/h up to 1950 m, then 140.
  const auto pendenza = punti_polilinea(svg, 1);
  ASSERT_EQ(pendenza.size(), 2u);
  EXPECT_DOUBLE_EQ(pendenza[0].second, pendenza[1].second);
  const auto velocita = punti_polilinea(svg, 2);
  ASSERT_EQ(velocita.size(), 4u);
  EXPECT_DOUBLE_EQ(velocita[1].first, velocita[2].first);  // the step at 1950 m
  EXPECT_NEAR((velocita[1].first - velocita[0].first) / (velocita[3].first - velocita[0].first), 1950.0 / 3000.0, 0.001);
  EXPECT_GT(velocita[0].second, velocita[2].second);  // higher speed is drawn higher
  for (const char* km : {">0 km</text>", ">1 km</text>", ">2 km</text>", ">3 km</text>"}) {
    EXPECT_NE(svg.find(km), std::string::npos) << km;
  }
  EXPECT_EQ(svg.find(">4 km</text>"), std::string::npos);
}

}  // namespace
