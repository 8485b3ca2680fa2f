#include "platform/file_system.h"

namespace piattaforma {

std::string percorso_temporaneo(const std::string& percorso) { return percorso + ".nuovo"; }

esito sostituisci_file(file_system& fs, const std::string& percorso, std::string_view contenuto) {
  const std::string temporaneo = percorso_temporaneo(percorso);
  esito scritto = fs.scrivi(temporaneo, contenuto);
  if (scritto.riuscito()) {
    scritto = fs.rinomina(temporaneo, percorso);
  }
  if (scritto.riuscito()) return scritto;
  if (fs.esiste(temporaneo)) {
    fs.elimina(temporaneo);  // best effort: the first failure is the one to report
  }
  // The user knows the target, not our temporary name.
  return esito::errore(percorso, scritto.ragione());
}

}  // namespace piattaforma
