#include "tools/decompila/testi.h"

namespace decompila {
namespace {

bool spazio(char c) { return c == ' ' || c == '\t'; }
bool separa(char c) { return c == ',' || c == '\r' || c == '\n'; }

}  // namespace

bool testo_scrivibile(std::string_view testo) {
  if (testo.empty()) return true;
  if (spazio(testo.front()) || testo.front() == '"' || spazio(testo.back())) return false;
  for (char c : testo) {
    if (separa(c)) return false;
  }
  return true;
}

std::string rendi_scrivibile(std::string_view testo) {
  std::string t(testo);
  for (char& c : t) {
    if (separa(c)) c = ' ';
  }
  while (!t.empty() && (spazio(t.front()) || t.front() == '"')) t.erase(t.begin());
  while (!t.empty() && spazio(t.back())) t.pop_back();
  return t;
}

}  // namespace decompila
