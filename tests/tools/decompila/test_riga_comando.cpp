#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "platform/file_system_memoria.h"
#include "scenario_compilato.h"
#include "tools/decompila/argomenti_decompila.h"

// The command line of decompila_scenario and what it does with the files
// already there.

namespace {

const std::string dati = CARTELLA_DATI_TEST;

struct uso_sbagliato {
  std::vector<std::string> argomenti;
  std::string motivo;
};

TEST(DecompilaRigaComando, AWrongCommandLineSaysWhyAndExits2) {
  const uso_sbagliato casi[] = {
      {{}, "servono CARTELLA, BASE e CODICE, ricevuti 0 argomenti"},
      {{"c", "Base"}, "servono CARTELLA, BASE e CODICE, ricevuti 2 argomenti"},
      {{"c", "Base", "1", "altro"}, "servono CARTELLA, BASE e CODICE, ricevuti 4 argomenti"},
      {{"c", "Base", "1", "--output"}, "--output vuole una cartella"},
      {{"c", "Base", "1", "--output="}, "--output vuole una cartella"},
      {{"c", "Base", "1", "--no-geometry"}, "opzione sconosciuta '--no-geometry'"},
      {{"c", "", "1"}, "CARTELLA, BASE e CODICE non possono essere vuoti"},
  };
  for (const uso_sbagliato& c : casi) {
    piattaforma::file_system_memoria fs;
    const auto d = prova_decompila::decompila(fs, c.argomenti);
    EXPECT_EQ(d.stato, 2);
    EXPECT_EQ(d.errori, "decompila_scenario: " + c.motivo + "\n" + decompila::testo_uso() + "\n");
    EXPECT_TRUE(fs.file.empty());
  }
}

TEST(DecompilaRigaComando, HelpAndVersionGoToTheOutput) {
  piattaforma::file_system_memoria fs;
  const auto aiuto = prova_decompila::decompila(fs, {"--help"});
  EXPECT_EQ(aiuto.stato, 0);
  EXPECT_EQ(aiuto.uscita, decompila::testo_aiuto());
  const auto versione = prova_decompila::decompila(fs, {"c", "--version"});
  EXPECT_EQ(versione.stato, 0);
  EXPECT_EQ(versione.uscita.rfind("decompila_scenario ", 0), 0u);
}

// A name that begins with "-" after "--", and --output=CARTELLA.
TEST(DecompilaRigaComando, ReadsNamesAfterTwoDashesAndOutputWithEquals) {
  const std::vector<std::string> a = {"--output=o", "--", "-c", "Base", "1"};
  const decompila::lettura_argomenti l = decompila::leggi_argomenti(a);
  ASSERT_TRUE(l.valida) << l.errore;
  EXPECT_EQ(l.valida->cartella, "-c");
  EXPECT_EQ(l.valida->cartella_uscita, "o");
}

class DecompilaFileEsistenti : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* nome : {"Ostrale_Fiorna_linea.dat", "Ostrale_Fiorna_40817.sim", "Ostrale_Fiorna_40817.dat"}) {
      fs.file[std::string("c" SEPARATORE_PROVA) + nome] = leggi_file(dati + "/" + nome);
    }
  }
  piattaforma::file_system_memoria fs;
};

// Without --output the descriptions go beside the compiled files.
TEST_F(DecompilaFileEsistenti, WritesBesideTheCompiledFilesByDefault) {
  const auto d = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817"});
  EXPECT_EQ(d.stato, 0) << d.errori;
  EXPECT_EQ(fs.file["c" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"],
            leggi_file(dati + "/decompilati/Ostrale_Fiorna_linea.txt"));
  EXPECT_EQ(d.uscita,
            "scritti c" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt e c" SEPARATORE_PROVA
            "Ostrale_Fiorna_40817-.txt\n"
            "  linea di 152000 m: curve 41, pendenze 28, montagne 2, indicatori di velocit\xE0 30, cartelli 6\n"
            "  servizio: stazioni 22, rallentamenti 2, segnali 74, abbattimenti 0\n"
            "ricompilata, d\xE0 gli stessi byte dei file letti\n");
}

// An author's description may be there already: it is replaced only when asked.
TEST_F(DecompilaFileEsistenti, LeavesExistingDescriptionsAloneUnlessForced) {
  fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_40817-.txt"] = "a mano";
  const auto rifiutato = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "o"});
  EXPECT_EQ(rifiutato.stato, 1);
  EXPECT_EQ(rifiutato.errori, "decompila_scenario: o" SEPARATORE_PROVA
                              "Ostrale_Fiorna_40817-.txt esiste gi\xE0: nessun file scritto (--force per "
                              "sostituirlo)\n");
  EXPECT_EQ(fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_40817-.txt"], "a mano");
  EXPECT_FALSE(fs.esiste("o" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"));

  const auto sostituito = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "o", "--force"});
  EXPECT_EQ(sostituito.stato, 0) << sostituito.errori;
  EXPECT_EQ(fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_40817-.txt"],
            leggi_file(dati + "/decompilati/Ostrale_Fiorna_40817-.txt"));
}

// A missing output folder is made; a file in its place stops the run with nothing written.
TEST_F(DecompilaFileEsistenti, MakesTheOutputFolderAndNamesAFileInItsPlace) {
  const auto fatta = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "nuova"});
  EXPECT_EQ(fatta.stato, 0) << fatta.errori;
  EXPECT_TRUE(fs.cartelle.contains("nuova"));
  EXPECT_TRUE(fs.esiste("nuova" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"));

  fs.file["occupata"] = "un file";
  const auto rifiutata = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "occupata"});
  EXPECT_EQ(rifiutata.stato, 1);
  EXPECT_EQ(rifiutata.errori, "decompila_scenario: occupata: esiste gia' un file con questo nome\n");
  EXPECT_FALSE(fs.esiste("occupata" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"));
}

TEST_F(DecompilaFileEsistenti, NoCompiledFilesNoDescription) {
  const auto d = prova_decompila::decompila(fs, {"c", "Altro", "1", "--output", "o"});
  EXPECT_EQ(d.stato, 1);
  EXPECT_NE(d.errori.find("decompila_scenario: c" SEPARATORE_PROVA "Altro_1.sim: "), std::string::npos) << d.errori;
  EXPECT_NE(d.errori.find("decompila_scenario: nessun file compilato da leggere: nessun file scritto\n"),
            std::string::npos);
  EXPECT_FALSE(fs.esiste("o" SEPARATORE_PROVA "Altro_linea.txt"));
}

// The names inside the table are the scenario's own: files renamed since give other codes.
TEST_F(DecompilaFileEsistenti, RenamedFilesAreToldTheirTableSaysOtherNames) {
  for (const char* nome : {"linea.dat", "40817.sim", "40817.dat"}) {
    fs.file[std::string("c" SEPARATORE_PROVA "Altra_") + nome] =
        fs.file[std::string("c" SEPARATORE_PROVA "Ostrale_Fiorna_") + nome];
  }
  const auto d = prova_decompila::decompila(fs, {"c", "Altra", "40817", "--output", "o"});
  EXPECT_EQ(d.stato, 1);
  EXPECT_EQ(d.errori,
            "decompila_scenario: c" SEPARATORE_PROVA
            "Altra_40817.sim: voce 85: lo scenario si chiama 'Ostrale_Fiorna', treno '40817', "
            "i file 'Altra', treno '40817': la descrizione compilata prende i nomi dei file, e con essi codici di "
            "identificazione nuovi\n"
            "decompila_scenario: la descrizione scritta non riproduce i punti segnalati\n");
}

}  // namespace
