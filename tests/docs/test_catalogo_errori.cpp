#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "compila_esempio.h"
#include "compiler/errori.h"
#include "compiler/spiegazioni_errori.h"
#include "platform/file_system_memoria.h"
#include "tools/compila/catalogo_errori.h"
#include "tools/compila/esegui_compila.h"

// The error catalogue: one table in the compiler's sources, docs/errori.md
// and compila_scenario --spiega made from it.
namespace {

using compilatore::forma_esempio;

std::string documento_errori() {
  std::ifstream in(std::string(CARTELLA_DOCS) + "/errori.md", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CatalogoErrori, CommittedDocumentIsTheTablesOwn) {
  EXPECT_TRUE(documento_errori() == strumento_compila::catalogo_markdown())
      << "docs/errori.md is not what the table gives: cmake --build --preset predefinito --target catalogo_errori";
}

TEST(CatalogoErrori, EveryErrorNumberHasOneEntry) {
  std::vector<std::int32_t> spiegati;
  for (const auto& s : compilatore::spiegazioni_errori()) {
    spiegati.push_back(s.numero);
    EXPECT_FALSE(s.significato.empty()) << s.numero;
    EXPECT_FALSE(s.correzione.empty()) << s.numero;
    EXPECT_EQ(s.posizione.has_value(), compilatore::ha_posizione(s.numero)) << s.numero;
  }
  EXPECT_EQ(spiegati, compilatore::numeri_errore());
}

// The examples that are lines added to the starter scenario are blocks of
// docs/errori.md, which the docs test compiles; these are the others.
TEST(CatalogoErrori, ExamplesWithoutAddedLinesGiveTheirError) {
  int provati = 0;
  for (const auto& s : compilatore::spiegazioni_errori()) {
    if (s.forma != forma_esempio::linea_intera && s.forma != forma_esempio::senza_linea) continue;
    SCOPED_TRACE(s.numero);
    const std::optional<std::string> linea =
        s.forma == forma_esempio::linea_intera ? std::optional<std::string>(s.esempio) : std::nullopt;
    const auto e = documentazione::compila_esempio(linea, documentazione::treno_base());
    EXPECT_EQ(e.errore.codice_errore, s.numero) << e.diagnostica;
    EXPECT_EQ(e.stato, 1);
    ++provati;
  }
  EXPECT_EQ(provati, 3);  // 33, 101, 102
}

// The entry --spiega prints is the document's section for that number.
TEST(CatalogoErrori, SpiegaPrintsTheDocumentsEntry) {
  piattaforma::file_system_memoria fs;
  std::ostringstream uscita;
  std::ostringstream errori;
  const std::vector<std::string> argomenti = {"--spiega", "16"};
  EXPECT_EQ(strumento_compila::esegui_compila(argomenti, fs, uscita, errori), strumento_compila::uscita_riuscita);
  EXPECT_EQ(errori.str(), "");
  const std::string doc = documento_errori();
  const auto inizio = doc.find("## errore 16:");
  ASSERT_NE(inizio, std::string::npos);
  const auto fine = doc.find("\n## ", inizio);
  EXPECT_EQ(uscita.str(), doc.substr(inizio, fine - inizio));
  EXPECT_NE(uscita.str().find("```treno errore=16 posizione=1650\n[segnali]\nsegnale, 1650,"), std::string::npos);
}

}  // namespace
