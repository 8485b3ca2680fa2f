#include "documents/dati_rallentamenti.h"

#include <string_view>

#include "documents/modulo_rallentamenti.h"
#include "scenario_text/nomi_scenario.h"

namespace documenti {

namespace {

namespace nomi = testo_scenario::nomi;

// The two slowdowns lie between these stations (the train sheet's stations
// at km 330.730 and 321.660, and at km 209.500 and the destination).
constexpr std::string_view inizio_primo = nomi::stazioni[3];
constexpr std::string_view fine_primo = nomi::stazioni[4];
constexpr std::string_view inizio_secondo = nomi::stazioni[20];
constexpr std::string_view fine_secondo = nomi::stazioni[21];

constexpr std::size_t larghezza_stazioni = 27;
static_assert(inizio_primo.size() + 3 + fine_primo.size() <= larghezza_stazioni);
static_assert(inizio_secondo.size() + 3 + fine_secondo.size() <= larghezza_stazioni);

std::string tra(std::string_view da, std::string_view a) { return std::string(da) + " - " + std::string(a); }

}  // namespace

testo_scenario::tabella_righe righe_dati_rallentamenti() {
  return modulo_rallentamenti({
      .linea = tra(nomi::origine, nomi::destinazione),
      .codice_treno = std::string(nomi::codice_treno),
      .righe = {{tra(inizio_primo, fine_primo), 326, 60, 200}, {tra(inizio_secondo, fine_secondo), 209, 60, 1650}},
  });
}

piattaforma::esito dati_rallentamenti(piattaforma::file_system& fs, const std::string& percorso) {
  return testo_scenario::scrivi_tabella(fs, percorso, righe_dati_rallentamenti());
}

}  // namespace documenti
