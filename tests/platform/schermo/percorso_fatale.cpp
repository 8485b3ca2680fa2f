// Runs the whole program on the real platform, as genera_scenario does, but
// with a line description that puts a speed board on cell 1: the
// identification check then fails and the run ends through the real message
// box with " Errore n. 1250", writing no binary file. Returns the run's status.
#include <string>

#include "driver/esecuzione.h"
#include "platform/file_system_delegato.h"
#include "platform/piattaforma.h"

namespace {

// The real files, with one line added to the line description as it is written.
class file_ritoccati : public piattaforma::file_system_delegato {
 public:
  using file_system_delegato::file_system_delegato;

  piattaforma::esito scrivi(const std::string& p, std::string_view c) override {
    std::string contenuto(c);
    const auto bersaglio = piattaforma::bersaglio_di(p);
    if (bersaglio && bersaglio->ends_with("_linea.txt")) {
      contenuto.insert(contenuto.find("[indicazioni]"), "indicatori_vmax, 0, 100, 110, 115, 0, 100, 110, 115, 0\r\n");
    }
    return file_system_delegato::scrivi(p, contenuto);
  }
};

class sistema_fatale : public piattaforma::sistema {
 public:
  std::string cartella_programma() override { return reale_.cartella_programma(); }
  std::string percorso_programma() override { return reale_.percorso_programma(); }
  piattaforma::file_system& file() override { return file_; }
  void mostra_attesa(std::string_view testo) override { reale_.mostra_attesa(testo); }
  void chiudi_attesa() override { reale_.chiudi_attesa(); }
  void messaggio(std::string_view titolo, std::string_view testo) override { reale_.messaggio(titolo, testo); }

 private:
  piattaforma::sistema& reale_ = piattaforma::sistema_reale();
  file_ritoccati file_{reale_.file()};
};

}  // namespace

int main() {
  sistema_fatale sistema;
  return guida::esegui(sistema);
}
