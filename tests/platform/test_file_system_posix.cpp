#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cartella_temporanea.h"
#include "platform/file_system.h"
#include "platform/file_system_posix.h"
#include "pezzi_fissi.h"

namespace {

using piattaforma::sostituisci_file;

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

TEST(FileSystemPosix, RunnableByWhoeverMayReadIt) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string percorso = cartella / "installatore";
  scrivi_file(percorso, "#!/bin/sh\nexit 0\n");
  namespace fsys = std::filesystem;
  fsys::permissions(percorso, fsys::perms::owner_read | fsys::perms::owner_write | fsys::perms::group_read);
  ASSERT_TRUE(fs.rendi_eseguibile(percorso).riuscito());
  EXPECT_EQ(fsys::status(percorso).permissions(), fsys::perms::owner_read | fsys::perms::owner_write |
                                                      fsys::perms::owner_exec | fsys::perms::group_read |
                                                      fsys::perms::group_exec);
  const piattaforma::esito mancante = fs.rendi_eseguibile(cartella / "nessuno");
  EXPECT_EQ(mancante.messaggio(), cartella / "nessuno" + ": No such file or directory");
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

// A directory where the temporary file must go: the write fails, for root too.
TEST(FileSystemPosix, FailedWriteNamesTheTargetOnceWithTheSystemsReason) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.sim";
  scrivi_file(percorso, "vecchio");
  std::filesystem::create_directory(piattaforma::percorso_temporaneo(percorso));
  const auto esito = sostituisci_file(fs, percorso, "nuovo");
  EXPECT_FALSE(esito.mancante());
  EXPECT_EQ(esito.messaggio(), percorso + ": " + std::strerror(EISDIR));
  EXPECT_EQ(leggi_file(percorso), "vecchio");
}

TEST(FileSystemPosix, MissingFileIsNotFoundAndSaysWhichAndWhy) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string percorso = cartella / "manca.txt";
  std::string letto;
  for (const auto& esito : {fs.leggi(percorso, letto), fs.elimina(percorso)}) {
    EXPECT_TRUE(esito.mancante());
    EXPECT_EQ(esito.messaggio(), percorso + ": " + std::strerror(ENOENT));
  }
  EXPECT_TRUE(fs.rinomina(percorso, cartella / "altro.txt").mancante());
}

TEST(FileSystemPosix, WritesPiecesInOrderOverALongerFile) {
  for (const caso_pezzi& caso : casi_pezzi()) {
    SCOPED_TRACE(caso.nome);
    cartella_temporanea cartella;
    piattaforma::file_system_posix fs;
    const std::string percorso = cartella / "Ostrale_Fiorna_linea.dat";
    scrivi_file(percorso, std::string(400000, 'v'));
    pezzi_fissi pezzi(caso.pezzi);
    ASSERT_TRUE(sostituisci_file(fs, percorso, pezzi).riuscito());
    EXPECT_TRUE(leggi_file(percorso) == unisci(caso.pezzi));
    EXPECT_FALSE(std::filesystem::exists(piattaforma::percorso_temporaneo(percorso)));
  }
}

TEST(FileSystemPosix, MakesEveryMissingFolderAndNamesTheFileInTheWay) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string profonda = cartella / "a/b/c";
  ASSERT_TRUE(fs.crea_cartella(profonda).riuscito());
  EXPECT_TRUE(std::filesystem::is_directory(profonda));
  EXPECT_TRUE(fs.crea_cartella(profonda + "/").riuscito());  // already there
  scrivi_file(cartella / "a/file", "x");
  const piattaforma::esito in_mezzo = fs.crea_cartella(cartella / "a/file/d");
  EXPECT_EQ(in_mezzo.messaggio(), cartella / "a/file" + ": " + std::strerror(ENOTDIR));
}

}  // namespace
