#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "compiler/compilatore.h"
#include "compiler/scrivi_binari.h"
#include "formato/nomi_file.h"
#include "platform/file_system_memoria.h"
#include "tools/esamina/riga_comando.h"

// esamina_scenario --confronta: the embedded scenario against itself and
// against an edited copy, compiled in memory.

namespace {

const std::string dati = CARTELLA_DATI_TEST;

struct ritocco {
  std::string da;
  std::string a;
};

// The embedded descriptions with some records changed, compiled into `cartella`.
void compila_in(piattaforma::file_system_memoria& fs, const std::string& cartella, const std::vector<ritocco>& linea,
                const std::vector<ritocco>& treno) {
  const formato::nomi_file n = formato::forma_nomi(cartella, "Ostrale_Fiorna", "40817");
  const auto ritocca = [](std::string testo, const std::vector<ritocco>& ritocchi) {
    for (const ritocco& r : ritocchi) {
      const auto dove = testo.find(r.da);
      EXPECT_NE(dove, std::string::npos) << r.da;
      if (dove != std::string::npos) testo.replace(dove, r.da.size(), r.a);
    }
    return testo;
  };
  fs.file[n.linea_txt] = ritocca(leggi_file(dati + "/Ostrale_Fiorna_linea.txt"), linea);
  fs.file[n.treno_txt] = ritocca(leggi_file(dati + "/Ostrale_Fiorna_40817-.txt"), treno);
  compilatore::opzioni o{.nome_base = std::string("Ostrale_Fiorna"), .codice_treno = std::string("40817")};
  const compilatore::compilato c = compilatore::compila(fs, {n.linea_txt, n.treno_txt}, o);
  const auto pulito = c.pulito();
  ASSERT_TRUE(pulito);
  ASSERT_TRUE(compilatore::scrivi_compilato(fs, {n.tracciato_dat, n.tabella_sim, n.celle_dat}, *pulito).riuscito());
}

struct EsaminaConfronto : ::testing::Test {
  int esegui(const std::vector<std::string>& argomenti) {
    out.str("");
    err.str("");
    return strumenti::esegui_esamina(argomenti, fs, out, err);
  }
  piattaforma::file_system_memoria fs;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(EsaminaConfronto, TheSameScenarioHasNoDifference) {
  compila_in(fs, "a", {}, {});
  compila_in(fs, "b", {}, {});
  EXPECT_EQ(esegui({"a", "Ostrale_Fiorna", "40817", "--confronta", "b", "Ostrale_Fiorna", "40817"}), 0);
  EXPECT_EQ(out.str(),
            "Confronto di a/Ostrale_Fiorna_40817.sim con b/Ostrale_Fiorna_40817.sim (e i loro file .dat)\n"
            "\nNessuna differenza\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(EsaminaConfronto, AnEditedScenarioShowsWhatTheEditChanged) {
  compila_in(fs, "a", {}, {});
  compila_in(
      fs, "b", {{"curvad3,  4300,  800", "curvad3,  4300,  850"}, {"(km 341+500)", "(km 341+550)"}},
      {{"numero vetture,    3", "numero vetture,    4"},
       {"velocita,   12800,   140", "velocita,   12800,   120"},
       {"15,  17,16, 0, CASELLE DI PIANO", "20,  17,17, 0, CASELLE DI PIANO"},
       {"segnale,    8650,   2, 4, 0,  0, 0,    2,  1,0,0, 0", "segnale,    8750,   2, 4, 0,  0, 0,    2,  1,0,0, 0"},
       {"aderenza,   10000,    80", "aderenza,   10000,    70"}});
  EXPECT_EQ(esegui({"a", "Ostrale_Fiorna", "40817", "--confronta", "b", "Ostrale_Fiorna", "40817"}), 1);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(out.str(), leggi_file(dati + "/confronto_esempio.txt"));
}

TEST_F(EsaminaConfronto, AMissingScenarioExits2) {
  compila_in(fs, "a", {}, {});
  EXPECT_EQ(esegui({"a", "Ostrale_Fiorna", "40817", "--confronta", "b", "Ostrale_Fiorna", "40817"}), 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("esamina_scenario: b/Ostrale_Fiorna_40817.sim: "), std::string::npos) << err.str();
}

TEST_F(EsaminaConfronto, AWrongCommandLineExits2) {
  const std::vector<std::vector<std::string>> casi = {
      {"a", "B", "1", "--confronta", "b", "B"},
      {"a", "B", "1", "--confronta", "b", "B", "1", "--json"},
      {"a", "B", "1", "--confronta", "b", "B", "1", "--confronta", "c", "B", "1"},
  };
  for (const auto& argomenti : casi) {
    EXPECT_EQ(esegui(argomenti), 2);
    EXPECT_NE(err.str().find("uso: esamina_scenario"), std::string::npos) << err.str();
  }
}

}  // namespace
