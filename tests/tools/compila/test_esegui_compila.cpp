#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "file_system_guasto.h"
#include "platform/cartella_riservata.h"
#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"
#include "scenario_piccolo.h"
#include "tools/compila/argomenti.h"
#include "tools/compila/esegui_compila.h"

namespace {

using strumento_compila::esegui_compila;

// Output files are joined with the platform's separator; the inputs are named as the author typed them.
std::string in_cartella(const char* cartella, const char* nome) { return piattaforma::unisci_percorso(cartella, nome); }

using scenario_piccolo::file_linea;
using scenario_piccolo::file_treno;
using scenario_piccolo::linea;
using scenario_piccolo::treno;

// The tool run on files held in memory.
struct CompilaScenarioRun : ::testing::Test {
  piattaforma::file_system_memoria fs;
  std::ostringstream uscita;
  std::ostringstream errori;

  int esegui(std::vector<std::string> argomenti) { return esegui_compila(argomenti, fs, uscita, errori); }

  int compila(const std::string& l, const std::string& t, std::vector<std::string> opzioni = {}) {
    fs.file[linea] = l;
    fs.file[treno] = t;
    std::vector<std::string> argomenti = {linea, treno};
    argomenti.insert(argomenti.end(), opzioni.begin(), opzioni.end());
    return esegui(argomenti);
  }

  std::vector<std::string> nomi_presenti() const {
    std::vector<std::string> nomi;
    for (const auto& [nome, contenuto] : fs.file) nomi.push_back(nome);
    return nomi;
  }
};

const std::vector<std::string> solo_sorgenti = {treno, linea};
// In the order the in-memory file system lists them.
std::vector<std::string> ordinati(std::vector<std::string> nomi) {
  std::sort(nomi.begin(), nomi.end());
  return nomi;
}

const std::vector<std::string> con_binari = ordinati(
    {treno, in_cartella("s", "Val_9.dat"), in_cartella("s", "Val_9.sim"), in_cartella("s", "Val_linea.dat"), linea});

// Each diagnostic form, whole lines compared: what the author sees for a fixture.
struct caso_diagnostica {
  const char* nome;
  std::string linea;
  std::string treno;
  int stato;
  std::string errori;
};

TEST_F(CompilaScenarioRun, EachDiagnosticFormNamesFileLineAndColumn) {
  const std::string segnale = "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n";
  const std::string fine =
      "compila_scenario: 1 errore, 0 avvisi: nessun file scritto; i file gia' presenti in s "
      "restano come erano\n";
  const caso_diagnostica casi[] = {
      {"error with a position, saying what holds the cell", file_linea(), file_treno(segnale + segnale), 1,
       "s/Val_9-.txt:6:1: errore 16: segnale su una cella occupata (posizione 1650 m): nella cella 34 c'e' gia' il "
       "segnale della riga 5 (compila_scenario --spiega 16)\n"
       "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\n"
       "^\n" +
           fine},
      {"error without a position", file_linea("", "ripetizione segnali codici, 1650, 2000\r\n"), file_treno(), 1,
       "s/Val_linea.txt:3:1: errore 5: ripetizione segnali senza 4 o 9 codici (compila_scenario --spiega 5)\n"
       "ripetizione segnali codici, 1650, 2000\n"
       "^\n" +
           fine},
      {"a value of the wrong kind points at the item and says what it is", file_linea(),
       file_treno("  sabbia,   abc\r\n"), 1,
       "s/Val_9-.txt:5:13: errore 25: errore di lettura dei dati: atteso un numero intero (numero a 16 bit); trovato "
       "la parola 'abc' (compila_scenario --spiega 25)\n"
       "  sabbia,   abc\n"
       "            ^\n" +
           fine},
      {"post-processing error names its slowdown's line", file_linea(),
       file_treno("abbattimento, 4800, 0\r\n"
                  "abbattimento, 4750, 0\r\n"
                  "abbattimento, 4700, 0\r\n"
                  "rallentamento,  2000,  120,  200, 0, 0, 0\r\n"
                  "\trallentamento,  5000,  120,  500, 0, 0, 0\r\n"),
       1,
       "s/Val_9-.txt:9:2: errore 12: nessuna cella libera prima dell'inizio del rallentamento (posizione 5050 m) "
       "(compila_scenario --spiega 12)\n"
       "\trallentamento,  5000,  120,  500, 0, 0, 0\n"
       "\t^\n" +
           fine},
      {"reserved places taken by a record", file_linea(), file_treno("abbattimento, 50, 100\r\n"), 1,
       "s/Val_9-.txt:5:1: errore 1250: posti dei contrassegni gia' occupati (compila_scenario --spiega 1250)\n"
       "abbattimento, 50, 100\n"
       "^\n" +
           fine},
      {"chainage error points at the value", file_linea("", "progressiva chilometrica uno, 25, 0, 0\r\n"), file_treno(),
       1,
       "s/Val_linea.txt:3:31: errore 2: progressiva chilometrica non multipla di 50 (compila_scenario --spiega 2)\n"
       "progressiva chilometrica uno, 25, 0, 0\n"
       "                              ^\n" +
           fine},
      {"warning with a suggestion", file_linea(), file_treno("segnal, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n"), 0,
       "s/Val_9-.txt:5:1: avviso[voce_sconosciuta]: voce 'segnal' non riconosciuta, ignorata; forse 'segnale'?\n"
       "segnal, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\n"
       "^\n"},
      {"warning without a suggestion", file_linea("tunnel, 300, 400\r\n"), file_treno(), 0,
       "s/Val_linea.txt:4:1: avviso[voce_sconosciuta]: voce 'tunnel' non riconosciuta, ignorata\n"
       "tunnel, 300, 400\n"
       "^\n"},
      {"dropped last record, in a service that gives too little", file_linea(),
       "[generale]\r\nvelocita, 0, 100\r\n  sabbia, 200\r\n", 0,
       "s/Val_9-.txt:3:3: avviso[record_perso]: 'sabbia' ignorato: il file non termina con \"[fine]\"\n"
       "  sabbia, 200\n"
       "  ^\n"
       "s/Val_9-.txt:1:1: avviso[servizio_vuoto]: il file del servizio non da' nessuna stazione e nessuna aderenza: "
       "ogni record viene dopo \"[generale]\"?\n"
       "[generale]\n"
       "^\n"},
      {"positions backwards, with what the entry does", file_linea(),
       file_treno("velocita, 5000, 120\r\nvelocita, 3000, 90\r\n"), 0,
       "s/Val_9-.txt:6:1: avviso[fuori_ordine]: 'velocita' a 3000 m viene dopo la voce a 5000 m: il limite di 90 "
       "km/h vale da 5050 m alla fine della linea\n"
       "velocita, 3000, 90\n"
       "^\n"},
      {"warnings and the error in the order met", file_linea("pendenza, 4000, 5\r\npendenza, 2000, 0\r\n"),
       file_treno("abbattimenti, 100\r\n" + segnale + segnale), 1,
       "s/Val_linea.txt:5:1: avviso[fuori_ordine]: 'pendenza' a 2000 m viene dopo la voce a 4000 m: la pendenza di 0 "
       "per mille vale da 4050 m alla fine della linea\n"
       "pendenza, 2000, 0\n"
       "^\n"
       "s/Val_9-.txt:5:1: avviso[voce_sconosciuta]: voce 'abbattimenti' non riconosciuta, ignorata; forse "
       "'abbattimento'?\n"
       "abbattimenti, 100\n"
       "^\n"
       "s/Val_9-.txt:7:1: errore 16: segnale su una cella occupata (posizione 1650 m): nella cella 34 c'e' gia' il "
       "segnale della riga 6 (compila_scenario --spiega 16)\n"
       "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\n"
       "^\n"
       "compila_scenario: 1 errore, 2 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    fs.file.clear();
    errori.str("");
    EXPECT_EQ(compila(caso.linea, caso.treno), caso.stato);
    EXPECT_EQ(errori.str(), caso.errori);
    // The author's files are only read; binary files only on success.
    EXPECT_EQ(fs.file[linea], caso.linea);
    EXPECT_EQ(fs.file[treno], caso.treno);
    EXPECT_EQ(nomi_presenti(), caso.stato == 0 ? con_binari : solo_sorgenti);
  }
}

TEST_F(CompilaScenarioRun, MissingLineFileIsNamedWithoutAPlace) {
  fs.file[treno] = file_treno();
  EXPECT_EQ(esegui({linea, treno}), 1);
  EXPECT_EQ(
      errori.str(),
      "s/Val_linea.txt: errore 101: file della linea mancante (compila_scenario --spiega 101)\n"
      "compila_scenario: 1 errore, 0 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n");
}

TEST_F(CompilaScenarioRun, MissingServiceFileIsNamedWithoutAPlace) {
  fs.file[linea] = file_linea();
  EXPECT_EQ(esegui({linea, treno}), 1);
  EXPECT_EQ(
      errori.str(),
      "s/Val_9-.txt: errore 25: errore di lettura dei dati: s/Val_9-.txt: file non trovato "
      "(compila_scenario --spiega 25)\n"
      "compila_scenario: 1 errore, 0 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n");
  EXPECT_EQ(nomi_presenti(), std::vector<std::string>{linea});
}

TEST_F(CompilaScenarioRun, StrictTurnsWarningsIntoFailureAndWritesNothing) {
  const std::string t = file_treno("sabia, 200\r\n");
  EXPECT_EQ(compila(file_linea(), t, {"--strict"}), 1);
  EXPECT_EQ(errori.str(),
            "s/Val_9-.txt:5:1: errore[voce_sconosciuta]: voce 'sabia' non riconosciuta, ignorata; forse 'sabbia'?\n"
            "sabia, 200\n"
            "^\n"
            "compila_scenario: 0 errori, 1 avviso con --strict: nessun file scritto; i file gia' presenti in s "
            "restano come erano\n");
  EXPECT_EQ(uscita.str(), "");
  EXPECT_EQ(nomi_presenti(), solo_sorgenti);
}

TEST_F(CompilaScenarioRun, CheckCompilesAndWritesNothing) {
  EXPECT_EQ(compila(file_linea(), file_treno(), {"--check"}), 0);
  EXPECT_EQ(nomi_presenti(), solo_sorgenti);
  EXPECT_EQ(errori.str(), "");
  EXPECT_NE(uscita.str().find("celle: 541\n"), std::string::npos) << uscita.str();
}

TEST_F(CompilaScenarioRun, OutputGoesToTheGivenDirectory) {
  EXPECT_EQ(compila(file_linea(), file_treno(), {"--output", "fuori"}), 0);
  const std::vector<std::string> attesi = ordinati({in_cartella("fuori", "Val_9.dat"), in_cartella("fuori", "Val_9.sim"),
                                                    in_cartella("fuori", "Val_linea.dat"), treno, linea});
  EXPECT_EQ(nomi_presenti(), attesi);
}

// --output makes the folder when it is missing; --check writes nothing but
// says up front when the folder could not be written, as the write would.
TEST_F(CompilaScenarioRun, OutputFolderIsMadeAndCheckedForWriting) {
  EXPECT_EQ(compila(file_linea(), file_treno(), {"--output", "nuova"}), 0);
  EXPECT_TRUE(fs.cartelle.contains("nuova"));
  EXPECT_TRUE(fs.esiste(in_cartella("nuova", "Val_9.sim")));
  EXPECT_NE(uscita.str().find("file scritti:\n  " + in_cartella("nuova", "Val_linea.dat") + "\n"), std::string::npos)
      << uscita.str();

  fs.file.clear();
  fs.sola_lettura.insert("chiusa");
  errori.str("");
  EXPECT_EQ(compila(file_linea(), file_treno(), {"--output", "chiusa", "--check"}), 1);
  EXPECT_EQ(errori.str(), "compila_scenario: la cartella non si potrebbe scrivere: chiusa: permesso negato\n");
  EXPECT_EQ(nomi_presenti(), solo_sorgenti);
  errori.str("");
  EXPECT_EQ(compila(file_linea(), file_treno(), {"--output", "chiusa"}), 1);
  EXPECT_EQ(errori.str(), "compila_scenario: chiusa: permesso negato\n");
  EXPECT_EQ(nomi_presenti(), solo_sorgenti);
}

TEST_F(CompilaScenarioRun, NoGeometryLeavesAnOlderGeometryFileAndWritesTheSameGrid) {
  EXPECT_EQ(compila(file_linea("curvas3, 1900, 600\r\n"), file_treno()), 0);
  const std::string celle = fs.file[in_cartella("s", "Val_9.dat")];
  const std::string tabella = fs.file[in_cartella("s", "Val_9.sim")];
  fs.file.clear();
  fs.file[in_cartella("s", "Val_linea.dat")] = "vecchio tracciato";
  fs.file[in_cartella("s", "Val_9.dat")] = "vecchie celle, piu' lunghe";
  EXPECT_EQ(compila(file_linea("curvas3, 1900, 600\r\n"), file_treno(), {"--no-geometry"}), 0);
  EXPECT_EQ(fs.file[in_cartella("s", "Val_linea.dat")], "vecchio tracciato");
  EXPECT_EQ(fs.file[in_cartella("s", "Val_9.dat")], celle);
  EXPECT_EQ(fs.file[in_cartella("s", "Val_9.sim")], tabella);
  EXPECT_EQ(errori.str(), "");  // a curve keyword is known even when curves are not built
}

TEST_F(CompilaScenarioRun, AFailedCompileLeavesOlderBinaryFilesAlone) {
  fs.file[in_cartella("s", "Val_9.dat")] = "vecchio";
  const std::string segnale = "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n";
  EXPECT_EQ(compila(file_linea(), file_treno(segnale + segnale)), 1);
  EXPECT_EQ(fs.file[in_cartella("s", "Val_9.dat")], "vecchio");
  EXPECT_FALSE(fs.esiste(in_cartella("s", "Val_9.sim")));
  EXPECT_EQ(uscita.str(), "");
}

// Another run writing the output folder for longer than the wait: this one
// says so and touches nothing. --check writes nothing and waits for nobody.
TEST_F(CompilaScenarioRun, AnOutputFolderAnotherRunKeepsWritingStopsTheRunTouchingNothing) {
  fs.occupate.insert("fuori");
  EXPECT_EQ(compila(file_linea(), file_treno(), {"--output", "fuori"}), 1);
  EXPECT_EQ(errori.str(), "compila_scenario: fuori: " +
                              piattaforma::ragione_cartella_occupata(piattaforma::attesa_cartella()) + "\n");
  EXPECT_EQ(nomi_presenti(), solo_sorgenti);
  EXPECT_EQ(uscita.str(), "");
  EXPECT_EQ(compila(file_linea(), file_treno(), {"--output", "fuori", "--check"}), 0);
  EXPECT_TRUE(fs.tenute.empty());
}

// A file the platform cannot read is the author's to fix (exit 1); a fault of
// the program is said as such, with its own status. Neither writes a binary
// or touches the author's files.
TEST_F(CompilaScenarioRun, AFaultOfTheProgramIsToldApartFromAFailureOfThePlatform) {
  using guasto = file_system_guasto::guasto;
  const struct {
    guasto tipo;
    int stato;
    std::string errori;
    // The compile's, the second compile's that looks for every error, and a
    // diagnostic's look at a file it could not read.
    int letture_guaste;
  } casi[] = {
      {guasto::lettura_fallita, strumento_compila::uscita_errori,
       treno + ": errore 25: errore di lettura dei dati: " + treno + ": " +
           std::string(file_system_guasto::ragione_lettura) + " (compila_scenario --spiega 25)\n" +
           "compila_scenario: 1 errore, 0 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n",
       3},
      {guasto::difetto_interno, strumento_compila::uscita_interna,
       "compila_scenario: errore interno del programma: " + std::string(file_system_guasto::ragione_difetto) + "\n", 1},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.errori);
    errori.str("");
    fs.file.clear();
    fs.file[linea] = file_linea();
    fs.file[treno] = file_treno();
    file_system_guasto guasto_fs(fs, caso.tipo, treno);
    const std::vector<std::string> argomenti = {linea, treno};
    EXPECT_EQ(esegui_compila(argomenti, guasto_fs, uscita, errori), caso.stato);
    EXPECT_EQ(errori.str(), caso.errori);
    EXPECT_EQ(guasto_fs.guasti_iniettati, caso.letture_guaste);
    EXPECT_EQ(nomi_presenti(), solo_sorgenti);
    EXPECT_EQ(fs.file[linea], file_linea());
    EXPECT_EQ(fs.file[treno], file_treno());
  }
  EXPECT_EQ(uscita.str(), "");
}

// Standard output that cannot be written (a full disk behind a redirection,
// `> /dev/full`): the summary is lost, and the run says so and fails.
TEST_F(CompilaScenarioRun, AFailedWriteToStandardOutputIsAFailure) {
  struct sempre_pieno : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
  } pieno;
  std::ostream uscita_piena(&pieno);
  fs.file[linea] = file_linea();
  fs.file[treno] = file_treno();
  const std::vector<std::string> argomenti = {linea, treno, "--check"};
  EXPECT_EQ(esegui_compila(argomenti, fs, uscita_piena, errori), strumento_compila::uscita_errori);
  EXPECT_EQ(errori.str(), "compila_scenario: scrittura sullo standard output non riuscita\n");
  const std::vector<std::string> aiuto = {"--help"};
  EXPECT_EQ(esegui_compila(aiuto, fs, uscita_piena, errori), strumento_compila::uscita_errori);
}

TEST_F(CompilaScenarioRun, UsageErrorsExitTwoAndShowTheForm) {
  const std::string uso = strumento_compila::testo_uso() + "\n";
  const struct {
    std::vector<std::string> argomenti;
    std::string errori;
  } casi[] = {
      {{linea}, "compila_scenario: servono il file della linea e il file del servizio\n" + uso},
      {{linea, treno, "--fast"}, "compila_scenario: opzione sconosciuta '--fast'\n" + uso},
      {{"s/Val.txt", treno},
       "compila_scenario: il nome del file della linea deve avere la forma BASE_linea.txt, non 'Val.txt'\n" + uso},
      {{linea, "s/Monte_9-.txt"},
       "compila_scenario: il nome del file del servizio deve avere la forma Val_CODICE-.txt, non 'Monte_9-.txt'\n" +
           uso},
  };
  fs.file[linea] = file_linea();
  fs.file[treno] = file_treno();
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.errori);
    errori.str("");
    EXPECT_EQ(esegui(caso.argomenti), 2);
    EXPECT_EQ(errori.str(), caso.errori);
    EXPECT_EQ(nomi_presenti(), solo_sorgenti);
  }
}

TEST_F(CompilaScenarioRun, HelpAndVersionGoToStandardOutput) {
  EXPECT_EQ(esegui({"--version"}), 0);
  EXPECT_EQ(uscita.str().rfind("compila_scenario ", 0), 0u);
  uscita.str("");
  EXPECT_EQ(esegui({"--help"}), 0);
  EXPECT_EQ(uscita.str(), strumento_compila::testo_aiuto());
  EXPECT_EQ(errori.str(), "");
}

// The embedded scenario's own description files, compiled on disk: the same
// bytes as the main program's files, and the author's files untouched.
TEST(CompilaScenarioReale, EmbeddedScenarioGivesTheMainProgramsFiles) {
  const std::filesystem::path dati(CARTELLA_DATI_TEST);
  cartella_temporanea cartella;
  const std::string linea_txt = leggi_file(dati / "Ostrale_Fiorna_linea.txt");
  const std::string treno_txt = leggi_file(dati / "Ostrale_Fiorna_40817-.txt");
  scrivi_file(cartella.percorso() / "Ostrale_Fiorna_linea.txt", linea_txt);
  scrivi_file(cartella.percorso() / "Ostrale_Fiorna_40817-.txt", treno_txt);

  std::ostringstream uscita;
  std::ostringstream errori;
  const std::vector<std::string> argomenti = {cartella / "Ostrale_Fiorna_linea.txt",
                                              cartella / "Ostrale_Fiorna_40817-.txt"};
  ASSERT_EQ(esegui_compila(argomenti, piattaforma::sistema_reale().file(), uscita, errori), 0) << errori.str();
  EXPECT_EQ(errori.str(), "");
  // Counted from the description files; the codes worked out by hand from "40817ostrale_fiornaaabbcc".
  // No warning at all: every check passes on the scenario the simulator ships with.
  const auto scritto = [&cartella](const char* nome) { return (cartella.percorso() / nome).string() + "\n"; };
  EXPECT_EQ(uscita.str(),
            "lunghezza della linea: 152000 m\n"
            "celle: 3181\n"
            "stazioni: 22\n"
            "segnali: 74\n"
            "rallentamenti: 2\n"
            "indicatori di velocita': 30\n"
            "cartelli indicatori: 6\n"
            "codice di identificazione della tabella: 32595\n"
            "codice di identificazione delle celle: 2344\n"
            "avvisi: 0\n"
            "file scritti:\n"
            "  " +
                scritto("Ostrale_Fiorna_linea.dat") + "  " + scritto("Ostrale_Fiorna_40817.sim") + "  " +
                scritto("Ostrale_Fiorna_40817.dat"));
  for (const char* nome : {"Ostrale_Fiorna_linea.dat", "Ostrale_Fiorna_40817.sim", "Ostrale_Fiorna_40817.dat"}) {
    SCOPED_TRACE(nome);
    EXPECT_TRUE(leggi_file(cartella.percorso() / nome) == leggi_file(dati / nome));
  }
  EXPECT_EQ(leggi_file(cartella.percorso() / "Ostrale_Fiorna_linea.txt"), linea_txt);
  EXPECT_EQ(leggi_file(cartella.percorso() / "Ostrale_Fiorna_40817-.txt"), treno_txt);
  std::size_t quanti = 0;
  for ([[maybe_unused]] const auto& voce : std::filesystem::directory_iterator(cartella.percorso())) ++quanti;
  EXPECT_EQ(quanti, 5u);
}

}  // namespace
