// Shows the fatal message box through the platform layer, once, as the run
// does; returns 0 once the box has been closed.
#include "platform/piattaforma.h"

int main() {
  piattaforma::sistema_reale().messaggio("genera_scenario", " Errore n. 1250");
  return 0;
}
