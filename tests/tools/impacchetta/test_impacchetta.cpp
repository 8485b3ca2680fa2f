#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "driver/pacchetto.h"
#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"
#include "tools/impacchetta/esegui_impacchetta.h"

namespace {

std::string dato(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/valle/" + nome); }
std::string in(const char* cartella, const std::string& nome) { return piattaforma::unisci_percorso(cartella, nome); }

const std::string runner_linux = "ELF: il programma di base per Linux";
const std::string runner_windows = "MZ: il programma di base per Windows";

// The fixture scenario in folder "s" and the two runners beside the tool, in memory.
struct Impacchetta : ::testing::Test {
  piattaforma::file_system_memoria fs;
  std::ostringstream uscita;
  std::ostringstream errori;

  Impacchetta() {
    for (const char* nome : {"Valle_Prova_linea.txt", "Valle_Prova_2317-.txt", "Valle_Prova_2317_documenti.txt"}) {
      fs.file[in("s", nome)] = dato(nome);
    }
    fs.file[in("prog", "installatore_scenario")] = runner_linux;
    fs.file[in("prog", "installatore_scenario.exe")] = runner_windows;
  }

  int esegui(std::vector<std::string> argomenti) {
    return strumento_impacchetta::esegui_impacchetta(argomenti, fs, "prog", uscita, errori);
  }

  int impacchetta(std::vector<std::string> opzioni = {}) {
    std::vector<std::string> argomenti = {"s", "Valle_Prova", "2317", "--output", "u/inst"};
    argomenti.insert(argomenti.end(), opzioni.begin(), opzioni.end());
    return esegui(argomenti);
  }

  // What the runner will read back from the installer.
  guida::testi_scenario pacchetto() {
    guida::testi_scenario testi;
    EXPECT_TRUE(guida::estrai_scenario(fs.file["u/inst"], testi).riuscito());
    return testi;
  }
};

TEST_F(Impacchetta, MissingDocumentsAreGeneratedAndPackedWithTheDescriptions) {
  ASSERT_EQ(impacchetta({"--linux"}), 0) << errori.str();
  EXPECT_EQ(errori.str(), "");
  const std::string& installatore = fs.file["u/inst"];
  EXPECT_EQ(installatore.substr(0, runner_linux.size()), runner_linux);
  EXPECT_TRUE(fs.eseguibili.contains("u/inst"));
  const guida::testi_scenario t = pacchetto();
  EXPECT_EQ(t.nome_base, "Valle_Prova");
  EXPECT_EQ(t.codice_treno, "2317");
  EXPECT_EQ(t.linea, dato("Valle_Prova_linea.txt"));
  EXPECT_EQ(t.treno, dato("Valle_Prova_2317-.txt"));
  EXPECT_EQ(t.scheda, dato("Valle_Prova_2317_scheda_treno.txt"));
  EXPECT_EQ(t.rallentamenti, dato("Valle_Prova_2317_rallentamenti.txt"));
  EXPECT_EQ(t.note, dato("Valle_Prova_2317_note.txt"));
  const std::string generato = ": assente, impacchettato quello generato dalle descrizioni\n";
  EXPECT_EQ(uscita.str(),
            in("s", "Valle_Prova_2317_note.txt") + generato + in("s", "Valle_Prova_2317_rallentamenti.txt") + generato +
                in("s", "Valle_Prova_2317_scheda_treno.txt") + generato + "installatore per Linux: u/inst (" +
                std::to_string(installatore.size()) + " byte), scenario Valle_Prova, treno 2317\n");
  // Nothing of the author's is written: only the installer is new.
  EXPECT_EQ(fs.file.size(), 6u);
}

TEST_F(Impacchetta, AuthorsOwnDocumentsArePackedAsTheyAre) {
  fs.file[in("s", "Valle_Prova_2317_note.txt")] = "note scritte a mano\r\n";
  fs.file[in("s", "Valle_Prova_2317_scheda_treno.txt")] = "scheda scritta a mano\r\n";
  ASSERT_EQ(impacchetta(), 0) << errori.str();
  const guida::testi_scenario t = pacchetto();
  EXPECT_EQ(t.note, "note scritte a mano\r\n");
  EXPECT_EQ(t.scheda, "scheda scritta a mano\r\n");
  EXPECT_EQ(t.rallentamenti, dato("Valle_Prova_2317_rallentamenti.txt"));
}

TEST_F(Impacchetta, WindowsTakesTheWindowsRunner) {
  ASSERT_EQ(impacchetta({"--windows"}), 0) << errori.str();
  EXPECT_EQ(fs.file["u/inst"].substr(0, runner_windows.size()), runner_windows);
  EXPECT_NE(uscita.str().find("installatore per Windows: u/inst"), std::string::npos);
}

TEST_F(Impacchetta, MissingRunnerIsNamedWithHowToGetIt) {
  fs.file.erase(in("prog", "installatore_scenario.exe"));
  EXPECT_EQ(impacchetta({"--windows"}), 1);
  EXPECT_EQ(errori.str(), "impacchetta_scenario: manca " + in("prog", "installatore_scenario.exe") +
                              ": la build per Linux lo costruisce quando trova MinGW-w64 (pacchetto "
                              "g++-mingw-w64-x86-64); oppure va copiato qui da build/windows/ dopo "
                              "`cmake --workflow --preset windows`\n");
  EXPECT_FALSE(fs.esiste("u/inst"));
}

TEST_F(Impacchetta, ScenarioThatDoesNotCompileIsRefusedWithItsDiagnostics) {
  std::string& treno = fs.file[in("s", "Valle_Prova_2317-.txt")];
  treno.insert(treno.find("[codici]"), "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n");
  EXPECT_EQ(impacchetta(), 1);
  EXPECT_EQ(errori.str(), in("s", "Valle_Prova_2317-.txt") +
                              ":33:1: errore 16: segnale su una cella occupata (posizione 1650 m): nella cella "
                              "34 c'e' gia' il segnale della riga 25 (compila_scenario --spiega 16)\n"
                              "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\n"
                              "^\n"
                              "impacchetta_scenario: lo scenario non si compila: nessun installatore scritto\n");
  EXPECT_FALSE(fs.esiste("u/inst"));
}

TEST_F(Impacchetta, DocumentsThatCannotBeMadeAreRefused) {
  fs.file[in("s", "Valle_Prova_2317_documenti.txt")] = "classificazione, Regionale veloce notturno\r\n";
  EXPECT_EQ(impacchetta(), 1);
  EXPECT_EQ(errori.str(),
            "impacchetta_scenario: errore: documenti non generati: la classificazione 'REGIONALE VELOCE NOTTURNO' "
            "non sta nel suo riquadro della scheda treno (18 caratteri)\n"
            "impacchetta_scenario: nessun installatore scritto\n");
  EXPECT_FALSE(fs.esiste("u/inst"));
}

TEST_F(Impacchetta, FailedWriteIsNamedAndLeavesNoInstaller) {
  class file_system_pieno : public piattaforma::file_system_memoria {
   public:
    piattaforma::esito scrivi(const std::string& p, std::string_view c) override {
      if (p.starts_with("u/")) return piattaforma::esito::errore(p, "spazio esaurito sul dispositivo");
      return file_system_memoria::scrivi(p, c);
    }
  } pieno;
  pieno.file = fs.file;
  std::vector<std::string> argomenti = {"s", "Valle_Prova", "2317", "--output", "u/inst"};
  EXPECT_EQ(strumento_impacchetta::esegui_impacchetta(argomenti, pieno, "prog", uscita, errori), 1);
  EXPECT_EQ(errori.str(), "impacchetta_scenario: u/inst: spazio esaurito sul dispositivo\n");
  EXPECT_EQ(pieno.file.size(), fs.file.size());
}

TEST_F(Impacchetta, WrongCommandLinesAreRefusedWithTheUsage) {
  const std::pair<std::vector<std::string>, std::string> casi[] = {
      {{"s", "Valle_Prova", "2317"}, "--output vuole il nome dell'installatore da scrivere"},
      {{"s", "Valle_Prova", "--output", "u/inst"}, "servono la cartella, il nome di base e il codice del treno"},
      {{"s", "Valle_Prova", "2317", "x", "--output", "u/inst"}, "troppi argomenti: 'x'"},
      {{"s", "Valle_Prova", "2317", "--output"}, "--output vuole il nome dell'installatore da scrivere"},
      {{"s", "Valle_Prova", "2317", "--output="}, "--output vuole il nome dell'installatore da scrivere"},
      {{"s", "Valle_Prova", "2317", "--output", "u/inst", "--mac"}, "opzione sconosciuta '--mac'"},
      {{"s", "../Valle", "2317", "--output", "u/inst"},
       "il nome di base '../Valle' contiene '/', che un nome di file non ammette"},
      {{"s", "Valle_Prova", "23:17", "--output", "u/inst"},
       "il codice del treno '23:17' contiene ':', che un nome di file non ammette"},
  };
  for (const auto& [argomenti, motivo] : casi) {
    SCOPED_TRACE(motivo);
    errori.str("");
    EXPECT_EQ(esegui(argomenti), 2);
    EXPECT_EQ(errori.str(),
              "impacchetta_scenario: " + motivo +
                  "\nuso: impacchetta_scenario CARTELLA BASE CODICE --output FILE [--windows | --linux]\n");
  }
  EXPECT_FALSE(fs.esiste("u/inst"));
  EXPECT_EQ(esegui({"--help", "--bogus"}), 0);
  EXPECT_EQ(uscita.str().rfind("uso: impacchetta_scenario", 0), 0u);
  uscita.str("");
  EXPECT_EQ(esegui({"--version"}), 0);
  EXPECT_EQ(uscita.str().rfind("impacchetta_scenario ", 0), 0u);
}

}  // namespace
