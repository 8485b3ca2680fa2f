#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cartella_temporanea.h"
#include "conta_memoria.h"
#include "file_system_guasto.h"
#include "pezzi_fissi.h"
#include "platform/cartella_riservata.h"
#include "platform/file_system.h"
#include "platform/file_system_delegato.h"
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

// A temporary file's name is the target's, the mark, and 16 hexadecimal
// digits; nothing else is taken for one.
TEST(PercorsoTemporaneo, OnlyTheTargetTheMarkAndSixteenHexDigitsMakeOne) {
  const std::string unico = "0123456789abcdef";
  EXPECT_EQ(piattaforma::percorso_temporaneo("d/a.sim", unico), "d/a.sim.nuovo-0123456789abcdef");
  EXPECT_EQ(piattaforma::bersaglio_di(piattaforma::percorso_temporaneo("d/a.sim", unico)), "d/a.sim");
  for (const char* non_temporaneo :
       {"d/a.sim", "d/a.sim.nuovo", "d/a.sim.nuovo-0123456789abcde", "d/a.sim.nuovo-0123456789ABCDEF",
        "d/a.sim.nuovo-0123456789abcdeg", "d/a.sim.vecchio0123456789abcdef", ".nuovo-0123456789abcdef"}) {
    EXPECT_EQ(piattaforma::bersaglio_di(non_temporaneo), std::nullopt) << non_temporaneo;
  }
}

// The outcomes of the writes, the temporary names included, for a test to look at.
class file_system_annotato : public piattaforma::file_system_delegato {
 public:
  using file_system_delegato::file_system_delegato;
  piattaforma::esito scrivi(const std::string& percorso, std::string_view contenuto) override {
    scritti.push_back(percorso);
    // Someone else's file appears at the first name tried, as a planted link would.
    if (scritti.size() == 1 && pianta_al_primo) static_cast<void>(sotto().scrivi(percorso, "altrui"));
    return file_system_delegato::scrivi(percorso, contenuto);
  }
  std::vector<std::string> scritti;
  bool pianta_al_primo = false;
};

TEST(SostituisciFile, EveryRunTakesANewNameAndLeavesAnotherRunsFileAlone) {
  piattaforma::file_system_memoria memoria;
  file_system_annotato fs(memoria);
  fs.pianta_al_primo = true;
  ASSERT_TRUE(sostituisci_file(fs, "d/a.dat", "nuovo").riuscito());
  ASSERT_TRUE(sostituisci_file(fs, "d/a.dat", "ancora").riuscito());
  ASSERT_EQ(fs.scritti.size(), 3u);
  for (const std::string& temporaneo : fs.scritti) EXPECT_EQ(piattaforma::bersaglio_di(temporaneo), "d/a.dat");
  EXPECT_NE(fs.scritti[0], fs.scritti[1]);
  EXPECT_NE(fs.scritti[1], fs.scritti[2]);
  // The file found at the first name is not this run's: neither used nor removed.
  EXPECT_EQ(memoria.file, (std::map<std::string, std::string>{{"d/a.dat", "ancora"}, {fs.scritti[0], "altrui"}}));
}

// "nuovo NAME" for every name, as one sostituzioni.
piattaforma::esito sostituisci_insieme(piattaforma::file_system& fs, const std::vector<std::string>& nomi) {
  piattaforma::sostituzioni s(fs);
  for (const std::string& n : nomi) {
    piattaforma::esito preparato = s.prepara(n, "nuovo " + n);
    if (!preparato.riuscito()) return preparato;
  }
  return s.conferma();
}

// Written together: a failed write leaves every older file; a failed rename
// stops there, the files before it already whole and new, the rest old.
TEST(Sostituzioni, FilesAreRenamedOnlyOnceEveryOneIsWhole) {
  const std::vector<std::string> nomi = {"d/a.dat", "d/b.sim", "d/c.dat"};
  for (std::size_t k = 0; k < nomi.size(); ++k) {
    for (const caso_guasto& g : guasti) {
      SCOPED_TRACE(nomi[k] + ": " + std::string(g.ragione));
      piattaforma::file_system_memoria memoria;
      for (const std::string& n : nomi) memoria.file[n] = "vecchio " + n;
      file_system_guasto fs(memoria, g.tipo, nomi[k]);
      const piattaforma::esito esito = sostituisci_insieme(fs, nomi);
      EXPECT_EQ(esito.messaggio(), nomi[k] + ": " + std::string(g.ragione));
      const std::size_t nuovi = g.tipo == guasto::rinomina_fallita ? k : 0;
      std::map<std::string, std::string> attesi;
      for (std::size_t i = 0; i < nomi.size(); ++i) attesi[nomi[i]] = (i < nuovi ? "nuovo " : "vecchio ") + nomi[i];
      EXPECT_EQ(memoria.file, attesi);
    }
  }
}

TEST(Sostituzioni, ATargetThatIsAFolderIsRefusedBeforeAnythingIsWritten) {
  piattaforma::file_system_memoria fs;
  fs.file["d/a.sim/dentro"] = "x";
  fs.file["d/b.dat"] = "vecchio";
  piattaforma::sostituzioni s(fs);
  ASSERT_TRUE(s.prepara("d/b.dat", "nuovo").riuscito());
  const piattaforma::esito esito = s.prepara("d/a.sim", "nuovo");
  EXPECT_EQ(esito.messaggio(), "d/a.sim: non \xE8 un file ma una cartella");
  EXPECT_EQ(fs.file.size(), 3u) << "only the first temporary";
}

// A run holds its folder; a killed run's temporaries of this run's targets
// go, anything else stays.
TEST(CartellaRiservata, HeldForItsLifeAndTakesOnlyItsOwnTargetsLeftovers) {
  piattaforma::file_system_memoria fs;
  // In the folder as a run names its files, with the platform's separator.
  const auto in_d = [](std::string_view nome) { return piattaforma::unisci_percorso("d", nome); };
  const std::string unico = "00000000deadbeef";
  const std::vector<std::string> bersagli = {in_d("a.sim"), in_d("a.dat")};
  const std::map<std::string, std::string> restano = {
      {in_d("a.sim"), "vecchio"},
      {in_d("altro.sim.nuovo-00000000deadbeef"), "di un altro bersaglio"},
      {in_d("a.sim.nuovo-0000"), "non un temporaneo"},
      {piattaforma::unisci_percorso("e", "a.sim.nuovo-00000000deadbeef"), "di un'altra cartella"},
  };
  fs.file = restano;
  fs.file[piattaforma::percorso_temporaneo(in_d("a.sim"), unico)] = "strappato";
  fs.file[piattaforma::percorso_temporaneo(in_d("a.dat"), unico)] = "strappato";
  {
    piattaforma::cartella_riservata riservata;
    ASSERT_TRUE(riservata.prendi(fs, "d", bersagli).riuscito());
    EXPECT_TRUE(riservata.tenuta());
    EXPECT_EQ(fs.tenute, (std::map<std::string, int>{{"d", 1}}));
    EXPECT_EQ(fs.file, restano);
  }
  EXPECT_TRUE(fs.tenute.empty());
}

TEST(CartellaRiservata, AFolderHeldByAnotherRunOrATargetThatIsNoFileStopsTheRunTouchingNothing) {
  piattaforma::file_system_memoria fs;
  const std::string avanzo = piattaforma::percorso_temporaneo("d/a.sim", "00000000deadbeef");
  fs.file[avanzo] = "strappato";
  fs.occupate.insert("d");
  const std::vector<std::string> bersagli = {"d/a.sim"};
  piattaforma::cartella_riservata riservata;
  EXPECT_EQ(riservata.prendi(fs, "d", bersagli).messaggio(),
            "d: " + piattaforma::ragione_cartella_occupata(piattaforma::attesa_cartella()));
  EXPECT_FALSE(riservata.tenuta());
  EXPECT_TRUE(fs.file.contains(avanzo)) << "a leftover removed without the folder held";

  fs.occupate.clear();
  fs.file["d/a.sim/dentro"] = "x";
  EXPECT_EQ(riservata.prendi(fs, "d", bersagli).messaggio(), "d/a.sim: non \xE8 un file ma una cartella");
}

TEST(CartellaRiservata, TheWaitComesFromTheVariableWithinBounds) {
  using std::chrono::milliseconds;
  const std::pair<const char*, milliseconds> casi[] = {
      {nullptr, milliseconds(60000)},    {"0", milliseconds(0)},
      {"0.25", milliseconds(250)},       {"2", milliseconds(2000)},
      {"86400", milliseconds(86400000)}, {"86401", milliseconds(60000)},
      {"-1", milliseconds(60000)},       {"", milliseconds(60000)},
      {"5s", milliseconds(60000)},       {"nan", milliseconds(60000)},
      {"inf", milliseconds(60000)},
  };
  for (const auto& [valore, attesa] : casi) {
    EXPECT_EQ(piattaforma::attesa_da(valore), attesa) << (valore == nullptr ? "(absent)" : valore);
  }
  EXPECT_EQ(piattaforma::ragione_cartella_occupata(milliseconds(250)),
            "un'altra esecuzione sta scrivendo in questa cartella: attesi 0,25 s, nessun file \xE8 stato toccato");
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
