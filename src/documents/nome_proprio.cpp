#include "documents/nome_proprio.h"

#include "scenario_text/caratteri.h"

namespace documenti {
namespace {

char maiuscola(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string nome_proprio(std::string_view nome) {
  std::string risultato(nome);
  bool inizio_parola = true;
  for (char& c : risultato) {
    c = inizio_parola ? maiuscola(c) : testo_scenario::minuscola(c);
    inizio_parola = c == ' ';
  }
  return risultato;
}

}  // namespace documenti
