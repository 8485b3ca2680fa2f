#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "documents/riga_scheda.h"

namespace {

using documenti::voce_scheda;

TEST(RigaScheda, MalformedValuesAreRefusedNotMisaligned) {
  struct caso {
    const char* nome;
    voce_scheda voce;
  };
  const caso casi[] = {
      {"place of 28 characters", {0, "349.970", std::string(28, 'A'), documenti::senza_orario(), ""}},
      {"kilometres without three decimals", {0, "349.97", "Km 349.97", documenti::senza_orario(), ""}},
      {"speed of five digits", {12345, "349.970", "Km 349.970", documenti::senza_orario(), ""}},
      {"recovery of four characters", {0, "349.970", "Km 349.970", documenti::senza_orario(), "10.5"}},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    EXPECT_ANY_THROW(documenti::riga_scheda(c.voce));
  }
  EXPECT_THROW(documenti::orario_transito("7.05"), std::invalid_argument);
  EXPECT_THROW(documenti::orario_fermata("17.10", "17:11"), std::invalid_argument);
}

TEST(RigaScheda, PlaceOfTwentySevenCharactersFillsTheColumn) {
  const std::string luogo(27, 'A');
  const std::string riga = documenti::riga_scheda({0, "349.970", luogo, documenti::senza_orario(), ""});
  EXPECT_EQ(riga, " |     |     | 349.970  |     | " + luogo + "|                |     |");
}

}  // namespace
