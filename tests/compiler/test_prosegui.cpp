#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "compiler/compilatore.h"
#include "formato/scrivi_binari.h"
#include "platform/file_system_memoria.h"

// A compile that goes on after errors (opzioni::errori) finds them all, and
// changes nothing of what a compile that meets none builds.
namespace {

const compilatore::sorgenti file{"p/Ostrale_Fiorna_linea.txt", "p/Ostrale_Fiorna_40817-.txt"};

std::string leggi_dati(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + nome); }

struct compilazione {
  compilatore::compilato fatto;
  std::vector<compilatore::avviso> avvisi;
  std::vector<compilatore::errore_raccolto> errori;
};

compilazione compila(const std::string& linea, const std::string& treno, bool prosegui) {
  piattaforma::file_system_memoria fs;
  fs.file[file.linea] = linea;
  fs.file[file.treno] = treno;
  compilazione c;
  compilatore::opzioni o{"Ostrale_Fiorna", "40817", true, false};
  if (prosegui) {
    o.avvisi = &c.avvisi;
    o.errori = &c.errori;
  }
  c.fatto = compilatore::compila(fs, file, o);
  return c;
}

void stessi_file(const compilatore::modello& a, const compilatore::modello& b) {
  EXPECT_TRUE(formato::contenuto_tracciato(a.punti) == formato::contenuto_tracciato(b.punti));
  EXPECT_TRUE(formato::contenuto_tabella(a.tabella) == formato::contenuto_tabella(b.tabella));
  EXPECT_TRUE(formato::contenuto_celle(a.celle) == formato::contenuto_celle(b.celle));
}

TEST(Prosegui, TheEmbeddedScenarioGivesNoWarningAndItsOwnFiles) {
  const compilazione c = compila(leggi_dati("Ostrale_Fiorna_linea.txt"), leggi_dati("Ostrale_Fiorna_40817-.txt"), true);
  ASSERT_EQ(c.fatto.errore.codice_errore, 0);
  EXPECT_TRUE(c.errori.empty());
  for (const compilatore::avviso& a : c.avvisi) ADD_FAILURE() << compilatore::nome_avviso(a.tipo) << ": " << a.testo;
  EXPECT_TRUE(formato::contenuto_tracciato(c.fatto.m.punti) == leggi_dati("Ostrale_Fiorna_linea.dat"));
  EXPECT_TRUE(formato::contenuto_tabella(c.fatto.m.tabella) == leggi_dati("Ostrale_Fiorna_40817.sim"));
  EXPECT_TRUE(formato::contenuto_celle(c.fatto.m.celle) == leggi_dati("Ostrale_Fiorna_40817.dat"));
}

// A record that fails is undone whole: the rest of the model is what the
// file without it gives, cell for cell, whatever the record had written
// before it failed.
TEST(Prosegui, ARecordThatFailsLeavesTheModelAsIfItWereAbsent) {
  const std::string linea = leggi_dati("Ostrale_Fiorna_linea.txt");
  const std::string treno = leggi_dati("Ostrale_Fiorna_40817-.txt");
  const std::string dopo_segnali = "[codici]";  // after every record that takes a cell
  const struct {
    const char* nome;
    std::string record;
    std::int32_t codice;
  } casi[] = {
      // Its warning, start and end cells are written before one of the four
      // cells before its warning is found taken, by the signal at 1650.
      {"slowdown whose cells before the warning are taken", "rallentamento, 2950, 60, 200, 0, 1, 0\r\n", 20},
      {"signal on a taken cell", "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n", 16},
      {"station off the 50 m grid", "stazione, 9025, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\r\n", 8},
      {"a value of the wrong kind", "sabbia, molta\r\n", 25},
  };
  const compilazione senza = compila(linea, treno, false);
  ASSERT_EQ(senza.fatto.errore.codice_errore, 0);
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    std::string con = treno;
    con.insert(con.find(dopo_segnali), caso.record);
    const compilazione c = compila(linea, con, true);
    ASSERT_EQ(c.errori.size(), 1u);
    EXPECT_EQ(c.errori[0].errore.codice_errore, caso.codice);
    // The main program's compile of the same files stops there, with the same error.
    EXPECT_EQ(compila(linea, con, false).fatto.errore.codice_errore, caso.codice);
    stessi_file(c.fatto.m, senza.fatto.m);
  }
}

}  // namespace
