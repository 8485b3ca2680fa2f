#include "documents/modulo_rallentamenti.h"

#include <cstddef>

#include "scenario_text/riempi_testo.h"

namespace documenti {
namespace {

using testo_scenario::a_destra;
using testo_scenario::a_sinistra;

constexpr std::size_t larghezza_stazioni = 27;
constexpr std::size_t righe_tabella = 25;

const std::string chiusura_tabella =
    " |___|____________________________|____________|__________|_________|____________|";

// " |" and six fields, each closed by "|": 82 characters.
std::string riga_modulo(std::size_t numero, const riga_rallentamento& r) {
  return " |" + a_destra(std::to_string(numero), 2) + " |" + " " + a_sinistra(r.stazioni, larghezza_stazioni) + "|" +
         a_destra(std::to_string(r.cippo), 7) + "     |" + a_destra(std::to_string(r.velocita), 6) + "    |" +
         a_destra(std::to_string(r.lunghezza), 6) + "   |" + "   -----    |";
}

}  // namespace

testo_scenario::tabella_righe modulo_rallentamenti(const ordine_rallentamento& o) {
  testo_scenario::tabella_righe tabella;
  tabella.aggiungi("");
  tabella.aggiungi("                               Modulo M. 3");
  tabella.aggiungi("                           ORDINE DI RALLENTAMENTO");
  tabella.aggiungi(" " + std::string(80, '_'));
  tabella.aggiungi("  Linea  " + o.linea);
  tabella.aggiungi("");
  tabella.aggiungi("  Si ordina al macchinista del treno " + o.codice_treno +
                   " di effettuare i seguenti rallentamenti");
  tabella.aggiungi("  " + std::string(79, '_'));

  tabella.aggiungi(" |   |                            |Inizio dopo |          |         |            |");
  tabella.aggiungi(" | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|");
  tabella.aggiungi(" |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |");
  tabella.aggiungi(chiusura_tabella);

  for (std::size_t i = 0; i < o.righe.size(); ++i) tabella.aggiungi(riga_modulo(i + 1, o.righe[i]));
  for (std::size_t i = o.righe.size(); i < righe_tabella; ++i) {
    tabella.aggiungi(" |   |                            |            |          |         |            |");
  }
  tabella.aggiungi(chiusura_tabella);

  tabella.aggiungi("");
  tabella.aggiungi("              Prescrizioni specifiche");
  tabella.aggiungi(" A - Da rispettare con tutto il treno (per i treni viaggiatori)");
  tabella.aggiungi(" B - Interessa anche la stazione di .......");
  // The form's own wording and order (D before C), kept as drivers know it.
  tabella.aggiungi(" D - Rallentamneto N. ... e N. ...  sono contigui");
  tabella.aggiungi(" C - Da rispettare dalle ore ....  alle ore ..... di tutti");
  tabella.aggiungi("     i giorni esclusi i seguenti:.........");
  return tabella;
}

}  // namespace documenti
