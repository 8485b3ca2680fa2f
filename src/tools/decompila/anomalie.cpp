#include "tools/decompila/anomalie.h"

#include <cstdint>

namespace decompila {

void anomalie::aggiungi(const std::string& file, std::string testo) { elenco_.push_back({file, std::move(testo)}); }

void anomalie::in_cella(const std::string& file, std::int32_t cella, const std::string& testo) {
  celle_.insert(cella);
  aggiungi(file, dove_cella(cella) + ": " + testo);
}

void anomalie::in_voce(const std::string& file, std::int32_t voce, const std::string& testo) {
  voci_.insert(voce);
  aggiungi(file, "voce " + std::to_string(voce) + ": " + testo);
}

bool anomalie::in_file(const std::string& file) const {
  for (const anomalia& a : elenco_) {
    if (a.file == file) return true;
  }
  return false;
}

std::string dove_cella(std::int32_t cella) {
  return "cella " + std::to_string(cella) + " (" + std::to_string(std::int64_t{cella} * 50) + " m)";
}

}  // namespace decompila
