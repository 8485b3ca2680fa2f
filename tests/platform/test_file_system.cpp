#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cartella_temporanea.h"
#include "platform/file_system.h"
#include "platform/file_system_memoria.h"
#include "platform/file_system_posix.h"

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

TEST(FileSystemPosix, ReplacesLongerFileAndLeavesNoTemporary) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.dat";
  scrivi_file(percorso, std::string(5000, 'v'));
  ASSERT_TRUE(sostituisci_file(fs, percorso, std::string("ab\0cd", 5)).riuscito());
  EXPECT_EQ(leggi_file(percorso), std::string("ab\0cd", 5));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.percorso()),
                          std::filesystem::directory_iterator()),
            1);
  std::string letto;
  ASSERT_TRUE(fs.leggi(percorso, letto).riuscito());
  EXPECT_EQ(letto, std::string("ab\0cd", 5));
  EXPECT_TRUE(fs.elimina(percorso).riuscito());
  EXPECT_FALSE(fs.esiste(percorso));
}

TEST(FileSystemPosix, ReadOnlyDirectoryKeepsOlderFileAndNamesIt) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root writes into read-only directories; covered by the fault-injecting file system";
  }
  cartella_temporanea cartella;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.sim";
  scrivi_file(percorso, "vecchio");
  std::filesystem::permissions(cartella.percorso(),
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  piattaforma::file_system_posix fs;
  const auto esito = sostituisci_file(fs, percorso, "nuovo");
  EXPECT_FALSE(esito.riuscito());
  EXPECT_NE(esito.messaggio().find("Ostrale_Fiorna_40817.sim"), std::string::npos);
  EXPECT_EQ(leggi_file(percorso), "vecchio");
}

TEST(FileSystemPosix, ReadOfMissingFileSaysWhichAndWhy) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  std::string letto;
  const auto esito = fs.leggi(cartella / "manca.txt", letto);
  ASSERT_FALSE(esito.riuscito());
  EXPECT_NE(esito.messaggio().find("manca.txt"), std::string::npos);
  EXPECT_NE(esito.messaggio().find("No such file"), std::string::npos);
}

// Hands out the given pieces, then the empty one that ends the content.
class pezzi_fissi : public piattaforma::pezzi_contenuto {
 public:
  explicit pezzi_fissi(std::vector<std::string> pezzi) : pezzi_(std::move(pezzi)) {}
  std::string_view prossimo() override { return dato_ < pezzi_.size() ? std::string_view(pezzi_[dato_++]) : ""; }

 private:
  std::vector<std::string> pezzi_;
  std::size_t dato_ = 0;
};

struct caso_pezzi {
  const char* nome;
  std::vector<std::string> pezzi;
};

const std::vector<caso_pezzi>& casi_pezzi() {
  static const std::vector<caso_pezzi> casi = {
      {"nessun pezzo", {}},
      {"uno", {"nuovo"}},
      {"con zeri e grandi", {std::string("ab\0cd", 5), std::string(300000, 'x'), "fine"}},
  };
  return casi;
}

std::string unisci(const std::vector<std::string>& pezzi) {
  std::string tutto;
  for (const auto& p : pezzi) tutto += p;
  return tutto;
}

TEST(SostituisciFileAPezzi, WritesThePiecesInOrderOnBothFileSystems) {
  for (const caso_pezzi& caso : casi_pezzi()) {
    SCOPED_TRACE(caso.nome);
    piattaforma::file_system_memoria memoria;
    memoria.file["a.dat"] = std::string(400000, 'v');
    pezzi_fissi in_memoria(caso.pezzi);
    ASSERT_TRUE(sostituisci_file(memoria, "a.dat", in_memoria).riuscito());
    EXPECT_EQ(memoria.file.size(), 1u);
    EXPECT_TRUE(memoria.file["a.dat"] == unisci(caso.pezzi));

    cartella_temporanea cartella;
    piattaforma::file_system_posix posix;
    const std::string percorso = cartella / "Ostrale_Fiorna_linea.dat";
    scrivi_file(percorso, std::string(400000, 'v'));
    pezzi_fissi su_disco(caso.pezzi);
    ASSERT_TRUE(sostituisci_file(posix, percorso, su_disco).riuscito());
    EXPECT_TRUE(leggi_file(percorso) == unisci(caso.pezzi));
    EXPECT_FALSE(std::filesystem::exists(piattaforma::percorso_temporaneo(percorso)));
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
