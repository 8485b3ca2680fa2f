#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compila_prova.h"
#include "documents/dati_autore.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "documents/documenti_generati.h"

namespace {

std::string dato(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + nome); }

documenti::dati_autore autore_da(const std::string& nome) {
  const documenti::lettura_dati_autore l = documenti::leggi_dati_autore(dato(nome));
  EXPECT_FALSE(l.errore) << l.errore->messaggio;
  return l.dati;
}

// The fixture: an 16 km line whose chainage rises from km 20 and jumps to
// km 40 at 8 km; stations that stop, pass with a time and pass without one;
// speed changes alone, on a board, and in force at the origin; a board before
// the origin, which the sheet leaves out; a slowdown between two stations and
// one within a station; the author's data written in UTF-8. The expected
// files were checked by hand against the descriptions.
TEST(DocumentiGenerati, FixtureScenarioGivesTheHandCheckedFiles) {
  const compilatore::modello m = compila_dati("valle/", "Valle_Prova", "2317");
  const documenti::documenti_generati d =
      documenti::genera_documenti(m, autore_da("valle/Valle_Prova_2317_documenti.txt"));
  ASSERT_EQ(d.errore, "");
  EXPECT_TRUE(d.avvisi.empty());
  EXPECT_EQ(d.scheda, dato("valle/Valle_Prova_2317_scheda_treno.txt"));
  EXPECT_EQ(d.rallentamenti, dato("valle/Valle_Prova_2317_rallentamenti.txt"));
  EXPECT_EQ(d.note, dato("valle/Valle_Prova_2317_note.txt"));
}

std::vector<std::string> righe(const std::string& testo) {
  std::vector<std::string> r;
  std::size_t inizio = 0;
  for (std::size_t fine = testo.find("\r\n"); fine != std::string::npos; fine = testo.find("\r\n", inizio)) {
    r.push_back(testo.substr(inizio, fine - inizio));
    inizio = fine + 2;
  }
  return r;
}

std::string senza_blank(std::string t) {
  while (!t.empty() && t.front() == ' ') t.erase(0, 1);
  while (!t.empty() && t.back() == ' ') t.pop_back();
  return t;
}

// Which lines of a train sheet are table rows: those between the rule that
// closes the column header and the rule under the rows.
std::vector<bool> righe_di_tabella(const std::vector<std::string>& linee) {
  const std::string regola = " |_____|_____|__________|_____|____________________________|________________|_____|";
  std::vector<bool> di_tabella;
  bool dentro = false;
  for (const std::string& r : linee) {
    if (r == regola) dentro = !dentro;
    di_tabella.push_back(dentro && r != regola);
  }
  return di_tabella;
}

std::vector<std::string> righe_tabella(const std::string& scheda) {
  const std::vector<std::string> linee = righe(scheda);
  const std::vector<bool> di_tabella = righe_di_tabella(linee);
  std::vector<std::string> tabella;
  for (std::size_t i = 0; i < linee.size(); ++i) {
    if (di_tabella[i]) tabella.push_back(linee[i]);
  }
  return tabella;
}

struct fermata_scheda {
  std::string nome;
  std::string orario;
  bool operator==(const fermata_scheda&) const = default;
};

// The rows of the sheet that name a station of `stazioni`, with their time column.
std::vector<fermata_scheda> fermate(const std::string& scheda, const std::vector<std::string>& stazioni) {
  std::vector<fermata_scheda> trovate;
  for (const std::string& r : righe_tabella(scheda)) {
    const std::string luogo = senza_blank(r.substr(31, 28));
    if (std::find(stazioni.begin(), stazioni.end(), luogo) != stazioni.end()) {
      trovate.push_back({luogo, r.substr(60, 16)});
    }
  }
  return trovate;
}

class DocumentiIncorporati : public ::testing::Test {
 protected:
  void SetUp() override {
    m = compila_dati("", "Ostrale_Fiorna", "40817");
    // The values of the embedded sheet's header and notes, filled in as an author would.
    generati = documenti::genera_documenti(m, autore_da("Ostrale_Fiorna_40817_documenti.txt"));
    ASSERT_EQ(generati.errore, "");
    for (std::int32_t n = 1; n <= m.n_stazioni; ++n) stazioni.push_back(m.tabella[n].nome);
  }

  compilatore::modello m;
  documenti::documenti_generati generati;
  std::vector<std::string> stazioni;
};

TEST_F(DocumentiIncorporati, SheetNamesTheSameStationsInOrderWithTheTimesTheDescriptionGives) {
  const std::string literale = documenti::righe_dati_scheda().contenuto();
  const std::vector<fermata_scheda> attese = fermate(literale, stazioni);
  const std::vector<fermata_scheda> trovate = fermate(generati.scheda, stazioni);
  ASSERT_EQ(attese.size(), 22u);
  ASSERT_EQ(trovate.size(), attese.size());
  for (std::size_t i = 0; i < attese.size(); ++i) {
    SCOPED_TRACE(attese[i].nome);
    EXPECT_EQ(trovate[i].nome, attese[i].nome);
    // The literal sheet also times the stations passed without stopping,
    // which the service description leaves without a time: those are left blank.
    const compilatore::voce& v = m.tabella[i + 1];
    if (v.orario != 0) {
      EXPECT_EQ(trovate[i].orario, attese[i].orario);
    } else {
      EXPECT_EQ(trovate[i].orario, std::string(16, ' '));
    }
  }
}

TEST_F(DocumentiIncorporati, SheetHasTheLiteralOnesPagesFramesAndHeader) {
  const std::vector<std::string> attese = righe(documenti::righe_dati_scheda().contenuto());
  const std::vector<std::string> trovate = righe(generati.scheda);
  ASSERT_EQ(trovate.size(), attese.size());
  const std::vector<bool> di_tabella = righe_di_tabella(attese);
  EXPECT_EQ(righe_di_tabella(trovate), di_tabella);
  // Outside the rows every line is the literal one, the header's values included.
  for (std::size_t i = 0; i < attese.size(); ++i) {
    if (!di_tabella[i]) {
      EXPECT_EQ(trovate[i], attese[i]) << "line " << i + 1;
    }
  }
}

struct riga_ordine {
  std::string stazioni;
  std::string cippo;
  std::string velocita;
  std::string lunghezza;
  bool operator==(const riga_ordine&) const = default;
};

std::vector<riga_ordine> righe_ordine(const std::string& ordine) {
  std::vector<riga_ordine> trovate;
  for (const std::string& r : righe(ordine)) {
    if (r.size() != 82) continue;
    const std::string numero = senza_blank(r.substr(2, 3));
    if (numero.empty() || numero.find_first_not_of("0123456789") != std::string::npos) continue;
    trovate.push_back({senza_blank(r.substr(6, 28)), senza_blank(r.substr(35, 12)), senza_blank(r.substr(48, 10)),
                       senza_blank(r.substr(59, 9))});
  }
  return trovate;
}

TEST_F(DocumentiIncorporati, OrderHasTheSameSlowdownsBetweenTheSameStationsWithTheirSpeedsAndLengths) {
  const std::string literale = documenti::righe_dati_rallentamenti().contenuto();
  const std::vector<riga_ordine> attese = righe_ordine(literale);
  ASSERT_EQ(attese.size(), 2u);
  EXPECT_EQ(righe_ordine(generati.rallentamenti), attese);
  // The form around the rows is the literal one.
  EXPECT_EQ(generati.rallentamenti, literale);
}

TEST_F(DocumentiIncorporati, NotesFromTheEmbeddedValuesAreTheLiteralOnes) {
  EXPECT_EQ(generati.note, documenti::righe_dati_note().contenuto());
}

}  // namespace
