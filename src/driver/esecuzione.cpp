#include "driver/esecuzione.h"

#include <exception>
#include <string>

#include "driver/nomi_file.h"
#include "scenario_text/nomi_scenario.h"

namespace guida {
namespace {

// A failed file operation, carried to the top of the run to be reported there.
class errore_file : public std::exception {
 public:
  explicit errore_file(const piattaforma::esito& esito) : testo_(esito.messaggio()) {}
  const char* what() const noexcept override { return testo_.c_str(); }

 private:
  std::string testo_;
};

void verifica(piattaforma::esito esito) {
  if (!esito.riuscito()) throw errore_file(esito);
}

void lavora(piattaforma::sistema& sistema) {
  const nomi_file nomi = forma_nomi(sistema.cartella_programma(), testo_scenario::nomi::nome_base,
                                    testo_scenario::nomi::codice_treno);
  (void)nomi;
  (void)verifica;
}

}  // namespace

int esegui(piattaforma::sistema& sistema) {
  sistema.mostra_attesa(messaggio_attesa);
  int stato = 0;
  try {
    lavora(sistema);
  } catch (const std::exception& e) {
    sistema.messaggio(titolo_programma, e.what());
    stato = 1;
  }
  sistema.chiudi_attesa();
  return stato;
}

}  // namespace guida
