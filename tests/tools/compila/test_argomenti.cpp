#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/compila/argomenti.h"

namespace {

using strumento_compila::leggi_argomenti;
using strumento_compila::richiesta;

TEST(Argomenti, ReadsFilesAndOptionsInAnyOrder) {
  const std::vector<std::string> a = {"--strict", "A_linea.txt", "--output", "uscita", "A_1-.txt", "--no-geometry",
                                      "--check"};
  const auto letti = leggi_argomenti(a);
  ASSERT_TRUE(letti.valida) << letti.errore;
  const richiesta& r = *letti.valida;
  EXPECT_EQ(r.cosa, richiesta::azione::compila);
  EXPECT_EQ(r.linea, "A_linea.txt");
  EXPECT_EQ(r.treno, "A_1-.txt");
  EXPECT_EQ(r.cartella_uscita, "uscita");
  EXPECT_TRUE(r.senza_tracciato);
  EXPECT_TRUE(r.solo_verifica);
  EXPECT_TRUE(r.rigoroso);
}

TEST(Argomenti, DefaultsAreACompileIntoTheLineFilesDirectory) {
  const std::vector<std::string> a = {"A_linea.txt", "A_1-.txt"};
  const auto letti = leggi_argomenti(a);
  ASSERT_TRUE(letti.valida);
  EXPECT_FALSE(letti.valida->cartella_uscita);
  EXPECT_FALSE(letti.valida->senza_tracciato);
  EXPECT_FALSE(letti.valida->solo_verifica);
  EXPECT_FALSE(letti.valida->rigoroso);
}

TEST(Argomenti, OutputWithEqualsAndFilesAfterDoubleDash) {
  const std::vector<std::string> a = {"--output=u", "--", "-A_linea.txt", "A_1-.txt"};
  const auto letti = leggi_argomenti(a);
  ASSERT_TRUE(letti.valida) << letti.errore;
  EXPECT_EQ(letti.valida->cartella_uscita, "u");
  EXPECT_EQ(letti.valida->linea, "-A_linea.txt");
}

TEST(Argomenti, HelpAndVersionAreReadInOrder) {
  const std::vector<std::string> aiuto = {"--bogus-later-is-not-read", "--help"};
  // An unknown option before --help is still an error: options are read in order.
  EXPECT_FALSE(leggi_argomenti(aiuto).valida);
  const std::vector<std::string> aiuto_primo = {"--help", "--bogus"};
  ASSERT_TRUE(leggi_argomenti(aiuto_primo).valida);
  EXPECT_EQ(leggi_argomenti(aiuto_primo).valida->cosa, richiesta::azione::aiuto);
  const std::vector<std::string> versione = {"x", "--version"};
  ASSERT_TRUE(leggi_argomenti(versione).valida);
  EXPECT_EQ(leggi_argomenti(versione).valida->cosa, richiesta::azione::versione);
}

TEST(Argomenti, RefusesWhatIsNotACompileRequest) {
  const struct {
    std::vector<std::string> argomenti;
    const char* errore;
  } casi[] = {
      {{}, "servono il file della linea e il file del servizio"},
      {{"A_linea.txt"}, "servono il file della linea e il file del servizio"},
      {{"A_linea.txt", "A_1-.txt", "B"}, "troppi file: 'B'"},
      {{"A_linea.txt", "A_1-.txt", "--output"}, "--output vuole una cartella"},
      {{"A_linea.txt", "A_1-.txt", "--output="}, "--output vuole una cartella"},
      {{"A_linea.txt", "A_1-.txt", "--fast"}, "opzione sconosciuta '--fast'"},
      {{"-x", "A_linea.txt", "A_1-.txt"}, "opzione sconosciuta '-x'"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.errore);
    const auto letti = leggi_argomenti(caso.argomenti);
    EXPECT_FALSE(letti.valida);
    EXPECT_EQ(letti.errore, caso.errore);
  }
}

TEST(Argomenti, SpiegaAndNuovoTakeTheirOwnNames) {
  const std::vector<std::string> spiega = {"--spiega", "16"};
  const auto s = leggi_argomenti(spiega);
  ASSERT_TRUE(s.valida) << s.errore;
  EXPECT_EQ(s.valida->cosa, richiesta::azione::spiega);
  EXPECT_EQ(s.valida->errore_da_spiegare, "16");

  const std::vector<std::string> nuovo = {"mia", "--nuovo", "Valle", "7", "--sovrascrivi"};
  const auto n = leggi_argomenti(nuovo);
  ASSERT_TRUE(n.valida) << n.errore;
  EXPECT_EQ(n.valida->cosa, richiesta::azione::nuovo);
  EXPECT_EQ(n.valida->nuovo.cartella, "mia");
  EXPECT_EQ(n.valida->nuovo.nome_base, "Valle");
  EXPECT_EQ(n.valida->nuovo.codice_treno, "7");
  EXPECT_TRUE(n.valida->nuovo.sovrascrivi);
  EXPECT_FALSE(leggi_argomenti(std::vector<std::string>{"--nuovo", "mia", "Valle", "7"}).valida->nuovo.sovrascrivi);
}

TEST(Argomenti, RefusesSpiegaAndNuovoOtherwiseThanAlone) {
  const struct {
    std::vector<std::string> argomenti;
    const char* errore;
  } casi[] = {
      {{"--spiega"}, "--spiega vuole un numero di errore"},
      {{"--spiega", "16", "17"}, "--spiega vuole un numero di errore"},
      {{"--nuovo", "mia", "Valle"}, "--nuovo vuole la cartella, il nome base e il codice del treno"},
      {{"--spiega", "16", "--nuovo"}, "--spiega e --nuovo non vanno insieme"},
      {{"A_linea.txt", "A_1-.txt", "--sovrascrivi"}, "--sovrascrivi vale solo con --nuovo"},
      {{"--nuovo", "mia", "Valle", "7", "--output", "u"},
       "--nuovo non compila: va senza le opzioni della compilazione"},
      {{"--spiega", "16", "--strict"}, "--spiega non compila: va senza le opzioni della compilazione"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.errore);
    const auto letti = leggi_argomenti(caso.argomenti);
    EXPECT_FALSE(letti.valida);
    EXPECT_EQ(letti.errore, caso.errore);
  }
}

}  // namespace
