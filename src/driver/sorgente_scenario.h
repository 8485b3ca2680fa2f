#pragma once

#include <string>

#include "platform/esito.h"
#include "platform/piattaforma.h"

namespace guida {

// A whole scenario as the run writes it: its two names and the five texts,
// byte for byte as they go to disk.
struct testi_scenario {
  std::string nome_base;
  std::string codice_treno;
  std::string linea;          // <base>_linea.txt
  std::string treno;          // <base>_<treno>-.txt
  std::string note;           // <base>_<treno>_note.txt
  std::string rallentamenti;  // <base>_<treno>_rallentamenti.txt
  std::string scheda;         // <base>_<treno>_scheda_treno.txt
};

// Where the run takes its scenario from: the one built into the program, or
// the one packed into an installer.
class sorgente_scenario {
 public:
  virtual ~sorgente_scenario() = default;

  // The title of the message box.
  virtual std::string titolo(piattaforma::sistema& sistema) = 0;
  // Fills `testi`, or says why there is no scenario to write; nothing is
  // written to disk either way.
  virtual piattaforma::esito leggi(piattaforma::sistema& sistema, testi_scenario& testi) = 0;
};

}  // namespace guida
