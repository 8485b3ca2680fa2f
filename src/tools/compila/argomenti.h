#pragma once

#include <optional>
#include <span>
#include <string>

namespace strumento_compila {

// --nuovo CARTELLA BASE CODICE: a starter scenario to write.
struct scenario_nuovo {
  std::string cartella;
  std::string nome_base;
  std::string codice_treno;
  bool sovrascrivi = false;  // --sovrascrivi: replace files already there
};

// What the command line asks for.
struct richiesta {
  enum class azione { compila, aiuto, versione, spiega, nuovo };
  azione cosa = azione::compila;
  std::string linea;                           // the line description file
  std::string treno;                           // the service description file
  std::optional<std::string> cartella_uscita;  // default: the line file's directory
  bool senza_tracciato = false;                // --no-geometry
  bool solo_verifica = false;                  // --check
  bool rigoroso = false;                       // --strict
  bool documenti = false;                      // --documenti
  std::optional<std::string> sarif;            // --sarif FILE: the diagnostics for editors
  std::string errore_da_spiegare;              // --spiega N: N as written
  scenario_nuovo nuovo;                        // --nuovo
};

// A request, or the reason the command line is not one.
struct lettura_argomenti {
  std::optional<richiesta> valida;
  std::string errore;
};

// Reads the arguments after the program's name.
lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti);

// One line: how the program is called.
std::string testo_uso();
std::string testo_aiuto();

}  // namespace strumento_compila
