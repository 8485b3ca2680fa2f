#pragma once

#include <string>
#include <string_view>

namespace strumento_compila {

// A small scenario to start from: both description files, CR LF line ends,
// every record kind once or more and a comment for each, compiling without
// a warning. The handbook's excerpts are applied to it.
struct scenario_iniziale {
  std::string linea;  // BASE_linea.txt
  std::string treno;  // BASE_CODICE-.txt
};

scenario_iniziale testi_iniziali(std::string_view nome_base, std::string_view codice_treno);

}  // namespace strumento_compila
