#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"
#include "platform/file_system_memoria.h"
#include "pezzi_fissi.h"

namespace {

using piattaforma::sostituisci_file;

// Fails the step named in `guasto`, leaving the rest of the map intact.
class file_system_guasto : public piattaforma::file_system_memoria {
 public:
  std::string guasto;
  piattaforma::esito scrivi(const std::string& p, std::string_view c) override {
    if (guasto == "scrivi") {
      file[p] = std::string(c.substr(0, c.size() / 2));  // a torn write
      return piattaforma::esito::errore(p, "disco pieno");
    }
    return file_system_memoria::scrivi(p, c);
  }
  piattaforma::esito rinomina(const std::string& da, const std::string& a) override {
    if (guasto == "rinomina") return piattaforma::esito::errore(a, "accesso negato");
    return file_system_memoria::rinomina(da, a);
  }
  piattaforma::esito rendi_eseguibile(const std::string& p) override {
    if (guasto == "rendi_eseguibile") return piattaforma::esito::errore(p, "operazione non permessa");
    return file_system_memoria::rendi_eseguibile(p);
  }
};

TEST(SostituisciFile, ReplacesWholeContentInMemory) {
  piattaforma::file_system_memoria fs;
  fs.file["a.dat"] = std::string(100, 'x');
  ASSERT_TRUE(sostituisci_file(fs, "a.dat", "nuovo").riuscito());
  EXPECT_EQ(fs.file.size(), 1u);
  EXPECT_EQ(fs.file["a.dat"], "nuovo");
}

TEST(SostituisciFile, FailureKeepsOlderFileAndLeavesNoTemporary) {
  for (const std::string guasto : {"scrivi", "rinomina"}) {
    SCOPED_TRACE(guasto);
    file_system_guasto fs;
    fs.guasto = guasto;
    fs.file["a.dat"] = "vecchio";
    const auto esito = sostituisci_file(fs, "a.dat", "nuovo contenuto");
    EXPECT_FALSE(esito.riuscito());
    EXPECT_EQ(esito.percorso(), "a.dat");
    EXPECT_EQ(fs.file.size(), 1u);
    EXPECT_EQ(fs.file["a.dat"], "vecchio");
  }
}

TEST(SostituisciEseguibile, TheProgramArrivesWholeAndRunnable) {
  piattaforma::file_system_memoria fs;
  fs.file["inst"] = "vecchio programma, piu' lungo";
  ASSERT_TRUE(piattaforma::sostituisci_eseguibile(fs, "inst", "nuovo").riuscito());
  EXPECT_EQ(fs.file, (std::map<std::string, std::string>{{"inst", "nuovo"}}));
  EXPECT_EQ(fs.eseguibili, std::set<std::string>{"inst"});
}

TEST(SostituisciEseguibile, AnyFailedStepKeepsOlderFileAndLeavesNoTemporary) {
  for (const std::string guasto : {"scrivi", "rendi_eseguibile", "rinomina"}) {
    SCOPED_TRACE(guasto);
    file_system_guasto fs;
    fs.guasto = guasto;
    fs.file["inst"] = "vecchio";
    const auto esito = piattaforma::sostituisci_eseguibile(fs, "inst", "nuovo programma");
    EXPECT_FALSE(esito.riuscito());
    EXPECT_EQ(esito.percorso(), "inst");
    EXPECT_EQ(fs.file, (std::map<std::string, std::string>{{"inst", "vecchio"}}));
    EXPECT_TRUE(fs.eseguibili.empty());
  }
}

TEST(SostituisciFileAPezzi, JoinsThePiecesInOrderInMemory) {
  for (const caso_pezzi& caso : casi_pezzi()) {
    SCOPED_TRACE(caso.nome);
    piattaforma::file_system_memoria fs;
    fs.file["a.dat"] = std::string(400000, 'v');
    pezzi_fissi pezzi(caso.pezzi);
    ASSERT_TRUE(sostituisci_file(fs, "a.dat", pezzi).riuscito());
    EXPECT_EQ(fs.file.size(), 1u);
    EXPECT_TRUE(fs.file["a.dat"] == unisci(caso.pezzi));
  }
}

// A file system that knows nothing of pieces gets them joined through its own
// scrivi, so its faults still apply.
TEST(SostituisciFileAPezzi, FailureKeepsOlderFile) {
  for (const std::string guasto : {"scrivi", "rinomina"}) {
    SCOPED_TRACE(guasto);
    file_system_guasto fs;
    fs.guasto = guasto;
    fs.file["a.dat"] = "vecchio";
    pezzi_fissi pezzi({"nuovo ", "contenuto"});
    const auto esito = sostituisci_file(fs, "a.dat", pezzi);
    EXPECT_FALSE(esito.riuscito());
    EXPECT_EQ(esito.percorso(), "a.dat");
    EXPECT_EQ(fs.file.size(), 1u);
    EXPECT_EQ(fs.file["a.dat"], "vecchio");
  }
}

}  // namespace
