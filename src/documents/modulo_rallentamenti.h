#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scenario_text/tabella_righe.h"

// The form "Modulo M. 3", the slowdown order, filled in.
namespace documenti {

struct riga_rallentamento {
  std::string stazioni;    // "A - B", or the station it lies in; at most 27 characters
  std::int64_t cippo = 0;  // the kilometre post after which it begins
  std::int32_t velocita = 0;
  std::int32_t lunghezza = 0;  // metres
};

struct ordine_rallentamento {
  std::string linea;  // "ORIGIN - DESTINATION"
  std::string codice_treno;
  std::vector<riga_rallentamento> righe;
};

// The 45 lines of the form: its 25 table rows hold the slowdowns, numbered
// from 1, and empty rows after them; more slowdowns lengthen the table.
testo_scenario::tabella_righe modulo_rallentamenti(const ordine_rallentamento& o);

}  // namespace documenti
