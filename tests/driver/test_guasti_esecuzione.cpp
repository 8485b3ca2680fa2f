#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "driver/esecuzione.h"
#include "file_system_guasto.h"
#include "platform/cartella_riservata.h"
#include "platform/file_system_delegato.h"
#include "platform/file_system_memoria.h"
#include "sistema_prova.h"

namespace {

using guasto = file_system_guasto::guasto;

// Every output file of a run, in the order the run produces it.
struct uscita {
  const char* nome;
  bool descrizione;  // an intermediate: the compile reads it and deletes it
};
const uscita uscite[] = {
    {"Ostrale_Fiorna_linea.txt", true},
    {"Ostrale_Fiorna_40817-.txt", true},
    {"Ostrale_Fiorna_40817_note.txt", false},
    {"Ostrale_Fiorna_40817_rallentamenti.txt", false},
    {"Ostrale_Fiorna_40817_scheda_treno.txt", false},
    {"Ostrale_Fiorna_linea.dat", false},
    {"Ostrale_Fiorna_40817.sim", false},
    {"Ostrale_Fiorna_40817.dat", false},
};
constexpr int n_uscite = static_cast<int>(std::size(uscite));
constexpr int primo_binario = 5;  // the compile runs between the texts and the binaries

std::string in_programma(const std::string& nome) { return piattaforma::unisci_percorso("/programma", nome); }
std::string nuovo(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + nome); }
// An older version that differs from the new one in length and in every byte that matters.
std::string precedente(const std::string& nome) { return "versione precedente di " + nome + "\r\n" + std::string(333, '\x01'); }

struct caso_guasto {
  const char* nome;
  guasto tipo;
  std::string_view ragione;
};
const caso_guasto guasti_scrittura[] = {
    {"write torn halfway", guasto::scrittura_a_meta, file_system_guasto::ragione_scrittura},
    {"close fails after every byte", guasto::chiusura_fallita, file_system_guasto::ragione_chiusura},
    {"rename fails", guasto::rinomina_fallita, file_system_guasto::ragione_rinomina},
};

class GuastiEsecuzione : public ::testing::Test {
 protected:
  void SetUp() override { pianta_precedenti(); }

  // Older versions of every output file, and nothing else, as a past run left them.
  void pianta_precedenti() {
    memoria.file.clear();
    for (const auto& u : uscite) memoria.file[in_programma(u.nome)] = precedente(u.nome);
  }

  // Runs the whole program over the faulty platform; returns the exit status.
  int esegui(guasto tipo, const std::string& percorso) {
    file_system_guasto fs(memoria, tipo, percorso);
    sistema_prova sistema(fs);
    const int stato = guida::esegui(sistema);
    iniettati = fs.guasti_iniettati;
    messaggi = sistema.messaggi;
    eventi = sistema.eventi;
    return stato;
  }

  // Files before `intatti_da` were written by the run: the descriptions are
  // gone again (consumed by the compile, or removed by a run that stopped
  // early), the others replaced whole. That one and all after it are the older versions.
  void verifica_file(int intatti_da) {
    for (int i = 0; i < n_uscite; ++i) {
      const std::string percorso = in_programma(uscite[i].nome);
      SCOPED_TRACE(percorso);
      if (i >= intatti_da) {
        ASSERT_TRUE(memoria.esiste(percorso));
        EXPECT_TRUE(memoria.file[percorso] == precedente(uscite[i].nome)) << "older file changed";
      } else if (uscite[i].descrizione) {
        EXPECT_FALSE(memoria.esiste(percorso)) << "description left behind";
      } else {
        ASSERT_TRUE(memoria.esiste(percorso));
        EXPECT_TRUE(memoria.file[percorso] == nuovo(uscite[i].nome)) << "new file not whole";
      }
    }
    // Nothing but the outputs: no temporary, no stray file.
    for (const auto& [percorso, contenuto] : memoria.file) {
      bool noto = false;
      for (const auto& u : uscite) noto = noto || percorso == in_programma(u.nome);
      EXPECT_TRUE(noto) << "unexpected file: " << percorso;
    }
  }

  void verifica_messaggio(const std::string& percorso, std::string_view ragione) {
    EXPECT_GT(iniettati, 0) << "the fault never fired";
    EXPECT_EQ(eventi, (std::vector<std::string>{"mostra Attendere", "chiudi", "messaggio genera_scenario"}));
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_NE(messaggi[0].find(percorso), std::string::npos) << messaggi[0];
    EXPECT_NE(messaggi[0].find(ragione), std::string::npos) << messaggi[0];
  }

  piattaforma::file_system_memoria memoria;
  int iniettati = 0;
  std::vector<std::string> messaggi;
  std::vector<std::string> eventi;
};

TEST_F(GuastiEsecuzione, EveryWriteFaultOnEveryOutputKeepsTheOlderFile) {
  for (int i = 0; i < n_uscite; ++i) {
    for (const auto& g : guasti_scrittura) {
      const std::string percorso = in_programma(uscite[i].nome);
      SCOPED_TRACE(std::string(g.nome) + " on " + percorso);
      pianta_precedenti();
      EXPECT_EQ(esegui(g.tipo, percorso), guida::uscita_errore);
      verifica_messaggio(percorso, g.ragione);
      // The binary files are renamed only once all three are whole: a failed
      // write leaves every older one. A rename that fails comes after those
      // of the files before it.
      verifica_file(g.tipo == guasto::rinomina_fallita ? i : std::min(i, primo_binario));
    }
  }
}

TEST_F(GuastiEsecuzione, UnwritableDirectoryKeepsEveryOlderFile) {
  const std::string primo = in_programma(uscite[0].nome);
  EXPECT_EQ(esegui(guasto::cartella_bloccata, primo), guida::uscita_errore);
  verifica_messaggio(primo, file_system_guasto::ragione_cartella);
  verifica_file(0);
}

TEST_F(GuastiEsecuzione, UnreadableDescriptionFileStopsBeforeAnyBinary) {
  for (int i : {0, 1}) {
    const std::string percorso = in_programma(uscite[i].nome);
    SCOPED_TRACE(percorso);
    pianta_precedenti();
    EXPECT_EQ(esegui(guasto::lettura_fallita, percorso), guida::uscita_errore);
    verifica_messaggio(percorso, file_system_guasto::ragione_lettura);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_NE(messaggi[0].find("Errore n. 25"), std::string::npos) << messaggi[0];
    verifica_file(primo_binario);
  }
}

// A description file the compile cannot delete after reading it: the run
// stops before any binary and says which file would not go, and why, as a
// failure of its own rather than as a compile error.
TEST_F(GuastiEsecuzione, UndeletableDescriptionFileStopsBeforeAnyBinary) {
  for (int i : {0, 1}) {
    const std::string percorso = in_programma(uscite[i].nome);
    SCOPED_TRACE(percorso);
    pianta_precedenti();
    EXPECT_EQ(esegui(guasto::eliminazione_fallita, percorso), guida::uscita_errore);
    verifica_messaggio(percorso, file_system_guasto::ragione_eliminazione);
    EXPECT_EQ(messaggi, std::vector<std::string>{percorso + ": impossibile eliminarlo: " +
                                                 std::string(file_system_guasto::ragione_eliminazione)});
    // The file that would not go is the new one, whole; the other description is gone.
    EXPECT_TRUE(memoria.file[percorso] == nuovo(uscite[i].nome));
    EXPECT_FALSE(memoria.esiste(in_programma(uscite[1 - i].nome)));
    for (int b = primo_binario; b < n_uscite; ++b) {
      EXPECT_TRUE(memoria.file[in_programma(uscite[b].nome)] == precedente(uscite[b].nome)) << uscite[b].nome;
    }
  }
}

// A fault of the program while the compile reads a description file: said as
// a fault of the program, with its own exit status, and nothing deleted
// because of it. The line description, read and consumed before, is gone as in
// any run; the service description stays; no binary is touched.
TEST_F(GuastiEsecuzione, FaultOfTheProgramIsSaidAsSuchAndDeletesNothing) {
  const std::string percorso = in_programma(uscite[1].nome);
  EXPECT_EQ(esegui(guasto::difetto_interno, percorso), guida::uscita_errore_interno);
  EXPECT_EQ(iniettati, 1);
  EXPECT_EQ(eventi, (std::vector<std::string>{"mostra Attendere", "chiudi", "messaggio genera_scenario"}));
  EXPECT_EQ(messaggi, std::vector<std::string>{"Errore interno del programma: " +
                                               std::string(file_system_guasto::ragione_difetto)});
  EXPECT_FALSE(memoria.esiste(in_programma(uscite[0].nome)));
  EXPECT_TRUE(memoria.file[percorso] == nuovo(uscite[1].nome)) << "the service description was deleted";
  for (int i = 2; i < n_uscite; ++i) {
    SCOPED_TRACE(uscite[i].nome);
    const std::string atteso = i < primo_binario ? nuovo(uscite[i].nome) : precedente(uscite[i].nome);
    EXPECT_TRUE(memoria.file[in_programma(uscite[i].nome)] == atteso);
  }
}

// A run killed or cut short by a power failure may have left torn
// temporaries: the next run of the folder removes them, and only them, and
// writes every output whole.
TEST_F(GuastiEsecuzione, TornTemporariesOfAKilledRunAreRemovedByTheNextRun) {
  const std::string unico = "00c0ffee00c0ffee";
  for (const auto& u : uscite)
    memoria.file[piattaforma::percorso_temporaneo(in_programma(u.nome), unico)] = "strappato";
  const std::string altrui = piattaforma::percorso_temporaneo(in_programma("altro.dat"), unico);
  memoria.file[altrui] = "di un altro programma";
  EXPECT_EQ(esegui(guasto::nessuno, ""), 0);
  EXPECT_TRUE(messaggi.empty());
  EXPECT_EQ(memoria.file[altrui], "di un altro programma");
  memoria.file.erase(altrui);
  verifica_file(n_uscite);
}

// Another run writing the folder for longer than the wait: this one says so
// and touches nothing.
TEST_F(GuastiEsecuzione, AFolderAnotherRunKeepsWritingStopsTheRunTouchingNothing) {
  memoria.occupate.insert("/programma");
  const auto prima = memoria.file;
  EXPECT_EQ(esegui(guasto::nessuno, ""), guida::uscita_errore);
  EXPECT_EQ(messaggi, std::vector<std::string>{"/programma: " +
                                               piattaforma::ragione_cartella_occupata(piattaforma::attesa_cartella())});
  EXPECT_EQ(memoria.file, prima);
}

// Checks, at every change to the folder, that the run holds it.
class file_system_sorvegliato : public piattaforma::file_system_delegato {
 public:
  explicit file_system_sorvegliato(piattaforma::file_system_memoria& m) : file_system_delegato(m), m_(m) {}
  piattaforma::esito scrivi(const std::string& p, std::string_view c) override {
    conta();
    return file_system_delegato::scrivi(p, c);
  }
  piattaforma::esito scrivi_a_pezzi(const std::string& p, piattaforma::pezzi_contenuto& pezzi) override {
    conta();
    return file_system_delegato::scrivi_a_pezzi(p, pezzi);
  }
  piattaforma::esito rinomina(const std::string& da, const std::string& a) override {
    conta();
    return file_system_delegato::rinomina(da, a);
  }
  piattaforma::esito elimina(const std::string& p) override {
    conta();
    return file_system_delegato::elimina(p);
  }
  int cambiamenti = 0;
  int senza_cartella = 0;

 private:
  void conta() {
    ++cambiamenti;
    if (m_.tenute["/programma"] != 1) ++senza_cartella;
  }
  piattaforma::file_system_memoria& m_;
};

TEST_F(GuastiEsecuzione, TheRunHoldsItsFolderForEveryChangeAndLetsItGo) {
  file_system_sorvegliato fs(memoria);
  sistema_prova sistema(fs);
  EXPECT_EQ(guida::esegui(sistema), 0);
  EXPECT_GT(fs.cambiamenti, 10);
  EXPECT_EQ(fs.senza_cartella, 0);
  EXPECT_TRUE(memoria.tenute.empty());
}

// An output name taken by a folder: refused by name before anything is written.
TEST_F(GuastiEsecuzione, AnOutputThatIsAFolderStopsTheRunBeforeAnyWrite) {
  const std::string sim = in_programma(uscite[6].nome);
  memoria.file.erase(sim);
  memoria.file[piattaforma::unisci_percorso(sim, "dentro")] = "x";
  const auto prima = memoria.file;
  EXPECT_EQ(esegui(guasto::nessuno, ""), guida::uscita_errore);
  EXPECT_EQ(messaggi, std::vector<std::string>{sim + ": non \xE8 un file ma una cartella"});
  EXPECT_EQ(memoria.file, prima);
}

}  // namespace
