// genera_linea_prova LENGTH_M DIR: writes DIR/Prova_linea.txt and
// DIR/Prova_1-.txt, a made-up scenario LENGTH_M metres long.
#include <charconv>
#include <cstdint>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/piattaforma.h"
#include "tools/genera_linea/genera_linea.h"

namespace {

bool leggi_lunghezza(std::string_view testo, std::int32_t& lunghezza) {
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), lunghezza);
  return errore == std::errc() && fine == testo.data() + testo.size();
}

}  // namespace

int main(int argc, char** argv) {
  std::int32_t lunghezza = 0;
  if (argc != 3 || !leggi_lunghezza(argv[1], lunghezza)) {
    std::cerr << "uso: genera_linea_prova LUNGHEZZA_M CARTELLA\n";
    return 2;
  }
  try {
    const genera_linea::scenario_prova s = genera_linea::genera(lunghezza);
    piattaforma::file_system& fs = piattaforma::sistema_reale().file();
    const std::string cartella(argv[2]);
    for (const auto& [nome, testo] : {std::pair{"/Prova_linea.txt", &s.linea}, std::pair{"/Prova_1-.txt", &s.treno}}) {
      const piattaforma::esito e = piattaforma::sostituisci_file(fs, cartella + nome, *testo);
      if (!e.riuscito()) {
        std::cerr << e.messaggio() << "\n";
        return 1;
      }
    }
  } catch (const std::invalid_argument& e) {
    std::cerr << e.what() << "\n";
    return 2;
  }
  return 0;
}
