#include "driver/sorgente_incorporata.h"

#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "driver/esecuzione.h"
#include "scenario_text/dati_linea.h"
#include "scenario_text/dati_treno.h"
#include "scenario_text/nomi_scenario.h"

namespace guida {

testi_scenario testi_incorporati() {
  return testi_scenario{
      .nome_base = std::string(testo_scenario::nomi::nome_base),
      .codice_treno = std::string(testo_scenario::nomi::codice_treno),
      .linea = testo_scenario::righe_dati_linea().contenuto(),
      .treno = testo_scenario::righe_dati_treno().contenuto(),
      .note = documenti::righe_dati_note().contenuto(),
      .rallentamenti = documenti::righe_dati_rallentamenti().contenuto(),
      .scheda = documenti::righe_dati_scheda().contenuto(),
  };
}

std::string sorgente_incorporata::titolo(piattaforma::sistema&) { return std::string(titolo_programma); }

piattaforma::esito sorgente_incorporata::leggi(piattaforma::sistema&, testi_scenario& testi) {
  testi = testi_incorporati();
  return piattaforma::esito::ok();
}

}  // namespace guida
