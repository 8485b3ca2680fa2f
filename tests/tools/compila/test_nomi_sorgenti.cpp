#include <gtest/gtest.h>

#include "tools/compila/nomi_sorgenti.h"

namespace {

using strumento_compila::ricava_nomi;

TEST(NomiSorgenti, BaseFromTheLineFileAndCodeFromTheServiceFile) {
  const struct {
    const char* linea;
    const char* treno;
    const char* cartella;
    const char* base;
    const char* codice;
  } casi[] = {
      {"Ostrale_Fiorna_linea.txt", "Ostrale_Fiorna_40817-.txt", ".", "Ostrale_Fiorna", "40817"},
      {"dati/scenari/Ostrale_Fiorna_linea.txt", "altrove/Ostrale_Fiorna_40817-.txt", "dati/scenari",
       "Ostrale_Fiorna", "40817"},
      {"/Valle_linea.txt", "Valle_R_2-.txt", "", "Valle", "R_2"},
      // Only the file name counts: "_linea.txt" in a directory name is not the base.
      {"a_linea.txt/Monte_linea.txt", "Monte_7-.txt", "a_linea.txt", "Monte", "7"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.linea);
    const auto n = ricava_nomi(caso.linea, caso.treno);
    ASSERT_TRUE(n.validi) << n.errore;
    EXPECT_EQ(n.validi->cartella, caso.cartella);
    EXPECT_EQ(n.validi->nome_base, caso.base);
    EXPECT_EQ(n.validi->codice_treno, caso.codice);
  }
}

TEST(NomiSorgenti, ANameOfAnotherFormShowsTheExpectedForm) {
  const struct {
    const char* linea;
    const char* treno;
    const char* errore;
  } casi[] = {
      {"Ostrale_Fiorna.txt", "Ostrale_Fiorna_40817-.txt",
       "il nome del file della linea deve avere la forma BASE_linea.txt, non 'Ostrale_Fiorna.txt'"},
      {"dir/_linea.txt", "_1-.txt", "il nome del file della linea deve avere la forma BASE_linea.txt, non '_linea.txt'"},
      {"Ostrale_Fiorna_linea.txt", "Ostrale_Fiorna_40817.txt",
       "il nome del file del servizio deve avere la forma Ostrale_Fiorna_CODICE-.txt, non 'Ostrale_Fiorna_40817.txt'"},
      {"Ostrale_Fiorna_linea.txt", "Altra_40817-.txt",
       "il nome del file del servizio deve avere la forma Ostrale_Fiorna_CODICE-.txt, non 'Altra_40817-.txt'"},
      {"Ostrale_Fiorna_linea.txt", "x/Ostrale_Fiorna_-.txt",
       "il nome del file del servizio deve avere la forma Ostrale_Fiorna_CODICE-.txt, non 'Ostrale_Fiorna_-.txt'"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.treno);
    const auto n = ricava_nomi(caso.linea, caso.treno);
    EXPECT_FALSE(n.validi);
    EXPECT_EQ(n.errore, caso.errore);
  }
}

}  // namespace
