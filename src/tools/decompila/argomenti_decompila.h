#pragma once

#include <optional>
#include <span>
#include <string>

namespace decompila {

// What the command line asks for.
struct richiesta {
  enum class azione { decompila, aiuto, versione };
  azione cosa = azione::decompila;
  std::string cartella;  // where the compiled files are
  std::string nome_base;
  std::string codice_treno;
  std::optional<std::string> cartella_uscita;  // default: the compiled files' folder
  bool sostituisci = false;                    // --force: replace description files already there
};

// A request, or the reason the command line is not one.
struct lettura_argomenti {
  std::optional<richiesta> valida;
  std::string errore;
};

// Reads the arguments after the program's name.
lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti);

std::string testo_uso();
std::string testo_aiuto();

}  // namespace decompila
