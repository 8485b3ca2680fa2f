#include <gtest/gtest.h>

#include <string>

#include "compiler/memorizza_dati.h"
#include "formato/voci.h"
#include "prova_parser.h"

using compilatore::cella;
using compilatore::voce;

namespace {

class TrenoTest : public ::testing::Test {
 protected:
  void compila(const std::string& corpo_treno, const std::string& corpo_linea = "") {
    p.esegui(file_linea(corpo_linea), file_treno(corpo_treno));
  }
  const cella& c(int i) { return p.m.celle.at(static_cast<std::size_t>(i)); }
  const voce& t(int i) { return p.m.tabella.at(static_cast<std::size_t>(i)); }
  prova_parser p;
};

// The terminal at 0 that starts the list: kind 8, 500 m platform.
const std::string prima_stazione =
    "stazione, 0, 8, 500, 1, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0, OSTRALE CENTRALE\r\n";

TEST_F(TrenoTest, GeneralData) {
  compila(
      "PERCENTUALE MASSA FRENATA, 85\r\n"
      "numero vetture, 6\r\n"
      "orologio, 17 4 30\r\n"
      "sabbia, 40\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(t(formato::voce_lunghezza).inizio, 85);
  EXPECT_EQ(t(formato::voce_lunghezza).progressiva, 6);
  EXPECT_EQ(t(formato::voce_ripetizione).gruppo_b1, 17);
  EXPECT_EQ(t(formato::voce_ripetizione).gruppo_b2, 4);
  EXPECT_EQ(t(formato::voce_ripetizione).gruppo_b3, 30);
  EXPECT_EQ(t(formato::voce_ripetizione).gruppo_a1, 40);
}

TEST_F(TrenoTest, SpeedLimitsAndAdhesion) {
  compila("velocita, 0, 110\r\nvelocita, 1950, 140\r\naderenza, 0, 90\r\naderenza, 1000, 70\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  for (int i = 0; i <= 38; ++i) EXPECT_EQ(c(i).vel_limite, 22) << i;
  for (int i = 39; i <= 3177; ++i) ASSERT_EQ(c(i).vel_limite, 28) << i;
  for (int i = 3178; i <= 3180; ++i) EXPECT_EQ(c(i).vel_limite, 0) << i;
  for (int i = 0; i <= 19; ++i) EXPECT_EQ(c(i).aderenza, 90) << i;
  for (int i = 20; i <= 3177; ++i) ASSERT_EQ(c(i).aderenza, 70) << i;
  for (int i = 3178; i <= 3180; ++i) EXPECT_EQ(c(i).aderenza, 0) << i;
}

TEST_F(TrenoTest, SpeedIsConvertedRoundedAndMustFit) {
  compila("velocita, 0, 112\r\nvelocita, 100, 1275\r\n");  // 22.4 and 255
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(0).vel_limite, 22);
  EXPECT_EQ(c(2).vel_limite, 255);
  compila("velocita, 0, 1280\r\n");  // 256 units
  EXPECT_EQ(p.errore.codice_errore, 25);
  EXPECT_FALSE(p.resta_treno());
}

TEST_F(TrenoTest, Signal) {
  compila("segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(34).evento, 1);
  EXPECT_EQ(c(34).dato1, 41);
  EXPECT_EQ(c(34).dato2, 0);
  EXPECT_EQ(c(34).dato3, 0);
  EXPECT_EQ(c(34).dato4, 8);
  EXPECT_EQ(c(34).tempo_segnale, 0);
  // 30*2 + 10*2 + k, computed in 8 bits: 81 to 84.
  EXPECT_EQ(c(32).preavviso, 81);
  EXPECT_EQ(c(30).preavviso, 82);
  EXPECT_EQ(c(28).preavviso, 83);
  EXPECT_EQ(c(26).preavviso, 84);
  EXPECT_EQ(c(33).preavviso, 0);
  EXPECT_EQ(c(24).preavviso, 0);
}

TEST_F(TrenoTest, SignalTime) {
  struct caso {
    int sx, tempo, atteso;
  } casi[] = {{2, 50, 101}, {2, 1, 101}, {2, 100, 101}, {2, 0, 0}, {2, 150, 150}, {1, 50, 0}};
  for (const auto& k : casi) {
    SCOPED_TRACE(std::to_string(k.sx) + " " + std::to_string(k.tempo));
    compila("segnale, 1650, " + std::to_string(k.sx) + ", 4, 0, 0, 0, 2, 1,0,0, " + std::to_string(k.tempo) + "\r\n");
    EXPECT_EQ(p.errore.codice_errore, 0);
    EXPECT_EQ(c(34).tempo_segnale, k.atteso);
  }
}

TEST_F(TrenoTest, SlowdownWithoutApproachCells) {
  compila("rallentamento, 24950, 60, 200, 0, 0, 60\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(476).evento, 4);
  EXPECT_EQ(c(476).dato1, 60);
  EXPECT_EQ(c(476).dato2, 60);
  for (int i : {500, 504}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(c(i).dato1, 60);
    EXPECT_EQ(c(i).dato2, 60);
    EXPECT_EQ(c(i).dato3, 0);
  }
  EXPECT_EQ(c(500).evento, 3);
  EXPECT_EQ(c(504).evento, 2);
  for (int i = 470; i <= 475; ++i) EXPECT_EQ(c(i).evento, 0) << i;
}

TEST_F(TrenoTest, SlowdownWithApproachCells) {
  compila("rallentamento, 141400, 30, 1000, 1, 1, 0\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(2805).evento, 4);
  EXPECT_EQ(c(2805).dato2, 0);
  for (int j = 0; j <= 3; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(c(2804 - j).evento, 5);
    EXPECT_EQ(c(2804 - j).dato1, j + 1);
    EXPECT_EQ(c(2804 - j).dato2, 0);
  }
  EXPECT_EQ(c(2829).evento, 3);
  EXPECT_EQ(c(2829).dato3, 1);
  EXPECT_EQ(c(2849).evento, 2);
}

TEST_F(TrenoTest, SlowdownNearTheStartHasNoWarning) {
  compila("rallentamento, 1500, 30, 500, 0, 1, 20\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(31).evento, 3);
  EXPECT_EQ(c(41).evento, 2);
  for (int i = 0; i <= 30; ++i) EXPECT_EQ(c(i).evento, 0) << i;
}

TEST_F(TrenoTest, Abbattimento) {
  compila("abbattimento, 1000, 0\r\nabbattimento, 2000, 90\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(c(20).evento, 13);
  EXPECT_EQ(c(40).evento, 12);
  EXPECT_EQ(c(40).dato1, 90);
}

TEST_F(TrenoTest, FirstStation) {
  compila(prima_stazione);
  EXPECT_EQ(p.errore.codice_errore, 0);
  const voce& v = t(1);
  EXPECT_EQ(v.progressiva, 0);
  EXPECT_EQ(v.tipo_stazione, 8);
  EXPECT_EQ(v.inizio, -500);
  EXPECT_EQ(v.fine, 500);
  EXPECT_EQ(v.capolinea, 1);
  EXPECT_EQ(v.gruppo_a1, 1);
  EXPECT_EQ(v.gruppo_a2, 2);
  EXPECT_EQ(v.gruppo_a3, 3);
  EXPECT_EQ(v.gruppo_b1, 4);
  EXPECT_EQ(v.gruppo_b2, 5);
  EXPECT_EQ(v.gruppo_b3, 6);
  EXPECT_EQ(v.nome, "OSTRALE CENTRALE");
  EXPECT_EQ(c(8).preavviso, 81);
  EXPECT_EQ(c(7).preavviso, 82);
  EXPECT_EQ(c(6).preavviso, 83);
  EXPECT_EQ(c(5).preavviso, 84);
  EXPECT_EQ(c(9).evento, 10);
  EXPECT_EQ(c(9).dato1, 1);
}

TEST_F(TrenoTest, OrdinaryStation) {
  struct caso {
    int prolunga, fine;
  } casi[] = {{0, 7200}, {1, 7250}};
  for (const auto& k : casi) {
    SCOPED_TRACE(k.prolunga);
    compila(prima_stazione + "stazione, 6900, 12, 600, 0, 1, " + std::to_string(k.prolunga) +
            ", 0, 0, 0, 0, 0, 0, 30, 6, 12, 40, SAN VITTORE ALTO\r\n");
    EXPECT_EQ(p.errore.codice_errore, 0);
    const voce& v = t(2);
    EXPECT_EQ(v.inizio, 6600);
    EXPECT_EQ(v.fine, k.fine);
    EXPECT_EQ(v.prolunga, k.prolunga);
    EXPECT_EQ(v.flag_lunghezza, 1);
    EXPECT_EQ(v.sosta, 30);
    EXPECT_EQ(v.orario, 6 * 3600 + 12 * 60 + 40);
    const int fermata = k.fine / 50 - 1;
    EXPECT_EQ(c(fermata).evento, 10);
    EXPECT_EQ(c(fermata).dato1, 2);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(c(fermata - j).preavviso, 80 + j);
  }
}

TEST_F(TrenoTest, FirstStationLosesItsFlags) {
  compila("stazione, 6900, 12, 600, 0, 1, 1, 0, 0, 0, 0, 0, 0, 30, 6, 12, 40, X\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(t(1).fine, 7250);  // the area was computed before the flags went
  EXPECT_EQ(t(1).prolunga, 0);
  EXPECT_EQ(t(1).flag_lunghezza, 0);
}

TEST_F(TrenoTest, StationSpacing) {
  struct caso {
    int posizione, codice;
  } casi[] = {{900, 22}, {950, 0}};
  for (const auto& k : casi) {
    SCOPED_TRACE(k.posizione);
    compila(prima_stazione + "stazione, " + std::to_string(k.posizione) +
            ", 12, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, B\r\n");
    EXPECT_EQ(p.errore.codice_errore, k.codice);
  }
  EXPECT_EQ(t(2).inizio, 850);
}

TEST_F(TrenoTest, StationsOfKind25AndAboveWriteNoCells) {
  compila("stazione, 6900, 28, 600, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, X\r\n");
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(t(1).inizio, 6600);
  for (std::size_t i = 0; i < p.m.celle.size(); ++i) {
    ASSERT_EQ(p.m.celle[i].evento, 0) << i;
    ASSERT_EQ(p.m.celle[i].preavviso, 0) << i;
  }
}

TEST_F(TrenoTest, StationsStopBeforeTheBoards) {
  // 78 boards leave entries 1 and 2 below them: the first station fits, then error 10.
  std::string cartelli;
  for (int i = 0; i < 78; ++i) cartelli += "cartello_indicatore, " + std::to_string(20000 + 100 * i) + ", (Km)\r\n";
  compila(prima_stazione, cartelli);
  EXPECT_EQ(p.errore.codice_errore, 10);
  EXPECT_EQ(t(1).nome, "OSTRALE CENTRALE");
  EXPECT_EQ(t(3).nome, "(Km)");
  EXPECT_FALSE(p.resta_treno());

  // With every entry taken by boards, no station may overwrite one.
  for (int i = 78; i < 80; ++i) cartelli += "cartello_indicatore, " + std::to_string(20000 + 100 * i) + ", (Km)\r\n";
  compila(prima_stazione, cartelli);
  EXPECT_EQ(p.errore.codice_errore, 10);
  EXPECT_EQ(t(1).nome, "(Km)");
}

TEST_F(TrenoTest, ChainageIsCheckedAtTheEnd) {
  p.esegui(
      "[generale]\r\nlunghezza percorso, 152000\r\nprogressiva chilometrica uno, 0, 25, 1\r\n[curve]\r\n[fine]\r\n",
      file_treno("velocita, 0, 100\r\n"));
  EXPECT_EQ(p.errore.codice_errore, 2);
  EXPECT_EQ(t(formato::voce_progressiva_tre).fine, 125);
  EXPECT_EQ(c(3177).vel_limite, 20);  // the lists were completed first
}

TEST_F(TrenoTest, RecordsWhereTheFailingRecordBegins) {
  compila("velocita, 0, 100\r\nsegnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n segnale, 1650, 1,1,1,1,1,1,1,1,1,1\r\n");
  EXPECT_EQ(p.errore.codice_errore, 16);
  EXPECT_EQ(p.errore.origine_errore.in_file, compilatore::origine::file::treno);
  EXPECT_EQ(p.errore.origine_errore.riga, 4);
  EXPECT_EQ(p.errore.origine_errore.colonna, 2);
}

}  // namespace
