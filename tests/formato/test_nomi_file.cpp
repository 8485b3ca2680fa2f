#include <gtest/gtest.h>

#include <string>

#include "formato/nomi_file.h"
#include "platform/piattaforma.h"

namespace {

TEST(NomiFile, EveryNameIsFormedWithThePlatformSeparator) {
  const formato::nomi_file n = formato::forma_nomi("/p", "Ostrale_Fiorna", "40817");
  const std::string s(1, piattaforma::separatore);
  EXPECT_EQ(n.linea_txt, "/p" + s + "Ostrale_Fiorna_linea.txt");
  EXPECT_EQ(n.treno_txt, "/p" + s + "Ostrale_Fiorna_40817-.txt");
  EXPECT_EQ(n.note_txt, "/p" + s + "Ostrale_Fiorna_40817_note.txt");
  EXPECT_EQ(n.rallentamenti_txt, "/p" + s + "Ostrale_Fiorna_40817_rallentamenti.txt");
  EXPECT_EQ(n.scheda_txt, "/p" + s + "Ostrale_Fiorna_40817_scheda_treno.txt");
  EXPECT_EQ(n.tracciato_dat, "/p" + s + "Ostrale_Fiorna_linea.dat");
  EXPECT_EQ(n.tabella_sim, "/p" + s + "Ostrale_Fiorna_40817.sim");
  EXPECT_EQ(n.celle_dat, "/p" + s + "Ostrale_Fiorna_40817.dat");
}

}  // namespace
