#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"
#include "compiler/modello.h"
#include "formato/voci.h"

namespace {

struct record {
  int posizione, valore, flag;
};

struct caso {
  const char* nome;
  std::array<record, 3> letti;   // "tre", "due", "uno" as read, from voce_progressiva_tre on
  std::array<record, 3> attesi;  // the same three entries after ordering
};

const record zero{0, 0, 0};

// Worked out by hand from the ordering rules.
const caso casi[] = {
    {"tre largest, due over uno", {{{300, 1, 0}, {200, 2, 0}, {100, 3, 0}}}, {{{300, 1, 0}, {200, 2, 0}, {100, 3, 0}}}},
    {"tre largest, uno over due", {{{300, 1, 0}, {100, 2, 0}, {200, 3, 0}}}, {{{300, 1, 0}, {200, 3, 0}, {100, 2, 0}}}},
    {"due largest, tre over uno", {{{200, 1, 0}, {300, 2, 0}, {100, 3, 0}}}, {{{300, 2, 0}, {200, 1, 0}, {100, 3, 0}}}},
    {"due largest, uno over tre", {{{100, 1, 0}, {300, 2, 0}, {200, 3, 0}}}, {{{300, 2, 0}, {200, 3, 0}, {100, 1, 0}}}},
    {"uno largest, tre over due", {{{200, 1, 0}, {100, 2, 0}, {300, 3, 0}}}, {{{300, 3, 0}, {200, 1, 0}, {100, 2, 0}}}},
    {"uno largest, due over tre", {{{100, 1, 0}, {200, 2, 0}, {300, 3, 0}}}, {{{300, 3, 0}, {200, 2, 0}, {100, 1, 0}}}},
    {"equal lower pair, due goes last", {{{300, 1, 0}, {100, 2, 0}, {100, 3, 0}}}, {{{300, 1, 0}, {100, 3, 0}, {100, 2, 0}}}},
    {"tie for the top", {{{300, 1, 1}, {300, 2, 1}, {100, 3, 1}}}, {{zero, zero, zero}}},
    {"negative positions", {{{-100, 1, 0}, {0, 2, 0}, {-50, 3, 0}}}, {{{0, 2, 0}, {-50, 3, 0}, {-100, 1, 0}}}},
    {"flag 1 adds 100", {{{300, 1000, 1}, {200, 2000, 2}, {100, 3000, 1}}}, {{{300, 1100, 1}, {200, 2000, 2}, {100, 3100, 1}}}},
    // Positions summing to 0: the values decide, the last rule that applies wins.
    {"sum 0, all values 0", {{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}}, {{zero, zero, zero}}},
    {"sum 0, only tre", {{{0, 5, 0}, {0, 0, 0}, {0, 0, 0}}}, {{{0, 5, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {"sum 0, only due", {{{0, 0, 0}, {0, 7, 0}, {0, 0, 0}}}, {{{0, 7, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {"sum 0, only uno (the scenario)", {{zero, zero, {0, 8000, 1}}}, {{{0, 8100, 1}, zero, zero}}},
    {"sum 0, due and uno", {{{0, 1, 0}, {0, 2, 0}, {0, 3, 0}}}, {{{0, 3, 0}, {0, 2, 0}, {0, 1, 0}}}},
    {"sum 0, tre negative value, due positive", {{{0, -1, 0}, {0, 2, 0}, {0, 0, 0}}}, {{{0, 2, 0}, {0, -1, 0}, {0, 0, 0}}}},
    {"sum 0 from opposite positions", {{{100, 4, 0}, {-100, 0, 0}, {0, 0, 0}}}, {{{100, 4, 0}, {-100, 0, 0}, {0, 0, 0}}}},
};

TEST(ProgressiveOrdinaTest, OrdersTheThreeChainageRecords) {
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    compilatore::modello m;
    for (int i = 0; i < 3; ++i) {
      auto& v = m.tabella[static_cast<std::size_t>(formato::voce_progressiva_tre + i)];
      v.inizio = k.letti[static_cast<std::size_t>(i)].posizione;
      v.fine = k.letti[static_cast<std::size_t>(i)].valore;
      v.progressiva = k.letti[static_cast<std::size_t>(i)].flag;
      v.nome = "resta " + std::to_string(i);
    }
    compilatore::progressive_ordina(m);
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(formato::voce_progressiva_tre + i);
      const auto& v = m.tabella[static_cast<std::size_t>(formato::voce_progressiva_tre + i)];
      const auto& atteso = k.attesi[static_cast<std::size_t>(i)];
      EXPECT_EQ(v.inizio, atteso.posizione);
      EXPECT_EQ(v.fine, atteso.valore);
      EXPECT_EQ(v.progressiva, atteso.flag);
      EXPECT_EQ(v.nome, "resta " + std::to_string(i));  // only the three fields move
    }
  }
}

TEST(ProgressiveOrdinaTest, AFlaggedValueThatCannotGrowFails) {
  compilatore::modello m;
  m.tabella[formato::voce_progressiva_tre] = {};
  m.tabella[formato::voce_progressiva_uno].fine = std::numeric_limits<std::int32_t>::max() - 50;
  m.tabella[formato::voce_progressiva_uno].progressiva = 1;
  // A failure of the input, which the parse turns into its generic error.
  EXPECT_THROW(compilatore::progressive_ordina(m), compilatore::lettura::guasto);
}

}  // namespace
