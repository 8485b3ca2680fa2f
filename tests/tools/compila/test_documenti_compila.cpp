#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "file_system_guasto.h"
#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"
#include "tools/compila/esegui_compila.h"

namespace {

std::string dato(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/valle/" + nome); }
std::string in_s(const std::string& nome) { return piattaforma::unisci_percorso("s", nome); }

const std::string linea = "s/Valle_Prova_linea.txt";
const std::string treno = "s/Valle_Prova_2317-.txt";
const std::vector<std::string> documenti = {"Valle_Prova_2317_scheda_treno.txt", "Valle_Prova_2317_rallentamenti.txt",
                                            "Valle_Prova_2317_note.txt"};

// The fixture scenario of tests/dati/valle held in memory, the tool run on it.
struct CompilaDocumenti : ::testing::Test {
  piattaforma::file_system_memoria fs;
  std::ostringstream uscita;
  std::ostringstream errori;

  CompilaDocumenti() {
    fs.file[linea] = dato("Valle_Prova_linea.txt");
    fs.file[treno] = dato("Valle_Prova_2317-.txt");
    fs.file[in_s("Valle_Prova_2317_documenti.txt")] = dato("Valle_Prova_2317_documenti.txt");
  }

  int esegui(std::vector<std::string> opzioni) {
    std::vector<std::string> argomenti = {linea, treno};
    argomenti.insert(argomenti.end(), opzioni.begin(), opzioni.end());
    return strumento_compila::esegui_compila(argomenti, fs, uscita, errori);
  }
};

TEST_F(CompilaDocumenti, WritesTheThreeDocumentsBesideTheBinaryFiles) {
  ASSERT_EQ(esegui({"--documenti"}), 0) << errori.str();
  EXPECT_EQ(errori.str(), "");
  for (const std::string& nome : documenti) EXPECT_EQ(fs.file[in_s(nome)], dato(nome)) << nome;
  EXPECT_TRUE(fs.esiste(in_s("Valle_Prova_2317.sim")));
  EXPECT_EQ(fs.file.size(), 3u + 3u + 3u);
}

// The binary files and the documents are one set: a write that fails on any
// of them leaves every older one as it was, and no temporary behind.
TEST_F(CompilaDocumenti, AFailedWriteOfAnyOutputLeavesTheWholeOlderSet) {
  std::vector<std::string> uscite = {"Valle_Prova_linea.dat", "Valle_Prova_2317.sim", "Valle_Prova_2317.dat"};
  uscite.insert(uscite.end(), documenti.begin(), documenti.end());
  for (const std::string& guasta : uscite) {
    for (const auto tipo :
         {file_system_guasto::guasto::scrittura_a_meta, file_system_guasto::guasto::chiusura_fallita}) {
      SCOPED_TRACE(guasta);
      const auto sorgenti = fs.file;
      for (const std::string& nome : uscite) fs.file[in_s(nome)] = "vecchio " + nome;
      const auto prima = fs.file;
      file_system_guasto guasto_fs(fs, tipo, in_s(guasta));
      errori.str("");
      const std::vector<std::string> argomenti = {linea, treno, "--documenti"};
      EXPECT_EQ(strumento_compila::esegui_compila(argomenti, guasto_fs, uscita, errori), 1);
      EXPECT_EQ(guasto_fs.guasti_iniettati, 1);
      EXPECT_EQ(errori.str().rfind("compila_scenario: " + in_s(guasta) + ": ", 0), 0u) << errori.str();
      EXPECT_EQ(fs.file, prima);
      fs.file = sorgenti;
    }
  }
}

TEST_F(CompilaDocumenti, OutputDirectoryTakesTheDocumentsAndTheTemplateStaysWithTheDescriptions) {
  ASSERT_EQ(esegui({"--documenti", "--output", "u"}), 0) << errori.str();
  for (const std::string& nome : documenti) {
    EXPECT_EQ(fs.file[piattaforma::unisci_percorso("u", nome)], dato(nome)) << nome;
    EXPECT_FALSE(fs.esiste(in_s(nome)));
  }
}

TEST_F(CompilaDocumenti, WithoutTheAuthorsFileTheBoxesItFillsStayBlank) {
  fs.file.erase(in_s("Valle_Prova_2317_documenti.txt"));
  ASSERT_EQ(esegui({"--documenti"}), 0) << errori.str();
  EXPECT_EQ(fs.file[in_s("Valle_Prova_2317_note.txt")],
            "Simulazione del treno 2317 nel tratto Piana Del Lago - Monte Alto.\r\n" + std::string(10, ' ') + "\r\n" +
                std::string(18, ' ') + "Buon divertimento\r\n");
  const std::string& scheda = fs.file[in_s("Valle_Prova_2317_scheda_treno.txt")];
  EXPECT_NE(scheda.find(" |                   |              |                   |\r\n"), std::string::npos);
  EXPECT_NE(scheda.find("|     V120     |"), std::string::npos);
}

TEST_F(CompilaDocumenti, UnreadableAuthorsFileIsShownAtItsLineAndNothingIsWritten) {
  fs.file[in_s("Valle_Prova_2317_documenti.txt")] = "rango, A\r\nmassa bloccata 150\r\n";
  EXPECT_EQ(esegui({"--documenti"}), 1);
  EXPECT_EQ(
      errori.str(),
      in_s("Valle_Prova_2317_documenti.txt") +
          ":2:1: errore: manca la virgola tra la voce 'massa bloccata' e il suo valore\n"
          "massa bloccata 150\n"
          "^\n"
          "compila_scenario: 1 errore, 0 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n");
  EXPECT_EQ(fs.file.size(), 3u);
}

TEST_F(CompilaDocumenti, DocumentsThatCannotBeMadeStopTheWholeCompileBeforeAnyFile) {
  // A chainage that falls below km 0 before the destination: from km 1.000 down at 8 km.
  std::string& l = fs.file[linea];
  l.replace(l.find("8000,    40000,    0"), 20, "8000,    1000,    1");
  EXPECT_EQ(esegui({"--documenti"}), 1);
  EXPECT_EQ(
      errori.str(),
      "compila_scenario: errore: documenti non generati: a 9500 m la progressiva chilometrica vale -500 m, "
      "fuori dalla colonna dei documenti (da 0 a 999.999 km)\n"
      "compila_scenario: 1 errore, 0 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n");
  EXPECT_EQ(fs.file.size(), 3u);
}

TEST_F(CompilaDocumenti, CheckMakesTheDocumentsButWritesNothing) {
  EXPECT_EQ(esegui({"--documenti", "--check"}), 0);
  EXPECT_EQ(fs.file.size(), 3u);
}

TEST_F(CompilaDocumenti, StrictCountsANameCutToItsColumn) {
  std::string& t = fs.file[treno];
  t.replace(t.find("CASALE"), 6, "CASALE DI SOPRA SUL MONTE ALTO");
  EXPECT_EQ(esegui({"--documenti", "--strict"}), 1);
  EXPECT_EQ(errori.str(),
            "compila_scenario: errore[nome_tagliato]: scheda treno: 'CASALE DI SOPRA SUL MONTE ALTO' tagliato a 27 "
            "caratteri: 'CASALE DI SOPRA SUL MONTE A'\n"
            "compila_scenario: 0 errori, 1 avviso con --strict: nessun file scritto; i file gia' presenti in s "
            "restano come erano\n");
  EXPECT_EQ(fs.file.size(), 3u);
}

}  // namespace
