#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/file_system_memoria.h"

// The platform's separator as a literal, to write the paths the tools form
// (folder, separator, name) inside the expected texts.
#ifdef _WIN32
#define SEPARATORE_PROVA "\\"
#else
#define SEPARATORE_PROVA "/"
#endif

// A scenario's files held in memory, and the author tools run on them.
namespace prova_decompila {

struct esito_strumento {
  int stato = 0;
  std::string uscita;
  std::string errori;
};

// compila_scenario on `cartella`/BASE_linea.txt and BASE_CODICE-.txt, output into `uscita`.
esito_strumento compila(piattaforma::file_system_memoria& fs, const std::string& cartella, const std::string& base,
                        const std::string& codice, const std::string& uscita, bool con_tracciato = true);
// decompila_scenario with these arguments.
esito_strumento decompila(piattaforma::file_system_memoria& fs, const std::vector<std::string>& argomenti);

// The three compiled files of BASE/CODICE in `cartella`, by file name; the geometry only when present.
std::map<std::string, std::string> binari(piattaforma::file_system_memoria& fs, const std::string& cartella,
                                          const std::string& base, const std::string& codice);

// Empty when the files of `a` and `b` are the same, else which differ and the
// first byte where they do: a short text where a whole file would not do.
std::string differenze(const std::map<std::string, std::string>& a, const std::map<std::string, std::string>& b);

}  // namespace prova_decompila
