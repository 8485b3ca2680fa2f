#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

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

TEST(FileSystemWindows, MakesEveryMissingFolderAndNamesTheFileInTheWay) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string profonda = cartella / "a\\b/c";  // either separator
  ASSERT_TRUE(fs.crea_cartella(profonda).riuscito());
  EXPECT_TRUE(std::filesystem::is_directory(profonda));
  EXPECT_TRUE(fs.crea_cartella(profonda).riuscito());  // already there
  scrivi_file(cartella / "a\\file", "x");
  const piattaforma::esito in_mezzo = fs.crea_cartella(cartella / "a\\file\\d");
  EXPECT_EQ(in_mezzo.messaggio(), cartella / "a\\file" + ": " + piattaforma::ragione_di_sistema(ERROR_DIRECTORY));
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

// Windows' own ways of naming one file: either separator, any case.
TEST(FileSystemWindows, NamesDifferingInCaseOrSeparatorAreOneFile) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string a = cartella / "a.sim";
  scrivi_file(a, "a");
  EXPECT_TRUE(fs.stesso_file(a, cartella / ".\\x\\..\\A.SIM"));
  EXPECT_TRUE(fs.stesso_file(cartella / "nuovo.svg", cartella / ".\\nuovo.svg"));
}

// The hold is a lock file, there only while it is held. One found
// there and held by nobody (copied in, say) is taken over, not waited on,
// and goes with the hold.
TEST(FileSystemWindows, TheLockFileIsThereOnlyWhileHeld) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string blocco = cartella / piattaforma::file_system_windows::nome_file_blocco;
  scrivi_file(blocco, "rimasto");
  {
    std::unique_ptr<piattaforma::blocco_cartella> tenuta;
    ASSERT_TRUE(fs.blocca(cartella.percorso().string(), std::chrono::milliseconds(0), tenuta).riuscito());
    ASSERT_NE(tenuta, nullptr);
    EXPECT_EQ(voci_in(cartella.percorso()), 1);
  }
  EXPECT_EQ(voci_in(cartella.percorso()), 0);
}

}  // namespace
