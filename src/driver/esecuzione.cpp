#include "driver/esecuzione.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "compiler/scrivi_binari.h"
#include "driver/sorgente_incorporata.h"
#include "formato/nomi_file.h"
#include "platform/cartella_riservata.h"

namespace guida {
namespace {

// A failure that ends the run, carried to its top to be shown there.
class errore_fatale : public std::exception {
 public:
  explicit errore_fatale(std::string testo) : testo_(std::move(testo)) {}
  const char* what() const noexcept override { return testo_.c_str(); }

 private:
  std::string testo_;
};

void verifica(const piattaforma::esito& esito) {
  if (!esito.riuscito()) throw errore_fatale(esito.messaggio());
}

// The compiler driver: compiles the two description files and, only when the
// scenario compiled clean, writes the binary files.
void memorizza_percorso(piattaforma::file_system& fs, const formato::nomi_file& nomi, const testi_scenario& testi,
                        bool calcola_tracciato) {
  const compilatore::opzioni opzioni{
      .nome_base = testi.nome_base,
      .codice_treno = testi.codice_treno,
      .calcola_tracciato = calcola_tracciato,
      .elimina_descrizioni = true,
  };
  const compilatore::compilato c = compilatore::compila(fs, {nomi.linea_txt, nomi.treno_txt}, opzioni);
  const auto pulito = c.pulito();
  if (!pulito) {
    std::string testo;
    if (c.errore.codice_errore != 0) {
      testo = testo_errore(c.errore.codice_errore, c.errore.posizione_errore);
      // Without it the user could not tell which file failed, or why.
      if (!c.errore.causa_errore.empty()) testo.append("\n").append(c.errore.causa_errore);
    }
    const std::string& rimasta = c.errore.descrizione_rimasta;
    if (!rimasta.empty()) testo.append(testo.empty() ? "" : "\n").append(rimasta);
    throw errore_fatale(testo);
  }
  verifica(compilatore::scrivi_compilato(fs, {nomi.tracciato_dat, nomi.tabella_sim, nomi.celle_dat}, *pulito));
}

// The platform says by an exception why it cannot name the program's folder:
// a failure of the platform like any other, not a fault of the program.
std::string cartella_del_programma(piattaforma::sistema& sistema) {
  try {
    return sistema.cartella_programma();
  } catch (const std::runtime_error& e) {
    throw errore_fatale(e.what());
  }
}

// Every file the run writes, intermediates included.
std::vector<std::string> bersagli(const formato::nomi_file& nomi) {
  return {nomi.linea_txt,  nomi.treno_txt,     nomi.note_txt,    nomi.rallentamenti_txt,
          nomi.scheda_txt, nomi.tracciato_dat, nomi.tabella_sim, nomi.celle_dat};
}

// The description files this run wrote and the compile did not consume: a
// run that stops early takes them away. Returns what would not go, one line
// each, but for a file that `gia_detto` already names.
std::string rimuovi_descrizioni(piattaforma::file_system& fs, const std::vector<std::string>& scritte,
                                const std::string& gia_detto) {
  std::string rimaste;
  for (const std::string& percorso : scritte) {
    const piattaforma::esito e = fs.elimina(percorso);
    if (e.riuscito() || e.mancante() || gia_detto.find(percorso) != std::string::npos) continue;
    rimaste.append("\n").append(compilatore::testo_non_eliminato(e));
  }
  return rimaste;
}

// The texts and the compile, in Form_Load's fixed order; the description
// files written are listed in `scritte` as they are written.
void scrivi_e_compila(piattaforma::file_system& fs, const formato::nomi_file& nomi, const testi_scenario& testi,
                      std::vector<std::string>& scritte) {
  for (const auto& [percorso, testo] :
       {std::pair{&nomi.linea_txt, &testi.linea}, std::pair{&nomi.treno_txt, &testi.treno}}) {
    verifica(piattaforma::sostituisci_file(fs, *percorso, *testo));
    scritte.push_back(*percorso);
  }
  verifica(piattaforma::sostituisci_file(fs, nomi.note_txt, testi.note));
  verifica(piattaforma::sostituisci_file(fs, nomi.rallentamenti_txt, testi.rallentamenti));
  verifica(piattaforma::sostituisci_file(fs, nomi.scheda_txt, testi.scheda));
  memorizza_percorso(fs, nomi, testi, true);
}

// Form_Load's work. A scenario that cannot be had, or a folder another run
// keeps writing, stops the run before anything is written; a run that stops
// later takes its description files with it.
void lavora(piattaforma::sistema& sistema, sorgente_scenario& sorgente) {
  testi_scenario testi;
  verifica(sorgente.leggi(sistema, testi));
  piattaforma::file_system& fs = sistema.file();
  const std::string cartella = cartella_del_programma(sistema);
  const formato::nomi_file nomi = formato::forma_nomi(cartella, testi.nome_base, testi.codice_treno);
  piattaforma::cartella_riservata riservata;
  verifica(riservata.prendi(fs, cartella, bersagli(nomi)));
  std::vector<std::string> scritte;
  try {
    scrivi_e_compila(fs, nomi, testi, scritte);
  } catch (const errore_fatale& e) {
    const std::string detto = e.what();
    throw errore_fatale(detto + rimuovi_descrizioni(fs, scritte, detto));
  }
}

}  // namespace

std::string testo_errore(std::int32_t numero, std::int32_t posizione) {
  std::string testo(" Errore n. ");
  testo.append(std::to_string(numero));
  // The identification checks are reported by their number alone.
  if (numero == compilatore::errore::segnaposto_occupati || numero == compilatore::errore::codici_occupati) {
    return testo;
  }
  if (compilatore::ha_posizione(numero)) {
    testo.append("\nposizione ").append(std::to_string(posizione)).append(" m");
  }
  testo.append("\n").append(compilatore::descrizione_errore(numero));
  return testo;
}

std::string testo_errore_interno(std::string_view causa) {
  return std::string(inizio_errore_interno) + std::string(causa);
}

int esegui(piattaforma::sistema& sistema, sorgente_scenario& sorgente) {
  sistema.mostra_attesa(messaggio_attesa);
  std::string testo;
  int stato = uscita_riuscita;
  try {
    lavora(sistema, sorgente);
  } catch (const errore_fatale& e) {
    testo = e.what();
    stato = uscita_errore;
  } catch (const std::exception& e) {
    // A fault of the program, not of the scenario or the platform: said as
    // such, and nothing is deleted because of it.
    testo = testo_errore_interno(e.what());
    stato = uscita_errore_interno;
  }
  sistema.chiudi_attesa();
  // The box replaces the wait window rather than standing over it.
  if (stato != uscita_riuscita) sistema.messaggio(sorgente.titolo(sistema), testo);
  return stato;
}

int esegui(piattaforma::sistema& sistema) {
  sorgente_incorporata incorporata;
  return esegui(sistema, incorporata);
}

}  // namespace guida
