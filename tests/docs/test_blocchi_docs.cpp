#include <gtest/gtest.h>

#include "blocchi_docs.h"

// The docs test's own reading of the convention: a mistake here would let
// every example pass for the wrong reason.
namespace {

using documentazione::applica_estratto;
using documentazione::blocchi_scenario;

TEST(BlocchiDocs, ExcerptLinesGoToTheEndOfTheirSection) {
  const std::string base = "libero\r\n[generale]\r\na, 1\r\n[curve]\r\nc, 1\r\n[Segnali]\r\ns, 1\r\n[fine]\r\n";
  const struct {
    const char* nome;
    const char* estratto;
    const char* atteso;
  } casi[] = {
      {"before any header: end of [generale]", "x, 2\n",
       "libero\r\n[generale]\r\na, 1\r\nx, 2\r\n[curve]\r\nc, 1\r\n[Segnali]\r\ns, 1\r\n[fine]\r\n"},
      {"under a header, matched whatever its case", "[segnali]\ns, 2\n  [CURVE]  \nc, 2\n",
       "libero\r\n[generale]\r\na, 1\r\n[curve]\r\nc, 1\r\nc, 2\r\n[Segnali]\r\ns, 1\r\ns, 2\r\n[fine]\r\n"},
      {"a section the base lacks goes before [fine]", "[stazioni]\nz, 3\n- commento\n",
       "libero\r\n[generale]\r\na, 1\r\n[curve]\r\nc, 1\r\n[Segnali]\r\ns, 1\r\n[stazioni]\r\nz, 3\r\n- commento\r\n"
       "[fine]\r\n"},
      {"a header alone adds the section the base lacks", "[segnale]\n",
       "libero\r\n[generale]\r\na, 1\r\n[curve]\r\nc, 1\r\n[Segnali]\r\ns, 1\r\n[segnale]\r\n[fine]\r\n"},
      {"lines before and after a header", "x, 2\n[curve]\nc, 2\n",
       "libero\r\n[generale]\r\na, 1\r\nx, 2\r\n[curve]\r\nc, 1\r\nc, 2\r\n[Segnali]\r\ns, 1\r\n[fine]\r\n"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    EXPECT_EQ(applica_estratto(base, caso.estratto), caso.atteso);
  }
}

TEST(BlocchiDocs, ReadsScenarioBlocksAndTheirAttributes) {
  const std::string md =
      "# t\n"
      "```linea completo\n[generale]\n```\n"
      "```text\nsegnale, 1\n```\n"
      "```treno errore=16 posizione=1650\n[segnali]\nsegnale, 1650\n```\n"
      "```treno avviso=voce_sconosciuta\nsabia, 2\n```\n"
      "```lineare\nx\n```\n";
  const auto letti = blocchi_scenario(md, "t.md");
  EXPECT_TRUE(letti.errori.empty());
  ASSERT_EQ(letti.blocchi.size(), 3U);
  EXPECT_TRUE(letti.blocchi[0].completo);
  EXPECT_EQ(letti.blocchi[0].riga, 2);
  EXPECT_EQ(letti.blocchi[0].testo, "[generale]\n");
  EXPECT_EQ(letti.blocchi[1].file, documentazione::file_scenario::treno);
  EXPECT_EQ(letti.blocchi[1].errore, 16);
  EXPECT_EQ(letti.blocchi[1].posizione, 1650);
  EXPECT_EQ(letti.blocchi[1].testo, "[segnali]\nsegnale, 1650\n");
  EXPECT_EQ(letti.blocchi[2].avviso, "voce_sconosciuta");
  EXPECT_FALSE(letti.blocchi[2].errore);
}

TEST(BlocchiDocs, RefusesInfoStringsItCannotCheck) {
  const struct {
    const char* info;
    const char* errore;
  } casi[] = {
      {"treno errrore=16", "t.md:1: attributo non valido 'errrore=16'"},
      {"treno errore=sedici", "t.md:1: attributo non valido 'errore=sedici'"},
      {"linea completo errore=1", "t.md:1: un file completo deve compilare pulito"},
      {"treno posizione=5", "t.md:1: posizione senza errore"},
      {"treno errore=7 avviso=x", "t.md:1: errore e avviso insieme"},
  };
  for (const auto& caso : casi) {
    const auto letti = blocchi_scenario(std::string("```") + caso.info + "\nx\n```\n", "t.md");
    EXPECT_TRUE(letti.blocchi.empty()) << caso.info;
    EXPECT_EQ(letti.errori, std::vector<std::string>{caso.errore});
  }
  EXPECT_EQ(blocchi_scenario("```treno\nx\n", "t.md").errori, std::vector<std::string>{"t.md:1: blocco non chiuso"});
}

}  // namespace
