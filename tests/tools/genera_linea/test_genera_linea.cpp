#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "compiler/compilatore.h"
#include "formato/voci.h"
#include "platform/file_system_memoria.h"
#include "tools/genera_linea/genera_linea.h"

namespace {

struct compilato_generato {
  compilatore::compilato fatto;
  genera_linea::scenario_prova s;
  std::vector<compilatore::avviso> avvisi;
};

compilato_generato compila_generato(std::int32_t lunghezza) {
  compilato_generato c;
  c.s = genera_linea::genera(lunghezza);
  piattaforma::file_system_memoria fs;
  const compilatore::sorgenti file{"prova/Prova_linea.txt", "prova/Prova_1-.txt"};
  fs.file[file.linea] = c.s.linea;
  fs.file[file.treno] = c.s.treno;
  c.fatto = compilatore::compila(fs, file, {"Prova", "1", 1, true, &c.avvisi});
  return c;
}

// The positions of the records of one keyword, read back from the text.
std::vector<std::int32_t> posizioni(const std::string& testo, const std::string& parola) {
  std::vector<std::int32_t> trovate;
  std::istringstream righe(testo);
  std::string r;
  while (std::getline(righe, r)) {
    if (r.rfind(parola + ",", 0) != 0) continue;
    trovate.push_back(std::stoi(r.substr(parola.size() + 1)));
  }
  return trovate;
}

std::int32_t conta_eventi(const compilatore::modello& m, std::uint8_t evento) {
  return static_cast<std::int32_t>(
      std::count_if(m.celle.begin(), m.celle.end(), [&](const compilatore::cella& c) { return c.evento == evento; }));
}

// Stations fill table entries from the first station's upward, boards from the first board's downward.
std::int32_t voci_usate(const compilatore::modello& m, int da, int passo) {
  std::int32_t n = 0;
  for (int i = da; i >= formato::voce_prima_stazione && i <= formato::voce_primo_cartello; i += passo) {
    if (m.tabella[static_cast<std::size_t>(i)].nome.empty()) break;
    ++n;
  }
  return n;
}

class GeneraLineaScala : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(GeneraLineaScala, CompilesCleanWithTheDensityOfARealLine) {
  const std::int32_t lunghezza = GetParam();
  const compilato_generato c = compila_generato(lunghezza);
  const compilatore::modello& m = c.fatto.m;

  ASSERT_EQ(c.fatto.errore.codice_errore, 0) << "posizione " << c.fatto.errore.posizione_errore;
  // Every item is one the format expects: no stray value, no list out of order.
  for (const compilatore::avviso& a : c.avvisi) {
    ADD_FAILURE() << "avviso alla riga " << a.dove.riga << ": " << a.testo;
  }
  EXPECT_EQ(m.tabella[formato::voce_lunghezza].fine, lunghezza);
  EXPECT_EQ(m.punti.ultimo_indice(), lunghezza + 7000);

  // Every signal and every slowdown reached the grid, and the slowdowns got
  // their abbattimento points from the post-processing.
  const auto segnali = posizioni(c.s.treno, "segnale");
  const auto rallentamenti = posizioni(c.s.treno, "rallentamento");
  EXPECT_EQ(conta_eventi(m, compilatore::evento::segnale), static_cast<std::int32_t>(segnali.size()));
  EXPECT_EQ(conta_eventi(m, compilatore::evento::inizio_rallentamento),
            static_cast<std::int32_t>(rallentamenti.size()));
  EXPECT_EQ(static_cast<std::int32_t>(rallentamenti.size()), (lunghezza - 3001 + 25000) / 50000);
  EXPECT_GE(conta_eventi(m, compilatore::evento::abbattimento), 3 * static_cast<std::int32_t>(rallentamenti.size()));

  // Signals every 1.5 to 2 km; where that stretch is all taken, the next free place after it.
  for (std::size_t i = 1; i < segnali.size(); ++i) {
    SCOPED_TRACE(segnali[i]);
    EXPECT_GE(segnali[i] - segnali[i - 1], 1500);
    EXPECT_LE(segnali[i] - segnali[i - 1], 2250);
  }
  EXPECT_GT(segnali.back(), lunghezza - 2000);

  // Stations and kilometre boards share the 78 free entries of the table.
  const auto stazioni = posizioni(c.s.treno, "stazione");
  const std::int32_t cartelli = voci_usate(m, formato::voce_primo_cartello, -1);
  EXPECT_EQ(voci_usate(m, formato::voce_prima_stazione, 1), static_cast<std::int32_t>(stazioni.size()));
  EXPECT_GE(cartelli, 1);
  EXPECT_LE(static_cast<std::int32_t>(stazioni.size()) + cartelli, 78);
  const double passo_medio = static_cast<double>(stazioni.back()) / static_cast<double>(stazioni.size() - 1);
  EXPECT_GE(passo_medio, 5000);
  // Up to about 450 km the table has room for a station every 5 to 8 km.
  if (lunghezza <= 450000) {
    EXPECT_LE(passo_medio, 8000);
  }
}

INSTANTIATE_TEST_SUITE_P(Lunghezze, GeneraLineaScala, ::testing::Values(152000, 250000, 500000, 1000000));

TEST(GeneraLinea, SameLengthGivesTheSameBytes) {
  const auto a = genera_linea::genera(250000);
  const auto b = genera_linea::genera(250000);
  EXPECT_EQ(a.linea, b.linea);
  EXPECT_EQ(a.treno, b.treno);
  EXPECT_NE(a.linea, genera_linea::genera(250050).linea);
}

TEST(GeneraLinea, RefusesLengthsOutsideTheModel) {
  EXPECT_THROW(genera_linea::genera(1000001), std::invalid_argument);
  EXPECT_THROW(genera_linea::genera(genera_linea::lunghezza_minima - 1), std::invalid_argument);
  EXPECT_NO_THROW(genera_linea::genera(genera_linea::lunghezza_minima));
}

TEST(GeneraLinea, ShortestAndOddLengthsCompileClean) {
  for (std::int32_t lunghezza : {genera_linea::lunghezza_minima, 10049, 77777, 999999}) {
    SCOPED_TRACE(lunghezza);
    const compilato_generato c = compila_generato(lunghezza);
    EXPECT_EQ(c.fatto.errore.codice_errore, 0) << "posizione " << c.fatto.errore.posizione_errore;
    EXPECT_TRUE(c.avvisi.empty());
  }
}

}  // namespace
