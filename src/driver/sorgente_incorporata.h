#pragma once

#include "driver/sorgente_scenario.h"

namespace guida {

// The scenario built into genera_scenario: the literal descriptions and crew documents.
class sorgente_incorporata : public sorgente_scenario {
 public:
  std::string titolo(piattaforma::sistema& sistema) override;
  piattaforma::esito leggi(piattaforma::sistema& sistema, testi_scenario& testi) override;
};

// The embedded scenario's texts.
testi_scenario testi_incorporati();

}  // namespace guida
