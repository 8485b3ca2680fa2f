#include "tools/esamina/posti_etichette.h"

#include <algorithm>

namespace strumenti {

bool posti_etichette::libero(const rettangolo& r) const {
  return std::none_of(presi_.begin(), presi_.end(), [&](const rettangolo& p) {
    return r.x < p.x + p.w && p.x < r.x + r.w && r.y < p.y + p.h && p.y < r.y + r.h;
  });
}

std::optional<rettangolo> posti_etichette::prova(std::initializer_list<rettangolo> candidati) {
  for (const rettangolo& r : candidati) {
    if (libero(r)) {
      presi_.push_back(r);
      return r;
    }
  }
  return std::nullopt;
}

double larghezza_testo(std::string_view testo, double corpo) {
  // Capitals and digits of a sans-serif face average about 0.65 em.
  return static_cast<double>(testo.size()) * corpo * 0.65;
}

}  // namespace strumenti
