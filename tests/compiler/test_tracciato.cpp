#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/memorizza_dati.h"
#include "prova_parser.h"

namespace {

// The plan view worked out on its own: every point from the two before it,
// turning by k, with the sums in the order the geometry rule writes them.
struct pianta {
  std::vector<double> x, y;
  explicit pianta(std::size_t punti) : x(punti, 0.0), y(punti, 0.0) { y[1] = 1; }
  void fino_a(std::size_t ultimo, double k, std::size_t& q) {
    for (; q <= ultimo; ++q) {
      const double dx = x[q - 1] - x[q - 2];
      const double dy = y[q - 1] - y[q - 2];
      x[q] = (x[q - 1] + dx) + k * dy;
      y[q] = (y[q - 1] + dy) - k * dx;
    }
  }
};

TEST(TracciatoTest, StraightThenRightThenLeftCurve) {
  prova_parser p;
  p.esegui(file_linea("curvad3, 1900, 600\r\ncurvas2, 4000, 500\r\n", "1000"), file_treno(""));
  ASSERT_EQ(p.errore.codice_errore, 0);

  pianta atteso(8001);
  std::size_t q = 2;
  atteso.fino_a(1900, 0, q);
  atteso.fino_a(2500, 0.0004, q);
  atteso.fino_a(4000, 0, q);
  atteso.fino_a(4500, -0.0002, q);
  atteso.fino_a(7998, 0, q);

  const auto& t = p.m.punti;
  ASSERT_EQ(t.x.size(), 8001u);
  EXPECT_EQ(t.assegnati, 7999);
  EXPECT_EQ(t.tipo_di(0), compilatore::tracciato::tipo::intero);
  EXPECT_EQ(t.tipo_di(1), compilatore::tracciato::tipo::intero);
  EXPECT_EQ(t.tipo_di(2), compilatore::tracciato::tipo::reale);
  EXPECT_EQ(t.tipo_di(7998), compilatore::tracciato::tipo::reale);
  EXPECT_EQ(t.tipo_di(7999), compilatore::tracciato::tipo::vuoto);
  EXPECT_EQ(t.tipo_di(8000), compilatore::tracciato::tipo::vuoto);
  for (std::size_t i = 0; i <= 7998; ++i) {
    ASSERT_EQ(t.x[i], atteso.x[i]) << i;  // bit-exact, not near
    ASSERT_EQ(t.y[i], atteso.y[i]) << i;
  }
  // Straight along +y up to the curve, then turning toward +x.
  EXPECT_EQ(t.x[1900], 0.0);
  EXPECT_EQ(t.y[1900], 1900.0);
  EXPECT_GT(t.x[1901], 0.0);
  EXPECT_EQ(t.x[1901], 0.0004);
}

TEST(TracciatoTest, LeftCurveTurnsTowardMinusX) {
  prova_parser p;
  p.esegui(file_linea("curvas3, 1900, 600\r\n", "1000"), file_treno(""));
  ASSERT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(p.m.punti.x[1900], 0.0);
  EXPECT_EQ(p.m.punti.x[1901], -0.0004);
  EXPECT_LT(p.m.punti.x[2500], 0.0);
}

TEST(TracciatoTest, CurveStartingBehindTheCounterHasNoStraightPart) {
  prova_parser p;
  p.esegui(file_linea("curvad3, 1000, 1000\r\ncurvad4, 1500, 1000\r\n", "1000"), file_treno(""));
  ASSERT_EQ(p.errore.codice_errore, 0);
  pianta atteso(8001);
  std::size_t q = 2;
  atteso.fino_a(1000, 0, q);
  atteso.fino_a(2000, 0.0004, q);
  atteso.fino_a(2500, 0.001, q);
  atteso.fino_a(7998, 0, q);
  for (std::size_t i = 0; i <= 7998; ++i) {
    ASSERT_EQ(p.m.punti.x[i], atteso.x[i]) << i;
    ASSERT_EQ(p.m.punti.y[i], atteso.y[i]) << i;
  }
}

TEST(TracciatoTest, TheFirstClassDigitFoundInOrderOneToSixWins) {
  prova_parser uno;
  uno.esegui(file_linea("curvad1, 1000, 500\r\n", "1000"), file_treno(""));
  prova_parser ventuno;
  ventuno.esegui(file_linea("curvad21, 1000, 500\r\n", "1000"), file_treno(""));
  prova_parser due;
  due.esegui(file_linea("curvad2, 1000, 500\r\n", "1000"), file_treno(""));
  ASSERT_EQ(ventuno.errore.codice_errore, 0);
  EXPECT_EQ(ventuno.m.punti.x, uno.m.punti.x);
  EXPECT_EQ(ventuno.m.punti.y, uno.m.punti.y);
  EXPECT_NE(ventuno.m.punti.x, due.m.punti.x);
}

TEST(TracciatoTest, WithoutTheFlagCurvesAreSkippedWholly) {
  prova_parser p;
  p.o.calcola_tracciato = false;
  // Without the flag even a curve with no class is no error.
  p.esegui(file_linea("curva, 1900, 600\r\npendenza, 0, 4\r\n", "1000"), file_treno(""));
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_FALSE(p.m.punti.esiste());
  EXPECT_EQ(p.m.celle[0].pendenza, 104);
}

}  // namespace
