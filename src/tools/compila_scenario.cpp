#include <iostream>
#include <string>
#include <vector>

#include "platform/piattaforma.h"
#include "tools/compila/esegui_compila.h"

int main(int argc, char** argv) {
  const std::vector<std::string> argomenti(argv + (argc > 0 ? 1 : 0), argv + argc);
  return strumento_compila::esegui_compila(argomenti, piattaforma::sistema_reale().file(), std::cout, std::cerr);
}
