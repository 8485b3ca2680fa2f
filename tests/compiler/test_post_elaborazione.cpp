#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "compiler/errori.h"
#include "compiler/modello.h"
#include "compiler/post_elaborazione.h"

namespace {

using namespace compilatore;

constexpr std::uint8_t S = evento::segnale;
constexpr std::uint8_t F = evento::fine_rallentamento;
constexpr std::uint8_t I = evento::inizio_rallentamento;
constexpr std::uint8_t A = evento::avviso_rallentamento;
constexpr std::uint8_t X = evento::prima_avviso;  // any other event: not free
constexpr std::uint8_t M = evento::segno_montagna;
constexpr std::uint8_t P = evento::abbattimento;

// An event in a cell; for a slowdown start dato1 is its speed.
struct posto {
  std::int32_t cella;
  std::uint8_t evento;
  std::int16_t dato1 = 0;
};

struct caso {
  const char* nome;
  std::int32_t n_celle;
  std::vector<posto> prima;
  std::vector<posto> attesi;  // cells the pass must change, with their new event and dato1
  std::int32_t codice_errore = 0;
  std::int32_t posizione_errore = 0;
};

// A point placed by the pass.
posto punto(std::int32_t c) { return {c, P, 180}; }

modello griglia_con(std::int32_t n_celle, const std::vector<posto>& posti) {
  modello m;
  m.n_celle = n_celle;
  m.celle.assign(static_cast<std::size_t>(n_celle) + 1, cella{});
  // Background fields the pass must keep wherever it writes.
  for (std::size_t i = 0; i < m.celle.size(); ++i) {
    m.celle[i].pendenza = 100;
    m.celle[i].vel_limite = 28;
    m.celle[i].dato2 = static_cast<std::int16_t>(i);
  }
  for (const posto& p : posti) {
    cella& c = m.celle[static_cast<std::size_t>(p.cella)];
    c.evento = p.evento;
    c.dato1 = p.dato1;
    if (p.evento == M) c.tipo_montagna = 1;
  }
  return m;
}

// The cells holding an event or a value, for readable failures.
std::string descrivi(const std::vector<cella>& celle) {
  std::ostringstream testo;
  for (std::size_t i = 0; i < celle.size(); ++i) {
    const cella& c = celle[i];
    if (c.evento == 0 && c.dato1 == 0) continue;
    testo << i << ":" << int(c.evento) << "/" << c.dato1 << " ";
  }
  return testo.str();
}

bool uguali(const cella& a, const cella& b) {
  return a.evento == b.evento && a.dato1 == b.dato1 && a.dato2 == b.dato2 && a.dato3 == b.dato3 &&
         a.dato4 == b.dato4 && a.tempo_segnale == b.tempo_segnale && a.preavviso == b.preavviso &&
         a.tipo_montagna == b.tipo_montagna && a.vel_limite == b.vel_limite && a.pendenza == b.pendenza &&
         a.aderenza == b.aderenza;
}

// Runs the pass on the case's grid and compares the whole grid and the error record.
void verifica(const caso& k) {
  SCOPED_TRACE(k.nome);
  modello m = griglia_con(k.n_celle, k.prima);
  std::vector<cella> attesa = m.celle;
  for (const posto& p : k.attesi) {
    attesa[static_cast<std::size_t>(p.cella)].evento = p.evento;
    attesa[static_cast<std::size_t>(p.cella)].dato1 = p.dato1;
  }

  errore_compilazione e;
  post_elabora(m, e);

  ASSERT_EQ(m.celle.size(), attesa.size());
  EXPECT_EQ(descrivi(m.celle), descrivi(attesa));
  for (std::size_t i = 0; i < attesa.size(); ++i) {
    EXPECT_TRUE(uguali(m.celle[i], attesa[i])) << "cell " << i;
  }
  EXPECT_EQ(e.codice_errore, k.codice_errore);
  EXPECT_EQ(e.posizione_errore, k.posizione_errore);
}

TEST(Minimo, ReturnsTheSmallerOfTwoValues) {
  struct caso_minimo {
    std::int16_t x, y, atteso;
  };
  const caso_minimo casi[] = {{180, 200, 180}, {180, 150, 150}, {180, 180, 180}, {-5, 3, -5}, {3, -5, -5}};
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(minimo(c.x, c.y), c.atteso);
  }
}

TEST(PostElabora, EmptyOrTinyGridIsLeftAlone) {
  modello vuoto;
  errore_compilazione e;
  post_elabora(vuoto, e);
  EXPECT_FALSE(vuoto.ha_griglia());
  EXPECT_EQ(e.codice_errore, 0);

  verifica({"two cells", 1, {{1, I, 100}}, {}});
  verifica({"three cells", 2, {{1, I, 100}, {2, S}}, {}});
}

TEST(PostElabora, StepASignalsBeforeAWarning) {
  const caso casi[] = {
      {"warning at cell 3 examines nothing", 60, {{1, S}, {2, S}, {3, A}}, {}},
      {"signals at cells 1 and 2 are never examined", 60, {{1, S}, {2, S}, {10, A}}, {}},
      {"signal at cell 3 is examined", 60, {{3, S}, {10, A}}, {punto(2)}},
      {"signal 20 cells before the warning", 60, {{20, S}, {40, A}}, {punto(19)}},
      {"signal 21 cells before the warning is not", 60, {{20, S}, {41, A}}, {}},
      {"every signal gets its point", 60, {{15, S}, {25, S}, {30, A}}, {punto(14), punto(24)}},
      {"a later signal sees the earlier point", 60, {{19, S}, {20, S}, {25, A}}, {punto(18), punto(17)}},
      {"free cell two before wins over a point", 60, {{20, S}, {19, P, 200}, {30, A}}, {punto(18)}},
      {"point before the signal lowered to 180", 60, {{20, S}, {19, P, 200}, {18, X}, {30, A}}, {punto(19)}},
      {"point before the signal keeps 150", 60, {{20, S}, {19, P, 150}, {18, X}, {30, A}}, {}},
      {"point two before the signal lowered", 60, {{20, S}, {19, X}, {18, P, 200}, {30, A}}, {punto(18)}},
      {"weak marker replaced", 60, {{20, S}, {19, M}, {30, A}}, {punto(19)}},
      {"weak marker two before", 60, {{20, S}, {19, X}, {18, M}, {30, A}}, {punto(18)}},
      {"no room: error 11 at the signal", 60, {{20, S}, {19, X}, {18, X}, {30, A}}, {}, 11, 1000},
      {"error 11 does not stop the step",
       60,
       {{20, S}, {19, X}, {18, X}, {12, S}, {30, A}},
       {punto(11)},
       11,
       1000},
      {"warning in the last but one cell", 30, {{25, S}, {29, A}}, {}},
      {"warning in the third last cell", 30, {{25, S}, {28, A}}, {punto(24)}},
  };
  for (const caso& k : casi) verifica(k);
}

// Speed 120 keeps steps E and F out of these cases.
TEST(PostElabora, StepsBToDPointsBeforeAStart) {
  const caso casi[] = {
      {"start at 7: no step", 60, {{7, I, 120}}, {}},
      {"start at 8: step B", 60, {{8, I, 120}}, {punto(3)}},
      {"start at 13: no step C", 60, {{13, I, 120}}, {punto(8)}},
      {"start at 14: step C", 60, {{14, I, 120}}, {punto(9), punto(3)}},
      {"start at 20: no step D", 60, {{20, I, 120}}, {punto(15), punto(9)}},
      {"start at 21: step D", 60, {{21, I, 120}}, {punto(16), punto(10), punto(3)}},
      {"later candidates; an existing point is not free",
       60,
       {{21, I, 120}, {16, X}, {10, X}, {9, X}, {3, P, 200}},
       {punto(15), punto(8), punto(2)}},
      {"weak marker replaced", 60, {{8, I, 120}, {3, M}}, {punto(3)}},
      {"no room: error 12 at the start", 60, {{10, I, 120}, {5, X}, {4, X}, {3, X}}, {}, 12, 500},
      {"error in B, C and D still placed",
       60,
       {{21, I, 120}, {16, X}, {15, X}, {14, X}},
       {punto(10), punto(3)},
       12,
       1050},
      {"a later error overwrites the earlier",
       60,
       {{10, I, 120}, {5, X}, {4, X}, {3, X}, {30, S}, {29, X}, {28, X}, {40, A}},
       {},
       11,
       1500},
      {"start in the last but one cell", 30, {{29, I, 120}}, {}},
      {"start in the third last cell", 30, {{28, I, 120}}, {punto(23), punto(17), punto(10)}},
  };
  for (const caso& k : casi) verifica(k);
}

// Starts at cell 5 keep steps B to D out of these cases.
TEST(PostElabora, StepEPointsInsideASlowSlowdown) {
  const caso casi[] = {
      {"speed 110: neither E nor F", 60, {{5, I, 110}, {30, F}, {32, S}}, {}},
      {"speed 109: a point every 8 cells", 60, {{5, I, 109}, {30, F}}, {punto(13), punto(21), punto(29)}},
      {"end 7 cells after the start", 60, {{5, I, 100}, {12, F}}, {}},
      {"end 8 cells after the start", 60, {{5, I, 100}, {13, F}}, {punto(12)}},
      {"cell taken: the one before, counted from there",
       60,
       {{5, I, 100}, {13, X}, {24, F}},
       {punto(12), punto(20)}},
      {"two cells taken: the one after, counted from there",
       60,
       {{5, I, 100}, {12, X}, {13, X}, {25, F}},
       {punto(14), punto(22)}},
      {"no room: error 13 and no further point",
       60,
       {{5, I, 100}, {12, X}, {13, X}, {14, X}, {40, F}},
       {},
       13,
       650},
      {"weak marker replaced", 60, {{5, I, 100}, {13, M}, {16, F}}, {punto(13)}},
      {"no end cell: error 13 at the last cell", 21, {{5, I, 100}}, {punto(13), punto(21)}, 13, 1050},
      {"no end cell, last cells taken", 21, {{5, I, 100}, {20, X}, {21, X}}, {punto(13)}, 13, 1050},
      {"end in the last cell", 21, {{5, I, 100}, {21, F}}, {punto(13), punto(20)}},
  };
  for (const caso& k : casi) verifica(k);
}

// A start at 5 with its end at 10 gets no point from steps B to E.
TEST(PostElabora, StepFPointBeforeTheSignalAfterTheEnd) {
  const caso casi[] = {
      {"signal 5 cells after the end", 60, {{5, I, 100}, {10, F}, {15, S}}, {punto(14)}},
      {"signal 12 cells after the end", 60, {{5, I, 100}, {10, F}, {22, S}}, {punto(21)}},
      {"signal 13 cells after the end", 60, {{5, I, 100}, {10, F}, {23, S}}, {}},
      {"only the first signal", 60, {{5, I, 100}, {10, F}, {15, S}, {18, S}}, {punto(14)}},
      {"cell before the signal taken", 60, {{5, I, 100}, {10, F}, {14, X}, {15, S}}, {punto(13)}},
      {"weak marker replaced", 60, {{5, I, 100}, {10, F}, {14, M}, {15, S}}, {punto(14)}},
      {"no room: error 13 at the end",
       60,
       {{5, I, 100}, {10, F}, {13, X}, {14, X}, {15, S}},
       {},
       13,
       500},
      {"signal right after the end", 60, {{5, I, 100}, {10, F}, {11, S}}, {punto(9)}},
      {"signal in the last cell", 15, {{5, I, 100}, {10, F}, {15, S}}, {punto(14)}},
      {"no signal before the grid ends", 15, {{5, I, 100}, {10, F}}, {}},
      {"speed 110: no step F", 60, {{5, I, 110}, {10, F}, {15, S}}, {}},
  };
  for (const caso& k : casi) verifica(k);
}

// Warning, start and end together, as the parser writes them: each step sees
// the points of the steps before it.
TEST(PostElabora, WholeSlowdownTogether) {
  verifica({"slowdown at 30 to 50 km/h, 1200 m after its warning",
            80,
            {{6, A}, {2, S}, {4, S}, {30, I, 50}, {45, F}, {48, S}, {25, X}},
            // A: signal 4 -> 3; signal 2 not examined. B: 25 taken -> 24. C: 19. D: 12.
            // E: 38 (k = 38), then the end at 45. F: signal 48 -> 47.
            {punto(3), punto(24), punto(19), punto(12), punto(38), punto(47)}});
}

}  // namespace
