#include "documents/intestazione_generata.h"

#include "documents/intestazione_scheda.h"
#include "scenario_text/riempi_testo.h"

namespace documenti {
namespace {

using testo_scenario::a_sinistra;

// Centred, an odd blank going to the right.
std::string al_centro(std::string_view testo, std::size_t larghezza) {
  const std::size_t sinistra = testo.size() < larghezza ? (larghezza - testo.size()) / 2 : 0;
  return a_sinistra(std::string(sinistra, ' ') + std::string(testo), larghezza);
}

}  // namespace

std::vector<std::string> intestazione_generata(const testata_scheda& t, std::string_view pagina) {
  std::vector<std::string> righe = intestazione_scheda(pagina);
  righe[2] = " |" + a_sinistra("   TRENO n. " + t.codice_treno, 19) + "|" +
             a_sinistra(std::string(19, ' ') + "da: " + t.da, 45) + "|" + al_centro(t.classe, 14) + "|";
  righe[3] = " |___________________|" + a_sinistra(std::string(20, ' ') + "a: " + t.a, 45) + "|" +
             al_centro(t.massa_frenata, 14) + "|";
  // The lower boxes centre their value in all but the last column, as the form does.
  righe[7] = " |" + a_sinistra(al_centro(t.classificazione, 18), 19) + "|              |" +
             a_sinistra(al_centro(t.massa_bloccata, 18), 19) + "|";
  return righe;
}

}  // namespace documenti
