#include "documents/dati_rallentamenti.h"

#include <cstddef>
#include <string_view>

#include "scenario_text/nomi_scenario.h"
#include "scenario_text/riempi_testo.h"

namespace documenti {

using testo_scenario::a_destra;
using testo_scenario::a_sinistra;

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

const std::string chiusura_tabella =
    " |___|____________________________|____________|__________|_________|____________|";

struct rallentamento {
  int numero;
  std::string_view da;
  std::string_view a;
  int cippo;      // the kilometre post after which it begins
  int velocita;   // km/h
  int lunghezza;  // metres
};

// " |" and six fields, each closed by "|": 82 characters.
std::string riga_rallentamento(const rallentamento& r) {
  const std::string stazioni = std::string(r.da) + " - " + std::string(r.a);
  return " |" + a_destra(std::to_string(r.numero), 2) + " |" + " " + a_sinistra(stazioni, larghezza_stazioni) +
         "|" + a_destra(std::to_string(r.cippo), 7) + "     |" + a_destra(std::to_string(r.velocita), 6) +
         "    |" + a_destra(std::to_string(r.lunghezza), 6) + "   |" + "   -----    |";
}

}  // namespace

testo_scenario::tabella_righe righe_dati_rallentamenti() {
  testo_scenario::tabella_righe tabella;
  tabella.aggiungi("");
  tabella.aggiungi("                               Modulo M. 3");
  tabella.aggiungi("                           ORDINE DI RALLENTAMENTO");
  tabella.aggiungi(" " + std::string(80, '_'));
  tabella.aggiungi("  Linea  " + std::string(nomi::origine) + " - " + std::string(nomi::destinazione));
  tabella.aggiungi("");
  tabella.aggiungi("  Si ordina al macchinista del treno " + std::string(nomi::codice_treno) +
                   " di effettuare i seguenti rallentamenti");
  tabella.aggiungi("  " + std::string(79, '_'));

  tabella.aggiungi(" |   |                            |Inizio dopo |          |         |            |");
  tabella.aggiungi(" | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|");
  tabella.aggiungi(" |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |");
  tabella.aggiungi(chiusura_tabella);

  tabella.aggiungi(riga_rallentamento({1, inizio_primo, fine_primo, 326, 60, 200}));
  tabella.aggiungi(riga_rallentamento({2, inizio_secondo, fine_secondo, 209, 60, 1650}));
  for (int i = 0; i < 23; ++i) {
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

piattaforma::esito dati_rallentamenti(piattaforma::file_system& fs, const std::string& percorso) {
  return testo_scenario::scrivi_tabella(fs, percorso, righe_dati_rallentamenti());
}

}  // namespace documenti
