#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"
#include "tools/compila/esegui_compila.h"
#include "tools/compila/scenario_iniziale.h"

namespace {

using strumento_compila::esegui_compila;

// compila_scenario --nuovo and --spiega, run on files held in memory.
struct ScenarioNuovo : ::testing::Test {
  piattaforma::file_system_memoria fs;
  std::ostringstream uscita;
  std::ostringstream errori;

  int esegui(const std::vector<std::string>& argomenti) {
    uscita.str("");
    errori.str("");
    return esegui_compila(argomenti, fs, uscita, errori);
  }
};

const std::string linea = piattaforma::unisci_percorso("mia/cartella", "Valle_linea.txt");
const std::string treno = piattaforma::unisci_percorso("mia/cartella", "Valle_7-.txt");

TEST_F(ScenarioNuovo, WritesTheStarterIntoANewFolderAndItCompilesWithoutAWarning) {
  ASSERT_EQ(esegui({"--nuovo", "mia/cartella/", "Valle", "7"}), strumento_compila::uscita_riuscita) << errori.str();
  EXPECT_EQ(fs.cartelle, std::set<std::string>{"mia/cartella"});
  const auto testi = strumento_compila::testi_iniziali("Valle", "7");
  EXPECT_EQ(fs.file.at(linea), testi.linea);
  EXPECT_EQ(fs.file.at(treno), testi.treno);
  EXPECT_EQ(uscita.str(),
            "scritti " + linea + " e " + treno + "\nper compilarli: compila_scenario " + linea + " " + treno + "\n");

  EXPECT_EQ(esegui({linea, treno, "--strict", "--documenti"}), strumento_compila::uscita_riuscita);
  EXPECT_EQ(errori.str(), "");
  EXPECT_NE(uscita.str().find("stazioni: 3\nsegnali: 7\nrallentamenti: 1\n"), std::string::npos) << uscita.str();
}

TEST_F(ScenarioNuovo, KeepsFilesAlreadyThereUnlessToldToReplaceThem) {
  fs.file[treno] = "mio";
  EXPECT_EQ(esegui({"--nuovo", "mia/cartella", "Valle", "7"}), strumento_compila::uscita_errori);
  EXPECT_EQ(errori.str(),
            "compila_scenario: " + treno + " c'e' gia': nessun file scritto (--sovrascrivi per sostituirlo)\n");
  EXPECT_EQ(fs.file.size(), 1U);
  EXPECT_EQ(fs.file.at(treno), "mio");

  EXPECT_EQ(esegui({"--nuovo", "mia/cartella", "Valle", "7", "--sovrascrivi"}), strumento_compila::uscita_riuscita);
  EXPECT_EQ(fs.file.at(treno), strumento_compila::testi_iniziali("Valle", "7").treno);
}

TEST_F(ScenarioNuovo, RefusesNamesThatCannotNameAFile) {
  const struct {
    std::vector<std::string> argomenti;
    const char* errore;
  } casi[] = {
      {{"--nuovo", "d", "", "7"}, "compila_scenario: il nome base e' vuoto\n"},
      {{"--nuovo", "d", "a/b", "7"}, "compila_scenario: il nome base 'a/b' non puo' stare nel nome di un file\n"},
      {{"--nuovo", "d", "Valle", "7?"},
       "compila_scenario: il codice del treno '7?' non puo' stare nel nome di un file\n"},
  };
  for (const auto& caso : casi) {
    EXPECT_EQ(esegui(caso.argomenti), strumento_compila::uscita_uso);
    EXPECT_EQ(errori.str(), caso.errore);
  }
  EXPECT_TRUE(fs.file.empty());
  EXPECT_TRUE(fs.cartelle.empty());
}

TEST_F(ScenarioNuovo, SpiegaNamesTheNumbersThatExistForAnyOther) {
  for (const std::string numero : {"14", "0", "abc", "16x", ""}) {
    EXPECT_EQ(esegui({"--spiega", numero}), strumento_compila::uscita_uso);
    EXPECT_EQ(errori.str(), "compila_scenario: nessun errore ha il numero '" + numero +
                                "'; i numeri sono 1-13, 15-22, 24-35, 101-103, 1250, 1251\n");
    EXPECT_EQ(uscita.str(), "");
  }
}

}  // namespace
