#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "formato/nomi_file.h"
#include "platform/piattaforma.h"
#include "scenario_text/nomi_scenario.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/riga_comando.h"
#include "tools/esamina/scenario_letto.h"

namespace {

// The embedded scenario's compiled files, as the main program writes them.
TEST(EsaminaIncorporato, StationsAndEventsOfTheEmbeddedScenario) {
  strumenti::scenario_letto letto;
  const auto nomi = formato::forma_nomi(CARTELLA_DATI_TEST, "Ostrale_Fiorna", "40817");
  ASSERT_TRUE(strumenti::carica_scenario(piattaforma::sistema_reale().file(), nomi, letto).riuscito());
  const strumenti::resoconto r = strumenti::componi_resoconto(letto);

  ASSERT_EQ(r.stazioni.size(), testo_scenario::nomi::stazioni.size());
  for (std::size_t i = 0; i < r.stazioni.size(); ++i) {
    EXPECT_EQ(r.stazioni[i].nome, testo_scenario::nomi::stazioni[i]);
  }
  EXPECT_EQ(r.cartelli.size(), 6u);
  EXPECT_EQ(r.testa.lunghezza_linea, 152000);
  EXPECT_EQ(r.n_celle, 3181);

  std::map<int, int> per_codice;
  for (const auto& e : r.eventi) ++per_codice[e.codice];
  EXPECT_EQ(per_codice[1], 74);   // signals
  EXPECT_EQ(per_codice[2], 2);    // slowdown ends
  EXPECT_EQ(per_codice[3], 2);    // slowdown starts
  EXPECT_EQ(per_codice[4], 2);    // warnings
  EXPECT_EQ(per_codice[5], 4);    // the cells before the second warning
  EXPECT_EQ(per_codice[6], 30);   // speed boards
  EXPECT_EQ(per_codice[10], 21);  // stops: every station but the one of kind 28
  EXPECT_EQ(per_codice[14], 6);   // kilometre boards
  EXPECT_GT(per_codice[12], 0);   // points added around the slowdowns
}

TEST(EsaminaIncorporato, JsonParsesBack) {
  std::ostringstream out, err;
  const std::vector<std::string> argomenti = {CARTELLA_DATI_TEST, "Ostrale_Fiorna", "40817", "--json"};
  ASSERT_EQ(strumenti::esegui_esamina(argomenti, piattaforma::sistema_reale().file(), out, err), 0) << err.str();
  const auto json = nlohmann::json::parse(out.str());
  ASSERT_TRUE(json.contains("stazioni"));
  EXPECT_EQ(json["stazioni"].size(), 22u);
}

}  // namespace
