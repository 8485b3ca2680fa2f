#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// Only controls (C0, DEL, C1) are escaped; the single-byte text stays as it is.
TEST(Codifica, ControlCharactersAreEscapedForTheTerminal) {
  EXPECT_EQ(per_terminale("Citt\xE0 \x80 \x1B]0;titolo\x07\t\x7F\x9D\x81"),
            "Citt\xE0 \x80 \\x1B]0;titolo\\x07\\x09\\x7F\\x9D\\x81");
}

// A grid as long as a 32-bit position could not hold: positions in 64 bits.
TEST(Eventi, PositionsOfFarCellsDoNotOverflow) {
  formato::cella c;
  c.evento = formato::evento::segnale;
  const std::array<formato::voce, formato::voci_tabella> tabella{};
  EXPECT_EQ(decodifica_evento(42949673, c, tabella).metri, std::int64_t{2147483650});
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
  const std::string svg = componi_svg(r, s.punti, std::nullopt);
  EXPECT_NE(svg.find(">tracciato assente</text>"), std::string::npos);
  EXPECT_EQ(svg.find("stroke:#222;stroke-width:2\" points"), std::string::npos);
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

// The points of the first polyline drawn in `stile`.
std::vector<std::pair<double, double>> punti_polilinea(const std::string& svg, const std::string& stile) {
  const std::size_t inizio = svg.find("<polyline style=\"" + stile + "\"");
  if (inizio == std::string::npos) return {};
  const std::size_t da = svg.find("points=\"", inizio) + 8;
  std::istringstream in(svg.substr(da, svg.find('"', da) - da));
  std::vector<std::pair<double, double>> punti;
  double x = 0, y = 0;
  char virgola = 0;
  while (in >> x >> virgola >> y) punti.emplace_back(x, y);
  return punti;
}

const std::string binario = "fill:none;stroke:#222;stroke-width:2";

TEST(Svg, PlanViewKeepsTheLinesAspectRatioNorthUp) {
  auto m = esempio::modello_esempio();
  const std::string svg = componi_svg(componi_resoconto(letto_da(m)), m.punti, std::nullopt);

  const auto pianta = punti_polilinea(svg, binario);
  ASSERT_GE(pianta.size(), 3u);
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

// Thirty stations 100 m apart on a 3000 m line: far more names than room.
TEST(Svg, LabelsNeverCoverEachOtherAndTheCrowdedOnesAreLeftOut) {
  auto m = esempio::modello_esempio();
  for (std::size_t i = 1; i <= 30; ++i) {
    m.tabella[i] = compilatore::voce{.progressiva = static_cast<std::int32_t>(i) * 100,
                                     .nome = std::string(testo_scenario::nomi::stazioni[i % 22])};
  }
  const std::string svg = componi_svg(componi_resoconto(letto_da(m)), m.punti, std::nullopt);
  // The labels carry the white halo; the legend and axes do not.
  const std::regex etichetta(
      "<text x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" style=\"font-size:11px;fill:[^;]*;stroke:white([^\"]*)\">([^<]*)</text>");
  std::vector<std::array<double, 4>> scatole;
  int nomi = 0;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), etichetta); it != std::sregex_iterator(); ++it) {
    const std::string stile = (*it)[3], testo = (*it)[4];
    const double largo = testo.size() * 11 * 0.6, y = std::stod((*it)[2]);
    double x = std::stod((*it)[1]);
    if (stile.find("text-anchor:end") != std::string::npos) x -= largo;
    if (stile.find("text-anchor:middle") != std::string::npos) x -= largo / 2;
    scatole.push_back({x, y - 11, x + largo, y});
    for (const auto& n : testo_scenario::nomi::stazioni) nomi += testo == n;
  }
  EXPECT_GT(nomi, 2);
  EXPECT_LT(nomi, 30);
  for (std::size_t i = 0; i < scatole.size(); ++i) {
    for (std::size_t j = i + 1; j < scatole.size(); ++j) {
      const auto& a = scatole[i];
      const auto& b = scatole[j];
      EXPECT_FALSE(a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3]) << i << " and " << j;
    }
  }
}

}  // namespace
