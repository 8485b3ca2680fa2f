#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/compila/compilazione_autore.h"

namespace strumento_compila {

// The program that made a SARIF log, as its tool.driver says.
struct programma_sarif {
  std::string nome;
  std::string versione;
  std::string uri_informazioni;
};

// A file URI for a file named as the author named it: "file:///..." with
// the bytes that a URI cannot hold written as %XX.
std::string uri_file(std::string_view percorso_assoluto);

// The diagnostics as a SARIF 2.1.0 log of one run: one result per
// diagnostic, with its rule (the error number or the warning's name), its
// level and its place; `assoluto` makes a file's name absolute.
std::string sarif(const std::vector<diagnostico>& diagnostiche, const programma_sarif& programma,
                  const std::function<std::string(const std::string&)>& assoluto);

}  // namespace strumento_compila
