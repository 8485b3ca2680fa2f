#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "cartella_temporanea.h"
#include "pezzi_fissi.h"
#include "platform/file_system.h"
#include "platform/file_system_delegato.h"
#include "platform/file_system_posix.h"

namespace {

using piattaforma::sostituisci_file;

std::ptrdiff_t voci_in(const cartella_temporanea& cartella) {
  return std::distance(std::filesystem::directory_iterator(cartella.percorso()), std::filesystem::directory_iterator());
}

TEST(FileSystemPosix, ReplacesLongerFileAndLeavesNoTemporary) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.dat";
  scrivi_file(percorso, std::string(5000, 'v'));
  ASSERT_TRUE(sostituisci_file(fs, percorso, std::string("ab\0cd", 5)).riuscito());
  EXPECT_EQ(leggi_file(percorso), std::string("ab\0cd", 5));
  EXPECT_EQ(voci_in(cartella), 1);
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

// A write that fails halfway on a real disk (the process may write no more
// than 1000 bytes a file): the older file stays, no temporary is left, and the
// message names the target once with the system's reason. For root too.
TEST(FileSystemPosix, WriteFailingHalfwayKeepsOlderFileAndLeavesNoTemporary) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.sim";
  scrivi_file(percorso, "vecchio");
  rlimit prima{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &prima), 0);
  rlimit piccolo = prima;
  piccolo.rlim_cur = 1000;
  const auto segnale = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &piccolo), 0);
  const auto esito = sostituisci_file(fs, percorso, std::string(5000, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &prima);
  ::signal(SIGXFSZ, segnale);
  EXPECT_FALSE(esito.mancante());
  EXPECT_EQ(esito.messaggio(), percorso + ": " + std::strerror(EFBIG));
  EXPECT_EQ(leggi_file(percorso), "vecchio");
  EXPECT_EQ(voci_in(cartella), 1);
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
    EXPECT_EQ(voci_in(cartella), 1);
  }
}

// A test that would hang on a FIFO ends the process instead, failing loudly.
class limite_di_tempo {
 public:
  limite_di_tempo() { ::alarm(20); }
  ~limite_di_tempo() { ::alarm(0); }
  limite_di_tempo(const limite_di_tempo&) = delete;
  limite_di_tempo& operator=(const limite_di_tempo&) = delete;
};

// What an attacker can plant at a path, and what the path then is.
enum class piantato { collegamento, fifo, file };

void pianta(piantato cosa, const std::string& percorso, const std::string& fuori) {
  switch (cosa) {
    case piantato::collegamento: std::filesystem::create_symlink(fuori, percorso); break;
    case piantato::fifo: ASSERT_EQ(::mkfifo(percorso.c_str(), 0600), 0); break;
    case piantato::file: scrivi_file(percorso, "altrui"); break;
  }
}

// Plants something at the first temporary name the replace tries, just
// before the platform creates it: the race an attacker with a shared folder can win.
class file_system_insidiato : public piattaforma::file_system_delegato {
 public:
  file_system_insidiato(piattaforma::file_system& sotto, piantato cosa, std::string fuori)
      : file_system_delegato(sotto), cosa_(cosa), fuori_(std::move(fuori)) {}
  piattaforma::esito scrivi_a_pezzi(const std::string& percorso, piattaforma::pezzi_contenuto& pezzi) override {
    if (primo.empty()) {
      primo = percorso;
      pianta(cosa_, percorso, fuori_);
    }
    return file_system_delegato::scrivi_a_pezzi(percorso, pezzi);
  }
  piattaforma::esito scrivi(const std::string& percorso, std::string_view contenuto) override {
    piattaforma::pezzo_unico pezzo(contenuto);
    return scrivi_a_pezzi(percorso, pezzo);
  }
  std::string primo;

 private:
  piantato cosa_;
  std::string fuori_;
};

// Nothing outside the folder changes, the planted thing is left as it was,
// the target is a regular file with the new content, and nothing waits.
TEST(FileSystemPosix, WhatIsPlantedAtATemporaryNameIsNeverOpenedFollowedOrRemoved) {
  limite_di_tempo limite;
  for (const piantato cosa : {piantato::collegamento, piantato::fifo, piantato::file}) {
    SCOPED_TRACE(static_cast<int>(cosa));
    cartella_temporanea cartella;
    cartella_temporanea altrove;
    const std::string fuori = altrove / ".bashrc";
    scrivi_file(fuori, "intatto");
    piattaforma::file_system_posix reale;
    file_system_insidiato fs(reale, cosa, fuori);
    const std::string percorso = cartella / "Ostrale_Fiorna_40817.sim";
    ASSERT_TRUE(sostituisci_file(fs, percorso, "nuovo").riuscito());
    EXPECT_EQ(leggi_file(fuori), "intatto");
    EXPECT_EQ(leggi_file(percorso), "nuovo");
    EXPECT_EQ(reale.genere(percorso), piattaforma::genere_file::regolare);
    EXPECT_EQ(reale.genere(fs.primo), cosa == piantato::collegamento ? piattaforma::genere_file::collegamento
                                      : cosa == piantato::fifo       ? piattaforma::genere_file::fifo
                                                                     : piattaforma::genere_file::regolare);
    EXPECT_EQ(voci_in(cartella), 2);
  }
}

// As rename does: the link at the target goes, what it pointed at stays.
TEST(FileSystemPosix, ALinkAtTheTargetIsReplacedNotFollowed) {
  cartella_temporanea cartella;
  cartella_temporanea altrove;
  const std::string fuori = altrove / ".bashrc";
  scrivi_file(fuori, "intatto");
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.sim";
  std::filesystem::create_symlink(fuori, percorso);
  piattaforma::file_system_posix fs;
  ASSERT_TRUE(sostituisci_file(fs, percorso, "nuovo").riuscito());
  EXPECT_EQ(leggi_file(fuori), "intatto");
  EXPECT_EQ(fs.genere(percorso), piattaforma::genere_file::regolare);
  EXPECT_EQ(leggi_file(percorso), "nuovo");
}

// A folder, a FIFO or a device is no file to read or to replace: refused by
// name before anything is opened that could wait or never end.
TEST(FileSystemPosix, FoldersFifosAndDevicesAreRefusedAsInputAndAsTarget) {
  limite_di_tempo limite;
  cartella_temporanea cartella;
  const std::string sottocartella = cartella / "cartella";
  std::filesystem::create_directory(sottocartella);
  const std::string fifo = cartella / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string verso_zero = cartella / "zero";
  std::filesystem::create_symlink("/dev/zero", verso_zero);
  struct caso {
    std::string percorso;
    const char* ragione;
  };
  const caso casi[] = {
      {sottocartella, "non \xE8 un file ma una cartella"},
      {fifo, "non \xE8 un file ordinario ma una FIFO"},
      {"/dev/null", "non \xE8 un file ordinario ma un dispositivo"},
      {verso_zero, "non \xE8 un file ordinario ma un dispositivo"},
  };
  piattaforma::file_system_posix fs;
  for (const caso& c : casi) {
    SCOPED_TRACE(c.percorso);
    std::string letto = "prima";
    EXPECT_EQ(fs.leggi(c.percorso, letto).messaggio(), c.percorso + ": " + c.ragione);
    EXPECT_EQ(fs.leggi_al_massimo(c.percorso, letto, 10).messaggio(), c.percorso + ": " + c.ragione);
    EXPECT_EQ(letto, "prima");
  }
  // As targets: a link is replaced, so only what is there itself is refused.
  for (const caso& c : {casi[0], casi[1], casi[2]}) {
    SCOPED_TRACE(c.percorso);
    EXPECT_EQ(sostituisci_file(fs, c.percorso, "nuovo").messaggio(), c.percorso + ": " + c.ragione);
  }
  EXPECT_EQ(voci_in(cartella), 3);
  EXPECT_EQ(fs.genere(fifo), piattaforma::genere_file::fifo);
}

// Creating new never follows a link there to the file it names.
TEST(FileSystemPosix, WritingNewNeverFollowsALink) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string esistente = cartella / "esistente";
  scrivi_file(esistente, "vecchio");
  const std::string collegamento = cartella / "collegamento";
  std::filesystem::create_symlink(esistente, collegamento);
  const piattaforma::esito e = fs.scrivi(collegamento, "nuovo");
  EXPECT_TRUE(e.gia_presente()) << e.messaggio();
  EXPECT_EQ(e.messaggio(), collegamento + ": " + std::strerror(EEXIST));
  EXPECT_EQ(leggi_file(esistente), "vecchio");
  EXPECT_TRUE(fs.stesso_file(esistente, collegamento));
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

// Whether a folder could be written is told without making anything; a file
// where a folder goes is refused by both.
TEST(FileSystemPosix, FoldersAreMadeOnTheWayDownAndCheckedWithoutMakingThem) {
  cartella_temporanea cartella;
  piattaforma::file_system_posix fs;
  const std::string nuova = (cartella.percorso() / "a" / "b" / "c").string();
  EXPECT_TRUE(fs.cartella_scrivibile(nuova).riuscito());
  EXPECT_FALSE(std::filesystem::exists(cartella.percorso() / "a"));
  EXPECT_TRUE(fs.crea_cartella(nuova).riuscito());
  EXPECT_TRUE(std::filesystem::is_directory(nuova));
  EXPECT_TRUE(fs.crea_cartella(nuova + "/").riuscito());  // already there

  const std::string file = (cartella.percorso() / "un_file").string();
  ASSERT_TRUE(sostituisci_file(fs, file, "x").riuscito());
  for (const std::string& sotto : {file, file + "/d"}) {
    SCOPED_TRACE(sotto);
    const piattaforma::esito scrivibile = fs.cartella_scrivibile(sotto);
    EXPECT_FALSE(scrivibile.riuscito());
    EXPECT_NE(scrivibile.messaggio().find(file), std::string::npos) << scrivibile.messaggio();
    EXPECT_FALSE(fs.crea_cartella(sotto).riuscito());
  }
}

}  // namespace
