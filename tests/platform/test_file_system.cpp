#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "cartella_temporanea.h"
#include "conta_memoria.h"
#include "file_system_guasto.h"
#include "pezzi_fissi.h"
#include "platform/file_system.h"
#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"

namespace {

using piattaforma::sostituisci_file;
using guasto = file_system_guasto::guasto;

struct caso_guasto {
  guasto tipo;
  std::string_view ragione;
};
const caso_guasto guasti[] = {
    {guasto::scrittura_a_meta, file_system_guasto::ragione_scrittura},
    {guasto::rinomina_fallita, file_system_guasto::ragione_rinomina},
};

TEST(SostituisciFile, ReplacesWholeContentInMemory) {
  piattaforma::file_system_memoria fs;
  fs.file["a.dat"] = std::string(100, 'x');
  ASSERT_TRUE(sostituisci_file(fs, "a.dat", "nuovo").riuscito());
  EXPECT_EQ(fs.file.size(), 1u);
  EXPECT_EQ(fs.file["a.dat"], "nuovo");
}

// Whole or in pieces, a failure keeps the older file, leaves no temporary and
// names the target once, never the temporary, with the platform's reason.
// Pieces reach a file system that knows nothing of them joined through its
// own scrivi, so its faults apply to them too.
TEST(SostituisciFile, FailureKeepsOlderFileLeavesNoTemporaryAndNamesTheTarget) {
  for (const bool a_pezzi : {false, true}) {
    for (const caso_guasto& g : guasti) {
      SCOPED_TRACE(std::string(a_pezzi ? "in pieces: " : "whole: ") + std::string(g.ragione));
      piattaforma::file_system_memoria memoria;
      file_system_guasto fs(memoria, g.tipo, "a.dat");
      memoria.file["a.dat"] = "vecchio";
      pezzi_fissi pezzi({"nuovo ", "contenuto"});
      const auto esito =
          a_pezzi ? sostituisci_file(fs, "a.dat", pezzi) : sostituisci_file(fs, "a.dat", "nuovo contenuto");
      EXPECT_FALSE(esito.mancante());
      EXPECT_EQ(esito.messaggio(), "a.dat: " + std::string(g.ragione));
      EXPECT_EQ(fs.guasti_iniettati, 1);
      EXPECT_EQ(memoria.file, (std::map<std::string, std::string>{{"a.dat", "vecchio"}}));
    }
  }
}

TEST(SostituisciEseguibile, TheProgramArrivesWholeAndRunnable) {
  piattaforma::file_system_memoria fs;
  fs.file["inst"] = "vecchio programma, piu' lungo";
  ASSERT_TRUE(piattaforma::sostituisci_eseguibile(fs, "inst", "nuovo").riuscito());
  EXPECT_EQ(fs.file, (std::map<std::string, std::string>{{"inst", "nuovo"}}));
  EXPECT_EQ(fs.eseguibili, std::set<std::string>{"inst"});
}

TEST(SostituisciEseguibile, AnyFailedStepKeepsOlderFileAndLeavesNoTemporary) {
  const caso_guasto casi[] = {
      {guasto::scrittura_a_meta, file_system_guasto::ragione_scrittura},
      {guasto::eseguibile_negato, file_system_guasto::ragione_eseguibile},
      {guasto::rinomina_fallita, file_system_guasto::ragione_rinomina},
  };
  for (const caso_guasto& g : casi) {
    SCOPED_TRACE(std::string(g.ragione));
    piattaforma::file_system_memoria memoria;
    file_system_guasto fs(memoria, g.tipo, "inst");
    memoria.file["inst"] = "vecchio";
    const auto esito = piattaforma::sostituisci_eseguibile(fs, "inst", "nuovo programma");
    EXPECT_EQ(esito.messaggio(), "inst: " + std::string(g.ragione));
    EXPECT_EQ(fs.guasti_iniettati, 1);
    EXPECT_EQ(memoria.file, (std::map<std::string, std::string>{{"inst", "vecchio"}}));
    EXPECT_TRUE(memoria.eseguibili.empty());
  }
}

TEST(SostituisciFileAPezzi, JoinsThePiecesInOrderInMemory) {
  for (const caso_pezzi& caso : casi_pezzi()) {
    SCOPED_TRACE(caso.nome);
    piattaforma::file_system_memoria fs;
    fs.file["a.dat"] = std::string(400000, 'v');
    pezzi_fissi pezzi(caso.pezzi);
    ASSERT_TRUE(sostituisci_file(fs, "a.dat", pezzi).riuscito());
    EXPECT_EQ(fs.file.size(), 1u);
    EXPECT_TRUE(fs.file["a.dat"] == unisci(caso.pezzi));
  }
}

// A missing file is a failure of its own kind, on every operation that needs the file.
TEST(FileSystemMemoria, MissingFileIsNotFound) {
  piattaforma::file_system_memoria fs;
  fs.file["c.dat"] = "c";
  std::string letto;
  for (const auto& esito : {fs.leggi("m.dat", letto), fs.elimina("m.dat"), fs.rinomina("m.dat", "c.dat")}) {
    EXPECT_TRUE(esito.mancante());
    EXPECT_EQ(esito.messaggio(), "m.dat: file non trovato");
  }
  EXPECT_EQ(fs.file, (std::map<std::string, std::string>{{"c.dat", "c"}}));
}

// The same piece of `byte` bytes `volte` times, made as it is asked for.
class pezzi_ripetuti : public piattaforma::pezzi_contenuto {
 public:
  pezzi_ripetuti(std::size_t byte, int volte) : pezzo_(byte, '\0'), restanti_(volte) {}
  std::string_view prossimo() override {
    if (restanti_ == 0) return {};
    --restanti_;
    for (std::size_t i = 0; i < pezzo_.size(); ++i) pezzo_[i] = static_cast<char>((i + restanti_) % 251);
    return pezzo_;
  }

 private:
  std::string pezzo_;
  int restanti_;
};

// The platform's own file system sends each piece to the file as it comes, so
// a large file (the geometry is 20 MB at 1000 km) is never held whole.
TEST(FileSystemReale, PiecesGoToTheFileWithoutBeingJoined) {
  constexpr std::size_t mib = std::size_t{1} << 20;
  constexpr int volte = 16;
  cartella_temporanea cartella;
  const std::string percorso = piattaforma::unisci_percorso(cartella.percorso().string(), "Ostrale_Fiorna_linea.dat");
  scrivi_file(percorso, "vecchio");
  pezzi_ripetuti pezzi(mib, volte);

  const std::size_t prima = conta_memoria::in_uso();
  conta_memoria::azzera_picco();
  ASSERT_TRUE(sostituisci_file(piattaforma::sistema_reale().file(), percorso, pezzi).riuscito());
  const std::size_t picco = conta_memoria::picco() - prima;

  const std::string scritto = leggi_file(percorso);
  ASSERT_EQ(scritto.size(), volte * mib);
  for (int volta = 0; volta < volte; ++volta) {
    const std::size_t inizio = static_cast<std::size_t>(volta) * mib;
    const auto restanti = static_cast<std::size_t>(volte - 1 - volta);
    EXPECT_EQ(scritto[inizio + 7], static_cast<char>((7 + restanti) % 251)) << "piece " << volta;
  }
  if (conta_memoria::misura_attiva()) {
    EXPECT_LT(picco, mib) << "the pieces were joined in memory";
  }
}

}  // namespace
