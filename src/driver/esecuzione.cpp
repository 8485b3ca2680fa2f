#include "driver/esecuzione.h"

#include <exception>
#include <string>

#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "compiler/scrivi_binari.h"
#include "driver/sorgente_incorporata.h"
#include "formato/nomi_file.h"

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
  const compilatore::modello m = compilatore::compila(fs, {nomi.linea_txt, nomi.treno_txt}, opzioni);
  if (m.codice_errore != compilatore::errore::nessuno) {
    std::string testo = testo_errore(m.codice_errore, m.posizione_errore);
    // Without it the user could not tell which file failed, or why.
    if (!m.causa_errore.empty()) testo.append("\n").append(m.causa_errore);
    throw errore_fatale(testo);
  }
  verifica(compilatore::scrivi_compilato(fs, {nomi.tracciato_dat, nomi.tabella_sim, nomi.celle_dat}, m));
}

// Form_Load's work, in its fixed order. A scenario that cannot be had stops
// the run before anything is written.
void lavora(piattaforma::sistema& sistema, sorgente_scenario& sorgente) {
  testi_scenario testi;
  verifica(sorgente.leggi(sistema, testi));
  piattaforma::file_system& fs = sistema.file();
  const formato::nomi_file nomi = formato::forma_nomi(sistema.cartella_programma(), testi.nome_base, testi.codice_treno);
  verifica(piattaforma::sostituisci_file(fs, nomi.linea_txt, testi.linea));
  verifica(piattaforma::sostituisci_file(fs, nomi.treno_txt, testi.treno));
  verifica(piattaforma::sostituisci_file(fs, nomi.note_txt, testi.note));
  verifica(piattaforma::sostituisci_file(fs, nomi.rallentamenti_txt, testi.rallentamenti));
  verifica(piattaforma::sostituisci_file(fs, nomi.scheda_txt, testi.scheda));
  memorizza_percorso(fs, nomi, testi, true);
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

int esegui(piattaforma::sistema& sistema, sorgente_scenario& sorgente) {
  sistema.mostra_attesa(messaggio_attesa);
  try {
    lavora(sistema, sorgente);
  } catch (const std::exception& e) {
    // The box replaces the wait window rather than standing over it.
    sistema.chiudi_attesa();
    sistema.messaggio(sorgente.titolo(sistema), e.what());
    return 1;
  }
  sistema.chiudi_attesa();
  return 0;
}

int esegui(piattaforma::sistema& sistema) {
  sorgente_incorporata incorporata;
  return esegui(sistema, incorporata);
}

}  // namespace guida
