#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <tuple>

#include "esempio_scenario.h"
#include "tools/esamina/geometria_pianta.h"
#include "tools/esamina/html_scenario.h"
#include "tools/esamina/progressiva_linea.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/tacche.h"

namespace {

using namespace strumenti;

TEST(Progressiva, RecordsGiveTheLinesKilometresBothWays) {
  // The embedded scenario: one record flagged 1, stored by the compiler as 350000 + 100.
  const progressiva_linea incorporata({progressiva_letta{81, 0, 350100, 1}, {82, 0, 0, 0}, {83, 0, 0, 0}});
  EXPECT_DOUBLE_EQ(incorporata.a_metri(0), 350000);
  EXPECT_DOUBLE_EQ(incorporata.a_metri(8500), 341500);  // its board reads "km 341+500" there
  EXPECT_EQ(incorporata.posizione(341500, 152000), 8500);
  EXPECT_EQ(incorporata.posizione(351000, 152000), std::nullopt);
  EXPECT_EQ(incorporata.posizione(197000, 152000), std::nullopt);

  // Three stretches, sorted largest position first as the compiler leaves them.
  const progressiva_linea tre({progressiva_letta{81, 2000, 12000, 0}, {82, 1000, 11000, 1}, {83, 0, 10000, 0}});
  const struct {
    double metri, km;
  } punti[] = {{0, 10000}, {999, 10999}, {1000, 10900}, {1500, 10400}, {2000, 12000}, {3000, 13000}, {-50, 9950}};
  for (const auto& p : punti) EXPECT_DOUBLE_EQ(tre.a_metri(p.metri), p.km) << p.metri;
  EXPECT_EQ(tre.posizione(10500, 3000), 500);  // the first position of a kilometre met twice
  EXPECT_EQ(tre.posizione(10950, 3000), 950);
  EXPECT_EQ(tre.posizione(12000, 3000), 2000);

  // No record in use: the kilometres are the metres.
  const progressiva_linea nessuna({});
  EXPECT_DOUBLE_EQ(nessuna.a_metri(1234), 1234);
  EXPECT_EQ(scrivi_progressiva(345557), "345+557");
  EXPECT_EQ(scrivi_progressiva(7), "0+007");
  EXPECT_EQ(scrivi_progressiva(-1500), "-1+500");
}

TEST(Progressiva, TicksFallOnRoundKilometresOfEachStretch) {
  const progressiva_linea tre({progressiva_letta{81, 2000, 12000, 0}, {82, 1000, 11000, 1}, {83, 0, 10000, 0}});
  // Rising to 1000 m (its end belongs to the next stretch), falling from 10+900 to 2000 m, rising again.
  const std::vector<std::pair<double, double>> attese = {
      {0, 10000}, {500, 10500}, {1400, 10500}, {1900, 10000}, {2000, 12000}, {2500, 12500}, {3000, 13000}};
  EXPECT_EQ(tre.tacche(0, 3000, 500), attese);
  const progressiva_linea scende({progressiva_letta{81, 0, 350100, 1}, {}, {}});
  EXPECT_EQ(scende.tacche(100, 2100, 1000), (std::vector<std::pair<double, double>>{{1000, 349000}, {2000, 348000}}));
}

TEST(Tacche, RoundStepsAndTheirMultiples) {
  const struct {
    double intervallo;
    int massimo;
    double passo;
  } casi[] = {{152000, 10, 20000}, {5000, 10, 500}, {4972, 12, 500}, {3000, 10, 500}, {10, 5, 2}, {0.7, 7, 0.1}, {0, 5, 1}};
  for (const auto& c : casi) EXPECT_DOUBLE_EQ(passo_tondo(c.intervallo, c.massimo), c.passo) << c.intervallo;
  EXPECT_EQ(multipli(-10, 10, 5), (std::vector<double>{-10, -5, 0, 5, 10}));
  EXPECT_EQ(multipli(0.05, 0.35, 0.1).size(), 3u);  // 0.1, 0.2, 0.3 despite rounding
  EXPECT_TRUE(multipli(0, 1, 0).empty());
}

// The compiler's rule for a curve: the heading turns by k every metre.
std::vector<punto_linea> linea_con_curve(std::int32_t lunghezza, std::vector<std::tuple<int, int, double>> curve) {
  std::vector<punto_linea> p = {{0, 0, 0}, {1, 0, 1}};
  for (std::int32_t q = 2; q <= lunghezza; ++q) {
    const double dx = p[q - 1].x - p[q - 2].x, dy = p[q - 1].y - p[q - 2].y;
    double k = 0;
    for (const auto& [da, lungo, curvatura] : curve) {
      if (q > da && q <= da + lungo) k = curvatura;
    }
    p.push_back({q, p[q - 1].x + dx + k * dy, p[q - 1].y + dy - k * dx});
  }
  return p;
}

TEST(Geometria, CurvesAreReadBackFromTheTrack) {
  const auto linea = linea_con_curve(5000, {{1000, 600, 0.001}, {2000, 300, -0.003}, {4000, 50, 0.0001}});
  const auto curve = curve_della_linea(linea);
  ASSERT_EQ(curve.size(), 3u);
  EXPECT_EQ(curve[0].da, 1000);
  EXPECT_EQ(curve[0].a, 1600);
  EXPECT_NEAR(curve[0].raggio, 1000, 1);
  EXPECT_FALSE(curve[0].sinistra);
  EXPECT_EQ(curve[1].da, 2000);
  EXPECT_EQ(curve[1].a, 2300);
  EXPECT_NEAR(curve[1].raggio, 333.3, 0.5);
  EXPECT_TRUE(curve[1].sinistra);
  EXPECT_NEAR(curve[2].raggio, 10000, 5);
}

double distanza_dal_tratto(const punto_linea& p, const punto_linea& a, const punto_linea& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

TEST(Geometria, DecimationKeepsEveryPointWithinItsTolerance) {
  const auto linea = linea_con_curve(20000, {{3000, 2000, 0.002}, {9000, 1500, -0.001}});
  for (const double tolleranza : {0.1, 1.0, 10.0}) {
    SCOPED_TRACE(tolleranza);
    const auto pochi = semplifica(linea, tolleranza);
    EXPECT_EQ(pochi.front().metro, 0);
    EXPECT_EQ(pochi.back().metro, 20000);
    EXPECT_LT(pochi.size(), linea.size() / 20);
    double peggiore = 0;
    std::size_t j = 0;
    for (const punto_linea& p : linea) {
      while (j + 1 < pochi.size() && pochi[j + 1].metro < p.metro) ++j;
      if (j + 1 < pochi.size()) peggiore = std::max(peggiore, distanza_dal_tratto(p, pochi[j], pochi[j + 1]));
    }
    EXPECT_LE(peggiore, tolleranza);
  }
  // A straight line is its two ends.
  EXPECT_EQ(semplifica(linea_con_curve(3000, {}), 0.01).size(), 2u);
}

scenario_letto letto_da(const compilatore::modello& m) {
  scenario_letto s;
  s.tabella = m.tabella;
  s.celle = m.celle;
  s.punti = m.punti;
  s.con_tracciato = true;
  return s;
}

TEST(Pagina, IsSelfContainedAndNoTextCanBreakOutOfItsScripts) {
  auto m = esempio::modello_esempio();
  m.tabella[2].nome = "</script><script>alert(1)</script><!--";
  const std::string pagina = componi_html(componi_resoconto(letto_da(m)), m.punti, std::nullopt);

  EXPECT_EQ(pagina.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(pagina.find("{{"), std::string::npos);
  // Two scripts, the data and the code, and nothing that ends either early.
  std::size_t chiusure = 0;
  for (std::size_t i = pagina.find("</script"); i != std::string::npos; i = pagina.find("</script", i + 1)) ++chiusure;
  EXPECT_EQ(chiusure, 2u);
  EXPECT_EQ(pagina.find("<!--"), std::string::npos);
  // Nothing to fetch: no external script, style, image or font.
  for (const char* richiesta : {"src=", "href=", "@import", "url("}) {
    EXPECT_EQ(pagina.find(richiesta), std::string::npos) << richiesta;
  }
  EXPECT_NE(pagina.find("default-src 'none'"), std::string::npos);
  EXPECT_NE(pagina.find("Copyright (c) 2022 Leon Sorokin"), std::string::npos);  // the library's licence

  const std::string inizio = "<script type=\"application/json\" id=\"dati\">";
  const std::size_t da = pagina.find(inizio) + inizio.size();
  const auto dati = nlohmann::json::parse(pagina.substr(da, pagina.find("</script>", da) - da));
  EXPECT_EQ(dati["stazioni"][1]["nome"], "</script><script>alert(1)</script><!--");
}

}  // namespace
