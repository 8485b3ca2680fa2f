#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cartella_temporanea.h"
#include "platform/file_system.h"
#include "platform/file_system_windows.h"

namespace {

using piattaforma::sostituisci_file;

std::ptrdiff_t voci_in(const std::filesystem::path& cartella) {
  return std::distance(std::filesystem::directory_iterator(cartella), std::filesystem::directory_iterator());
}

TEST(FileSystemWindows, ReplacesLongerFileAndLeavesNoTemporary) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.dat";
  scrivi_file(percorso, std::string(70000, 'v'));
  const std::string nuovo("ab\0c\r\nd\x1A", 8);  // NUL, CR LF and ^Z pass through untouched
  ASSERT_TRUE(sostituisci_file(fs, percorso, nuovo).riuscito());
  EXPECT_EQ(leggi_file(percorso), nuovo);
  EXPECT_EQ(voci_in(cartella.percorso()), 1);
  std::string letto;
  ASSERT_TRUE(fs.leggi(percorso, letto).riuscito());
  EXPECT_EQ(letto, nuovo);
  EXPECT_TRUE(fs.elimina(percorso).riuscito());
  EXPECT_FALSE(fs.esiste(percorso));
}

TEST(FileSystemWindows, ReadsAndWritesMoreThanOneBlock) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string percorso = cartella / "Ostrale_Fiorna_linea.dat";
  std::string grande(200000, '\0');
  for (std::size_t i = 0; i < grande.size(); ++i) grande[i] = static_cast<char>(i * 7 % 251);
  ASSERT_TRUE(fs.scrivi(percorso, grande).riuscito());
  std::string letto;
  ASSERT_TRUE(fs.leggi(percorso, letto).riuscito());
  EXPECT_EQ(letto, grande);
}

TEST(FileSystemWindows, FailureKeepsOlderFileAndNamesIt) {
  struct caso {
    const char* nome;
    bool occupa_temporaneo;  // a directory where the temporary file must go: the write fails
    bool tiene_aperto;       // the target held open without delete sharing: the rename fails
  };
  const caso casi[] = {
      {"write fails", true, false},
      {"rename fails", false, true},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    cartella_temporanea cartella;
    piattaforma::file_system_windows fs;
    const std::string percorso = cartella / "Ostrale_Fiorna_40817.sim";
    scrivi_file(percorso, "vecchio");
    if (c.occupa_temporaneo) std::filesystem::create_directory(piattaforma::percorso_temporaneo(percorso));
    std::ifstream aperto;
    if (c.tiene_aperto) aperto.open(percorso, std::ios::binary);

    const auto esito = sostituisci_file(fs, percorso, "nuovo contenuto");
    aperto.close();

    EXPECT_FALSE(esito.riuscito());
    EXPECT_NE(esito.messaggio().find("Ostrale_Fiorna_40817.sim"), std::string::npos) << esito.messaggio();
    EXPECT_EQ(leggi_file(percorso), "vecchio");
    if (!c.occupa_temporaneo) {
      EXPECT_EQ(voci_in(cartella.percorso()), 1);
    }
  }
}

TEST(FileSystemWindows, ReadOfMissingFileSaysWhichAndWhy) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string percorso = cartella / "manca.txt";
  std::string letto;
  const auto esito = fs.leggi(percorso, letto);
  ASSERT_FALSE(esito.riuscito());
  const std::string& messaggio = esito.messaggio();
  ASSERT_EQ(messaggio.rfind(percorso + ": ", 0), 0u) << messaggio;
  // The system's reason follows on the same line, without its trailing CR LF.
  const std::string ragione = messaggio.substr(percorso.size() + 2);
  EXPECT_FALSE(ragione.empty());
  EXPECT_EQ(ragione.find_first_of("\r\n"), std::string::npos) << ragione;
  EXPECT_FALSE(fs.esiste(percorso));
  EXPECT_FALSE(fs.elimina(percorso).riuscito());
}

}  // namespace
