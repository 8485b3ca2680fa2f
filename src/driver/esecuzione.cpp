#include "driver/esecuzione.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "compiler/scrivi_binari.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "formato/nomi_file.h"
#include "scenario_text/dati_linea.h"
#include "scenario_text/dati_treno.h"
#include "scenario_text/nomi_scenario.h"

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
void memorizza_percorso(piattaforma::file_system& fs, const formato::nomi_file& nomi, bool calcola_tracciato) {
  const compilatore::opzioni opzioni{
      .nome_base = std::string(testo_scenario::nomi::nome_base),
      .codice_treno = std::string(testo_scenario::nomi::codice_treno),
      .calcola_tracciato = calcola_tracciato,
      .elimina_descrizioni = true,
  };
  const compilatore::compilato c = compilatore::compila(fs, {nomi.linea_txt, nomi.treno_txt}, opzioni);
  const auto pulito = c.pulito();
  if (!pulito) {
    std::string testo = testo_errore(c.errore.codice_errore, c.errore.posizione_errore);
    // Without it the user could not tell which file failed, or why.
    if (!c.errore.causa_errore.empty()) testo.append("\n").append(c.errore.causa_errore);
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

// Form_Load's work, in its fixed order.
void lavora(piattaforma::sistema& sistema) {
  piattaforma::file_system& fs = sistema.file();
  const formato::nomi_file nomi = formato::forma_nomi(cartella_del_programma(sistema), testo_scenario::nomi::nome_base,
                                                      testo_scenario::nomi::codice_treno);
  verifica(testo_scenario::dati_linea(fs, nomi.linea_txt));
  verifica(testo_scenario::dati_treno(fs, nomi.treno_txt));
  verifica(documenti::dati_note(fs, nomi.note_txt));
  verifica(documenti::dati_rallentamenti(fs, nomi.rallentamenti_txt));
  verifica(documenti::dati_scheda(fs, nomi.scheda_txt));
  memorizza_percorso(fs, nomi, true);
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

int esegui(piattaforma::sistema& sistema) {
  sistema.mostra_attesa(messaggio_attesa);
  std::string testo;
  int stato = uscita_riuscita;
  try {
    lavora(sistema);
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
  if (stato != uscita_riuscita) sistema.messaggio(titolo_programma, testo);
  return stato;
}

}  // namespace guida
