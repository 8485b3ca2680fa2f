#include <gtest/gtest.h>

#include <string>

#include "tools/compila/diagnostica.h"

namespace {

using strumento_compila::diagnostica;
using strumento_compila::punto_sorgente;
using strumento_compila::riga_di;

const std::string sorgente = "[generale]\r\n\tsegnale, 10\r\nultima";

TEST(Diagnostica, SourceLineAndCaretUnderTheColumnKeepingTabs) {
  EXPECT_EQ(diagnostica("f.txt", punto_sorgente{2, 11}, "avviso: x", sorgente),
            "f.txt:2:11: avviso: x\n"
            "\tsegnale, 10\n"
            "\t         ^\n");
  EXPECT_EQ(diagnostica("f.txt", punto_sorgente{1, 1}, "errore 5: y", sorgente),
            "f.txt:1:1: errore 5: y\n"
            "[generale]\n"
            "^\n");
}

TEST(Diagnostica, NoPlaceOrNoSourceGivesTheFileAlone) {
  EXPECT_EQ(diagnostica("f.txt", std::nullopt, "errore 101: z", sorgente), "f.txt: errore 101: z\n");
  EXPECT_EQ(diagnostica("f.txt", punto_sorgente{2, 3}, "errore 25: z", std::nullopt), "f.txt: errore 25: z\n");
}

TEST(Diagnostica, APlacePastTheLastLineShowsNoSource) {
  EXPECT_EQ(diagnostica("f.txt", punto_sorgente{4, 1}, "errore 25: z", sorgente), "f.txt:4:1: errore 25: z\n");
}

// A long line (a whole file written on one line, a runaway text) is shown
// only around the column: at most 100 characters on each side, the cuts marked.
TEST(Diagnostica, ALongLineIsShownAroundTheColumn) {
  std::string riga(1000, 'x');
  riga[0] = 'A';
  riga[499] = 'M';
  riga[999] = 'Z';
  const std::string puntini = "...";
  const struct {
    std::int32_t colonna;
    std::string mostrata;
    std::size_t caret;  // the caret's column in the line shown
  } casi[] = {
      {1, riga.substr(0, 200) + puntini, 1},
      {500, puntini + riga.substr(399, 200) + puntini, 104},
      {1000, puntini + riga.substr(800), 203},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.colonna);
    const std::string d = diagnostica("f.txt", punto_sorgente{1, caso.colonna}, "avviso[x]: y", riga);
    EXPECT_EQ(d, "f.txt:1:" + std::to_string(caso.colonna) + ": avviso[x]: y\n" + caso.mostrata + "\n" +
                     std::string(caso.caret - 1, ' ') + "^\n");
    // The caret stands under the character the column names.
    EXPECT_EQ(caso.mostrata[caso.caret - 1], riga[static_cast<std::size_t>(caso.colonna) - 1]);
  }
}

TEST(Diagnostica, LinesEndWhereTheReaderEndsThem) {
  const std::string testo = "a\r\nb\nc\rd\r\n\r\ne";
  const char* attese[] = {"a", "b", "c", "d", "", "e"};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(riga_di(testo, i + 1));
    EXPECT_EQ(*riga_di(testo, i + 1), attese[i]);
  }
  EXPECT_FALSE(riga_di(testo, 7));
  EXPECT_FALSE(riga_di(testo, 0));
  EXPECT_FALSE(riga_di("a\r\n", 2));
}

TEST(Diagnostica, ErrorMessagesCarryThePositionOnlyWhereTheErrorHasOneAndEndWithTheHint) {
  EXPECT_EQ(strumento_compila::messaggio_errore(16, 1650),
            "errore 16: segnale su una cella occupata (posizione 1650 m) (compila_scenario --spiega 16)");
  EXPECT_EQ(strumento_compila::messaggio_errore(5, 1650),
            "errore 5: ripetizione segnali senza 4 o 9 codici (compila_scenario --spiega 5)");
  EXPECT_EQ(strumento_compila::messaggio_errore(25, 1650, "atteso un numero"),
            "errore 25: errore di lettura dei dati: atteso un numero (compila_scenario --spiega 25)");
}

}  // namespace
