// Writes the example scenario's compiled files into a folder, for the test
// that renders the tool's picture in a browser.
#include <exception>
#include <iostream>

#include "esempio_scenario.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "uso: scrivi_esempio CARTELLA\n";
    return 2;
  }
  try {
    esempio::scrivi_esempio(argv[1], esempio::modello_esempio());
  } catch (const std::exception& e) {
    std::cerr << "scrivi_esempio: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
