#include <gtest/gtest.h>

#include <cstring>

#include "byte_prova.h"
#include "compiler/modello.h"
#include "formato/scrivi_binari.h"

namespace {

using compilatore::modello;
using namespace formato;

TEST(FileTabella, EmptyTableIs87RecordsOf34ZeroBytes) {
  modello m;
  const std::string file = contenuto_tabella(m.tabella);
  ASSERT_EQ(file.size(), 2958u);
  EXPECT_EQ(file, std::string(2958, '\0'));
}

TEST(FileTabella, RecordIsPackedLittleEndianWithCountedText) {
  modello m;
  voce& v = m.tabella[0];
  v.tipo_stazione = 0xAB;
  v.inizio = -500;
  v.fine = 0x01020304;
  v.progressiva = 6900;
  v.capolinea = 1;
  v.nome = "ABCDE";
  v.gruppo_a1 = 610;
  v.gruppo_a2 = -1;
  v.gruppo_b1 = 4;
  v.gruppo_b2 = 0x1234;
  v.gruppo_b3 = 1;
  v.gruppo_a3 = 7;
  v.sosta = 15;
  v.prolunga = 1;
  v.flag_lunghezza = 2;
  v.orario = 61500;
  const std::string file = contenuto_tabella(m.tabella);
  ASSERT_EQ(file.size(), 2958u + 5u);
  const std::string atteso = byte({0xAB, 0x0C, 0xFE, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xF4, 0x1A, 0, 0, 1,
                                   5, 0, 'A', 'B', 'C', 'D', 'E', 0x62, 0x02, 0xFF, 0xFF, 4, 0, 0x34, 0x12,
                                   1, 0, 7, 15, 1, 2, 0x3C, 0xF0, 0, 0});
  ASSERT_EQ(atteso.size(), 39u);
  EXPECT_EQ(file.substr(0, 39), atteso);
  EXPECT_EQ(file.substr(14, 2), byte({5, 0}));  // the text's count
  EXPECT_EQ(file.substr(39), std::string(86 * 34, '\0'));
}

TEST(FileCelle, CellIsFifteenPackedBytes) {
  std::vector<cella> celle(2);
  celle[1] = cella{.evento = 1, .dato1 = 5121, .dato2 = -2, .dato3 = 0x0102, .dato4 = 8,
                   .tempo_segnale = 101, .preavviso = 84, .tipo_montagna = 1, .vel_limite = 28,
                   .pendenza = 92, .aderenza = 100};
  const std::string file = contenuto_celle(celle);
  ASSERT_EQ(file.size(), 30u);
  EXPECT_EQ(file.substr(0, 15), std::string(15, '\0'));
  EXPECT_EQ(file.substr(15), byte({1, 0x01, 0x14, 0xFE, 0xFF, 0x02, 0x01, 8, 0, 101, 84, 1, 28, 92, 100}));
}

std::string doppio(double v) {
  std::string s = byte({5, 0});
  unsigned char b[8];
  std::memcpy(b, &v, 8);  // the test host is little-endian
  s.append(reinterpret_cast<const char*>(b), 8);
  return s;
}

TEST(FileTracciato, LineOf152000MetresHasTheFixedSizesAndElementKinds) {
  modello m;
  m.calcola_tracciato = true;
  m.dimensiona(152000);
  EXPECT_EQ(m.lunghezza_estesa, 159000);
  EXPECT_EQ(m.n_celle, 3180);
  EXPECT_EQ(contenuto_celle(m.celle).size(), 47715u);

  // A straight track: the builder assigns points 0 to lunghezza_estesa - 2.
  for (std::int32_t q = 0; q <= 158998; ++q) {
    m.punti.x[q] = 0.0;
    m.punti.y[q] = q;
  }
  m.punti.x[5000] = -0.25;
  m.punti.assegnati = 158999;
  const std::string file = contenuto_tracciato(m.punti);
  ASSERT_EQ(file.size(), 3179964u);
  const std::size_t meta = file.size() / 2;

  // x: 0, 0 as integers, then doubles, then two empty elements.
  EXPECT_EQ(file.substr(0, 8), byte({2, 0, 0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(file.substr(8, 10), doppio(0.0));
  EXPECT_EQ(file.substr(8 + 10 * 4998, 10), doppio(-0.25));
  EXPECT_EQ(file.substr(meta - 14, 14), doppio(0.0) + byte({0, 0, 0, 0}));
  // y: 0, 1 as integers, then 2.0, ..., 158998.0, then two empty elements.
  EXPECT_EQ(file.substr(meta, 8), byte({2, 0, 0, 0, 2, 0, 1, 0}));
  EXPECT_EQ(file.substr(meta + 8, 10), doppio(2.0));
  EXPECT_EQ(file.substr(file.size() - 14, 14), doppio(158998.0) + byte({0, 0, 0, 0}));
}

// The layout written out once more, element by element, to check the pieces against.
std::string tracciato_atteso(const tracciato& t) {
  std::string atteso;
  for (const tracciato::valori* valori : {&t.x, &t.y}) {
    for (std::int32_t m = 0; m <= t.ultimo_indice(); ++m) {
      const double v = (*valori)[static_cast<std::size_t>(m)];
      if (m >= t.assegnati) {
        atteso += byte({0, 0});
      } else if (m < 2) {
        const auto i = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
        atteso += byte({2, 0, i & 0xFF, i >> 8});
      } else {
        std::uint64_t u;
        std::memcpy(&u, &v, sizeof u);
        atteso += byte({5, 0});
        for (int k = 0; k < 8; ++k) atteso.push_back(static_cast<char>((u >> (8 * k)) & 0xFF));
      }
    }
  }
  return atteso;
}

TEST(FileTracciato, PiecesAreBoundedAndJoinToTheWholeFile) {
  modello m;
  m.calcola_tracciato = true;
  m.dimensiona(152000);
  // A curving track whose values use all eight bytes, so a misplaced byte shows.
  m.punti.y[1] = 1.0;
  for (std::int32_t q = 2; q <= 158998; ++q) {
    m.punti.x[q] = m.punti.x[q - 1] + 0.001 * q;
    m.punti.y[q] = m.punti.y[q - 1] + 1.0 / 3.0;
  }
  m.punti.assegnati = 158999;
  const std::string atteso = tracciato_atteso(m.punti);
  ASSERT_EQ(atteso.size(), 3179964u);

  pezzi_tracciato pezzi(m.punti);
  std::string unito;
  int n_pezzi = 0;
  for (std::string_view pezzo = pezzi.prossimo(); !pezzo.empty(); pezzo = pezzi.prossimo()) {
    EXPECT_LE(pezzo.size(), 128u * 1024u);
    unito.append(pezzo);
    ++n_pezzi;
  }
  EXPECT_GT(n_pezzi, 20);
  EXPECT_TRUE(pezzi.prossimo().empty());
  EXPECT_TRUE(unito == atteso);
  EXPECT_TRUE(contenuto_tracciato(m.punti) == atteso);
}

TEST(FileTracciato, NoGeometryGivesNoPieces) {
  const tracciato vuoto;
  pezzi_tracciato pezzi(vuoto);
  EXPECT_TRUE(pezzi.prossimo().empty());
  EXPECT_TRUE(contenuto_tracciato(vuoto).empty());
}

}  // namespace
