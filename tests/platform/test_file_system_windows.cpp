#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "platform/file_system.h"
#include "platform/file_system_windows.h"
#include "platform/testo_windows.h"

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

// The message names the target once, never the temporary, and then the
// system's reason: "C:\gioco\X.sim: Accesso negato.", say.
TEST(FileSystemWindows, FailureKeepsOlderFileAndNamesTheTargetOnce) {
  // The write fails: the folder is not there.
  {
    cartella_temporanea cartella;
    piattaforma::file_system_windows fs;
    const std::string percorso = cartella / "manca\\Ostrale_Fiorna_40817.sim";
    const auto esito = sostituisci_file(fs, percorso, "nuovo contenuto");
    EXPECT_TRUE(esito.mancante());
    EXPECT_EQ(esito.messaggio(), percorso + ": " + piattaforma::ragione_di_sistema(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(voci_in(cartella.percorso()), 0);
  }
  // The rename fails: the target is held open without delete sharing.
  {
    cartella_temporanea cartella;
    piattaforma::file_system_windows fs;
    const std::string percorso = cartella / "Ostrale_Fiorna_40817.sim";
    scrivi_file(percorso, "vecchio");
    std::ifstream aperto(percorso, std::ios::binary);
    const auto esito = sostituisci_file(fs, percorso, "nuovo contenuto");
    aperto.close();
    EXPECT_FALSE(esito.mancante());
    EXPECT_EQ(esito.messaggio(), percorso + ": " + piattaforma::ragione_di_sistema(ERROR_ACCESS_DENIED));
    EXPECT_EQ(leggi_file(percorso), "vecchio");
    EXPECT_EQ(voci_in(cartella.percorso()), 1);
  }
}

TEST(FileSystemWindows, MissingFileIsNotFoundAndSaysWhichAndWhy) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string percorso = cartella / "manca.txt";
  std::string letto;
  for (const auto& esito : {fs.leggi(percorso, letto), fs.elimina(percorso)}) {
    EXPECT_TRUE(esito.mancante());
    EXPECT_EQ(esito.messaggio(), percorso + ": " + piattaforma::ragione_di_sistema(ERROR_FILE_NOT_FOUND));
  }
  EXPECT_TRUE(fs.rinomina(percorso, cartella / "altro.txt").mancante());
  EXPECT_FALSE(fs.esiste(percorso));
}

// The system's reason is one line of text, without the trailing CR LF of its table.
TEST(TestoWindows, SystemReasonIsOneLine) {
  for (DWORD codice : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_DISK_FULL}) {
    const std::string ragione = piattaforma::ragione_di_sistema(codice);
    SCOPED_TRACE(ragione);
    EXPECT_FALSE(ragione.empty());
    EXPECT_EQ(ragione.find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(ragione.back(), ' ');
  }
}

// CREATE_NEW: what is at the path is never opened or truncated.
TEST(FileSystemWindows, WritingCreatesNewOrFailsAsTaken) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string percorso = cartella / "esistente";
  scrivi_file(percorso, "vecchio");
  const piattaforma::esito e = fs.scrivi(percorso, "nuovo");
  EXPECT_TRUE(e.gia_presente()) << e.messaggio();
  EXPECT_EQ(e.messaggio(), percorso + ": " + piattaforma::ragione_di_sistema(ERROR_FILE_EXISTS));
  EXPECT_EQ(leggi_file(percorso), "vecchio");
}

// A folder or a device is no file to read or to replace.
TEST(FileSystemWindows, FoldersAndDevicesAreRefusedAsInputAndAsTarget) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string sottocartella = cartella / "cartella";
  std::filesystem::create_directory(sottocartella);
  std::string letto = "prima";
  EXPECT_EQ(fs.leggi(sottocartella, letto).messaggio(), sottocartella + ": non \xE8 un file ma una cartella");
  EXPECT_EQ(sostituisci_file(fs, sottocartella, "nuovo").messaggio(),
            sottocartella + ": non \xE8 un file ma una cartella");
  EXPECT_EQ(fs.leggi("NUL", letto).messaggio(), "NUL: non \xE8 un file ordinario ma un dispositivo");
  EXPECT_EQ(letto, "prima");
  EXPECT_EQ(voci_in(cartella.percorso()), 1);
}

TEST(FileSystemWindows, AFileLargerThanTheMostIsRefusedUnread) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.dat";
  scrivi_file(percorso, std::string(100, 'c'));
  std::string letto;
  ASSERT_TRUE(fs.leggi_al_massimo(percorso, letto, 100).riuscito());
  EXPECT_EQ(letto.size(), 100u);
  EXPECT_EQ(fs.leggi_al_massimo(percorso, letto, 99).messaggio(),
            percorso + ": file troppo grande: 100 byte, al massimo 99");
}

TEST(FileSystemWindows, ListsAFolderAndTellsOneFileByAnyOfItsNames) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string a = cartella / "a.sim";
  scrivi_file(a, "a");
  scrivi_file(cartella / "b.dat", "b");
  std::vector<std::string> nomi;
  ASSERT_TRUE(fs.elenca(cartella.percorso().string(), nomi).riuscito());
  std::sort(nomi.begin(), nomi.end());
  EXPECT_EQ(nomi, (std::vector<std::string>{"a.sim", "b.dat"}));
  EXPECT_TRUE(fs.stesso_file(a, cartella / ".\\x\\..\\A.SIM"));
  EXPECT_FALSE(fs.stesso_file(a, cartella / "b.dat"));
  EXPECT_TRUE(fs.stesso_file(cartella / "nuovo.svg", cartella / ".\\nuovo.svg"));
}

// The lock file, shared with nobody: a second hold, in this process or
// another, waits and then says so; once the first lets go the file is gone
// and the folder can be held again.
TEST(FileSystemWindows, OneRunHoldsAFolderAtATime) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string percorso = cartella.percorso().string();
  std::unique_ptr<piattaforma::blocco_cartella> primo;
  ASSERT_TRUE(fs.blocca(percorso, std::chrono::milliseconds(0), primo).riuscito());
  ASSERT_NE(primo, nullptr);
  EXPECT_EQ(voci_in(cartella.percorso()), 1);

  std::unique_ptr<piattaforma::blocco_cartella> secondo;
  const auto inizio = std::chrono::steady_clock::now();
  const piattaforma::esito atteso = fs.blocca(percorso, std::chrono::milliseconds(300), secondo);
  EXPECT_GE(std::chrono::steady_clock::now() - inizio, std::chrono::milliseconds(300));
  EXPECT_EQ(atteso.messaggio(), percorso +
                                    ": un'altra esecuzione sta scrivendo in questa cartella: attesi 0,3 s, "
                                    "nessun file \xE8 stato toccato");
  EXPECT_EQ(secondo, nullptr);

  primo.reset();
  EXPECT_EQ(voci_in(cartella.percorso()), 0) << "the lock file outlived its hold";
  ASSERT_TRUE(fs.blocca(percorso, std::chrono::milliseconds(1000), secondo).riuscito());
  EXPECT_NE(secondo, nullptr);

  std::unique_ptr<piattaforma::blocco_cartella> nessuno;
  EXPECT_TRUE(fs.blocca(cartella / "manca", std::chrono::milliseconds(0), nessuno).riuscito());
  EXPECT_EQ(nessuno, nullptr);
}

}  // namespace
