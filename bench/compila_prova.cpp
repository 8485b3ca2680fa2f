// compila_prova LINE_FILE SERVICE_FILE DIR: compiles the pair and writes
// DIR/Prova_linea.dat, DIR/Prova_1.sim and DIR/Prova_1.dat. The scale
// scripts time it as a process; the description files are left in place.
#include <iostream>
#include <string>

#include "compiler/compilatore.h"
#include "compiler/scrivi_binari.h"
#include "platform/piattaforma.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "uso: compila_prova FILE_LINEA FILE_SERVIZIO CARTELLA\n";
    return 2;
  }
  piattaforma::file_system& fs = piattaforma::sistema_reale().file();
  const compilatore::opzioni o{"Prova", "1", true, false};
  const compilatore::compilato fatto = compilatore::compila(fs, {argv[1], argv[2]}, o);
  const auto pulito = fatto.pulito();
  if (!pulito) {
    std::cerr << "errore " << fatto.errore.codice_errore << ", posizione " << fatto.errore.posizione_errore << "\n";
    return 1;
  }
  const std::string cartella(argv[3]);
  const auto esito = compilatore::scrivi_compilato(
      fs, {cartella + "/Prova_linea.dat", cartella + "/Prova_1.sim", cartella + "/Prova_1.dat"}, *pulito);
  if (!esito.riuscito()) {
    std::cerr << esito.messaggio() << "\n";
    return 1;
  }
  return 0;
}
