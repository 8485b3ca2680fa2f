// The running platform's own file system, whichever it is: what every
// platform must do alike, run on Linux and under Wine. What only one platform
// has (links, FIFOs, the lock file) is in its own test file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "platform/cartella_riservata.h"
#include "platform/file_system.h"
#include "platform/piattaforma.h"

namespace {

piattaforma::file_system& reale() { return piattaforma::sistema_reale().file(); }

std::ptrdiff_t voci_in(const cartella_temporanea& cartella) {
  return std::distance(std::filesystem::directory_iterator(cartella.percorso()), std::filesystem::directory_iterator());
}

// Creating new never opens or truncates what is there: the caller learns the
// name is taken and tries another.
TEST(FileSystemReale, WritingCreatesNewOrFailsAsTaken) {
  cartella_temporanea cartella;
  const std::string esistente = cartella / "esistente";
  scrivi_file(esistente, "vecchio");
  const piattaforma::esito e = reale().scrivi(esistente, "nuovo");
  EXPECT_TRUE(e.gia_presente()) << e.messaggio();
  EXPECT_TRUE(e.messaggio().starts_with(esistente + ": ")) << e.messaggio();
  EXPECT_EQ(leggi_file(esistente), "vecchio");
}

TEST(FileSystemReale, AFileLargerThanTheMostIsRefusedUnread) {
  cartella_temporanea cartella;
  const std::string percorso = cartella / "Ostrale_Fiorna_40817.dat";
  scrivi_file(percorso, std::string(100, 'c'));
  std::string letto;
  ASSERT_TRUE(reale().leggi_al_massimo(percorso, letto, 100).riuscito());
  EXPECT_EQ(letto.size(), 100u);
  letto = "prima";
  EXPECT_EQ(reale().leggi_al_massimo(percorso, letto, 99).messaggio(),
            percorso + ": file troppo grande: 100 byte, al massimo 99");
  EXPECT_EQ(letto, "prima");
}

TEST(FileSystemReale, ListsAFolderAndTellsOneFileByAnyOfItsNames) {
  cartella_temporanea cartella;
  const std::string a = cartella / "a.sim";
  scrivi_file(a, "a");
  scrivi_file(cartella / "b.dat", "b");
  std::vector<std::string> nomi;
  ASSERT_TRUE(reale().elenca(cartella.percorso().string(), nomi).riuscito());
  std::sort(nomi.begin(), nomi.end());
  EXPECT_EQ(nomi, (std::vector<std::string>{"a.sim", "b.dat"}));
  EXPECT_TRUE(reale().elenca(cartella / "manca", nomi).mancante());

  EXPECT_TRUE(reale().stesso_file(a, cartella / "./x/../a.sim"));
  EXPECT_FALSE(reale().stesso_file(a, cartella / "b.dat"));
  // Files not there yet: the same once "." and ".." are resolved.
  EXPECT_TRUE(reale().stesso_file(cartella / "nuovo.svg", cartella / "./nuovo.svg"));
  EXPECT_FALSE(reale().stesso_file(cartella / "nuovo.svg", cartella / "altro.svg"));
}

// Two holds in one process are two runs (flock belongs to the open folder,
// the lock file to its handle). The second waits, then says so and holds
// nothing; once the first lets go it holds the folder, and nothing of the
// hold stays in the folder.
TEST(FileSystemReale, OneRunHoldsAFolderAtATime) {
  cartella_temporanea cartella;
  const std::string percorso = cartella.percorso().string();
  std::unique_ptr<piattaforma::blocco_cartella> primo;
  ASSERT_TRUE(reale().blocca(percorso, std::chrono::milliseconds(0), primo).riuscito());
  ASSERT_NE(primo, nullptr);

  std::unique_ptr<piattaforma::blocco_cartella> secondo;
  const auto inizio = std::chrono::steady_clock::now();
  const piattaforma::esito atteso = reale().blocca(percorso, std::chrono::milliseconds(300), secondo);
  const auto attesa = std::chrono::steady_clock::now() - inizio;
  EXPECT_EQ(atteso.messaggio(), percorso +
                                    ": un'altra esecuzione sta scrivendo in questa cartella: attesi 0,3 s, "
                                    "nessun file \xE8 stato toccato");
  EXPECT_EQ(secondo, nullptr);
  EXPECT_GE(attesa, std::chrono::milliseconds(300));

  primo.reset();
  EXPECT_EQ(voci_in(cartella), 0) << "the hold outlived its run";
  ASSERT_TRUE(reale().blocca(percorso, std::chrono::milliseconds(1000), secondo).riuscito());
  EXPECT_NE(secondo, nullptr);

  // A folder that is not there cannot be held, and stops nothing.
  std::unique_ptr<piattaforma::blocco_cartella> nessuno;
  EXPECT_TRUE(reale().blocca(cartella / "manca", std::chrono::milliseconds(0), nessuno).riuscito());
  EXPECT_EQ(nessuno, nullptr);
}

// The leftovers of a killed run on a real folder: gone once it is held
// again; a file that only looks like one stays.
TEST(FileSystemReale, LeftoverTemporariesOfAKilledRunGoOnceTheFolderIsHeld) {
  cartella_temporanea cartella;
  const std::string bersaglio = cartella / "Ostrale_Fiorna_40817.sim";
  scrivi_file(piattaforma::percorso_temporaneo(bersaglio, "0123456789abcdef"), "strappato");
  const std::string quasi = bersaglio + ".nuovo-0123";
  scrivi_file(quasi, "dell'autore");
  const std::vector<std::string> bersagli = {bersaglio};
  {
    piattaforma::cartella_riservata riservata;
    ASSERT_TRUE(riservata.prendi(reale(), cartella.percorso().string(), bersagli).riuscito());
    EXPECT_TRUE(riservata.tenuta());
  }
  EXPECT_EQ(voci_in(cartella), 1);
  EXPECT_EQ(leggi_file(quasi), "dell'autore");
}

}  // namespace
