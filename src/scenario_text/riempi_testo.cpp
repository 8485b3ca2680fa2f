#include "scenario_text/riempi_testo.h"

#include <stdexcept>

namespace testo_scenario {

namespace {

void controlla_larghezza(std::string_view testo, std::size_t larghezza) {
  if (testo.size() > larghezza) {
    throw std::length_error("campo troppo lungo: \"" + std::string(testo) + "\" supera " +
                            std::to_string(larghezza) + " caratteri");
  }
}

}  // namespace

std::string a_sinistra(std::string_view testo, std::size_t larghezza) {
  controlla_larghezza(testo, larghezza);
  return std::string(testo) + std::string(larghezza - testo.size(), ' ');
}

std::string a_destra(std::string_view testo, std::size_t larghezza) {
  controlla_larghezza(testo, larghezza);
  return std::string(larghezza - testo.size(), ' ') + std::string(testo);
}

}  // namespace testo_scenario
