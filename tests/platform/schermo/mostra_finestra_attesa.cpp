// Shows the wait window through the platform layer and holds it on screen,
// so that a screenshot can be taken of it.
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/piattaforma.h"

int main(int argc, char** argv) {
  const int secondi = argc > 1 ? std::atoi(argv[1]) : 5;
  piattaforma::sistema& sistema = piattaforma::sistema_reale();
  sistema.mostra_attesa("Attendere");
  std::this_thread::sleep_for(std::chrono::seconds(secondi));
  sistema.chiudi_attesa();
  return 0;
}
