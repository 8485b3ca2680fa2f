#include <gtest/gtest.h>

#include <string>

#include "compiler/memorizza_dati.h"
#include "formato/voci.h"
#include "prova_parser.h"

using compilatore::cella;

namespace {

class LineaTest : public ::testing::Test {
 protected:
  void compila(const std::string& corpo_linea, const std::string& corpo_treno = "") {
    p.esegui(file_linea(corpo_linea), file_treno(corpo_treno));
  }
  const cella& c(int i) { return p.m.celle.at(static_cast<std::size_t>(i)); }
  prova_parser p;
};

TEST_F(LineaTest, LengthSizesGridAndGeometryAndBothFilesGo) {
  compila("");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(p.m.n_celle, 3180);
  EXPECT_EQ(p.m.celle.size(), 3181u);
  EXPECT_EQ(p.m.lunghezza_estesa, 159000);
  EXPECT_EQ(p.m.punti.ultimo_indice(), 159000);
  EXPECT_EQ(p.m.tabella[formato::voce_lunghezza].fine, 152000);
  EXPECT_EQ(p.m.tabella[formato::voce_nome_base].nome, "Ostrale_Fiorna");
  EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].nome, "40817");
  EXPECT_FALSE(p.resta_linea());
  EXPECT_FALSE(p.resta_treno());
}

TEST_F(LineaTest, AuthorFilesAreNeverDeleted) {
  p.o.elimina_descrizioni = false;
  compila("");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_TRUE(p.resta_linea());
  EXPECT_TRUE(p.resta_treno());
}

TEST_F(LineaTest, LineLengthLimit) {
  p.esegui(file_linea("", "1000000"), file_treno(""));
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(p.m.n_celle, 20140);
  p.esegui(file_linea("", "1000001"), file_treno(""));
  EXPECT_EQ(p.errore.codice_errore, 1);
  EXPECT_FALSE(p.m.ha_griglia());
  EXPECT_EQ(p.errore.posizione_errore, prova_parser::posizione_iniziale);
}

TEST_F(LineaTest, SignalRepetition) {
  struct caso {
    const char* riga;
    int codice;
    int inizio, fine, conteggio;
  } casi[] = {
      {"ripetizione segnali 4 codici, 1650, 152000", 0, 1650, 152000, 4},
      {"ripetizione segnali 4 codici, 1650, 0", 0, 1650, 0, 0},
      {"ripetizione segnali 9 codici, 100, 200", 0, 100, 200, 9},
      {"ripetizione segnali 49 codici, 100, 200", 0, 100, 200, 4},
      {"ripetizione segnali 4 codici, 1625, 152000", 3, 1625, 152000, 0},
      {"ripetizione segnali 4 codici, 1650, 152010", 4, 1650, 152010, 0},
      {"ripetizione segnali codici, 1650, 152000", 5, 1650, 152000, 0},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.riga);
    p.esegui(std::string("[generale]\r\nlunghezza percorso, 152000\r\n") + k.riga + "\r\n[curve]\r\n[fine]\r\n",
             file_treno(""));
    EXPECT_EQ(p.errore.codice_errore, k.codice);
    EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].inizio, k.inizio);
    EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].fine, k.fine);
    EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].progressiva, k.conteggio);
  }
}

TEST_F(LineaTest, GeneralSectionRecordsCommentsAndCase) {
  p.esegui(
      "intestazione libera\r\n"
      "[generale]\r\n"
      "---------- commento ----------\r\n"
      "lunghezza percorso, 152000\r\n"
      "progressiva chilometrica tre, 100, 200, 0\r\n"
      "progressiva chilometrica due, 300, 400, 0\r\n"
      "progressiva chilometrica UNO, 999, 999, 999\r\n"
      "SFONDO uno, 5\r\n"
      "sfondo due, 6\r\n"
      "sfondo tre, 7\r\n"
      "[curve]\r\n"
      "[fine]\r\n",
      file_treno(""));
  EXPECT_EQ(p.errore.codice_errore, 0);
  // Ordered by position: "due" (300) first, then "tre" (100), then the empty "uno".
  EXPECT_EQ(p.m.tabella[formato::voce_progressiva_tre].inizio, 300);
  EXPECT_EQ(p.m.tabella[formato::voce_progressiva_tre].fine, 400);
  EXPECT_EQ(p.m.tabella[formato::voce_progressiva_due].inizio, 100);
  EXPECT_EQ(p.m.tabella[formato::voce_progressiva_due].fine, 200);
  EXPECT_EQ(p.m.tabella[formato::voce_progressiva_uno].inizio, 0);
  EXPECT_EQ(p.m.tabella[formato::voce_progressiva_uno].fine, 0);
  EXPECT_EQ(p.m.tabella[formato::voce_nome_base].inizio, 0);  // "SFONDO" is a case-sensitive test
  EXPECT_EQ(p.m.tabella[formato::voce_nome_base].progressiva, 6);
  EXPECT_EQ(p.m.tabella[formato::voce_nome_base].fine, 7);
}

TEST_F(LineaTest, GradientsCoverCellsUpToTheNextEntry) {
  compila("---------- pendenze ----------\r\npendenza, 0, 0\r\npendenza, 5000, -8\r\n[pendenze]\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  for (int i = 0; i <= 99; ++i) EXPECT_EQ(c(i).pendenza, 100) << i;
  for (int i = 100; i <= 3177; ++i) ASSERT_EQ(c(i).pendenza, 92) << i;
  for (int i = 3178; i <= 3180; ++i) EXPECT_EQ(c(i).pendenza, 0) << i;
}

TEST_F(LineaTest, PositionCheckAtTheEndOfTheGrid) {
  compila("pendenza, 158900, 3\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(3177).pendenza, 100);
  EXPECT_EQ(c(3178).pendenza, 103);

  // Error 15 ends only the body: the fills and the service file still run.
  compila("pendenza, 158950, 3\r\npendenza, 0, 9\r\n", "velocita, 0, 100\r\n");
  EXPECT_EQ(p.errore.codice_errore, 15);
  EXPECT_EQ(p.errore.posizione_errore, 158950);
  EXPECT_EQ(c(3177).pendenza, 100);
  EXPECT_EQ(c(3177).vel_limite, 20);
  EXPECT_EQ(p.m.punti.assegnati, 158999);
  EXPECT_FALSE(p.resta_linea());
  EXPECT_FALSE(p.resta_treno());
}

TEST_F(LineaTest, SpeedBoards) {
  compila(
      "indicatori_vmax, 700, 100, 110, 115, 0, 100, 110, 115, 0\r\n"
      "indicatori_vmax, 2000, 60, 70, 80, 1, , , , 2\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(15).evento, 6);
  EXPECT_EQ(c(15).dato1, 2020);
  EXPECT_EQ(c(15).dato2, 2222);
  EXPECT_EQ(c(15).dato3, 2323);
  EXPECT_EQ(c(15).dato4, 0);
  EXPECT_EQ(c(41).evento, 6);
  EXPECT_EQ(c(41).dato1, 1200);
  EXPECT_EQ(c(41).dato2, 1400);
  EXPECT_EQ(c(41).dato3, 1600);
  EXPECT_EQ(c(41).dato4, 12);
}

TEST_F(LineaTest, SpeedBoardValuesAreRoundedAndMustFit) {
  compila("indicatori_vmax, 700, 0, 0, 0, 0, 62, 63, 88, 0\r\n");
  EXPECT_EQ(c(15).dato1, 12);  // 12.4
  EXPECT_EQ(c(15).dato2, 13);  // 12.6
  EXPECT_EQ(c(15).dato3, 18);  // 17.6
  compila("indicatori_vmax, 700, 1700, 0, 0, 0, 0, 0, 0, 0\r\n");
  EXPECT_EQ(p.errore.codice_errore, 25);  // 34000 does not fit a 16-bit field
}

TEST_F(LineaTest, MountainWithMarkers) {
  // A board in the 8th cell of the span keeps its event; the marker goes only on empty cells.
  compila(
      "indicatori_vmax, 141850, 100, 110, 115, 0, 100, 110, 115, 0\r\n"
      "montagna, 141550, 143050, 11\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(p.m.n_montagne, 1);
  EXPECT_EQ(p.m.montagne_inizio[1], 141550);
  EXPECT_EQ(p.m.montagne_fine[1], 143050);
  EXPECT_EQ(c(2830).tipo_montagna, 0);
  EXPECT_EQ(c(2861).tipo_montagna, 0);
  for (int i = 2831; i <= 2860; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(c(i).tipo_montagna, 1);
    const int conteggio = i - 2830;
    if (i == 2838) {
      EXPECT_EQ(c(i).evento, 6);
    } else {
      EXPECT_EQ(c(i).evento, conteggio % 4 == 0 ? 11 : 0);
    }
  }
}

TEST_F(LineaTest, MountainGapRule) {
  compila("montagna, 1000, 2000, 1\r\nmontagna, 2150, 3000, 2\r\nmontagna, 3200, 4000, 4\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(20).tipo_montagna, 1);
  EXPECT_EQ(c(43).tipo_montagna, 3);  // 150 m after the first: one stretch
  EXPECT_EQ(c(64).tipo_montagna, 4);  // 200 m after: its own kind
}

TEST_F(LineaTest, KilometreBoardsFillTheTableDownward) {
  compila("cartello_indicatore, 1000, (Km 1)\r\ncartello_indicatore, 2000, (Km 2) (Varesca)\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(21).evento, 14);
  EXPECT_EQ(c(21).dato1, 80);
  EXPECT_EQ(c(41).evento, 14);
  EXPECT_EQ(c(41).dato1, 79);
  EXPECT_EQ(p.m.tabella[formato::voce_primo_cartello].nome, "(Km 1)");
  EXPECT_EQ(p.m.tabella[formato::voce_primo_cartello - 1].nome, "(Km 2) (Varesca)");
}

TEST_F(LineaTest, WeakMarkerAcceptsABoard) {
  compila("montagna, 1000, 2000, 11\r\ncartello_indicatore, 1100, (Km 1)\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(23).evento, 14);
}

TEST_F(LineaTest, EightyBoardsFitTheEightyFirstIsRefused) {
  std::string corpo;
  for (int i = 0; i < 80; ++i) corpo += "cartello_indicatore, " + std::to_string(1000 + 100 * i) + ", (Km)\r\n";
  compila(corpo);
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(p.m.tabella[1].nome, "(Km)");
  compila(corpo + "cartello_indicatore, 20000, (Km)\r\n");
  EXPECT_EQ(p.errore.codice_errore, 32);
  EXPECT_EQ(p.errore.posizione_errore, 20000);
  EXPECT_EQ(p.m.tabella[0].nome, "");
}

TEST_F(LineaTest, EightyMountainsFitTheEightyFirstIsRefused) {
  std::string corpo;
  for (int i = 0; i < 80; ++i) {
    corpo += "montagna, " + std::to_string(1000 * i) + ", " + std::to_string(1000 * i + 200) + ", 1\r\n";
  }
  compila(corpo);
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(p.m.n_montagne, 80);
  EXPECT_EQ(p.m.montagne_inizio[80], 79000);
  compila(corpo + "montagna, 90000, 91000, 1\r\n");
  EXPECT_EQ(p.errore.codice_errore, 30);
  EXPECT_EQ(p.errore.posizione_errore, 90000);
  EXPECT_EQ(p.m.n_montagne, 80);
}

TEST_F(LineaTest, RecordsWhereTheFailingRecordBegins) {
  compila("pendenza, 0, 0\r\n  indicatori_vmax, 700, 1,1,1,0,1,1,1,0\r\n  cartello_indicatore, 700, x\r\n");
  EXPECT_EQ(p.errore.codice_errore, 6);
  EXPECT_EQ(p.errore.origine_errore.in_file, compilatore::origine::file::linea);
  EXPECT_EQ(p.errore.origine_errore.riga, 6);
  EXPECT_EQ(p.errore.origine_errore.colonna, 3);
}

}  // namespace
