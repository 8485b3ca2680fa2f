#include <gtest/gtest.h>

#include <cstdint>

#include "compiler/modello.h"
#include "formato/dimensioni.h"

namespace {

// The sizes a reader holds a file to are the ones the compiler makes: every
// remainder of 50 (the ties to even among them) and the longest lines.
TEST(Dimensioni, TheReadersSizesAreTheCompilersAtEveryLength) {
  compilatore::modello m;
  m.calcola_tracciato = true;
  for (std::int32_t lunghezza = 0; lunghezza <= 1000000; lunghezza += lunghezza < 200 ? 1 : 99991) {
    SCOPED_TRACE(lunghezza);
    m.dimensiona(lunghezza);
    EXPECT_EQ(m.celle.size(), formato::celle_della_linea(lunghezza));
    EXPECT_EQ(m.punti.x.size(), formato::punti_della_linea(lunghezza));
  }
  m.dimensiona(formato::lunghezza_massima);
  EXPECT_EQ(m.celle.size(), formato::celle_della_linea(formato::lunghezza_massima));
}

// The most each file can hold: 20141 cells, 1007001 points a coordinate
// of at most 10 bytes, 87 records of texts of at most 65535 bytes.
TEST(Dimensioni, TheLongestLinesFilesBoundEveryRead) {
  EXPECT_EQ(formato::byte_massimi_celle, 20141u * 15u);
  EXPECT_EQ(formato::byte_massimi_tracciato, 2u * 1007001u * 10u);
  EXPECT_EQ(formato::byte_massimi_tabella, 87u * (34u + 65535u));
}

}  // namespace
