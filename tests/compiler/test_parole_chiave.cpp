#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/avvisi.h"
#include "formato/voci.h"
#include "prova_parser.h"

// A keyword item can pass the tests of several records: each of them reads
// its values from the items that follow, in the order the format tests them,
// whatever order the words stand in within the keyword.
namespace {

const compilatore::cella& cella(const prova_parser& p, int i) { return p.m.celle.at(static_cast<std::size_t>(i)); }

TEST(ParoleChiave, EveryMatchingRecordReadsInTheFormatsOrder) {
  for (const char* chiave : {"pendenza montagna", "montagna pendenza"}) {
    SCOPED_TRACE(chiave);
    prova_parser p;
    // The gradient is tested first: it takes 5000, -8; the mountain 10000, 12000, 1.
    p.esegui(file_linea(std::string(chiave) + ", 5000, -8, 10000, 12000, 1\r\n"), file_treno(""));
    ASSERT_EQ(p.errore.codice_errore, 0);
    EXPECT_EQ(cella(p, 99).pendenza, 100);
    EXPECT_EQ(cella(p, 100).pendenza, 92);
    EXPECT_EQ(cella(p, 199).tipo_montagna, 0);
    EXPECT_EQ(cella(p, 200).tipo_montagna, 1);
    EXPECT_EQ(cella(p, 239).tipo_montagna, 1);
    EXPECT_EQ(p.m.n_montagne, 1);
  }
  for (const char* chiave : {"velocita aderenza", "aderenza velocita"}) {
    SCOPED_TRACE(chiave);
    prova_parser p;
    // Speed before adhesion; clock before sand.
    p.esegui(file_linea(""), file_treno(std::string(chiave) + ", 0, 100, 0, 90\r\nsabbia orologio, 17 4 30, 40\r\n"));
    ASSERT_EQ(p.errore.codice_errore, 0);
    EXPECT_EQ(cella(p, 0).vel_limite, 20);
    EXPECT_EQ(cella(p, 0).aderenza, 90);
    EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].gruppo_b1, 17);
    EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].gruppo_b2, 4);
    EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].gruppo_b3, 30);
    EXPECT_EQ(p.m.tabella[formato::voce_ripetizione].gruppo_a1, 40);
  }
  {
    prova_parser p;
    // The general section has its own order: uno, due, tre.
    p.esegui("[generale]\r\nlunghezza percorso, 152000\r\nsfondo tre due uno, 7, 6, 5\r\n[curve]\r\n[fine]\r\n",
             file_treno(""));
    ASSERT_EQ(p.errore.codice_errore, 0);
    EXPECT_EQ(p.m.tabella[formato::voce_nome_base].inizio, 7);
    EXPECT_EQ(p.m.tabella[formato::voce_nome_base].progressiva, 6);
    EXPECT_EQ(p.m.tabella[formato::voce_nome_base].fine, 5);
  }
}

TEST(ParoleChiave, ARecordThatStopsTheReadingStopsTheRecordsAfterIt) {
  prova_parser p;
  // The gradient lies beyond the grid (error 15): the mountain's values are never read.
  p.esegui(file_linea("pendenza montagna, 158950, 3, 0, 1000, 1\r\n"), file_treno(""));
  EXPECT_EQ(p.errore.codice_errore, 15);
  EXPECT_EQ(p.errore.posizione_errore, 158950);
  EXPECT_EQ(p.m.n_montagne, 0);
  EXPECT_EQ(cella(p, 10).tipo_montagna, 0);
}

TEST(ParoleChiave, AnUnknownKeywordIsComparedWithEverySpellingOfItsFile) {
  const struct {
    const char* nome;
    std::string linea;
    std::string treno;
    const char* voce;
    const char* suggerimento;
  } casi[] = {
      {"a curve has twelve spellings", file_linea("curvd3, 1900, 600\r\n"), file_treno(""), "curvd3", "curvad3"},
      {"the signal repetition has two",
       "[generale]\r\nlunghezza percorso, 152000\r\nripetizone segnali 9 codici, 0, 0\r\n[curve]\r\n[fine]\r\n",
       file_treno(""), "ripetizone segnali 9 codici", "ripetizione segnali 9 codici"},
      {"the service file's own", file_linea(""), file_treno("vetture numero, 6\r\nnumero vettura, 6\r\n"),
       "numero vettura", "numero vetture"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    prova_parser p;
    std::vector<compilatore::avviso> avvisi;
    p.o.avvisi = &avvisi;
    p.esegui(caso.linea, caso.treno);
    ASSERT_GE(avvisi.size(), 1u);
    EXPECT_EQ(avvisi[0].testo,
              "voce '" + std::string(caso.voce) + "' non riconosciuta, ignorata; forse '" + caso.suggerimento + "'?");
    EXPECT_EQ(avvisi[0].suggerimento, caso.suggerimento);
  }
}

TEST(ParoleChiave, WithoutTheGeometryACurveIsKnownAndItsValuesAreNotWarnedAbout) {
  prova_parser p;
  p.o.calcola_tracciato = false;
  std::vector<compilatore::avviso> avvisi;
  p.o.avvisi = &avvisi;
  p.esegui(file_linea("curvas3, 1900, 600\r\npendenza curvad3, 0, 4\r\n"), file_treno(""));
  EXPECT_EQ(p.errore.codice_errore, 0);
  for (const compilatore::avviso& a : avvisi) EXPECT_NE(a.dove.in_file, compilatore::origine::file::linea) << a.testo;
  EXPECT_EQ(cella(p, 0).pendenza, 104);
}

}  // namespace
