#pragma once

#include <optional>
#include <span>
#include <string>

namespace strumento_impacchetta {

// The platform an installer runs on.
enum class piattaforma_installatore { gnu_linux, windows };

// What to pack, and where.
struct richiesta {
  std::string cartella;  // where the scenario's files are
  std::string nome_base;
  std::string codice_treno;
  std::string uscita;  // the installer to write
  piattaforma_installatore per = piattaforma_installatore::gnu_linux;
};

// A request; or the help or the version, which is all there is to show; or
// the reason the command line is neither.
struct lettura_argomenti {
  std::optional<richiesta> valida;
  std::string da_mostrare;
  std::string errore;
};

// Reads the arguments after the program's name; without --windows or
// --linux the installer is for the platform the tool runs on.
lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti);

std::string testo_uso();

}  // namespace strumento_impacchetta
