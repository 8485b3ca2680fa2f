#include <iostream>
#include <string>
#include <vector>

#include "platform/piattaforma.h"
#include "tools/decompila/esegui_decompila.h"

int main(int argc, char** argv) {
  const std::vector<std::string> argomenti(argv + (argc > 0 ? 1 : 0), argv + argc);
  return decompila::esegui_decompila(argomenti, piattaforma::sistema_reale().file(), std::cout, std::cerr);
}
