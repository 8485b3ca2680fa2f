#pragma once

// A small scenario in memory for the tests of compila_scenario: a 20 km line
// and a service with what every service needs, into which a test puts the
// records it is about.

#include <string>

namespace scenario_piccolo {

inline const std::string linea = "s/Val_linea.txt";
inline const std::string treno = "s/Val_9-.txt";

// `generale` goes after the length (line 3 on), `corpo` after the first header (line 4 on).
inline std::string file_linea(const std::string& corpo = "", const std::string& generale = "") {
  return "[generale]\r\nlunghezza percorso, 20000\r\n" + generale + "[curve]\r\n" + corpo + "[fine]\r\n";
}

// A speed limit, adhesion and a station that writes no cell on lines 2 to 4; `corpo` from line 5.
inline std::string file_treno(const std::string& corpo = "") {
  return "[generale]\r\nvelocita, 0, 160\r\naderenza, 0, 100\r\n"
         "stazione, 0, 28, 400, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Origine\r\n" +
         corpo + "[fine]\r\n";
}

}  // namespace scenario_piccolo
