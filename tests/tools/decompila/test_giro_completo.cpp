#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cartella_temporanea.h"
#include "platform/file_system_memoria.h"
#include "scenario_compilato.h"
#include "tools/genera_linea/genera_linea.h"

// The round trip on whole scenarios: the embedded one against expected
// description files, generated ones from 10 km to the longest line.

namespace {

const std::string dati = CARTELLA_DATI_TEST;

std::string da_dati(const std::string& nome) { return leggi_file(dati + "/" + nome); }

TEST(DecompilaIncorporato, WritesTheExpectedDescriptionsWhichCompileToTheSameBytes) {
  piattaforma::file_system_memoria fs;
  for (const char* nome : {"Ostrale_Fiorna_linea.dat", "Ostrale_Fiorna_40817.sim", "Ostrale_Fiorna_40817.dat"}) {
    fs.file[std::string("c" SEPARATORE_PROVA) + nome] = da_dati(nome);
  }
  const auto d = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "o"});
  EXPECT_EQ(d.stato, 0) << d.errori;
  EXPECT_EQ(d.errori, "");
  EXPECT_EQ(fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"], da_dati("decompilati/Ostrale_Fiorna_linea.txt"));
  EXPECT_EQ(fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_40817-.txt"],
            da_dati("decompilati/Ostrale_Fiorna_40817-.txt"));

  const auto c = prova_decompila::compila(fs, "o", "Ostrale_Fiorna", "40817", "r");
  EXPECT_EQ(c.stato, 0) << c.errori;
  EXPECT_EQ(prova_decompila::differenze(prova_decompila::binari(fs, "c", "Ostrale_Fiorna", "40817"),
                                        prova_decompila::binari(fs, "r", "Ostrale_Fiorna", "40817")),
            "");
}

// Without the geometry file the curves cannot be had: said, and the rest is the same.
TEST(DecompilaIncorporato, WithoutTheGeometryWritesNoCurvesAndSaysSo) {
  piattaforma::file_system_memoria fs;
  for (const char* nome : {"Ostrale_Fiorna_40817.sim", "Ostrale_Fiorna_40817.dat"}) {
    fs.file[std::string("c" SEPARATORE_PROVA) + nome] = da_dati(nome);
  }
  const auto d = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "o"});
  EXPECT_EQ(d.stato, 0);
  EXPECT_EQ(d.errori, "decompila_scenario: nessun c" SEPARATORE_PROVA
                      "Ostrale_Fiorna_linea.dat: senza tracciato le curve non si ricavano; "
                      "compilare la descrizione con --no-geometry\n");
  const std::string& linea = fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"];
  EXPECT_NE(linea.find("[curve]\r\n- nessun tracciato compilato: le curve non si ricavano\r\n[pendenze]"),
            std::string::npos);
  EXPECT_EQ(linea.find("curva"), std::string::npos);
  EXPECT_EQ(fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_40817-.txt"],
            da_dati("decompilati/Ostrale_Fiorna_40817-.txt"));

  EXPECT_EQ(prova_decompila::compila(fs, "o", "Ostrale_Fiorna", "40817", "r", false).stato, 0);
  EXPECT_EQ(prova_decompila::differenze(prova_decompila::binari(fs, "c", "Ostrale_Fiorna", "40817"),
                                        prova_decompila::binari(fs, "r", "Ostrale_Fiorna", "40817")),
            "");
}

class DecompilaGenerato : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(DecompilaGenerato, CompilesBackToTheSameBytes) {
  const genera_linea::scenario_prova s = genera_linea::genera(GetParam());
  piattaforma::file_system_memoria fs;
  fs.file["s" SEPARATORE_PROVA "Prova_linea.txt"] = s.linea;
  fs.file["s" SEPARATORE_PROVA "Prova_1-.txt"] = s.treno;
  ASSERT_EQ(prova_decompila::compila(fs, "s", "Prova", "1", "c").stato, 0);
  const auto d = prova_decompila::decompila(fs, {"c", "Prova", "1", "--output", "o"});
  EXPECT_EQ(d.stato, 0) << d.errori;
  EXPECT_EQ(prova_decompila::compila(fs, "o", "Prova", "1", "r").stato, 0);
  EXPECT_EQ(prova_decompila::differenze(prova_decompila::binari(fs, "c", "Prova", "1"),
                                        prova_decompila::binari(fs, "r", "Prova", "1")),
            "");
}

INSTANTIATE_TEST_SUITE_P(Lunghezze, DecompilaGenerato, ::testing::Values(10000, 152000, 1000000));

}  // namespace
