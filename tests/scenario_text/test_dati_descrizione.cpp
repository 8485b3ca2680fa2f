#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "cartella_temporanea.h"
#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"
#include "scenario_text/dati_linea.h"
#include "scenario_text/dati_treno.h"
#include "scenario_text/nomi_scenario.h"

namespace {

using testo_scenario::tabella_righe;

using scrittore = piattaforma::esito (*)(piattaforma::file_system&, const std::string&);
using riempitore = tabella_righe (*)();

struct descrizione {
  const char* nome_file;  // also the name of the expected file in tests/dati
  scrittore scrivi;
  riempitore righe;
  std::size_t numero_righe;
  std::size_t byte;
};

std::size_t lunghezza_nomi_intermedi() {
  std::size_t totale = 0;
  for (std::size_t i = 1; i + 1 < testo_scenario::nomi::stazioni.size(); ++i) {
    totale += testo_scenario::nomi::stazioni[i].size();
  }
  return totale;
}

const descrizione descrizioni[] = {
    {"Ostrale_Fiorna_linea.txt", testo_scenario::dati_linea, testo_scenario::righe_dati_linea, 122, 4312},
    {"Ostrale_Fiorna_40817-.txt", testo_scenario::dati_treno, testo_scenario::righe_dati_treno, 134,
     6507 + lunghezza_nomi_intermedi()},
};

std::string atteso(const descrizione& d) {
  return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + d.nome_file);
}

std::size_t conta(const std::string& testo, const std::string& parte) {
  std::size_t volte = 0;
  for (auto pos = testo.find(parte); pos != std::string::npos; pos = testo.find(parte, pos + 1)) ++volte;
  return volte;
}

TEST(DescriptionWriters, WholeFileMatchesExpectedAndReplacesLongerFile) {
  for (const descrizione& d : descrizioni) {
    SCOPED_TRACE(d.nome_file);
    const std::string previsto = atteso(d);
    ASSERT_EQ(previsto.size(), d.byte) << "expected file unreadable or wrong";

    piattaforma::file_system_memoria fs;
    const std::string percorso = std::string("cartella/") + d.nome_file;
    fs.file[percorso] = std::string(20000, 'x') + "riferimento fine del file\r\n";
    fs.file["cartella/altro.txt"] = "intatto";
    ASSERT_TRUE(d.scrivi(fs, percorso).riuscito());

    EXPECT_EQ(fs.file[percorso], previsto);
    EXPECT_EQ(fs.file.size(), 2u);  // no temporary left, nothing else touched
    EXPECT_EQ(fs.file["cartella/altro.txt"], "intatto");
  }
}

TEST(DescriptionWriters, LinesEndInCrLfWithoutEndMarker) {
  for (const descrizione& d : descrizioni) {
    SCOPED_TRACE(d.nome_file);
    const tabella_righe tabella = d.righe();
    EXPECT_EQ(tabella.righe(), d.numero_righe);

    const std::string testo = tabella.contenuto();
    EXPECT_EQ(testo.size(), d.byte);
    EXPECT_EQ(conta(testo, "\r\n"), d.numero_righe);
    EXPECT_EQ(conta(testo, "\n"), d.numero_righe);  // no bare LF
    EXPECT_EQ(conta(testo, "\r"), d.numero_righe);  // no bare CR
    EXPECT_EQ(testo.find("riferimento fine del file"), std::string::npos);
    EXPECT_EQ(testo.rfind("[generale]\r\n", 0), 0u);
    ASSERT_GE(testo.size(), 8u);
    EXPECT_EQ(testo.substr(testo.size() - 8), "[fine]\r\n");
    EXPECT_EQ(testo.find("\r\n\r\n"), std::string::npos);  // no blank line
    std::size_t non_stampabili = 0;
    for (char c : testo) {
      if ((c < ' ' || c > '~') && c != '\r' && c != '\n') ++non_stampabili;
    }
    EXPECT_EQ(non_stampabili, 0u);
  }
}

TEST(DescriptionWriters, BytesOnDiskAreUntranslated) {
  cartella_temporanea cartella;
  piattaforma::file_system& fs = piattaforma::sistema_reale().file();
  for (const descrizione& d : descrizioni) {
    SCOPED_TRACE(d.nome_file);
    const std::string percorso = cartella / d.nome_file;
    scrivi_file(percorso, std::string(9000, 'v'));
    ASSERT_TRUE(d.scrivi(fs, percorso).riuscito());
    EXPECT_EQ(leggi_file(percorso), atteso(d));
  }
}

// The writers pass a platform failure on to their caller.
class file_system_pieno : public piattaforma::file_system_memoria {
 public:
  piattaforma::esito scrivi(const std::string& p, std::string_view) override {
    return piattaforma::esito::errore(p + ": disco pieno");
  }
};

TEST(DescriptionWriters, ReportWriteFailure) {
  for (const descrizione& d : descrizioni) {
    SCOPED_TRACE(d.nome_file);
    file_system_pieno fs;
    fs.file[d.nome_file] = "vecchio";
    const auto esito = d.scrivi(fs, d.nome_file);
    EXPECT_FALSE(esito.riuscito());
    EXPECT_NE(esito.messaggio().find("disco pieno"), std::string::npos);
    EXPECT_EQ(fs.file[d.nome_file], "vecchio");
  }
}

}  // namespace
