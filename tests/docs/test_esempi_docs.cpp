#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "blocchi_docs.h"
#include "compila_esempio.h"
#include "compiler/errori.h"

// Every scenario block of every docs/*.md, compiled as the excerpt convention
// says: a whole file with its nearest partner of the other kind, any other
// block added to the starter scenario; then what it must give.
namespace {

using documentazione::blocco_scenario;
using documentazione::file_scenario;

std::string leggi(const std::filesystem::path& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> documenti() {
  std::vector<std::filesystem::path> trovati;
  for (const auto& voce : std::filesystem::directory_iterator(CARTELLA_DOCS)) {
    if (voce.path().extension() == ".md") trovati.push_back(voce.path());
  }
  std::sort(trovati.begin(), trovati.end());
  return trovati;
}

struct lettura_docs {
  std::vector<blocco_scenario> blocchi;
  std::vector<std::string> errori;
};

const lettura_docs& tutti() {
  static const lettura_docs letti = [] {
    lettura_docs l;
    for (const auto& percorso : documenti()) {
      auto doc = documentazione::blocchi_scenario(leggi(percorso), percorso.filename().string());
      l.blocchi.insert(l.blocchi.end(), doc.blocchi.begin(), doc.blocchi.end());
      l.errori.insert(l.errori.end(), doc.errori.begin(), doc.errori.end());
    }
    return l;
  }();
  return letti;
}

// The whole file of the other kind nearest to `b` in its document.
const blocco_scenario* compagno(const blocco_scenario& b) {
  const blocco_scenario* vicino = nullptr;
  for (const blocco_scenario& altro : tutti().blocchi) {
    if (altro.documento != b.documento || !altro.completo || altro.file == b.file) continue;
    if (vicino == nullptr || std::abs(altro.riga - b.riga) < std::abs(vicino->riga - b.riga)) vicino = &altro;
  }
  return vicino;
}

struct coppia {
  std::string linea;
  std::string treno;
};

std::optional<coppia> scenario_di(const blocco_scenario& b) {
  const bool di_linea = b.file == file_scenario::linea;
  if (b.completo) {
    const blocco_scenario* altro = compagno(b);
    if (altro == nullptr) return std::nullopt;
    return di_linea ? coppia{b.testo, altro->testo} : coppia{altro->testo, b.testo};
  }
  using documentazione::applica_estratto;
  if (di_linea) return coppia{applica_estratto(documentazione::linea_base(), b.testo), documentazione::treno_base()};
  return coppia{documentazione::linea_base(), applica_estratto(documentazione::treno_base(), b.testo)};
}

std::set<std::string> nomi_avvisi(const std::string& diagnostica) {
  static const std::regex avviso(R"(avviso\[([^\]]+)\])");
  std::set<std::string> nomi;
  for (auto i = std::sregex_iterator(diagnostica.begin(), diagnostica.end(), avviso); i != std::sregex_iterator();
       ++i) {
    nomi.insert((*i)[1]);
  }
  return nomi;
}

// One test for all blocks, not one per block: a test named after a block's
// line would go stale, and pass without running, when the document changes.
void verifica(const blocco_scenario& b) {
  SCOPED_TRACE(b.documento + ":" + std::to_string(b.riga));
  const auto scenario = scenario_di(b);
  ASSERT_TRUE(scenario) << "a whole file with no whole file of the other kind";
  const auto e = documentazione::compila_esempio(scenario->linea, scenario->treno);
  const auto& errore = e.errore;
  if (b.errore) {
    EXPECT_EQ(errore.codice_errore, *b.errore) << e.diagnostica;
    EXPECT_EQ(e.stato, 1) << e.diagnostica;
    EXPECT_NE(e.diagnostica.find("errore " + std::to_string(*b.errore)), std::string::npos) << e.diagnostica;
    EXPECT_EQ(b.posizione.has_value(), compilatore::ha_posizione(*b.errore))
        << "posizione=P is given exactly for the errors that report a position";
    if (b.posizione) {
      EXPECT_EQ(errore.posizione_errore, *b.posizione) << e.diagnostica;
    }
  } else if (b.avviso) {
    EXPECT_EQ(errore.codice_errore, 0) << e.diagnostica;
    EXPECT_EQ(e.stato, 0) << e.diagnostica;
    EXPECT_EQ(nomi_avvisi(e.diagnostica), std::set<std::string>{*b.avviso}) << e.diagnostica;
  } else {
    EXPECT_EQ(errore.codice_errore, 0) << e.diagnostica;
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.diagnostica, "") << "a clean example gives no warning";
  }
}

TEST(Documentazione, EveryScenarioBlockGivesWhatItsInfoStringSays) {
  ASSERT_FALSE(tutti().blocchi.empty()) << "no scenario block in " << CARTELLA_DOCS;
  for (const blocco_scenario& b : tutti().blocchi) verifica(b);
}

TEST(Documentazione, EveryInfoStringIsWellFormed) {
  for (const std::string& errore : tutti().errori) ADD_FAILURE() << errore;
}

// The guide to the format shows the starter scenario whole, as --nuovo writes it.
TEST(Documentazione, FormatGuideShowsTheStarterScenario) {
  std::vector<const blocco_scenario*> completi;
  for (const blocco_scenario& b : tutti().blocchi) {
    if (b.documento == "formato_descrizioni.md" && b.completo) completi.push_back(&b);
  }
  ASSERT_EQ(completi.size(), 2U);
  const auto con_crlf = [](const std::string& testo) { return std::regex_replace(testo, std::regex("\n"), "\r\n"); };
  for (const blocco_scenario* b : completi) {
    const std::string& atteso =
        b->file == file_scenario::linea ? documentazione::linea_base() : documentazione::treno_base();
    EXPECT_EQ(con_crlf(b->testo), atteso) << "formato_descrizioni.md:" << b->riga;
  }
}

}  // namespace
