#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "cartella_temporanea.h"
#include "compiler/compilatore.h"
#include "platform/file_system_memoria.h"

// A scenario compiled from descriptions held in memory, as compila_scenario
// compiles an author's; one that does not compile fails the test.
inline compilatore::modello compila_testi(const std::string& linea, const std::string& treno,
                                          const std::string& nome_base = "Valle", const std::string& codice = "9") {
  piattaforma::file_system_memoria fs;
  fs.file["linea"] = linea;
  fs.file["treno"] = treno;
  const compilatore::opzioni o{nome_base, codice, true, false};
  compilatore::compilato c = compilatore::compila(fs, {"linea", "treno"}, o);
  if (c.errore.presente()) ADD_FAILURE() << "il fixture non compila: errore " << c.errore.codice_errore;
  return std::move(c.m);
}

// A scenario of tests/dati compiled from its two description files.
inline compilatore::modello compila_dati(const std::string& cartella, const std::string& nome_base,
                                         const std::string& codice) {
  const std::string base = std::string(CARTELLA_DATI_TEST) + "/" + cartella;
  return compila_testi(leggi_file(base + nome_base + "_linea.txt"),
                       leggi_file(base + nome_base + "_" + codice + "-.txt"), nome_base, codice);
}
