#include "documents/riga_scheda.h"

#include <initializer_list>
#include <stdexcept>

#include "scenario_text/riempi_testo.h"

namespace documenti {

using testo_scenario::a_destra;
using testo_scenario::a_sinistra;

namespace {

// Pieces are appended one after another: GCC 12 flags `"lit" + std::string(...)`
// with a spurious -Wrestrict at -O2.
std::string unisci(std::initializer_list<std::string_view> pezzi) {
  std::string testo;
  for (std::string_view pezzo : pezzi) testo += pezzo;
  return testo;
}

std::string_view ora_controllata(std::string_view ora) {
  const bool forma_giusta = ora.size() == 5 && ora[2] == '.';
  if (!forma_giusta) throw std::invalid_argument("ora non nella forma hh.mm: " + std::string(ora));
  return ora;
}

std::string campo_velocita(int velocita) {
  if (velocita == 0) return std::string(5, ' ');
  return a_destra(std::to_string(velocita), 4) + " ";
}

std::string campo_progressiva(std::string_view progressiva) {
  const bool forma_giusta = progressiva.size() == 7 && progressiva[3] == '.';
  if (!forma_giusta) {
    throw std::invalid_argument("progressiva non nella forma ddd.ddd: " + std::string(progressiva));
  }
  return std::string(" ").append(progressiva).append("  ");
}

std::string campo_recupero(std::string_view recupero) {
  if (recupero.empty()) return std::string(5, ' ');
  return std::string(" ").append(a_sinistra(recupero, 3)).append(" ");
}

}  // namespace

std::string orario_partenza(std::string_view ora) {
  return unisci({std::string(10, ' '), ora_controllata(ora), " "});
}

std::string orario_fermata(std::string_view arrivo, std::string_view partenza) {
  return unisci({"  ", ora_controllata(arrivo), " - ", ora_controllata(partenza), " "});
}

std::string orario_transito(std::string_view ora) {
  return unisci({std::string(6, ' '), ora_controllata(ora), std::string(5, ' ')});
}

std::string orario_arrivo(std::string_view ora) {
  return unisci({"  ", ora_controllata(ora), std::string(9, ' ')});
}

std::string senza_orario() { return std::string(16, ' '); }

std::string riga_scheda(const voce_scheda& voce) {
  const std::string velocita = campo_velocita(voce.velocita);
  return unisci({" |", velocita, "|", velocita, "|", campo_progressiva(voce.progressiva), "|", std::string(5, ' '),
                 "|", " ", a_sinistra(voce.luogo, 27), "|", a_sinistra(voce.orario, 16), "|",
                 campo_recupero(voce.recupero), "|"});
}

}  // namespace documenti
