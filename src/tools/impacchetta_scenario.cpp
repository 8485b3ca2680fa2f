#include <iostream>
#include <string>
#include <vector>

#include "platform/piattaforma.h"
#include "tools/impacchetta/esegui_impacchetta.h"

int main(int argc, char** argv) {
  const std::vector<std::string> argomenti(argv + (argc > 0 ? 1 : 0), argv + argc);
  piattaforma::sistema& sistema = piattaforma::sistema_reale();
  return strumento_impacchetta::esegui_impacchetta(argomenti, sistema.file(), sistema.cartella_programma(), std::cout,
                                                   std::cerr);
}
