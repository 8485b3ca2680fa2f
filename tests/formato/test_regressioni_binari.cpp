#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cartella_temporanea.h"
#include "proprieta.h"

namespace {

// Every kept input of the readers' fuzz target, and the embedded scenario's
// own files, hold the readers' property here too: run in the sanitizer
// build this catches the memory faults again.
TEST(RegressioniBinari, EveryKeptInputHoldsTheReadersProperty) {
  const std::filesystem::path dati(CARTELLA_DATI_TEST);
  std::vector<std::filesystem::path> file = {dati / "Ostrale_Fiorna_40817.sim", dati / "Ostrale_Fiorna_40817.dat",
                                             dati / "Ostrale_Fiorna_linea.dat"};
  for (const auto& voce : std::filesystem::directory_iterator(dati / "fuzz_binari")) file.push_back(voce.path());
  ASSERT_GT(file.size(), 3u);
  for (const auto& percorso : file) {
    SCOPED_TRACE(percorso.filename().string());
    EXPECT_EQ(proprieta::difetto_lettura(leggi_file(percorso)), "");
  }
}

}  // namespace
