#include <iostream>
#include <string>
#include <vector>

#include "platform/piattaforma.h"
#include "tools/esamina/riga_comando.h"

int main(int argc, char** argv) {
  const std::vector<std::string> argomenti(argv + (argc > 0 ? 1 : 0), argv + argc);
  return strumenti::esegui_esamina(argomenti, piattaforma::sistema_reale().file(), std::cout, std::cerr);
}
