#include "documents/intestazione_scheda.h"

namespace documenti {

std::vector<std::string> intestazione_scheda(std::string_view pagina) {
  return {
      "  ___________________                                               ______________",
      " |                   |                    SCHEDA " + std::string(pagina) + "               |              |",
      " |   TRENO n. 40817  |                   da: Ostrale Centrale      |    V140 B    |",
      " |___________________|                    a: Fiorna                |     105%     |",
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
