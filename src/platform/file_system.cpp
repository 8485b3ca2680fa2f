#include "platform/file_system.h"

namespace piattaforma {
namespace {

// The safe replace around any way of writing the temporary file.
template <typename Scrivi>
esito sostituisci(file_system& fs, const std::string& percorso, Scrivi scrivi) {
  const std::string temporaneo = percorso_temporaneo(percorso);
  esito scritto = scrivi(temporaneo);
  if (scritto.riuscito()) {
    scritto = fs.rinomina(temporaneo, percorso);
  }
  if (scritto.riuscito()) return scritto;
  // Best effort, and a temporary never made is no failure: the first failure is the one to report.
  static_cast<void>(fs.elimina(temporaneo));
  // The user knows the target, not our temporary name.
  return scritto.per(percorso);
}

}  // namespace

esito file_system::scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) {
  std::string contenuto;
  for (std::string_view pezzo = pezzi.prossimo(); !pezzo.empty(); pezzo = pezzi.prossimo()) {
    contenuto.append(pezzo);
  }
  return scrivi(percorso, contenuto);
}

std::string percorso_temporaneo(const std::string& percorso) { return percorso + ".nuovo"; }

esito sostituisci_file(file_system& fs, const std::string& percorso, std::string_view contenuto) {
  return sostituisci(fs, percorso, [&](const std::string& temporaneo) { return fs.scrivi(temporaneo, contenuto); });
}

esito sostituisci_file(file_system& fs, const std::string& percorso, pezzi_contenuto& pezzi) {
  return sostituisci(fs, percorso,
                     [&](const std::string& temporaneo) { return fs.scrivi_a_pezzi(temporaneo, pezzi); });
}

esito sostituisci_eseguibile(file_system& fs, const std::string& percorso, std::string_view contenuto) {
  return sostituisci(fs, percorso, [&](const std::string& temporaneo) {
    esito scritto = fs.scrivi(temporaneo, contenuto);
    return scritto.riuscito() ? fs.rendi_eseguibile(temporaneo) : scritto;
  });
}

}  // namespace piattaforma
