#pragma once

#include <string>

#include "compiler/memorizza_dati.h"
#include "compiler/modello.h"
#include "compiler/opzioni.h"
#include "platform/file_system_memoria.h"
#include "scenario_text/nomi_scenario.h"

// Both description files held in memory, and a model cleared as the compiler driver clears it.
struct prova_parser {
  piattaforma::file_system_memoria fs;
  compilatore::sorgenti file{"prog/Ostrale_Fiorna_linea.txt", "prog/Ostrale_Fiorna_40817-.txt"};
  compilatore::opzioni o{std::string(testo_scenario::nomi::nome_base),
                         std::string(testo_scenario::nomi::codice_treno), true, true};
  compilatore::modello m;
  compilatore::errore_compilazione errore;

  // A position no rule writes, to see whether an error recorded one.
  static constexpr std::int32_t posizione_iniziale = 777;

  void esegui() {
    m = compilatore::modello{};
    m.svuota_tabella();
    m.calcola_tracciato = o.calcola_tracciato;
    errore = compilatore::errore_compilazione{};
    errore.posizione_errore = posizione_iniziale;
    compilatore::memorizza_dati(fs, file, o, m, errore);
  }

  void esegui(const std::string& linea, const std::string& treno) {
    fs.file[file.linea] = linea;
    fs.file[file.treno] = treno;
    esegui();
  }

  bool resta_linea() { return fs.esiste(file.linea); }
  bool resta_treno() { return fs.esiste(file.treno); }
};

// A line file of `lunghezza` m with `corpo` as its body.
inline std::string file_linea(const std::string& corpo, const std::string& lunghezza = "152000") {
  return "[generale]\r\nlunghezza percorso, " + lunghezza + "\r\n[curve]\r\n" + corpo + "[fine]\r\n";
}

// A service file with `corpo` as its records.
inline std::string file_treno(const std::string& corpo) { return "[generale]\r\n" + corpo + "[fine]\r\n"; }
