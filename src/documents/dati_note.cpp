#include "documents/dati_note.h"

#include "documents/nome_proprio.h"
#include "scenario_text/nomi_scenario.h"

namespace documenti {

testo_scenario::tabella_righe righe_dati_note() {
  namespace nomi = testo_scenario::nomi;
  testo_scenario::tabella_righe tabella;
  tabella.aggiungi("Simulazione del treno regionale " + std::string(nomi::codice_treno) + " nel tratto " +
                   nome_proprio(nomi::origine) + " - " + nome_proprio(nomi::destinazione) + ".");
  tabella.aggiungi("Il treno nella realta' \xE8 effettuato con locomotore E 646 e materiale leggero (navetta).");
  tabella.aggiungi("La simulazione non presenta particolari difficolt\xE0.");
  tabella.aggiungi(std::string(10, ' '));  // not empty: ten blanks
  tabella.aggiungi(std::string(18, ' ') + "Buon divertimento");
  tabella.aggiungi(std::string(26, ' ') + "Lorenzo Bellandi");
  tabella.aggiungi(std::string(25, ' ') + "(lorenzo.bellandi@example.org)");
  tabella.aggiungi("Orario Giugno 2001");
  tabella.aggiungi("5A");
  return tabella;
}

piattaforma::esito dati_note(piattaforma::file_system& fs, const std::string& percorso) {
  return testo_scenario::scrivi_tabella(fs, percorso, righe_dati_note());
}

}  // namespace documenti
