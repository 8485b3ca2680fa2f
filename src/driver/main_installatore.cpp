// The runner of an installer: genera_scenario's run, on the scenario packed
// at the end of its own file (see pacchetto.h).
#include "driver/esecuzione.h"
#include "driver/sorgente_pacchetto.h"
#include "platform/piattaforma.h"

int main() {
  guida::sorgente_pacchetto pacchetto;
  return guida::esegui(piattaforma::sistema_reale(), pacchetto);
}
