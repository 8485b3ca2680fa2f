#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "compiler/compilatore.h"
#include "platform/file_system.h"
#include "tools/compila/diagnostica.h"

namespace strumento_compila {

// An author's scenario to compile: the two description files as named on the
// command line, and the names the compiled scenario carries.
struct scenario_autore {
  std::string linea;
  std::string treno;
  std::string nome_base;
  std::string codice_treno;
  bool calcola_tracciato = true;
};

// One thing to tell the author, for people and for editors alike.
struct diagnostico {
  enum class livello { errore, avviso };
  livello tipo = livello::errore;
  // The error number or the warning's stable name; empty for what is not the compile's.
  std::string regola;
  // The message without its "errore N: " or "avviso[nome]: ".
  std::string testo;
  // The file as the author named it, and the place in it; no file for a
  // diagnostic of the program itself.
  std::string file;
  std::optional<punto_sorgente> posto;
  // A warning made an error by --strict.
  bool rigoroso = false;

  // "errore 16: ...", "avviso[nome]: ...", under --strict "errore[nome]: ...".
  std::string messaggio() const;
};

// At most this many errors are shown; the rest are counted.
inline constexpr std::size_t errori_mostrati = 50;

struct compilazione_autore {
  // The compile the main program would make: binary files come from it alone.
  compilatore::compilato esito;
  // Warnings and errors in the order the compile met them; the first error
  // is the one the main program would show.
  std::vector<diagnostico> diagnostiche;
  std::size_t avvisi = 0;
  std::size_t errori = 0;
  // Errors found past errori_mostrati, not in diagnostiche.
  std::size_t errori_taciuti = 0;

  bool riuscita() const { return esito.pulito().has_value(); }
  const compilatore::modello& m() const { return esito.m; }
};

// Compiles the author's files, which are only read. When the compile fails,
// compiles them again going on after each error, to tell every error of the
// files in one run.
compilazione_autore compila_autore(piattaforma::file_system& fs, const scenario_autore& s);

}  // namespace strumento_compila
