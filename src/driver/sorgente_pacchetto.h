#pragma once

#include "driver/sorgente_scenario.h"

namespace guida {

// The scenario packed at the end of the running program's own file.
class sorgente_pacchetto : public sorgente_scenario {
 public:
  // The installer's own name, as the user sees it, without ".exe".
  std::string titolo(piattaforma::sistema& sistema) override;
  piattaforma::esito leggi(piattaforma::sistema& sistema, testi_scenario& testi) override;
};

}  // namespace guida
