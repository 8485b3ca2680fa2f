// Writes docs/errori.md from the error catalogue's table: the build's
// `catalogo_errori` target runs it; the docs test checks the committed file.
#include <fstream>
#include <iostream>

#include "tools/compila/catalogo_errori.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "uso: genera_catalogo_errori FILE\n";
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file << strumento_compila::catalogo_markdown();
  file.close();
  if (!file) {
    std::cerr << "genera_catalogo_errori: " << argv[1] << ": scrittura non riuscita\n";
    return 1;
  }
  return 0;
}
