#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "cartella_temporanea.h"
#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "compiler/scrivi_binari.h"
#include "formato/campi.h"
#include "formato/scrivi_binari.h"
#include "platform/file_system_memoria.h"
#include "proprieta.h"

namespace {

// The fuzz target's split: the line file, this mark, the service file.
constexpr std::string_view separatore_file = "%%%%";

// Every input that ever broke the compile, and hostile inputs made by hand,
// go through the same path as under the fuzzer. Run in the sanitizer build
// this catches the memory faults again; here it holds the outcome to a known
// error number, or to a result the writers can write.
TEST(RegressioniFuzz, EveryStoredInputEndsInAKnownOutcome) {
  const std::filesystem::path cartella = std::filesystem::path(CARTELLA_DATI_TEST) / "fuzz";
  int letti = 0;
  for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
    SCOPED_TRACE(voce.path().filename().string());
    const std::string ingresso = leggi_file(voce.path());
    const std::size_t taglio = ingresso.find(separatore_file);
    piattaforma::file_system_memoria fs;
    const compilatore::sorgenti sorgenti{"p/linea.txt", "p/treno.txt"};
    fs.file[sorgenti.linea] = ingresso.substr(0, taglio);
    fs.file[sorgenti.treno] = taglio == std::string::npos ? "" : ingresso.substr(taglio + separatore_file.size());

    const compilatore::compilato fatto = compilatore::compila(fs, sorgenti, {"Ostrale_Fiorna", "40817", 1, true});
    ++letti;
    // The line file is always consumed; the service file stays only when the line file stopped the parse.
    EXPECT_FALSE(fs.esiste(sorgenti.linea));
    const auto pulito = fatto.pulito();
    if (!pulito) {
      EXPECT_FALSE(compilatore::descrizione_errore(fatto.errore.codice_errore).empty()) << fatto.errore.codice_errore;
      continue;
    }
    EXPECT_FALSE(fs.esiste(sorgenti.treno));
    EXPECT_EQ(formato::contenuto_celle(fatto.m.celle).size(), fatto.m.celle.size() * formato::byte_cella);
    const compilatore::file_binari binari{"p/a.dat", "p/b.sim", "p/c.dat"};
    EXPECT_TRUE(compilatore::scrivi_compilato(fs, binari, *pulito).riuscito());
    // The fuzz target's round trip: the readers give back the model written.
    EXPECT_EQ(proprieta::difetto_ritorno(fs, binari, fatto.m), "");
  }
  EXPECT_GT(letti, 0);
}

}  // namespace
