#include "platform/cartella_riservata.h"

#include <charconv>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/piattaforma.h"

namespace piattaforma {
namespace {

constexpr double secondi_massimi = 24 * 60 * 60;

// Temporary files of these targets, which only a killed run can have left
// once the folder is held. Best effort: one that will not go stays for the next run.
void rimuovi_avanzi(file_system& fs, const std::string& cartella, std::span<const std::string> bersagli) {
  std::vector<std::string> nomi;
  if (!fs.elenca(cartella, nomi).riuscito()) return;
  for (const std::string& nome : nomi) {
    const std::string percorso = unisci_percorso(cartella, nome);
    const std::optional<std::string> bersaglio = bersaglio_di(percorso);
    if (!bersaglio) continue;
    for (const std::string& b : bersagli) {
      if (b == *bersaglio) static_cast<void>(fs.elimina(percorso));
    }
  }
}

// "60 s", "0,25 s": seconds as an Italian reader writes them.
std::string in_secondi(std::chrono::milliseconds attesa) {
  const auto millesimi = attesa.count();
  std::string testo = std::to_string(millesimi / 1000);
  if (millesimi % 1000 != 0) {
    std::string frazione = std::to_string(1000 + millesimi % 1000).substr(1);
    while (frazione.back() == '0') frazione.pop_back();
    testo.append(",").append(frazione);
  }
  return testo + " s";
}

}  // namespace

esito cartella_riservata::prendi(file_system& fs, const std::string& cartella, std::span<const std::string> bersagli) {
  esito preso = fs.blocca(cartella, attesa_cartella(), blocco_);
  if (!preso.riuscito()) return preso;
  if (tenuta()) rimuovi_avanzi(fs, cartella, bersagli);
  for (const std::string& bersaglio : bersagli) {
    const genere_file genere = fs.genere(bersaglio);
    if (!sostituibile(genere)) return esito::errore(bersaglio, ragione_non_regolare(genere));
  }
  return esito::ok();
}

std::chrono::milliseconds attesa_cartella() { return attesa_da(std::getenv(variabile_attesa)); }

std::chrono::milliseconds attesa_da(const char* valore) {
  if (valore == nullptr) return attesa_predefinita;
  const std::string_view testo(valore);
  double secondi = -1;
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), secondi);
  if (errore != std::errc() || fine != testo.data() + testo.size() || !(secondi >= 0 && secondi <= secondi_massimi)) {
    return attesa_predefinita;
  }
  return std::chrono::milliseconds(static_cast<std::int64_t>(secondi * 1000));
}

std::string ragione_cartella_occupata(std::chrono::milliseconds attesa) {
  return "un'altra esecuzione sta scrivendo in questa cartella: attesi " + in_secondi(attesa) +
         ", nessun file \xE8 stato toccato";
}

}  // namespace piattaforma
