#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The command line as every author tool reads it.
namespace strumento_compila {

struct opzioni_comuni {
  bool aiuto = false;                 // --help or -h
  bool versione = false;              // --version
  std::optional<std::string> uscita;  // --output VALUE or --output=VALUE
  std::vector<std::string> nomi;      // everything that is not an option
};

// Reads the arguments in order: names; "--", after which everything is a
// name; --help, -h and --version, which end the reading; --output with its
// value, which may not be empty (`manca_uscita` says so); and every other
// option through `opzione`, which takes it or returns false for one the tool
// does not know. Returns why the line is wrong, or nothing.
std::optional<std::string> leggi_opzioni(std::span<const std::string> argomenti, std::string_view manca_uscita,
                                         const std::function<bool(std::string_view)>& opzione, opzioni_comuni& letti);

// An option of one tool that takes a value, as "NOME VALORE" or "NOME=VALORE".
struct opzione_con_valore {
  std::optional<std::string> valore;  // the last one given
  std::optional<std::string> errore;  // why the line is wrong: a missing or empty value
};
// Takes every `nome` option and its value out of `argomenti`, which keeps
// the rest in order; nothing after "--" is an option.
opzione_con_valore togli_opzione(std::vector<std::string>& argomenti, std::string_view nome,
                                 std::string_view manca_valore);

}  // namespace strumento_compila
