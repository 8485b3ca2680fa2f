#include "documents/intestazione_scheda.h"

#include "documents/nome_proprio.h"
#include "scenario_text/nomi_scenario.h"
#include "scenario_text/riempi_testo.h"

namespace documenti {
namespace {

namespace nomi = testo_scenario::nomi;
using testo_scenario::a_destra;
using testo_scenario::a_sinistra;

// "da: " or "a: " ending at column 45, then the place in a field of 22.
std::string luogo(std::string_view etichetta, std::string_view nome) {
  return a_destra(etichetta, 23) + a_sinistra(nome_proprio(nome), 22);
}

}  // namespace

std::vector<std::string> intestazione_scheda(std::string_view pagina) {
  return {
      "  ___________________                                               ______________",
      " |                   |                    SCHEDA " + std::string(pagina) + "               |              |",
      " |" + a_sinistra("   TRENO n. " + std::string(nomi::codice_treno), 19) + "|" + luogo("da: ", nomi::origine) +
          "|    V140 B    |",
      " |___________________|" + luogo("a: ", nomi::destinazione) + "|     105%     |",
      "                                                                   |______________|",
      "  ___________________                ___________________",
      // The seven trailing blanks belong to the form.
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |    REGIONALE      |              |       180T        |",
      " |___________________|              |___________________|",
  };
}

std::vector<std::string> intestazione_scheda_in_bianco() {
  std::vector<std::string> righe = intestazione_scheda("0/0");
  righe[2] = " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |";
  righe[3] = " |___________________|                    a: xxxxxx                |     xxx%     |";
  righe[7] = " |        xxx        |              |      xxxT         |";
  return righe;
}

std::vector<std::string> testata_colonne_scheda() {
  return {
      "  " + std::string(80, '_'),
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      chiusura_tabella_scheda(),
  };
}

std::string chiusura_tabella_scheda() {
  return " |_____|_____|__________|_____|____________________________|________________|_____|";
}

std::string riga_vuota_scheda() {
  return " |     |     |          |     |                            |                |     |";
}

}  // namespace documenti
