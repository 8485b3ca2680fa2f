#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/dati_autore.h"

namespace {

TEST(DatiAutore, EveryEntryIsReadAndTheRestSkipped) {
  const documenti::lettura_dati_autore l = documenti::leggi_dati_autore(
      "--- dati del treno ---\r\n"
      "\r\n"
      "  Classificazione ,  Regionale  \r\n"
      "rango,B\r\n"
      "MASSA BLOCCATA, 180\r\n"
      "descrizione, Prima riga, con una virgola.\r\n"
      "descrizione,\r\n"
      "descrizione, Terza riga\r\n"
      "autore, Lorenzo Bellandi\r\n"
      "contatto, lorenzo.bellandi@example.org\r\n"
      "orario, Giugno 2001\r\n"
      "sigla, 5A");
  ASSERT_FALSE(l.errore) << l.errore->messaggio;
  EXPECT_EQ(l.dati.classificazione, "Regionale");
  EXPECT_EQ(l.dati.rango, "B");
  EXPECT_EQ(l.dati.massa_bloccata, "180");
  EXPECT_EQ(l.dati.descrizione, (std::vector<std::string>{"Prima riga, con una virgola.", "", "Terza riga"}));
  EXPECT_EQ(l.dati.autore, "Lorenzo Bellandi");
  EXPECT_EQ(l.dati.contatto, "lorenzo.bellandi@example.org");
  EXPECT_EQ(l.dati.orario, "Giugno 2001");
  EXPECT_EQ(l.dati.sigla, "5A");
}

TEST(DatiAutore, EmptyFileLeavesEverythingOut) {
  const documenti::lettura_dati_autore l = documenti::leggi_dati_autore("");
  EXPECT_FALSE(l.errore);
  EXPECT_TRUE(l.dati.classificazione.empty());
  EXPECT_TRUE(l.dati.descrizione.empty());
}

TEST(DatiAutore, UnreadableLineIsNamedByLineAndColumn) {
  struct caso {
    const char* nome;
    std::string testo;
    int riga;
    int colonna;
    std::string messaggio;
  };
  const caso casi[] = {
      {"a misspelt entry", "rango, B\nclassificazone, R\n", 2, 1,
       "voce 'classificazone' sconosciuta; forse 'classificazione'?"},
      {"an entry of another file", "rango, B\n  velocita, 100\n", 2, 3, "voce 'velocita' sconosciuta"},
      {"no comma", "autore Lorenzo\n", 1, 1, "manca la virgola tra la voce 'autore' e il suo valore"},
      {"a line of notes that lost its entry", "  Linea Milano-Torino\n", 1, 3,
       "voce 'Linea Milano-Torino' sconosciuta"},
      {"a known entry without its comma", "  sigla\n", 1, 3, "manca la virgola tra la voce 'sigla' e il suo valore"},
      {"an entry given twice", "rango, B\r\nRango, C\r\n", 2, 1, "voce 'rango' ripetuta"},
      {"a character no single byte holds", "rango, B\nautore, Zo\xC3\xAB \xE2\x86\x92\n", 2, 13,
       "carattere che i documenti, scritti a un byte per carattere, non possono contenere"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const documenti::lettura_dati_autore l = documenti::leggi_dati_autore(c.testo);
    ASSERT_TRUE(l.errore);
    EXPECT_EQ(l.errore->riga, c.riga);
    EXPECT_EQ(l.errore->colonna, c.colonna);
    EXPECT_EQ(l.errore->messaggio, c.messaggio);
  }
}

TEST(DatiAutore, FileIsNamedAfterTheScenario) {
  EXPECT_EQ(documenti::nome_dati_autore("Valle_Prova", "2317"), "Valle_Prova_2317_documenti.txt");
}

}  // namespace
