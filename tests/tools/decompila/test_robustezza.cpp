#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cartella_temporanea.h"
#include "platform/file_system_memoria.h"
#include "scenario_compilato.h"

// Compiled files altered at random, as a damaged copy or a careless hand
// leaves them: the decompiler names what it cannot give back and never
// reads outside what it was given (the sanitizer build watches that).

namespace {

const std::string dati = CARTELLA_DATI_TEST;

TEST(DecompilaRobustezza, RandomlyAlteredFilesGiveAnAnswerNeverACrash) {
  const std::string nomi[] = {"Ostrale_Fiorna_linea.dat", "Ostrale_Fiorna_40817.sim", "Ostrale_Fiorna_40817.dat"};
  std::string originali[3];
  for (int f = 0; f < 3; ++f) originali[f] = leggi_file(dati + "/" + nomi[f]);
  std::mt19937 caso(19);
  for (int prova = 0; prova < 60; ++prova) {
    piattaforma::file_system_memoria fs;
    for (int f = 0; f < 3; ++f) fs.file["c" SEPARATORE_PROVA + nomi[f]] = originali[f];
    // Mostly the grid, whose every byte is a field; the table and the
    // geometry less, since most changes there only make them unreadable.
    const int file = prova % 5 < 3 ? 2 : prova % 5 - 3;
    std::string& byte = fs.file["c" SEPARATORE_PROVA + nomi[file]];
    const int quanti = 1 + static_cast<int>(caso() % 40);
    for (int k = 0; k < quanti; ++k) byte[caso() % byte.size()] = static_cast<char>(caso() % 256);
    if (prova % 7 == 6) byte.resize(caso() % byte.size());

    const auto d = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "o"});
    SCOPED_TRACE("prova " + std::to_string(prova) + "\n" + d.errori);
    ASSERT_TRUE(d.stato == 0 || d.stato == 1) << d.stato;
    EXPECT_EQ(d.errori.find("errore interno"), std::string::npos);
  }
}

}  // namespace
