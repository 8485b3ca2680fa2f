#include "scenario_text/tabella_righe.h"

#include <stdexcept>

namespace testo_scenario {

tabella_righe::tabella_righe() { posto_[0] = std::string(fine_file); }

void tabella_righe::aggiungi(std::string riga) {
  // The last slot must stay free for the end marker.
  if (righe_ + 1 >= posti) {
    throw std::length_error("tabella delle righe piena: al massimo 1000 righe");
  }
  posto_[righe_] = std::move(riga);
  ++righe_;
  posto_[righe_] = std::string(fine_file);
}

std::string tabella_righe::contenuto() const {
  std::string testo;
  for (const std::string& riga : posto_) {
    if (riga == fine_file) break;
    testo += riga;
    testo += "\r\n";
  }
  return testo;
}

piattaforma::esito scrivi_tabella(piattaforma::file_system& fs, const std::string& percorso,
                                  const tabella_righe& tabella) {
  return piattaforma::sostituisci_file(fs, percorso, tabella.contenuto());
}

}  // namespace testo_scenario
