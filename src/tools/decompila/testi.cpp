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

std::string testo_per_descrizione(anomalie& a, const std::string& file, std::int32_t voce, std::string_view cosa,
                                  const std::string& testo) {
  if (testo_scrivibile(testo)) return testo;
  std::string scritto = rendi_scrivibile(testo);
  a.in_voce(file, voce,
            std::string(cosa) + " '" + testo +
                "' non si scrive in una descrizione (virgole, a capo o spazi ai bordi); scritto '" + scritto + "'");
  return scritto;
}

}  // namespace decompila
